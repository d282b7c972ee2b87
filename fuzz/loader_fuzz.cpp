// The JPEG loader on arbitrary file bytes, as the reload runs it: the first
// byte picks the view (fit or actual size, one of four view sizes) and the
// user's quarter turns; the rest is the file, read through a stdio stream.
// Every picture that comes back must be a well-formed block.
//
// KOVLO_FUZZ_SEEDS=<folder> ./loader_fuzz writes the seed corpus and exits.
// The library writes a line to the standard error stream for most broken
// files; run with -close_fd_mask=2 to keep only the fuzzer's own reports.
#include <setjmp.h>
#include <stdio.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/viewer_state.h"
#include "fuzz/seeds/image_seeds.h"
#include "fuzz/seeds/seed_files.h"
#include "image/jpeg_loader.h"

#include <jpeglib.h>

namespace {

struct View {
    int width, height;
};

// A usual window, a tiny one, a minimised one, and one larger than most files.
const View Views[4] = {{800, 575}, {1, 1}, {300, -25}, {4000, 3000}};

// Header as the block's writer sets it, stride and padding as laid down.
void CheckBlock(const PackedDib *dib)
{
    const BITMAPINFOHEADER &h = dib->header;
    if (h.biSize != 40 || h.biWidth < 1 || h.biHeight < 1 || h.biPlanes != 1 || h.biBitCount != 24) std::abort();
    if (h.biCompression != 0 || h.biClrUsed != 0 || h.biClrImportant != 0) std::abort();
    size_t stride = PackedDibStride(h.biWidth);
    if (h.biSizeImage != stride * size_t(h.biHeight)) std::abort();
    if (uint64_t(h.biWidth) * uint64_t(h.biHeight) > (uint64_t(1) << 28)) std::abort();
    const BYTE *rows = PackedDibPixels(dib);
    for (LONG r = 0; r < h.biHeight; ++r)
        for (size_t i = size_t(h.biWidth) * 3; i < stride; ++i)
            if (rows[stride * size_t(r) + i] != 0) std::abort();
}

// Pictures above this many pixels are legal (the loader's own limit is 2^28)
// but take a second each to decode at full size and hundreds of megabytes;
// the unit tests cover them. The fuzzer spends its time on the parsing paths.
constexpr uint64_t MaxFuzzedPixels = uint64_t(1) << 22;

struct HeaderErrors {
    jpeg_error_mgr pub;
    jmp_buf recoveryPoint;
};

void QuietErrorExit(j_common_ptr common)
{
    longjmp(reinterpret_cast<HeaderErrors *>(common->err)->recoveryPoint, 1);
}

void Quiet(j_common_ptr, int) {}

// True when the file's header reads and declares at most MaxFuzzedPixels.
bool DeclaresSmallPicture(const uint8_t *data, size_t size)
{
    jpeg_decompress_struct decompressor;
    HeaderErrors errors;
    decompressor.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = QuietErrorExit;
    errors.pub.emit_message = Quiet;
    if (setjmp(errors.recoveryPoint)) {
        jpeg_destroy_decompress(&decompressor);
        return true;  // the loader must refuse it too: worth running
    }
    jpeg_create_decompress(&decompressor);
    jpeg_mem_src(&decompressor, data, static_cast<unsigned long>(size));
    jpeg_read_header(&decompressor, TRUE);
    uint64_t pixels = uint64_t(decompressor.image_width) * decompressor.image_height;
    jpeg_destroy_decompress(&decompressor);
    return pixels <= MaxFuzzedPixels;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Each file once with the settings byte 0 (fit view, 800x575, unturned).
    WriteSeedsIfAsked([] {
        std::vector<std::vector<uint8_t>> seeds = JpegSeeds();
        for (std::vector<uint8_t> &seed : seeds) seed.insert(seed.begin(), 0);
        return seeds;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2) return 0;
    uint8_t settings = data[0];
    if (!DeclaresSmallPicture(data + 1, size - 1)) return 0;
    FILE *stream = fmemopen(const_cast<uint8_t *>(data + 1), size - 1, "rb");
    if (!stream) return 0;
    ResetViewerState();
    g_viewer.fitMode = settings & 4 ? 0 : 1;
    const View &view = Views[settings & 3];
    PackedDib *dib = LoadJpeg(stream, view.width, view.height);
    fclose(stream);
    int turns = (settings >> 3) & 3;
    if (dib && turns != 0) dib = RotateQuarterTurns(dib, settings & 0x20 ? -turns : turns);
    if (dib) CheckBlock(dib);
    std::free(dib);
    return 0;
}
