// Fuzzes the command-line tail rule: any bytes as a command line.
//
// KOVLO_FUZZ_SEEDS=<folder> ./command_line_fuzz writes the seed corpus and exits.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <iterator>
#include <string>
#include <vector>

#include "app/command_line_tail.h"
#include "fuzz/seeds/seed_files.h"

namespace {

// Lines of the shapes a program is started with: bare and quoted names,
// blanks and tabs after them, double-byte names whose second byte is 0x5C,
// an open quote, a lead byte at the very end.
const char *const kSeedLines[] = {
    "kovlo",
    "kovlo photos",
    "kovlo   \t  \"My Photos\"  ",
    "\"C:\\Program Files\\kovlo.exe\" C:\\pics",
    "\"/usr/local/bin/kovlo\"/tail x",
    "\x95\x5c\x83\x5c.exe \x95\x5c",
    "\"unterminated quote and blanks   ",
    "kovlo\x81",
    "",
};

std::vector<std::string> Seeds()
{
    return std::vector<std::string>(std::begin(kSeedLines), std::end(kSeedLines));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    WriteSeedsIfAsked(Seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A command line ends at its first 0 byte, as the platform hands it over.
    std::vector<char> line(data, data + size);
    line.push_back(0);
    size_t length = strlen(line.data());
    const char *tail = CommandLineTail(line.data());
    // The tail lies inside the line, its terminator included.
    if (tail < line.data() || tail > line.data() + length)
        abort();
    // It starts at the end or at a byte that is no blank or control byte.
    unsigned char first = static_cast<unsigned char>(*tail);
    if (first != 0 && first <= 0x20)
        abort();
    // Its own tail rule applied again from a fresh program name stays inside.
    const char *again = CommandLineTail(tail);
    if (again < tail || again > line.data() + length)
        abort();
    return 0;
}
