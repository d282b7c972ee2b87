/* Prints what Windows' MulDiv answers for the cases of
 * tests/layer/mul_div_test.cpp, one "a b c -> result" line each:
 *   x86_64-w64-mingw32-gcc tools/record_mul_div.c -o record_mul_div.exe
 *   wine record_mul_div.exe
 * (recorded under Debian's Wine 8). */
#include <windows.h>
#include <stdio.h>

int main(void)
{
    static const int cases[][3] = {{25, 144, 96}, {-25, 144, 96}, {25, -144, 96}, {1, 1, 2},
                                   {-1, 1, 2},    {3, 1, -2},     {7, 0, 0},      {0x7fffffff, 2, 1},
                                   {-12, 192, 96}, {17, 120, 96}};
    for (int i = 0; i < (int)(sizeof cases / sizeof cases[0]); ++i)
        printf("%d %d %d -> %d\n", cases[i][0], cases[i][1], cases[i][2],
               MulDiv(cases[i][0], cases[i][1], cases[i][2]));
    return 0;
}
