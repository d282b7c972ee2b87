// Opening files by their code page 932 path: only regular files, never
// blocking; names without a code page 932 form open through their stand-ins;
// over-long paths are refused whole.
#include <gtest/gtest.h>

#include <errno.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text/cp932.h"
#include "platform/win32.h"
#include "tests/files/files_test_support.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

namespace {

// The bytes of the file at `path`, or "<refused>" when it does not open.
std::string Contents(const std::string &path, const char *mode = "rb")
{
    FILE *file = AnsiFopen(path.c_str(), mode);
    if (!file) return "<refused>";
    std::string bytes;
    char buffer[256];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    fclose(file);
    return bytes;
}

std::vector<uint8_t> Bytes(const std::string &text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

void AddSocket(const TempFolder &folder, const std::string &name)
{
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::string path = folder.Join(name);
    ASSERT_LT(path.size(), sizeof address.sun_path);
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    close(fd);  // the socket file stays
}

TEST(AnsiFopen, OnlyRegularFilesOpen)
{
    TempFolder folder;
    folder.AddFile("a.jpg", Bytes("JPEG"));
    folder.AddFifo("fifo.jpg");
    AddSocket(folder, "socket.jpg");
    folder.AddFolder("pics.jpg");
    ASSERT_EQ(symlink("/dev/null", folder.Join("device.jpg").c_str()), 0);
    ASSERT_EQ(symlink("a.jpg", folder.Join("link.jpg").c_str()), 0);

    struct Case {
        const char *name;
        const char *mode;
        std::string contents;
    };
    const Case cases[] = {
        {"a.jpg", "rb", "JPEG"},
        {"link.jpg", "rb", "JPEG"},     // a link to a regular file is one
        {"fifo.jpg", "rb", "<refused>"},  // would block for ever in a plain open
        {"fifo.jpg", "wb", "<refused>"},
        {"socket.jpg", "rb", "<refused>"},
        {"device.jpg", "rb", "<refused>"},
        {"pics.jpg", "rb", "<refused>"},
        {"missing.jpg", "rb", "<refused>"},
        {"a.jpg", "", "<refused>"},
        {"a.jpg", "x", "<refused>"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Contents(folder.Join(c.name), c.mode), c.contents) << c.name << " " << c.mode;
    }
}

TEST(AnsiFopen, WriteModesCreateAndTruncateRegularFilesOnly)
{
    TempFolder folder;
    folder.AddFile("old.jpg", Bytes("old contents"));
    FILE *file = AnsiFopen(folder.Join("old.jpg").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fputs("new", file);
    fclose(file);
    EXPECT_EQ(Contents(folder.Join("old.jpg")), "new");
    file = AnsiFopen(folder.Join("old.jpg").c_str(), "ab");
    ASSERT_NE(file, nullptr);
    fputs("+", file);
    fclose(file);
    EXPECT_EQ(Contents(folder.Join("old.jpg")), "new+");
    file = AnsiFopen((folder.path() + "/" + Cp932("表.jpg")).c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fclose(file);
    EXPECT_EQ(ReadBytes(folder.Join("\xE8\xA1\xA8.jpg")).size(), 0u);  // created by its UTF-8 name
}

TEST(AnsiFopen, PathsOfMaxPathBytesAreRefusedNotCut)
{
    TempFolder folder;
    // A real file whose path is longer than MAX_PATH - 1, and the same path
    // cut to MAX_PATH - 1 bytes naming another real file: neither may open.
    std::string sub = folder.path();
    while (sub.size() < 240) {
        sub += "/dddddddddd";
        ASSERT_EQ(mkdir(sub.c_str(), 0700), 0);
    }
    std::string longPath = sub + "/" + std::string(MAX_PATH - sub.size(), 'n') + ".jpg";
    std::string cutPath = longPath.substr(0, MAX_PATH - 1);
    WriteBytes(longPath, Bytes("long"));
    WriteBytes(cutPath, Bytes("cut"));
    errno = 0;
    EXPECT_EQ(Contents(longPath), "<refused>");
    EXPECT_EQ(errno, ENAMETOOLONG);
    EXPECT_EQ(Contents(cutPath), "cut");  // MAX_PATH - 1 bytes still fit
}

TEST(AnsiFopen, NamesWithoutACodePage932FormOpenThroughTheirListedNames)
{
    TempFolder folder;
    const std::vector<std::string> realNames = {
        "caf\xC3\xA9.jpg", "caf\xC3\xA8.jpg",   // é and è collapse to one stand-in
        "\xF0\x9F\x98\x80.jpg",                 // an emoji
        "bad\xFF.jpg",                          // not UTF-8 at all
        "x\xE3\x80\x9C.jpg",                    // WAVE DASH, folded with FULLWIDTH TILDE
        "x\xEF\xBD\x9E.jpg",                    // FULLWIDTH TILDE, the round-trip form
    };
    for (const std::string &name : realNames) folder.AddFile(name, Bytes("real " + name));
    folder.AddFile("caf\xE3\x80\x93.jpg", Bytes("a real geta name"));  // caf〓.jpg itself

    std::vector<std::string> listed = SearchNames(folder.path() + "/*.jpg");
    ASSERT_EQ(listed.size(), realNames.size() + 1);
    std::vector<std::string> contents;
    for (const std::string &name : listed) {
        std::string cp932;
        EXPECT_TRUE(Utf8ToCp932(Cp932ToUtf8(name), &cp932)) << "not a valid code page 932 name";
        contents.push_back(Contents(folder.path() + "/" + name));
    }
    for (const std::string &name : realNames) {
        EXPECT_EQ(std::count(contents.begin(), contents.end(), "real " + name), 1) << name;
    }
    EXPECT_EQ(std::count(contents.begin(), contents.end(), "a real geta name"), 1);
}

TEST(AnsiFopen, StandInsStayTheSameAcrossSearches)
{
    TempFolder folder;
    folder.AddFile("caf\xC3\xA9.jpg");
    folder.AddFile("caf\xC3\xA8.jpg");
    std::vector<std::string> first = SearchNames(folder.path() + "/*.jpg");
    EXPECT_EQ(SearchNames(folder.path() + "/caf*"), first);
    EXPECT_EQ(SearchNames(folder.path() + "/*.jp?"), first);
}

TEST(AnsiFopen, FoldersWithoutACodePage932FormResolve)
{
    TempFolder folder;
    folder.AddFolder("\xC3\xA9t\xC3\xA9");
    folder.AddFile("\xC3\xA9t\xC3\xA9/\xF0\x9F\x93\xB7.jpg", Bytes("inside"));
    std::vector<std::string> folders = SearchNames(folder.path() + "/*");
    // Besides the folder's own "." and "..".
    folders.erase(std::remove_if(folders.begin(), folders.end(),
                                 [](const std::string &name) { return name == "./" || name == "../"; }),
                  folders.end());
    ASSERT_EQ(folders.size(), 1u);
    std::string appFolder = folder.path() + "/" + folders[0].substr(0, folders[0].size() - 1);
    std::vector<std::string> files = SearchNames(appFolder + "/*.jpg");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(Contents(appFolder + "/" + files[0]), "inside");
    EXPECT_EQ(GetFileAttributesA(appFolder.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              DWORD(FILE_ATTRIBUTE_DIRECTORY));
}

}  // namespace
