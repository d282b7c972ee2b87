// The replay driver's command line:
//   kovlo-replay [--screen WxH] [--client WxH] [--frame L,T,R,B] [--bar N]
//                [--scale N] [--busy-time | --work-time MS] [--trace] [--] [viewer arguments...]

#pragma once

#include <string>
#include <vector>

#include "platform/hosts/headless/headless.h"

struct ReplayOptions {
    headless::Config config;
    // The screen's scale; the screen, frame and bars not given take their
    // defaults times it. Sizes given are device pixels.
    int scale = 1;
    bool trace = false;  // print each message the main window's procedure receives
    std::vector<std::string> viewerArguments;  // after the program name
};

// False with a message in *error when the options are not understood.
bool ParseReplayOptions(int argc, char **argv, ReplayOptions *options, std::string *error);
