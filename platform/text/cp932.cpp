// Code page 932 <-> UTF-8 through glibc's iconv. glibc's "CP932" table keeps
// 0x5C as the backslash and 0x7E as the tilde, which the path code relies on.
#include "platform/text/cp932.h"

#include <errno.h>
#include <iconv.h>

#include <atomic>
#include <cstdint>

namespace {

const char kReplacementUtf8[] = "\xEF\xBF\xBD";  // U+FFFD
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// One converter per thread and direction: an iconv_t keeps shift state and is
// not safe to share, and opening one per call is needlessly slow.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != kNoConverter) iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // The converter in its initial state, or kNoConverter.
    iconv_t Fresh()
    {
        if (cd_ != kNoConverter) iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return cd_;
    }

private:
    iconv_t cd_;
};

iconv_t FromCp932()
{
    thread_local Converter converter("UTF-8", "CP932");
    return converter.Fresh();
}

iconv_t ToCp932()
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter.Fresh();
}

// Converts as much of [*in, *in + *left) as it can, appending to `out`.
// Returns the errno of the stop, or 0 when everything was converted.
int ConvertChunk(iconv_t cd, const char **in, size_t *left, std::string *out)
{
    char buffer[256];
    while (*left > 0) {
        char *dst = buffer;
        size_t room = sizeof buffer;
        char *src = const_cast<char *>(*in);
        size_t result = iconv(cd, &src, left, &dst, &room);
        *in = src;
        out->append(buffer, dst - buffer);
        if (result == static_cast<size_t>(-1) && errno != E2BIG) return errno;
    }
    return 0;
}

// How many bytes at `s` (at most `left`) make one broken character, skipped
// as a unit after a stop: the lead byte with the continuation bytes that
// follow it, up to the sequence's length; a stray byte alone.
size_t BrokenSequenceLength(const unsigned char *s, size_t left)
{
    size_t length = s[0] < 0xC2 ? 1 : s[0] < 0xE0 ? 2 : s[0] < 0xF0 ? 3 : s[0] < 0xF5 ? 4 : 1;
    size_t i = 1;
    while (i < length && i < left && (s[i] & 0xC0) == 0x80) ++i;
    return i;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932)
{
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    iconv_t cd = FromCp932();
    const char *in = cp932.data();
    size_t left = cp932.size();
    while (left > 0) {
        if (cd == kNoConverter || ConvertChunk(cd, &in, &left, &out) != 0) {
            // An invalid or truncated sequence: one replacement for the byte,
            // then carry on with the next one.
            out.append(kReplacementUtf8);
            ++in;
            --left;
            if (cd != kNoConverter) iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

namespace {

const char16_t kReplacement16 = 0xFFFD;
const uint32_t kUnknown = 0, kInvalid = 0x10000;  // table entries besides a UTF-16 unit + 1

// The character of one code page 932 sequence (one or two bytes) as
// Cp932ToUtf8 gives it, or kInvalid when it is no character.
uint32_t DecodeOne(std::string_view sequence)
{
    std::string utf8;
    iconv_t cd = FromCp932();
    const char *in = sequence.data();
    size_t left = sequence.size();
    if (cd == kNoConverter || ConvertChunk(cd, &in, &left, &utf8) != 0) return kInvalid;
    const unsigned char *u = reinterpret_cast<const unsigned char *>(utf8.data());
    switch (utf8.size()) {
    case 1: return u[0];
    case 2: return ((u[0] & 0x1Fu) << 6) | (u[1] & 0x3Fu);
    case 3: return ((u[0] & 0x0Fu) << 12) | ((u[1] & 0x3Fu) << 6) | (u[2] & 0x3Fu);
    default: return kInvalid;  // not one BMP character
    }
}

// The character of every sequence met so far: a single byte b at b, a double
// one at lead * 256 + trail (lead bytes are never single), each as its UTF-16
// unit plus one. Threads may fill an entry at the same time: with the same value.
std::atomic<uint32_t> g_decoded[0x10000];

uint32_t Decoded(std::string_view sequence, unsigned index)
{
    uint32_t entry = g_decoded[index].load(std::memory_order_relaxed);
    if (entry == kUnknown) {
        uint32_t c = DecodeOne(sequence);
        entry = c == kInvalid ? kInvalid : c + 1;
        g_decoded[index].store(entry, std::memory_order_relaxed);
    }
    return entry;
}

}  // namespace

std::u16string Cp932ToUtf16(std::string_view cp932)
{
    std::u16string out;
    out.reserve(cp932.size());
    for (size_t i = 0; i < cp932.size();) {
        unsigned char b = static_cast<unsigned char>(cp932[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        bool pair = IsLeadByteOf932(b) && i + 1 < cp932.size();
        unsigned index = pair ? b * 256u + static_cast<unsigned char>(cp932[i + 1]) : b;
        uint32_t entry = Decoded(cp932.substr(i, pair ? 2 : 1), index);
        if (entry == kInvalid) {  // as Cp932ToUtf8: one replacement for the byte, then on
            out.push_back(kReplacement16);
            ++i;
        } else {
            out.push_back(char16_t(entry - 1));
            i += pair ? 2 : 1;
        }
    }
    return out;
}

bool Utf8ToCp932(std::string_view utf8, std::string *out)
{
    out->clear();
    iconv_t cd = ToCp932();
    if (cd == kNoConverter) return false;
    const char *in = utf8.data();
    size_t left = utf8.size();
    return ConvertChunk(cd, &in, &left, out) == 0;
}

int Utf8ToCp932Replacing(std::string_view utf8, std::string_view replacement, std::string *out)
{
    out->clear();
    iconv_t cd = ToCp932();
    const char *in = utf8.data();
    size_t left = utf8.size();
    int replaced = 0;
    while (left > 0) {
        if (cd != kNoConverter && ConvertChunk(cd, &in, &left, out) == 0) break;
        size_t skip = BrokenSequenceLength(reinterpret_cast<const unsigned char *>(in), left);
        out->append(replacement);
        in += skip;
        left -= skip;
        ++replaced;
        if (cd != kNoConverter) iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return replaced;
}
