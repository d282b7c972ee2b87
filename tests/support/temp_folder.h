// A folder in the temporary directory that is removed with everything in it
// when the object goes out of scope. Paths here are the file system's (UTF-8).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::string &path() const { return path_; }
    std::string Join(const std::string &name) const { return path_ + "/" + name; }

    // Creates a file (parents must exist) or a subfolder below this folder.
    void AddFile(const std::string &name, const std::vector<uint8_t> &bytes = {}) const;
    void AddFolder(const std::string &name) const;
    // A named pipe (FIFO) with nobody at the other end.
    void AddFifo(const std::string &name) const;

private:
    std::string path_;
};
