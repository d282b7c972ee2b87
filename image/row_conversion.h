// Turns one decoded scanline into one stored row of a PackedDib.
#pragma once

#include <stddef.h>
#include <stdio.h>

// On Windows <windows.h> goes first: the JPEG library then takes its boolean.
#include "platform/win32.h"

#include <jpeglib.h>

// How the library's samples for one pixel are laid out.
enum class RowFormat {
    Bgr,           // 3 samples already blue, green, red: kept as they are
    Grey,          // 1 sample: s becomes blue s, green s, red s
    Rgb,           // 3 samples: red, green, blue
    Cmyk,          // 4 samples of ink: 0 = none, 255 = full
    InvertedCmyk,  // 4 samples as Adobe's writers store them: 255 = none
};

// Reads exactly width samples-per-pixel of `samples` and writes width * 3
// pixel bytes in blue-green-red order, then zero bytes up to `stride`. For
// Bgr, `samples` may be `row` itself (the library decoded into the row).
void ConvertRow(RowFormat format, const JSAMPLE *samples, size_t width, BYTE *row, size_t stride);
