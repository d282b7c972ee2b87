// Between the application's paths (code page 932, '/' separated) and the file
// system's, component by component through the name table.
#pragma once

#include <string>
#include <string_view>

// The file-system path behind an application path. A relative path stays
// relative; a trailing separator stays. False for an empty path.
bool ToRealPath(std::string_view appPath, std::string *realPath);

// The application's form of an absolute file-system path.
std::string ToAppPath(const std::string &realAbsolutePath);

// The current directory as the file system names it; empty when unreadable.
std::string RealCurrentDirectory();

// Splits a path at its last separator: the folder part ("/" for the root,
// "." for a bare name) and the last component (empty after a trailing '/').
void SplitLastComponent(std::string_view path, std::string *folder, std::string *last);
