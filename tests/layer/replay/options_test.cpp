// The replay driver's options.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/replay/options.h"

namespace {

struct Parsed {
    bool ok;
    ReplayOptions options;
};

Parsed Parse(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "kovlo-replay");
    std::vector<char *> argv;
    for (std::string &argument : arguments) argv.push_back(&argument[0]);
    Parsed parsed;
    std::string error;
    parsed.ok = ParseReplayOptions(static_cast<int>(argv.size()), argv.data(), &parsed.options, &error);
    EXPECT_EQ(error.empty(), parsed.ok);
    return parsed;
}

TEST(ReplayOptionsTest, SizesAndViewerArguments)
{
    struct Case {
        std::vector<std::string> arguments;
        bool ok;
        int screenWidth, screenHeight, clientWidth, clientHeight;
        std::vector<std::string> viewer;
    };
    const Case cases[] = {
        {{}, true, 1920, 1080, -1, -1, {}},
        {{"--screen", "1366x768"}, true, 1366, 768, -1, -1, {}},
        {{"--client", "0x0", "--", "/tmp/a"}, true, 1920, 1080, 0, 0, {"/tmp/a"}},
        {{"--screen", "639x480", "--client", "784x561", "--", "a b", "c"}, true, 639, 480, 784,
         561, {"a b", "c"}},
        {{"/tmp/pictures"}, true, 1920, 1080, -1, -1, {"/tmp/pictures"}},
        {{"--", "--screen"}, true, 1920, 1080, -1, -1, {"--screen"}},
        {{"--screen"}, false, 0, 0, 0, 0, {}},
        {{"--screen", "0x10"}, false, 0, 0, 0, 0, {}},
        {{"--client", "10x-1"}, false, 0, 0, 0, 0, {}},
        {{"--screen", "100x100x"}, false, 0, 0, 0, 0, {}},
    };
    for (const Case &c : cases) {
        Parsed parsed = Parse(c.arguments);
        std::string label = c.arguments.empty() ? "(none)" : c.arguments[0];
        ASSERT_EQ(parsed.ok, c.ok) << label;
        if (!c.ok) continue;
        const headless::Config &config = parsed.options.config;
        EXPECT_EQ(config.screenWidth, c.screenWidth) << label;
        EXPECT_EQ(config.screenHeight, c.screenHeight) << label;
        EXPECT_EQ(config.clientWidth, c.clientWidth) << label;
        EXPECT_EQ(config.clientHeight, c.clientHeight) << label;
        EXPECT_EQ(parsed.options.viewerArguments, c.viewer) << label;
    }
}

TEST(ReplayOptionsTest, BusyTimeAndTraceAreSwitchesBeforeTheViewersArguments)
{
    struct Case {
        std::vector<std::string> arguments;
        bool busyTime, trace;
        std::vector<std::string> viewer;
    };
    const Case cases[] = {
        {{"--busy-time", "--trace", "/tmp/a"}, true, true, {"/tmp/a"}},
        {{"--trace", "--client", "10x10", "--", "--busy-time"}, false, true, {"--busy-time"}},
        {{"/tmp/a", "--trace"}, false, false, {"/tmp/a", "--trace"}},
    };
    for (const Case &c : cases) {
        Parsed parsed = Parse(c.arguments);
        ASSERT_TRUE(parsed.ok) << c.arguments[0];
        EXPECT_EQ(parsed.options.config.busyTimeCounts, c.busyTime) << c.arguments[0];
        EXPECT_EQ(parsed.options.trace, c.trace) << c.arguments[0];
        EXPECT_EQ(parsed.options.viewerArguments, c.viewer) << c.arguments[0];
    }
}

// The window metrics a run takes from the real window it stands for.
TEST(ReplayOptionsTest, FrameAndBarMetrics)
{
    struct Case {
        std::vector<std::string> arguments;
        bool ok;
        RECT frame;
        int bar;
    };
    const Case cases[] = {
        {{}, true, {8, 31, 8, 8}, 17},
        {{"--frame", "0,0,0,0", "--bar", "14", "/tmp/a"}, true, {0, 0, 0, 0}, 14},
        {{"--bar", "15", "--frame", "1,22,3,4"}, true, {1, 22, 3, 4}, 15},
        {{"--frame", "0,0,0"}, false, {}, 0},
        {{"--frame", "0,0,0,-1"}, false, {}, 0},
        {{"--frame", "0,0,0,0,"}, false, {}, 0},
        {{"--bar", "0"}, false, {}, 0},
        {{"--bar", "12px"}, false, {}, 0},
        {{"--bar"}, false, {}, 0},
        {{"--work-time", "0"}, false, {}, 0},
        {{"--work-time", "1", "--bar", "1"}, true, {8, 31, 8, 8}, 1},
    };
    for (const Case &c : cases) {
        Parsed parsed = Parse(c.arguments);
        std::string label;
        for (const std::string &argument : c.arguments) label += argument + " ";
        ASSERT_EQ(parsed.ok, c.ok) << label;
        if (!c.ok) continue;
        const headless::Config &config = parsed.options.config;
        EXPECT_EQ(config.frameInsets.left, c.frame.left) << label;
        EXPECT_EQ(config.frameInsets.top, c.frame.top) << label;
        EXPECT_EQ(config.frameInsets.right, c.frame.right) << label;
        EXPECT_EQ(config.frameInsets.bottom, c.frame.bottom) << label;
        EXPECT_EQ(config.scrollBarThickness, c.bar) << label;
        EXPECT_EQ(parsed.options.viewerArguments.size(), c.arguments.size() % 2) << label;
    }
}

}  // namespace
