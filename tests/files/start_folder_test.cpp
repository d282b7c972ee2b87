// Which folder the viewer shows, from the command-line tail.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "app/viewer_state.h"
#include "files/start_folder.h"
#include "tests/files/files_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

std::string Resolve(const std::string &tail)
{
    ResetViewerState();
    ResolveStartFolder(tail.c_str());
    return g_viewer.folder;
}

class StartFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder.AddFolder("Photos");
        folder.AddFile("Photos/IMG_1.JPG");
        folder.AddFile("Photos/Trip 2024.jpg");
        folder.AddFolder("\xE8\xA1\xA8");                 // 表: second byte 0x5C
        folder.AddFile("\xE8\xA1\xA8/a.jpg");
        folder.AddFolder("x\xE3\x82\xBD");                // xソ
        folder.AddFile("x\xE3\x82\xBD/\xE3\x82\xBD.jpg");
        folder.AddFolder("caf\xC3\xA9");                  // no code page 932 form
    }
    std::string Here(const std::string &rest = "") const { return folder.path() + rest; }

    TempFolder folder;
};

TEST_F(StartFolderTest, TailTable)
{
    CurrentDirectory inside(folder.path());
    struct Case {
        std::string tail;
        std::string folder;
    };
    const Case cases[] = {
        {"", Here()},                                        // no argument
        {"Photos", Here("/Photos")},                         // relative folder
        {"photos", Here("/Photos")},                         // stored case comes back
        {"Photos/", Here("/Photos")},                        // trailing separator: that folder
        {"Photos/IMG_1.JPG/", Here("/Photos")},
        {Cp932("表") + "/", Here("/" + Cp932("表"))},
        {"Photos/img_1.jpg", Here("/Photos")},               // a file: its folder
        {Here("/Photos/Trip 2024.jpg"), Here("/Photos")},    // blank inside, absolute
        {"\"Photos\"", Here("/Photos")},                     // one pair of quotes: the path inside
        {"\"" + Here("/Photos/Trip 2024.jpg") + "\"", Here("/Photos")},
        {"\"Photos/\"", Here("/Photos")},
        {"\"Photos\" ", Here()},                             // not wrapped: the quotes stay
        {"\"Pho\"tos\"", Here()},                           // more than one pair
        {"\"", Here()},
        {"\"\"", Here()},
        {"Photos/*.jpg", Here("/Photos")},                   // a pattern finds its first match
        {"Photos/../Photos/./IMG_1.JPG", Here("/Photos")},
        {"missing", Here()},
        {"Photos/missing.jpg", Here()},
        {Cp932("表"), Here("/" + Cp932("表"))},               // ends in 0x5C that is no separator
        {Cp932("表/a.jpg"), Here("/" + Cp932("表"))},
        {Cp932("xソ/ソ.jpg"), Here("/" + Cp932("xソ"))},
        {"/", Here()},                                        // the root names no entry
        {"/" + std::string(300, 'a'), Here()},                // full path too long
    };
    for (const Case &c : cases) EXPECT_EQ(Resolve(c.tail), c.folder) << c.tail;
}

TEST_F(StartFolderTest, NullTailIsNoArgument)
{
    CurrentDirectory inside(folder.path());
    ResetViewerState();
    ResolveStartFolder(nullptr);
    EXPECT_EQ(std::string(g_viewer.folder), Here());
}

TEST(StartFolder, RootBecomesTheEmptyFolder)
{
    TempFolder folder;
    CurrentDirectory root("/");
    EXPECT_EQ(Resolve(""), "");
    std::string top = folder.path().substr(0, folder.path().find('/', 1));  // e.g. "/tmp"
    EXPECT_EQ(Resolve(top), top);
    EXPECT_EQ(Resolve(top + "/"), top);  // a trailing separator names that folder
    EXPECT_EQ(Resolve("/"), "");         // the root names nothing: "/" stays, less its separator
}

TEST(StartFolder, CurrentDirectoryTooLongLeavesTheFolderEmpty)
{
    TempFolder folder;
    std::string deep = folder.path();
    while (deep.size() < MAX_PATH + 20) {
        deep += "/0123456789";
        ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
    }
    CurrentDirectory inside(deep);
    EXPECT_EQ(Resolve(""), "");
    EXPECT_EQ(Resolve(folder.path()), folder.path());  // an argument still replaces it
}

TEST_F(StartFolderTest, ToLongPathTable)
{
    struct Case {
        std::string full;
        int result;
        std::string output;
    };
    const std::string untouched = "untouched";
    const Case cases[] = {
        {Here("/photos/img_1.jpg"), 1, Here("/Photos/IMG_1.JPG")},
        {Here("/Photos"), 1, Here("/Photos")},
        {Here("/" + Cp932("表")), 1, Here("/" + Cp932("表"))},
        {Here("/Photos/missing"), 0, untouched},
        {"/", 0, untouched},
        {Here("/Photos/"), 0, untouched},
    };
    for (const Case &c : cases) {
        char output[MAX_PATH] = "untouched";
        EXPECT_EQ(ToLongPath(c.full.c_str(), output, MAX_PATH), c.result) << c.full;
        EXPECT_EQ(std::string(output), c.output) << c.full;
    }
}

TEST_F(StartFolderTest, ToLongPathRefusesAResultThatDoesNotFit)
{
    std::string full = Here("/Photos/IMG_1.JPG");
    char output[MAX_PATH] = "untouched";
    EXPECT_EQ(ToLongPath(full.c_str(), output, int(full.size())), 0);
    EXPECT_STREQ(output, "untouched");
    EXPECT_EQ(ToLongPath(full.c_str(), output, int(full.size()) + 1), 1);
    EXPECT_EQ(std::string(output), full);
}

TEST_F(StartFolderTest, FolderWithoutACodePage932FormIsShownByItsStandIn)
{
    CurrentDirectory inside(folder.Join("caf\xC3\xA9"));
    std::string shown = Resolve("");
    EXPECT_EQ(shown.substr(0, folder.path().size()), folder.path());
    EXPECT_NE(GetFileAttributesA(shown.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(Resolve(shown), shown);  // the stand-in resolves back to the same folder
}

TEST_F(StartFolderTest, ArgumentInRawUtf8GivesTheStandInFolder)
{
    // An argument with no code page 932 form reaches the program as its
    // UTF-8 bytes; the folder shown is then the one the listing would name.
    std::string shown = Resolve(folder.Join("caf\xC3\xA9"));
    EXPECT_NE(shown, folder.Join("caf\xC3\xA9"));  // not the raw bytes: the stand-in
    std::vector<std::string> listed = SearchNames(folder.path() + "/caf*");
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(shown, folder.path() + "/" + listed[0].substr(0, listed[0].size() - 1));
}

}  // namespace
