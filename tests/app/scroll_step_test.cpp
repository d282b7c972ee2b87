// How far one scroll request moves the picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/scroll.h"

namespace {

struct StepCase {
    const char *label;
    int request, thumb, position, top;
    int step;  // after limiting
};

// Printed by name: the default printer would read the struct's padding bytes.
void PrintTo(const StepCase &c, std::ostream *out) { *out << c.label; }

class ScrollStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(ScrollStepTest, StepIsLimitedToTheRange)
{
    const StepCase &c = GetParam();
    int from = ShownScrollPosition(c.position, c.top);
    EXPECT_EQ(c.step, LimitScrollStep(RequestedScrollStep(c.request, c.thumb, from), from, c.top));
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ScrollStepTest,
    testing::Values(StepCase{"line_forward", SB_LINEDOWN, 0, 100, 200, 10},
                    StepCase{"line_back", SB_LINEUP, 0, 100, 200, -10},
                    StepCase{"page_forward", SB_PAGEDOWN, 0, 100, 200, 60},
                    StepCase{"page_back", SB_PAGEUP, 0, 100, 200, -60},
                    StepCase{"line_stops_at_top", SB_LINERIGHT, 0, 195, 200, 5},
                    StepCase{"page_stops_at_zero", SB_PAGELEFT, 0, 30, 200, -30},
                    StepCase{"nothing_below_zero", SB_LINELEFT, 0, 0, 200, 0},
                    StepCase{"thumb_released", SB_THUMBPOSITION, 120, 40, 200, 80},
                    StepCase{"thumb_at_its_far_end", SB_THUMBPOSITION, 191, 100, 200, 91},
                    StepCase{"thumb_tracking_moves_nothing", SB_THUMBTRACK, 150, 40, 200, 0},
                    StepCase{"top_request", SB_TOP, 0, 40, 200, 0},
                    StepCase{"bottom_request", SB_BOTTOM, 0, 40, 200, 0},
                    StepCase{"end_scroll", SB_ENDSCROLL, 0, 40, 200, 0},
                    StepCase{"no_range", SB_PAGEDOWN, 0, 0, 0, 0},
                    StepCase{"negative_range", SB_LINEDOWN, 0, 0, -300, 0},
                    // A position kept from a larger picture where there is no
                    // range now: the picture is shown at 0 and nothing moves.
                    StepCase{"kept_position_without_range", SB_LINEUP, 0, 90, -10, 0},
                    // A position past the top (not yet lowered by a paint) is
                    // measured from where the picture is shown: the top.
                    StepCase{"position_past_top", SB_LINEUP, 0, 260, 200, -10},
                    StepCase{"position_past_top_forward", SB_LINEDOWN, 0, 260, 200, 0}),
    [](const testing::TestParamInfo<StepCase> &info) { return std::string(info.param.label); });

// Several requests before a paint are each measured from the live position,
// so they add up and never carry the picture outside 0..top.
TEST(ScrollBurstTest, RequestsBeforeAPaintStayInRange)
{
    struct Burst {
        int start, top;
        std::vector<int> requests;
        int end;
    };
    const Burst bursts[] = {
        {30, 200, {SB_PAGEUP, SB_PAGEUP}, 0},
        {180, 200, {SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN}, 200},
        {100, 200, {SB_PAGEDOWN, SB_LINEUP, SB_PAGEDOWN}, 200},
        {100, 200, {SB_LINEDOWN, SB_LINEDOWN}, 120},
    };
    for (const Burst &b : bursts) {
        int position = b.start;
        for (int request : b.requests) {
            int from = ShownScrollPosition(position, b.top);
            position = from + LimitScrollStep(RequestedScrollStep(request, 0, from), from, b.top);
            EXPECT_GE(position, 0);
            EXPECT_LE(position, b.top);
        }
        EXPECT_EQ(b.end, position) << "from " << b.start;
    }
}

}  // namespace
