#include "tests/image/image_test_support.h"

#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>

#include "image/jpeg_loader.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

// Large heap blocks start out as 0xA5 bytes rather than whatever the heap
// held (often zeros), so a padding byte or pixel the code forgets to write
// shows in the tests. (AddressSanitizer fills new blocks on its own.)
static const int HeapFilled = mallopt(M_PERTURB, 0x5A);

void PoisonNextAllocation(size_t bytes)
{
    // Volatile stores: a fill right before free is otherwise optimised away.
    volatile unsigned char *block = static_cast<unsigned char *>(std::malloc(bytes));
    for (size_t i = 0; i < bytes; ++i) block[i] = 0xEE;
    std::free(const_cast<unsigned char *>(block));
}

Bgr PixelAt(const PackedDib *dib, int x, int y)
{
    size_t stride = PackedDibStride(dib->header.biWidth);
    const BYTE *p = PackedDibPixels(dib) + stride * size_t(dib->header.biHeight - 1 - y) + size_t(x) * 3;
    return {p[0], p[1], p[2]};
}

std::vector<uint8_t> PixelBytes(const PackedDib *dib)
{
    const BYTE *p = PackedDibPixels(dib);
    return std::vector<uint8_t>(p, p + dib->header.biSizeImage);
}

DibPtr MakeDib(int width, int height, Bgr (*paint)(int x, int y))
{
    DibPtr dib(AllocatePackedDib(width, height));
    if (!dib) throw std::runtime_error("allocation failed");
    size_t stride = PackedDibStride(width);
    for (int y = 0; y < height; ++y) {
        BYTE *row = PackedDibPixels(dib.get()) + stride * size_t(height - 1 - y);
        std::memset(row, 0, stride);
        for (int x = 0; x < width; ++x) std::memcpy(row + size_t(x) * 3, paint(x, y).data(), 3);
    }
    return dib;
}

DibPtr LoadBytes(const std::vector<uint8_t> &jpeg, int viewWidth, int viewHeight)
{
    TempFolder folder;
    folder.AddFile("picture.jpg", jpeg);
    FILE *stream = OpenForReading(folder.Join("picture.jpg"));
    if (!stream) throw std::runtime_error("cannot open test file");
    DibPtr dib(LoadJpeg(stream, viewWidth, viewHeight));
    std::fclose(stream);
    return dib;
}

// Bare library decode of every scanline, top first.
static std::vector<std::vector<uint8_t>> DecodeScanlines(const std::vector<uint8_t> &jpeg,
                                                         unsigned denominator, int *components)
{
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), jpeg.size());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.scale_num = 1;
    cinfo.scale_denom = denominator;
    jpeg_start_decompress(&cinfo);
    *components = cinfo.output_components;
    std::vector<std::vector<uint8_t>> lines;
    std::vector<uint8_t> line(size_t(cinfo.output_width) * cinfo.output_components);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = line.data();
        jpeg_read_scanlines(&cinfo, &row, 1);
        lines.push_back(line);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return lines;
}

ReferenceImage ReferenceDecode(const std::vector<uint8_t> &jpeg, unsigned denominator)
{
    int components = 0;
    std::vector<std::vector<uint8_t>> lines = DecodeScanlines(jpeg, denominator, &components);
    ReferenceImage ref;
    ref.height = int(lines.size());
    ref.width = int(lines.at(0).size()) / components;
    size_t stride = (size_t(ref.width) * 3 + 3) / 4 * 4;
    ref.rows.assign(stride * ref.height, 0);
    for (int y = 0; y < ref.height; ++y) {
        uint8_t *out = &ref.rows[stride * size_t(ref.height - 1 - y)];
        for (int x = 0; x < ref.width; ++x) {
            const uint8_t *in = &lines[y][size_t(x) * components];
            out[x * 3 + 0] = in[components == 3 ? 2 : 0];
            out[x * 3 + 1] = in[components == 3 ? 1 : 0];
            out[x * 3 + 2] = in[0];
        }
    }
    return ref;
}
