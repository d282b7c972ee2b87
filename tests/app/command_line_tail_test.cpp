// The rule that finds the arguments behind the program name.
#include <gtest/gtest.h>

#include <string>

#include "app/command_line_tail.h"

namespace {

struct TailCase {
    const char *label;
    std::string line;
    std::string tail;
};

// Printed by label: the default printer would dump the strings' unused buffer bytes.
void PrintTo(const TailCase &c, std::ostream *out) { *out << c.label; }

class CommandLineTailTest : public testing::TestWithParam<TailCase> {};

TEST_P(CommandLineTailTest, TailFollowsProgramNameAndBlanks)
{
    const TailCase &c = GetParam();
    const char *tail = CommandLineTail(c.line.c_str());
    EXPECT_EQ(c.tail, tail);
    // The tail is a suffix of the line itself, not a copy.
    EXPECT_EQ(c.line.c_str() + (c.line.size() - c.tail.size()), tail);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineTailTest,
    testing::Values(
        TailCase{"empty", "", ""},
        TailCase{"name_only", "kovlo", ""},
        TailCase{"name_and_blank", "kovlo   ", ""},
        TailCase{"one_argument", "kovlo photos", "photos"},
        TailCase{"blanks_and_tabs_skipped", "kovlo \t \x01 photos", "photos"},
        TailCase{"inner_and_trailing_blanks_kept", "kovlo My Photos  ", "My Photos  "},
        TailCase{"quotes_of_tail_kept", "kovlo \"My Photos\"", "\"My Photos\""},
        TailCase{"quoted_name_with_blank", "\"/opt/my apps/kovlo\" pics", "pics"},
        TailCase{"quote_inside_name", "/opt/\"my apps\"/kovlo pics", "pics"},
        TailCase{"unclosed_quote_takes_all", "\"/opt/kovlo pics", ""},
        // A name of Japanese characters whose trail bytes are 0x20-free but
        // include 0x5C and a byte above 0x80: 表示 = 95 5C 8E A6.
        TailCase{"double_byte_name", "\x95\x5c\x8e\xa6 pics", "pics"},
        // A lead byte keeps its trail byte even when that byte is a blank or
        // a quote, so neither ends the name nor opens a quoted part.
        TailCase{"lead_byte_swallows_blank", "ab\x81 cd ef", "ef"},
        TailCase{"lead_byte_swallows_quote", "ab\x81\" cd", "cd"},
        TailCase{"bytes_above_0x80_belong_to_name", "k\xa0\xdf pics", "pics"},
        // A lead byte as the very last byte: the terminator is not passed.
        TailCase{"lead_byte_at_end", "kovlo\x81", ""},
        TailCase{"lead_byte_at_end_of_quoted", "\"kovlo \x81", ""},
        TailCase{"quote_right_after_closing_quote_continues_name", "\"k\"\"x y\" z", "z"}),
    [](const testing::TestParamInfo<TailCase> &info) { return std::string(info.param.label); });

}  // namespace
