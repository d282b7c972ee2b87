// Module, icon and cursor handles. An icon handle names its resource, and the
// same name gives the same handle, as shared icons do on Windows; the picture
// comes from the program's icon file of that name (resources/program_icon.h),
// and a name without one gives an icon without a picture. Only the arrow and
// the I-beam cursors exist.
#include <strings.h>

#include <cstring>
#include <map>
#include <string>

#include "platform/user/icon_image.h"
#include "platform/win32.h"
#include "resources/program_icon.h"

struct KovloInstance {
    int unused;
};
struct KovloIcon {
    std::string name;
    IconImage image;
};
struct KovloCursor {
    int resourceId;
};

namespace {

KovloInstance g_module{0};
KovloInstance g_user32{0};
KovloCursor g_arrow{32512};
KovloCursor g_ibeam{32513};
std::map<std::string, KovloIcon> g_icons;

std::string IconKey(LPCSTR name)
{
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<UINT_PTR>(name));
    return name;
}

}  // namespace

// The program's own module, and user32.dll for the calls a program looks up
// by name because older Windows lack them.
extern "C" HMODULE GetModuleHandleA(LPCSTR moduleName)
{
    if (moduleName == nullptr) return &g_module;
    return strcasecmp(moduleName, "user32.dll") == 0 ? &g_user32 : nullptr;
}

extern "C" FARPROC GetProcAddress(HMODULE module, LPCSTR procName)
{
    if (module != &g_user32 || procName == nullptr || IS_INTRESOURCE(procName)) return nullptr;
    if (std::strcmp(procName, "GetDpiForWindow") == 0)
        return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&GetDpiForWindow));
    return nullptr;
}

extern "C" HICON LoadIconA(HINSTANCE, LPCSTR name)
{
    if (name == nullptr) return nullptr;
    std::string key = IconKey(name);
    KovloIcon &icon = g_icons[key];
    if (icon.name.empty()) {
        icon.name = key;
        size_t size = 0;
        const unsigned char *file = IS_INTRESOURCE(name) ? nullptr : FindIconResource(name, &size);
        icon.image = layer_internal::DecodeIcoFile(file, size);
    }
    return &icon;
}

const IconImage *layer_internal::IconImageOf(HICON icon)
{
    for (const auto &entry : g_icons)
        if (&entry.second == icon) return &entry.second.image;
    return nullptr;
}

extern "C" HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name)
{
    if (instance != nullptr) return nullptr;  // the program has no cursor resources
    if (name == IDC_IBEAM) return &g_ibeam;
    if (name == IDC_ARROW) return &g_arrow;
    return nullptr;
}
