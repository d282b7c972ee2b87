// Keyboard commands through the replay driver: stepping, turning, the two
// views and reloading.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/app/client_pixels.h"
#include "tests/app/photo_folder.h"

namespace {

// Runs `keys` one by one and returns the snapshot after each.
std::vector<Snapshot> ShowAfterEach(const PhotoFolder &photos, const std::vector<std::string> &keys)
{
    std::string script;
    for (const std::string &key : keys)
        script += "key " + key + "\nshow\n";
    ReplayRun run = RunReplay(photos.Setup(), script);
    EXPECT_EQ(keys.size(), run.shows.size()) << run.errors;
    EXPECT_EQ(0, run.exitCode);
    return run.shows;
}

TEST(SteppingTest, SpaceAndBackSpaceWrapAround)
{
    struct Case {
        int count;
        std::vector<std::string> keys;
        std::vector<int> currents;
    };
    const Case cases[] = {
        {1, {"Space", "BackSpace", "Space"}, {0, 0, 0}},
        {12, {"BackSpace", "Space", "Space", "Space", "BackSpace"}, {11, 0, 1, 2, 1}},
        {12, {"Space", "Space", "Space", "Space", "Space", "Space", "Space", "Space", "Space",
              "Space", "Space", "Space"},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0}},
    };
    for (const Case &c : cases) {
        PhotoFolder photos;
        photos.AddNumbered(c.count);
        std::vector<Snapshot> shows = ShowAfterEach(photos, c.keys);
        ASSERT_EQ(c.keys.size(), shows.size());
        for (size_t i = 0; i < shows.size(); ++i) {
            EXPECT_EQ(c.currents[i], shows[i].Int("current")) << c.count << " step " << i;
            char line[64];
            std::snprintf(line, sizeof line, " p%02d.jpg (%d/%d) ", c.currents[i] + 1,
                          c.currents[i] + 1, c.count);
            EXPECT_EQ(line, shows[i].texts.at(1).text.substr(0, std::string(line).size()));
        }
    }
}

// Stepping resets the rotation; J, Shift and R keep it.
TEST(SteppingTest, WhatEachStepResets)
{
    struct Case {
        int count;
        std::vector<std::string> script;
        int current, rotation;
    };
    const Case cases[] = {
        {1, {"key Left", "key Space"}, 0, 0},
        {1, {"key Right", "key BackSpace"}, 0, 0},
        {12, {"key Left", "key Space"}, 1, 0},
        {12, {"key Left", "key J", "dialog 3", "dialog-ok"}, 2, 1},
        {12, {"key Right", "key Right", "key J", "dialog 12", "dialog-ok"}, 11, -2},
        {12, {"key Left", "key Shift"}, 0, 1},
        {12, {"key Right", "key Shift", "key Shift"}, 0, -1},
        {12, {"key Left", "key R"}, 0, 1},
    };
    for (const Case &c : cases) {
        PhotoFolder photos;
        photos.AddNumbered(c.count);
        std::string script;
        for (const std::string &line : c.script)
            script += line + "\n";
        ReplayRun run = RunReplay(photos.Setup(), script + "show");
        ASSERT_EQ(1u, run.shows.size()) << run.errors;
        EXPECT_EQ(c.current, run.shows[0].Int("current")) << script;
        EXPECT_EQ(c.rotation, run.shows[0].Int("rotation")) << script;
    }
}

TEST(RotationTest, ArrowSequencesTurnThePicture)
{
    struct Case {
        std::vector<std::string> keys;
        std::vector<int> rotations;
    };
    const Case cases[] = {
        {{"Left", "Left", "Left", "Left"}, {1, 2, 3, 0}},
        {{"Right", "Right", "Right", "Right"}, {-1, -2, -3, 0}},
        {{"Left", "Left", "Left", "Right"}, {1, 2, 3, 2}},
        {{"Right", "Right", "Right", "Left"}, {-1, -2, -3, -2}},
        {{"Right", "Left"}, {-1, 0}},
    };
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 120, 80);
    for (const Case &c : cases) {
        std::vector<Snapshot> shows = ShowAfterEach(photos, c.keys);
        ASSERT_EQ(c.keys.size(), shows.size());
        for (size_t i = 0; i < shows.size(); ++i) {
            EXPECT_EQ(c.rotations[i], shows[i].Int("rotation")) << i;
            // An odd number of quarter turns stands the picture on its side.
            bool side = c.rotations[i] % 2 != 0;
            EXPECT_EQ(side ? "80 120" : "120 80", shows[i].Get("image")) << i;
        }
    }
}

