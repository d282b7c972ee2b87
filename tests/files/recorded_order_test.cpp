// The name order against the order Windows gave, recorded under Wine
// (tools/sort_weights/record.sh): groups of names of every kind, each in
// Windows' order, a name that Windows finds equal to the one before it
// marked "= ". lstrcmpiA, CompareStringA and the keys of LCMapStringA must
// give every neighbour the same sign.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "app/viewer_state.h"
#include "files/file_list.h"
#include "platform/text/cp932.h"
#include "platform/win32.h"
#include "tests/files/files_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

struct Recorded {
    std::string group, name;  // the name in code page 932
    bool equalToPrevious;
};

std::vector<Recorded> ReadRecordedOrders()
{
    std::ifstream file(KOVLO_SOURCE_DIR "/tests/files/recorded_orders.txt");
    std::vector<Recorded> names;
    std::string line, group;
    while (std::getline(file, line)) {
        if (line.empty() || line.compare(0, 2, "# ") == 0) continue;
        if (line.compare(0, 7, "group: ") == 0) {
            group = line.substr(7);
            continue;
        }
        bool tie = line.compare(0, 2, "= ") == 0;
        std::string name;
        EXPECT_TRUE(Utf8ToCp932(tie ? line.substr(2) : line, &name)) << line;
        names.push_back({group, name, tie});
    }
    return names;
}

std::string KeyOf(const std::string &name)
{
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    std::string key(LCMapStringA(LOCALE_USER_DEFAULT, flags, name.c_str(), -1, nullptr, 0), '\0');
    LCMapStringA(LOCALE_USER_DEFAULT, flags, name.c_str(), -1, &key[0], int(key.size()));
    return key;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

TEST(RecordedOrder, EveryNeighbourAsWindowsOrdersIt)
{
    std::vector<Recorded> names = ReadRecordedOrders();
    ASSERT_GT(names.size(), 300u) << "the recorded orders are missing";
    int groups = 1;
    for (size_t i = 1; i < names.size(); ++i) {
        const Recorded &before = names[i - 1], &name = names[i];
        if (before.group != name.group) {
            ++groups;
            continue;
        }
        int expected = name.equalToPrevious ? 0 : -1;
        std::string shown = name.group + " " + Cp932ToUtf8(before.name) + " | " + Cp932ToUtf8(name.name);
        EXPECT_EQ(Sign(lstrcmpiA(before.name.c_str(), name.name.c_str())), expected) << shown;
        EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, before.name.c_str(), -1, name.name.c_str(), -1),
                  CSTR_EQUAL + expected) << shown;
        EXPECT_EQ(Sign(KeyOf(before.name).compare(KeyOf(name.name))), expected) << shown;
    }
    EXPECT_EQ(groups, 10) << "one group of each kind";
}

// How many of the file list's patterns (*.jpg, *.jpe*, *.jfi*) admit `name`.
int PatternsAdmitting(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    bool jpg = name.size() >= 4 && name.compare(name.size() - 4, 4, ".jpg") == 0;
    return jpg + (name.find(".jpe") != std::string::npos) + (name.find(".jfi") != std::string::npos);
}

// Each group as a folder, its files made in the reverse of Windows' order:
// the file list holds them in Windows' order. Names the patterns do not admit,
// or admit twice, are left out, and so are names equal to the one before them
// (equal names keep the order the folder gives them).
TEST(RecordedOrder, FileListInWindowsOrder)
{
    std::vector<Recorded> names = ReadRecordedOrders();
    for (size_t first = 0; first < names.size();) {
        size_t end = first;
        std::vector<std::string> expected;
        for (; end < names.size() && names[end].group == names[first].group; ++end) {
            if (!names[end].equalToPrevious && PatternsAdmitting(names[end].name) == 1) {
                expected.push_back(names[end].name);
            }
        }
        TempFolder folder;
        for (size_t i = expected.size(); i-- > 0;) folder.AddFile(Cp932ToUtf8(expected[i]));
        ResetViewerState();
        strncpy(g_viewer.folder, Cp932(folder.path()).c_str(), sizeof g_viewer.folder - 1);
        EXPECT_EQ(BuildFileList(), int(expected.size())) << names[first].group;
        EXPECT_EQ(ListedNames(), expected) << names[first].group;
        free(g_viewer.names);
        g_viewer.names = nullptr;
        first = end;
    }
}

}  // namespace
