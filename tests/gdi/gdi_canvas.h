// Test helpers for the drawing tests: a client surface with an open device
// context, and small bottom-up bitmaps built pixel by pixel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <cairo.h>

#include "platform/gdi/surface_dc.h"

// A width x height RGB24 surface filled with `background` (0x00RRGGBB) and a
// device context on it clipped to `clip` (the whole surface by default).
class Canvas {
public:
    Canvas(int width, int height, uint32_t background = 0);
    Canvas(int width, int height, uint32_t background, const RECT &clip);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    HDC dc() const { return dc_; }
    cairo_surface_t *surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    uint32_t At(int x, int y) const;
    void Set(int x, int y, uint32_t pixel);
    std::vector<uint32_t> Pixels() const;

private:
    int width_, height_;
    cairo_surface_t *surface_;
    HDC dc_;
};

// A bottom-up 24-bit bitmap; pixels are given and read top row first, as
// 0x00RRGGBB. Row padding is filled with 0xEE so that drawing it shows up.
class TestDib {
public:
    TestDib(int width, int height);

    void Set(int x, int yFromTop, uint32_t pixel);
    uint32_t Get(int x, int yFromTop) const;
    // A distinct colour for every pixel, so that any misplaced pixel shows.
    static TestDib Numbered(int width, int height);

    const BITMAPINFO *info() const { return reinterpret_cast<const BITMAPINFO *>(&header_); }
    const void *bits() const { return bytes_.data(); }
    BITMAPINFOHEADER &header() { return header_; }
    int width() const { return header_.biWidth; }
    int height() const { return header_.biHeight; }

private:
    BITMAPINFOHEADER header_;
    size_t stride_;
    std::vector<uint8_t> bytes_;
};

// The colour whose channels are all `level`.
inline uint32_t Grey(int level) { return uint32_t(level) * 0x010101u; }

// Draws `dib` with SRCCOPY and DIB_RGB_COLORS.
int Stretch(const Canvas &canvas, const TestDib &dib, int xDest, int yDest, int destWidth,
            int destHeight, int xSrc, int ySrc, int srcWidth, int srcHeight);

std::string PixelText(uint32_t pixel);
