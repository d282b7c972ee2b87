// wsprintfA: Windows' own small printf. Conversions d i u x X c s and %%, with
// the flags '-', '0' and '#', a width, a precision (for %s: at most that many
// bytes) and the size prefixes l and h (LONG is 32 bits, so both read an int).
// The output stops at 1024 bytes including the terminator.
#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <string>

#include "platform/win32.h"

namespace {

constexpr size_t kOutputLimit = 1024;

struct Spec {
    bool left = false, zero = false, alternate = false;
    int width = 0;
    int precision = -1;
    char type = 0;
};

const char *ParseSpec(const char *p, Spec *spec)
{
    for (;; ++p) {
        if (*p == '-') spec->left = true;
        else if (*p == '0') spec->zero = true;
        else if (*p == '#') spec->alternate = true;
        else break;
    }
    while (*p >= '0' && *p <= '9') spec->width = spec->width * 10 + (*p++ - '0');
    if (*p == '.') {
        spec->precision = 0;
        for (++p; *p >= '0' && *p <= '9'; ++p) spec->precision = spec->precision * 10 + (*p - '0');
    }
    while (*p == 'l' || *p == 'h') ++p;
    spec->type = *p;
    return *p != '\0' ? p + 1 : p;
}

std::string Digits(unsigned long long value, unsigned base, bool upper)
{
    const char *digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), digits[value % base]);
        value /= base;
    } while (value != 0);
    return out;
}

// Pads `body` (after `prefix`, e.g. a sign) to the width.
std::string Pad(const Spec &spec, const std::string &prefix, const std::string &body)
{
    size_t length = prefix.size() + body.size();
    if (spec.width <= 0 || length >= static_cast<size_t>(spec.width)) return prefix + body;
    std::string fill(spec.width - length, spec.zero && !spec.left ? '0' : ' ');
    if (spec.left) return prefix + body + fill;
    return spec.zero ? prefix + fill + body : fill + prefix + body;
}

std::string FormatOne(const Spec &spec, va_list *args)
{
    switch (spec.type) {
    case 'd':
    case 'i': {
        long long value = va_arg(*args, int);
        return Pad(spec, value < 0 ? "-" : "", Digits(value < 0 ? -value : value, 10, false));
    }
    case 'u': return Pad(spec, "", Digits(va_arg(*args, unsigned int), 10, false));
    case 'x':
    case 'X': {
        unsigned int value = va_arg(*args, unsigned int);
        std::string prefix = spec.alternate && value != 0 ? (spec.type == 'x' ? "0x" : "0X") : "";
        return Pad(spec, prefix, Digits(value, 16, spec.type == 'X'));
    }
    case 'c': return Pad(spec, "", std::string(1, static_cast<char>(va_arg(*args, int))));
    case 's': {
        const char *text = va_arg(*args, const char *);
        std::string body = text != nullptr ? text : "(null)";
        if (spec.precision >= 0 && body.size() > static_cast<size_t>(spec.precision))
            body.resize(spec.precision);
        return Pad(spec, "", body);
    }
    default: return std::string(1, spec.type);  // "%%" and unknown types print the character
    }
}

std::string Format(const char *format, va_list *args)
{
    std::string out;
    for (const char *p = format; *p != '\0' && out.size() < kOutputLimit;) {
        if (*p != '%') {
            out += *p++;
            continue;
        }
        Spec spec;
        p = ParseSpec(p + 1, &spec);
        if (spec.type != '\0') out += FormatOne(spec, args);
    }
    return out;
}

}  // namespace

extern "C" int wsprintfA(LPSTR buffer, LPCSTR format, ...)
{
    if (buffer == nullptr || format == nullptr) return 0;
    va_list args;
    va_start(args, format);
    std::string out = Format(format, &args);
    va_end(args);
    size_t length = std::min(out.size(), kOutputLimit - 1);
    std::memcpy(buffer, out.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}
