// kovlo-gtk-probe: the helper of the real-window checks (window_checks.sh).
//
//   folder DIR KIND                   make a test folder of JPEG files, KIND
//                                     one of colours, scroll, empty, broken
//                                     (a text file and a picture cut inside
//                                     its scan), sjis (names whose second code
//                                     page 932 byte is a backslash), photo
//                                     (one photograph-like 800x600 picture),
//                                     large (40 names of one 24-megapixel one)
//                                     camera (ordinary camera and phone names,
//                                     each the colour of its place in
//                                     Windows' order, camera_colour in
//                                     x_checks.sh), or tall, one, panorama (the agreement
//                                     scenarios', scenario_pictures.h)
//   hold WINDOW KEYSYM MS QUIET       hold a key on the window, release it and
//                                     watch the window settle (hold_watch.h)
//   pixel PNG X Y                     print the pixel's colour as RRGGBB
//   count PNG X Y W H RRGGBB TOL      print how many pixels of the rectangle
//                                     are within TOL of the colour per channel
//   ink PNG X Y W H                   print the left edge and the width of the
//                                     dark pixels (text) in the rectangle
//   text-width FAMILY PIXELS TEXT     print the width of the ink of a UTF-8
//                                     text set in that face at that size
//   compare PNG X Y PNG X Y W H       print the mean absolute difference per
//                                     channel of two rectangles, and the share
//                                     of their pixels off by more than 16 in
//                                     some channel
//   close-box WINDOW                  press the window's close box (the
//                                     WM_DELETE_WINDOW message a window
//                                     manager sends), for an X server without one
//   frame WINDOW                      print the outer rectangle, the window
//                                     manager's frame included, as X Y W H
//   differ SHOT X Y REF               print how many pixels of REF differ from
//                                     the rectangle of SHOT at (X, Y), and
//                                     the first one that does
//
// Exit code 0 on success, 2 on a usage error or an unreadable file.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/gtk/hold_watch.h"
#include "tests/gtk/scenario_pictures.h"
#include "tests/support/jpeg_writer.h"

namespace {

RawPicture FlatPicture(int width, int height, uint8_t r, uint8_t g, uint8_t b)
{
    RawPicture picture = MakePicture(width, height, 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t *p = picture.At(x, y);
            p[0] = r, p[1] = g, p[2] = b;
        }
    }
    return picture;
}

// Larger than the window both ways. Its left 60 columns carry full red and its
// top 60 rows full green over a mid blue, so one page of scrolling (60
// pixels) to the right or down takes that mark off the window's edge.
RawPicture ScrollPicture()
{
    RawPicture picture = MakePicture(1600, 1200, 3);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            uint8_t *p = picture.At(x, y);
            p[0] = x < 60 ? 255 : 0, p[1] = y < 60 ? 255 : 0, p[2] = 128;
        }
    }
    return picture;
}

// Red above, blue below. Cut a quarter of the way into its scan data, it
// decodes to its first rows and what the library makes of the missing rest.
std::vector<uint8_t> CutPicture()
{
    RawPicture picture = FlatPicture(800, 600, 255, 0, 0);
    for (int y = 300; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) picture.At(x, y)[0] = 0, picture.At(x, y)[2] = 255;
    }
    std::vector<uint8_t> jpeg = EncodeJpeg(picture);
    size_t scan = 0;  // just after the start-of-scan marker
    for (size_t i = 0; i + 1 < jpeg.size() && !scan; ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA) scan = i + 2;
    }
    jpeg.resize(scan + (jpeg.size() - scan) / 4);
    return jpeg;
}

// 40 names of one 24-megapixel photograph, whose decode takes longer than the
// 40 ms between a held key's repeats; the status strip tells them apart.
int MakeLargeFolder(const std::string &dir)
{
    JpegOptions options;
    options.subsample420 = true;
    options.quality = 90;
    WriteBytes(dir + "/p00.jpg", EncodeJpeg(MakePhotoPicture(6000, 4000, 3, 5), options));
    for (int i = 1; i < 40; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "/p%02d.jpg", i);
        if (link((dir + "/p00.jpg").c_str(), (dir + name).c_str()) != 0) return 2;
    }
    return 0;
}

