#include "tests/gdi/gdi_canvas.h"

#include <cstdio>

Canvas::Canvas(int width, int height, uint32_t background)
    : Canvas(width, height, background, RECT{0, 0, width, height}) {}

Canvas::Canvas(int width, int height, uint32_t background, const RECT &clip)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) Set(x, y, background);
    dc_ = OpenSurfaceDC(surface_, clip);
}

Canvas::~Canvas() {
    CloseSurfaceDC(dc_);
    cairo_surface_destroy(surface_);
}

uint32_t Canvas::At(int x, int y) const {
    cairo_surface_flush(surface_);
    const uint8_t *data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    return reinterpret_cast<const uint32_t *>(data + y * stride)[x] & 0x00FFFFFF;
}

void Canvas::Set(int x, int y, uint32_t pixel) {
    uint8_t *data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    reinterpret_cast<uint32_t *>(data + y * stride)[x] = pixel;
    cairo_surface_mark_dirty(surface_);
}

std::vector<uint32_t> Canvas::Pixels() const {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) pixels.push_back(At(x, y));
    return pixels;
}

TestDib::TestDib(int width, int height) : header_{} {
    header_.biSize = sizeof(BITMAPINFOHEADER);
    header_.biWidth = width;
    header_.biHeight = height;
    header_.biPlanes = 1;
    header_.biBitCount = 24;
    header_.biCompression = BI_RGB;
    stride_ = (size_t(width) * 3 + 3) & ~size_t(3);
    bytes_.assign(stride_ * height, 0xEE);
}

void TestDib::Set(int x, int yFromTop, uint32_t pixel) {
    uint8_t *p = &bytes_[stride_ * (height() - 1 - yFromTop) + 3 * size_t(x)];
    p[0] = pixel & 0xFF;
    p[1] = (pixel >> 8) & 0xFF;
    p[2] = (pixel >> 16) & 0xFF;
}

uint32_t TestDib::Get(int x, int yFromTop) const {
    const uint8_t *p = &bytes_[stride_ * (height() - 1 - yFromTop) + 3 * size_t(x)];
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

TestDib TestDib::Numbered(int width, int height) {
    TestDib dib(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) dib.Set(x, y, 0x100000u + uint32_t(y) * 256 + x);
    return dib;
}

int Stretch(const Canvas &canvas, const TestDib &dib, int xDest, int yDest, int destWidth,
            int destHeight, int xSrc, int ySrc, int srcWidth, int srcHeight) {
    return StretchDIBits(canvas.dc(), xDest, yDest, destWidth, destHeight, xSrc, ySrc, srcWidth,
                         srcHeight, dib.bits(), dib.info(), DIB_RGB_COLORS, SRCCOPY);
}

std::string PixelText(uint32_t pixel) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", pixel);
    return text;
}
