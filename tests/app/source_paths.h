// Where the tests find files of the source tree and programs of the build.
#pragma once

#include <string>

// The top of the source tree, from this header's own location.
inline std::string SourceRoot()
{
    std::string here = __FILE__;  // <root>/tests/app/source_paths.h
    for (int level = 0; level < 3; ++level)
        here = here.substr(0, here.rfind('/'));
    return here;
}