// The colour of the picture in place `rank`: rank + 1 in base 3, a digit a
// channel (red first), each 00, 80 or FF.
RawPicture RankColour(int rank)
{
    const uint8_t levels[3] = {0x00, 0x80, 0xFF};
    int n = rank + 1;
    return FlatPicture(800, 600, levels[n % 3], levels[n / 3 % 3], levels[n / 9 % 3]);
}

// Camera and phone names, each a picture of the colour of its place in the
// order Windows gave the camera group (tests/files/recorded_orders.txt).
int MakeCameraFolder(const std::string &dir)
{
    const char *const names[] = {
        "IMG_1234.JPG", "IMG_1234_edited.JPG", "IMG_0007.JPG", "IMG_0007_edited.JPG", "DSC01234 (2).jpg",
        "DSC01234.jpg", "20240501_100000.jpg", "20240501_100000_HDR.jpg", "Screenshot_20240501-100000.jpg",
        "Image(1).jpg", "Image.jpg", "\u5199\u771f (1).jpg", "\u5199\u771f.jpg", "\u3231\u5c71\u7530.jpg",
        "(\u682a)\u5c71\u7530.jpg"};
    std::ifstream recorded(KOVLO_SOURCE_DIR "/tests/files/recorded_orders.txt");
    std::string line;
    while (std::getline(recorded, line) && line != "group: camera") {}
    int rank = 0;
    while (std::getline(recorded, line) && !line.empty()) {
        for (const char *name : names) {
            if (line == name) WriteBytes(dir + "/" + name, EncodeJpeg(RankColour(rank++)));
        }
    }
    return rank == int(sizeof names / sizeof *names) ? 0 : 2;
}

int MakeFolder(const std::string &dir, const std::string &kind)
{
    mkdir(dir.c_str(), 0755);
    if (kind == "colours") {
        // Name order is red, green, blue; 4:3 like the window's view.
        WriteBytes(dir + "/a.jpg", EncodeJpeg(FlatPicture(800, 600, 255, 0, 0)));
        WriteBytes(dir + "/b.jpg", EncodeJpeg(FlatPicture(800, 600, 0, 255, 0)));
        WriteBytes(dir + "/c.jpg", EncodeJpeg(FlatPicture(800, 600, 0, 0, 255)));
    } else if (kind == "scroll") {
        WriteBytes(dir + "/scroll.jpg", EncodeJpeg(ScrollPicture()));
    } else if (kind == "broken") {
        // Name order: the text file, then the cut picture.
        WriteBytes(dir + "/a.jpg", {'n', 'o', 't', ' ', 'a', ' ', 'J', 'P', 'E', 'G', '\n'});
        WriteBytes(dir + "/b.jpg", CutPicture());
    } else if (kind == "sjis") {
        // 表 is 0x95 0x5C and ソ 0x83 0x5C in code page 932.
        WriteBytes(dir + "/\u8868.jpg", EncodeJpeg(FlatPicture(800, 600, 255, 0, 0)));
        WriteBytes(dir + "/\u30BD.jpg", EncodeJpeg(FlatPicture(800, 600, 0, 0, 255)));
    } else if (kind == "photo") {
        WriteBytes(dir + "/photo.jpg", EncodeJpeg(MakePhotoPicture(800, 600, 3, 7)));
    } else if (kind == "photo_2x") {
        // The photograph for a screen of scale 2: the fit view reduces it by
        // as much as it reduces the other at 96 DPI.
        WriteBytes(dir + "/photo.jpg", EncodeJpeg(MakePhotoPicture(1600, 1200, 3, 7)));
    } else if (kind == "camera") {
        return MakeCameraFolder(dir);
    } else if (kind == "large") {
        return MakeLargeFolder(dir);
    } else if (kind != "empty") {
        return MakeScenarioFolder(dir, kind) ? 0 : 2;
    }
    return 0;
}

