// Headless host: start-up and the screen.
// Implements: host::Init, ScreenRect, FrameInsets, ScrollBarThickness,
//   ScaleFactor (the configured integer scale); the configuration
//   (headless::Configure, ScaledConfig) and the host's one state record.
// Does not implement: monitors other than one screen at (0, 0), work areas
//   (a task bar), fractional scales.
#include "platform/hosts/headless/headless_state.h"
#include "platform/user/observe.h"

namespace headless {

HostState &State()
{
    static HostState state;
    return state;
}

Config ScaledConfig(int scale)
{
    Config config;
    config.scale = scale;
    config.screenWidth *= scale;
    config.screenHeight *= scale;
    config.frameInsets = RECT{kFrameInsets.left * scale, kFrameInsets.top * scale,
                              kFrameInsets.right * scale, kFrameInsets.bottom * scale};
    config.scrollBarThickness = kScrollBarThickness * scale;
    return config;
}

void Configure(const Config &config)
{
    State() = HostState();
    State().config = config;
    State().takenAtWait = layer::MessagesTaken();
    RestartBusyTime();
}

}  // namespace headless

namespace host {

void Init(int *, char ***) {}  // configured beforehand through headless::Configure

RECT ScreenRect()
{
    const headless::Config &config = headless::State().config;
    return RECT{0, 0, config.screenWidth, config.screenHeight};
}

RECT FrameInsets() { return headless::State().config.frameInsets; }

int ScrollBarThickness() { return headless::State().config.scrollBarThickness; }

int ScaleFactor() { return headless::State().config.scale; }

}  // namespace host
