// The folder's file list: which names, how many times, in which order, and a
// block that always holds exactly fileCount named slots.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/viewer_state.h"
#include "files/file_list.h"
#include "platform/text/cp932.h"
#include "tests/files/files_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

using Names = std::vector<std::string>;

class FileListTest : public testing::Test {
protected:
    void SetUp() override { ResetViewerState(); }
    void TearDown() override { free(g_viewer.names); }

    // Builds the list of `folder` (a UTF-8 path made code page 932 here).
    int Build(const std::string &path)
    {
        std::string cp932 = Cp932(path);
        EXPECT_LT(cp932.size(), sizeof g_viewer.folder);
        strncpy(g_viewer.folder, cp932.c_str(), sizeof g_viewer.folder - 1);
        free(g_viewer.names);
        g_viewer.names = nullptr;
        return BuildFileList();
    }

    TempFolder folder;
};

struct FolderCase {
    const char *what;
    Names files;     // created in the folder (a trailing '/' makes a subfolder)
    Names listed;    // code page 932 names in list order
    int nameStride;
};

TEST_F(FileListTest, FolderTable)
{
    const FolderCase cases[] = {
        {"nothing to list", {"a.png", "jpg", "x.jp", "pics.jpg/"}, {}, 1},
        {"one file", {"a.jpg"}, {"a.jpg"}, 6},
        {"case ignored in order and match", {"B.jpg", "a.jpg", "C.JPG"}, {"a.jpg", "B.jpg", "C.JPG"}, 6},
        {"digits one by one", {"9.jpg", "10.jpg"}, {"10.jpg", "9.jpg"}, 7},
        {"subfolder passed over, not counted", {"pics.jpg/", "a.jpg"}, {"a.jpg"}, 6},
        {"found by two patterns: twice, adjacent",
         {"x.jpe.jpg", "x.jfif.jpeg", "y.jpg"},
         {"x.jfif.jpeg", "x.jfif.jpeg", "x.jpe.jpg", "x.jpe.jpg", "y.jpg"}, 12},
        {"star matches a run, none included",
         {"x.jpeg.bak", "x.JPE", "x.jfi", "x.JFIF"},
         {"x.jfi", "x.JFIF", "x.JPE", "x.jpeg.bak"}, 11},
        {"hidden files included", {".a.jpg", "b.jpg"}, {".a.jpg", "b.jpg"}, 7},
        {"backslash is part of a name", {"a\\b.jpg", "a.jpg"}, {"a.jpg", "a\\b.jpg"}, 8},
        {"second byte 0x5C", {"\xE8\xA1\xA8.jpg", "\xE3\x82\xBD.jpg", "a.jpg"},
         {"a.jpg", Cp932("ソ.jpg"), Cp932("表.jpg")}, 7},
    };
    for (const FolderCase &c : cases) {
        TempFolder here;
        for (const std::string &name : c.files) {
            if (name.back() == '/') here.AddFolder(name); else here.AddFile(name);
        }
        EXPECT_EQ(Build(here.path()), int(c.listed.size())) << c.what;
        EXPECT_EQ(ListedNames(), c.listed) << c.what;
        EXPECT_EQ(g_viewer.fileCount, int(c.listed.size())) << c.what;
        EXPECT_EQ(g_viewer.nameStride, c.nameStride) << c.what;
        if (c.listed.empty()) {
            EXPECT_EQ(g_viewer.names, nullptr) << c.what;
        }
    }
}

TEST_F(FileListTest, EqualNamesKeepTheOrderTheSearchesFoundThem)
{
    // Names that differ in case alone compare equal; each is found by the
    // first and again by the second search, so the list is the first search's
    // order twice over, whatever order the folder itself gives.
    folder.AddFile("x.jpe.jpg");
    folder.AddFile("X.JPE.JPG");
    folder.AddFile("x.Jpe.jpG");
    ASSERT_EQ(Build(folder.path()), 6);
    Names found = SearchNames(g_viewer.folder + std::string("/*.jpg"));
    ASSERT_EQ(found.size(), 3u);
    Names expected = found;
    expected.insert(expected.end(), found.begin(), found.end());
    EXPECT_EQ(ListedNames(), expected);
}

TEST_F(FileListTest, NamesWithoutACodePage932FormAreListedAndOpen)
{
    folder.AddFile("caf\xC3\xA9.jpg", {1});
    folder.AddFile("caf\xC3\xA8.jpg", {2});
    folder.AddFile("\xF0\x9F\x8C\xB8.jpg", {3});
    ASSERT_EQ(Build(folder.path()), 3);
    std::vector<int> firstBytes;
    for (const std::string &name : ListedNames()) {
        FILE *file = fopen((std::string(g_viewer.folder) + "/" + name).c_str(), "rb");
        ASSERT_NE(file, nullptr) << Cp932ToUtf8(name);
        firstBytes.push_back(fgetc(file));
        fclose(file);
    }
    std::sort(firstBytes.begin(), firstBytes.end());
    EXPECT_EQ(firstBytes, (std::vector<int>{1, 2, 3}));
}

