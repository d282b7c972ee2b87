// What every section of the conformance program shares: the output, written
// the same way by both builds, and a few helpers for printing answers
// compactly. A section calls the Windows functions it checks through
// platform/win32.h only; what a test needs beyond them (making a folder,
// pressing a key) is in host.h, one file per build.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"
#include "tests/conformance/sections.h"

namespace conformance {

// The output, on the standard output (in binary mode on Windows, so that both
// builds end lines with "\n" alone).
void Print(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;
std::string Format(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// The bytes of `text` with every byte outside printable ASCII (and the
// backslash) as \xNN, so that a line shows its code page 932 bytes exactly.
std::string Escaped(const std::string &text);

// Where values change over the inputs 0..count-1, each value given as text:
// " 00-7F:a 80:b ...". Runs of equal values share one entry, so a difference
// points at the first input that differs.
template <typename ValueOf>
std::string RunsOf(int count, ValueOf valueOf)
{
    std::string runs;
    int start = 0;
    std::string value = count > 0 ? valueOf(0) : std::string();
    for (int i = 1; i <= count; ++i) {
        std::string next = i < count ? valueOf(i) : std::string();
        if (i < count && next == value) continue;
        runs += start == i - 1 ? Format(" %02X:", start) : Format(" %02X-%02X:", start, i - 1);
        runs += value;
        start = i;
        value = next;
    }
    return runs;
}

// One line per row of a table indexed by a first byte (0..255), rows equal to
// the one before folded into it: "LABEL 81-9F:ROW".
void PrintRows(const std::string &label, const std::vector<std::string> &rows);

}  // namespace conformance

// One function per section (NAME_section.cpp).
#define CONFORMANCE_DECLARE(name, function) void function();
CONFORMANCE_SECTIONS(CONFORMANCE_DECLARE)
#undef CONFORMANCE_DECLARE
