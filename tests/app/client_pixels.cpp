#include "tests/app/client_pixels.h"

#include <cstdlib>

#include <cairo.h>

ClientPixels::ClientPixels(const std::string &path)
{
    cairo_surface_t *png = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(png);
        width_ = cairo_image_surface_get_width(png);
        height_ = cairo_image_surface_get_height(png);
        int stride = cairo_image_surface_get_stride(png);
        const unsigned char *data = cairo_image_surface_get_data(png);
        for (int y = 0; y < height_; ++y) {
            const uint32_t *row = reinterpret_cast<const uint32_t *>(data + size_t(y) * stride);
            for (int x = 0; x < width_; ++x)
                pixels_.push_back(row[x] & 0xFFFFFF);
        }
    }
    cairo_surface_destroy(png);
}

uint32_t ClientPixels::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0xDEADBEEF;  // outside: matches no colour
    return pixels_[size_t(y) * width_ + x];
}

bool NearColour(uint32_t a, uint32_t b, int tolerance)
{
    for (int shift = 0; shift < 32; shift += 8) {
        int difference = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        if (std::abs(difference) > tolerance)
            return false;
    }
    return true;
}
