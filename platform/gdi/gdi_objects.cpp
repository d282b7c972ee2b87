// GetStockObject, CreateRectRgn, DeleteObject (fonts are made in fonts.cpp).
#include "platform/gdi/gdi_objects.h"

#include <algorithm>
#include <unordered_set>

namespace {

KovloGdiObject g_whiteBrush{KovloGdiObject::Kind::kBrush, true, RGB(255, 255, 255), {}, {}};
KovloGdiObject g_blackBrush{KovloGdiObject::Kind::kBrush, true, RGB(0, 0, 0), {}, {}};
KovloGdiObject g_nullBrush{KovloGdiObject::Kind::kNullBrush, true, 0, {}, {}};

std::unordered_set<const KovloGdiObject *> &CreatedObjects() {
    static std::unordered_set<const KovloGdiObject *> objects;
    return objects;
}

bool IsStock(const KovloGdiObject *object) {
    return object == &g_whiteBrush || object == &g_blackBrush || object == &g_nullBrush ||
           object == gdi::DefaultFont();
}

// The object behind a handle, or null when the handle is not live.
const KovloGdiObject *Live(HGDIOBJ handle) {
    if (!handle) return nullptr;
    if (IsStock(handle) || CreatedObjects().count(handle)) return handle;
    return nullptr;
}

}  // namespace

HGDIOBJ GetStockObject(int object) {
    switch (object) {
    case WHITE_BRUSH: return &g_whiteBrush;
    case BLACK_BRUSH: return &g_blackBrush;
    case NULL_BRUSH: return &g_nullBrush;
    case SYSTEM_FONT: return gdi::DefaultFont();
    default: return nullptr;
    }
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    // Like Windows, the corners may come in either order.
    RECT rect{std::min(left, right), std::min(top, bottom), std::max(left, right),
              std::max(top, bottom)};
    return gdi::AdoptObject(new KovloGdiObject{KovloGdiObject::Kind::kRegion, false, 0, rect, {}});
}

BOOL DeleteObject(HGDIOBJ object) {
    const KovloGdiObject *live = Live(object);
    if (!live) return FALSE;
    if (live->stock) return TRUE;
    CreatedObjects().erase(live);
    delete live;
    return TRUE;
}

namespace gdi {

const KovloGdiObject *LiveObject(HGDIOBJ handle) { return Live(handle); }

HGDIOBJ AdoptObject(KovloGdiObject *object) {
    CreatedObjects().insert(object);
    return object;
}

bool BrushColor(HBRUSH brush, COLORREF *color) {
    const KovloGdiObject *live = Live(brush);
    if (!live || live->kind != KovloGdiObject::Kind::kBrush) return false;
    *color = live->color;
    return true;
}

bool RegionRect(HRGN region, RECT *rect) {
    const KovloGdiObject *live = Live(region);
    if (!live || live->kind != KovloGdiObject::Kind::kRegion) return false;
    *rect = live->rect;
    return true;
}

int LiveObjectCount() { return static_cast<int>(CreatedObjects().size()); }

}  // namespace gdi
