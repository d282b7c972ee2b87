// Start-up through the replay driver: centring, the no-files message, exit
// codes and how the command line picks the folder.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include <string>
#include <vector>

#include "tests/app/photo_folder.h"

namespace {

TEST(StartupTest, WindowIsCentredOnTheScreen)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 40, 30);
    struct Case {
        std::string screen;
        std::vector<int> window;
    };
    const Case cases[] = {
        {"1920x1080", {560, 240, 800, 600}},
        {"1366x768", {283, 84, 800, 600}},
        {"1367x768", {283, 84, 800, 600}},
        {"639x480", {-80, -60, 800, 600}},  // truncated toward zero, not -81
    };
    for (const Case &c : cases) {
        ReplaySetup setup;
        setup.options = {"--screen", c.screen};
        setup.arguments = {photos.Path()};
        ReplayRun run = RunReplay(setup, "show");
        ASSERT_EQ(1u, run.shows.size()) << c.screen << run.errors;
        EXPECT_EQ(c.window, run.shows[0].Ints("window")) << c.screen;
        EXPECT_EQ(0, run.exitCode);
    }
}

TEST(StartupTest, FolderWithoutJpegFilesEndsWithTheMessageAndOne)
{
    struct Case {
        const char *label;
        std::vector<std::string> files;
    };
    const Case cases[] = {
        {"empty", {}},
        {"other_files", {"a.png", "notes.txt", "jpg", "b.jpgx.png"}},
    };
    for (const Case &c : cases) {
        PhotoFolder folder;
        for (const std::string &name : c.files)
            folder.AddBytes(name, "not a picture");
        ReplayRun run = RunReplay(folder.Setup(), Lines({"show", "key Space", "show"}));
        SCOPED_TRACE(c.label);
        ASSERT_EQ(1u, run.messageBoxes.size()) << run.errors;
        EXPECT_EQ("Kovlo - " + folder.Path() + " | " + kNoFilesText, run.messageBoxes[0]);
        EXPECT_EQ(1, run.exitCode);
        EXPECT_TRUE(run.shows.empty());  // no window, no message loop
    }
}

TEST(StartupTest, ClosingOrEscapeEndsWithZero)
{
    PhotoFolder photos;
    photos.AddPhoto("a.jpg", 40, 30);
    struct Case {
        const char *script;
        size_t shows;
    };
    const Case cases[] = {
        {"close\nshow\n", 0},       // the close box; nothing after it runs
        {"key Escape\nshow\n", 0},  // Esc ends the loop
        {"show\n", 1},              // the end of the input closes the window
    };
    for (const Case &c : cases) {
        ReplayRun run = RunReplay(photos.Setup(), c.script);
        EXPECT_EQ(0, run.exitCode) << c.script << run.errors;
        EXPECT_EQ(c.shows, run.shows.size()) << c.script;
        EXPECT_TRUE(run.messageBoxes.empty());
    }
}

