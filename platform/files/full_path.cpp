// GetCurrentDirectoryA and GetFullPathNameA over '/' paths. A full path is
// made lexically, as on Windows: the name is appended to the current directory
// unless it starts with '/', then "." components are dropped and ".." removes
// the component before it (never climbing above the root). The name is taken
// unchanged otherwise: quotes and blanks are ordinary characters, and a
// trailing separator is kept.
#include <cstring>
#include <string>
#include <vector>

#include "platform/files/real_path.h"
#include "platform/win32.h"

namespace {

// Windows' answer shape: the length without the terminator when the text fits
// (then it is copied), else the size needed with the terminator, untouched.
DWORD CopyOut(const std::string &text, DWORD bufferLength, LPSTR buffer)
{
    if (!buffer || text.size() + 1 > bufferLength) return static_cast<DWORD>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
}

std::string ApplicationCurrentDirectory()
{
    std::string real = RealCurrentDirectory();
    return real.empty() ? real : ToAppPath(real);
}

std::string Normalize(const std::string &absolute)
{
    std::vector<std::string> kept;
    size_t start = 0;
    while (start <= absolute.size()) {
        size_t end = absolute.find('/', start);
        if (end == std::string::npos) end = absolute.size();
        std::string part = absolute.substr(start, end - start);
        if (part == "..") {
            if (!kept.empty()) kept.pop_back();
        } else if (!part.empty() && part != ".") {
            kept.push_back(part);
        }
        start = end + 1;
    }
    std::string out;
    for (const std::string &part : kept) out += "/" + part;
    if (out.empty() || absolute.back() == '/') out += '/';
    return out;
}

}  // namespace

DWORD GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer)
{
    std::string current = ApplicationCurrentDirectory();
    if (current.empty()) return 0;
    return CopyOut(current, bufferLength, buffer);
}

DWORD GetFullPathNameA(LPCSTR fileName, DWORD bufferLength, LPSTR buffer, LPSTR *filePart)
{
    if (!fileName || !*fileName) return 0;
    std::string absolute = fileName;
    if (absolute.front() != '/') {
        std::string current = ApplicationCurrentDirectory();
        if (current.empty()) return 0;
        absolute = current + "/" + absolute;
    }
    std::string full = Normalize(absolute);
    DWORD result = CopyOut(full, bufferLength, buffer);
    if (filePart && result < bufferLength) {
        size_t slash = full.rfind('/');
        *filePart = slash + 1 < full.size() ? buffer + slash + 1 : nullptr;
    }
    return result;
}
