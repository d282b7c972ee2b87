// MulDiv, which scales every 96-DPI size, against Windows' answers as
// tools/record_mul_div.c printed them under Wine: halves rounded away from
// zero, the sign of the divisor counted, -1 for a zero divisor or a result
// beyond 32 bits.
#include <gtest/gtest.h>

#include "platform/win32.h"

namespace {

TEST(MulDivTest, AnswersAsWindows)
{
    struct Case {
        int number, numerator, denominator, windows;
    };
    const Case cases[] = {
        {25, 144, 96, 38}, {-25, 144, 96, -38}, {25, -144, 96, -38}, {1, 1, 2, 1},
        {-1, 1, 2, -1},    {3, 1, -2, -2},      {7, 0, 0, -1},       {0x7fffffff, 2, 1, -1},
        {-12, 192, 96, -24}, {17, 120, 96, 21},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.windows, MulDiv(c.number, c.numerator, c.denominator))
            << c.number << " * " << c.numerator << " / " << c.denominator;
}

}  // namespace
