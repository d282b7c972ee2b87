// StretchDIBits for 24-bit uncompressed bottom-up bitmaps, SRCCOPY only.
//
// Coordinates follow Windows: the source rectangle is in bitmap coordinates
// whose origin is the lower-left corner (ySrc counts rows from the bottom), a
// negative width or height mirrors, and source pixels outside the bitmap are
// not drawn, whatever the source origin (negative origins included).
// HALFTONE averages areas when reducing and interpolates when enlarging;
// the other modes take nearest pixels. Top-down bitmaps, palettes and other
// raster operations are refused (0).
#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_rect.h"
#include "platform/gdi/stretch_passes.h"
#include "platform/gdi/stretch_taps.h"
#include "platform/gdi/surface_pixels.h"

namespace {

// Coordinates and sizes beyond this are refused, which keeps every product
// in the tap arithmetic well inside 64 bits.
constexpr int64_t kCoordinateLimit = int64_t(1) << 27;

bool WithinLimit(std::initializer_list<int64_t> values) {
    for (int64_t v : values)
        if (v <= -kCoordinateLimit || v >= kCoordinateLimit) return false;
    return true;
}

// The bitmap's rows, or no bits when the header describes anything but a
// bottom-up 24-bit BI_RGB bitmap.
gdi::SourceImage SourceOf(const void *bits, const BITMAPINFO *info) {
    gdi::SourceImage source;
    if (!bits || !info) return source;
    const BITMAPINFOHEADER &h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biBitCount != 24 ||
        h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight <= 0 ||
        !WithinLimit({h.biWidth, h.biHeight})) {
        return source;
    }
    source.bits = static_cast<const uint8_t *>(bits);
    source.width = h.biWidth;
    source.height = h.biHeight;
    source.stride = (static_cast<size_t>(h.biWidth) * 3 + 3) & ~size_t(3);
    return source;
}

// A span given as origin and signed length, as the half-open run it covers:
// a negative length runs leftwards (or downwards) from the origin, including it.
void NormaliseSpan(int origin, int length, int64_t *first, int64_t *size) {
    *first = length >= 0 ? origin : int64_t(origin) + length + 1;
    *size = std::llabs(length);
}

gdi::AxisMapping MapAxis(int destOrigin, int destLength, int sourceOrigin, int sourceLength,
                         int imageLength, bool reversed) {
    gdi::AxisMapping m;
    NormaliseSpan(destOrigin, destLength, &m.destOrigin, &m.destLength);
    NormaliseSpan(sourceOrigin, sourceLength, &m.sourceOrigin, &m.sourceLength);
    m.imageLength = imageLength;
    m.reversed = reversed;
    return m;
}

// The taps of one axis, for the destination pixels inside [clipBegin, clipEnd).
gdi::AxisTaps TapsFor(const gdi::AxisMapping &m, int stretchMode, LONG clipBegin,
                      LONG clipEnd) {
    int64_t begin = std::max<int64_t>(m.destOrigin, clipBegin);
    int64_t end = std::min<int64_t>(m.destOrigin + m.destLength, clipEnd);
    gdi::StretchFilter filter = gdi::ChooseFilter(stretchMode, m.destLength, m.sourceLength);
    return gdi::BuildAxisTaps(m, filter, static_cast<int>(begin),
                              static_cast<int>(std::max(begin, end)));
}

}  // namespace

int StretchDIBits(HDC dc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                  int srcWidth, int srcHeight, const void *bits, const BITMAPINFO *info,
                  UINT usage, DWORD rop) {
    KovloDeviceContext *live = gdi::LiveContext(dc);
    gdi::SourceImage source = SourceOf(bits, info);
    if (!live || !source.bits || usage != DIB_RGB_COLORS || rop != SRCCOPY) return 0;
    if (!destWidth || !destHeight || !srcWidth || !srcHeight) return 0;
    if (!WithinLimit({xDest, yDest, destWidth, destHeight, xSrc, ySrc, srcWidth, srcHeight}))
        return 0;
    // Rows are stored bottom-up, so an unmirrored drawing runs against them.
    gdi::AxisMapping x = MapAxis(xDest, destWidth, xSrc, srcWidth, source.width,
                                 (destWidth < 0) != (srcWidth < 0));
    gdi::AxisMapping y = MapAxis(yDest, destHeight, ySrc, srcHeight, source.height,
                                 (destHeight < 0) == (srcHeight < 0));
    gdi::AxisTaps xTaps = TapsFor(x, live->stretchMode, live->clip.left, live->clip.right);
    gdi::AxisTaps yTaps = TapsFor(y, live->stretchMode, live->clip.top, live->clip.bottom);
    gdi::PixelTarget target = gdi::AccessPixels(live->surface);
    if (!target.data) return 0;
    gdi::StretchPixels(source, xTaps, yTaps, target);
    gdi::MarkPixelsDirty(live->surface, RECT{xTaps.destFirst, yTaps.destFirst,
                                             xTaps.destFirst + xTaps.Count(),
                                             yTaps.destFirst + yTaps.Count()});
    return std::abs(srcHeight);
}
