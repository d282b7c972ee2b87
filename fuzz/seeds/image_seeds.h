// Seed corpora of the image fuzzers, made with the tests' own JPEG writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One EXIF APP1 payload per seed: every orientation in both byte orders and
// the malformed shapes the reader must refuse.
std::vector<std::vector<uint8_t>> ExifSeeds();

// Small JPEG files of every kind the viewer meets (grey, 4:2:0, 4:4:4,
// progressive, arithmetic, CMYK, Adobe CMYK, YCCK, odd widths, every EXIF
// orientation) and the hostile-file catalogue.
std::vector<std::vector<uint8_t>> JpegSeeds();
