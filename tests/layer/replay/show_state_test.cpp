// The `show` description of the window and the viewer's state.
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/viewer_state.h"
#include "platform/hosts/headless/headless.h"
#include "platform/user/observe.h"
#include "tools/replay/show_state.h"

namespace {

LRESULT CALLBACK PaintTwoTexts(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT) return DefWindowProcA(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT rect{0, 0, 300, 200};
    SetTextColor(dc, 0x00FFFFFF);
    DrawTextA(dc, " hint ", -1, &rect, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP);
    SetTextColor(dc, 0x00FF00FF);
    DrawTextA(dc, " \x8A\x4A\x82\xAF\x82\xDC\x82\xB9\x82\xF1", -1, &rect,
              DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP);  // 開けません
    EndPaint(hwnd, &paint);
    return 0;
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(ShowStateTest, DescribesTheWindowTheStateAndTheLastPaint)
{
    headless::Configure(headless::Config());
    ResetViewerState();
    WNDCLASSA wc{};
    wc.lpfnWndProc = PaintTwoTexts;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "ShowTest";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "ShowTest", "Kovlo", WS_OVERLAPPEDWINDOW, 560, 240, 800, 600,
                                nullptr, nullptr, nullptr, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    g_viewer.current = 3;
    g_viewer.fileCount = 12;
    g_viewer.rotation = -3;
    g_viewer.slideshowSeconds = 5;
    g_viewer.hScrollInfo.nMax = 200;
    g_viewer.hScrollInfo.nPage = 10;
    g_viewer.hScrollInfo.nPos = 195;
    std::snprintf(g_viewer.folder, sizeof g_viewer.folder, "/tmp/\x8E\xCA\x90\x5E");  // 写真

    std::vector<std::string> lines = Lines(DescribeViewer(hwnd));
    const std::vector<std::string> expected = {
        "title: Kovlo",
        "window: 560 240 800 600",
        "client: 784 561",
        "current: 3",
        "fileCount: 12",
        "rotation: -3",
        "fitMode: 1",
        "slideshowOn: 0",
        "slideshowSeconds: 5",
        "jumpTarget: 0",
        "imageReady: 0",
        "decodeDenominator: 0",
        "fitScale: 0",
        "viewWidth: 800",
        "viewHeight: 600",
        "scrollX: 0",
        "scrollY: 0",
        "folder: /tmp/\xE5\x86\x99\xE7\x9C\x9F",
        "image: none",
        "text: 0xFFFFFF right  hint ",
        "text: 0xFF00FF left  \xE9\x96\x8B\xE3\x81\x91\xE3\x81\xBE\xE3\x81\x9B\xE3\x82\x93",
        "hScrollInfo: 0 200 10 195",
        "vScrollInfo: 0 0 0 0",
    };
    EXPECT_EQ(lines, expected);
    DestroyWindow(hwnd);
    layer::ResetWindowsAndQueue();
}

TEST(ShowStateTest, AWindowThatIsGoneIsSaidToBeNone)
{
    ResetViewerState();
    std::vector<std::string> lines = Lines(DescribeViewer(nullptr));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "window: none");
    EXPECT_EQ(lines[2], "client: none");
}

}  // namespace
