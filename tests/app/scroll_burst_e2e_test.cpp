// Several scroll requests that arrive before the paint between them, and
// what one request leaves to repaint, on the headless host in this process
// (the replay driver always paints between two script lines).
#include <gtest/gtest.h>

#include <vector>

#include "app/viewer_state.h"
#include "platform/hosts/headless/headless.h"
#include "tests/app/in_process_viewer.h"

namespace {

// The viewer on a 1000 x 800 picture, switched to actual size: ranges 0..217
// across and 0..242 down in an 800 x 600 client area with both bars.
class ScrollBurstViewer : public InProcessViewer {
protected:
    void SetUp() override
    {
        StartViewer(1000, 800);
        SendMessageA(hwnd_, WM_KEYDOWN, VK_SHIFT, 0);
        headless::PumpUntilIdle();
        ASSERT_EQ(217, g_viewer.hScrollInfo.nMax);
        ASSERT_EQ(242, g_viewer.vScrollInfo.nMax);
    }

    void Request(UINT message, int code, int thumb = 0)
    {
        SendMessageA(hwnd_, message, MAKEWPARAM(code, thumb), 0);
    }

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

// One request leaves only the band it uncovers to repaint, and never the
// strip below the 783 x 558 view.
TEST_F(ScrollBurstViewer, OnlyTheUncoveredBandIsRepainted)
{
    struct Case {
        UINT message;
        int code;
        std::vector<LONG> band;  // left, top, right, bottom
    };
    const Case cases[] = {
        {WM_VSCROLL, SB_LINEDOWN, {0, 548, 783, 558}},
        {WM_VSCROLL, SB_LINEUP, {0, 0, 783, 10}},
        {WM_HSCROLL, SB_PAGERIGHT, {723, 0, 783, 558}},
        {WM_HSCROLL, SB_PAGELEFT, {0, 0, 60, 558}},
    };
    for (const Case &c : cases) {
        Request(c.message, c.code);
        PAINTSTRUCT paint;  // the test takes the paint: rcPaint bounds what is invalid
        BeginPaint(hwnd_, &paint);
        EndPaint(hwnd_, &paint);
        const RECT &r = paint.rcPaint;
        EXPECT_EQ(c.band, std::vector<LONG>({r.left, r.top, r.right, r.bottom})) << c.code;
    }
}

}  // namespace
