#include "app/paint.h"

#include "app/reload.h"
#include "app/screen_scale.h"
#include "app/view_geometry.h"
#include "app/viewer_state.h"
#include "app/viewer_texts.h"

constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kGreen = 0x0000FF00;
constexpr COLORREF kYellow = 0x0000FFFF;
constexpr COLORREF kMagenta = 0x00FF00FF;
constexpr UINT kKeyHintFormat = DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP;
constexpr UINT kNameLineFormat = DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP;

static void SetViewerTitle(HWND hwnd)
{
    char title[kPaintTextSize];
    if (g_viewer.slideshowOn)
        wsprintfA(title, kSlideshowTitleFormat, g_viewer.fileCount,
                  g_viewer.slideshowSeconds, g_viewer.folder);
    else
        wsprintfA(title, kTitleFormat, g_viewer.fileCount, g_viewer.folder);
    SetWindowTextA(hwnd, title);
}

// One status text on the bottom edge of the client rectangle.
static void DrawStatusText(HDC dc, const char *text, COLORREF color, UINT format)
{
    RECT rect = g_viewer.clientRect;
    SetTextColor(dc, color);
    DrawTextA(dc, text, -1, &rect, format);
}

// The key hint on the right, then the file's name line over it on the left.
static void DrawStatusLine(HDC dc, const char *hint, const char *nameLine, COLORREF nameColor)
{
    DrawStatusText(dc, hint, kWhite, kKeyHintFormat);
    DrawStatusText(dc, nameLine, nameColor, kNameLineFormat);
}

static const BITMAPINFO *ImageInfo()
{
    return reinterpret_cast<const BITMAPINFO *>(&g_viewer.image->header);
}

// The pixel rows sit behind the header and its colour table, if any.
static const BYTE *ImageRows()
{
    const BYTE *block = reinterpret_cast<const BYTE *>(g_viewer.image);
    return block + sizeof(BITMAPINFOHEADER) + 4 * g_viewer.image->header.biClrUsed;
}

static void PaintNoImage(HDC dc)
{
    char line[kPaintTextSize];
    wsprintfA(line, kNoImageNameFormat, CurrentFileName(), g_viewer.current + 1,
              g_viewer.fileCount);
    DrawStatusLine(dc, kNoImageKeyHint, line, kMagenta);
}

static void PaintFitted(HDC dc)
{
    int width = g_viewer.image->header.biWidth;
    int height = g_viewer.image->header.biHeight;
    FitPlacement fit = PlaceFitted(width, height, g_viewer.viewWidth, g_viewer.viewHeight);
    g_viewer.fitScale = fit.scale;
    // A view lower than nothing gives a negative size, which would draw the
    // picture mirrored over the strip: such a view shows no picture at all.
    if (fit.width > 0 && fit.height > 0)
        StretchDIBits(dc, fit.x, fit.y, fit.width, fit.height, 0, 0, width, height,
                      ImageRows(), ImageInfo(), DIB_RGB_COLORS, SRCCOPY);
    char line[kPaintTextSize];
    wsprintfA(line, kFitNameFormat, CurrentFileName(), g_viewer.current + 1,
              g_viewer.fileCount, FitPercent(g_viewer.fitScale, g_viewer.decodeDenominator));
    DrawStatusLine(dc, kFitKeyHint, line, kGreen);
}

// Ranges both scroll bars for the picture, horizontal first.
static void UpdateScrollBars(HWND hwnd, int width, int height)
{
    FillScrollRecord(width, g_viewer.viewWidth, &g_viewer.scrollX, &g_viewer.hScrollInfo);
    SetScrollInfo(hwnd, SB_HORZ, &g_viewer.hScrollInfo, TRUE);
    FillScrollRecord(height, g_viewer.viewHeight, &g_viewer.scrollY, &g_viewer.vScrollInfo);
    SetScrollInfo(hwnd, SB_VERT, &g_viewer.vScrollInfo, TRUE);
}

// The picture may reach into the strip at actual size: blacken it again.
static void ClearStatusStrip(HDC dc)
{
    HRGN strip = CreateRectRgn(0, g_viewer.viewHeight, g_viewer.viewWidth,
                               g_viewer.viewHeight + StripHeightForDpi(g_viewer.dpi));
    FillRgn(dc, strip, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DeleteObject(strip);
}

static void PaintActualSize(HWND hwnd, HDC dc)
{
    int width = g_viewer.image->header.biWidth;
    int height = g_viewer.image->header.biHeight;
    UpdateScrollBars(hwnd, width, height);
    // Source origin in bottom-up rows: the picture's top-left lands at
    // (-horizontal position, -vertical position).
    StretchDIBits(dc, 0, 0, width, height, g_viewer.hScrollInfo.nPos,
                  -g_viewer.vScrollInfo.nPos, width, height, ImageRows(), ImageInfo(),
                  DIB_RGB_COLORS, SRCCOPY);
    ClearStatusStrip(dc);
    char line[kPaintTextSize];
    wsprintfA(line, kActualNameFormat, CurrentFileName(), g_viewer.current + 1,
              g_viewer.fileCount);
    DrawStatusLine(dc, kActualKeyHint, line, kYellow);
}

static void PaintReadyViewer(HWND hwnd, HDC dc)
{
    SetViewerTitle(hwnd);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, 0);
    SetStretchBltMode(dc, HALFTONE);
    // Made, selected and deleted within this paint, only when the window's
    // DPI is not the one the default font is made for.
    HFONT stripFont = CreateStripFont(dc, g_viewer.dpi);
    HGDIOBJ defaultFont = stripFont != NULL ? SelectObject(dc, stripFont) : NULL;
    if (g_viewer.image == NULL)
        PaintNoImage(dc);
    else if (g_viewer.fitMode)
        PaintFitted(dc);
    else
        PaintActualSize(hwnd, dc);
    if (stripFont != NULL) {
        SelectObject(dc, defaultFont);
        DeleteObject(stripFont);
    }
}

void PaintViewer(HWND hwnd)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    if (g_viewer.imageReady)
        PaintReadyViewer(hwnd, dc);
    else
        RequestReload(hwnd);  // nothing decoded yet: draw nothing, ask for a reload
    EndPaint(hwnd, &paint);
}
