// GetCurrentDirectoryA, GetFullPathNameA and GetFileAttributesA.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32.h"
#include "tests/files/files_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

std::string FullPath(const std::string &name)
{
    char buffer[MAX_PATH];
    DWORD length = GetFullPathNameA(name.c_str(), MAX_PATH, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH) return "<none>";
    EXPECT_EQ(length, std::string(buffer).size());
    return buffer;
}

TEST(GetFullPathNameA, ResolvesLexicallyAgainstTheCurrentDirectory)
{
    TempFolder folder;
    CurrentDirectory inside(folder.path());
    const std::string here = folder.path();
    const std::string parent = here.substr(0, here.rfind('/'));
    struct Case {
        std::string name;
        std::string full;
    };
    const Case cases[] = {
        {"a.jpg", here + "/a.jpg"},
        {"./a.jpg", here + "/a.jpg"},
        {"sub/../a.jpg", here + "/a.jpg"},   // lexical: sub need not exist
        {"..", parent},
        {".", here},
        {"sub/", here + "/sub/"},            // a trailing separator stays
        {"\"My Photos\"", here + "/\"My Photos\""},  // quotes and blanks pass unchanged
        {" a ", here + "/ a "},
        {"/", "/"},
        {"/..", "/"},
        {"/../../x", "/x"},
        {"//tmp///x", "/tmp/x"},
        {"/tmp/./x/.", "/tmp/x"},
        {"a\\b", here + "/a\\b"},            // a backslash is part of a name
        {Cp932("表") + "/", here + "/" + Cp932("表") + "/"},
        {"", "<none>"},
    };
    for (const Case &c : cases) EXPECT_EQ(FullPath(c.name), c.full) << c.name;
}

TEST(GetFullPathNameA, ReportsTheSizeNeededWithoutWriting)
{
    std::string name = "/" + std::string(300, 'x');
    char buffer[MAX_PATH] = "untouched";
    EXPECT_EQ(GetFullPathNameA(name.c_str(), MAX_PATH, buffer, nullptr), DWORD(302));
    EXPECT_STREQ(buffer, "untouched");
    char small[4] = "abc";
    EXPECT_EQ(GetFullPathNameA("/abc", sizeof small, small, nullptr), DWORD(5));
    EXPECT_STREQ(small, "abc");
    char exact[5];
    EXPECT_EQ(GetFullPathNameA("/abc", sizeof exact, exact, nullptr), DWORD(4));
    EXPECT_STREQ(exact, "/abc");
}

TEST(GetFullPathNameA, PointsAtTheFilePart)
{
    char buffer[MAX_PATH];
    LPSTR filePart = nullptr;
    GetFullPathNameA("/tmp/x.jpg", MAX_PATH, buffer, &filePart);
    EXPECT_STREQ(filePart, "x.jpg");
    GetFullPathNameA("/tmp/", MAX_PATH, buffer, &filePart);
    EXPECT_EQ(filePart, nullptr);
}

TEST(GetCurrentDirectoryA, GivesTheFolderInCodePage932)
{
    TempFolder folder;
    folder.AddFolder("\xE3\x82\xBD");  // ソ: its second byte is 0x5C
    CurrentDirectory inside(folder.Join("\xE3\x82\xBD"));
    char buffer[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    std::string expected = folder.path() + "/" + Cp932("ソ");
    EXPECT_EQ(std::string(buffer), expected);
    EXPECT_EQ(length, expected.size());
    char small[8] = "same";
    EXPECT_EQ(GetCurrentDirectoryA(sizeof small, small), DWORD(expected.size() + 1));
    EXPECT_STREQ(small, "same");
}

TEST(GetCurrentDirectoryA, RootIsTheSeparatorAlone)
{
    CurrentDirectory root("/");
    char buffer[MAX_PATH];
    EXPECT_EQ(GetCurrentDirectoryA(MAX_PATH, buffer), DWORD(1));
    EXPECT_STREQ(buffer, "/");
}

TEST(GetFileAttributesA, Table)
{
    TempFolder folder;
    folder.AddFile("a.jpg");
    folder.AddFile(".hidden.jpg");
    folder.AddFolder("pics.jpg");
    folder.AddFolder("\xE8\xA1\xA8");
    struct Case {
        std::string path;
        DWORD attributes;
    };
    const Case cases[] = {
        {folder.Join("a.jpg"), FILE_ATTRIBUTE_NORMAL},
        {folder.Join(".hidden.jpg"), FILE_ATTRIBUTE_HIDDEN},
        {folder.Join("pics.jpg"), FILE_ATTRIBUTE_DIRECTORY},
        {folder.Join("pics.jpg") + "/", FILE_ATTRIBUTE_DIRECTORY},
        {folder.path() + "/" + Cp932("表"), FILE_ATTRIBUTE_DIRECTORY},
        {folder.Join("a.jpg") + "/", INVALID_FILE_ATTRIBUTES},
        {folder.Join("missing"), INVALID_FILE_ATTRIBUTES},
        {"", INVALID_FILE_ATTRIBUTES},
        {"/", FILE_ATTRIBUTE_DIRECTORY},
        {"/" + std::string(MAX_PATH, 'x'), INVALID_FILE_ATTRIBUTES},
    };
    for (const Case &c : cases) EXPECT_EQ(GetFileAttributesA(c.path.c_str()), c.attributes) << c.path;
}

}  // namespace
