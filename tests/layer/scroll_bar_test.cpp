// Scroll bars: ranges with a page of 10, greyed bars, showing and hiding with
// the client area following, and which user requests become messages.
#include "tests/layer/layer_fixture.h"

namespace {

constexpr int kBar = headless::kScrollBarThickness;

SCROLLINFO Info(int nMax, int nPos, UINT mask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.nMin = 0;
    info.nMax = nMax;
    info.nPage = 10;
    info.nPos = nPos;
    return info;
}

class ScrollBarTest : public LayerTest {
protected:
    HWND hwnd_ = nullptr;

    void SetUp() override
    {
        LayerTest::SetUp();
        hwnd_ = CreateTestWindow(816, 639);  // an 800 x 600 client area
        ShowWindow(hwnd_, SW_SHOW);
        Settle();
    }

    RECT Client()
    {
        RECT client;
        GetClientRect(hwnd_, &client);
        return client;
    }
};

TEST_F(ScrollBarTest, SetScrollInfoLimitsThePositionToWhatTheThumbReaches)
{
    struct Case {
        int nMax, nPos;
        int position;  // what the bar holds afterwards
        bool enabled;
    };
    const Case cases[] = {
        {200, 50, 50, true},   {200, 191, 191, true}, {200, 200, 191, true},
        {200, -5, 0, true},    {10, 5, 1, true},      {9, 3, 0, false},
        {0, 0, 0, false},      {-100, 0, 0, false},   {1, 0, 0, false},
    };
    ShowScrollBar(hwnd_, SB_BOTH, TRUE);
    for (const Case &c : cases) {
        SCROLLINFO info = Info(c.nMax, c.nPos);
        EXPECT_EQ(SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE), c.position) << c.nMax << "/" << c.nPos;
        ScrollBarView view = headless::ScrollBar(hwnd_, SB_HORZ);
        EXPECT_TRUE(view.visible) << c.nMax;
        EXPECT_EQ(view.enabled, c.enabled) << c.nMax;
        EXPECT_EQ(view.position, c.position) << c.nMax;
    }
}

TEST_F(ScrollBarTest, ABarWithoutRoomIsRemovedUnlessAskedToStayGreyed)
{
    ShowScrollBar(hwnd_, SB_VERT, TRUE);
    SCROLLINFO keep = Info(5, 0);
    SetScrollInfo(hwnd_, SB_VERT, &keep, TRUE);
    EXPECT_TRUE(headless::ScrollBar(hwnd_, SB_VERT).visible);
    EXPECT_EQ(Client().right, 800 - kBar);
    SCROLLINFO drop = Info(5, 0, SIF_RANGE | SIF_PAGE | SIF_POS);
    SetScrollInfo(hwnd_, SB_VERT, &drop, TRUE);
    EXPECT_FALSE(headless::ScrollBar(hwnd_, SB_VERT).visible);
    EXPECT_EQ(Client().right, 800);
}

TEST_F(ScrollBarTest, ShowScrollBarResizesTheClientAndSendsWmSizeBeforeReturning)
{
    struct Case {
        int bar;
        BOOL show;
        int width, height;
    };
    const Case cases[] = {
        {SB_BOTH, TRUE, 800 - kBar, 600 - kBar}, {SB_HORZ, FALSE, 800 - kBar, 600},
        {SB_VERT, FALSE, 800, 600},              {SB_HORZ, TRUE, 800, 600 - kBar},
        {SB_BOTH, FALSE, 800, 600},
    };
    RECT outerBefore;
    GetWindowRect(hwnd_, &outerBefore);
    for (const Case &c : cases) {
        Log().clear();
        ShowScrollBar(hwnd_, c.bar, c.show);
        EXPECT_EQ(Client().right, c.width);
        EXPECT_EQ(Client().bottom, c.height);
        ASSERT_EQ(LoggedMessages(), (std::vector<UINT>{WM_SIZE})) << c.bar << c.show;
        EXPECT_EQ(Log()[0].lParam, MAKELPARAM(c.width, c.height));
    }
    RECT outerAfter;
    GetWindowRect(hwnd_, &outerAfter);
    EXPECT_EQ(outerAfter.right - outerAfter.left, outerBefore.right - outerBefore.left);
    Log().clear();
    ShowScrollBar(hwnd_, SB_BOTH, FALSE);  // already hidden: no size change, no message
    EXPECT_TRUE(Log().empty());
}

TEST_F(ScrollBarTest, OnlyRequestsAUserCanMakeBecomeMessages)
{
    struct Case {
        const char *what;
        bool show;
        int nMax;
        int code, thumb;
        bool delivered;
        WPARAM wParam;
    };
    const Case cases[] = {
        {"hidden bar", false, 200, SB_LINEDOWN, 0, false, 0},
        {"greyed bar", true, 9, SB_LINEDOWN, 0, false, 0},
        {"line", true, 200, SB_LINEDOWN, 0, true, MAKEWPARAM(SB_LINEDOWN, 0)},
        {"page", true, 200, SB_PAGEUP, 0, true, MAKEWPARAM(SB_PAGEUP, 0)},
        {"thumb inside", true, 200, SB_THUMBPOSITION, 120, true, MAKEWPARAM(SB_THUMBPOSITION, 120)},
        {"thumb past end", true, 200, SB_THUMBPOSITION, 5000, true, MAKEWPARAM(SB_THUMBPOSITION, 191)},
        {"thumb track", true, 200, SB_THUMBTRACK, 195, true, MAKEWPARAM(SB_THUMBTRACK, 191)},
    };
    for (const Case &c : cases) {
        ShowScrollBar(hwnd_, SB_BOTH, c.show ? TRUE : FALSE);
        SCROLLINFO info = Info(c.nMax, 0);
        if (c.show) SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
        Log().clear();
        layer::OnScrollRequest(hwnd_, SB_VERT, c.code, c.thumb);
        std::vector<UINT> expected;
        if (c.delivered) expected.push_back(WM_VSCROLL);
        ASSERT_EQ(LoggedMessages(), expected) << c.what;
        if (c.delivered) {
            EXPECT_EQ(Log()[0].wParam, c.wParam) << c.what;
        }
    }
}

TEST_F(ScrollBarTest, TheHorizontalBarSendsWmHscroll)
{
    ShowScrollBar(hwnd_, SB_BOTH, TRUE);
    SCROLLINFO info = Info(500, 0);
    SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE);
    Log().clear();
    layer::OnScrollRequest(hwnd_, SB_HORZ, SB_PAGERIGHT, 0);
    EXPECT_EQ(LoggedMessages(), (std::vector<UINT>{WM_HSCROLL}));
}

}  // namespace
