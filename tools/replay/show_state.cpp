// Describing the viewer for `show`.
#include "tools/replay/show_state.h"

#include <sstream>

#include "app/viewer_state.h"
#include "platform/text/cp932.h"
#include "platform/user/observe.h"

namespace {

void DescribeWindow(std::ostream &out, HWND hwnd)
{
    char title[1024];
    RECT outer, client;
    if (!GetWindowRect(hwnd, &outer) || !GetClientRect(hwnd, &client)) {
        out << "title: \nwindow: none\nclient: none\n";
        return;
    }
    GetWindowTextA(hwnd, title, sizeof title);
    out << "title: " << Cp932ToUtf8(title) << "\n";
    out << "window: " << outer.left << ' ' << outer.top << ' ' << outer.right - outer.left << ' '
        << outer.bottom - outer.top << "\n";
    out << "client: " << client.right << ' ' << client.bottom << "\n";
}

void DescribeFields(std::ostream &out, const ViewerState &v)
{
    out << "current: " << v.current << "\nfileCount: " << v.fileCount
        << "\nrotation: " << v.rotation << "\nfitMode: " << v.fitMode
        << "\nslideshowOn: " << v.slideshowOn << "\nslideshowSeconds: " << v.slideshowSeconds
        << "\njumpTarget: " << v.jumpTarget << "\nimageReady: " << v.imageReady
        << "\ndecodeDenominator: " << v.decodeDenominator << "\nfitScale: " << v.fitScale
        << "\nviewWidth: " << v.viewWidth << "\nviewHeight: " << v.viewHeight
        << "\nscrollX: " << v.scrollX << "\nscrollY: " << v.scrollY
        << "\nfolder: " << Cp932ToUtf8(v.folder) << "\n";
}

void DescribeImage(std::ostream &out, const PackedDib *image)
{
    if (image == nullptr) {
        out << "image: none\n";
        return;
    }
    out << "image: " << image->header.biWidth << ' ' << image->header.biHeight << "\n";
}

const char *Alignment(UINT format)
{
    if (format & DT_RIGHT) return "right";
    if (format & DT_CENTER) return "center";
    return "left";
}

void DescribeTexts(std::ostream &out, HWND hwnd)
{
    for (const DrawnText &text : layer::LastPaintTexts(hwnd)) {
        char colour[16];
        std::snprintf(colour, sizeof colour, "0x%06X", static_cast<unsigned>(text.color));
        out << "text: " << colour << ' ' << Alignment(text.format) << ' ' << text.utf8 << "\n";
    }
}

void DescribeScrollInfo(std::ostream &out, const char *name, const SCROLLINFO &info)
{
    out << name << ": " << info.nMin << ' ' << info.nMax << ' ' << info.nPage << ' ' << info.nPos
        << "\n";
}

}  // namespace

std::string DescribeViewer(HWND mainWindow)
{
    std::ostringstream out;
    DescribeWindow(out, mainWindow);
    DescribeFields(out, g_viewer);
    DescribeImage(out, g_viewer.image);
    DescribeTexts(out, mainWindow);
    DescribeScrollInfo(out, "hScrollInfo", g_viewer.hScrollInfo);
    DescribeScrollInfo(out, "vScrollInfo", g_viewer.vScrollInfo);
    return out.str();
}
