// FindLastChar on arbitrary bytes, checked against a plain restatement of the
// rule. The text sits in an exactly-sized heap copy so that a read past its
// terminator is caught. The first two bytes give the code.
//
// KOVLO_FUZZ_SEEDS=<folder> ./find_last_char_fuzz writes the seed corpus and exits.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/seeds/seed_files.h"
#include "files/find_last_char.h"

namespace {

// Position of the last match by walking characters one at a time, or -1.
long Reference(const std::string &text, unsigned code)
{
    long found = -1;
    size_t i = 0;
    while (i < text.size() && text[i] != 0) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        bool pair = IsCp932LeadByte(b);
        if (pair && (i + 1 >= text.size() || text[i + 1] == 0)) break;
        unsigned character = pair ? b * 256u + static_cast<unsigned char>(text[i + 1]) : b;
        bool doubleByteCode = code >= 256;
        if (code != 0 && pair == doubleByteCode && character == code) found = long(i);
        i += pair ? 2 : 1;
    }
    return found;
}

// A seed is the code in two bytes, high first, then the text.
std::vector<std::string> Seeds()
{
    const std::pair<unsigned, std::string> seeds[] = {
        {'\\', "C:\\Photos\\a.jpg"},      {'/', "/home/u/\x95\x5C/x.jpg"},
        {'\\', "\x95\x5C\x83\x5C\\"},     {0x955C, "a\x95\x5C" "b\x95\x5C"},
        {'\\', "abc\x95"},                {0xE040, "\xE0\x40\xFC\xFC"},
        {0, "anything"},                  {'a', ""},
    };
    std::vector<std::string> out;
    for (const auto &seed : seeds)
        out.push_back(std::string{char(seed.first >> 8), char(seed.first & 0xFF)} + seed.second);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    WriteSeedsIfAsked(Seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2) return 0;
    unsigned short code = static_cast<unsigned short>(data[0] << 8 | data[1]);
    std::string text(reinterpret_cast<const char *>(data + 2), size - 2);
    std::vector<char> copy(text.size() + 1);
    std::memcpy(copy.data(), text.data(), text.size());
    copy[text.size()] = 0;

    const char *found = FindLastChar(copy.data(), code);
    long position = found ? long(found - copy.data()) : -1;
    if (position != Reference(text, code)) std::abort();
    return 0;
}
