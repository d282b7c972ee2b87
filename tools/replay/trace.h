// The replay driver's trace: one line per message the main window's procedure
// receives.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32.h"

// "message: MS NAME 0xWPARAM 0xLPARAM", MS on the host's clock; NAME is the
// message's WM_ name, or its number in hexadecimal for one not named here.
std::string DescribeMessage(int64_t ms, UINT message, WPARAM wParam, LPARAM lParam);
