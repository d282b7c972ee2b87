// A fresh device context's font, the one the status strip is written in (the
// viewer selects none): GetTextMetricsA, and GetTextExtentPoint32A of the
// strip's key hints, of its name lines as the viewer composes them, and of
// single characters of each width.
#include <string>

#include "app/viewer_texts.h"
#include "tests/conformance/conformance.h"

using namespace conformance;

namespace {

void PrintExtent(HDC dc, const std::string &what, const std::string &text)
{
    SIZE size = {-1, -1};
    BOOL answered = GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    Print("GetTextExtentPoint32A %s: %s %ldx%ld\n", what.c_str(), answered ? "TRUE" : "FALSE",
          long(size.cx), long(size.cy));
}

}  // namespace

void PrintFont()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "KovloConformanceFont";
    RegisterClassA(&windowClass);
    HWND hwnd = CreateWindowExA(0, windowClass.lpszClassName, "font", WS_OVERLAPPEDWINDOW, 0, 0,
                                320, 240, nullptr, nullptr, windowClass.hInstance, nullptr);
    HDC dc = GetDC(hwnd);
    TEXTMETRICA metrics = {};
    BOOL answered = GetTextMetricsA(dc, &metrics);
    Print("GetTextMetricsA: %s height %ld ascent %ld descent %ld average %ld maximum %ld\n",
          answered ? "TRUE" : "FALSE", long(metrics.tmHeight), long(metrics.tmAscent),
          long(metrics.tmDescent), long(metrics.tmAveCharWidth), long(metrics.tmMaxCharWidth));

    PrintExtent(dc, "fit hint", kFitKeyHint);
    PrintExtent(dc, "actual hint", kActualKeyHint);
    PrintExtent(dc, "no-image hint", kNoImageKeyHint);
    const char *const names[] = {"IMG_0001.JPG", "\x8e\xca\x90\x5e (1).jpg", "\x87\x8a.jpg",
                                 "\xb1\xb2\xb3.jpg"};  // 写真 (1), ㈱, ｱｲｳ
    char line[512];
    for (const char *name : names) {
        wsprintfA(line, kFitNameFormat, name, 12, 345, 100);
        PrintExtent(dc, Format("fit line %s", Escaped(name).c_str()), line);
        wsprintfA(line, kActualNameFormat, name, 12, 345);
        PrintExtent(dc, Format("actual line %s", Escaped(name).c_str()), line);
        wsprintfA(line, kNoImageNameFormat, name, 12, 345);
        PrintExtent(dc, Format("no-image line %s", Escaped(name).c_str()), line);
    }
    for (const char *text : {"", " ", "i", "W", "0", "\x82\xa0", "\xb1", "\x81\xa9"})
        PrintExtent(dc, Format("\"%s\"", Escaped(text).c_str()), text);
    ReleaseDC(hwnd, dc);
    DestroyWindow(hwnd);
}
