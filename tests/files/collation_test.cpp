// lstrcmpiA and LCMapStringA: letter case ignored and nothing else, a word
// sort, digits one by one, a consistent order, keys that agree with it.
#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32.h"

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

std::string SortKey(const char *name)
{
    int size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name, -1, nullptr, 0);
    std::string key(size, '?');
    EXPECT_EQ(LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name, -1, &key[0], size),
              size);
    EXPECT_EQ(key.find('\0'), key.size() - 1) << "one 0 byte, at the end: " << name;
    return key;
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
        // Case is all that is ignored: widths and kana types differ.
        {"A.jpg", "\x82\x60.jpg", -1},          // A, full-width A
        {"\x82\x60.jpg", "\x82\x81.jpg", 0},     // full-width A, full-width a
        {"1.jpg", "\x82\x50.jpg", -1},          // 1, full-width 1
        {"\xB1.jpg", "\x83\x41.jpg", -1},        // half-width katakana a, katakana a
        {"\x83\x41.jpg", "\x82\xA0.jpg", -1},    // katakana a, hiragana a
        {"\x82\x9F.jpg", "\xB1.jpg", -1},        // small hiragana a: small ones first
        {"\x83\x40.jpg", "\x82\x9F.jpg", -1},    // small katakana a, small hiragana a
        {"\x82\xA0.jpg", "\xB2.jpg", -1},        // hiragana a, half-width katakana i
        {"\xB6\xDE.jpg", "\x82\xAA.jpg", 1},     // half-width ka with its mark, hiragana ga
        {"\x83\x9F.jpg", "\x83\xBF.jpg", 0},     // Greek capital and small alpha
        {"\x84\x40.jpg", "\x84\x70.jpg", 0},     // Cyrillic capital and small a
        // Word sort: hyphens and apostrophes weigh least.
        {"aa.jpg", "a-b.jpg", -1},
        {"ab.jpg", "a-b.jpg", -1},
        {"-ab.jpg", "ac.jpg", -1},
        {"a'b.jpg", "a-b.jpg", -1},
        {"ab-c.jpg", "a-bc.jpg", -1},         // the later one sorts first
        {"a\x81\x7C" "b.jpg", "ab.jpg", 1},     // full-width hyphen-minus
        {"a\x81\x5D" "b.jpg", "ab.jpg", 1},     // hyphen
        {"a_b.jpg", "a-b.jpg", -1},           // other punctuation is not set aside
        {"co op.jpg", "coop.jpg", -1},        // nor is the blank
        {"A-B.jpg", "a-b.jpg", 0},
    };
    for (const OrderCase &c : cases) {
        EXPECT_EQ(Sign(strcmp(SortKey(c.a).c_str(), SortKey(c.b).c_str())), c.sign) << c.a << " vs " << c.b;
        EXPECT_EQ(Sign(lstrcmpiA(c.a, c.b)), c.sign) << c.a << " vs " << c.b;
        EXPECT_EQ(Sign(lstrcmpiA(c.b, c.a)), -c.sign) << c.b << " vs " << c.a;
    }
}

// Letter case is ignored for A to Z and for no byte beside them ('@' and '['
// are not '`' and '{'), in ASCII names and in names with a kana (whose keys
// have levels of their own).
TEST(LstrcmpiA, CaseIsFoldedFromAToZOnly)
{
    for (char upper = '@'; upper <= '['; ++upper) {
        const bool letter = upper >= 'A' && upper <= 'Z';
        for (const char *tail : {".jpg", "\x82\xA0.jpg"}) {
            const std::string a = std::string(1, upper) + tail, b = char(upper + 0x20) + std::string(tail);
            EXPECT_EQ(lstrcmpiA(a.c_str(), b.c_str()) == 0, letter) << a;
            EXPECT_EQ(SortKey(a.c_str()) == SortKey(b.c_str()), letter) << a;
        }
    }
}

// An empty name as the first a thread collates: its key is made in room
// never allocated (the sanitizer build fails on copying from no memory).
TEST(LstrcmpiA, EmptyNameFirstInAThread)
{
    int order = -2;
    std::thread([&order] { order = lstrcmpiA("", ""); }).join();
    EXPECT_EQ(0, order);
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

TEST(LCMapStringA, SizesAndRefusals)
{
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, "a.jpg", -1, nullptr, 0);
    ASSERT_GT(size, 1);
    std::string key(size, '?');
    EXPECT_EQ(LCMapStringA(LOCALE_USER_DEFAULT, flags, "a.jpg", -1, &key[0], size - 1), 0);  // no room
    EXPECT_EQ(LCMapStringA(LOCALE_USER_DEFAULT, flags, "a.jpgXYZ", 5, &key[0], size), size);  // a length
    EXPECT_EQ(key, SortKey("A.JPG"));
    EXPECT_EQ(LCMapStringA(LOCALE_USER_DEFAULT, flags | 0x10000, "a.jpg", -1, nullptr, 0), 0);  // kana type ignored: not provided
    EXPECT_EQ(LCMapStringA(LOCALE_USER_DEFAULT, flags, "a.jpg", 0, nullptr, 0), 0);  // no text: refused, as by Windows
    EXPECT_EQ(LCMapStringA(LOCALE_USER_DEFAULT, flags, nullptr, -1, nullptr, 0), 0);
}

}  // namespace
