// The directory search of the layer, over real folders with awkward names.
#include <gtest/gtest.h>

#include <stdio.h>
#include <time.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/files/folder_listing.h"
#include "platform/win32.h"
#include "tests/files/files_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

class FindFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"a.jpg", "B.JPG", "x.jpeg.bak", ".hidden.jpg", "notes.txt",
                                 "a\\b.jpg", "\xE8\xA1\xA8.jpg", "\xE3\x82\xBD\xE3\x82\xBD.jpe"}) {
            folder.AddFile(name);
        }
        folder.AddFolder("pics.jpg");
        folder.AddFolder("\xE8\xA1\xA8");
    }
    std::string In(const std::string &pattern) const { return folder.path() + "/" + pattern; }

    TempFolder folder;
};

TEST_F(FindFileTest, WildcardsListMatchingEntries)
{
    struct Case {
        const char *pattern;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"*.jpg", {".hidden.jpg", "B.JPG", "a.jpg", "a\\b.jpg", "pics.jpg/", Cp932("表.jpg")}},
        {"*.jpe*", {"x.jpeg.bak", Cp932("ソソ.jpe")}},
        {"?.jpg", {"B.JPG", "a.jpg", Cp932("表.jpg")}},
        {"??.jpe", {Cp932("ソソ.jpe")}},
        {"*.png", {}},
        {"*", {"./", "../", ".hidden.jpg", "B.JPG", "a.jpg", "a\\b.jpg", "notes.txt", "pics.jpg/", "x.jpeg.bak",
               Cp932("ソソ.jpe"), Cp932("表.jpg"), Cp932("表") + "/"}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Sorted(SearchNames(In(c.pattern))), Sorted(c.names)) << c.pattern;
    }
    // As on Windows, the root has no "." and "..".
    std::vector<std::string> root = SearchNames("/*");
    EXPECT_EQ(std::count(root.begin(), root.end(), "./"), 0);
    EXPECT_EQ(std::count(root.begin(), root.end(), "../"), 0);
}

TEST_F(FindFileTest, PlainNameFindsOneEntryInItsStoredCase)
{
    struct Case {
        std::string pattern;
        std::vector<std::string> names;
    };
    folder.AddFile("b.jpg");  // beside B.JPG: the exact spelling wins
    const Case cases[] = {
        {"A.JPG", {"a.jpg"}},
        {"B.JPG", {"B.JPG"}},
        {"b.jpg", {"b.jpg"}},
        {"PICS.JPG", {"pics.jpg/"}},
        {Cp932("表"), {Cp932("表") + "/"}},
        {"missing.jpg", {}},
        {".", {}},
        {"..", {}},
        {"", {}},  // a trailing separator names no entry
    };
    for (const Case &c : cases) EXPECT_EQ(SearchNames(In(c.pattern)), c.names) << c.pattern;
}

TEST_F(FindFileTest, FolderPartsResolveLikeTheListedNames)
{
    folder.AddFile("\xE8\xA1\xA8/inner.jpg");
    EXPECT_EQ(SearchNames(In(Cp932("表") + "/*.jpg")), std::vector<std::string>{"inner.jpg"});
    EXPECT_EQ(SearchNames(In("missing/*.jpg")), std::vector<std::string>{});
    EXPECT_EQ(SearchNames(In("a.jpg/*.jpg")), std::vector<std::string>{});  // a file is no folder
}

TEST_F(FindFileTest, RelativePatternsUseTheCurrentDirectory)
{
    CurrentDirectory inside(folder.path());
    EXPECT_EQ(Sorted(SearchNames("?.jpg")), Sorted({"B.JPG", "a.jpg", Cp932("表.jpg")}));
    EXPECT_EQ(SearchNames("./a.jpg"), std::vector<std::string>{"a.jpg"});
}

TEST_F(FindFileTest, OverlongPatternsFindNothing)
{
    std::string deep = folder.path();
    while (deep.size() < MAX_PATH + 10) deep += "/sub";
    EXPECT_EQ(SearchNames(deep + "/*.jpg"), std::vector<std::string>{});
    std::string exactlyMaxPath = folder.path() + "/";
    exactlyMaxPath += std::string(MAX_PATH - exactlyMaxPath.size(), '*');
    EXPECT_EQ(SearchNames(exactlyMaxPath), std::vector<std::string>{});
    std::string justFits = exactlyMaxPath.substr(0, MAX_PATH - 1);
    EXPECT_FALSE(SearchNames(justFits).empty());
}

TEST_F(FindFileTest, HandlesAreCheckedAndClosedOnce)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(In("a.jpg").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(found.cFileName, "a.jpg");
    EXPECT_EQ(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_FALSE(FindNextFileA(search, &found));  // one entry only
    EXPECT_TRUE(FindClose(search));
    EXPECT_FALSE(FindClose(search));              // a second close is refused, not a double free
    EXPECT_FALSE(FindNextFileA(search, &found));
    EXPECT_FALSE(FindNextFileA(INVALID_HANDLE_VALUE, &found));
    EXPECT_FALSE(FindClose(INVALID_HANDLE_VALUE));
    EXPECT_EQ(FindFirstFileA(nullptr, &found), INVALID_HANDLE_VALUE);
}

TEST_F(FindFileTest, HiddenEntriesCarryTheHiddenBit)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(In(".hidden.jpg").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_NE(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN, 0u);
    FindClose(search);
}

}  // namespace

// Searches in quick succession share one reading of the folder; every change
// to the folder must still show in the next search, also when the earlier
// reading was kept (a folder last changed before the clock's current tick).
TEST(FindFileKeptListing, ChangesShowInTheNextSearch)
{
    struct Step {
        const char *what;
        void (*change)(const TempFolder &folder);
        std::vector<std::string> names;
    };
    const Step steps[] = {
        {"a file added", [](const TempFolder &f) { f.AddFile("c.jpg"); }, {"a.jpg", "b.jpg", "c.jpg"}},
        {"a file removed", [](const TempFolder &f) { remove(f.Join("a.jpg").c_str()); }, {"b.jpg", "c.jpg"}},
        {"a file turned into a folder",
         [](const TempFolder &f) {
             remove(f.Join("c.jpg").c_str());
             f.AddFolder("c.jpg");
         },
         {"b.jpg", "c.jpg/"}},
    };
    TempFolder folder;
    folder.AddFile("a.jpg");
    folder.AddFile("b.jpg");
    const std::string pattern = folder.Join("*.jpg");
    const timespec tick = {0, 20 * 1000 * 1000};
    for (const Step &step : steps) {
        nanosleep(&tick, nullptr);  // the folder's last change now lies in an earlier tick
        ASSERT_FALSE(SearchNames(pattern).empty());
        step.change(folder);
        EXPECT_EQ(Sorted(SearchNames(pattern)), step.names) << step.what;
    }
}

// The kept listing is let go once the thread waits for input.
TEST(FindFileKeptListing, LetGoWhenDropped)
{
    TempFolder folder;
    folder.AddFile("a.jpg");
    const timespec tick = {0, 20 * 1000 * 1000};
    nanosleep(&tick, nullptr);  // the folder's last change now lies in an earlier tick
    std::shared_ptr<const FolderListing> listing = ListFolder(folder.path());
    ASSERT_NE(listing, nullptr);
    EXPECT_EQ(ListFolder(folder.path()), listing) << "a second search in quick succession reads it again";
    DropKeptListing();
    EXPECT_EQ(listing.use_count(), 1) << "still held after it was dropped";
}
