#include "platform/gdi/stretch_passes.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/gdi/stretch_kernels.h"

namespace gdi {

namespace {

// Nearest pixels or exact copies: every destination pixel is one source pixel.
void CopySingleTaps(const SourceImage &source, const AxisTaps &xTaps, const AxisTaps &yTaps,
                    const PixelTarget &target) {
    const int *columns = xTaps.sourceFirst.data();
    for (int row = 0; row < yTaps.Count(); ++row) {
        const uint8_t *from = source.Row(yTaps.sourceFirst[row]);
        uint32_t *to = target.Row(yTaps.destFirst + row) + xTaps.destFirst;
        for (int i = 0; i < xTaps.Count(); ++i) {
            const uint8_t *p = from + 3 * static_cast<size_t>(columns[i]);
            to[i] = (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
        }
    }
}

// Whether destination rows a and b take the same source rows with the same
// weights (an enlargement repeats rows), so that the intermediate row is kept.
bool SameRowTaps(const AxisTaps &y, int a, int b) {
    return y.sourceFirst[a] == y.sourceFirst[b] && y.Taps(a) == y.Taps(b) &&
           std::equal(y.Weights(a), y.Weights(a) + y.Taps(a), y.Weights(b));
}

// Destination rows [rowBegin, rowEnd), with an intermediate row of their own.
void BlendRowRange(const SourceImage &source, const ColumnTaps &columns, const AxisTaps &xTaps,
                   const AxisTaps &yTaps, const PixelTarget &target, int rowBegin, int rowEnd) {
    const size_t byteBegin = 3 * static_cast<size_t>(xTaps.SourceBegin());
    const size_t count = 3 * static_cast<size_t>(xTaps.SourceEnd() - xTaps.SourceBegin());
    std::vector<int16_t> inter(count + columns.Padding(), 0);
    std::vector<const uint8_t *> rows;
    for (int row = rowBegin; row < rowEnd; ++row) {
        if (row == rowBegin || !SameRowTaps(yTaps, row, row - 1)) {
            rows.clear();
            for (int t = 0; t < yTaps.Taps(row); ++t)
                rows.push_back(source.Row(yTaps.sourceFirst[row] + t) + byteBegin);
            BlendRows(rows.data(), yTaps.Weights(row), yTaps.Taps(row), count, inter.data());
        }
        BlendColumns(inter.data(), columns, target.Row(yTaps.destFirst + row) + xTaps.destFirst);
    }
}

// From this many destination pixels on (a fit view of a fifth of a megapixel,
// more than half a millisecond of work, against some tens of microseconds to
// start a thread) a second thread draws half the rows: the photograph shows
// that much sooner, and the pixels are the same.
constexpr int64_t kSplitPixels = 200000;

void BlendTwoPasses(const SourceImage &source, const AxisTaps &xTaps, const AxisTaps &yTaps,
                    const PixelTarget &target) {
    const ColumnTaps columns = MakeColumnTaps(xTaps, xTaps.SourceBegin());
    auto draw = [&](int rowBegin, int rowEnd) {
        BlendRowRange(source, columns, xTaps, yTaps, target, rowBegin, rowEnd);
    };
    const int rowCount = yTaps.Count();
    static const unsigned processors = std::thread::hardware_concurrency();  // reads /sys
    if (int64_t(xTaps.Count()) * rowCount < kSplitPixels || processors < 2) return draw(0, rowCount);
    std::thread helper;
    try {
        helper = std::thread(draw, rowCount / 2, rowCount);
    } catch (const std::system_error &) {
        return draw(0, rowCount);  // no thread to be had: all of it here
    }
    draw(0, rowCount / 2);
    helper.join();
}

}  // namespace

void StretchPixels(const SourceImage &source, const AxisTaps &xTaps, const AxisTaps &yTaps,
                   const PixelTarget &target) {
    if (xTaps.Count() == 0 || yTaps.Count() == 0) return;
    if (xTaps.AllSingleTaps() && yTaps.AllSingleTaps()) {
        CopySingleTaps(source, xTaps, yTaps, target);
    } else {
        BlendTwoPasses(source, xTaps, yTaps, target);
    }
}

}  // namespace gdi
