#include "fuzz/seeds/image_seeds.h"

#include "tests/support/jpeg_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The orientation payload with one byte replaced.
Bytes Patched(int orientation, bool big, size_t at, uint8_t value)
{
    Bytes payload = ExifOrientationPayload(orientation, big);
    payload.at(at) = value;
    return payload;
}

JpegOptions Kind(bool progressive, bool arithmetic, bool subsample420)
{
    JpegOptions options;
    options.quality = 75;
    options.progressive = progressive;
    options.arithmetic = arithmetic;
    options.subsample420 = subsample420;
    return options;
}

void AddColourKinds(std::vector<Bytes> &seeds)
{
    seeds.push_back(EncodeJpeg(MakePhotoPicture(24, 16, 1, 1), Kind(false, false, false)));
    seeds.push_back(EncodeJpeg(MakePhotoPicture(24, 16, 3, 2), Kind(false, false, true)));
    seeds.push_back(EncodeJpeg(MakePhotoPicture(24, 16, 3, 3), Kind(false, false, false)));
    seeds.push_back(EncodeJpeg(MakePhotoPicture(24, 16, 3, 4), Kind(true, false, true)));
    seeds.push_back(EncodeJpeg(MakePhotoPicture(24, 16, 3, 5), Kind(false, true, true)));
    seeds.push_back(EncodeJpeg(MakePhotoPicture(24, 16, 3, 6), Kind(true, true, false)));
    for (int width : {1, 3, 5, 7}) seeds.push_back(EncodeJpeg(MakePhotoPicture(width, 9, 3, 7), Kind(false, false, true)));
    for (int cmyk = 0; cmyk < 3; ++cmyk) {
        JpegOptions options = Kind(false, false, false);
        options.adobeCmyk = cmyk == 1;
        options.ycck = cmyk == 2;
        seeds.push_back(EncodeJpeg(MakePhotoPicture(16, 16, 4, 8), options));
    }
}

void AddOrientations(std::vector<Bytes> &seeds)
{
    for (bool big : {false, true}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            JpegOptions options = Kind(false, false, false);
            options.app1Payloads = {ExifOrientationPayload(orientation, big)};
            seeds.push_back(EncodeJpeg(MakeCornerPicture(12, 8), options));
        }
    }
}

}  // namespace

std::vector<Bytes> ExifSeeds()
{
    std::vector<Bytes> seeds;
    for (bool big : {false, true}) {
        for (int orientation = 0; orientation <= 9; ++orientation) seeds.push_back(ExifOrientationPayload(orientation, big));
        seeds.push_back(Patched(6, big, 13, 0xF8));  // IFD0 offset low byte (big-endian)
        seeds.push_back(Patched(6, big, 10, 0xFF));  // IFD0 offset high byte
        seeds.push_back(Patched(6, big, big ? 15 : 14, 3));    // three entries declared
        seeds.push_back(Patched(6, big, big ? 19 : 18, 4));    // type LONG
        seeds.push_back(Patched(6, big, big ? 23 : 20, 2));    // count 2
    }
    Bytes headerLater = ExifOrientationPayload(3, true);
    headerLater.insert(headerLater.begin() + 6, 9, 0xAA);  // TIFF header at 15
    seeds.push_back(headerLater);
    return seeds;
}

std::vector<Bytes> JpegSeeds()
{
    std::vector<Bytes> seeds;
    AddColourKinds(seeds);
    AddOrientations(seeds);
    for (const HostileFile &file : HostileJpegFiles())
        if (file.bytes.size() < 64 * 1024) seeds.push_back(file.bytes);
    return seeds;
}
