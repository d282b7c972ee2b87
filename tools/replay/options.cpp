// Parsing the replay driver's options.
#include "tools/replay/options.h"

#include <cstdio>
#include <cstring>

namespace {

// "WxH" with both numbers positive (a client size may be 0).
bool ParseSize(const char *text, int minimum, int *width, int *height)
{
    char tail = '\0';
    if (std::sscanf(text, "%dx%d%c", width, height, &tail) != 2) return false;
    return *width >= minimum && *height >= minimum;
}

bool ParseSizeOption(const char *name, const char *value, int minimum, int *width, int *height,
                     std::string *error)
{
    if (value != nullptr && ParseSize(value, minimum, width, height)) return true;
    *error = std::string(name) + " wants a size WxH";
    return false;
}

}  // namespace

bool ParseReplayOptions(int argc, char **argv, ReplayOptions *options, std::string *error)
{
    int i = 1;
    for (; i < argc; ++i) {
        const char *option = argv[i];
        const char *value = i + 1 < argc ? argv[i + 1] : nullptr;
        headless::Config &config = options->config;
        if (std::strcmp(option, "--") == 0) {
            ++i;
            break;
        }
        if (std::strcmp(option, "--screen") == 0) {
            if (!ParseSizeOption(option, value, 1, &config.screenWidth, &config.screenHeight, error))
                return false;
        } else if (std::strcmp(option, "--client") == 0) {
            if (!ParseSizeOption(option, value, 0, &config.clientWidth, &config.clientHeight, error))
                return false;
        } else {
            break;  // the viewer's arguments begin
        }
        ++i;
    }
    for (; i < argc; ++i) options->viewerArguments.push_back(argv[i]);
    return true;
}
