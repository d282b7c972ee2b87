// GTK host: the arithmetic of translate.h.
// Implements: keys, scroll requests, scroll-bar ranges and dialog units.
// Does not implement: anything that touches a widget or the display.
#include "platform/hosts/gtk/translate.h"

#include <algorithm>

namespace {

struct KeyPair {
    guint keyval;
    UINT virtualKey;
};

// Keys that are not letters or digits. Both Shift keys give the one code
// VK_SHIFT, as on Windows; the keypad's Enter is Return.
const KeyPair kNamedKeys[] = {
    {GDK_KEY_BackSpace, VK_BACK},   {GDK_KEY_Tab, VK_TAB},          {GDK_KEY_ISO_Left_Tab, VK_TAB},
    {GDK_KEY_Return, VK_RETURN},    {GDK_KEY_KP_Enter, VK_RETURN},  {GDK_KEY_Shift_L, VK_SHIFT},
    {GDK_KEY_Shift_R, VK_SHIFT},    {GDK_KEY_Control_L, VK_CONTROL}, {GDK_KEY_Control_R, VK_CONTROL},
    {GDK_KEY_Escape, VK_ESCAPE},    {GDK_KEY_space, VK_SPACE},      {GDK_KEY_KP_Space, VK_SPACE},
    {GDK_KEY_Left, VK_LEFT},        {GDK_KEY_Up, VK_UP},            {GDK_KEY_Right, VK_RIGHT},
    {GDK_KEY_Down, VK_DOWN},        {GDK_KEY_KP_Left, VK_LEFT},     {GDK_KEY_KP_Up, VK_UP},
    {GDK_KEY_KP_Right, VK_RIGHT},   {GDK_KEY_KP_Down, VK_DOWN},
};

}  // namespace

UINT VirtualKeyFromKeyval(guint keyval)
{
    // Letters give the code of the capital whatever the case, as on Windows.
    if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return 0x41 + (keyval - GDK_KEY_a);
    if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return 0x41 + (keyval - GDK_KEY_A);
    if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return 0x30 + (keyval - GDK_KEY_0);
    for (const KeyPair &pair : kNamedKeys) {
        if (pair.keyval == keyval) return pair.virtualKey;
    }
    return 0;
}

int ScrollRequestFromGtk(GtkScrollType scroll)
{
    switch (scroll) {
    case GTK_SCROLL_STEP_BACKWARD:
    case GTK_SCROLL_STEP_UP:
    case GTK_SCROLL_STEP_LEFT: return SB_LINEUP;
    case GTK_SCROLL_STEP_FORWARD:
    case GTK_SCROLL_STEP_DOWN:
    case GTK_SCROLL_STEP_RIGHT: return SB_LINEDOWN;
    case GTK_SCROLL_PAGE_BACKWARD:
    case GTK_SCROLL_PAGE_UP:
    case GTK_SCROLL_PAGE_LEFT: return SB_PAGEUP;
    case GTK_SCROLL_PAGE_FORWARD:
    case GTK_SCROLL_PAGE_DOWN:
    case GTK_SCROLL_PAGE_RIGHT: return SB_PAGEDOWN;
    case GTK_SCROLL_START: return SB_TOP;
    case GTK_SCROLL_END: return SB_BOTTOM;
    default: return -1;
    }
}

int ArrowEndAt(int along, int length, int arrow)
{
    if (along < 0 || along >= length) return 0;
    if (along < arrow) return -1;
    if (along >= length - arrow) return 1;
    return 0;
}

int TroughRequestAt(int along, int thumbStart, int thumbEnd)
{
    if (along < thumbStart) return SB_PAGEUP;
    if (along >= thumbEnd) return SB_PAGEDOWN;
    return -1;
}

int ThumbLimit(const ScrollBarView &view)
{
    int page = std::max(view.page, 1);
    return std::max(view.minimum, view.maximum - page + 1);
}

AdjustmentValues AdjustmentForView(const ScrollBarView &view)
{
    AdjustmentValues values;
    values.lower = view.minimum;
    values.pageSize = std::max(view.page, 1);
    // upper - page_size is the thumb's limit; a range with no room gets
    // upper = lower + page, a thumb that fills the trough.
    values.upper = ThumbLimit(view) + values.pageSize;
    values.value = std::clamp(view.position, view.minimum, ThumbLimit(view));
    return values;
}

DialogBaseUnits BaseUnitsFromFont(int latinAlphabetWidth, int characterHeight)
{
    return {(latinAlphabetWidth / 26 + 1) / 2, characterHeight};
}

RECT DialogUnitsToPixels(int x, int y, int width, int height, DialogBaseUnits base)
{
    // Corners are mapped, not sizes, so that controls that meet in dialog
    // units still meet in pixels.
    RECT rect;
    rect.left = x * base.x / 4;
    rect.top = y * base.y / 8;
    rect.right = (x + width) * base.x / 4;
    rect.bottom = (y + height) * base.y / 8;
    return rect;
}
