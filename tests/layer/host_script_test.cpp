// The headless host's script lines, start-up's command line, the message box,
// the cursor and the client pixels as a file.
#include <cstdio>
#include <cstring>

#include "platform/hosts/headless/headless_state.h"

#include "tests/layer/layer_fixture.h"
#include "tests/support/temp_folder.h"

namespace {

class HostScriptTest : public LayerTest {};

TEST_F(HostScriptTest, LinesThatAreNotUnderstoodSayWhy)
{
    CreateTestWindow();
    struct Case {
        const char *line;
        bool ok;
    };
    const Case cases[] = {
        {"", true},           {"# a comment", true},   {"key Space", true},
        {"key 0x4A", true},   {"key F1", false},       {"key", false},
        {"key Tab", true},    {"maximize", true},      {"restore", true},
        {"resize 10 20", true}, {"resize 10", false},  {"resize -1 5", false},
        {"advance 0", true},  {"advance soon", false}, {"hscroll 1", true},
        {"vscroll SB_PAGEDOWN", true}, {"vscroll 4 120", true}, {"vscroll", false},
        {"hscroll 4 x", false}, {"dialog-ok", false},  {"dialog 5", false},
        {"png", false},       {"jump", false},         {"show", true},
        {"hold Space 0", true}, {"hold Space", false}, {"hold F1 40", false},
        {"hold J -1", false}, {"close", true},
    };
    for (const Case &c : cases) {
        std::string error;
        EXPECT_EQ(headless::RunScriptLine(c.line, &error), c.ok) << c.line;
        EXPECT_EQ(error.empty(), c.ok) << c.line << ": " << error;
    }
}

TEST_F(HostScriptTest, KeyAndResizeLinesReachTheWindow)
{
    HWND hwnd = CreateTestWindow();
    Settle();
    std::string error;
    ASSERT_TRUE(headless::RunScriptLine("key 0x54", &error));
    ASSERT_TRUE(headless::RunScriptLine("resize 300 200", &error));
    headless::PumpUntilIdle();
    ASSERT_EQ(LoggedMessages(), (std::vector<UINT>{WM_SIZE, WM_KEYDOWN, WM_KEYUP}));
    EXPECT_EQ(Log()[0].lParam, MAKELPARAM(300, 200));  // sent at once, before the queued key
    EXPECT_EQ(Log()[1].wParam, 0x54u);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 300);
}

TEST_F(HostScriptTest, ShowCallsTheHandler)
{
    int shown = 0;
    headless::SetShowHandler([&shown] { ++shown; });
    std::string error;
    headless::RunScriptLine("show", &error);
    EXPECT_EQ(shown, 1);
}

TEST_F(HostScriptTest, PngWritesTheClientPixels)
{
    HWND hwnd = CreateTestWindow(216, 139);
    FillClient(hwnd, 0xFF0000);
    TempFolder folder;
    std::string path = folder.Join("client.png");
    std::string error;
    ASSERT_TRUE(headless::RunScriptLine("png " + path, &error)) << error;
    cairo_surface_t *image = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), 200);
    EXPECT_EQ(cairo_image_surface_get_height(image), 100);
    uint32_t pixel;
    std::memcpy(&pixel, cairo_image_surface_get_data(image), 4);
    EXPECT_EQ(pixel & 0xFFFFFF, 0xFF0000u);
    cairo_surface_destroy(image);
}

TEST_F(HostScriptTest, TheMessageBoxIsShownInUtf8AndAnsweredWithOk)
{
    std::vector<std::string> seen;
    headless::SetMessageBoxHandler(
        [&seen](const headless::MessageBoxRecord &box) { seen.push_back(box.caption + "|" + box.text); });
    // "ファイル" in code page 932
    EXPECT_EQ(MessageBoxA(nullptr, "\x83\x74\x83\x40\x83\x43\x83\x8B", "Kovlo - /tmp",
                          MB_ICONINFORMATION),
              IDOK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "Kovlo - /tmp|\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB");
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].type, static_cast<UINT>(MB_ICONINFORMATION));
}

TEST_F(HostScriptTest, TheCommandLineIsRebuiltFromTheArguments)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string line;
    };
    const Case cases[] = {
        {{"kovlo"}, "kovlo"},
        {{"kovlo", "/tmp/My Photos"}, "kovlo /tmp/My Photos"},
        {{"/opt/my apps/kovlo", "a", "b"}, "\"/opt/my apps/kovlo\" a b"},
        // Quotes of the path's own are closed before the argument.
        {{"/opt/a\"b/kovlo", "pics"}, "/opt/a\"b/kovlo\" pics"},
        {{"/opt/a\"b c/kovlo", "pics"}, "/opt/a\"b c/kovlo\" pics"},
        {{"/opt/\"ab\" c/kovlo", "pics"}, "/opt/\"ab\"\" c/kovlo\" pics"},
        // A name with no code page 932 form stays UTF-8: its 0x81 reads as a
        // lead byte there and takes the quote after it along.
        {{"/opt/\xC4\x81\"b c/kovlo", "pics"}, "/opt/\xC4\x81\"b\" c/kovlo\" pics"},
        // UTF-8 arguments come out in code page 932: 写真
        {{"kovlo", "\xE5\x86\x99\xE7\x9C\x9F"}, "kovlo \x8E\xCA\x90\x5E"},
    };
    for (const Case &c : cases) {
        std::vector<std::string> copies = c.arguments;
        std::vector<char *> argv;
        for (std::string &argument : copies) argv.push_back(&argument[0]);
        argv.push_back(nullptr);
        int argc = static_cast<int>(copies.size());
        char **argvPointer = argv.data();
        InitPlatform(&argc, &argvPointer);
        EXPECT_EQ(std::string(GetCommandLineA()), c.line);
    }
}

TEST_F(HostScriptTest, TheClassCursorIsTheIbeam)
{
    EXPECT_NE(LoadCursorA(nullptr, IDC_IBEAM), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(LoadIconA(nullptr, "MYICON"), LoadIconA(nullptr, "MYICON"));
    EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
    HWND hwnd = CreateTestWindow();
    // The host was asked for the I-beam over the client area, and shows the
    // class icon.
    EXPECT_TRUE(headless::State().windows[hwnd].ibeamCursor);
    EXPECT_EQ(headless::State().windows[hwnd].icon.width, 32);
}

}  // namespace
