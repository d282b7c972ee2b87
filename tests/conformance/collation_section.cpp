// Name order: what lstrcmpiA, CompareStringA and LCMapStringA(LCMAP_SORTKEY)
// answer for a seeded set of generated names of every kind a folder may
// hold, and every code page 932 character as a name of its own, sorted.
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace {

// The same sequence on every platform: no rand().
struct Random {
    unsigned state;
    unsigned Next(unsigned bound)
    {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % bound;
    }
};

// Characters by kind, code page 932 bytes, blank-separated.
const char *const kPools[] = {
    // ASCII punctuation, digits, letters of both cases
    "! \" # $ % & ' ( ) * + , - . ; = @ [ ] ^ _ ` { } ~ 0 1 2 9 a b y z A B Y Z",
    // full-width digits, letters and punctuation; half-width katakana
    "\x82\x4f \x82\x50 \x82\x60 \x82\x81 \x82\x79 \x82\x9a \x81\x7c \x81\x66 \x81\x5d \x81\x69 \x81\x6a \x81\x51",
    "\xb1 \xa7 \xb6 \xb6\xde \xca\xdf \xca\xde \xdc \xdd \xb0 \xa5",
    // hiragana and katakana: small, voiced, semi-voiced
    "\x82\xa0 \x82\x9f \x82\xa9 \x82\xaa \x82\xcd \x82\xce \x82\xcf \x82\xc1 \x82\xf1 \x82\xe1",
    "\x83\x41 \x83\x40 \x83\x4a \x83\x4b \x83\x6e \x83\x6f \x83\x70 \x83\x62 \x83\x93 \x83\x94 \x83\x96",
    // the marks that repeat what stands before them, and the voicing marks alone
    "\x81\x5b \xb0 \x81\x52 \x81\x53 \x81\x54 \x81\x55 \x81\x58 \x81\x5c \x81\x4a \x81\x4b \xde \xdf",
    // Greek and Cyrillic
    "\x83\x9f \x83\xbf \x83\xa0 \x83\xc0 \x84\x40 \x84\x70 \x84\x41 \x84\x71",
    // symbols, circled and Roman numerals, units that stand for several letters
    "\x81\xa0 \x81\x9a \x81\xf4 \x87\x40 \x87\x54 \x87\x55 \x87\x8a \x87\x8d \x87\x6f \x87\x83 \x81\x8f \xfa\x56",
    // kanji, some with 0x5C as their second byte, IBM extensions, private use
    "\x8e\xca \x90\x5e \x93\xfa \x96\x7b \x95\x5c \x83\x5c \x8f\x5c \x94\x5c \xfa\x5c \xed\x40 \xf0\x40",
};

const char *const kExtensions[] = {".jpg", ".JPG", ".jpeg", ".JPEG", ".jpe", ".JPE", ".jfif", ".jfi", ".Jpg", ""};

std::vector<std::string> Split(const char *pool)
{
    std::vector<std::string> out;
    for (const char *at = pool; *at;) {
        const char *end = strchr(at, ' ');
        if (!end) end = at + strlen(at);
        out.emplace_back(at, end);
        at = *end ? end + 1 : end;
    }
    return out;
}

std::vector<std::string> GeneratedNames(int count)
{
    std::vector<std::vector<std::string>> pools;
    for (const char *pool : kPools) pools.push_back(Split(pool));
    Random random = {20261208};
    std::vector<std::string> names;
    while (int(names.size()) < count) {
        std::string stem;
        int length = 1 + random.Next(6);
        for (int i = 0; i < length; ++i) {
            const std::vector<std::string> &pool = pools[random.Next(unsigned(pools.size()))];
            stem += pool[random.Next(unsigned(pool.size()))];
        }
        std::string name = stem + kExtensions[random.Next(sizeof kExtensions / sizeof *kExtensions)];
        names.push_back(name);
        if (random.Next(4) == 0) names.push_back(stem);  // a prefix of the name before
    }
    return names;
}

std::string Hex(const std::string &bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string SortKey(const std::string &name, DWORD flags)
{
    char key[2048];
    int size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | flags, name.c_str(), -1, key, sizeof key);
    return std::string(key, size > 0 ? size : 0);
}

char Sign(int order)
{
    return order < 0 ? '<' : order > 0 ? '>' : '=';
}

// Each name with its keys, with and without letter case, then the signs of
// lstrcmpiA and of CompareStringA with both flags for each name and the next.
void PrintNames(const std::vector<std::string> &names)
{
    for (const std::string &name : names) {
        printf("%s %s %s\n", Hex(name).c_str(), Hex(SortKey(name, NORM_IGNORECASE)).c_str(),
               Hex(SortKey(name, 0)).c_str());
    }
    std::string signs;
    for (size_t i = 0; i + 1 < names.size(); ++i) {
        const char *a = names[i].c_str(), *b = names[i + 1].c_str();
        signs += Sign(lstrcmpiA(a, b));
        signs += Sign(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) - CSTR_EQUAL);
        signs += Sign(CompareStringA(LOCALE_USER_DEFAULT, 0, a, -1, b, -1) - CSTR_EQUAL);
        signs += ' ';
        if (signs.size() == 96) {
            printf("signs %s\n", signs.c_str());
            signs.clear();
        }
    }
    printf("signs %s\n", signs.c_str());
}

// Every character as a name, in lstrcmpiA's order; "=" marks a name that
// compares equal to the one before it.
void PrintEveryCharacterSorted()
{
    struct Entry {
        std::string name, key;
    };
    std::vector<Entry> entries;
    for (int byte = 1; byte < 256; ++byte) {
        if (!IsDBCSLeadByte(BYTE(byte))) entries.push_back({std::string(1, char(byte)), ""});
        for (int trail = 0x40; IsDBCSLeadByte(BYTE(byte)) && trail <= 0xFC; ++trail) {
            if (trail != 0x7F) entries.push_back({std::string{char(byte), char(trail)}, ""});
        }
    }
    for (Entry &entry : entries) entry.key = SortKey(entry.name, NORM_IGNORECASE);
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.key < b.key;
    });
    for (size_t i = 0; i < entries.size(); ++i) {
        bool tie = i > 0 && lstrcmpiA(entries[i - 1].name.c_str(), entries[i].name.c_str()) == 0;
        printf("%s%s\n", tie ? "= " : "", Hex(entries[i].name).c_str());
    }
}

}  // namespace

void PrintCollation(void)
{
    printf("== collation: generated names\n");
    PrintNames(GeneratedNames(4000));
    printf("== collation: every character, sorted\n");
    PrintEveryCharacterSorted();
}
