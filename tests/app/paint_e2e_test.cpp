// Reload and painting through the replay driver: the fitted picture in the
// state and in the pixels, the titles, the status lines, files that cannot
// be decoded or opened, reloads and a minimised client area.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "tests/app/client_pixels.h"
#include "tests/app/photo_folder.h"

namespace {

struct PixelCheck {
    int x, y;
    uint32_t colour;
};

void ExpectPixels(const ClientPixels &pixels, const std::vector<PixelCheck> &checks)
{
    for (const PixelCheck &check : checks)
        EXPECT_TRUE(NearColour(check.colour, pixels.At(check.x, check.y), 24))
            << "at " << check.x << "," << check.y << std::hex << " want " << check.colour
            << " got " << pixels.At(check.x, check.y);
}

// The fit view's arithmetic, in the state and where the picture lands.
TEST(FitPaintTest, PictureIsScaledAndCentred)
{
    struct Case {
        int fileWidth, fileHeight;
        std::vector<int> image;
        int denominator, scale, percent;
        int x, y, width, height;  // where the picture is drawn
    };
    const Case cases[] = {
        {100, 100, {100, 100}, 1, 57500, 575, 112, 0, 575, 575},
        {4000, 3000, {2000, 1500}, 2, 3833, 19, 17, 0, 766, 574},
        {800, 575, {800, 575}, 1, 10000, 100, 0, 0, 800, 575},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.fileWidth << "x" << c.fileHeight);
        PhotoFolder photos;
        photos.AddPhoto("a.jpg", c.fileWidth, c.fileHeight);
        std::string png = photos.Join("shot.png");
        ReplayRun run = RunReplay(photos.Setup(), Lines({"show", "png " + png}));
        ASSERT_EQ(1u, run.shows.size()) << run.errors;
        const Snapshot &s = run.shows[0];
        EXPECT_EQ(std::vector<int>({800, 600}), s.Ints("client"));
        EXPECT_EQ(800, s.Int("viewWidth"));
        EXPECT_EQ(575, s.Int("viewHeight"));
        EXPECT_EQ(c.image, s.Ints("image"));
        EXPECT_EQ(c.denominator, s.Int("decodeDenominator"));
        EXPECT_EQ(c.scale, s.Int("fitScale"));
        ASSERT_EQ(2u, s.texts.size());
        EXPECT_EQ(" a.jpg (1/1) " + std::to_string(c.percent) + "% ", s.texts[1].text);

        ClientPixels pixels(png);
        ASSERT_EQ(800, pixels.Width());
        int right = c.x + c.width - 1, bottom = c.y + c.height - 1;
        ExpectPixels(pixels, {{c.x + 2, c.y + 2, kRed},
                              {right - 2, c.y + 2, kGreen},
                              {c.x + 2, bottom - 2, kBlue},
                              {right - 2, bottom - 2, kWhite},
                              {400, 580, kBlack}});  // the strip between the texts
        if (c.x > 0)
            ExpectPixels(pixels, {{c.x - 2, 287, kBlack}, {right + 2, 287, kBlack}});
        ExpectPixels(pixels, {{c.x + c.width / 4, 576, kBlack}});  // never into the strip
    }
}

// Reduction averages: one-pixel stripes drawn at 4/5 of their size come out
// as greys, where picking the nearest pixel would keep them black and white.
TEST(FitPaintTest, ReductionAveragesFineStripes)
{
    RawPicture stripes = MakePicture(1000, 700, 1);
    for (int y = 0; y < stripes.height; ++y)
        for (int x = 0; x < stripes.width; ++x)
            *stripes.At(x, y) = x % 2 == 0 ? 0 : 255;
    JpegOptions exact;
    exact.quality = 100;
    std::vector<uint8_t> bytes = EncodeJpeg(stripes, exact);
    PhotoFolder photos;
    photos.AddBytes("a.jpg", std::string(bytes.begin(), bytes.end()));
    std::string png = photos.Join("shot.png");
    ReplayRun run = RunReplay(photos.Setup(), Lines({"show", "png " + png}));
    ASSERT_EQ(1u, run.shows.size()) << run.errors;
    ASSERT_EQ(1, run.shows[0].Int("decodeDenominator"));  // reduced by the drawing alone
    ASSERT_EQ(8000, run.shows[0].Int("fitScale"));        // 800 x 560 at (0, 7)
    ClientPixels pixels(png);
    ASSERT_EQ(800, pixels.Width());
    int extremes = 0;
    for (int x = 0; x < 800; ++x) {
        int grey = pixels.At(x, 287) & 0xFF;
        if (grey < 30 || grey > 225) ++extremes;
    }
    EXPECT_EQ(0, extremes) << "pixels of row 287 still black or white";
}

