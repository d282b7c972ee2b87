// The camera orientation from a file's EXIF block (TIFF tag 0x0112 of IFD0).
#pragma once

#include <stddef.h>
#include <stdio.h>

#include <jpeglib.h>

// Orientation 1..8 from the last "Exif" APP1 marker saved in the decompressor,
// or 0 when there is none or anything about it is malformed.
int ReadExifOrientation(j_decompress_ptr decompressor);

// The same walk over one APP1 payload (the bytes behind the marker's length
// field): 1..8, or 0. Reads no byte at or past data + length.
int ReadExifOrientationFromPayload(const unsigned char *data, size_t length);
