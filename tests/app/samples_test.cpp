// The sample folder the build makes for the first run: every sample is there,
// and the viewer lists and shows them as the list of samples says.
#include <gtest/gtest.h>

#include <dirent.h>

#include <set>
#include <string>

#include "tests/app/replay_session.h"
#include "tools/samples/samples.h"

#ifndef KOVLO_SAMPLES_DIR
#error "the app tests are built with the sample folder (tests/CMakeLists.txt)"
#endif

namespace {

std::set<std::string> NamesIn(const std::string &folder)
{
    std::set<std::string> names;
    DIR *dir = opendir(folder.c_str());
    for (dirent *entry; dir && (entry = readdir(dir));)
        if (entry->d_name[0] != '.') names.insert(entry->d_name);
    if (dir) closedir(dir);
    return names;
}

TEST(SamplesTest, TheBuildMakesEverySample)
{
    std::set<std::string> expected;
    for (const Sample &sample : Samples()) expected.insert(sample.name);
    EXPECT_EQ(12u, expected.size());
    EXPECT_EQ(expected, NamesIn(KOVLO_SAMPLES_DIR));
}

// Stepping through the folder at actual size: the order of the list, each
// picture upright at its full size, the text file refused.
TEST(SamplesTest, TheViewerListsThemInOrderAndShowsEach)
{
    const std::vector<Sample> &samples = Samples();
    ReplaySetup setup;
    setup.options = {"--client", "800x600"};
    setup.arguments = {KOVLO_SAMPLES_DIR};
    ReplaySession session(setup);
    session.Send("key Shift");
    for (size_t i = 0; i < samples.size(); ++i) {
        Snapshot shown = session.Show();
        SCOPED_TRACE(samples[i].name);
        EXPECT_EQ(int(samples.size()), shown.Int("fileCount"));
        ASSERT_EQ(2u, shown.texts.size());
        std::string status = " " + std::string(samples[i].name) + " (" + std::to_string(i + 1) + "/";
        EXPECT_EQ(status, shown.texts[1].text.substr(0, status.size()));
        if (samples[i].width == 0) {
            EXPECT_EQ("none", shown.Get("image"));
            EXPECT_NE(std::string::npos, shown.texts[1].text.find(u8"開けません"));
        } else {
            EXPECT_EQ(std::to_string(samples[i].width) + " " + std::to_string(samples[i].height),
                      shown.Get("image"));
        }
        session.Send("key Space");
    }
    EXPECT_EQ(0, session.Finish().exitCode);
}

// The fit view decodes the large photograph already reduced.
TEST(SamplesTest, TheLargePhotographIsDecodedReducedToFit)
{
    ReplaySetup setup;
    setup.options = {"--client", "800x600"};
    setup.arguments = {KOVLO_SAMPLES_DIR};
    ReplaySession session(setup);
    session.Send("key J");
    session.Send("dialog 6");
    session.Send("dialog-ok");
    Snapshot shown = session.Show();
    ASSERT_EQ(5, shown.Int("current")) << session.Finish().errors;
    EXPECT_EQ(4, shown.Int("decodeDenominator"));  // 1500 x 1000 still covers the view
    EXPECT_EQ("1500 1000", shown.Get("image"));
}

}  // namespace
