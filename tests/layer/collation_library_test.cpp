// The collation library is in memory only while names are collated: a
// program's first window sends it away before any picture is decoded, and a
// later collation brings it back with the same order.
#include <fstream>
#include <string>

#include "tests/layer/layer_fixture.h"

namespace {

// The collation library's files mapped into this process, one per line.
std::string MappedCollationLibrary()
{
    std::ifstream maps("/proc/self/maps");
    std::string line, found;
    while (std::getline(maps, line)) {
        if (line.find("/libicu") != std::string::npos) found += line.substr(line.rfind(' ') + 1) + "\n";
    }
    return found;
}

// Half-width katakana before hiragana is the collation's order; the names'
// bytes (0x82A0 against 0xB1) would give the other.
void ExpectCollatedOrder(const char *when)
{
    EXPECT_LT(lstrcmpiA("\xB1.jpg", "\x82\xA0.jpg"), 0) << when;
}

class CollationLibraryTest : public LayerTest {};

TEST_F(CollationLibraryTest, LeavesWithTheFirstWindowAndComesBackWhenNeeded)
{
    ExpectCollatedOrder("before any window");
    EXPECT_NE(MappedCollationLibrary(), "") << "collating loads the library";
    CreateTestWindow();
    EXPECT_EQ(MappedCollationLibrary(), "") << "still mapped after a window was created";
    ExpectCollatedOrder("after the window");
    EXPECT_NE(MappedCollationLibrary(), "");
}

}  // namespace