// How the tail of the command line becomes the folder: arguments as the
// driver's own command line gives them, run from `cwd`.
TEST(StartupTest, CommandLineTailChoosesTheFolder)
{
    PhotoFolder root;
    root.AddPhoto("r.jpg", 40, 30);
    root.AddFolder("My Photos");
    root.AddPhoto("My Photos/m1.jpg", 40, 30);
    root.AddPhoto("My Photos/m2.jpg", 40, 30);
    root.AddFolder("pics");
    root.AddPhoto("pics/p3.jpg", 40, 30);
    root.AddPhoto("pics/p1.jpg", 40, 30);
    root.AddPhoto("pics/p2.jpg", 40, 30);
    struct Case {
        const char *label;
        std::vector<std::string> arguments;
        std::string folder;
        std::string firstName;
    };
    const Case cases[] = {
        {"no_argument", {}, root.Path(), "r.jpg"},
        {"relative_folder", {"pics"}, root.Join("pics"), "p1.jpg"},
        {"blank_inside_kept", {"My Photos"}, root.Join("My Photos"), "m1.jpg"},
        // Empty arguments make several blanks after the program name.
        {"blanks_after_name_skipped", {"", "", "pics"}, root.Join("pics"), "p1.jpg"},
        // One pair of quotes around the whole path ("Open with", drag and drop).
        {"quoted_path", {"\"" + root.Join("pics") + "\""}, root.Join("pics"), "p1.jpg"},
        {"quoted_blanks", {"\"" + root.Join("My Photos") + "\""}, root.Join("My Photos"), "m1.jpg"},
        {"quoted_file", {"\"pics/p3.jpg\""}, root.Join("pics"), "p1.jpg"},
        // Anything else about quotes stays: the path then names nothing.
        {"quotes_inside_kept", {"\"pics\"/p3.jpg"}, root.Path(), "r.jpg"},
        // A trailing separator (shell completion) names that folder.
        {"trailing_separator", {"pics/"}, root.Join("pics"), "p1.jpg"},
        {"absolute_trailing", {root.Join("My Photos") + "/"}, root.Join("My Photos"), "m1.jpg"},
        // A named file gives its folder; the first sorted name is shown.
        {"named_file", {root.Join("pics/p3.jpg")}, root.Join("pics"), "p1.jpg"},
    };
    for (const Case &c : cases) {
        ReplaySetup setup;
        setup.options = {"--client", "800x600"};
        setup.arguments = c.arguments;
        setup.workingDirectory = root.Path();
        ReplayRun run = RunReplay(setup, "show");
        SCOPED_TRACE(c.label);
        ASSERT_EQ(1u, run.shows.size()) << run.errors;
        EXPECT_EQ(c.folder, run.shows[0].Get("folder"));
        EXPECT_EQ(0, run.shows[0].Int("current"));
        ASSERT_EQ(2u, run.shows[0].texts.size());
        std::string prefix = " " + c.firstName + " (1/";
        EXPECT_EQ(prefix, run.shows[0].texts[1].text.substr(0, prefix.size()));
    }
}

// The program's own name may hold blanks (then it is quoted) or double-byte
// characters whose second byte is 0x5C (表, ソ); the tail still starts at
// the argument.
TEST(StartupTest, ProgramNameOfAnyKindIsSkipped)
{
    PhotoFolder photos;
    photos.AddFolder("pics");
    photos.AddPhoto("pics/p1.jpg", 40, 30);
    photos.AddPhoto("pics/p2.jpg", 40, 30);
    // A double quote in the path must not swallow the argument when the
    // command line is rebuilt.
    const std::string names[] = {u8"表示", u8"ソフト", "my viewer", u8"表 示",
                                 "my\"viewer", "my \"viewer", "\"my\" viewer",
                                 u8"ā\"b c"};  // no code page 932 form: its 0x81 reads as a lead byte
    for (const std::string &name : names) {
        std::string program = photos.Join(name);
        ASSERT_EQ(0, symlink(ReplayProgram().c_str(), program.c_str())) << name;
        ReplaySetup setup;
        setup.program = program;
        setup.arguments = {photos.Join("pics")};
        ReplayRun run = RunReplay(setup, "show");
        ASSERT_EQ(1u, run.shows.size()) << name << run.errors;
        EXPECT_EQ(photos.Join("pics"), run.shows[0].Get("folder")) << name;
        EXPECT_EQ(2, run.shows[0].Int("fileCount")) << name;
    }
}

// A run as another user: ourselves when we are not root, else "nobody"
// through setpriv, put before the driver. False when privileges cannot be
// dropped.
bool UnprivilegedSetup(ReplaySetup *setup)
{
    if (geteuid() != 0) return true;
    std::vector<std::string> prefix = {"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup",
                                       "--clear-groups", "--"};
    std::string probe;
    for (const std::string &word : prefix) probe += word + " ";
    if (system((probe + "/bin/true 2>/dev/null").c_str()) != 0) return false;
    setup->program = prefix[0];
    setup->options.assign(prefix.begin() + 1, prefix.end());
    setup->options.push_back(ReplayProgram());
    return true;
}

