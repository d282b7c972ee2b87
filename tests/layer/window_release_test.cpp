// A window's client surface and regions belong to its record: they go when the
// record goes, whether the window was destroyed or was still open when the
// program ended (the record then goes with the layer's registry).
#include <memory>

#include <cairo.h>

#include "platform/user/window_record.h"
#include "tests/layer/layer_fixture.h"

namespace {

TEST(WindowRecordRelease, TheRecordGivesBackItsSurface)
{
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 8, 8);
    auto window = std::make_unique<KovloWindow>();
    window->surface = cairo_surface_reference(surface);
    window->invalid = cairo_region_create();
    window->paintRegion = cairo_region_create();  // a paint that never ended
    ASSERT_EQ(cairo_surface_get_reference_count(surface), 2u);
    window.reset();
    EXPECT_EQ(cairo_surface_get_reference_count(surface), 1u);
    cairo_surface_destroy(surface);
}

class WindowReleaseTest : public LayerTest {};

TEST_F(WindowReleaseTest, ADestroyedWindowGivesBackItsSurface)
{
    struct Case {
        const char *name;
        bool destroyMidPaint;  // destroyed between BeginPaint and EndPaint
    };
    for (const Case &c : {Case{"after its paint", false}, Case{"during its paint", true}}) {
        HWND hwnd = CreateTestWindow(216, 139);
        ShowWindow(hwnd, SW_SHOW);
        Settle();
        cairo_surface_t *surface = cairo_surface_reference(layer::ClientSurface(hwnd));
        ASSERT_NE(surface, nullptr) << c.name;
        InvalidateRect(hwnd, nullptr, TRUE);
        PAINTSTRUCT paint;
        ASSERT_NE(BeginPaint(hwnd, &paint), nullptr) << c.name;
        if (c.destroyMidPaint) layer::ResetWindowsAndQueue();
        EXPECT_EQ(EndPaint(hwnd, &paint), c.destroyMidPaint ? FALSE : TRUE) << c.name;
        layer::ResetWindowsAndQueue();
        EXPECT_EQ(cairo_surface_get_reference_count(surface), 1u) << c.name;
        cairo_surface_destroy(surface);
    }
}

}  // namespace
