// Keys from the host: the lParam of WM_KEYDOWN and WM_KEYUP, and a held key's
// repeats folded into the key-down that is still waiting, as Windows does.
#include <string>

#include "platform/hosts/headless/headless_state.h"

#include "tests/layer/layer_fixture.h"

namespace {

class KeyRepeatTest : public LayerTest {};

// One event from the host: a press (repeat or not) or a release.
struct KeyEvent {
    UINT key;
    enum { Press, Repeat, Release } kind;
};

void Deliver(HWND hwnd, const KeyEvent &event)
{
    if (event.kind == KeyEvent::Release)
        layer::OnKeyUp(hwnd, event.key);
    else
        layer::OnKeyDown(hwnd, event.key, event.kind == KeyEvent::Repeat);
}

// The keyboard messages the window received, as "KD 20 x3 down" (key-down of
// 0x20 with a repeat count of 3 and the previous-state bit set).
std::vector<std::string> ReceivedKeys()
{
    std::vector<std::string> keys;
    for (const Received &r : Log()) {
        if (r.message != WM_KEYDOWN && r.message != WM_KEYUP) continue;
        char text[64];
        std::snprintf(text, sizeof text, "%s %02X x%u%s", r.message == WM_KEYDOWN ? "KD" : "KU",
                      unsigned(r.wParam), unsigned(LOWORD(r.lParam)),
                      (r.lParam & (1 << 30)) ? " down" : "");
        keys.push_back(text);
    }
    return keys;
}

TEST_F(KeyRepeatTest, KeyMessagesCarryTheScanCodeAndTheKeyStatesAsOnWindows)
{
    struct Case {
        UINT key;
        DWORD press, repeat, release;
    };
    const Case cases[] = {
        {VK_SPACE, 0x00390001, 0x40390001, 0xC0390001},
        {'J', 0x00240001, 0x40240001, 0xC0240001},
        {'0', 0x000B0001, 0x400B0001, 0xC00B0001},
        {VK_SHIFT, 0x002A0001, 0x402A0001, 0xC02A0001},
        {VK_RIGHT, 0x014D0001, 0x414D0001, 0xC14D0001},  // an extended key
    };
    HWND hwnd = CreateTestWindow();
    for (const Case &c : cases) {
        Settle();
        layer::OnKeyDown(hwnd, c.key, false);
        layer::OnKeyDown(hwnd, c.key, true);
        layer::OnKeyUp(hwnd, c.key);
        headless::PumpUntilIdle();
        std::vector<LPARAM> seen;
        for (const Received &r : Log()) {
            if (r.message == WM_KEYDOWN || r.message == WM_KEYUP) seen.push_back(r.lParam);
        }
        EXPECT_EQ(seen, (std::vector<LPARAM>{LPARAM(c.press), LPARAM(c.repeat), LPARAM(c.release)}))
            << std::hex << c.key;
    }
}

TEST_F(KeyRepeatTest, ARepeatFoldsOnlyIntoAWaitingRepeatOfTheSameKey)
{
    const UINT S = VK_SPACE, B = VK_BACK;
    struct Case {
        const char *what;
        std::vector<KeyEvent> events;  // all before the loop takes anything
        std::vector<std::string> received;
    };
    const Case cases[] = {
        {"the first press keeps its own message",
         {{S, KeyEvent::Press}, {S, KeyEvent::Repeat}, {S, KeyEvent::Repeat}, {S, KeyEvent::Repeat}},
         {"KD 20 x1", "KD 20 x3 down"}},
        {"another key's message in between",
         {{S, KeyEvent::Repeat}, {B, KeyEvent::Repeat}, {S, KeyEvent::Repeat}},
         {"KD 20 x1 down", "KD 08 x1 down", "KD 20 x1 down"}},
        {"a release in between",
         {{S, KeyEvent::Repeat}, {S, KeyEvent::Release}, {S, KeyEvent::Repeat}},
         {"KD 20 x1 down", "KU 20 x1 down", "KD 20 x1 down"}},
        {"presses are never folded",
         {{S, KeyEvent::Press}, {S, KeyEvent::Press}},
         {"KD 20 x1", "KD 20 x1"}},
    };
    HWND hwnd = CreateTestWindow();
    for (const Case &c : cases) {
        Settle();
        for (const KeyEvent &event : c.events) Deliver(hwnd, event);
        headless::PumpUntilIdle();
        EXPECT_EQ(ReceivedKeys(), c.received) << c.what;
    }
}

TEST_F(KeyRepeatTest, ARepeatAfterTheKeyDownWasTakenOrAnotherWindowsKeyStartsANewMessage)
{
    HWND hwnd = CreateTestWindow();
    HWND other = CreateTestWindow();
    Settle();
    layer::OnKeyDown(hwnd, VK_SPACE, true);
    MSG msg;
    ASSERT_TRUE(layer::TakeMessageIfAny(&msg));
    DispatchMessageA(&msg);
    layer::OnKeyDown(hwnd, VK_SPACE, true);
    layer::OnKeyDown(other, VK_SPACE, true);
    layer::OnKeyDown(hwnd, VK_SPACE, true);
    layer::OnKeyDown(hwnd, VK_SPACE, true);
    headless::PumpUntilIdle();
    EXPECT_EQ(ReceivedKeys(),
              (std::vector<std::string>{"KD 20 x1 down", "KD 20 x1 down", "KD 20 x1 down", "KD 20 x2 down"}));
    // Each key-down's window (the characters TranslateMessage posts come between).
    std::vector<HWND> keyWindows;
    for (const Received &r : Log()) {
        if (r.message == WM_KEYDOWN) keyWindows.push_back(r.hwnd);
    }
    EXPECT_EQ(keyWindows, (std::vector<HWND>{hwnd, hwnd, other, hwnd}));
}

// The script's `hold`: a press, the first repeat after 660 ms, then one every
// 40 ms, and the release; a window procedure that takes 100 ms for each
// key-down finds the repeats that came meanwhile in one message.
TEST_F(KeyRepeatTest, AHeldKeyRepeatsAtTheXRateAndASlowWindowGetsTheRepeatsFolded)
{
    struct Case {
        int workMs;
        std::vector<std::string> received;
    };
    const Case cases[] = {
        {0, {"KD 20 x1", "KD 20 x1 down", "KD 20 x1 down", "KD 20 x1 down", "KD 20 x1 down",
             "KD 20 x1 down", "KD 20 x1 down", "KD 20 x1 down", "KD 20 x1 down", "KD 20 x1 down",
             "KU 20 x1 down"}},
        // Press at 0 (done at 100); repeat 660 (done at 760); 700-740 (860);
        // 780-860 (960); 900-940 (1060); 980 with the release at 1000.
        {100, {"KD 20 x1", "KD 20 x1 down", "KD 20 x2 down", "KD 20 x3 down", "KD 20 x2 down",
               "KD 20 x1 down", "KU 20 x1 down"}},
    };
    for (const Case &c : cases) {
        layer::ResetWindowsAndQueue();
        headless::Configure(headless::Config());
        Log().clear();
        const int workMs = c.workMs;
        g_testReaction = [workMs](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
            if (message == WM_KEYDOWN) headless::State().nowMs += workMs;
            return 0;
        };
        CreateTestWindow();
        SetScript({[] { headless::RunScriptLine("hold Space 1000", nullptr); }});
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0)) DispatchMessageA(&msg);
        EXPECT_EQ(ReceivedKeys(), c.received) << c.workMs << " ms a key-down";
    }
}

}  // namespace
