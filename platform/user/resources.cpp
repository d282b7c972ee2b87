// Module, icon and cursor handles. The layer has no resource section: an icon
// handle names its resource, and the same name gives the same handle, as
// shared icons do on Windows. Only the arrow and the I-beam cursors exist.
#include <map>
#include <string>

#include "platform/win32.h"

struct KovloInstance {
    int unused;
};
struct KovloIcon {
    std::string name;
};
struct KovloCursor {
    int resourceId;
};

namespace {

KovloInstance g_module{0};
KovloCursor g_arrow{32512};
KovloCursor g_ibeam{32513};

std::string IconKey(LPCSTR name)
{
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<UINT_PTR>(name));
    return name;
}

}  // namespace

extern "C" HMODULE GetModuleHandleA(LPCSTR moduleName)
{
    return moduleName == nullptr ? &g_module : nullptr;
}

extern "C" HICON LoadIconA(HINSTANCE, LPCSTR name)
{
    static std::map<std::string, KovloIcon> icons;
    if (name == nullptr) return nullptr;
    std::string key = IconKey(name);
    KovloIcon &icon = icons[key];
    icon.name = key;
    return &icon;
}

extern "C" HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name)
{
    if (instance != nullptr) return nullptr;  // the program has no cursor resources
    if (name == IDC_IBEAM) return &g_ibeam;
    if (name == IDC_ARROW) return &g_arrow;
    return nullptr;
}
