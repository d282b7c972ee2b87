// The one header through which the viewer reaches the operating system.
//
// On Windows it is <windows.h>. Everywhere else it declares the subset of the
// Windows API that the viewer calls, implemented by this project's own layer in
// platform/ (a GTK host for the real window, a headless host for tests). Only
// what the application uses is here; names, values and structure layouts are
// Windows' own, so the application code reads the same on both systems.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <stdio.h>
#define KOVLO_PATH_SEPARATOR '\\'
#define KOVLO_PATH_SEPARATOR_TEXT "\\"
#else

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#ifdef __cplusplus
// <cstdio> undefines fopen and re-declares it; included here, before the macro
// below, so that a later <cstdio> (also pulled in by <string>) is a no-op and
// the application's fopen stays the code page 932 one.
#include <cstdio>
#endif

#define KOVLO_PATH_SEPARATOR '/'
#define KOVLO_PATH_SEPARATOR_TEXT "/"

#define WINAPI
#define CALLBACK
#define APIENTRY

// ---------------------------------------------------------------------------
// Basic types (LP64: LONG and DWORD stay 32-bit as on Windows).

typedef int32_t BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef int32_t INT;
typedef uint32_t UINT;
typedef char CHAR;
typedef uint16_t WCHAR;  // a UTF-16 unit
typedef WCHAR *LPWSTR;
typedef const WCHAR *LPCWSTR;
typedef char *LPSTR;
typedef const char *LPCSTR;
typedef void *LPVOID;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef uint16_t ATOM;
typedef DWORD COLORREF;
typedef DWORD LCID;

typedef void *HANDLE;
typedef struct KovloWindow *HWND;
typedef struct KovloInstance *HINSTANCE;
typedef HINSTANCE HMODULE;
typedef struct KovloGdiObject *HGDIOBJ;
typedef HGDIOBJ HBRUSH;
typedef HGDIOBJ HRGN;
typedef HGDIOBJ HFONT;
typedef struct KovloDeviceContext *HDC;
typedef struct KovloIcon *HICON;
typedef struct KovloCursor *HCURSOR;
typedef struct KovloMenu *HMENU;

#define TRUE 1
#define FALSE 0
#ifndef NULL
#define NULL 0
#endif
#define MAX_PATH 260

#define LOWORD(l) ((WORD)(((UINT_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((UINT_PTR)(l)) >> 16) & 0xffff))
#define MAKELONG(a, b) ((LONG)(((WORD)(a)) | ((DWORD)((WORD)(b))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKEINTRESOURCEA(i) ((LPSTR)((UINT_PTR)((WORD)(i))))
#define IS_INTRESOURCE(p) ((((UINT_PTR)(p)) >> 16) == 0)
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)(((WORD)(c)) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *LPRECT;

typedef struct tagSIZE {
    LONG cx;
    LONG cy;
} SIZE;

typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG, *LPMSG;

typedef LRESULT(CALLBACK *WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR(WINAPI *FARPROC)(void);
typedef INT_PTR(CALLBACK *DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK *TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

typedef struct tagWNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
} WNDCLASSA;

typedef struct tagTEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
} TEXTMETRICA;

typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT, *LPPAINTSTRUCT;

typedef struct tagSCROLLINFO {
    UINT cbSize;
    UINT fMask;
    int nMin;
    int nMax;
    UINT nPage;
    int nPos;
    int nTrackPos;
} SCROLLINFO, *LPSCROLLINFO;
typedef const SCROLLINFO *LPCSCROLLINFO;

#pragma pack(push, 2)
typedef struct tagBITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER;
#pragma pack(pop)

typedef struct tagRGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD;

typedef struct tagBITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
} BITMAPINFO;

#define LF_FACESIZE 32
typedef struct tagLOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
} LOGFONTA;

typedef struct _FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
} FILETIME;

typedef struct _WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
} WIN32_FIND_DATAA, *LPWIN32_FIND_DATAA;

// ---------------------------------------------------------------------------
// Constants.

#define BI_RGB 0

#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_SETFOCUS 0x0007
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SETICON 0x0080
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_HSCROLL 0x0114
#define WM_VSCROLL 0x0115
#define WM_MOUSEWHEEL 0x020A
#define WM_DPICHANGED 0x02E0
#define WM_USER 0x0400
#define EM_LIMITTEXT 0x00C5

