// The replay driver's trace lines.
#include "tools/replay/trace.h"

#include <cstdio>

namespace {

struct MessageName {
    UINT message;
    const char *name;
};

const MessageName kNames[] = {
    {WM_CREATE, "WM_CREATE"},   {WM_DESTROY, "WM_DESTROY"}, {WM_SIZE, "WM_SIZE"},
    {WM_PAINT, "WM_PAINT"},     {WM_CLOSE, "WM_CLOSE"},     {WM_ERASEBKGND, "WM_ERASEBKGND"},
    {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"},     {WM_CHAR, "WM_CHAR"},
    {WM_TIMER, "WM_TIMER"},     {WM_HSCROLL, "WM_HSCROLL"}, {WM_VSCROLL, "WM_VSCROLL"},
};

}  // namespace

std::string DescribeMessage(int64_t ms, UINT message, WPARAM wParam, LPARAM lParam)
{
    char number[16];
    const char *name = nullptr;
    for (const MessageName &entry : kNames) {
        if (entry.message == message) name = entry.name;
    }
    if (name == nullptr) {
        std::snprintf(number, sizeof number, "0x%04X", message);
        name = number;
    }
    char line[128];
    std::snprintf(line, sizeof line, "message: %lld %s 0x%llX 0x%llX", static_cast<long long>(ms), name,
                  static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam));
    return line;
}
