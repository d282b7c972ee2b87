// lstrcmpiA: letter case ignored, digits one by one, a consistent order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

struct OrderCase {
    const char *a;
    const char *b;
    int sign;
};

TEST(LstrcmpiA, PairTable)
{
    const OrderCase cases[] = {
        {"a.jpg", "B.jpg", -1},
        {"B.jpg", "C.JPG", -1},
        {"A.JPG", "a.jpg", 0},            // case alone makes no difference
        {"10.jpg", "9.jpg", -1},          // no numeric ordering
        {"1.jpg", "10.jpg", -1},
        {"x.jpe.jpg", "x.jpe.jpg", 0},
        {"", "a", -1},
        {"abc", "abcd", -1},
        {"\x95\x5C.jpg", "a.jpg", 1},     // kanji after Latin letters
        {"\x83\x5C.jpg", "\x83\x5C.JPG", 0},
        {"caf\x81\xAC.jpg", "cafe.jpg", -1},  // the geta mark is a symbol: before letters
    };
    for (const OrderCase &c : cases) {
        EXPECT_EQ(Sign(lstrcmpiA(c.a, c.b)), c.sign) << c.a << " vs " << c.b;
        EXPECT_EQ(Sign(lstrcmpiA(c.b, c.a)), -c.sign) << c.b << " vs " << c.a;
    }
}

TEST(LstrcmpiA, SortsTheDocumentedExamples)
{
    std::vector<std::string> names = {"C.JPG", "9.jpg", "B.jpg", "10.jpg", "a.jpg"};
    std::stable_sort(names.begin(), names.end(), [](const std::string &x, const std::string &y) {
        return lstrcmpiA(x.c_str(), y.c_str()) < 0;
    });
    EXPECT_EQ(names, (std::vector<std::string>{"10.jpg", "9.jpg", "a.jpg", "B.jpg", "C.JPG"}));
}

TEST(LstrcmpiA, DamagedBytesStillGiveATotalOrder)
{
    // Names that are not valid code page 932 must compare consistently, or a
    // sort over them is undefined.
    const char *names[] = {"\x80", "\xFF", "a\x95", "\x81\x7F", "a", ""};
    for (const char *x : names) {
        EXPECT_EQ(lstrcmpiA(x, x), 0) << x;
        for (const char *y : names) EXPECT_EQ(Sign(lstrcmpiA(x, y)), -Sign(lstrcmpiA(y, x)));
    }
}

}  // namespace