#define ICON_SMALL 0
#define ICON_BIG 1

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002

#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW \
    (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)

#define DS_MODALFRAME 0x80L
#define DS_SETFONT 0x40L
#define DS_3DLOOK 0x0004L
#define DS_CENTER 0x0800L
#define SS_LEFT 0x0000L
#define SS_CENTER 0x0001L
#define SS_RIGHT 0x0002L
#define ES_CENTER 0x0001L
#define BS_PUSHBUTTON 0x0000L
#define BS_DEFPUSHBUTTON 0x0001L

#define CW_USEDEFAULT ((int)0x80000000)

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10

#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_SHOWWINDOW 0x0040

#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2

#define IDOK 1
#define IDCANCEL 2

#define MB_OK 0x00000000L
#define MB_ICONINFORMATION 0x00000040L

#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDC_IBEAM MAKEINTRESOURCEA(32513)
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)

#define USER_DEFAULT_SCREEN_DPI 96
#define LOGPIXELSX 88
#define LOGPIXELSY 90
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define OBJ_FONT 6
#define SWP_NOZORDER 0x0004
#define SWP_NOACTIVATE 0x0010

#define WHITE_BRUSH 0
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define SYSTEM_FONT 13

#define TRANSPARENT 1
#define OPAQUE 2
#define BLACKONWHITE 1
#define COLORONCOLOR 3
#define HALFTONE 4
#define DIB_RGB_COLORS 0
#define SRCCOPY 0x00CC0020

#define DT_LEFT 0x0000
#define DT_CENTER 0x0001
#define DT_RIGHT 0x0002
#define DT_VCENTER 0x0004
#define DT_BOTTOM 0x0008
#define DT_SINGLELINE 0x0020
#define DT_NOCLIP 0x0100

#define SB_HORZ 0
#define SB_VERT 1
#define SB_CTL 2
#define SB_BOTH 3
#define SB_LINEUP 0
#define SB_LINELEFT 0
#define SB_LINEDOWN 1
#define SB_LINERIGHT 1
#define SB_PAGEUP 2
#define SB_PAGELEFT 2
#define SB_PAGEDOWN 3
#define SB_PAGERIGHT 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_LEFT 6
#define SB_BOTTOM 7
#define SB_RIGHT 7
#define SB_ENDSCROLL 8

#define SIF_RANGE 0x0001
#define SIF_PAGE 0x0002
#define SIF_POS 0x0004
#define SIF_DISABLENOSCROLL 0x0008
#define SIF_TRACKPOS 0x0010
#define SIF_ALL (SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS)

#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28

#define STARTF_USESHOWWINDOW 0x00000001

#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

#define CP_ACP 0
#define CP_OEMCP 1

#define LOCALE_SYSTEM_DEFAULT 0x0800
#define LOCALE_USER_DEFAULT 0x0400
#define LOCALE_JAPANESE 0x0411
#define NORM_IGNORECASE 0x00000001
#define LCMAP_SORTKEY 0x00000400
#define CSTR_LESS_THAN 1
#define CSTR_EQUAL 2
#define CSTR_GREATER_THAN 3

// ---------------------------------------------------------------------------
// Windows user interface (platform/user).

#ifdef __cplusplus
extern "C" {
#endif

HMODULE GetModuleHandleA(LPCSTR moduleName);
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
LPSTR GetCommandLineA(void);

ATOM RegisterClassA(const WNDCLASSA *wndClass);
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);
BOOL DestroyWindow(HWND hwnd);
LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
HWND GetDesktopWindow(void);
BOOL GetWindowRect(HWND hwnd, LPRECT rect);
BOOL GetClientRect(HWND hwnd, LPRECT rect);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL ShowWindow(HWND hwnd, int showCommand);
BOOL UpdateWindow(HWND hwnd);
BOOL SetWindowTextA(HWND hwnd, LPCSTR text);
int GetWindowTextA(HWND hwnd, LPSTR text, int maxCount);

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL TranslateMessage(const MSG *msg);
LRESULT DispatchMessageA(const MSG *msg);
void PostQuitMessage(int exitCode);

