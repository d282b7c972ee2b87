// The sample folder the build makes, which `./run.sh` opens when no folder is
// given: a dozen photographs that show what the viewer does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Sample {
    const char *name;   // UTF-8, as on disk
    int width, height;  // as the viewer shows it at actual size (upright); 0 x 0: not a picture
    std::vector<uint8_t> (*make)();
};

// In the order the viewer lists them.
const std::vector<Sample> &Samples();

// Writes every sample into `folder` (which must exist); false and a message
// on standard error when a file cannot be written.
bool WriteSamples(const std::string &folder);