// Where no picture belongs the client stays black: the strip under an
// actual-size picture, the text cells behind the glyphs, and all of a view
// lower than the strip (its fitted size is negative).
TEST(FitPaintTest, StripTextCellsAndNegativeViewsStayBlack)
{
    struct Case {
        std::string script;
        std::vector<PixelCheck> black;
    };
    const Case cases[] = {
        // 783 x 583 client: the picture's blue quadrant lies under the strip.
        {"key Shift",
         {{300, 570, kBlack}, {300, 580, kBlack}, {1, 575, kBlack}, {1, 580, kBlack}}},
        // The name line's leading space, on the left edge of its cell.
        {"", {{1, 590, kBlack}, {1, 597, kBlack}}},
        // 800 x 10: a view of 800 x -15; the top row crosses the key hint's
        // glyphs, and between them its cell is black.
        {"resize 800 10",
         {{375, 0, kBlack}, {390, 0, kBlack}, {430, 0, kBlack}, {470, 0, kBlack},
          {515, 0, kBlack}, {600, 0, kBlack}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.script);
        PhotoFolder photos;
        photos.AddPhoto("a.jpg", 1000, 800);
        std::string png = photos.Join("shot.png");
        ReplayRun run = RunReplay(photos.Setup(), c.script + "\npng " + png + "\n");
        ClientPixels pixels(png);
        ASSERT_LT(0, pixels.Width()) << run.errors;
        ExpectPixels(pixels, c.black);
    }
}

TEST(TitleTest, TitleNamesCountFolderAndSlideshow)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 40, 30);
    photos.AddPhoto("b.jpg", 40, 30);
    photos.AddPhoto("c.jpg", 40, 30);
    ReplayRun run = RunReplay(photos.Setup(), Lines({"show", "key T", "dialog 5", "dialog-ok",
                                                     "show", "key T", "show"}));
    ASSERT_EQ(3u, run.shows.size()) << run.errors;
    EXPECT_EQ(photos.Title(3), run.shows[0].Get("title"));
    EXPECT_EQ(photos.SlideshowTitle(3, 5), run.shows[1].Get("title"));
    EXPECT_EQ(photos.Title(3), run.shows[2].Get("title"));
}

// The three status lines: hint on the right in white, name line on the left.
TEST(StatusLineTest, EachViewHasItsLineAndColour)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 100, 100);
    photos.AddBytes("b.jpg", "\xFF\xD8\xFF\xE0 this is not a whole JPEG file");
    struct Case {
        std::string script;
        std::string hint, line, colour;
        std::string image;
    };
    const Case cases[] = {
        {"", kFitHint, " a.jpg (1/2) 575% ", "0x00FF00", "100 100"},
        {"key Shift", kActualHint, " a.jpg (1/2) ", "0x00FFFF", "100 100"},
        {"key Space", kNoImageHint, u8" b.jpg (2/2) 開けません", "0xFF00FF", "none"},
        {"key Shift\nkey Space", kNoImageHint, u8" b.jpg (2/2) 開けません", "0xFF00FF", "none"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.script);
        ReplayRun run = RunReplay(photos.Setup(), c.script + "\nshow");
        ASSERT_EQ(1u, run.shows.size()) << run.errors;
        const Snapshot &s = run.shows[0];
        EXPECT_EQ(c.image, s.Get("image"));
        EXPECT_EQ(1, s.Int("imageReady"));
        ASSERT_EQ(2u, s.texts.size());
        EXPECT_EQ("0xFFFFFF", s.texts[0].colour);
        EXPECT_EQ("right", s.texts[0].alignment);
        EXPECT_EQ(c.hint, s.texts[0].text);
        EXPECT_EQ(c.colour, s.texts[1].colour);
        EXPECT_EQ("left", s.texts[1].alignment);
        EXPECT_EQ(c.line, s.texts[1].text);
    }
}

