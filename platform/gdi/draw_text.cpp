// DrawTextA: one line (or a few) of code page 932 text through pango, in the
// context's font (the user-interface font at the system's DPI unless another
// is selected), with the context's colours.
//
// Handled: DT_LEFT / DT_CENTER / DT_RIGHT, and with DT_SINGLELINE also
// DT_BOTTOM / DT_VCENTER; DT_NOCLIP. Not handled: tab expansion, prefix
// characters, word breaking, DT_CALCRECT and the other rarely used flags.
#include <cstring>
#include <string>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/gdi_rect.h"
#include "platform/gdi/surface_dc.h"
#include "platform/gdi/text_log.h"
#include "platform/gdi/ui_font.h"
#include "platform/text/cp932.h"

namespace {

// The text's cell (its logical extent) placed in `rect` by the format flags.
RECT PlaceCell(const RECT &rect, int width, int height, UINT format) {
    LONG left = rect.left;
    if (format & DT_RIGHT) left = rect.right - width;
    else if (format & DT_CENTER) left = rect.left + (rect.right - rect.left - width) / 2;
    LONG top = rect.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_BOTTOM) top = rect.bottom - height;
        else if (format & DT_VCENTER) top = rect.top + (rect.bottom - rect.top - height) / 2;
    }
    return RECT{left, top, left + width, top + height};
}

void SetSourceColor(cairo_t *cr, COLORREF color) {
    cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0,
                         GetBValue(color) / 255.0);
}

// Paints the cell's background (opaque mode) and the glyphs.
void PaintText(cairo_t *cr, PangoLayout *layout, const PangoRectangle &logical, const RECT &cell,
               const KovloDeviceContext &dc) {
    if (dc.bkMode == OPAQUE) {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        SetSourceColor(cr, dc.bkColor);
        cairo_rectangle(cr, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top);
        cairo_fill(cr);
    }
    SetSourceColor(cr, dc.textColor);
    cairo_move_to(cr, cell.left - logical.x, cell.top - logical.y);
    pango_cairo_show_layout(cr, layout);
}

void ClipTo(cairo_t *cr, const RECT &r) {
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_clip(cr);
}

}  // namespace

int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
    KovloDeviceContext *live = gdi::LiveContext(dc);
    if (!live || !text || !rect) return 0;
    size_t bytes = length < 0 ? std::strlen(text) : static_cast<size_t>(length);
    std::string utf8 = Cp932ToUtf8(std::string_view(text, bytes));
    gdi::RecordDrawnText(DrawnText{live->textColor, format, *rect, utf8});

    cairo_t *cr = cairo_create(live->surface);
    ClipTo(cr, live->clip);
    if (!(format & DT_NOCLIP)) ClipTo(cr, *rect);
    PangoLayout *layout = gdi::CreateTextLayout(cr, utf8, (format & DT_SINGLELINE) != 0,
                                                gdi::ContextFont(*live).c_str());
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    RECT cell = PlaceCell(*rect, logical.width, logical.height, format);
    PaintText(cr, layout, logical, cell, *live);
    g_object_unref(layout);
    cairo_destroy(cr);
    cairo_surface_flush(live->surface);
    // As on Windows: bottom or centred single lines report how far the text's
    // bottom lies below the rectangle's top; otherwise the text's height.
    bool placedVertically = (format & DT_SINGLELINE) && (format & (DT_BOTTOM | DT_VCENTER));
    return placedVertically ? cell.bottom - rect->top : logical.height;
}
