#include "tests/support/jpeg_writer.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

RawPicture MakePicture(int width, int height, int components)
{
    RawPicture picture;
    picture.width = width;
    picture.height = height;
    picture.components = components;
    picture.samples.assign(size_t(width) * height * components, 0);
    return picture;
}

RawPicture MakeCornerPicture(int width, int height)
{
    static const uint8_t kColours[4][3] = {
        {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    RawPicture picture = MakePicture(width, height, 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int quadrant = (y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0);
            for (int c = 0; c < 3; ++c) picture.At(x, y)[c] = kColours[quadrant][c];
        }
    }
    return picture;
}

static J_COLOR_SPACE ColourSpaceFor(int components)
{
    switch (components) {
    case 1: return JCS_GRAYSCALE;
    case 3: return JCS_RGB;
    case 4: return JCS_CMYK;
    }
    throw std::invalid_argument("components must be 1, 3 or 4");
}

std::vector<uint8_t> EncodeJpeg(const RawPicture &picture, const JpegOptions &options)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);

    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = picture.width;
    cinfo.image_height = picture.height;
    cinfo.input_components = picture.components;
    cinfo.in_color_space = ColourSpaceFor(picture.components);
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (picture.components == 4) {
        // Stored as plain CMYK; the Adobe marker the library writes makes
        // readers treat the samples as inverted, as Photoshop files are.
        jpeg_set_colorspace(&cinfo, JCS_CMYK);
        cinfo.write_Adobe_marker = options.adobeCmyk ? TRUE : FALSE;
    }
    if (picture.components == 3) {
        int h = options.subsample420 ? 2 : 1;
        cinfo.comp_info[0].h_samp_factor = h;
        cinfo.comp_info[0].v_samp_factor = h;
    }
    if (options.progressive) jpeg_simple_progression(&cinfo);
    cinfo.arith_code = options.arithmetic ? TRUE : FALSE;

    jpeg_start_compress(&cinfo, TRUE);
    for (const auto &payload : options.app1Payloads)
        jpeg_write_marker(&cinfo, JPEG_APP0 + 1, payload.data(), unsigned(payload.size()));
    size_t rowBytes = size_t(picture.width) * picture.components;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&picture.samples[cinfo.next_scanline * rowBytes]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    std::vector<uint8_t> bytes(buffer, buffer + size);
    free(buffer);
    return bytes;
}

static void Put16(std::vector<uint8_t> &out, unsigned v, bool bigEndian)
{
    if (bigEndian) {
        out.push_back(uint8_t(v >> 8));
        out.push_back(uint8_t(v));
    } else {
        out.push_back(uint8_t(v));
        out.push_back(uint8_t(v >> 8));
    }
}

static void Put32(std::vector<uint8_t> &out, uint32_t v, bool bigEndian)
{
    Put16(out, bigEndian ? v >> 16 : v & 0xFFFF, bigEndian);
    Put16(out, bigEndian ? v & 0xFFFF : v >> 16, bigEndian);
}

std::vector<uint8_t> ExifOrientationPayload(int orientation, bool bigEndian)
{
    std::vector<uint8_t> out = {'E', 'x', 'i', 'f', 0, 0};
    if (bigEndian) {
        out.insert(out.end(), {0x4D, 0x4D});
    } else {
        out.insert(out.end(), {0x49, 0x49});
    }
    Put16(out, 42, bigEndian);
    Put32(out, 8, bigEndian);           // IFD0 right behind the header
    Put16(out, 1, bigEndian);           // one entry
    Put16(out, 0x0112, bigEndian);      // Orientation
    Put16(out, 3, bigEndian);           // SHORT
    Put32(out, 1, bigEndian);           // count 1
    Put16(out, unsigned(orientation), bigEndian);
    Put16(out, 0, bigEndian);           // rest of the value field
    Put32(out, 0, bigEndian);           // no next directory
    return out;
}

void WriteBytes(const std::string &path, const std::vector<uint8_t> &bytes)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::vector<uint8_t> ReadBytes(const std::string &path)
{
    std::vector<uint8_t> bytes;
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f) throw std::runtime_error("cannot read " + path);
    unsigned char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(f);
    return bytes;
}
