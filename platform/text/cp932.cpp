// Code page 932 <-> UTF-8 through glibc's iconv. glibc's "CP932" table keeps
// 0x5C as the backslash and 0x7E as the tilde, which the path code relies on.
#include "platform/text/cp932.h"

#include <errno.h>
#include <iconv.h>

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
