#include "app/reload.h"

#include <stdlib.h>
#include <string.h>

#include "app/screen_scale.h"
#include "app/viewer_state.h"
#include "image/jpeg_loader.h"

int BuildImagePath(char *path, size_t size, const char *folder, const char *name)
{
    size_t folderLength = strlen(folder);
    size_t nameLength = strlen(name);
    if (folderLength + 1 + nameLength >= size)
        return 0;
    memcpy(path, folder, folderLength);
    path[folderLength] = KOVLO_PATH_SEPARATOR;
    memcpy(path + folderLength + 1, name, nameLength + 1);
    return 1;
}

const char *CurrentFileName()
{
    return g_viewer.names + static_cast<size_t>(g_viewer.current) * g_viewer.nameStride;
}

// The client area, and the picture area above the status strip.
static void MeasureView(HWND hwnd)
{
    GetClientRect(hwnd, &g_viewer.clientRect);
    g_viewer.dpi = WindowDpi(hwnd);
    g_viewer.viewWidth = g_viewer.clientRect.right - g_viewer.clientRect.left;
    g_viewer.viewHeight = g_viewer.clientRect.bottom - g_viewer.clientRect.top -
                          StripHeightForDpi(g_viewer.dpi);
}

// The user's quarter turns, on top of the file's own orientation.
static void ApplyUserRotation()
{
    if (g_viewer.rotation % 4 != 0 && g_viewer.image != NULL)
        g_viewer.image = RotateQuarterTurns(g_viewer.image, g_viewer.rotation);
}

void RequestReload(HWND hwnd)
{
    PostMessageA(hwnd, WM_SIZE, 0, 0);
}

// The current file decoded for the view; none when it cannot be opened (no
// read permission, gone since the listing, a path too long) or decoded.
static PackedDib *LoadCurrentFile()
{
    char path[MAX_PATH];
    if (!BuildImagePath(path, sizeof path, g_viewer.folder, CurrentFileName()))
        return NULL;
    FILE *stream = fopen(path, "rb");
    if (stream == NULL)
        return NULL;
    PackedDib *picture = LoadJpeg(stream, g_viewer.viewWidth, g_viewer.viewHeight);
    fclose(stream);
    return picture;
}

// A file that cannot be opened is shown as one that cannot be decoded: its
// own name with the "cannot open" text, never the previous picture under it.
void ReloadCurrentImage(HWND hwnd)
{
    MeasureView(hwnd);
    g_viewer.imageReady = 0;
    free(g_viewer.image);  // the old picture goes before the new one is made
    g_viewer.image = NULL;
    g_viewer.image = LoadCurrentFile();
    ApplyUserRotation();
    g_viewer.imageReady = 1;
    InvalidateRect(hwnd, NULL, TRUE);
}
