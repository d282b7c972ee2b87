// Test data: JPEG files made with the library's own compressor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct JpegOptions {
    int quality = 95;
    bool progressive = false;
    bool arithmetic = false;
    bool subsample420 = false;   // 4:2:0 chroma (default 4:4:4)
    bool adobeCmyk = false;      // 4 components: write an Adobe marker, inverted CMYK
    std::vector<std::vector<uint8_t>> app1Payloads;  // written in order after SOI
};

// A picture as the compressor takes it: top row first, `components` samples per
// pixel (1 grey, 3 RGB, 4 CMYK).
struct RawPicture {
    int width = 0;
    int height = 0;
    int components = 3;
    std::vector<uint8_t> samples;

    uint8_t *At(int x, int y) { return &samples[(size_t(y) * width + x) * components]; }
};

RawPicture MakePicture(int width, int height, int components);

// A picture whose four quadrants have distinct flat colours: red top-left,
// green top-right, blue bottom-left, white bottom-right (RGB only).
RawPicture MakeCornerPicture(int width, int height);

std::vector<uint8_t> EncodeJpeg(const RawPicture &picture, const JpegOptions &options = {});

// An APP1 payload "Exif\0\0" + TIFF header + IFD0 with one Orientation entry.
std::vector<uint8_t> ExifOrientationPayload(int orientation, bool bigEndian);

void WriteBytes(const std::string &path, const std::vector<uint8_t> &bytes);
std::vector<uint8_t> ReadBytes(const std::string &path);