TEST_F(FileListTest, FifoIsListedButDoesNotOpen)
{
    folder.AddFifo("x.jpg");
    ASSERT_EQ(Build(folder.path()), 1);
    EXPECT_EQ(ListedNames(), Names{"x.jpg"});
    EXPECT_EQ(fopen((std::string(g_viewer.folder) + "/x.jpg").c_str(), "rb"), nullptr);
}

TEST_F(FileListTest, FolderEndingInASecondByte0x5C)
{
    folder.AddFolder("\xE8\xA1\xA8");
    folder.AddFile("\xE8\xA1\xA8/b.jpg");
    folder.AddFile("\xE8\xA1\xA8/a.jpg");
    EXPECT_EQ(Build(folder.Join("\xE8\xA1\xA8")), 2);
    EXPECT_EQ(ListedNames(), (Names{"a.jpg", "b.jpg"}));
}

TEST_F(FileListTest, VanishedOrUnreadableFolderGivesAnEmptyList)
{
    std::string gone = folder.Join("gone");
    EXPECT_EQ(Build(gone), 0);
    EXPECT_EQ(g_viewer.names, nullptr);
    folder.AddFile("file.jpg");
    EXPECT_EQ(Build(folder.Join("file.jpg")), 0);  // a file is no folder
}

TEST_F(FileListTest, LongestNameSetsTheStride)
{
    std::string longName = std::string(250, 'n') + ".jpg";  // 254 bytes, the file system's limit is 255
    folder.AddFile(longName);
    folder.AddFile("a.jpg");
    ASSERT_EQ(Build(folder.path()), 2);
    EXPECT_EQ(g_viewer.nameStride, 255);
    EXPECT_EQ(ListedNames(), (Names{"a.jpg", longName}));
}

}  // namespace

// What the three searches find in `path`, in a stable sort by lstrcmpiA
// itself: the order the list must have.
static Names SearchOrderSortedByLstrcmpiA(const std::string &path)
{
    Names expected;
    for (const char *pattern : {"/*.jpg", "/*.jpe*", "/*.jfi*"}) {
        Names found = SearchNames(Cp932(path) + pattern);
        expected.insert(expected.end(), found.begin(), found.end());
    }
    std::stable_sort(expected.begin(), expected.end(), [](const std::string &a, const std::string &b) {
        return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    });
    return expected;
}

// The list sorts by sort keys made once per name; its order must be exactly a
// stable sort of what the three searches found by lstrcmpiA itself, over names
// where widths, kana types, case, hyphens and apostrophes all play a part.
TEST_F(FileListTest, OrderIsLstrcmpiAOrderOverTrickyNames)
{
    for (const char *name :
         {"\xEF\xBD\xB1.jpg", "\xE3\x82\xA2.jpg", "\xE3\x81\x82.jpg", "\xEF\xBC\xA1.jpg", "A.jpg", "a.jpg",
          "\xEF\xBD\x81.JPG", "aa.jpg", "a-b.jpg", "ab.jpg", "a'b.jpg", "a_b.jpg", "AB.jpg", "co op.jpg",
          "coop.jpg", "Coop.jpg", "co-op.jpg", "10.jpg", "9.jpg", "\xEF\xBC\x91.jpg", "1.jpg",
          "x.jpe.jpg", "X.JPE.jpg", "\xEF\xBD\xB6\xEF\xBE\x9E.jpg", "\xE3\x82\xAC.jpg", "\xE3\x81\x8C.jpg",
          "\xE8\xA1\xA8.jpg", "\xE3\x82\xBD.jpeg", "-a.jfif", "'a.jpe"}) {
        folder.AddFile(name);
    }
    Names expected = SearchOrderSortedByLstrcmpiA(folder.path());
    ASSERT_EQ(Build(folder.path()), 32);
    EXPECT_EQ(ListedNames(), expected);
}

// Hundreds of names whose keys share their first 8 bytes, or 16 (long
// prefixes), which the list puts in order 8 key bytes at a time; among them
// names equal but for letter case, which keep the order found.
TEST_F(FileListTest, OrderIsLstrcmpiAOrderOverNamesSharingLongPrefixes)
{
    const char *const prefixes[] = {"\xE5\x86\x99\xE7\x9C\x9F_", "IMG_20240501_", "\xEF\xBD\xB1\xEF\xBE\x99\xEF\xBE\x8A\xEF\xBE\x9E\xEF\xBE\x91",
                                    "\xE3\x82\xA2\xE3\x83\xAB\xE3\x83\x90\xE3\x83\xA0"};  // 写真_, ｱﾙﾊﾞﾑ, アルバム
    const char *const middles[] = {"1", "01", "10", "9", "100", "-1", "'1", "1a", "1A", "1-a"};
    const char *const endings[] = {".jpg", ".JPG", ".jpeg", "x.jpg", "X.jfif"};
    int count = 0;
    for (const char *prefix : prefixes) {
        for (const char *middle : middles) {
            for (const char *ending : endings) {
                folder.AddFile(std::string(prefix) + middle + ending);
                ++count;
            }
        }
    }
    Names expected = SearchOrderSortedByLstrcmpiA(folder.path());
    ASSERT_EQ(Build(folder.path()), count);
    EXPECT_EQ(ListedNames(), expected);
}
