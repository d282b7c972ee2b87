// Scrolling the actual-size view through the replay driver: lines, pages and
// the thumb within the range, and pixels that follow while the strip stays.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/client_pixels.h"
#include "tests/app/photo_folder.h"

namespace {

// A 1000 x 800 picture at actual size in an 800 x 600 client area with both
// bars: a 783 x 558 view, ranges 0..217 across and 0..242 down.
constexpr int kTopX = 217, kTopY = 242;

struct ScrollCase {
    std::vector<std::string> requests;
    int scrollX, scrollY;
};

class ScrollTest : public testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollTest, RequestsMoveWithinTheRange)
{
    const ScrollCase &c = GetParam();
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 1000, 800);
    std::string script = "key Shift\n";
    for (const std::string &request : c.requests)
        script += request + "\n";
    ReplayRun run = RunReplay(photos.Setup(), script + "show");
    ASSERT_EQ(1u, run.shows.size()) << run.errors;
    const Snapshot &s = run.shows[0];
    EXPECT_EQ(c.scrollX, s.Int("scrollX"));
    EXPECT_EQ(c.scrollY, s.Int("scrollY"));
    // The bars follow at the paint.
    EXPECT_EQ(std::vector<int>({0, kTopX, 10, c.scrollX}), s.Ints("hScrollInfo"));
    EXPECT_EQ(std::vector<int>({0, kTopY, 10, c.scrollY}), s.Ints("vScrollInfo"));
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ScrollTest,
    testing::Values(
        ScrollCase{{"hscroll SB_LINERIGHT"}, 10, 0},
        ScrollCase{{"vscroll SB_LINEDOWN", "vscroll SB_LINEDOWN"}, 0, 20},
        ScrollCase{{"hscroll SB_PAGERIGHT"}, 60, 0},
        ScrollCase{{"vscroll SB_PAGEDOWN", "vscroll SB_PAGEUP", "vscroll SB_LINEDOWN"}, 0, 10},
        // Nothing goes below 0.
        ScrollCase{{"hscroll SB_LINELEFT", "vscroll SB_PAGEUP"}, 0, 0},
        ScrollCase{{"hscroll SB_PAGERIGHT", "hscroll SB_LINELEFT", "hscroll SB_PAGELEFT"}, 0, 0},
        // The thumb on release; tracking alone moves nothing.
        ScrollCase{{"hscroll SB_THUMBTRACK 150"}, 0, 0},
        ScrollCase{{"hscroll SB_THUMBPOSITION 120", "vscroll SB_THUMBPOSITION 40"}, 120, 40},
        // The thumb reaches top - 9; lines and pages reach the top exactly.
        ScrollCase{{"hscroll SB_THUMBPOSITION 208"}, 208, 0},
        ScrollCase{{"hscroll SB_THUMBPOSITION 208", "hscroll SB_LINERIGHT"}, kTopX, 0},
        ScrollCase{{"vscroll SB_PAGEDOWN", "vscroll SB_PAGEDOWN", "vscroll SB_PAGEDOWN",
                    "vscroll SB_PAGEDOWN", "vscroll SB_PAGEDOWN"},
                   0, kTopY},
        ScrollCase{{"hscroll SB_TOP", "hscroll SB_BOTTOM", "hscroll SB_ENDSCROLL"}, 0, 0}));

