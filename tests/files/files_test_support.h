// Helpers shared by the folder and file-service tests.
#pragma once

#include <string>
#include <vector>

// The ends of code page 932's lead-byte ranges (0x81-0x9F, 0xE0-0xFC) and the
// bytes just outside them: whether each takes the byte after it along.
struct LeadByteEdge {
    unsigned char byte;
    bool lead;
};
inline constexpr LeadByteEdge kLeadByteEdges[] = {{0x80, false}, {0x81, true}, {0x9F, true},
                                                  {0xA0, false}, {0xDF, false}, {0xE0, true},
                                                  {0xFC, true},  {0xFD, false}};

// The code page 932 form of a UTF-8 text that has one (test data only).
std::string Cp932(const std::string &utf8);

// Every name FindFirstFileA/FindNextFileA report for `pattern` (code page 932),
// in the order reported; directories are marked with a trailing '/'.
std::vector<std::string> SearchNames(const std::string &pattern);

// The names of g_viewer's file list, slot by slot.
std::vector<std::string> ListedNames();

// Makes `path` the current directory for the life of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string &path);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory &) = delete;
    CurrentDirectory &operator=(const CurrentDirectory &) = delete;

private:
    std::string saved_;
};
