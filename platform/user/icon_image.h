// The pictures behind icon handles.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/hosts/host.h"

namespace layer_internal {

// The largest image of a .ico file with its transparency mask applied; an
// empty image when the file is malformed or holds a kind this reader does
// not know (PNG images, bit fields).
IconImage DecodeIcoFile(const uint8_t *bytes, size_t size);

// The picture of an icon handle from LoadIconA; null for any other handle.
const IconImage *IconImageOf(HICON icon);

}  // namespace layer_internal
