#include "platform/gdi/stretch_passes.h"

#include <algorithm>
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

// The horizontal taps with their source pixels counted from `columnBegin`,
// where the intermediate row starts.
std::vector<int> RelativeColumns(const AxisTaps &xTaps, int columnBegin) {
    std::vector<int> columns(xTaps.sourceFirst);
    for (int &c : columns) c -= columnBegin;
    return columns;
}

void BlendTwoPasses(const SourceImage &source, const AxisTaps &xTaps, const AxisTaps &yTaps,
                    const PixelTarget &target) {
    const int columnBegin = xTaps.SourceBegin();
    const size_t byteBegin = 3 * static_cast<size_t>(columnBegin);
    const size_t count = 3 * static_cast<size_t>(xTaps.SourceEnd() - columnBegin);
    const std::vector<int> columns = RelativeColumns(xTaps, columnBegin);
    std::vector<int16_t> inter(count + kInterPadding, 0);
    std::vector<const uint8_t *> rows;
    for (int row = 0; row < yTaps.Count(); ++row) {
        if (row == 0 || !SameRowTaps(yTaps, row, row - 1)) {
            rows.clear();
            for (int t = 0; t < yTaps.Taps(row); ++t)
                rows.push_back(source.Row(yTaps.sourceFirst[row] + t) + byteBegin);
            BlendRows(rows.data(), yTaps.Weights(row), yTaps.Taps(row), count, inter.data());
        }
        BlendColumns(inter.data(), columns.data(), xTaps.weightBegin.data(),
                     xTaps.weights.data(), xTaps.Count(),
                     target.Row(yTaps.destFirst + row) + xTaps.destFirst);
    }
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
