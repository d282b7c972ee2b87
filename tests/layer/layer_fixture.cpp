// The test window and the fixture.
#include "tests/layer/layer_fixture.h"

#include <cairo.h>

#include <cstring>
#include <memory>

std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> g_testReaction;

std::vector<Received> &Log()
{
    static std::vector<Received> log;
    return log;
}

std::vector<UINT> LoggedMessages(bool all)
{
    std::vector<UINT> messages;
    for (const Received &r : Log()) {
        if (!all && (r.message == WM_ERASEBKGND || r.message == WM_CHAR)) continue;
        messages.push_back(r.message);
    }
    return messages;
}

namespace {

void PaintWhite(HWND hwnd)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    if (dc != nullptr) {
        HRGN region = CreateRectRgn(paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right,
                                    paint.rcPaint.bottom);
        FillRgn(dc, region, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DeleteObject(region);
    }
    EndPaint(hwnd, &paint);
}

LRESULT CALLBACK TestProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    Log().push_back(Received{hwnd, message, wParam, lParam, client.right, client.bottom});
    if (g_testReaction) {
        LRESULT reaction = g_testReaction(hwnd, message, wParam, lParam);
        if (reaction != 0) return reaction;
    }
    switch (message) {
    case WM_PAINT: PaintWhite(hwnd); return 0;
    case WM_DESTROY: PostQuitMessage(7); return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void RegisterTestClass()
{
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = TestProcedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MYICON");
    wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kTestClass;
    registered = RegisterClassA(&wc) != 0;
}

HWND CreateTestWindow(int width, int height)
{
    RegisterTestClass();
    return CreateWindowExA(0, kTestClass, "Test", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void SetScript(std::deque<std::function<void()>> steps)
{
    auto shared = std::make_shared<std::deque<std::function<void()>>>(std::move(steps));
    headless::SetScriptSource([shared] {
        if (shared->empty()) return false;
        auto step = shared->front();
        shared->pop_front();
        step();
        return true;
    });
}

uint32_t PixelAt(HWND hwnd, int x, int y)
{
    cairo_surface_t *surface = layer::ClientSurface(hwnd);
    cairo_surface_flush(surface);
    const unsigned char *row =
        cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    uint32_t pixel;
    std::memcpy(&pixel, row + 4 * x, 4);
    return pixel & 0xFFFFFF;
}

void FillClient(HWND hwnd, uint32_t rgb)
{
    cairo_surface_t *surface = layer::ClientSurface(hwnd);
    cairo_t *cr = cairo_create(surface);
    cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                         (rgb & 0xFF) / 255.0);
    cairo_paint(cr);
    cairo_destroy(cr);
}

void LayerTest::SetUp()
{
    layer::ResetWindowsAndQueue();
    headless::Configure(headless::Config());
    Log().clear();
    g_testReaction = nullptr;
}

void LayerTest::TearDown()
{
    g_testReaction = nullptr;
    layer::ResetWindowsAndQueue();
    Log().clear();
}

void LayerTest::Settle()
{
    headless::PumpUntilIdle();
    Log().clear();
}