// A home or share folder of mode 0711: its owner lists it, others may only
// pass through to the folders they know. The walk to the long name cannot
// look up the folder below it and keeps that component as written.
TEST(StartupTest, FolderBelowAnUnlistableAncestorIsItself)
{
    ReplaySetup setup;
    if (!UnprivilegedSetup(&setup))
        GTEST_SKIP() << "running as root and setpriv cannot switch to nobody:"
                        " the 0711 ancestor would be listable";
    PhotoFolder home;
    home.AddFolder("inner");
    home.AddFolder("inner/pics");
    home.AddPhoto("inner/pics/p1.jpg", 40, 30);
    home.AddPhoto("inner/pics/p2.jpg", 40, 30);
    ASSERT_EQ(0, chmod(home.Path().c_str(), 0711));
    for (const char *name : {"inner", "inner/pics"})
        ASSERT_EQ(0, chmod(home.Join(name).c_str(), 0755));
    for (const char *name : {"inner/pics/p1.jpg", "inner/pics/p2.jpg"})
        ASSERT_EQ(0, chmod(home.Join(name).c_str(), 0644));
    setup.options.insert(setup.options.end(), {"--client", "800x600"});
    setup.arguments = {home.Join("inner/pics")};
    ReplayRun run = RunReplay(setup, "show");
    ASSERT_TRUE(run.messageBoxes.empty()) << run.messageBoxes[0] << run.errors;
    ASSERT_EQ(1u, run.shows.size()) << run.errors;
    EXPECT_EQ(home.Join("inner/pics"), run.shows[0].Get("folder"));
    EXPECT_EQ(2, run.shows[0].Int("fileCount"));
}

// Started from a terminal, the viewer says in one line why it shows another
// folder than the one named; damaged files in the folder shown add nothing
// (the library's messages stay off the terminal).
TEST(StartupTest, TerminalLineTellsWhyAnotherFolderIsShown)
{
    PhotoFolder root;
    root.AddBytes("a.jpg", "not a picture");
    root.AddBytes("b.jpg", std::string("\xFF\xD8\xFF\xDB", 4));  // cut in its first marker
    root.AddPhoto("c.jpg", 40, 30);
    root.AddFolder("pics");
    root.AddPhoto("pics/p1.jpg", 40, 30);
    struct Case {
        const char *label;
        std::string argument;
        std::string line;  // "" = nothing on standard error
    };
    const Case cases[] = {
        {"found", "pics", ""},
        {"no_argument", "", ""},
        {"missing", "nothere", "kovlo: nothere: not found; showing " + root.Path() + "\n"},
        {"missing_japanese", u8"写真/無い", u8"kovlo: 写真/無い: not found; showing " + root.Path() + "\n"},
    };
    for (const Case &c : cases) {
        ReplaySetup setup;
        if (!c.argument.empty()) setup.arguments = {c.argument};
        setup.workingDirectory = root.Path();
        ReplayRun run = RunReplay(setup, Lines({"show", "key Space", "key Space", "show"}));
        SCOPED_TRACE(c.label);
        ASSERT_EQ(2u, run.shows.size()) << run.errors;
        EXPECT_EQ(c.line, run.errors);
    }
}

// A folder that may not be listed: the terminal line says so before the
// no-files message box.
TEST(StartupTest, TerminalLineTellsOfAFolderThatMayNotBeRead)
{
    ReplaySetup setup;
    if (!UnprivilegedSetup(&setup))
        GTEST_SKIP() << "running as root and setpriv cannot switch to nobody";
    PhotoFolder home;
    home.AddFolder("locked");
    home.AddPhoto("locked/p1.jpg", 40, 30);
    ASSERT_EQ(0, chmod(home.Path().c_str(), 0755));
    ASSERT_EQ(0, chmod(home.Join("locked").c_str(), 0311));  // passable, not listable
    setup.arguments = {home.Join("locked")};
    ReplayRun run = RunReplay(setup, "show");
    chmod(home.Join("locked").c_str(), 0755);
    EXPECT_EQ("kovlo: " + home.Join("locked") + ": permission denied\n", run.errors);
    ASSERT_EQ(1u, run.messageBoxes.size());
    EXPECT_EQ(1, run.exitCode);
}

}  // namespace
