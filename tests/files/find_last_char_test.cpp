// FindLastChar in both modes, on texts where a second byte equals the code.
#include <gtest/gtest.h>

#include "files/find_last_char.h"
#include "tests/files/files_test_support.h"

namespace {

struct LastCharCase {
    const char *text;
    unsigned short code;
    int position;  // -1: none
};

TEST(FindLastChar, Table)
{
    const LastCharCase cases[] = {
        {"", '\\', -1},
        {"abc", 0, -1},
        {"a\\b\\c", '\\', 3},
        {"a\\b\\", '\\', 3},
        {"/home/u", '/', 5},
        {"\x95\x5C", '\\', -1},                 // 表 alone: its 0x5C is no backslash
        {"a\\\x95\x5C", '\\', 1},               // the real backslash before 表
        {"C:\\\x83\x5C", '\\', 2},              // folder ending in ソ
        {"a\\b\x95", '\\', 1},                  // ends in a lead byte: stop before it
        {"a\x95\\\\", '\\', 3},                 // lead byte eats the first backslash
        {"\x95\x5C", 0x955C, 0},                // 表 in double-byte mode (38236)
        {"x\x95\x5C" "y\x95\x5C", 0x955C, 4},
        {"\\", 0x955C, -1},                     // single bytes never match a double code
        {"\x95", 0x955C, -1},                   // a lead byte before the terminator
        {"\x5C\x95", 0x5C95, -1},               // pairs are formed from lead bytes only
        {"\xE0\x40" "a", 0xE040, 0},
        {"\xFC\x4B", 0xFC4B, 0},
        {"\x95\x5C", 0x95, -1},                 // a lead byte is never a single character
        {"\xA0\xDF", 0xDF, 1},                  // half-width katakana are single bytes
    };
    for (const LastCharCase &c : cases) {
        const char *found = FindLastChar(c.text, c.code);
        int position = found ? static_cast<int>(found - c.text) : -1;
        EXPECT_EQ(position, c.position)
            << testing::PrintToString(std::string(c.text)) << " code " << c.code;
    }
}

// A backslash after each end of the lead-byte ranges: the second byte of a
// character after a lead byte, a backslash of its own after any other byte.
TEST(FindLastChar, LeadByteRangeEnds)
{
    for (const LeadByteEdge &edge : kLeadByteEdges) {
        const char text[] = {char(edge.byte), '\\', 0};
        EXPECT_EQ(FindLastChar(text, '\\'), edge.lead ? nullptr : text + 1) << int(edge.byte);
    }
}

TEST(FindLastChar, NullTextFindsNothing)
{
    EXPECT_EQ(FindLastChar(nullptr, '\\'), nullptr);
}

}  // namespace