// Which corner of the picture comes to the top-left after a turn: Left is
// counter-clockwise, Right clockwise, both from the upright picture.
TEST(RotationTest, TurnsGoTheRightWayInThePixels)
{
    struct Case {
        std::string keys;
        uint32_t topLeft, bottomRight;
    };
    const Case cases[] = {
        {"", kRed, kWhite},
        {"key Left", kGreen, kBlue},             // old top-right to the top-left
        {"key Right", kBlue, kGreen},            // old bottom-left to the top-left
        {"key Left\nkey Left", kWhite, kRed},    // half turn
        {"key Right\nkey Right", kWhite, kRed},
    };
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 100, 100);
    for (const Case &c : cases) {
        std::string png = photos.Join("turn.png");
        ReplayRun run = RunReplay(photos.Setup(), c.keys + "\npng " + png + "\n");
        ClientPixels pixels(png);
        ASSERT_EQ(800, pixels.Width()) << run.errors;
        // The 575 x 575 picture at (112, 0).
        EXPECT_TRUE(NearColour(c.topLeft, pixels.At(120, 8), 24)) << c.keys;
        EXPECT_TRUE(NearColour(c.bottomRight, pixels.At(678, 566), 24)) << c.keys;
    }
}

// Shift switches views; the bars take their room from the client area.
TEST(ViewModeTest, ShiftTogglesFitAndActualSize)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 1000, 800);
    ReplayRun run = RunReplay(photos.Setup(), Lines({"show", "key Shift", "show", "key Shift",
                                                     "show"}));
    ASSERT_EQ(3u, run.shows.size()) << run.errors;
    const Snapshot &fit = run.shows[0], &actual = run.shows[1], &back = run.shows[2];
    EXPECT_EQ(1, fit.Int("fitMode"));
    EXPECT_EQ(std::vector<int>({800, 600}), fit.Ints("client"));
    EXPECT_EQ(kFitHint, fit.texts.at(0).text);
    EXPECT_EQ("0x00FF00", fit.texts.at(1).colour);

    EXPECT_EQ(0, actual.Int("fitMode"));
    EXPECT_EQ(std::vector<int>({783, 583}), actual.Ints("client"));
    EXPECT_EQ("1000 800", actual.Get("image"));  // decoded at full size
    EXPECT_EQ(1, actual.Int("decodeDenominator"));
    EXPECT_EQ(std::vector<int>({0, 1000 - 783, 10, 0}), actual.Ints("hScrollInfo"));
    EXPECT_EQ(std::vector<int>({0, 800 - 558, 10, 0}), actual.Ints("vScrollInfo"));
    EXPECT_EQ(kActualHint, actual.texts.at(0).text);
    EXPECT_EQ(" a.jpg (1/1) ", actual.texts.at(1).text);
    EXPECT_EQ("0x00FFFF", actual.texts.at(1).colour);

    EXPECT_EQ(1, back.Int("fitMode"));
    EXPECT_EQ(std::vector<int>({800, 600}), back.Ints("client"));
    EXPECT_EQ("0x00FF00", back.texts.at(1).colour);
}

// Only the turns reset the scroll position: the other commands, the
// slideshow step included, keep it (one picture: stepping shows it again).
TEST(ViewModeTest, TurningResetsScrollingOtherCommandsKeepIt)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 1000, 800);
    struct Case {
        std::string after;
        int scrollX, scrollY, rotation;
    };
    const Case cases[] = {
        {"key Shift\nkey Shift", 30, 60, 0},
        {"key Left", 0, 0, 1},
        {"key Right", 0, 0, -1},
        {"key R", 30, 60, 0},
        {"key BackSpace", 30, 60, 0},
        {"key Space", 30, 60, 0},
        {"key J\ndialog 1\ndialog-ok", 30, 60, 0},
        {"key T\ndialog 1\ndialog-ok\nadvance 1000", 30, 60, 0},
    };
    for (const Case &c : cases) {
        ReplayRun run = RunReplay(photos.Setup(),
                                  Lines({"key Shift", "hscroll SB_LINERIGHT",
                                         "hscroll SB_LINERIGHT", "hscroll SB_LINERIGHT",
                                         "vscroll SB_PAGEDOWN", c.after, "show"}));
        ASSERT_EQ(1u, run.shows.size()) << run.errors;
        EXPECT_EQ(c.scrollX, run.shows[0].Int("scrollX")) << c.after;
        EXPECT_EQ(c.scrollY, run.shows[0].Int("scrollY")) << c.after;
        EXPECT_EQ(c.rotation, run.shows[0].Int("rotation")) << c.after;
    }
}

// Holding Shift: each auto-repeated key-down is a command of its own.
TEST(ViewModeTest, RepeatedShiftTogglesEachTime)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 200, 100);
    std::vector<Snapshot> shows = ShowAfterEach(photos, {"Shift", "Shift", "Shift"});
    ASSERT_EQ(3u, shows.size());
    EXPECT_EQ(0, shows[0].Int("fitMode"));
    EXPECT_EQ(1, shows[1].Int("fitMode"));
    EXPECT_EQ(0, shows[2].Int("fitMode"));
}

}  // namespace
