// wsprintfA: the conversions the program uses and the 1024-byte limit.
#include <cstdint>
#include <cstring>
#include <string>

#include "tests/layer/layer_fixture.h"

namespace {

TEST(WsprintfTest, FormatsLikeWindows)
{
    struct Case {
        std::string expected;
        std::string got;
    };
    char b[1100];
    auto run = [&b](int length) { return std::string(b, length); };
    const Case cases[] = {
        {"12", run(wsprintfA(b, "%d", 12))},
        {"-7", run(wsprintfA(b, "%d", -7))},
        {"-2147483648", run(wsprintfA(b, "%d", INT32_MIN))},
        {"4294967295", run(wsprintfA(b, "%u", 0xFFFFFFFFu))},
        {"ff FF", run(wsprintfA(b, "%x %X", 255, 255))},
        {"0x1f", run(wsprintfA(b, "%#x", 31))},
        {"A", run(wsprintfA(b, "%c", 'A'))},
        {"a - b", run(wsprintfA(b, "%s - %s", "a", "b"))},
        {"(null)", run(wsprintfA(b, "%s", static_cast<const char *>(nullptr)))},
        {"100%", run(wsprintfA(b, "%d%%", 100))},
        {"  5|5  |005", run(wsprintfA(b, "%3d|%-3d|%03d", 5, 5, 5))},
        {"ab", run(wsprintfA(b, "%.2s", "abcdef"))},
        {"7", run(wsprintfA(b, "%ld", 7))},
        // Code page 932 bytes pass through untouched: 12枚目中
        {"12\x96\x87\x96\xDA\x92\x86", run(wsprintfA(b, "%d\x96\x87\x96\xDA\x92\x86", 12))},
    };
    for (const Case &c : cases) EXPECT_EQ(c.got, c.expected);
}

TEST(WsprintfTest, OutputStopsAt1023BytesAndATerminator)
{
    std::string longText(2000, 'x');
    char buffer[1100];
    std::memset(buffer, '#', sizeof buffer);
    // A cut text answers 1024, as Windows' wsprintfA does (the conformance
    // program compares it under Wine).
    EXPECT_EQ(wsprintfA(buffer, "%s", longText.c_str()), 1024);
    EXPECT_EQ(buffer[1023], '\0');
    EXPECT_EQ(buffer[1024], '#');  // nothing written past the limit
    EXPECT_EQ(wsprintfA(buffer, "%s%s", longText.c_str(), "y"), 1024);
    EXPECT_EQ(wsprintfA(buffer, "%s", longText.substr(0, 1023).c_str()), 1023);
}

}  // namespace
