#include "app/viewer_state.h"

static ViewerState InitialViewerState()
{
    ViewerState initial = {};
    initial.fitMode = 1;
    initial.viewWidth = 800;
    initial.viewHeight = 600;
    initial.dpi = USER_DEFAULT_SCREEN_DPI;
    return initial;
}

ViewerState g_viewer = InitialViewerState();

void ResetViewerState()
{
    g_viewer = InitialViewerState();
}
