// The two dialogs as the viewer's own procedures set them up, looked at while
// they are open: the program icon in the caption and the jump dialog's count.
#include <gtest/gtest.h>

#include <string>

#include "app/viewer_state.h"
#include "platform/hosts/headless/headless.h"
#include "tests/app/in_process_viewer.h"

namespace {

class OpenDialogViewer : public InProcessViewer {
protected:
    void SetUp() override { StartViewer(40, 30); }
};

TEST_F(OpenDialogViewer, IconAndCountWhileOpen)
{
    struct Case {
        WPARAM key;
        int countLabelId;  // 0: none
    };
    const Case cases[] = {{'J', 7000}, {'T', 0}};
    g_viewer.fileCount = 12;  // as the label shows it; the list itself holds one
    g_viewer.appIcon = reinterpret_cast<HICON>(0x5A5A);
    for (const Case &c : cases) {
        HICON shownIcon = nullptr;
        std::string label;
        headless::SetScriptSource([&] {
            HWND dialog = headless::OpenDialog();
            if (dialog == nullptr) return false;
            // Setting another icon answers with the one the dialog had.
            shownIcon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_SETICON, ICON_SMALL, 0));
            if (c.countLabelId != 0)
                label = headless::ControlText(GetDlgItem(dialog, c.countLabelId));
            std::string error;
            return headless::RunScriptLine("dialog-cancel", &error);
        });
        SendMessageA(hwnd_, WM_KEYDOWN, c.key, 0);
        EXPECT_EQ(g_viewer.appIcon, shownIcon) << char(c.key);
        if (c.countLabelId != 0) {
            EXPECT_EQ(u8"12枚目中", label);
        }
        EXPECT_EQ(nullptr, headless::OpenDialog());
    }
}

}  // namespace
