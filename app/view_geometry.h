// The arithmetic of the two views, apart from any drawing.
#pragma once

#include "platform/win32.h"

// Where a picture goes in the fit view, scale in units of 1/10000.
struct FitPlacement {
    int scale;
    int x, y, width, height;
};

// Scales a width x height picture (both at least 1) to fit a view of
// viewWidth x viewHeight, keeping its proportions, centred. Divisions truncate
// toward zero; a view of zero or negative size gives a zero or negative scale.
FitPlacement PlaceFitted(int width, int height, int viewWidth, int viewHeight);

// The percentage of the file's own size that a fit scale shows, for a picture
// decoded at 1/decodeDenominator.
int FitPercent(int fitScale, int decodeDenominator);

// Fills the scroll-bar record of one axis for the actual-size view: range
// 0..imageExtent - viewExtent, page 10. A position beyond a positive range is
// lowered to its top; with no range the bar's position is 0 and `position`
// is kept for a later, larger picture.
void FillScrollRecord(int imageExtent, int viewExtent, int *position, SCROLLINFO *record);
