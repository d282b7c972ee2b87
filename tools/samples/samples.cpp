#include "tools/samples/samples.h"

#include <algorithm>
#include <cstdio>

#include "tools/samples/landscape.h"

namespace {

using Bytes = std::vector<uint8_t>;

JpegOptions Camera()
{
    JpegOptions options;
    options.quality = 88;
    options.subsample420 = true;
    return options;
}

Bytes Photo(int width, int height, Scene scene, JpegOptions options = Camera())
{
    return EncodeJpeg(PaintLandscape(width, height, scene), options);
}

// The picture stored as a camera held sideways or upside down stores it; the
// EXIF orientation tells the viewer how to turn it upright.
RawPicture StoredFor(const RawPicture &upright, int orientation)
{
    bool sideways = orientation != 3;
    RawPicture stored = MakePicture(sideways ? upright.height : upright.width,
                                    sideways ? upright.width : upright.height, 3);
    const int w = upright.width, h = upright.height;
    for (int y = 0; y < stored.height; ++y) {
        for (int x = 0; x < stored.width; ++x) {
            int ux = orientation == 3 ? w - 1 - x : orientation == 6 ? w - 1 - y : y;
            int uy = orientation == 3 ? h - 1 - y : orientation == 6 ? x : h - 1 - x;
            const uint8_t *from = const_cast<RawPicture &>(upright).At(ux, uy);
            std::copy(from, from + 3, stored.At(x, y));
        }
    }
    return stored;
}

Bytes Turned(int width, int height, Scene scene, int orientation)
{
    JpegOptions options = Camera();
    options.app1Payloads = {ExifOrientationPayload(orientation, orientation == 6)};
    return EncodeJpeg(StoredFor(PaintLandscape(width, height, scene), orientation), options);
}

// The picture in another colour space, one pixel at a time.
RawPicture Converted(const RawPicture &rgb, int components, void (*convert)(const uint8_t *, uint8_t *))
{
    RawPicture out = MakePicture(rgb.width, rgb.height, components);
    for (int y = 0; y < rgb.height; ++y)
        for (int x = 0; x < rgb.width; ++x) convert(const_cast<RawPicture &>(rgb).At(x, y), out.At(x, y));
    return out;
}

// Inverted CMYK as print workflows store it: each sample is 255 - ink.
void ToInvertedCmyk(const uint8_t *rgb, uint8_t *cmyk)
{
    int white = std::max({int(rgb[0]), int(rgb[1]), int(rgb[2])});
    for (int c = 0; c < 3; ++c) cmyk[c] = uint8_t(white ? rgb[c] * 255 / white : 0);
    cmyk[3] = uint8_t(white);
}

void ToGrey(const uint8_t *rgb, uint8_t *grey) { *grey = uint8_t((rgb[0] * 77 + rgb[1] * 150 + rgb[2] * 29) >> 8); }

Bytes Cmyk(int width, int height, Scene scene)
{
    JpegOptions options;
    options.quality = 90;
    options.adobeCmyk = true;
    return EncodeJpeg(Converted(PaintLandscape(width, height, scene), 4, ToInvertedCmyk), options);
}

Bytes Grey(int width, int height, Scene scene)
{
    return EncodeJpeg(Converted(PaintLandscape(width, height, scene), 1, ToGrey), Camera());
}

Bytes Evening() { return Photo(1600, 1067, {Daylight::Evening, 11, 0.3}); }
Bytes Morning() { return Photo(1600, 1067, {Daylight::Morning, 22, 0.8}); }
Bytes UpsideDown() { return Turned(1600, 1067, {Daylight::Noon, 33, 0.25}, 3); }
Bytes TurnedRight() { return Turned(900, 1200, {Daylight::Morning, 44, 0.6}, 6); }
Bytes TurnedLeft() { return Turned(900, 1200, {Daylight::Evening, 55, 0.4}, 8); }
Bytes Large() { return Photo(6000, 4000, {Daylight::Noon, 66, 0.65}); }
Bytes Panorama() { return Photo(4800, 1200, {Daylight::Evening, 77, 0.55}); }

Bytes ProgressiveNoon()
{
    JpegOptions options = Camera();
    options.progressive = true;
    return Photo(1600, 1067, {Daylight::Noon, 88, 0.4}, options);
}

Bytes Print() { return Cmyk(1200, 800, {Daylight::Morning, 99, 0.3}); }
Bytes BlackAndWhite() { return Grey(1200, 800, {Daylight::Noon, 111, 0.7}); }

// A download that stopped half way: the top of the picture, grey below.
Bytes CutShort()
{
    Bytes whole = Photo(1600, 1067, {Daylight::Noon, 122, 0.5});
    return Truncated(whole, whole.size() * 11 / 20);
}

Bytes NotAPicture()
{
    const char text[] = "\xE3\x81\x93\xE3\x82\x8C\xE3\x81\xAF JPEG \xE3\x81\xA7\xE3\x81\xAF"
                        "\xE3\x81\x82\xE3\x82\x8A\xE3\x81\xBE\xE3\x81\x9B\xE3\x82\x93\n";  // これは JPEG ではありません
    return Bytes(text, text + sizeof text - 1);
}

}  // namespace

const std::vector<Sample> &Samples()
{
    static const std::vector<Sample> samples = {
        {u8"01 夕焼けの丘.jpg", 1600, 1067, Evening},
        {u8"02 表参道の朝.jpg", 1600, 1067, Morning},  // 表: second byte 0x5C
        {u8"03 向き3 逆さまに保存.jpg", 1600, 1067, UpsideDown},
        {u8"04 向き6 右に90度.jpg", 900, 1200, TurnedRight},
        {u8"05 向き8 左に90度.jpg", 900, 1200, TurnedLeft},
        {u8"06 2400万画素 6000x4000.jpg", 6000, 4000, Large},
        {u8"07 パノラマ.jpg", 4800, 1200, Panorama},
        {u8"08 プログレッシブ.jpg", 1600, 1067, ProgressiveNoon},
        {u8"09 CMYK 印刷用.jpg", 1200, 800, Print},
        {u8"10 白黒.jpg", 1200, 800, BlackAndWhite},
        {u8"11 途中で切れたファイル.jpg", 1600, 1067, CutShort},
        {u8"12 テキストファイル.jpg", 0, 0, NotAPicture},
    };
    return samples;
}

bool WriteSamples(const std::string &folder)
{
    for (const Sample &sample : Samples()) {
        std::string path = folder + "/" + sample.name;
        Bytes bytes = sample.make();
        FILE *file = std::fopen(path.c_str(), "wb");
        bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        if (file && std::fclose(file) != 0) written = false;
        if (!written) {
            std::fprintf(stderr, "kovlo-samples: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
