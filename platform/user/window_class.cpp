// RegisterClassA and the class table.
#include "platform/user/window_class.h"

#include <strings.h>

#include <vector>

namespace layer_internal {
namespace {

std::vector<WindowClassRecord> &ClassTable()
{
    static std::vector<WindowClassRecord> table = [] {
        std::vector<WindowClassRecord> builtIn;
        for (const char *name : {"STATIC", "EDIT", "BUTTON"}) {
            WindowClassRecord record;
            record.name = name;
            record.procedure = ControlProcedure;
            builtIn.push_back(record);
        }
        return builtIn;
    }();
    return table;
}

// The application's class names are ASCII; case is ignored as Windows does.
bool SameClassName(const std::string &a, const char *b) { return strcasecmp(a.c_str(), b) == 0; }

}  // namespace

const WindowClassRecord *FindWindowClass(const char *name)
{
    if (name == nullptr || IS_INTRESOURCE(name)) return nullptr;
    for (const WindowClassRecord &record : ClassTable()) {
        if (SameClassName(record.name, name)) return &record;
    }
    return nullptr;
}

}  // namespace layer_internal

namespace {

// Atoms start above the built-in classes and count up, as Windows' do from 0xC000.
ATOM NextAtom()
{
    static ATOM next = 0xC000;
    return next++;
}

}  // namespace

extern "C" ATOM RegisterClassA(const WNDCLASSA *wndClass)
{
    if (wndClass == nullptr || wndClass->lpfnWndProc == nullptr) return 0;
    const char *name = wndClass->lpszClassName;
    if (name == nullptr || IS_INTRESOURCE(name) || name[0] == '\0') return 0;
    if (layer_internal::FindWindowClass(name) != nullptr) return 0;  // already registered
    WindowClassRecord record;
    record.name = name;
    record.style = wndClass->style;
    record.procedure = wndClass->lpfnWndProc;
    record.instance = wndClass->hInstance;
    record.icon = wndClass->hIcon;
    record.cursor = wndClass->hCursor;
    record.background = wndClass->hbrBackground;
    layer_internal::ClassTable().push_back(record);
    return NextAtom();
}
