// Decodes one JPEG file into an upright PackedDib sized for the view.
//
// The library reports fatal errors through error_exit, which must not return;
// ViewerErrorExit jumps back into LoadJpeg instead. LoadJpeg therefore holds
// no object with a destructor, and the only thing it must release after the
// jump (the pixel block) is kept in the error manager, which the jump leaves
// intact.
#include "image/jpeg_loader.h"

#include <setjmp.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <jpeglib.h>
#include <jerror.h>

#include "app/viewer_state.h"
#include "image/exif_orientation.h"
#include "image/row_conversion.h"

namespace {

// Hostile files are stopped by these limits; each ends the load as a failed
// allocation would. A sequential picture of 2^28 pixels still decodes. A
// progressive one keeps every coefficient of the whole picture, 2 bytes each,
// inside the decoder memory: 6 bytes a pixel in 4:4:4 colour, so colour
// pictures above about 179 megapixels are refused (four-component 4:4:4 above
// about 134); 4:2:0 colour at 3 bytes a pixel and grey at 2 reach the pixel
// limit first.
constexpr uint64_t MaxPicturePixels = uint64_t(1) << 28;
constexpr long MaxDecoderMemory = 1L << 30;
constexpr int MaxScans = 100;

// The loader's own message, numbered after the library's.
constexpr int TooManyScansMessage = 1000;
const char *const LoaderMessages[] = {"Refused: the file has more than %d scans", nullptr};

struct ViewerErrorMgr {
    jpeg_error_mgr pub;          // first, so the library's pointer leads here
    jmp_buf recoveryPoint;
    PackedDib *volatile pixels;  // the block being filled; freed after a jump
};

void ViewerErrorExit(j_common_ptr decompressor)
{
    ViewerErrorMgr *errors = reinterpret_cast<ViewerErrorMgr *>(decompressor->err);
    longjmp(errors->recoveryPoint, 1);
}

// The library would print its warnings ("Premature end of JPEG file") on
// standard error; the status strip already says that a file cannot be shown.
void KeepMessageQuiet(j_common_ptr) {}

// Called by the library while it takes in the file; a file with more scans
// than any encoder writes would otherwise make a progressive decode run over
// the whole picture once per scan.
void LimitScans(j_common_ptr common)
{
    j_decompress_ptr decompressor = reinterpret_cast<j_decompress_ptr>(common);
    if (decompressor->input_scan_number <= MaxScans) return;
    common->err->msg_code = TooManyScansMessage;
    common->err->msg_parm.i[0] = MaxScans;
    (*common->err->error_exit)(common);
}

void InstallErrorManager(j_decompress_ptr decompressor, ViewerErrorMgr *errors)
{
    decompressor->err = jpeg_std_error(&errors->pub);
    errors->pub.error_exit = ViewerErrorExit;
    errors->pub.output_message = KeepMessageQuiet;
    errors->pub.addon_message_table = LoaderMessages;
    errors->pub.first_addon_message = TooManyScansMessage;
    errors->pub.last_addon_message = TooManyScansMessage;
    errors->pixels = nullptr;
}

// The decompressor is created with its limits and reads the header; the
// APP1 markers stay saved in it for the orientation reader.
void ReadHeader(j_decompress_ptr decompressor, FILE *stream, jpeg_progress_mgr *progress)
{
    jpeg_create_decompress(decompressor);
    decompressor->mem->max_memory_to_use = MaxDecoderMemory;
    progress->progress_monitor = LimitScans;
    decompressor->progress = progress;
    jpeg_stdio_src(decompressor, stream);
    jpeg_save_markers(decompressor, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(decompressor, TRUE);
}

// The picture's own size counts, not the reduced one: a progressive file
// keeps coefficients for the whole picture whatever the reduction, and a
// small file that declares gigapixels is no photograph.
bool IsWithinPixelLimit(j_decompress_ptr decompressor)
{
    uint64_t pixels = uint64_t(decompressor->image_width) * decompressor->image_height;
    return pixels <= MaxPicturePixels;
}

int SamplesPerPixel(RowFormat format)
{
    switch (format) {
    case RowFormat::Grey: return 1;
    case RowFormat::Cmyk:
    case RowFormat::InvertedCmyk: return 4;
    default: return 3;
    }
}

// Grey and colour files: libjpeg-turbo writes blue-green-red itself, the
// same values as its red-green-blue output in the stored order, so rows go
// straight into the block. Elsewhere the library's grey or RGB is converted.
RowFormat GreyOrColourOutput(j_decompress_ptr decompressor)
{
#ifdef JCS_EXTENSIONS
    decompressor->out_color_space = JCS_EXT_BGR;
    return RowFormat::Bgr;
#else
    return decompressor->out_color_space == JCS_GRAYSCALE ? RowFormat::Grey : RowFormat::Rgb;
#endif
}

// Chooses how rows reach the block and works out the output size. False for
// output that cannot be shown: the library's "unknown" colour spaces (two or
// more than four components).
bool PrepareOutput(j_decompress_ptr decompressor, RowFormat *format)
{
    switch (decompressor->out_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB: *format = GreyOrColourOutput(decompressor); break;
    // CMYK and YCCK files both come out as CMYK; Adobe's writers store
    // every sample inverted (255 = no ink).
    case JCS_CMYK: *format = decompressor->saw_Adobe_marker ? RowFormat::InvertedCmyk : RowFormat::Cmyk; break;
    default: return false;
    }
    jpeg_calc_output_dimensions(decompressor);
    return decompressor->output_components == SamplesPerPixel(*format);
}

// The one row of samples, from the library's image pool; none is needed
// when the library writes into the block itself.
JSAMPARRAY AllocateRowBuffer(j_decompress_ptr decompressor, RowFormat format)
{
    if (format == RowFormat::Bgr) return nullptr;
    return (*decompressor->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(decompressor), JPOOL_IMAGE,
                                              decompressor->output_width * decompressor->output_components, 1);
}

// Reads every scanline, top row first, into the block's stored rows from the
// last one (the top of the picture) down to the first.
bool ReadRows(j_decompress_ptr decompressor, RowFormat format, JSAMPARRAY rowBuffer, PackedDib *dib)
{
    JDIMENSION width = decompressor->output_width;
    size_t stride = PackedDibStride(LONG(width));
    BYTE *target = PackedDibPixels(dib) + stride * (decompressor->output_height - 1);
    while (decompressor->output_scanline < decompressor->output_height) {
        JSAMPROW direct = target;
        JSAMPARRAY rows = format == RowFormat::Bgr ? &direct : rowBuffer;
        // A stdio source never suspends; no row means the decode cannot go on.
        if (jpeg_read_scanlines(decompressor, rows, 1) != 1) return false;
        ConvertRow(format, rows[0], width, target, stride);
        target -= stride;
    }
    return true;
}

PackedDib *TurnUpright(PackedDib *dib, int orientation)
{
    switch (orientation) {
    case 3: return RotateQuarterTurns(dib, 2);
    case 6: return RotateQuarterTurns(dib, 3);
    case 8: return RotateQuarterTurns(dib, 1);
    default: return dib;  // as stored; mirrored arrangements are not undone
    }
}

}  // namespace

unsigned ChooseScaleDenominator(unsigned imageWidth, unsigned imageHeight, unsigned viewWidth,
                                unsigned viewHeight)
{
    for (unsigned shift = 3; shift >= 1; --shift) {
        unsigned w = imageWidth >> shift;
        unsigned h = imageHeight >> shift;
        if (w > viewWidth && h > viewHeight && w > viewHeight && h > viewWidth) return 1u << shift;
    }
    return 1;
}

PackedDib *LoadJpeg(FILE *stream, int viewWidth, int viewHeight)
{
    jpeg_decompress_struct decompressor;
    ViewerErrorMgr errors;
    jpeg_progress_mgr progress;

    // 1. Errors from the library come back here instead of ending the program.
    InstallErrorManager(&decompressor, &errors);
    // 2. Recovery point: after a fatal error nothing of this load survives.
    if (setjmp(errors.recoveryPoint)) {
        jpeg_destroy_decompress(&decompressor);
        free(errors.pixels);
        return nullptr;
    }
    // 3. Create the decompressor, attach the file, keep APP1, read the header.
    ReadHeader(&decompressor, stream, &progress);
    // 4. The camera's orientation, while the saved markers are still there.
    int orientation = ReadExifOrientation(&decompressor);
    // 5. The reduction for this view, from the nominal size.
    unsigned denominator = ChooseScaleDenominator(decompressor.image_width, decompressor.image_height,
                                                  unsigned(viewWidth), unsigned(viewHeight));
    g_viewer.decodeDenominator = int(denominator);
    // 6. Reduce only in the fit view; every other parameter that changes
    // what is decoded stays as read.
    decompressor.scale_num = 1;
    decompressor.scale_denom = g_viewer.fitMode == 1 ? denominator : 1;
    // 7. Refuse what cannot be shown or is too large, then start.
    RowFormat format;
    if (!PrepareOutput(&decompressor, &format) || !IsWithinPixelLimit(&decompressor)) {
        jpeg_destroy_decompress(&decompressor);
        return nullptr;
    }
    jpeg_start_decompress(&decompressor);
    // 8. A row buffer, where the samples need converting.
    JSAMPARRAY rowBuffer = AllocateRowBuffer(&decompressor, format);
    // 9. The pixel block; a size that cannot be represented is a failure too.
    errors.pixels = AllocatePackedDib(LONG(decompressor.output_width), LONG(decompressor.output_height));
    // 10-11. Every scanline into its stored row.
    if (!errors.pixels || !ReadRows(&decompressor, format, rowBuffer, errors.pixels)) {
        jpeg_destroy_decompress(&decompressor);
        free(errors.pixels);
        return nullptr;
    }
    // 12. Finish and release the decompressor.
    jpeg_finish_decompress(&decompressor);
    jpeg_destroy_decompress(&decompressor);
    // 13-15. The header was written with the block; turn it upright.
    return TurnUpright(errors.pixels, orientation);
}
