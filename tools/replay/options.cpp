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

// "L,T,R,B": the frame's thickness on each side, none negative.
bool ParseFrameOption(const char *value, RECT *insets, std::string *error)
{
    char tail = '\0';
    int l = -1, t = -1, r = -1, b = -1;
    if (value != nullptr && std::sscanf(value, "%d,%d,%d,%d%c", &l, &t, &r, &b, &tail) == 4 &&
        l >= 0 && t >= 0 && r >= 0 && b >= 0) {
        *insets = RECT{l, t, r, b};
        return true;
    }
    *error = "--frame wants the insets L,T,R,B";
    return false;
}

bool ParseScaleOption(const char *value, int *scale, std::string *error)
{
    char tail = '\0';
    if (value != nullptr && std::sscanf(value, "%d%c", scale, &tail) == 1 && *scale >= 1 &&
        *scale <= 8)
        return true;
    *error = "--scale wants a whole scale from 1 to 8";
    return false;
}

// A number above 0: `what` names it in the message.
bool ParsePositiveOption(const char *name, const char *value, const char *what, int *number,
                         std::string *error)
{
    char tail = '\0';
    if (value != nullptr && std::sscanf(value, "%d%c", number, &tail) == 1 && *number > 0)
        return true;
    *error = std::string(name) + " wants " + what;
    return false;
}

// The option at `option` (with the word after it, `value`): how many words it
// takes, 0 when it is not an option (the viewer's arguments begin), -1 when
// it is not understood.
int ParseOption(const char *option, const char *value, ReplayOptions *options, std::string *error)
{
    headless::Config &config = options->config;
    if (std::strcmp(option, "--busy-time") == 0) {
        config.busyTimeCounts = true;
        return 1;
    }
    if (std::strcmp(option, "--trace") == 0) {
        options->trace = true;
        return 1;
    }
    if (std::strcmp(option, "--screen") == 0)
        return ParseSizeOption(option, value, 1, &config.screenWidth, &config.screenHeight, error) ? 2 : -1;
    if (std::strcmp(option, "--client") == 0)
        return ParseSizeOption(option, value, 0, &config.clientWidth, &config.clientHeight, error) ? 2 : -1;
    if (std::strcmp(option, "--frame") == 0)
        return ParseFrameOption(value, &config.frameInsets, error) ? 2 : -1;
    if (std::strcmp(option, "--scale") == 0)
        return ParseScaleOption(value, &options->scale, error) ? 2 : -1;
    if (std::strcmp(option, "--bar") == 0)
        return ParsePositiveOption(option, value, "a thickness in pixels", &config.scrollBarThickness,
                                   error) ? 2 : -1;
    if (std::strcmp(option, "--work-time") == 0)
        return ParsePositiveOption(option, value, "milliseconds", &config.workMs, error) ? 2 : -1;
    return 0;
}

}  // namespace

// The screen, frame and bars that were not given take their defaults for the
// scale; sizes given stay as they are, in device pixels.
void ScaleDefaults(ReplayOptions *options)
{
    headless::Config defaults, scaled = headless::ScaledConfig(options->scale);
    headless::Config &config = options->config;
    config.scale = options->scale;
    if (config.screenWidth == defaults.screenWidth && config.screenHeight == defaults.screenHeight) {
        config.screenWidth = scaled.screenWidth;
        config.screenHeight = scaled.screenHeight;
    }
    if (std::memcmp(&config.frameInsets, &defaults.frameInsets, sizeof(RECT)) == 0)
        config.frameInsets = scaled.frameInsets;
    if (config.scrollBarThickness == defaults.scrollBarThickness)
        config.scrollBarThickness = scaled.scrollBarThickness;
}

bool ParseReplayOptions(int argc, char **argv, ReplayOptions *options, std::string *error)
{
    int i = 1;
    while (i < argc) {
        if (std::strcmp(argv[i], "--") == 0) {
            ++i;
            break;
        }
        int taken = ParseOption(argv[i], i + 1 < argc ? argv[i + 1] : nullptr, options, error);
        if (taken < 0) return false;
        if (taken == 0) break;  // the viewer's arguments begin
        i += taken;
    }
    for (; i < argc; ++i) options->viewerArguments.push_back(argv[i]);
    if (options->scale != 1) ScaleDefaults(options);
    return true;
}
