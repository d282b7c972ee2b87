// Where the tests find files of the source tree and programs of the build.
#pragma once

#include <string>

// The top of the source tree, as the build names it (a compiler cache may
// make __FILE__ relative to the build folder).
inline std::string SourceRoot()
{
    return KOVLO_SOURCE_DIR;
}
