// The search patterns: stars, question marks, letter case, and double-byte
// characters whose second byte looks like an ASCII letter or a backslash.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files/wildcard.h"
#include "tests/files/files_test_support.h"

namespace {

struct MatchCase {
    const char *pattern;
    const char *name;
    bool matches;
};

TEST(MatchWildcard, Table)
{
    const MatchCase cases[] = {
        {"*.jpg", "a.jpg", true},
        {"*.jpg", "A.JPG", true},
        {"*.JPG", "a.jpg", true},
        {"*.jpg", ".jpg", true},             // the star may stand for nothing
        {"*.jpg", "a.jpg.bak", false},
        {"*.jpg", "a.jpgx", false},
        {"*.jpg", "x.jpe.jpg", true},
        {"*.jpe*", "x.jpe", true},
        {"*.jpe*", "x.JPEG", true},
        {"*.jpe*", "x.jpeg.bak", true},
        {"*.jpe*", "x.jpe.jpg", true},       // found again by the second pattern
        {"*.jpe*", "x.jpg", false},
        {"*.jfi*", "x.jfif", true},
        {"*.jfi*", "x.jfif.jpeg", true},
        {"*.jfi*", "x.jif", false},
        {"?.jpg", "a.jpg", true},
        {"?.jpg", "ab.jpg", false},
        {"?.jpg", ".jpg", false},            // '?' needs exactly one character
        {"?.jpg", "\x95\x5C.jpg", true},     // 表 is one character
        {"??.jpg", "\x95\x5C.jpg", false},
        {"a*b*c", "abbbc", true},
        {"a*b*c", "acb", false},
        {"*", "", true},
        {"", "", true},
        {"", "a", false},
        {"a.jpg", "A.JPG", true},            // no wildcard: equality, case ignored
        {"\x83\x5C.jpg", "\x83\x5C.JPG", true},
        {"\x83\x7C", "\x83\x5C", false},     // second bytes are not case-folded ('|' vs '\')
        {"\x82\x60", "\x82\x81", false},     // full-width Ａ is not ａ by ASCII folding
        {"*\x5C*", "\x95\x5C", false},       // the 0x5C inside 表 is not a backslash
        {"*\x5C*", "a\x5C" "b", true},
        {"*a", "\x82\x61", false},           // ｂ's second byte 0x61 is not an 'a'
        {"\x82*", "\x82\x61", false},        // a lead byte alone is not ｂ's first half
        {"*\x95", "a\x95", true},            // a lead byte cut off by the end stands alone
    };
    for (const MatchCase &c : cases) {
        EXPECT_EQ(MatchWildcard(c.pattern, c.name), c.matches)
            << "pattern " << testing::PrintToString(std::string(c.pattern)) << " name "
            << testing::PrintToString(std::string(c.name));
    }
}

// Expects `matches` from the walk and from the prepared pattern alike.
void ExpectMatch(const std::string &pattern, const std::string &name, bool matches)
{
    EXPECT_EQ(MatchWildcard(pattern, name), matches) << pattern << " " << testing::PrintToString(name);
    EXPECT_EQ(WildcardPattern(pattern).Matches(name), matches) << pattern << " " << testing::PrintToString(name);
}

// The ends of the lead-byte ranges: '?' takes a whole character, and "*@"
// finds its text only at a character's start.
TEST(MatchWildcard, LeadByteRangeEnds)
{
    for (const LeadByteEdge &edge : kLeadByteEdges) {
        const std::string name = {char(edge.byte), '@'};
        ExpectMatch("?", name, edge.lead);
        ExpectMatch("*@", name, !edge.lead);
        ExpectMatch("*@*", name, !edge.lead);
    }
}

// Letter case is folded for A to Z and for no byte beside them ('@' and '['
// are not '`' and '{'), either way round, in the walk and in the prepared
// "*text" and "*text*" shapes.
TEST(MatchWildcard, CaseFoldingEndsAtAAndZ)
{
    for (char upper = '@'; upper <= '['; ++upper) {
        const bool letter = upper >= 'A' && upper <= 'Z';
        const std::string u(1, upper), l(1, char(upper + 0x20));
        for (const auto &[p, n] : {std::pair(u, l), std::pair(l, u)}) {
            ExpectMatch(p + "?", n + "x", letter);
            ExpectMatch("*" + p, "x" + n, letter);
            ExpectMatch("*" + p + "*", "x" + n + "x", letter);
        }
    }
}

TEST(MatchWildcard, ManyStarsStayFast)
{
    // A pattern that makes naive backtracking exponential; the matcher must
    // still answer (correctly) at once.
    std::string pattern, name(4000, 'a');
    for (int i = 0; i < 200; ++i) pattern += "*a";
    EXPECT_TRUE(MatchWildcard(pattern + "*", name));
    EXPECT_FALSE(MatchWildcard(pattern + "b", name));
}

// Every name of up to five characters over bytes that the quick shapes could
// get wrong: letters of the patterns in both cases, '.', '*', and lead bytes,
// which take the next byte (even a '.' or a 'j') into one character.
std::vector<std::string> AwkwardNames()
{
    const char alphabet[] = {'.', 'j', 'J', 'p', 'g', 'E', 'x', '*', '\x83', '\x95'};
    std::vector<std::string> names = {""};
    for (size_t from = 0, length = 1; length <= 5; ++length) {
        size_t to = names.size();
        for (size_t i = from; i < to; ++i) {
            for (char c : alphabet) names.push_back(names[i] + c);
        }
        from = to;
    }
    return names;
}

TEST(WildcardPattern, AnswersAsTheWalkDoes)
{
    const char *const patterns[] = {
        "*.jpg", "*.JPE*", "*.jfi*", "*j", "*.*", "*x*", "*Jp*", "**", "*", "*?", "*.jp?", "*\x83*", "x*", "*.j*g",
    };
    const std::vector<std::string> names = AwkwardNames();
    for (const char *pattern : patterns) {
        const WildcardPattern prepared(pattern);
        int differences = 0;
        for (const std::string &name : names) {
            if (prepared.Matches(name) != MatchWildcard(pattern, name) && ++differences <= 3) {
                ADD_FAILURE() << "pattern " << pattern << " name " << testing::PrintToString(name);
            }
        }
        EXPECT_EQ(differences, 0) << pattern;
    }
}

TEST(WildcardPattern, Table)
{
    const MatchCase cases[] = {
        {"*.jpg", "A.JPG", true},
        {"*.jpg", "jpg", false},                 // shorter than the text
        {"*.jpg", "\x83.jpg", false},            // the '.' is the second byte of a character
        {"*.jpg", "\x83\x83.jpg", true},         // one double-byte character, then ".jpg"
        {"*.jpg", "\x83\x83\x83.jpg", false},
        {"*.jpe*", "\x83.jpe.jpeg", true},        // found again at a later boundary
        {"*.jpe*", "a\x83.jpe", false},
        {"*jpg", "\x83jpg", false},              // 'j' as a second byte
        {"*.jpg", "x.jp\x83", false},            // a lead byte at the end stands alone
        {"*.jpg", "x\x0Ejpg", false},            // only letters fold: 0x0E is not '.'
        {"*\x83", "a\x83", true},                // not ASCII: the walk decides
    };
    for (const MatchCase &c : cases) {
        EXPECT_EQ(WildcardPattern(c.pattern).Matches(c.name), c.matches)
            << "pattern " << testing::PrintToString(std::string(c.pattern)) << " name "
            << testing::PrintToString(std::string(c.name));
    }
}

TEST(HasWildcard, Table)
{
    const std::pair<const char *, bool> cases[] = {
        {"a.jpg", false}, {"*.jpg", true}, {"a?.jpg", true}, {"", false},
        {"\x83\x3F", false},  // a lead byte takes the next byte along, as FindLastChar does
        {"\x95\x5C", false},
    };
    for (const auto &c : cases) EXPECT_EQ(HasWildcard(c.first), c.second) << c.first;
}

}  // namespace
