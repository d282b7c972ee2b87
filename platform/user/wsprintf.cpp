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

struct Field {
    bool left = false, zero = false, alternate = false;
    int width = 0;
    int precision = -1;
    char type = 0;
};

const char *ParseField(const char *p, Field *field)
{
    for (;; ++p) {
        if (*p == '-') field->left = true;
        else if (*p == '0') field->zero = true;
        else if (*p == '#') field->alternate = true;
        else break;
    }
    while (*p >= '0' && *p <= '9') field->width = field->width * 10 + (*p++ - '0');
    if (*p == '.') {
        field->precision = 0;
        for (++p; *p >= '0' && *p <= '9'; ++p) field->precision = field->precision * 10 + (*p - '0');
    }
    while (*p == 'l' || *p == 'h') ++p;
    field->type = *p;
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
std::string Pad(const Field &field, const std::string &prefix, const std::string &body)
{
    size_t length = prefix.size() + body.size();
    if (field.width <= 0 || length >= static_cast<size_t>(field.width)) return prefix + body;
    std::string fill(field.width - length, field.zero && !field.left ? '0' : ' ');
    if (field.left) return prefix + body + fill;
    return field.zero ? prefix + fill + body : fill + prefix + body;
}

std::string FormatOne(const Field &field, va_list *args)
{
    switch (field.type) {
    case 'd':
    case 'i': {
        long long value = va_arg(*args, int);
        return Pad(field, value < 0 ? "-" : "", Digits(value < 0 ? -value : value, 10, false));
    }
    case 'u': return Pad(field, "", Digits(va_arg(*args, unsigned int), 10, false));
    case 'x':
    case 'X': {
        unsigned int value = va_arg(*args, unsigned int);
        std::string prefix = field.alternate && value != 0 ? (field.type == 'x' ? "0x" : "0X") : "";
        return Pad(field, prefix, Digits(value, 16, field.type == 'X'));
    }
    case 'c': return Pad(field, "", std::string(1, static_cast<char>(va_arg(*args, int))));
    case 's': {
        const char *text = va_arg(*args, const char *);
        std::string body = text != nullptr ? text : "(null)";
        if (field.precision >= 0 && body.size() > static_cast<size_t>(field.precision))
            body.resize(field.precision);
        return Pad(field, "", body);
    }
    default: return std::string(1, field.type);  // "%%" and unknown types print the character
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
        Field field;
        p = ParseField(p + 1, &field);
        if (field.type != '\0') out += FormatOne(field, args);
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
    // A text cut at the limit answers the limit itself, as Windows does: 1024
    // for the 1023 bytes written before the terminator.
    return static_cast<int>(out.size() >= kOutputLimit ? kOutputLimit : length);
}