// The picture's quadrant edges (x 500, y 400 of the picture) move on screen
// by the scroll position; the status strip's pixels do not move at all.
TEST(ScrollPixelsTest, PictureMovesAndStripStays)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 1000, 800);
    std::string before = photos.Join("before.png"), after = photos.Join("after.png");
    ReplayRun run = RunReplay(
        photos.Setup(), Lines({"key Shift", "png " + before, "hscroll SB_PAGERIGHT",
                               "hscroll SB_LINERIGHT", "vscroll SB_THUMBPOSITION 100",
                               "show", "png " + after}));
    ASSERT_EQ(1u, run.shows.size()) << run.errors;
    ASSERT_EQ(70, run.shows[0].Int("scrollX"));
    ASSERT_EQ(100, run.shows[0].Int("scrollY"));
    ClientPixels first(before), second(after);
    ASSERT_EQ(783, first.Width());
    ASSERT_EQ(783, second.Width());
    struct Check {
        const ClientPixels &pixels;
        int x, y;
        uint32_t colour;
    };
    const Check checks[] = {
        {first, 497, 200, kRed},   {first, 503, 200, kGreen},
        {first, 497, 397, kRed},   {first, 497, 403, kBlue},
        {second, 427, 200, kRed},  {second, 433, 200, kGreen},  // 500 - 70
        {second, 427, 297, kRed},  {second, 427, 303, kBlue},   // 400 - 100
        {second, 700, 500, kWhite},
        // Where the strip would have moved to had it been scrolled with the view.
        {second, 100, 460, kBlue},   {second, 100, 480, kBlue},   {second, 700, 470, kWhite},
    };
    for (const Check &check : checks)
        EXPECT_TRUE(NearColour(check.colour, check.pixels.At(check.x, check.y), 24))
            << check.x << "," << check.y;
    // The strip (the 25 rows below the 558-row view) is the same before and after.
    int differing = 0;
    for (int y = 558; y < 583; ++y)
        for (int x = 0; x < 783; ++x)
            differing += first.At(x, y) != second.At(x, y);
    EXPECT_EQ(0, differing);
    // And it holds its texts: some pixels are not black.
    int lit = 0;
    for (int x = 0; x < 783; ++x)
        lit += second.At(x, 572) != kBlack;
    EXPECT_GT(lit, 0);
}

// No range on an axis (a picture no larger than the view): requests on it do
// nothing, and a picture smaller than the view sits at the top-left corner.
TEST(ScrollPixelsTest, SmallPictureHasNothingToScroll)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 300, 200);
    std::string png = photos.Join("small.png");
    ReplayRun run = RunReplay(photos.Setup(), Lines({"key Shift", "hscroll SB_PAGERIGHT",
                                                     "vscroll SB_LINEDOWN", "show",
                                                     "png " + png}));
    ASSERT_EQ(1u, run.shows.size()) << run.errors;
    EXPECT_EQ(0, run.shows[0].Int("scrollX"));
    EXPECT_EQ(0, run.shows[0].Int("scrollY"));
    EXPECT_EQ(std::vector<int>({0, 300 - 783, 10, 0}), run.shows[0].Ints("hScrollInfo"));
    ClientPixels pixels(png);
    EXPECT_TRUE(NearColour(kRed, pixels.At(3, 3), 24));
    EXPECT_TRUE(NearColour(kWhite, pixels.At(296, 196), 24));
    EXPECT_EQ(kBlack, pixels.At(305, 100));
    EXPECT_EQ(kBlack, pixels.At(100, 205));
}

}  // namespace

namespace {

// A scroll position left from a larger picture: kept in the state, and used
// for the next picture only as far as that picture's range allows.
TEST(ScrollPixelsTest, PositionLeftFromAnEarlierPicture)
{
    struct Case {
        int width, height;   // the second picture
        int thumb;           // where the first was scrolled to
        int shownAt;         // the second picture's left edge on screen
        int hPos;
    };
    const Case cases[] = {
        {300, 200, 60, 0, 0},    // no range: at the corner, position kept
        {788, 200, 3, -3, 3},    // five pixels wider: the kept 3 still shifts it
        {788, 200, 60, -5, 5},   // lowered to the top of the new range
    };
    for (const Case &c : cases) {
        PhotoFolder photos;
        photos.AddPhoto("a.jpg", 1000, 800);
        photos.AddPhoto("b.jpg", c.width, c.height);
        std::string png = photos.Join("second.png");
        ReplayRun run = RunReplay(
            photos.Setup(), Lines({"key Shift", "hscroll SB_THUMBPOSITION " + std::to_string(c.thumb),
                                   "key Space", "show", "png " + png}));
        ASSERT_EQ(1u, run.shows.size()) << run.errors;
        SCOPED_TRACE(c.width);
        EXPECT_EQ(c.hPos, run.shows[0].Ints("hScrollInfo").at(3));
        EXPECT_EQ(c.hPos == 0 ? c.thumb : c.hPos, run.shows[0].Int("scrollX"));
        ClientPixels pixels(png);
        int middle = c.shownAt + c.width / 2;  // the red-green edge of the picture
        EXPECT_TRUE(NearColour(kRed, pixels.At(middle - 3, 50), 24));
        EXPECT_TRUE(NearColour(kGreen, pixels.At(middle + 3, 50), 24));
    }
}

}  // namespace
