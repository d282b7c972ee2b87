// The code page 932 conversion: the table the paths rely on, damaged input,
// characters without a code page 932 form.
#include <gtest/gtest.h>

#include <random>

#include "platform/text/cp932.h"

namespace {

struct RoundTrip {
    const char *what;
    std::string cp932;
    std::string utf8;
};

// Printed by its description (the default would dump the record's raw bytes).
void PrintTo(const RoundTrip &c, std::ostream *os)
{
    *os << c.what;
}

class Cp932RoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(Cp932RoundTrip, ConvertsBothWays)
{
    const RoundTrip &c = GetParam();
    EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8);
    std::string back;
    ASSERT_TRUE(Utf8ToCp932(c.utf8, &back));
    EXPECT_EQ(back, c.cp932);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Cp932RoundTrip,
    testing::Values(RoundTrip{"empty", "", ""},
                    RoundTrip{"ascii", "a.JPG", "a.JPG"},
                    RoundTrip{"backslash stays a backslash", "\x5C", "\\"},
                    RoundTrip{"tilde stays a tilde", "\x7E", "~"},
                    RoundTrip{"hyou, trail byte 0x5C", "\x95\x5C.jpg", "\xE8\xA1\xA8.jpg"},
                    RoundTrip{"so, trail byte 0x5C", "\x83\x5C", "\xE3\x82\xBD"},
                    RoundTrip{"half-width katakana a", "\xB1", "\xEF\xBD\xB1"},
                    RoundTrip{"geta mark", "\x81\xAC", "\xE3\x80\x93"},
                    RoundTrip{"NEC row 13 circled one", "\x87\x40", "\xE2\x91\xA0"},
                    RoundTrip{"mixed", "a\x95\x5C" "b\x83\x5C" "c", "a\xE8\xA1\xA8" "b\xE3\x82\xBD" "c"}),
    [](const testing::TestParamInfo<RoundTrip> &info) { return "Case" + std::to_string(info.index); });

struct Damaged {
    std::string cp932;
    std::string utf8;
};

TEST(Cp932ToUtf8, ReplacesEachBadByteAndGoesOn)
{
    const std::string bad = "\xEF\xBF\xBD";
    const Damaged cases[] = {
        {"\x80", bad},                      // not a character
        {"\xFF" "a", bad + "a"},            // not a character, then ASCII
        {"a\x95", "a" + bad},               // lead byte cut off by the end
        {"\x81\x7F" "b", bad + "\x7F" "b"},  // lead byte with an impossible second byte
        {"\xA0\xFD\xFE", bad + bad + bad},
    };
    for (const Damaged &c : cases) {
        EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8) << testing::PrintToString(c.cp932);
    }
}

TEST(Cp932ToUtf8, KeepsEmbeddedZeroBytes)
{
    EXPECT_EQ(Cp932ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// UTF-8 of BMP characters as UTF-16.
std::u16string Utf16Of(const std::string &utf8)
{
    std::u16string out;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        size_t length = Utf8SequenceLength(b);
        char32_t c = length == 1 ? b : b & (0xFF >> (length + 1));
        for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(char16_t(c));
        i += length;
    }
    return out;
}

// The table-driven UTF-16 gives the characters the converter gives, damaged
// bytes included, however the table was filled before.
TEST(Cp932ToUtf16, GivesWhatCp932ToUtf8Gives)
{
    std::mt19937 random(932);
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        for (int length = 1 + random() % 10; length > 0; --length) {
            switch (random() % 4) {
            case 0: text += char(0x81 + random() % 0x7C); break;  // a lead byte, mostly
            case 1: text += char(0x40 + random() % 0xBD); break;  // a trail byte, mostly
            case 2: text += char(0xA1 + random() % 0x3F); break;  // half-width katakana
            default: text += char(0x20 + random() % 0x60); break;
            }
        }
        ASSERT_EQ(Cp932ToUtf16(text), Utf16Of(Cp932ToUtf8(text))) << testing::PrintToString(text);
    }
}

TEST(Utf8ToCp932, RefusesWhatHasNoForm)
{
    const char *cases[] = {"caf\xC3\xA9.jpg", "\xF0\x9F\x98\x80.jpg", "\xFF", "\xE8\xA1"};
    for (const char *utf8 : cases) {
        std::string out;
        EXPECT_FALSE(Utf8ToCp932(utf8, &out)) << utf8;
    }
}

struct Replacing {
    std::string utf8;
    std::string cp932;
    int replaced;
};

TEST(Utf8ToCp932Replacing, ReplacesOneMarkPerCharacterOrBadByte)
{
    const Replacing cases[] = {
        {"plain.jpg", "plain.jpg", 0},
        {"caf\xC3\xA9.jpg", "caf#.jpg", 1},
        {"\xF0\x9F\x98\x80\xF0\x9F\x98\x80.jpg", "##.jpg", 2},  // two emoji, four bytes each
        {"\xE8\xA1\xA8\xC3\xA9", "\x95\x5C#", 1},
        {"a\xFF\xFE" "b", "a##b", 2},  // bytes that are not UTF-8
        {"\xE8\xA1", "#", 1},          // a sequence cut off by the end
        {"\xE8" "a", "#a", 1},         // a sequence broken by ASCII
    };
    for (const Replacing &c : cases) {
        std::string out = "stale";
        EXPECT_EQ(Utf8ToCp932Replacing(c.utf8, "#", &out), c.replaced) << c.utf8;
        EXPECT_EQ(out, c.cp932) << c.utf8;
    }
}

}  // namespace