// A damaged file is no stop: the next command moves on normally.
TEST(StatusLineTest, DamagedFileThenNextFile)
{
    PhotoFolder photos;
    photos.AddBytes("a.jpg", std::string(300, 'x'));
    photos.AddPhoto("b.jpg", 64, 48);
    ReplayRun run = RunReplay(photos.Setup(), Lines({"show", "key Space", "show"}));
    ASSERT_EQ(2u, run.shows.size()) << run.errors;
    EXPECT_EQ("none", run.shows[0].Get("image"));
    EXPECT_EQ("0xFF00FF", run.shows[0].texts.at(1).colour);
    EXPECT_EQ("64 48", run.shows[1].Get("image"));
    EXPECT_EQ(" b.jpg (2/2) 1197% ", run.shows[1].texts.at(1).text);
}

// A file that cannot be opened shows as one that cannot be decoded: its own
// name with the "cannot open" text, never the previous picture under it.
// Three ways to fail the open: a path longer than 259 bytes, a dangling link,
// and a file gone since the listing. The first file failing leaves no black
// window with an empty strip, and no loop of paints and reloads.
TEST(ReloadTest, FileThatCannotBeOpenedShowsItsOwnName)
{
    PhotoFolder photos;
    std::string longName = std::string(250, 'a') + ".jpg";
    ASSERT_GT(photos.Path().size() + 1 + longName.size(), 259u);
    photos.AddPhoto(longName, 30, 20);
    photos.AddPhoto("b.jpg", 64, 48);
    ASSERT_EQ(0, symlink(photos.Join("gone.jpg").c_str(), photos.Join("c.jpg").c_str()));
    photos.AddPhoto("d.jpg", 30, 20);
    ReplaySession session(photos.Setup());
    auto expectCannotOpen = [](const Snapshot &shown, const std::string &name, int number) {
        EXPECT_EQ(1, shown.Int("imageReady")) << name;
        EXPECT_EQ("none", shown.Get("image")) << name;
        ASSERT_EQ(2u, shown.texts.size()) << name;
        EXPECT_EQ(" " + name + " (" + std::to_string(number) + u8"/4) 開けません", shown.texts.at(1).text);
    };
    expectCannotOpen(session.Show(), longName, 1);
    session.Send("key Space");
    EXPECT_EQ("64 48", session.Show().Get("image"));
    session.Send("key Space");
    expectCannotOpen(session.Show(), "c.jpg", 3);
    photos.Remove("d.jpg");
    session.Send("key Space");
    expectCannotOpen(session.Show(), "d.jpg", 4);
    session.Send("key Space");
    session.Send("key Space");
    EXPECT_EQ(" b.jpg (2/4) 1197% ", session.Show().texts.at(1).text);
    EXPECT_EQ(0, session.Finish().exitCode);
}

// A reload erases the whole client area: a wide picture's pixels do not stay
// in the margins of the tall one after it.
TEST(ReloadTest, NextPictureOfAnotherShapeLeavesNoTrace)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 800, 200);  // 800 x 200 at (0, 187)
    photos.AddPhoto("b.jpg", 200, 800);  // 143 x 574 at (328, 0)
    std::string wide = photos.Join("wide.png"), tall = photos.Join("tall.png");
    ReplayRun run = RunReplay(photos.Setup(), Lines({"png " + wide, "key Space", "png " + tall}));
    ClientPixels before(wide), after(tall);
    ASSERT_EQ(800, after.Width()) << run.errors;
    ExpectPixels(before, {{100, 250, kRed}, {700, 350, kWhite}});
    ExpectPixels(after, {{100, 250, kBlack}, {700, 350, kBlack}, {350, 100, kRed}});
}

