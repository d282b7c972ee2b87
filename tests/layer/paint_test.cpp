// Invalidation, erasing with the class brush, the paint's clip, and
// ScrollWindow moving pixels and invalidating only the uncovered band.
#include "tests/layer/layer_fixture.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0xFF0000;

bool SameRect(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class PaintTest : public LayerTest {
protected:
    HWND hwnd_ = nullptr;
    std::vector<PAINTSTRUCT> paints_;  // what each WM_PAINT's BeginPaint gave
    bool drawWhite_ = false;

    void SetUp() override
    {
        LayerTest::SetUp();
        g_testReaction = [this](HWND h, UINT message, WPARAM, LPARAM) -> LRESULT {
            if (message != WM_PAINT) return 0;
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(h, &paint);
            if (drawWhite_) FillSurfaceRect(layer::ClientSurface(h), paint.rcPaint,
                                            static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            (void)dc;
            paints_.push_back(paint);
            EndPaint(h, &paint);
            return 1;
        };
        hwnd_ = CreateTestWindow(216, 139);  // a 200 x 100 client area
        ShowWindow(hwnd_, SW_SHOW);
        headless::PumpUntilIdle();
        paints_.clear();
        Log().clear();
    }
};

TEST_F(PaintTest, InvalidRectanglesUniteIntoOnePaint)
{
    RECT a{10, 10, 20, 20}, b{50, 40, 60, 90};
    InvalidateRect(hwnd_, &a, FALSE);
    InvalidateRect(hwnd_, &b, FALSE);
    headless::PumpUntilIdle();
    ASSERT_EQ(paints_.size(), 1u);
    EXPECT_TRUE(SameRect(paints_[0].rcPaint, RECT{10, 10, 60, 90}));
}

TEST_F(PaintTest, InvalidationOutsideTheClientAreaIsDropped)
{
    RECT outside{300, 300, 400, 400}, straddling{190, 90, 260, 160};
    InvalidateRect(hwnd_, &outside, TRUE);
    headless::PumpUntilIdle();
    EXPECT_TRUE(paints_.empty());
    InvalidateRect(hwnd_, &straddling, TRUE);
    headless::PumpUntilIdle();
    ASSERT_EQ(paints_.size(), 1u);
    EXPECT_TRUE(SameRect(paints_[0].rcPaint, RECT{190, 90, 200, 100}));
}

TEST_F(PaintTest, ErasingUsesTheClassBrushOnlyOnTheInvalidAreaAndOnlyWhenAsked)
{
    struct Case {
        BOOL erase;
        uint32_t inside;
        uint32_t outside;
    };
    const Case cases[] = {{TRUE, kBlack, kRed}, {FALSE, kRed, kRed}};
    for (const Case &c : cases) {
        FillClient(hwnd_, kRed);
        RECT area{20, 20, 40, 40};
        InvalidateRect(hwnd_, &area, c.erase);
        headless::PumpUntilIdle();
        EXPECT_EQ(PixelAt(hwnd_, 25, 25), c.inside) << c.erase;
        EXPECT_EQ(PixelAt(hwnd_, 45, 25), c.outside) << c.erase;
        EXPECT_EQ(PixelAt(hwnd_, 19, 19), kRed) << c.erase;
    }
    // WM_ERASEBKGND came once, for the paint that asked for it.
    std::vector<UINT> all = LoggedMessages(true);
    EXPECT_EQ(std::count(all.begin(), all.end(), static_cast<UINT>(WM_ERASEBKGND)), 1);
}

TEST_F(PaintTest, OneErasingInvalidationMakesTheWholePaintErase)
{
    FillClient(hwnd_, kRed);
    RECT a{0, 0, 10, 10}, b{100, 50, 110, 60};
    InvalidateRect(hwnd_, &a, FALSE);
    InvalidateRect(hwnd_, &b, TRUE);
    headless::PumpUntilIdle();
    EXPECT_EQ(PixelAt(hwnd_, 5, 5), kBlack);
    EXPECT_EQ(PixelAt(hwnd_, 105, 55), kBlack);
    EXPECT_EQ(PixelAt(hwnd_, 50, 30), kRed);  // between them: not part of the region
}

TEST_F(PaintTest, ThePixelsSurviveBetweenPaints)
{
    drawWhite_ = true;
    InvalidateRect(hwnd_, nullptr, TRUE);
    headless::PumpUntilIdle();
    RECT corner{0, 0, 10, 10};
    drawWhite_ = false;
    InvalidateRect(hwnd_, &corner, FALSE);
    headless::PumpUntilIdle();
    EXPECT_EQ(PixelAt(hwnd_, 150, 80), kWhite);
    EXPECT_EQ(paints_.size(), 2u);
}

TEST_F(PaintTest, ScrollWindowMovesPixelsAndInvalidatesOnlyTheBand)
{
    struct Case {
        int dx, dy;
        RECT band;
    };
    // The scrolled rectangle is the client area less a 25-pixel strip at the bottom.
    const Case cases[] = {
        {-10, 0, {190, 0, 200, 75}},
        {10, 0, {0, 0, 10, 75}},
        {0, -30, {0, 45, 200, 75}},
        {0, 30, {0, 0, 200, 30}},
        {-300, 0, {0, 0, 200, 75}},  // a step wider than the rectangle
    };
    for (const Case &c : cases) {
        FillClient(hwnd_, kBlack);
        RECT mark{100, 40, 101, 41};
        FillSurfaceRect(layer::ClientSurface(hwnd_), mark,
                        static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        paints_.clear();
        RECT rect{0, 0, 200, 75};
        ScrollWindow(hwnd_, c.dx, c.dy, &rect, &rect);
        headless::PumpUntilIdle();
        ASSERT_EQ(paints_.size(), 1u) << c.dx << "," << c.dy;
        EXPECT_TRUE(SameRect(paints_[0].rcPaint, c.band)) << c.dx << "," << c.dy;
        int x = 100 + c.dx, y = 40 + c.dy;
        if (x >= 0 && x < 200) {
            EXPECT_EQ(PixelAt(hwnd_, x, y), kWhite) << c.dx << "," << c.dy;
        }
        if (c.dx != 0 || c.dy != 0) {
            EXPECT_EQ(PixelAt(hwnd_, 100, 40), kBlack) << c.dx << "," << c.dy;
        }
    }
}

TEST_F(PaintTest, ScrollWindowLeavesPixelsOutsideTheRectangleAlone)
{
    FillClient(hwnd_, kRed);
    RECT rect{0, 0, 200, 75};
    ScrollWindow(hwnd_, 0, -20, &rect, &rect);
    headless::PumpUntilIdle();
    EXPECT_EQ(PixelAt(hwnd_, 10, 90), kRed);  // the strip below did not move or erase
    EXPECT_EQ(PixelAt(hwnd_, 10, 60), kBlack);  // the uncovered band was erased
}

TEST_F(PaintTest, APendingInvalidAreaMovesWithTheScrolledPixels)
{
    RECT pending{50, 10, 60, 20};
    InvalidateRect(hwnd_, &pending, FALSE);
    RECT rect{0, 0, 200, 75};
    ScrollWindow(hwnd_, 0, 30, &rect, &rect);
    headless::PumpUntilIdle();
    ASSERT_EQ(paints_.size(), 1u);
    // The band (top 30 rows) and the moved area (50,40)-(60,50) together.
    EXPECT_TRUE(SameRect(paints_[0].rcPaint, RECT{0, 0, 200, 50}));
}

TEST_F(PaintTest, UpdateWindowPaintsAtOnceOnlyWhenSomethingIsInvalid)
{
    UpdateWindow(hwnd_);
    EXPECT_TRUE(paints_.empty());
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
    EXPECT_EQ(paints_.size(), 1u);
    headless::PumpUntilIdle();
    EXPECT_EQ(paints_.size(), 1u);  // nothing left to paint
}

TEST_F(PaintTest, TheLastPaintsTextsAreKept)
{
    g_testReaction = [](HWND h, UINT message, WPARAM, LPARAM) -> LRESULT {
        if (message != WM_PAINT) return 0;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(h, &paint);
        SetTextColor(dc, RGB(0, 255, 0));
        RECT rect{0, 0, 200, 100};
        DrawTextA(dc, " a.jpg (1/2) ", -1, &rect, DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP);
        EndPaint(h, &paint);
        return 1;
    };
    InvalidateRect(hwnd_, nullptr, TRUE);
    headless::PumpUntilIdle();
    std::vector<DrawnText> texts = layer::LastPaintTexts(hwnd_);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].utf8, " a.jpg (1/2) ");
    EXPECT_EQ(texts[0].color, RGB(0, 255, 0));
}

}  // namespace

