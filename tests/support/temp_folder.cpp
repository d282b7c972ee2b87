#include "tests/support/temp_folder.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "tests/support/jpeg_writer.h"

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kovlo-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::AddFile(const std::string &name, const std::vector<uint8_t> &bytes) const
{
    WriteBytes(Join(name), bytes);
}

void TempFolder::AddFolder(const std::string &name) const
{
    std::filesystem::create_directories(Join(name));
}

void TempFolder::AddFifo(const std::string &name) const
{
    if (mkfifo(Join(name).c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
}
