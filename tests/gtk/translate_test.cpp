// The GTK host's arithmetic: keys, scroll requests, scroll-bar ranges and
// dialog units, without a display.
#include <gtest/gtest.h>

#include "platform/hosts/gtk/translate.h"

namespace {

struct KeyCase {
    guint keyval;
    UINT virtualKey;
};

TEST(GtkKeys, KeysTheViewerReadsGiveTheirVirtualKeyCodes)
{
    const KeyCase cases[] = {
        {GDK_KEY_BackSpace, 0x08}, {GDK_KEY_Shift_L, 0x10}, {GDK_KEY_Shift_R, 0x10},
        {GDK_KEY_Escape, 0x1B},    {GDK_KEY_space, 0x20},   {GDK_KEY_Left, 0x25},
        {GDK_KEY_Up, 0x26},        {GDK_KEY_Right, 0x27},   {GDK_KEY_Down, 0x28},
        {GDK_KEY_Return, 0x0D},    {GDK_KEY_KP_Enter, 0x0D}, {GDK_KEY_Tab, 0x09},
        {GDK_KEY_Control_R, 0x11},
    };
    for (const KeyCase &c : cases) {
        EXPECT_EQ(VirtualKeyFromKeyval(c.keyval), c.virtualKey) << gdk_keyval_name(c.keyval);
    }
}

TEST(GtkKeys, LettersGiveTheCapitalsCodeInEitherCaseAndDigitsTheirOwn)
{
    for (guint i = 0; i < 26; ++i) {
        EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_a + i), 0x41 + i);
        EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_A + i), 0x41 + i);
    }
    for (guint i = 0; i < 10; ++i) EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_0 + i), 0x30 + i);
}

TEST(GtkKeys, KeysWithoutACodeGiveZero)
{
    const guint keyvals[] = {GDK_KEY_dead_acute, GDK_KEY_exclam, GDK_KEY_Multi_key,
                             GDK_KEY_VoidSymbol, GDK_KEY_Kanji};
    for (guint keyval : keyvals) EXPECT_EQ(VirtualKeyFromKeyval(keyval), 0u) << keyval;
}

TEST(GtkScrollRequests, EachGtkActionGivesTheWindowsRequestOfBothAxes)
{
    const std::pair<GtkScrollType, int> cases[] = {
        {GTK_SCROLL_STEP_BACKWARD, SB_LINEUP},  {GTK_SCROLL_STEP_LEFT, SB_LINELEFT},
        {GTK_SCROLL_STEP_UP, SB_LINEUP},        {GTK_SCROLL_STEP_FORWARD, SB_LINEDOWN},
        {GTK_SCROLL_STEP_RIGHT, SB_LINERIGHT},  {GTK_SCROLL_STEP_DOWN, SB_LINEDOWN},
        {GTK_SCROLL_PAGE_BACKWARD, SB_PAGEUP},  {GTK_SCROLL_PAGE_LEFT, SB_PAGELEFT},
        {GTK_SCROLL_PAGE_UP, SB_PAGEUP},        {GTK_SCROLL_PAGE_FORWARD, SB_PAGEDOWN},
        {GTK_SCROLL_PAGE_RIGHT, SB_PAGERIGHT},  {GTK_SCROLL_PAGE_DOWN, SB_PAGEDOWN},
        {GTK_SCROLL_START, SB_TOP},             {GTK_SCROLL_END, SB_BOTTOM},
        {GTK_SCROLL_JUMP, -1},                  {GTK_SCROLL_NONE, -1},
    };
    for (const auto &c : cases) EXPECT_EQ(ScrollRequestFromGtk(c.first), c.second) << c.first;
}

