// Several scroll requests that arrive before the paint between them, on the
// headless host in this process (the replay driver always paints between
// two script lines, so it cannot make such a burst).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/main_window.h"
#include "app/viewer_state.h"
#include "files/file_list.h"
#include "platform/hosts/headless/headless.h"
#include "platform/user/observe.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

namespace {

// The viewer on a 1000 x 800 picture, switched to actual size: ranges 0..217
// across and 0..242 down in an 800 x 600 client area with both bars.
class ScrollBurstViewer : public testing::Test {
protected:
    void SetUp() override
    {
        folder_.AddFile("a.jpg", EncodeJpeg(MakeCornerPicture(1000, 800)));
        headless::Config config;
        config.clientWidth = 800;
        config.clientHeight = 600;
        headless::Configure(config);
        ResetViewerState();
        std::strncpy(g_viewer.folder, folder_.path().c_str(), MAX_PATH - 1);
        ASSERT_EQ(1, BuildFileList());
        HINSTANCE instance = GetModuleHandleA(NULL);
        RegisterViewerClass(instance);  // a second registration fails harmlessly
        ASSERT_EQ(1, CreateViewerWindow(instance, SW_SHOWDEFAULT));
        hwnd_ = headless::MainWindow();
        headless::PumpUntilIdle();
        SendMessageA(hwnd_, WM_KEYDOWN, VK_SHIFT, 0);
        headless::PumpUntilIdle();
        ASSERT_EQ(217, g_viewer.hScrollInfo.nMax);
        ASSERT_EQ(242, g_viewer.vScrollInfo.nMax);
    }

    void TearDown() override
    {
        layer::ResetWindowsAndQueue();
        free(g_viewer.image);
        free(g_viewer.names);
        ResetViewerState();
    }

    void Request(UINT message, int code, int thumb = 0)
    {
        SendMessageA(hwnd_, message, MAKEWPARAM(code, thumb), 0);
    }

    TempFolder folder_;
    HWND hwnd_ = nullptr;
};

TEST_F(ScrollBurstViewer, BurstsAddUpAndStayInRange)
{
    struct Case {
        UINT message;
        int startThumb;
        std::vector<int> codes;
        int end;
    };
    const Case cases[] = {
        {WM_HSCROLL, 30, {SB_PAGELEFT, SB_PAGELEFT}, 0},
        {WM_HSCROLL, 200, {SB_PAGERIGHT, SB_LINERIGHT}, 217},
        {WM_VSCROLL, 100, {SB_LINEDOWN, SB_LINEDOWN, SB_PAGEUP}, 60},
        {WM_VSCROLL, 230, {SB_LINEDOWN, SB_LINEDOWN}, 242},
    };
    for (const Case &c : cases) {
        int *position = c.message == WM_HSCROLL ? &g_viewer.scrollX : &g_viewer.scrollY;
        const SCROLLINFO &record =
            c.message == WM_HSCROLL ? g_viewer.hScrollInfo : g_viewer.vScrollInfo;
        Request(c.message, SB_THUMBPOSITION, c.startThumb);
        headless::PumpUntilIdle();
        ASSERT_EQ(c.startThumb, record.nPos);
        for (int code : c.codes) {
            Request(c.message, code);  // no paint in between
            EXPECT_GE(*position, 0);
            EXPECT_LE(*position, record.nMax);
        }
        EXPECT_EQ(c.end, *position) << c.startThumb;
        headless::PumpUntilIdle();
        EXPECT_EQ(c.end, record.nPos) << c.startThumb;  // the paint agrees
    }
}

}  // namespace
