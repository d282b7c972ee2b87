// The record of every DrawTextA call, read back with TakeDrawnTexts.
#pragma once

#include "platform/gdi/surface_dc.h"

namespace gdi {

void RecordDrawnText(DrawnText text);

}  // namespace gdi