// An RGB24 or ARGB32 copy of the PNG file, or null.
cairo_surface_t *LoadPng(const char *path)
{
    cairo_surface_t *surface = cairo_image_surface_create_from_png(path);
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) return surface;
    cairo_surface_destroy(surface);
    return nullptr;
}

uint32_t PixelAt(cairo_surface_t *surface, int x, int y)
{
    const unsigned char *row =
        cairo_image_surface_get_data(surface) + size_t(y) * cairo_image_surface_get_stride(surface);
    return reinterpret_cast<const uint32_t *>(row)[x] & 0xFFFFFF;
}

bool Inside(cairo_surface_t *surface, int x, int y)
{
    return x >= 0 && y >= 0 && x < cairo_image_surface_get_width(surface) &&
           y < cairo_image_surface_get_height(surface);
}

bool Near(uint32_t a, uint32_t b, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) return false;
    }
    return true;
}

std::string Describe(int x, int y, uint32_t got, uint32_t want)
{
    char text[64];
    std::snprintf(text, sizeof text, "(%d,%d):%06X/%06X", x, y, got, want);
    return text;
}

int PrintPixel(const char *path, int x, int y)
{
    cairo_surface_t *surface = LoadPng(path);
    if (!surface || !Inside(surface, x, y)) return 2;
    cairo_surface_flush(surface);
    std::printf("%06X\n", PixelAt(surface, x, y));
    cairo_surface_destroy(surface);
    return 0;
}

int CountPixels(const char *path, int left, int top, int width, int height, uint32_t colour,
                int tolerance)
{
    cairo_surface_t *surface = LoadPng(path);
    if (!surface) return 2;
    cairo_surface_flush(surface);
    long count = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            if (Inside(surface, x, y) && Near(PixelAt(surface, x, y), colour, tolerance)) ++count;
        }
    }
    std::printf("%ld\n", count);
    cairo_surface_destroy(surface);
    return 0;
}

// Exact comparison: both hosts draw through the same layer, so a pixel that
// differs at all is a difference in the hosts' metrics or fonts.
int PrintDifference(const char *shotPath, int left, int top, const char *referencePath)
{
    cairo_surface_t *shot = LoadPng(shotPath), *reference = LoadPng(referencePath);
    if (!shot || !reference) return 2;
    long count = 0;
    std::string first = "none";
    for (int y = 0; y < cairo_image_surface_get_height(reference); ++y) {
        for (int x = 0; x < cairo_image_surface_get_width(reference); ++x) {
            uint32_t want = PixelAt(reference, x, y);
            bool inside = Inside(shot, left + x, top + y);
            uint32_t got = inside ? PixelAt(shot, left + x, top + y) : ~want & 0xFFFFFF;
            if (got == want) continue;
            if (count++ == 0) first = Describe(x, y, got, want);
        }
    }
    std::printf("%ld %s\n", count, first.c_str());
    cairo_surface_destroy(shot);
    cairo_surface_destroy(reference);
    return 0;
}

bool Dark(uint32_t pixel)
{
    return ((pixel >> 16) & 0xFF) < 0x60 && ((pixel >> 8) & 0xFF) < 0x60 && (pixel & 0xFF) < 0x60;
}

int PrintInk(const char *path, int left, int top, int width, int height)
{
    cairo_surface_t *surface = LoadPng(path);
    if (!surface) return 2;
    cairo_surface_flush(surface);
    int first = -1, last = -1;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            if (!Inside(surface, x, y) || !Dark(PixelAt(surface, x, y))) continue;
            if (first < 0 || x < first) first = x;
            if (x > last) last = x;
        }
    }
    std::printf("%d %d\n", first, first < 0 ? 0 : last - first + 1);
    cairo_surface_destroy(surface);
    return 0;
}