TEST(GtkScrollBars, APressNearEitherEndOfTheBarFallsOnThatArrow)
{
    // A bar of 200 pixels with arrow buttons of 14 at both ends.
    const std::pair<int, int> cases[] = {
        {0, -1}, {13, -1}, {14, 0}, {100, 0}, {185, 0}, {186, 1}, {199, 1},
        {-1, 0}, {200, 0},  // outside the bar: no arrow
    };
    for (const auto &c : cases) EXPECT_EQ(ArrowEndAt(c.first, 200, 14), c.second) << c.first;
}

struct BarCase {
    const char *what;
    ScrollBarView view;
    int thumbLimit;
    AdjustmentValues expected;
};

TEST(GtkScrollBars, AWindowsRangeBecomesAnAdjustmentWhoseValueStopsWhereTheThumbDoes)
{
    const BarCase cases[] = {
        // The thumb of a bar ranged 0..200 with a page of 10 reaches 191.
        {"room", {true, true, 0, 200, 10, 40}, 191, {0, 201, 10, 40}},
        {"position past the thumb's reach", {true, true, 0, 200, 10, 200}, 191, {0, 201, 10, 191}},
        {"position below the range", {true, true, 0, 200, 10, -30}, 191, {0, 201, 10, 0}},
        // nMax 9 or less: no room for the thumb, one page fills the trough.
        {"range of 9", {true, false, 0, 9, 10, 0}, 0, {0, 10, 10, 0}},
        {"range of 10", {true, true, 0, 10, 10, 1}, 1, {0, 11, 10, 1}},
        {"negative range", {true, false, 0, -215, 10, 0}, 0, {0, 10, 10, 0}},
        {"no page", {true, true, 0, 50, 0, 50}, 50, {0, 51, 1, 50}},
    };
    for (const BarCase &c : cases) {
        SCOPED_TRACE(c.what);
        AdjustmentValues v = AdjustmentForView(c.view);
        EXPECT_EQ(ThumbLimit(c.view), c.thumbLimit);
        EXPECT_EQ(v.lower, c.expected.lower);
        EXPECT_EQ(v.upper, c.expected.upper);
        EXPECT_EQ(v.pageSize, c.expected.pageSize);
        EXPECT_EQ(v.value, c.expected.value);
        EXPECT_EQ(v.upper - v.pageSize, c.thumbLimit);
    }
}

TEST(GtkDialogUnits, BaseUnitsComeFromTheAlphabetsWidthRoundedAndTheHeight)
{
    // 52 letters of 364 pixels: 7 per letter; 390 pixels: 7.5, rounded up.
    EXPECT_EQ(BaseUnitsFromFont(364, 16).x, 7);
    EXPECT_EQ(BaseUnitsFromFont(390, 16).x, 8);
    EXPECT_EQ(BaseUnitsFromFont(389, 16).x, 7);
    EXPECT_EQ(BaseUnitsFromFont(364, 16).y, 16);
}

TEST(GtkDialogUnits, RectanglesMapCornersSoThatNeighboursStillMeet)
{
    const DialogBaseUnits base = {7, 15};
    // The interval dialog's 140 x 60 units.
    RECT dialog = DialogUnitsToPixels(0, 0, 140, 60, base);
    EXPECT_EQ(dialog.right, 245);
    EXPECT_EQ(dialog.bottom, 112);  // 60 * 15 / 8 = 112.5, truncated
    // Its entry at (30, 20) 28 x 12 and the text beside it at (60, 22).
    RECT edit = DialogUnitsToPixels(30, 20, 28, 12, base);
    EXPECT_EQ(edit.left, 52);   // 30 * 7 / 4 = 52.5
    EXPECT_EQ(edit.top, 37);    // 20 * 15 / 8 = 37.5
    EXPECT_EQ(edit.right, 101); // 58 * 7 / 4 = 101.5
    EXPECT_EQ(edit.bottom, 60);
    // Two boxes that share an edge in units share it in pixels.
    RECT left = DialogUnitsToPixels(15, 40, 29, 15, base);
    RECT right = DialogUnitsToPixels(44, 40, 29, 15, base);
    EXPECT_EQ(left.right, right.left);
}

}  // namespace
