// The client pixels the replay driver wrote with `png FILE`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ClientPixels {
public:
    // Loads a PNG file; Width() is 0 when it could not be read.
    explicit ClientPixels(const std::string &path);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0xRRGGBB of the pixel x from the left, y from the top.
    uint32_t At(int x, int y) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

// Whether two 0xRRGGBB colours differ by at most `tolerance` in each channel.
bool NearColour(uint32_t a, uint32_t b, int tolerance);
