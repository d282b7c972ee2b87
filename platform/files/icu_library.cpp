#include "platform/files/icu_library.h"

#include <dlfcn.h>
#include <unicode/uclean.h>
#include <unicode/uloc.h>
#include <unicode/uvernum.h>

#include <cstring>

// ICU's headers rename every function after the library's version (ucol_open
// is ucol_open_72 in ICU 72), so the names looked up are the renamed ones and
// always match the headers this was compiled against.
#define KOVLO_ICU_NAME_OF(name) #name
#define KOVLO_ICU_NAME(name) KOVLO_ICU_NAME_OF(name)

namespace {

const char kI18nLibrary[] = "libicui18n.so." U_ICU_VERSION_SHORT;

struct LoadedLibrary {
    void *handle;
    IcuLibrary library;
    decltype(&ucol_close) closeCollator;
    decltype(&u_cleanup) cleanup;
};

enum class State { kNotLoaded, kLoaded, kUnavailable };

std::mutex g_mutex;
State g_state = State::kNotLoaded;
LoadedLibrary g_loaded;
unsigned g_loadCount = 0;

template <typename Function>
bool Find(void *handle, const char *name, Function *function)
{
    *function = reinterpret_cast<Function>(dlsym(handle, name));
    return *function != nullptr;
}

// The locale's collation at tertiary strength. The C and POSIX locales map to
// ICU's "en_US_POSIX", whose collation is the byte order with capitals first;
// the root collation stands in for them, so that a.jpg, B.jpg and C.JPG sort
// as any user expects.
UCollator *OpenCollator(void *handle)
{
    decltype(&uloc_getDefault) defaultLocale;
    decltype(&ucol_open) open;
    decltype(&ucol_setStrength) setStrength;
    if (!Find(handle, KOVLO_ICU_NAME(uloc_getDefault), &defaultLocale) ||
        !Find(handle, KOVLO_ICU_NAME(ucol_open), &open) ||
        !Find(handle, KOVLO_ICU_NAME(ucol_setStrength), &setStrength)) {
        return nullptr;
    }
    const char *locale = defaultLocale();
    if (std::strncmp(locale, "en_US_POSIX", 11) == 0 || std::strcmp(locale, "c") == 0) locale = "";
    UErrorCode status = U_ZERO_ERROR;
    UCollator *collator = open(locale, &status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        collator = open("", &status);
    }
    if (U_FAILURE(status)) return nullptr;
    setStrength(collator, UCOL_TERTIARY);
    return collator;
}

bool FindFunctions(void *handle, LoadedLibrary *loaded)
{
    IcuLibrary &library = loaded->library;
    return Find(handle, KOVLO_ICU_NAME(ucol_getSortKey), &library.getSortKey) &&
           Find(handle, KOVLO_ICU_NAME(u_strFoldCase), &library.foldCase) &&
           Find(handle, KOVLO_ICU_NAME(unorm2_getNFKCInstance), &library.nfkcInstance) &&
           Find(handle, KOVLO_ICU_NAME(unorm2_getDecomposition), &library.decomposition) &&
           Find(handle, KOVLO_ICU_NAME(ucol_getRules), &library.rules) &&
           Find(handle, KOVLO_ICU_NAME(ucol_close), &loaded->closeCollator) &&
           Find(handle, KOVLO_ICU_NAME(u_cleanup), &loaded->cleanup);
}

// Loads the library and opens the collator; false, with nothing left loaded,
// when either cannot be had.
bool Load(LoadedLibrary *loaded)
{
    void *handle = dlopen(kI18nLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!handle) return false;
    UCollator *collator = FindFunctions(handle, loaded) ? OpenCollator(handle) : nullptr;
    if (!collator) {
        dlclose(handle);
        return false;
    }
    loaded->handle = handle;
    loaded->library.collator = collator;
    loaded->library.loadCount = ++g_loadCount;
    return true;
}

// With g_mutex held.
const IcuLibrary *Acquire()
{
    if (g_state == State::kNotLoaded) g_state = Load(&g_loaded) ? State::kLoaded : State::kUnavailable;
    return g_state == State::kLoaded ? &g_loaded.library : nullptr;
}

}  // namespace

void AppendIcuSortKey(const IcuLibrary &icu, const UChar *units, int32_t count, std::string *key)
{
    uint8_t buffer[512];
    int32_t size = icu.getSortKey(icu.collator, units, count, buffer, int32_t(sizeof buffer));
    if (size > int32_t(sizeof buffer)) {
        std::string large(size, '\0');
        size = icu.getSortKey(icu.collator, units, count, reinterpret_cast<uint8_t *>(&large[0]), size);
        key->append(large, 0, size > 0 ? size - 1 : 0);
    } else if (size > 0) {
        key->append(reinterpret_cast<const char *>(buffer), size - 1);
    }
}

IcuLibraryUse::IcuLibraryUse() : lock_(g_mutex), library_(Acquire()) {}

void UnloadIcuLibrary()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_state != State::kLoaded) return;
    g_loaded.closeCollator(g_loaded.library.collator);
    g_loaded.cleanup();  // ICU's caches and data, so that nothing of it outlives the unloading
    dlclose(g_loaded.handle);
    g_loaded = {};
    g_state = State::kNotLoaded;
}
