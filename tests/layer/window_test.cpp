// Windows: creation, destruction, geometry with the frame, showing and sizing.
#include "tests/layer/layer_fixture.h"

namespace {

class WindowTest : public LayerTest {};

constexpr RECT kInsets = headless::kFrameInsets;

TEST_F(WindowTest, CreationDeliversWmCreateBeforeItReturns)
{
    HWND seenDuringCreate = nullptr;
    RECT clientDuringCreate{};
    g_testReaction = [&](HWND hwnd, UINT message, WPARAM, LPARAM) -> LRESULT {
        if (message == WM_CREATE) {
            seenDuringCreate = hwnd;
            GetClientRect(hwnd, &clientDuringCreate);
        }
        return 0;
    };
    HWND hwnd = CreateTestWindow(800, 600);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(seenDuringCreate, hwnd);
    EXPECT_EQ(clientDuringCreate.right, 800 - kInsets.left - kInsets.right);
    EXPECT_EQ(clientDuringCreate.bottom, 600 - kInsets.top - kInsets.bottom);
    EXPECT_EQ(LoggedMessages(), (std::vector<UINT>{WM_CREATE}));  // no WM_SIZE while hidden
}

TEST_F(WindowTest, CreationFailsWhenWmCreateRefusesOrTheClassIsUnknown)
{
    g_testReaction = [](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
        return message == WM_CREATE ? -1 : 0;
    };
    EXPECT_EQ(CreateTestWindow(), nullptr);
    EXPECT_EQ(LoggedMessages(), (std::vector<UINT>{WM_CREATE, WM_DESTROY}));
    EXPECT_TRUE(layer::TopLevelWindows().empty());
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
}

TEST_F(WindowTest, ClassNamesAreRegisteredOnceAndMatchedWithoutCase)
{
    RegisterTestClass();
    WNDCLASSA again{};
    again.lpfnWndProc = DefWindowProcA;
    again.lpszClassName = "layertest";
    EXPECT_EQ(RegisterClassA(&again), 0);
    HWND hwnd = CreateWindowExA(0, "LAYERTEST", "x", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, nullptr, nullptr);
    EXPECT_NE(hwnd, nullptr);
}

TEST_F(WindowTest, TheCloseBoxDestroysTheWindowThroughTheDefaultProcedure)
{
    HWND hwnd = CreateTestWindow();
    Settle();
    layer::OnCloseRequested(hwnd);
    EXPECT_EQ(LoggedMessages(), (std::vector<UINT>{WM_CLOSE, WM_DESTROY}));
    RECT rect;
    EXPECT_FALSE(GetWindowRect(hwnd, &rect));
    EXPECT_FALSE(DestroyWindow(hwnd));  // already gone
    MSG msg;
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(WindowTest, CentringWithTheOuterRectangleGivesTheExpectedPositions)
{
    struct Case {
        int screenWidth, screenHeight;
        int x, y;
    };
    // The viewer's own arithmetic: (screen - outer) / 2, truncated toward zero.
    const Case cases[] = {
        {1920, 1080, 560, 240}, {1366, 768, 283, 84}, {1367, 768, 283, 84}, {639, 480, -80, -60}};
    for (const Case &c : cases) {
        headless::Config config;
        config.screenWidth = c.screenWidth;
        config.screenHeight = c.screenHeight;
        headless::Configure(config);
        HWND hwnd = CreateTestWindow(800, 600);
        RECT desktop, outer;
        ASSERT_TRUE(GetWindowRect(GetDesktopWindow(), &desktop));
        ASSERT_TRUE(GetWindowRect(hwnd, &outer));
        EXPECT_EQ(desktop.right, c.screenWidth);
        int width = outer.right - outer.left, height = outer.bottom - outer.top;
        SetWindowPos(hwnd, nullptr, (desktop.right - width) / 2, (desktop.bottom - height) / 2,
                     width, height, SWP_SHOWWINDOW);
        ASSERT_TRUE(GetWindowRect(hwnd, &outer));
        EXPECT_EQ(outer.left, c.x) << c.screenWidth;
        EXPECT_EQ(outer.top, c.y) << c.screenHeight;
        EXPECT_EQ(outer.right - outer.left, 800);
        DestroyWindow(hwnd);
    }
}

TEST_F(WindowTest, SetWindowPosResizesTheClientAndSendsWmSizeOnlyForAChange)
{
    HWND hwnd = CreateTestWindow(800, 600);
    Settle();
    SetWindowPos(hwnd, nullptr, 10, 20, 800, 600, SWP_NOZORDER);  // a move only
    EXPECT_EQ(LoggedMessages(), std::vector<UINT>{});
    SetWindowPos(hwnd, nullptr, 0, 0, 416, 339, SWP_NOMOVE);
    ASSERT_EQ(LoggedMessages(), (std::vector<UINT>{WM_SIZE}));
    EXPECT_EQ(Log()[0].lParam, MAKELPARAM(400, 300));
    EXPECT_EQ(Log()[0].clientWidth, 400);  // the size is in place when the message comes
    RECT outer;
    GetWindowRect(hwnd, &outer);
    EXPECT_EQ(outer.left, 10);
    EXPECT_EQ(outer.top, 20);
}

TEST_F(WindowTest, TheHostsClientSizeWinsAtCreationAndResizesSendWmSizeAtOnce)
{
    headless::Config config;
    config.clientWidth = 640;
    config.clientHeight = 400;
    headless::Configure(config);
    HWND hwnd = CreateTestWindow(800, 600);
    RECT client, outer;
    GetClientRect(hwnd, &client);
    GetWindowRect(hwnd, &outer);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 400);
    EXPECT_EQ(outer.right - outer.left, 640 + kInsets.left + kInsets.right);
    EXPECT_EQ(outer.bottom - outer.top, 400 + kInsets.top + kInsets.bottom);
    Settle();
    layer::OnClientResized(hwnd, 0, 0);
    ASSERT_EQ(LoggedMessages(), (std::vector<UINT>{WM_SIZE}));
    EXPECT_EQ(Log()[0].lParam, 0);
    layer::OnClientResized(hwnd, 0, 0);  // no change, no message
    EXPECT_EQ(Log().size(), 1u);
}

TEST_F(WindowTest, MinimisingEmptiesTheClientAndRestoringBringsItBack)
{
    HWND hwnd = CreateTestWindow(800, 600);
    ShowWindow(hwnd, SW_SHOW);
    Settle();
    ShowWindow(hwnd, SW_MINIMIZE);
    ShowWindow(hwnd, SW_RESTORE);
    ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    ASSERT_EQ(LoggedMessages(), (std::vector<UINT>{WM_SIZE, WM_SIZE, WM_SIZE}));
    EXPECT_EQ(Log()[0].wParam, static_cast<WPARAM>(SIZE_MINIMIZED));
    EXPECT_EQ(Log()[0].lParam, 0);
    EXPECT_EQ(Log()[1].wParam, static_cast<WPARAM>(SIZE_RESTORED));
    EXPECT_EQ(Log()[1].lParam, MAKELPARAM(784, 561));
    EXPECT_EQ(Log()[2].wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
    EXPECT_EQ(Log()[2].lParam, MAKELPARAM(1920, 1080 - (kInsets.top - kInsets.bottom)));
}

// The title bar's buttons on the host's side (the headless script's lines,
// the GTK window's state changes): each change of state is one WM_SIZE of
// its kind, and a maximised window's later sizes stay SIZE_MAXIMIZED.
TEST_F(WindowTest, HostSideMinimiseMaximiseAndRestoreSendTheirSizeMessages)
{
    const int maxHeight = 1080 - (kInsets.top - kInsets.bottom);
    struct Step {
        const char *line;
        int kind;  // -1: no WM_SIZE
        int width, height;
    };
    const Step steps[] = {
        {"minimize", SIZE_MINIMIZED, 0, 0},     {"minimize", -1, 0, 0},
        {"restore", SIZE_RESTORED, 784, 561},   {"maximize", SIZE_MAXIMIZED, 1920, maxHeight},
        {"resize 1900 1000", SIZE_MAXIMIZED, 1900, 1000},
        {"restore", SIZE_RESTORED, 784, 561},   {"restore", -1, 0, 0},
    };
    HWND hwnd = CreateTestWindow(800, 600);
    ShowWindow(hwnd, SW_SHOW);
    Settle();
    for (const Step &step : steps) {
        Log().clear();
        std::string error;
        ASSERT_TRUE(headless::RunScriptLine(step.line, &error)) << step.line << ": " << error;
        if (step.kind < 0) {
            EXPECT_EQ(LoggedMessages(), std::vector<UINT>{}) << step.line;
            continue;
        }
        ASSERT_EQ(LoggedMessages(), std::vector<UINT>{WM_SIZE}) << step.line;
        EXPECT_EQ(Log()[0].wParam, WPARAM(step.kind)) << step.line;
        EXPECT_EQ(Log()[0].lParam, MAKELPARAM(step.width, step.height)) << step.line;
    }
    // A host that knows the size gives it; the same size still tells the state.
    Log().clear();
    layer::OnShowStateChanged(hwnd, SW_SHOWMAXIMIZED, 784, 561);
    ASSERT_EQ(LoggedMessages(), std::vector<UINT>{WM_SIZE});
    EXPECT_EQ(Log()[0].wParam, WPARAM(SIZE_MAXIMIZED));
}

TEST_F(WindowTest, TitlesAreKeptInCodePage932AndShownInUtf8)
{
    HWND hwnd = CreateTestWindow();
    const char *title = "\x91\x53\x32\x96\x87";  // 全2枚
    ASSERT_TRUE(SetWindowTextA(hwnd, title));
    char back[16];
    EXPECT_EQ(GetWindowTextA(hwnd, back, sizeof back), 5);
    EXPECT_STREQ(back, title);
    EXPECT_EQ(headless::Title(hwnd), "\xE5\x85\xA8" "2" "\xE6\x9E\x9A");
    char small[3];
    EXPECT_EQ(GetWindowTextA(hwnd, small, sizeof small), 2);  // cut to the buffer
    EXPECT_EQ(std::string(small), std::string(title, 2));
}

}  // namespace
