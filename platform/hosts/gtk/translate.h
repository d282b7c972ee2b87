// The GTK host's arithmetic, kept apart from the widgets so that it can be
// tested without a display: GDK keys to virtual-key codes, GTK scroll requests
// to Windows request codes, a Windows scroll bar record to a GtkAdjustment,
// and dialog units to pixels.
#pragma once

// The Windows header first: GLib then keeps its TRUE and FALSE.
#include "platform/hosts/host.h"

#include <gtk/gtk.h>

// The virtual-key code a key press gives on Windows, or 0 for a key that has
// none here (dead keys, input-method keys...).
UINT VirtualKeyFromKeyval(guint keyval);

// The Windows request code (SB_LINEUP ... SB_BOTTOM) for a user's action on a
// scroll bar; -1 for GTK_SCROLL_JUMP (a thumb drag, reported separately) and
// GTK_SCROLL_NONE.
int ScrollRequestFromGtk(GtkScrollType scroll);

// Which arrow end of a scroll bar a press falls on, from its distance `along`
// the bar of `length` pixels whose square arrow buttons are `arrow` pixels
// long: -1 the start (left or top), +1 the end, 0 neither.
int ArrowEndAt(int along, int length, int arrow);

// What a press held in a scroll bar's trough asks for, with the thumb from
// thumbStart to thumbEnd (pixels along the bar): SB_PAGEUP before the thumb,
// SB_PAGEDOWN after it, -1 once the thumb has reached the pointer. Paging
// stops there, as on Windows.
int TroughRequestAt(int along, int thumbStart, int thumbEnd);

// A Windows scroll bar (nMin..nMax with a page of nPage positions, the thumb
// reaching nMax - nPage + 1) as a GtkAdjustment (lower..upper with a page of
// page_size, the value reaching upper - page_size). A bar without room gets
// one page that fills it.
struct AdjustmentValues {
    double lower, upper, pageSize, value;
};
AdjustmentValues AdjustmentForView(const ScrollBarView &view);

// The highest position the thumb reaches; never below the minimum.
int ThumbLimit(const ScrollBarView &view);

// Dialog base units, as Windows derives them from the dialog font: the average
// width of the 52 Latin letters (rounded) and the character height.
struct DialogBaseUnits {
    int x, y;
};
DialogBaseUnits BaseUnitsFromFont(int latinAlphabetWidth, int characterHeight);

// A rectangle in dialog units to pixels: x * baseX / 4, y * baseY / 8.
RECT DialogUnitsToPixels(int x, int y, int width, int height, DialogBaseUnits base);
