/* Asks Windows how it sorts code page 932 text in the Japanese locale
 * (0x0411). Built with MinGW and run under Wine (or on Windows) by
 * tools/sort_weights/record.sh. Texts come one a line on standard input,
 * written as hexadecimal bytes.
 *
 *   sort_recorder keys FLAGS   prints the key LCMapStringA(LCMAP_SORTKEY |
 *                              FLAGS) gives each text, in hexadecimal, one a
 *                              line (FLAGS in hexadecimal: 0, or 1 for
 *                              NORM_IGNORECASE)
 *   sort_recorder order        prints each group of texts (groups end at an
 *                              empty line) in the order CompareStringA with
 *                              NORM_IGNORECASE gives, a text that compares
 *                              equal to the one before it marked "= "
 *
 * The first line printed is the ANSI code page and the user locale, so that
 * a recording made in the wrong setting shows it. */
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { kLongest = 1024, kGroup = 4096 };

static int HexDigit(int c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

/* The bytes of one line of hexadecimal digits; -1 for a malformed line. */
static int ParseHex(const char *line, char *bytes, int room)
{
    int count = 0;
    while (HexDigit(line[0]) >= 0 && HexDigit(line[1]) >= 0) {
        if (count == room) return -1;
        bytes[count++] = (char)(HexDigit(line[0]) * 16 + HexDigit(line[1]));
        line += 2;
    }
    return (*line == '\0' || *line == '\n' || *line == '\r') ? count : -1;
}

static void PrintHex(const unsigned char *bytes, int count)
{
    for (int i = 0; i < count; ++i) printf("%02x", bytes[i]);
    printf("\n");
}

static void PrintKeys(DWORD flags)
{
    char line[2 * kLongest + 8], text[kLongest];
    unsigned char key[8 * kLongest];
    while (fgets(line, sizeof line, stdin)) {
        int length = ParseHex(line, text, sizeof text);
        int size = length < 0 ? 0 : LCMapStringA(0x0411, LCMAP_SORTKEY | flags, text, length, (char *)key, sizeof key);
        if (size <= 0) printf("error %d %lu\n", length, GetLastError());
        else PrintHex(key, size);
    }
}

struct Text {
    char bytes[kLongest];
    int length;
};

static int Compare(const struct Text *a, const struct Text *b)
{
    return CompareStringA(0x0411, NORM_IGNORECASE, a->bytes, a->length, b->bytes, b->length) - CSTR_EQUAL;
}

/* A stable insertion sort, then the group printed. */
static void PrintSorted(struct Text *group, int count)
{
    for (int i = 1; i < count; ++i) {
        struct Text moving = group[i];
        int at = i;
        while (at > 0 && Compare(&group[at - 1], &moving) > 0) {
            group[at] = group[at - 1];
            --at;
        }
        group[at] = moving;
    }
    for (int i = 0; i < count; ++i) {
        if (i > 0 && Compare(&group[i - 1], &group[i]) == 0) printf("= ");
        PrintHex((const unsigned char *)group[i].bytes, group[i].length);
    }
    printf("\n");
}

static void PrintOrders(void)
{
    static struct Text group[kGroup];
    char line[2 * kLongest + 8];
    int count = 0;
    while (fgets(line, sizeof line, stdin)) {
        int length = ParseHex(line, group[count].bytes, kLongest);
        if (length > 0 && count < kGroup) group[count++].length = length;
        if (length == 0) {
            PrintSorted(group, count);
            count = 0;
        }
    }
    if (count > 0) PrintSorted(group, count);
}

int main(int argc, char **argv)
{
    _setmode(_fileno(stdout), _O_BINARY);  /* lines end in \n alone */
    printf("acp %u lcid %04lx\n", GetACP(), (unsigned long)GetUserDefaultLCID());
    if (argc == 3 && strcmp(argv[1], "keys") == 0) PrintKeys(strtoul(argv[2], NULL, 16));
    else if (argc == 2 && strcmp(argv[1], "order") == 0) PrintOrders();
    else {
        fprintf(stderr, "usage: sort_recorder keys FLAGS | order\n");
        return 2;
    }
    return 0;
}
