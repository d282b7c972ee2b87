// The characters without a code page 932 form that Windows' WideCharToMultiByte
// writes as a near one instead ("best fit": é as e, ゔ as ヴ), as recorded from
// its answers (best_fit_932.cpp).
#pragma once

#include <cstdint>

// The code page 932 bytes Windows writes for `unit`, or null when it writes
// the default character.
const char *BestFit932(uint16_t unit);
