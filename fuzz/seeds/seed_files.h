// Every fuzz target makes its own seed corpus: started as
// KOVLO_FUZZ_SEEDS=<folder> ./<target>, it writes its seeds and exits.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

// Writes each seed (a string or a byte vector) as folder/seed<N>.
template <typename Seeds>
void WriteSeedFiles(const std::string &folder, const Seeds &seeds)
{
    int index = 0;
    for (const auto &seed : seeds) {
        std::ofstream out(folder + "/seed" + std::to_string(index++), std::ios::binary);
        out.write(reinterpret_cast<const char *>(seed.data()), std::streamsize(seed.size()));
    }
}

// For LLVMFuzzerInitialize: when KOVLO_FUZZ_SEEDS names a folder, writes the
// seeds that makeSeeds() gives there and ends the process.
template <typename MakeSeeds>
void WriteSeedsIfAsked(MakeSeeds makeSeeds)
{
    if (const char *folder = std::getenv("KOVLO_FUZZ_SEEDS")) {
        WriteSeedFiles(folder, makeSeeds());
        std::exit(0);
    }
}
