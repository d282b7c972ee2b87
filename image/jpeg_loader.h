// Decodes one open JPEG file into an upright PackedDib sized for the view.
#pragma once

#include <stdio.h>

#include "image/packed_dib.h"

// The reduction 8, 4, 2 or 1 to decode at: the largest for which the reduced
// picture's smaller side is still larger than the view's larger side.
unsigned ChooseScaleDenominator(unsigned imageWidth, unsigned imageHeight, unsigned viewWidth,
                                unsigned viewHeight);

// Decodes `stream` (open "rb", at its start; left open) for a view of
// viewWidth x viewHeight. Reads g_viewer.fitMode, writes
// g_viewer.decodeDenominator. Returns a new block the caller owns, or none.
PackedDib *LoadJpeg(FILE *stream, int viewWidth, int viewHeight);
