// Timers on the headless host's virtual clock.
#include "tests/layer/layer_fixture.h"

namespace {

class TimerTest : public LayerTest {
protected:
    // The clock readings at which WM_TIMER arrived, with the timer's id.
    std::vector<std::pair<int64_t, WPARAM>> ticks_;

    void SetUp() override
    {
        LayerTest::SetUp();
        g_testReaction = [this](HWND, UINT message, WPARAM wParam, LPARAM) -> LRESULT {
            if (message == WM_TIMER) ticks_.push_back({headless::NowMs(), wParam});
            return 0;
        };
    }
};

TEST_F(TimerTest, TicksArriveAtEachIntervalOfVirtualTime)
{
    struct Case {
        UINT interval;
        int64_t advance;
        std::vector<int64_t> expected;
    };
    const Case cases[] = {
        {5000, 4999, {}},
        {5000, 5000, {5000}},
        {5000, 12000, {5000, 10000}},
        {1000, 3500, {1000, 2000, 3000}},
        {0, 25, {10, 20}},  // intervals below 10 ms are raised to 10
    };
    for (const Case &c : cases) {
        layer::ResetWindowsAndQueue();
        headless::Configure(headless::Config());
        ticks_.clear();
        HWND hwnd = CreateTestWindow();
        SetTimer(hwnd, 0, c.interval, nullptr);
        headless::Advance(c.advance);
        std::vector<int64_t> times;
        for (const auto &tick : ticks_) times.push_back(tick.first);
        EXPECT_EQ(times, c.expected) << c.interval << " " << c.advance;
    }
}

TEST_F(TimerTest, TheClockStandsStillUntilAdvanced)
{
    HWND hwnd = CreateTestWindow();
    SetTimer(hwnd, 0, 10, nullptr);
    headless::PumpUntilIdle();
    EXPECT_EQ(headless::NowMs(), 0);
    EXPECT_TRUE(ticks_.empty());
}

TEST_F(TimerTest, KillTimerStopsTheTicksAndSettingAgainRestartsTheInterval)
{
    HWND hwnd = CreateTestWindow();
    SetTimer(hwnd, 4, 1000, nullptr);
    headless::Advance(1500);
    SetTimer(hwnd, 4, 1000, nullptr);  // restarts at 1500
    headless::Advance(1000);
    EXPECT_TRUE(KillTimer(hwnd, 4));
    EXPECT_FALSE(KillTimer(hwnd, 4));
    headless::Advance(5000);
    ASSERT_EQ(ticks_.size(), 2u);
    EXPECT_EQ(ticks_[0], (std::pair<int64_t, WPARAM>{1000, 4}));
    EXPECT_EQ(ticks_[1], (std::pair<int64_t, WPARAM>{2500, 4}));
}

TEST_F(TimerTest, TimersOfADestroyedWindowAreGone)
{
    HWND hwnd = CreateTestWindow();
    SetTimer(hwnd, 0, 100, nullptr);
    DestroyWindow(hwnd);
    headless::Advance(1000);
    EXPECT_TRUE(ticks_.empty());
}

TEST_F(TimerTest, PaintComesBeforeADueTimer)
{
    HWND hwnd = CreateTestWindow();
    ShowWindow(hwnd, SW_SHOW);
    Settle();
    SetTimer(hwnd, 0, 100, nullptr);
    headless::Advance(99);
    InvalidateRect(hwnd, nullptr, FALSE);
    headless::Advance(1);
    EXPECT_EQ(LoggedMessages(), (std::vector<UINT>{WM_PAINT, WM_TIMER}));
}

TEST_F(TimerTest, TheScriptsAdvanceDrainsTheQueueAfterEachTick)
{
    HWND hwnd = CreateTestWindow();
    Settle();
    // Each tick posts a message; it must be handled before the next tick.
    g_testReaction = [this](HWND h, UINT message, WPARAM, LPARAM) -> LRESULT {
        if (message == WM_TIMER) PostMessageA(h, 0x0401, 0, 0);
        return 0;
    };
    SetTimer(hwnd, 0, 1000, nullptr);
    std::string error;
    SetScript({[&error] { EXPECT_TRUE(headless::RunScriptLine("advance 3000", &error)); }});
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) DispatchMessageA(&msg);
    std::vector<UINT> expected{WM_TIMER, 0x0401, WM_TIMER, 0x0401, WM_TIMER, 0x0401, WM_CLOSE,
                               WM_DESTROY};
    EXPECT_EQ(LoggedMessages(), expected);
    EXPECT_EQ(headless::NowMs(), 3000);
}

}  // namespace
