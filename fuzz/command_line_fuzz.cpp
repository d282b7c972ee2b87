// Fuzzes the command-line tail rule: any bytes as a command line.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "app/command_line_tail.h"

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