namespace {

LRESULT CALLBACK RecordPaintArea(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT) return DefWindowProcA(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    Log().push_back(Received{hwnd, WM_PAINT, 0, MAKELPARAM(paint.rcPaint.right, paint.rcPaint.bottom),
                             paint.rcPaint.left, paint.rcPaint.top});
    EndPaint(hwnd, &paint);
    return 0;
}

class ResizePaintTest : public LayerTest {};

// A class that redraws on resizing repaints everything; another repaints only
// what the new size uncovers.
TEST_F(ResizePaintTest, ResizingRepaintsWhatTheClassStyleAsksFor)
{
    struct Case {
        const char *className;
        UINT style;
    };
    // Each window grows from 200 x 100 to 250 x 130.
    const Case cases[] = {{"RedrawAll", CS_HREDRAW | CS_VREDRAW}, {"RedrawNew", 0}};
    for (const Case &c : cases) {
        WNDCLASSA wc{};
        wc.style = c.style;
        wc.lpfnWndProc = RecordPaintArea;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = c.className;
        RegisterClassA(&wc);
        HWND hwnd = CreateWindowExA(0, c.className, "", WS_OVERLAPPEDWINDOW, 0, 0, 216, 139,
                                    nullptr, nullptr, nullptr, nullptr);
        ShowWindow(hwnd, SW_SHOW);
        Settle();
        FillClient(hwnd, 0xFF0000);
        layer::OnClientResized(hwnd, 250, 130);
        headless::PumpUntilIdle();
        ASSERT_EQ(Log().size(), 1u) << c.className;
        // The bounds of both kinds reach the new corner; only the redraw class
        // erases the old area too.
        EXPECT_EQ(Log()[0].lParam, MAKELPARAM(250, 130)) << c.className;
        uint32_t oldArea = PixelAt(hwnd, 10, 10);
        EXPECT_EQ(oldArea, c.style != 0 ? 0x000000u : 0xFF0000u) << c.className;
        EXPECT_EQ(PixelAt(hwnd, 240, 120), 0x000000u) << c.className;  // uncovered: erased
        DestroyWindow(hwnd);
    }
}

}  // namespace
