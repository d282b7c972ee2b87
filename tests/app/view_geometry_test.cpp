// The fit view's scale and placement, and the actual-size scroll records.
#include <gtest/gtest.h>

#include "app/view_geometry.h"

namespace {

TEST(ViewGeometryTest, FitPlacementAndPercent)
{
    struct Case {
        int width, height, viewWidth, viewHeight, denominator;
        int scale, x, y, drawnWidth, drawnHeight, percent;
    };
    const Case cases[] = {
        // A small picture is enlarged.
        {100, 100, 800, 575, 1, 57500, 112, 0, 575, 575, 575},
        // Decoded at half size: sx 4000, sy 3833.
        {2000, 1500, 800, 575, 2, 3833, 17, 0, 766, 574, 19},
        // Exactly the view's size.
        {800, 575, 800, 575, 1, 10000, 0, 0, 800, 575, 100},
        // A tall picture is centred horizontally.
        {300, 1200, 800, 600, 1, 5000, 325, 0, 150, 600, 50},
        // A view with no height: zero scale, nothing drawn.
        {640, 480, 800, 0, 1, 0, 400, 0, 0, 0, 0},
        // Lower than the strip: negative figures, still no division by zero.
        {640, 480, 0, -25, 1, -520, 16, 0, -33, -24, -5},
        // A one-pixel picture in a wide view.
        {1, 1, 30000, 20000, 1, 200000000, 5000, 0, 20000, 20000, 2000000},
        // Width times scale is -3e9 here: it needs more than 32 bits.
        {20000, 1, 300, -15, 1, -150000, 150150, 0, -300000, -15, -1500},
    };
    for (const Case &c : cases) {
        FitPlacement fit = PlaceFitted(c.width, c.height, c.viewWidth, c.viewHeight);
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " in " << c.viewWidth
                                        << "x" << c.viewHeight);
        EXPECT_EQ(c.scale, fit.scale);
        EXPECT_EQ(c.x, fit.x);
        EXPECT_EQ(c.y, fit.y);
        EXPECT_EQ(c.drawnWidth, fit.width);
        EXPECT_EQ(c.drawnHeight, fit.height);
        EXPECT_EQ(c.percent, FitPercent(fit.scale, c.denominator));
    }
}

TEST(ViewGeometryTest, PercentWithoutADecodeFigureCountsAsFullSize)
{
    EXPECT_EQ(57, FitPercent(5750, 0));
    EXPECT_EQ(7, FitPercent(5750, 8));
}

TEST(ViewGeometryTest, ScrollRecordRangesAndClampsThePosition)
{
    struct Case {
        int imageExtent, viewExtent, position;
        int nMax, nPos, positionAfter;
    };
    const Case cases[] = {
        {1000, 800, 250, 200, 200, 200},  // lowered to the top of the range
        {800, 575, 100, 225, 100, 100},   // inside the range: kept
        {800, 575, 225, 225, 225, 225},   // exactly the top
        {300, 800, 40, -500, 0, 40},      // no range: bar at 0, position kept
        {800, 800, 7, 0, 0, 7},           // empty range
        {805, 800, 3, 5, 3, 3},           // five pixels wider: disabled bar still shifts
        {805, 800, 9, 5, 5, 5},
    };
    for (const Case &c : cases) {
        SCROLLINFO record = {};
        record.nTrackPos = 77;
        int position = c.position;
        FillScrollRecord(c.imageExtent, c.viewExtent, &position, &record);
        SCOPED_TRACE(testing::Message() << c.imageExtent << " in " << c.viewExtent);
        EXPECT_EQ(28u, record.cbSize);
        EXPECT_EQ(15u, record.fMask);
        EXPECT_EQ(0, record.nMin);
        EXPECT_EQ(c.nMax, record.nMax);
        EXPECT_EQ(10u, record.nPage);
        EXPECT_EQ(c.nPos, record.nPos);
        EXPECT_EQ(77, record.nTrackPos);  // never written
        EXPECT_EQ(c.positionAfter, position);
    }
}

}  // namespace
