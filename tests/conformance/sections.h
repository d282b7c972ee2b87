// The sections of the conformance program, in the order they print: each a
// name and the function that prints it, in a file of its own, NAME_section.cpp
// (the CMake files take every *_section.cpp). A section prints to the
// standard output, with Print (conformance.h) or printf. Adding a section is
// its file and one line here.
#pragma once

#define CONFORMANCE_SECTIONS(SECTION) \
    SECTION(text, PrintText)          \
    SECTION(wsprintf, PrintWsprintf)  \
    SECTION(paths, PrintPaths)        \
    SECTION(find, PrintFind)          \
    SECTION(queue, PrintQueue)        \
    SECTION(font, PrintFont)          \
    SECTION(collation, PrintCollation)
