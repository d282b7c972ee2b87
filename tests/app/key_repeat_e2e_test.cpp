// Holding Space over a folder of photographs whose step (on the headless host's
// virtual clock, the same on every machine) is slower than the keyboard's
// repeat rate: the viewer steps once per key-down message it receives and
// stops within one step of the key's release.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/app/photo_folder.h"

namespace {

// A held key's events in 2000 ms at the repeat rate of a default X server:
// the press and a repeat at 660, 700, ... 1980 ms.
constexpr int kHoldMs = 2000;
constexpr int kRepeatDelayMs = 660, kRepeatIntervalMs = 40;
constexpr int kKeyEvents = 1 + (kHoldMs - kRepeatDelayMs + kRepeatIntervalMs - 1) / kRepeatIntervalMs;
static_assert(kKeyEvents == 35, "a press and 34 repeats");

// One line of the driver's trace.
struct Traced {
    long long ms = 0;
    std::string name;
    unsigned long long wParam = 0, lParam = 0;
};

std::vector<Traced> ParseTrace(const std::vector<std::string> &lines)
{
    std::vector<Traced> trace;
    for (const std::string &line : lines) {
        Traced t;
        char name[32];
        if (std::sscanf(line.c_str(), "%lld %31s %llx %llx", &t.ms, name, &t.wParam, &t.lParam) != 4)
            continue;
        t.name = name;
        trace.push_back(t);
    }
    return trace;
}

std::vector<Traced> Only(const std::vector<Traced> &trace, const std::string &name)
{
    std::vector<Traced> found;
    std::copy_if(trace.begin(), trace.end(), std::back_inserter(found),
                 [&name](const Traced &t) { return t.name == name; });
    return found;
}

// Each stretch of the viewer's work (a key-down's step: the reload and the
// paint) takes this long on the virtual clock, longer than the repeat interval.
constexpr int kWorkMs = 100;
static_assert(kWorkMs > kRepeatIntervalMs, "a step slower than the repeats");

// 40 names of one photograph, more than the steps a 2 s hold can make, so the
// index tells how many steps were taken.
void AddPhotos(PhotoFolder &photos)
{
    WriteBytes(photos.Join("p00.jpg"), EncodeJpeg(MakePhotoPicture(160, 120, 3, 5), JpegOptions()));
    for (int i = 1; i < 40; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "p%02d.jpg", i);
        ASSERT_EQ(0, link(photos.Join("p00.jpg").c_str(), photos.Join(name).c_str()));
    }
}

TEST(KeyRepeatE2eTest, HoldingSpaceStepsOncePerKeyDownAndEndsWithinOneDecodeOfTheRelease)
{
    PhotoFolder photos;
    AddPhotos(photos);
    ReplaySetup setup = photos.Setup();
    setup.options.insert(setup.options.end(), {"--work-time", std::to_string(kWorkMs), "--trace"});
    ReplayRun run = RunReplay(setup, Lines({"hold Space " + std::to_string(kHoldMs), "show"}));
    ASSERT_EQ(1u, run.shows.size()) << run.errors;
    std::vector<Traced> trace = ParseTrace(run.messages);
    std::vector<Traced> keyDowns = Only(trace, "WM_KEYDOWN");
    ASSERT_FALSE(keyDowns.empty());

    // Every press and repeat is in some key-down's count; one step each message.
    int counted = 0;
    for (const Traced &down : keyDowns) counted += int(down.lParam & 0xFFFF);
    EXPECT_EQ(kKeyEvents, counted);
    EXPECT_EQ(int(keyDowns.size()), run.shows[0].Int("current"));
    EXPECT_EQ(0x00390001u, keyDowns[0].lParam);  // the press: its own message

    // After the release: at most one key-down, and only one more reload.
    const long long releaseMs = keyDowns[0].ms + kHoldMs;
    auto afterRelease = std::count_if(keyDowns.begin(), keyDowns.end(),
                                      [releaseMs](const Traced &t) { return t.ms >= releaseMs; });
    EXPECT_LE(afterRelease, 1);
    auto keyUp = std::find_if(trace.begin(), trace.end(), [](const Traced &t) { return t.name == "WM_KEYUP"; });
    ASSERT_NE(keyUp, trace.end());
    EXPECT_EQ(0xC0390001u, keyUp->lParam);
    std::vector<Traced> rest(keyUp, trace.end());
    EXPECT_LE(Only(rest, "WM_SIZE").size(), 1u);
    EXPECT_TRUE(Only(rest, "WM_KEYDOWN").empty());

    EXPECT_LT(int(keyDowns.size()), kKeyEvents) << "repeats were not folded";
}

}  // namespace
