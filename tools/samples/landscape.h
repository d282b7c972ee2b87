// Pictures that look like photographs of a landscape: a sky with its sun and
// clouds, ranges of hills fading into the haze, a meadow in front. Made from
// value noise, the same for the same seed, at any size.
#pragma once

#include "tests/support/jpeg_writer.h"

enum class Daylight { Morning, Noon, Evening };

struct Scene {
    Daylight light = Daylight::Noon;
    unsigned seed = 1;
    double sunX = 0.7;  // the sun's place across the picture, 0..1
};

// An RGB picture of the scene (3 components, top row first).
RawPicture PaintLandscape(int width, int height, const Scene &scene);
