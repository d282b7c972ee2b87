// The code page 932 conversions and the collation on arbitrary bytes:
// - code page 932 to UTF-8 always gives well-formed UTF-8, and what converts
//   back converts to the same UTF-8 again;
// - the replacing conversion from UTF-8 always gives valid code page 932;
// - lstrcmpiA is reflexive and antisymmetric, also on damaged names.
// The input is two texts split at the first 0 byte.
//
// KOVLO_FUZZ_SEEDS=<folder> ./cp932_fuzz writes the seed corpus and exits.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/seeds/seed_files.h"
#include "platform/text/cp932.h"
#include "platform/win32.h"

namespace {

bool IsWellFormedUtf8(const std::string &text)
{
    for (size_t i = 0; i < text.size();) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        size_t length = b < 0x80 ? 1 : b >= 0xC2 && b < 0xE0 ? 2 : b >= 0xE0 && b < 0xF0 ? 3
                        : b >= 0xF0 && b < 0xF5 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

void CheckConversions(const std::string &bytes)
{
    std::string utf8 = Cp932ToUtf8(bytes);
    if (!IsWellFormedUtf8(utf8)) std::abort();
    std::string back;
    if (Utf8ToCp932(utf8, &back) && Cp932ToUtf8(back) != utf8) std::abort();

    std::string replaced;
    Utf8ToCp932Replacing(bytes, "\x81\xAC", &replaced);
    if (Cp932ToUtf8(replaced).find("\xEF\xBF\xBD") != std::string::npos) std::abort();
}

std::vector<std::string> Seeds()
{
    return {
        std::string("a.jpg\0B.JPG", 11),
        std::string("\x95\x5C.jpg\0\x83\x5C.jpg", 13),
        std::string("caf\xC3\xA9\0caf\x81\xAC", 10),
        std::string("\xF0\x9F\x98\x80\0\x80\xFF", 7),
        std::string("10.jpg\0" "9.jpg", 12),
        std::string("\xE8\xA1\0\x95", 4),
    };
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    WriteSeedsIfAsked(Seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string input(reinterpret_cast<const char *>(data), size);
    CheckConversions(input);
    size_t split = input.find('\0');
    std::string a = input.substr(0, split);
    std::string b = split == std::string::npos ? std::string() : input.substr(split + 1);
    b = b.substr(0, b.find('\0'));
    if (lstrcmpiA(a.c_str(), a.c_str()) != 0) std::abort();
    if (Sign(lstrcmpiA(a.c_str(), b.c_str())) != -Sign(lstrcmpiA(b.c_str(), a.c_str()))) std::abort();
    return 0;
}
