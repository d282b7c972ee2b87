// Test data: JPEG files made with the library's own compressor.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// One scan of a progressive file: the components it holds, the coefficient
// band Ss..Se, and the successive-approximation bits Ah (previous) and Al.
struct JpegScan {
    std::vector<int> components;
    int ss = 0, se = 0, ah = 0, al = 0;
};

struct JpegOptions {
    int quality = 95;
    bool progressive = false;
    bool arithmetic = false;
    bool subsample420 = false;   // 4:2:0 chroma (default 4:4:4)
    bool adobeCmyk = false;      // 4 components: write an Adobe marker, inverted CMYK
    std::vector<std::vector<uint8_t>> app1Payloads;  // written in order after SOI
    bool ycck = false;           // 4 components: store as YCCK (Adobe marker, inverted)
    std::vector<JpegScan> scans; // progressive scan script; empty = the library's
};

// A picture as the compressor takes it: top row first, `components` samples per
// pixel (1 grey, 3 RGB, 4 CMYK; 2 is written as the "unknown" colour space).
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

// Something like a photograph: smooth gradients with sensor-like noise, the
// same for the same seed.
RawPicture MakePhotoPicture(int width, int height, int components, unsigned seed);

std::vector<uint8_t> EncodeJpeg(const RawPicture &picture, const JpegOptions &options = {});

// An APP1 payload "Exif\0\0" + TIFF header + IFD0 with one Orientation entry.
std::vector<uint8_t> ExifOrientationPayload(int orientation, bool bigEndian);

void WriteBytes(const std::string &path, const std::vector<uint8_t> &bytes);
std::vector<uint8_t> ReadBytes(const std::string &path);

// Opens a file with the C library's own fopen: the application's fopen (see
// platform/win32.h) takes code page 932 paths, test paths are plain ASCII.
FILE *OpenForReading(const std::string &path);

// A progressive scan script of exactly `count` scans for a picture of
// `components` components (1 or 3): every coefficient of every component gets
// its own scans, split into successive-approximation bit planes. `count` runs
// from 64 * components to 11 * 64 * components.
std::vector<JpegScan> ManyScanScript(int components, int count);

// ---------------------------------------------------------------------------
// Editing encoded files: the segments of a file and hostile variants of it.

// One marker segment: `offset` of its 0xFF byte, `size` bytes from there up to
// the next segment. An SOS segment includes its entropy-coded data.
struct JpegSegment {
    uint8_t marker = 0;
    size_t offset = 0;
    size_t size = 0;
};

std::vector<JpegSegment> ListSegments(const std::vector<uint8_t> &jpeg);

// The first segment with `marker`; throws when there is none.
JpegSegment FindSegment(const std::vector<uint8_t> &jpeg, uint8_t marker);

// The file with the frame header's (SOF0/1/2/9/10) fields overwritten.
std::vector<uint8_t> WithFrameSize(std::vector<uint8_t> jpeg, int width, int height);
std::vector<uint8_t> WithFramePrecision(std::vector<uint8_t> jpeg, int bits);

// The file with a second copy of its frame header right behind the first.
std::vector<uint8_t> WithDuplicateFrame(const std::vector<uint8_t> &jpeg);

// The first `count` bytes of the file.
std::vector<uint8_t> Truncated(const std::vector<uint8_t> &jpeg, size_t count);

// Offset of the middle of the first scan's entropy-coded data.
size_t MiddleOfFirstScan(const std::vector<uint8_t> &jpeg);

// ---------------------------------------------------------------------------
// Files a viewer meets in the wild that are not ordinary photographs, each
// with what a sound loader does with it: refuse it (width 0), or show the
// full-size picture width x height (upright; all are smaller than 800x575,
// so no fit view reduces them).
struct HostileFile {
    std::string name;
    std::vector<uint8_t> bytes;
    int width = 0;
    int height = 0;
};

std::vector<HostileFile> HostileJpegFiles();
