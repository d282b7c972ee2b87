// The file list over a folder that changes between its counting and its
// collecting pass: every slot below fileCount holds a name that was found,
// and nothing is written past the block (the sanitizer build checks that).
#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "app/viewer_state.h"
#include "files/file_list_passes.h"
#include "tests/files/files_test_support.h"

namespace {

using Names = std::vector<std::string>;

// What the folder holds at the first and at the second pass.
Names g_firstPass, g_secondPass;
int g_passes;

void ChangingFolder(EntryVisitor visit, void *context)
{
    const Names &names = g_passes++ == 0 ? g_firstPass : g_secondPass;
    for (const std::string &name : names) visit(name.c_str(), context);
}

struct ChangeCase {
    const char *what;
    Names first, second;
    Names listed;
    int nameStride;
};

TEST(BuildFileListFrom, FolderChangingBetweenThePasses)
{
    const std::string longName(300, 'x');
    const ChangeCase cases[] = {
        {"unchanged", {"b.jpg", "a.jpg"}, {"b.jpg", "a.jpg"}, {"a.jpg", "b.jpg"}, 6},
        {"entries added: only as many as counted",
         {"b.jpg", "a.jpg"}, {"c.jpg", "b.jpg", "a.jpg", "d.jpg"}, {"b.jpg", "c.jpg"}, 6},
        {"entries removed: the count follows",
         {"b.jpg", "a.jpg", "c.jpg"}, {"c.jpg"}, {"c.jpg"}, 6},
        {"all removed: an empty list", {"a.jpg"}, {}, {}, 6},
        {"a longer name replaces one: passed over, never cut",
         {"a.jpg", "b.jpg"}, {"a.jpg", "bbbbbbbb.jpg", "b.jpg"}, {"a.jpg", "b.jpg"}, 6},
        {"a name too long for any slot is not counted", {longName, "a.jpg"}, {longName, "a.jpg"},
         {"a.jpg"}, 6},
        {"nothing at first: nothing collected", {}, {"a.jpg"}, {}, 1},
    };
    for (const ChangeCase &c : cases) {
        ResetViewerState();
        g_firstPass = c.first;
        g_secondPass = c.second;
        g_passes = 0;
        EXPECT_EQ(BuildFileListFrom(ChangingFolder), int(c.listed.size())) << c.what;
        EXPECT_EQ(ListedNames(), c.listed) << c.what;
        EXPECT_EQ(g_viewer.nameStride, c.nameStride) << c.what;
        EXPECT_EQ(g_viewer.names == nullptr, c.listed.empty()) << c.what;
        free(g_viewer.names);
    }
}

}  // namespace