// The old picture is released before the new one is decoded: reloading a
// 36-megabyte picture does not raise the driver's peak memory by a second
// copy. (The address sanitizer keeps freed blocks aside: skipped there.)
TEST(ReloadTest, OnePictureAtATimeInMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "freed blocks are quarantined under the address sanitizer";
#endif
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 4000, 3000);
    ReplayRun once = RunReplay(photos.Setup(), Lines({"key Shift", "show"}));
    ReplayRun twice = RunReplay(photos.Setup(), Lines({"key Shift", "key R", "key R", "show"}));
    ASSERT_EQ(1u, twice.shows.size()) << twice.errors;
    ASSERT_EQ("4000 3000", twice.shows[0].Get("image"));
    long pictureKb = 4000L * 3000 * 3 / 1024;
    EXPECT_GT(once.peakKb, pictureKb);
    EXPECT_LT(twice.peakKb - once.peakKb, pictureKb / 2)
        << "peak " << once.peakKb << " kB after one load, " << twice.peakKb << " kB after three";
}

// Whether a command decodes the file again shows when the file changes under
// the viewer: a reload picks up the new size, no reload keeps the old one.
TEST(ReloadTest, CommandsThatReloadPickUpAChangedFile)
{
    struct Case {
        std::string command;
        bool reloads;
    };
    const Case cases[] = {
        {"key R", true},          {"resize 700 500", true}, {"key Up", false},
        {"key Down", false},      {"key Return", false},    {"key A", false},
        {"key 0x70", false},      {"key T\ndialog-cancel", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        PhotoFolder photos;
        photos.AddPhoto("a.jpg", 100, 100);
        ReplaySession session(photos.Setup());
        ASSERT_EQ("100 100", session.Show().Get("image"));
        photos.AddPhoto("a.jpg", 60, 40);
        session.Send(c.command);
        Snapshot after = session.Show();
        EXPECT_EQ(c.reloads ? "60 40" : "100 100", after.Get("image"));
        EXPECT_EQ(0, session.Finish().exitCode);
    }
}

TEST(ReloadTest, MinimisedClientAreaStillDecodesAtFullSize)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 640, 480);
    ReplayRun run = RunReplay(photos.Setup(), Lines({"resize 0 0", "show", "resize 800 600",
                                                     "show"}));
    ASSERT_EQ(2u, run.shows.size()) << run.errors;
    const Snapshot &small = run.shows[0];
    EXPECT_EQ(0, small.Int("viewWidth"));
    EXPECT_EQ(-25, small.Int("viewHeight"));
    EXPECT_EQ("640 480", small.Get("image"));
    EXPECT_EQ(1, small.Int("decodeDenominator"));
    EXPECT_EQ(1, small.Int("imageReady"));
    EXPECT_EQ(800, run.shows[1].Int("viewWidth"));
    EXPECT_EQ(575, run.shows[1].Int("viewHeight"));
    EXPECT_EQ(0, run.exitCode);
}

}  // namespace

namespace {

// Japanese folder and file names travel as code page 932 through the title,
// the status line and the path the reload opens, 0x5C second bytes included.
TEST(TitleTest, JapaneseFolderAndFileNames)
{
    PhotoFolder root;
    const std::string folder = u8"写真表";   // ends in 表: 0x95 0x5C
    const std::string name = u8"ソフト.jpg";  // ソ: 0x83 0x5C
    root.AddFolder(folder);
    root.AddPhoto(folder + "/" + name, 100, 100);
    ReplaySetup setup = root.Setup();
    setup.arguments = {root.Join(folder)};
    ReplayRun run = RunReplay(setup, "show");
    ASSERT_EQ(1u, run.shows.size()) << run.errors;
    const Snapshot &s = run.shows[0];
    EXPECT_EQ(root.Join(folder), s.Get("folder"));
    EXPECT_EQ(u8" 全1枚 ● [J] で指定番にジャンプ ● [T] で自動送り ● " + root.Join(folder),
              s.Get("title"));
    EXPECT_EQ("100 100", s.Get("image"));
    EXPECT_EQ(" " + name + " (1/1) 575% ", s.texts.at(1).text);
}

}  // namespace