int PrintTextWidth(const char *family, int pixels, const char *text)
{
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t *cr = cairo_create(surface);
    PangoLayout *layout = pango_cairo_create_layout(cr);
    PangoFontDescription *font = pango_font_description_new();
    pango_font_description_set_family(font, family);
    pango_font_description_set_absolute_size(font, pixels * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, text, -1);
    PangoRectangle ink;
    pango_layout_get_pixel_extents(layout, &ink, nullptr);
    std::printf("%d\n", ink.width);
    pango_font_description_free(font);
    g_object_unref(layout);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return 0;
}

int Compare(char **argv)
{
    cairo_surface_t *a = LoadPng(argv[2]), *b = LoadPng(argv[5]);
    int ax = atoi(argv[3]), ay = atoi(argv[4]), bx = atoi(argv[6]), by = atoi(argv[7]);
    int width = atoi(argv[8]), height = atoi(argv[9]);
    if (!a || !b || !Inside(a, ax + width - 1, ay + height - 1) || !Inside(b, bx + width - 1, by + height - 1))
        return 2;
    cairo_surface_flush(a), cairo_surface_flush(b);
    double sum = 0;
    long far = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint32_t p = PixelAt(a, ax + x, ay + y), q = PixelAt(b, bx + x, by + y);
            for (int shift = 0; shift < 24; shift += 8)
                sum += std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF));
            far += !Near(p, q, 16);
        }
    }
    std::printf("%.3f %.5f\n", sum / (3.0 * width * height), double(far) / (double(width) * height));
    cairo_surface_destroy(a), cairo_surface_destroy(b);
    return 0;
}

int PressCloseBox(unsigned long window)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) return 2;
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}

// The frame's thickness as the window manager states it; none without one.
void FrameExtents(Display *display, Window window, long extents[4])
{
    Atom type;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    Atom property = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    if (XGetWindowProperty(display, window, property, 0, 4, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success && data && count == 4) {
        for (int i = 0; i < 4; ++i) extents[i] = reinterpret_cast<long *>(data)[i];
    }
    if (data) XFree(data);
}

int PrintFrame(unsigned long window)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) return 2;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return 2;
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    long extents[4] = {0, 0, 0, 0};  // left, right, top, bottom
    FrameExtents(display, window, extents);
    std::printf("%ld %ld %ld %ld\n", x - extents[0], y - extents[2],
                attributes.width + extents[0] + extents[1], attributes.height + extents[2] + extents[3]);
    XCloseDisplay(display);
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: kovlo-gtk-probe folder|pixel|count|ink|text-width|compare|differ|\n"
                         "close-box|frame|hold ...\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "folder" && argc == 4) return MakeFolder(argv[2], argv[3]);
    if (command == "pixel" && argc == 5) return PrintPixel(argv[2], atoi(argv[3]), atoi(argv[4]));
    if (command == "count" && argc == 9) {
        return CountPixels(argv[2], atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), atoi(argv[6]),
                           uint32_t(strtoul(argv[7], nullptr, 16)), atoi(argv[8]));
    }
    if (command == "ink" && argc == 7) {
        return PrintInk(argv[2], atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), atoi(argv[6]));
    }
    if (command == "text-width" && argc == 5) return PrintTextWidth(argv[2], atoi(argv[3]), argv[4]);
    if (command == "compare" && argc == 10) return Compare(argv);
    if (command == "close-box" && argc == 3) return PressCloseBox(strtoul(argv[2], nullptr, 0));
    if (command == "frame" && argc == 3) return PrintFrame(strtoul(argv[2], nullptr, 0));
    if (command == "hold" && argc == 6)
        return HoldKeyAndWatch(strtoul(argv[2], nullptr, 0), argv[3], atoi(argv[4]), atoi(argv[5]));
    if (command == "differ" && argc == 6)
        return PrintDifference(argv[2], atoi(argv[3]), atoi(argv[4]), argv[5]);
    return Usage();
}
