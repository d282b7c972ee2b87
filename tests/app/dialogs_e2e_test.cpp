// The slideshow (T with its interval dialog) and the jump dialog (J) through
// the replay driver, on the virtual clock.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/app/photo_folder.h"

namespace {

TEST(SlideshowTest, FiveSecondsStepsOnTheClockUntilStopped)
{
    PhotoFolder photos;
    photos.AddNumbered(3);
    ReplaySession session(photos.Setup());
    session.Send("key T");
    session.Send("dialog 5");
    session.Send("dialog-ok");
    Snapshot started = session.Show();
    EXPECT_EQ(1, started.Int("slideshowOn"));
    EXPECT_EQ(5, started.Int("slideshowSeconds"));
    EXPECT_EQ(photos.SlideshowTitle(3, 5), started.Get("title"));
    struct Step {
        int advanceMs, current;
    };
    // Ticks at 5000, 10000 and 15000 ms; the third wraps to the first picture.
    const Step steps[] = {{4999, 0}, {1, 1}, {4999, 1}, {1, 2}, {5000, 0}};
    for (const Step &step : steps) {
        session.Send("advance " + std::to_string(step.advanceMs));
        EXPECT_EQ(step.current, session.Show().Int("current")) << step.advanceMs;
    }
    session.Send("key T");
    Snapshot stopped = session.Show();
    EXPECT_EQ(0, stopped.Int("slideshowOn"));
    EXPECT_EQ(photos.Title(3), stopped.Get("title"));
    session.Send("advance 20000");
    EXPECT_EQ(0, session.Show().Int("current"));
    EXPECT_EQ(0, session.Finish().exitCode);
}

// Every way of leaving the interval dialog without a number starts nothing
// and reloads nothing (a changed file is not picked up).
TEST(SlideshowTest, NoIntervalStartsNothing)
{
    const std::vector<std::string> endings[] = {
        {"dialog 7", "dialog-cancel"}, {"dialog 7", "dialog-esc"}, {"dialog-ok"},
        {"dialog 0", "dialog-ok"},     {"dialog abc", "dialog-ok"}, {"dialog -5", "dialog-ok"},
        {"dialog 000", "dialog-ok"},
    };
    for (const std::vector<std::string> &ending : endings) {
        SCOPED_TRACE(ending[0]);
        PhotoFolder photos;
        photos.AddPhoto("a.jpg", 100, 100);
        ReplaySession session(photos.Setup());
        ASSERT_EQ("100 100", session.Show().Get("image"));
        photos.AddPhoto("a.jpg", 60, 40);
        session.Send("key T");
        for (const std::string &line : ending)
            session.Send(line);
        session.Send("advance 10000");
        Snapshot after = session.Show();
        EXPECT_EQ(0, after.Int("slideshowOn"));
        EXPECT_EQ(0, after.Int("slideshowSeconds"));
        EXPECT_EQ("100 100", after.Get("image"));
        EXPECT_EQ(photos.Title(1), after.Get("title"));
    }
}

// The ends of the interval's range: 1 second, and 999 (a fourth character is
// refused), each stepping exactly on its tick.
TEST(SlideshowTest, IntervalsAtTheEndsOfTheRange)
{
    struct Case {
        const char *typed;
        int seconds;
    };
    for (const Case &c : {Case{"1", 1}, Case{"9995", 999}}) {
        PhotoFolder photos;
        photos.AddNumbered(2);
        const std::string beforeTick = "advance " + std::to_string(c.seconds * 1000 - 1);
        ReplayRun run = RunReplay(photos.Setup(), Lines({"key T", std::string("dialog ") + c.typed, "dialog-ok",
                                                         "show", beforeTick, "show", "advance 1", "show"}));
        ASSERT_EQ(3u, run.shows.size()) << run.errors;
        EXPECT_EQ(c.seconds, run.shows[0].Int("slideshowSeconds")) << c.typed;
        EXPECT_EQ(0, run.shows[1].Int("current")) << c.typed;
        EXPECT_EQ(1, run.shows[2].Int("current")) << c.typed;
    }
}

TEST(JumpTest, EnteredNumberPicksThePicture)
{
    struct Case {
        std::vector<std::string> dialog;
        int jumpTarget, current;
    };
    const Case cases[] = {
        {{"dialog 1", "dialog-ok"}, 1, 0},
        {{"dialog 12", "dialog-ok"}, 12, 11},
        {{"dialog 7", "dialog-ok"}, 7, 6},
        {{"dialog 999", "dialog-ok"}, 999, 11},  // past the end: the last
        {{"dialog 0", "dialog-ok"}, 0, 0},        // below 1: the first
        {{"dialog-ok"}, 0, 0},                    // empty entry
        {{"dialog x9", "dialog-ok"}, 0, 0},       // not beginning with a digit
        {{"dialog 7", "dialog-cancel"}, 1, 0},    // cancelled: the first
        {{"dialog 7", "dialog-esc"}, 1, 0},
        {{"dialog 0012", "dialog-ok"}, 1, 0},     // the fourth character is refused
        {{"dialog 12", "dialog 3", "dialog 4", "dialog-ok"}, 123, 11},  // typed apart
    };
    PhotoFolder photos;
    photos.AddNumbered(12);
    for (const Case &c : cases) {
        std::string script = "key Space\nkey Space\nkey Space\nkey J\n";
        for (const std::string &line : c.dialog)
            script += line + "\n";
        ReplayRun run = RunReplay(photos.Setup(), script + "show");
        ASSERT_EQ(1u, run.shows.size()) << script << run.errors;
        EXPECT_EQ(c.jumpTarget, run.shows[0].Int("jumpTarget")) << script;
        EXPECT_EQ(c.current, run.shows[0].Int("current")) << script;
    }
}

// The slideshow goes on while the jump dialog is open; the jump still wins.
TEST(JumpTest, SlideshowStepsWhileTheDialogIsOpen)
{
    PhotoFolder photos;
    photos.AddNumbered(12);
    ReplaySession session(photos.Setup());
    for (const char *line : {"key T", "dialog 5", "dialog-ok", "key J", "advance 5000"})
        session.Send(line);
    Snapshot during = session.Show();
    EXPECT_EQ(1, during.Int("current"));
    EXPECT_EQ(u8" p02.jpg (2/12) ", during.texts.at(1).text.substr(0, 16));
    session.Send("advance 5000");
    EXPECT_EQ(2, session.Show().Int("current"));
    session.Send("dialog 9");
    session.Send("dialog-ok");
    Snapshot after = session.Show();
    EXPECT_EQ(8, after.Int("current"));
    EXPECT_EQ(1, after.Int("slideshowOn"));
    EXPECT_EQ(0, session.Finish().exitCode);
}

}  // namespace
