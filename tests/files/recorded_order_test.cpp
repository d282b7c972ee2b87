// The name order against the order Windows gave, recorded under Wine
// (tools/sort_weights/record.sh): groups of names of every kind, each in
// Windows' order, a name that Windows finds equal to the one before it
// marked "= ". lstrcmpiA, CompareStringA and the keys of LCMapStringA must
// give every neighbour the same sign.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/text/cp932.h"
#include "platform/win32.h"

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

}  // namespace