BOOL InvalidateRect(HWND hwnd, const RECT *rect, BOOL erase);
HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT *paint);
BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT *scrollRect, const RECT *clipRect);

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC callback);
BOOL KillTimer(HWND hwnd, UINT_PTR id);

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw);
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam);
BOOL EndDialog(HWND dialog, INT_PTR result);
HWND GetDlgItem(HWND dialog, int id);
HWND SetFocus(HWND hwnd);
UINT GetDlgItemInt(HWND dialog, int id, BOOL *translated, BOOL isSigned);

int wsprintfA(LPSTR buffer, LPCSTR format, ...);
int MulDiv(int number, int numerator, int denominator);

// The screen's scale (per-monitor DPI awareness): a window's dots per inch,
// the system's metrics for a DPI.
UINT GetDpiForWindow(HWND hwnd);
int GetSystemMetrics(int index);
int GetSystemMetricsForDpi(int index, UINT dpi);

// Code page 932 text (platform/text): the lead bytes, stepping by characters,
// and the conversions to and from UTF-16. The code page is 932 whatever is
// asked for (CP_ACP, CP_OEMCP or 932 itself); no flags are handled.
BOOL IsDBCSLeadByte(BYTE testChar);
LPSTR CharNextA(LPCSTR current);
LPSTR CharPrevA(LPCSTR start, LPCSTR current);
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceLength, LPWSTR dest,
                        int destLength);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR source, int sourceLength, LPSTR dest,
                        int destLength, LPCSTR defaultChar, BOOL *usedDefaultChar);

// ---------------------------------------------------------------------------
// Windows graphics (platform/gdi).

HGDIOBJ GetStockObject(int object);
BOOL DeleteObject(HGDIOBJ object);
HRGN CreateRectRgn(int left, int top, int right, int bottom);
BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush);
int SetBkMode(HDC dc, int mode);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF SetTextColor(HDC dc, COLORREF color);
int SetStretchBltMode(HDC dc, int mode);
int StretchDIBits(HDC dc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                  int srcWidth, int srcHeight, const void *bits, const BITMAPINFO *info,
                  UINT usage, DWORD rop);
int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);
int GetDeviceCaps(HDC dc, int index);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
HFONT CreateFontIndirectA(const LOGFONTA *font);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// A window's client area as a device context outside painting, and the
// measures of the context's font (the one DrawTextA draws with).
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA *metrics);
BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, SIZE *size);

// ---------------------------------------------------------------------------
// Windows file services (platform/files).

DWORD GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer);
DWORD GetFullPathNameA(LPCSTR fileName, DWORD bufferLength, LPSTR buffer, LPSTR *filePart);
HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA findData);
BOOL FindNextFileA(HANDLE search, LPWIN32_FIND_DATAA findData);
BOOL FindClose(HANDLE search);
DWORD GetFileAttributesA(LPCSTR path);
// The collation is Windows' Japanese one (locale 0x0411) whatever the locale
// asked for; of the flags, only NORM_IGNORECASE is known.
int lstrcmpiA(LPCSTR a, LPCSTR b);
int CompareStringA(LCID locale, DWORD flags, LPCSTR a, int lengthA, LPCSTR b, int lengthB);
// With LCMAP_SORTKEY: the sort key of `source` (bytes, closing 0 included),
// keys comparing byte by byte, the shorter first, as CompareStringA with the
// same flags would.
int LCMapStringA(LCID locale, DWORD flags, LPCSTR source, int sourceLength, LPSTR dest,
                 int destSize);

// The C runtime's fopen on Windows takes a path in the ANSI code page; the
// layer's stand-in does the same, translating the code page 932 path into the
// file system's own name before it opens the file.
FILE *AnsiFopen(const char *path, const char *mode);

// ---------------------------------------------------------------------------
// Process start-up off Windows: the host is initialised from main's arguments,
// and GetCommandLineA then returns one command line rebuilt from them in code
// page 932 (the program name quoted when it holds a blank, the arguments joined
// by single blanks).
void InitPlatform(int *argc, char ***argv);

// Off Windows a program started from a terminal can tell its user why it shows
// another folder than the one named. Not Windows calls: a Windows program has
// no terminal. WriteStandardErrorA writes code page 932 text to standard error
// in UTF-8; CanListFolderA tells whether the folder at that path exists and
// may be listed by this process.
void WriteStandardErrorA(LPCSTR text);
BOOL CanListFolderA(LPCSTR path);

#ifdef __cplusplus
}
#endif

#ifndef KOVLO_LAYER_INTERNAL
#define fopen AnsiFopen
#endif

#endif  // _WIN32
