// The characters without a code page 932 form that Windows' WideCharToMultiByte
// writes as a near one instead ("best fit": é as e, ゔ as ヴ), as recorded from
// its answers (best_fit_932_table.cpp, written by tools/record_best_fit.sh).
#pragma once

#include <cstddef>
#include <cstdint>

// The code page 932 bytes Windows writes for `unit`, or null when it writes
// the default character.
const char *BestFit932(uint16_t unit);

namespace best_fit_932 {

struct Fit {
    uint16_t unit;
    const char *bytes;
};

// The recorded pairs, in ascending order of unit.
extern const Fit kFits[];
extern const size_t kFitCount;

}  // namespace best_fit_932
