#include "app/win_main.h"

#include <stdlib.h>

#include "app/main_window.h"
#include "app/start_notes.h"
#include "app/viewer_state.h"
#include "app/viewer_texts.h"
#include "files/file_list.h"
#include "files/start_folder.h"

// Delivers messages until the quit message; returns its code.
static int RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLineTail,
                   int showCommand)
{
    g_viewer.instance = instance;
    g_viewer.appIcon = LoadIconA(instance, "MYICON");
    if (!ResolveStartFolder(commandLineTail)) ReportPathNotFound(commandLineTail);
    // "Kovlo - " and a folder of at most 259 bytes.
    char caption[sizeof kProgramName + 3 + MAX_PATH];
    wsprintfA(caption, kNoFilesCaptionFormat, kProgramName, g_viewer.folder);
    if (BuildFileList() <= 0) {
        ReportUnreadableFolder();
        MessageBoxA(NULL, kNoFilesMessage, caption, MB_ICONINFORMATION);
        return 1;
    }
    if (previous == NULL && RegisterViewerClass(instance) == 0)
        return 1;
    if (!CreateViewerWindow(instance, showCommand))
        return 1;
    int exitCode = RunMessageLoop();
    free(g_viewer.names);
    g_viewer.names = NULL;
    return exitCode;
}
