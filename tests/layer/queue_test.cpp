// The message queue: order of posted, quit, input, paint and timer messages;
// synchronous sending; the loop's end.
#include "tests/layer/layer_fixture.h"

namespace {

constexpr UINT kFirst = 0x0401;   // WM_USER + 1
constexpr UINT kSecond = 0x0402;

class QueueTest : public LayerTest {};

TEST_F(QueueTest, PostedMessagesArriveInOrderBeforeThePaint)
{
    HWND hwnd = CreateTestWindow();
    ShowWindow(hwnd, SW_SHOW);
    Settle();
    InvalidateRect(hwnd, nullptr, TRUE);
    PostMessageA(hwnd, kFirst, 1, 0);
    PostMessageA(hwnd, kSecond, 2, 0);
    headless::PumpUntilIdle();
    EXPECT_EQ(LoggedMessages(), (std::vector<UINT>{kFirst, kSecond, WM_PAINT}));
}

TEST_F(QueueTest, PaintComesOnlyWhenTheQueueIsEmpty)
{
    HWND hwnd = CreateTestWindow();
    ShowWindow(hwnd, SW_SHOW);
    Settle();
    // The handler of the first message invalidates and posts another: the paint
    // still waits for the posted one.
    g_testReaction = [](HWND h, UINT message, WPARAM, LPARAM) -> LRESULT {
        if (message == kFirst) {
            InvalidateRect(h, nullptr, FALSE);
            PostMessageA(h, kSecond, 0, 0);
        }
        return 0;
    };
    PostMessageA(hwnd, kFirst, 0, 0);
    headless::PumpUntilIdle();
    EXPECT_EQ(LoggedMessages(), (std::vector<UINT>{kFirst, kSecond, WM_PAINT}));
}

TEST_F(QueueTest, HiddenWindowsAreNotPaintedAndOnePaintValidates)
{
    HWND hwnd = CreateTestWindow();
    Settle();
    InvalidateRect(hwnd, nullptr, TRUE);
    headless::PumpUntilIdle();
    EXPECT_EQ(LoggedMessages(), std::vector<UINT>{});
    ShowWindow(hwnd, SW_SHOW);
    InvalidateRect(hwnd, nullptr, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
    headless::PumpUntilIdle();
    EXPECT_EQ(LoggedMessages(), (std::vector<UINT>{WM_PAINT}));
}

TEST_F(QueueTest, SendMessageRunsTheProcedureAtOnceAndReturnsItsResult)
{
    HWND hwnd = CreateTestWindow();
    Settle();
    g_testReaction = [](HWND, UINT message, WPARAM wParam, LPARAM) -> LRESULT {
        return message == kFirst ? static_cast<LRESULT>(wParam * 2) : 0;
    };
    EXPECT_EQ(SendMessageA(hwnd, kFirst, 21, 0), 42);
    ASSERT_EQ(Log().size(), 1u);
    EXPECT_EQ(Log()[0].message, kFirst);
}

TEST_F(QueueTest, MessagesToUnknownWindowsAreRefused)
{
    HWND hwnd = CreateTestWindow();
    DestroyWindow(hwnd);
    Settle();
    EXPECT_FALSE(PostMessageA(hwnd, kFirst, 0, 0));
    EXPECT_EQ(SendMessageA(hwnd, kFirst, 0, 0), 0);
    RECT rect;
    EXPECT_FALSE(GetClientRect(hwnd, &rect));
    EXPECT_TRUE(Log().empty());
}

TEST_F(QueueTest, QuitEndsTheLoopAfterThePostedMessagesWithItsCode)
{
    HWND hwnd = CreateTestWindow();
    Settle();
    PostMessageA(hwnd, kFirst, 0, 0);
    PostQuitMessage(3);
    PostMessageA(hwnd, kSecond, 0, 0);
    MSG msg;
    std::vector<UINT> seen;
    while (GetMessageA(&msg, nullptr, 0, 0)) seen.push_back(msg.message);
    EXPECT_EQ(seen, (std::vector<UINT>{kFirst, kSecond}));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(QueueTest, TranslateMessageAddsCharactersForCharacterKeysOnly)
{
    struct Case {
        UINT key;
        UINT character;  // 0: none
    };
    const Case cases[] = {{'J', 'j'}, {'7', '7'}, {VK_SPACE, ' '}, {VK_SHIFT, 0}, {VK_LEFT, 0}};
    HWND hwnd = CreateTestWindow();
    for (const Case &c : cases) {
        Settle();
        MSG key{hwnd, WM_KEYDOWN, c.key, 1, 0, {0, 0}};
        EXPECT_EQ(TranslateMessage(&key), c.character != 0 ? TRUE : FALSE) << c.key;
        headless::PumpUntilIdle();
        std::vector<UINT> expected;
        if (c.character != 0) expected.push_back(WM_CHAR);
        EXPECT_EQ(LoggedMessages(true), expected) << c.key;
        if (c.character != 0) {
            EXPECT_EQ(Log()[0].wParam, c.character);
        }
    }
}

TEST_F(QueueTest, KeysFromTheHostArriveAsQueuedKeyDowns)
{
    HWND hwnd = CreateTestWindow();
    Settle();
    layer::OnKeyDown(hwnd, VK_SPACE);
    layer::OnKeyDown(hwnd, VK_SHIFT);
    EXPECT_TRUE(Log().empty());  // nothing before the loop delivers them
    headless::PumpUntilIdle();
    ASSERT_EQ(LoggedMessages(), (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN}));
    EXPECT_EQ(Log()[0].wParam, static_cast<WPARAM>(VK_SPACE));
}

// Input waits behind every posted message, even one posted after the key, and
// before the paint: the order GetMessageA keeps on Windows.
TEST_F(QueueTest, KeysComeAfterPostedMessagesAndBeforeThePaint)
{
    HWND hwnd = CreateTestWindow();
    ShowWindow(hwnd, SW_SHOW);
    Settle();
    InvalidateRect(hwnd, nullptr, FALSE);
    layer::OnKeyDown(hwnd, VK_SPACE);
    PostMessageA(hwnd, kFirst, 1, 0);
    layer::OnKeyUp(hwnd, VK_SPACE);
    PostMessageA(hwnd, kSecond, 2, 0);
    headless::PumpUntilIdle();
    EXPECT_EQ(LoggedMessages(), (std::vector<UINT>{kFirst, kSecond, WM_KEYDOWN, WM_KEYUP, WM_PAINT}));
}

TEST_F(QueueTest, ScriptEndClosesTheWindowAndTheLoopEndsWithTheQuitCode)
{
    HWND hwnd = CreateTestWindow();
    ShowWindow(hwnd, SW_SHOW);
    Settle();
    SetScript({[hwnd] { PostMessageA(hwnd, kFirst, 0, 0); }});
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) DispatchMessageA(&msg);
    EXPECT_EQ(msg.wParam, 7u);  // the test procedure's WM_DESTROY
    EXPECT_EQ(LoggedMessages(), (std::vector<UINT>{kFirst, WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(headless::EndedIdle());
}

TEST_F(QueueTest, AWindowThatNeverQuitsEndsTheLoopInsteadOfHanging)
{
    HWND hwnd = CreateTestWindow();
    Settle();
    g_testReaction = [](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
        return message == WM_CLOSE ? 1 : 0;  // refuses to close
    };
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) DispatchMessageA(&msg);
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(headless::kIdleExitCode));
    EXPECT_TRUE(headless::EndedIdle());
    EXPECT_NE(layer::ClientSurface(hwnd), nullptr);  // still there
}

}  // namespace
