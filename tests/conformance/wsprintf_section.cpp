// wsprintfA with every format the viewer composes its texts with, each filled
// at the edges of its arguments: the smallest and largest numbers, empty and
// longest names, names of double-byte characters (one ending in a second byte
// 0x5C), and a text longer than the 1024 bytes wsprintfA writes at most.
#include <climits>
#include <cstring>
#include <string>

#include "app/viewer_texts.h"
#include "tests/conformance/conformance.h"

using namespace conformance;

namespace {

const int kNumbers[] = {INT_MIN, -1, 0, 1, 9, 10, 99999, INT_MAX};

// "ソ表" repeated: double-byte characters whose second byte is 0x5C.
std::string DoubleByteName(size_t bytes)
{
    std::string name;
    while (name.size() + 2 <= bytes) name += name.size() % 4 ? "\x95\x5C" : "\x83\x5C";
    return name;
}

const std::string kNames[] = {
    "",
    "IMG_0001.JPG",
    "\x8e\xca\x90\x5e (1).jpg",  // 写真 (1).jpg
    DoubleByteName(258) + "x",  // a 259-byte name, the longest a slot holds
    std::string(1100, 'n'),      // past what wsprintfA writes
};

// The answer, the bytes written up to the terminator, and whether the byte
// after the terminator is still the filler (nothing written past it).
void PrintAnswer(const std::string &what, int answer, const char *buffer)
{
    size_t length = std::strlen(buffer);
    Print("%s -> %d, %u bytes, then %s: %s\n", what.c_str(), answer, unsigned(length),
          buffer[length + 1] == '~' ? "untouched" : "written", Escaped(buffer).c_str());
}

template <typename... Arguments>
void Try(const std::string &what, const char *format, Arguments... arguments)
{
    static char buffer[4096];
    std::memset(buffer, '~', sizeof buffer - 1);
    buffer[sizeof buffer - 1] = 0;
    int answer = wsprintfA(buffer, format, arguments...);
    PrintAnswer(what, answer, buffer);
}

}  // namespace

void PrintWsprintf()
{
    for (int number : kNumbers) {
        Try(Format("title %d", number), kTitleFormat, number, "C:\\x");
        Try(Format("slideshow %d", number), kSlideshowTitleFormat, 1, number, "C:\\x");
        Try(Format("jump count %d", number), kJumpCountFormat, number);
        Try(Format("fit line %d", number), kFitNameFormat, "a.jpg", number, number, number);
    }
    int n = 0;
    for (const std::string &name : kNames) {
        ++n;
        Try(Format("fit name %d", n), kFitNameFormat, name.c_str(), 1, INT_MAX, 575);
        Try(Format("actual name %d", n), kActualNameFormat, name.c_str(), INT_MAX, INT_MAX);
        Try(Format("no image name %d", n), kNoImageNameFormat, name.c_str(), 1, 1);
        Try(Format("caption %d", n), kNoFilesCaptionFormat, kProgramName, name.c_str());
        Try(Format("slideshow folder %d", n), kSlideshowTitleFormat, INT_MAX, 999, name.c_str());
    }
}
