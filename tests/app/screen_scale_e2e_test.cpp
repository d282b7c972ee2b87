// The viewer on a scaled screen (the replay driver's --scale, and its
// `scale` command for a window that lands on a monitor of another scale):
// the window, the status strip and its text, the fit decode and the scroll
// steps follow the window's DPI; the picture gets every device pixel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/client_pixels.h"
#include "tests/app/photo_folder.h"

namespace {

// The height of the strip's lettering: the rows under the picture area that
// hold any pixel that is not black.
int TextInkHeight(const ClientPixels &pixels, int viewHeight)
{
    int top = -1, bottom = -1;
    for (int y = viewHeight; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if (pixels.At(x, y) != kBlack) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

struct ScaleCase {
    const char *name;
    std::vector<std::string> options;  // beside the folder
    std::string script;                // before `show`
    std::vector<int> window;           // x y width height
    std::vector<int> client;
    int strip;                         // client height - view height
    int denominator, percent;          // of a 6000 x 4000 file in the fit view
};

// The screen of 1920 x 1080 at scale 2 is 3840 x 2160 device pixels; the
// frame (8, 31, 8, 8) and the bars (17) are twice as thick.
const ScaleCase kScaleCases[] = {
    {"96 DPI", {}, "", {560, 240, 800, 600}, {784, 561}, 25, 4, 13},
    {"scale 2", {"--scale", "2"}, "", {1120, 480, 1600, 1200}, {1568, 1122}, 50, 2, 26},
    // A window moved to a 2x monitor of a 1x desktop, and back: it takes the
    // suggested rectangle, and its strip font is made for its own DPI.
    {"to scale 2", {}, "scale 2", {560, 240, 1600, 1200}, {1568, 1122}, 50, 2, 26},
    {"back to 1", {"--scale", "2"}, "scale 1", {1120, 480, 800, 600}, {784, 561}, 25, 4, 13},
};

TEST(ScreenScaleTest, WindowStripTextAndFitDecodeFollowTheDpi)
{
    PhotoFolder photos;
    photos.AddPhoto("big.jpg", 6000, 4000);
    int inkAt96 = 0;
    for (const ScaleCase &c : kScaleCases) {
        SCOPED_TRACE(c.name);
        ReplaySetup setup;
        setup.options = c.options;
        setup.arguments = {photos.Path()};
        std::string png = photos.Join("shot.png");
        ReplayRun run = RunReplay(setup, Lines({c.script, "show", "png " + png}));
        ASSERT_EQ(1u, run.shows.size()) << run.errors;
        const Snapshot &s = run.shows[0];
        EXPECT_EQ(c.window, s.Ints("window"));
        EXPECT_EQ(c.client, s.Ints("client"));
        EXPECT_EQ(c.strip, c.client[1] - s.Int("viewHeight"));
        EXPECT_EQ(c.denominator, s.Int("decodeDenominator"));
        ASSERT_EQ(2u, s.texts.size());
        EXPECT_EQ(" big.jpg (1/1) " + std::to_string(c.percent) + "% ", s.texts[1].text);
        ClientPixels pixels(png);
        ASSERT_EQ(c.client[0], pixels.Width());
        int ink = TextInkHeight(pixels, s.Int("viewHeight"));
        if (inkAt96 == 0) inkAt96 = ink;
        // The lettering is twice as tall at twice the DPI (hinting may round).
        int expected = inkAt96 * c.strip / 25;
        EXPECT_NEAR(expected, ink, 2) << "ink " << ink << " at 96 DPI " << inkAt96;
    }
}

// Actual size at scale 2: one file pixel per device pixel, the ranges in
// device pixels, and lines of 20 and pages of 120 device pixels.
TEST(ScreenScaleTest, ActualSizeRangesAndStepsInDevicePixels)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 2000, 1500);
    ReplaySetup setup;
    setup.options = {"--scale", "2"};
    setup.arguments = {photos.Path()};
    ReplayRun run = RunReplay(setup, Lines({"key Shift", "show", "vscroll SB_LINEDOWN",
                                            "hscroll SB_PAGERIGHT", "show"}));
    ASSERT_EQ(2u, run.shows.size()) << run.errors;
    const Snapshot &s = run.shows[0];
    // 1568 x 1122 less the two bars of 34 and the strip of 50.
    EXPECT_EQ(std::vector<int>({2000, 1500}), s.Ints("image"));
    EXPECT_EQ(std::vector<int>({0, 2000 - 1534, 10, 0}), s.Ints("hScrollInfo"));
    EXPECT_EQ(std::vector<int>({0, 1500 - 1038, 10, 0}), s.Ints("vScrollInfo"));
    EXPECT_EQ(20, run.shows[1].Int("scrollY"));
    EXPECT_EQ(120, run.shows[1].Int("scrollX"));
}

}  // namespace
