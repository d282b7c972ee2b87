#include "app/view_geometry.h"

#include "app/scroll.h"

constexpr int kScaleUnit = 10000;  // a scale of 10000 is one picture pixel per screen pixel
constexpr int kScrollPage = 10;

FitPlacement PlaceFitted(int width, int height, int viewWidth, int viewHeight)
{
    // Multiplied first, then divided, in 64 bits so that no product can wrap;
    // the results are the same as in 32 bits wherever those do not overflow.
    long long sx = static_cast<long long>(viewWidth) * kScaleUnit / width;
    long long sy = static_cast<long long>(viewHeight) * kScaleUnit / height;
    FitPlacement fit;
    fit.scale = static_cast<int>(sx < sy ? sx : sy);
    fit.width = static_cast<int>(static_cast<long long>(width) * fit.scale / kScaleUnit);
    fit.height = static_cast<int>(static_cast<long long>(height) * fit.scale / kScaleUnit);
    fit.x = (viewWidth - fit.width) / 2;
    fit.y = (viewHeight - fit.height) / 2;
    return fit;
}

int FitPercent(int fitScale, int decodeDenominator)
{
    // Every picture is decoded at 1/1 or smaller; a missing figure counts as 1.
    int denominator = decodeDenominator >= 1 ? decodeDenominator : 1;
    return fitScale / (denominator * 100);
}

void FillScrollRecord(int imageExtent, int viewExtent, int *position, SCROLLINFO *record)
{
    record->cbSize = sizeof(SCROLLINFO);
    record->fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    record->nMin = 0;
    record->nMax = imageExtent - viewExtent;
    record->nPage = kScrollPage;
    record->nPos = ShownScrollPosition(*position, record->nMax);
    if (record->nMax > 0)
        *position = record->nPos;  // lowered to the top when beyond it
}
