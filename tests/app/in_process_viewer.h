// The viewer on the headless host inside the test process, for what the
// replay driver cannot show: several messages before a paint, what a request
// leaves to repaint, a dialog while it is open.
#pragma once

#include <gtest/gtest.h>

#include "platform/win32.h"
#include "tests/support/temp_folder.h"

class InProcessViewer : public testing::Test {
protected:
    // A folder of one width x height picture, the viewer's window on it in an
    // 800 x 600 client area, everything delivered.
    void StartViewer(int width, int height);
    void TearDown() override;

    TempFolder folder_;
    HWND hwnd_ = nullptr;
};
