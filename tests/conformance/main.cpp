// The conformance program: one console program built twice, against the
// layer (Linux, headless host) and with MinGW for Windows (run under Wine),
// that calls Windows functions and prints what they answer. The two outputs
// are compared byte for byte (compare.sh); the differences that are known and
// explained are listed in expected_differences.txt.
//
//   kovlo-conformance [SECTION...]
//
// prints every section (or the ones named) to the standard output.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/conformance/conformance.h"
#include "tests/conformance/host.h"

namespace conformance {
namespace {

std::string FormatList(const char *format, va_list arguments)
{
    char small[512];
    va_list copy;
    va_copy(copy, arguments);
    int length = vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (length < 0) return std::string();
    if (static_cast<size_t>(length) < sizeof small) return std::string(small, length);
    std::string large(static_cast<size_t>(length) + 1, '\0');
    vsnprintf(&large[0], large.size(), format, arguments);
    large.resize(length);
    return large;
}

struct Section {
    const char *name;
    void (*run)();
};

#define CONFORMANCE_ENTRY(name, function) {#name, function},
const Section kSections[] = {CONFORMANCE_SECTIONS(CONFORMANCE_ENTRY)};
#undef CONFORMANCE_ENTRY

bool Wanted(const char *name, int argc, char **argv)
{
    if (argc <= 1) return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) return true;
    }
    return false;
}

}  // namespace

void Print(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::string text = FormatList(format, arguments);
    std::fwrite(text.data(), 1, text.size(), stdout);
    va_end(arguments);
}

std::string Format(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::string text = FormatList(format, arguments);
    va_end(arguments);
    return text;
}

std::string Escaped(const std::string &text)
{
    std::string out;
    for (unsigned char c : text) {
        out += (c >= 0x20 && c < 0x7F && c != '\\') ? std::string(1, char(c)) : Format("\\x%02X", c);
    }
    return out;
}

void PrintRows(const std::string &label, const std::vector<std::string> &rows)
{
    size_t start = 0;
    for (size_t i = 1; i <= rows.size(); ++i) {
        if (i < rows.size() && rows[i] == rows[start]) continue;
        std::string range = start == i - 1 ? Format("%02X", unsigned(start))
                                           : Format("%02X-%02X", unsigned(start), unsigned(i - 1));
        Print("%s %s:%s\n", label.c_str(), range.c_str(), rows[start].c_str());
        start = i;
    }
}

}  // namespace conformance

int main(int argc, char **argv)
{
    using namespace conformance;
    StartHost(&argc, &argv);
    for (const Section &section : kSections) {
        if (!Wanted(section.name, argc, argv)) continue;
        Print("== %s\n", section.name);
        section.run();
    }
    StopHost();
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
