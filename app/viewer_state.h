// The viewer's one process-wide state record.
//
// Commands change fields here and ask for a reload; the reload decodes the
// current file for the view; painting draws from these fields alone.
#pragma once

#include "image/packed_dib.h"
#include "platform/win32.h"

// The band at the bottom of the client area that holds the status texts.
constexpr int StatusStripHeight = 25;

struct ViewerState {
    char folder[MAX_PATH];      // shown folder, never ending in the separator
    char *names;                // FileList: fileCount slots of nameStride bytes
    int nameStride;
    int fileCount;
    int current;                // index of the shown file
    int rotation;               // user quarter turns, -3..3, positive = counter-clockwise
    int fitMode;                // 1 = fit to window, 0 = actual size
    int slideshowOn;
    UINT slideshowSeconds;      // as last entered in the interval dialog
    UINT jumpTarget;            // as last entered in the jump dialog
    UINT_PTR timerId;           // the slideshow timer, always 0
    PackedDib *image;           // current picture, or none after a failed decode
    int imageReady;             // 0 until a reload has opened its file
    int decodeDenominator;      // reduction chosen at the last decode
    int fitScale;               // scale of the last fit paint, 1/10000 units
    int viewWidth;              // picture area: the client area above the strip
    int viewHeight;
    RECT clientRect;            // client rectangle measured by the last reload
    int dpi;                    // the window's dots per inch at the last reload
    int scrollX;                // actual-size scroll position in picture pixels
    int scrollY;
    SCROLLINFO hScrollInfo;     // scroll-bar settings passed by the last actual-size paint
    SCROLLINFO vScrollInfo;
    HINSTANCE instance;
    HICON appIcon;
};

extern ViewerState g_viewer;

// Puts every field back to its value at program start (used between tests).
void ResetViewerState();
