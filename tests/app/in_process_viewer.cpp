#include "tests/app/in_process_viewer.h"

#include <cstdlib>
#include <cstring>

#include "app/main_window.h"
#include "app/viewer_state.h"
#include "files/file_list.h"
#include "platform/hosts/headless/headless.h"
#include "platform/user/observe.h"
#include "tests/support/jpeg_writer.h"

void InProcessViewer::StartViewer(int width, int height)
{
    folder_.AddFile("a.jpg", EncodeJpeg(MakeCornerPicture(width, height)));
    headless::Config config;
    config.clientWidth = 800;
    config.clientHeight = 600;
    headless::Configure(config);
    ResetViewerState();
    std::strncpy(g_viewer.folder, folder_.path().c_str(), MAX_PATH - 1);
    ASSERT_EQ(1, BuildFileList());
    HINSTANCE instance = GetModuleHandleA(NULL);
    RegisterViewerClass(instance);  // a second registration fails harmlessly
    ASSERT_EQ(1, CreateViewerWindow(instance, SW_SHOWDEFAULT));
    hwnd_ = headless::MainWindow();
    headless::PumpUntilIdle();
}

void InProcessViewer::TearDown()
{
    headless::SetScriptSource(nullptr);
    layer::ResetWindowsAndQueue();
    free(g_viewer.image);
    free(g_viewer.names);
    ResetViewerState();
}
