// The path of the current file: folder, separator, name; never cut.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/reload.h"

namespace {

TEST(ImagePathTest, JoinsFolderAndNameOrRefusesWhenTooLong)
{
    struct Case {
        std::string folder, name;
        bool fits;
    };
    const std::string folder259(259, 'f');
    const Case cases[] = {
        {"/home/user/pics", "a.jpg", true},
        {"", "a.jpg", true},                       // the root folder is the empty folder
        {std::string(250, 'f'), "abcd.jpg", true}, // 250 + 1 + 8 = 259 bytes: fits exactly
        {std::string(250, 'f'), "abcde.jpg", false},  // 260 bytes: no room for the terminator
        {folder259, "a.jpg", false},
        {"/p", std::string(300, 'n'), false},
    };
    for (const Case &c : cases) {
        char path[MAX_PATH];
        memset(path, '#', sizeof path);
        int result = BuildImagePath(path, sizeof path, c.folder.c_str(), c.name.c_str());
        SCOPED_TRACE(c.folder.size() + c.name.size());
        EXPECT_EQ(c.fits ? 1 : 0, result);
        if (c.fits)
            EXPECT_EQ(c.folder + KOVLO_PATH_SEPARATOR_TEXT + c.name, std::string(path));
        else
            EXPECT_EQ('#', path[0]);  // nothing written
    }
}

TEST(ImagePathTest, SmallBufferIsNeverOverrun)
{
    char buffer[8 + 4];
    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(1, BuildImagePath(buffer, 8, "ab", "cdef"));  // 7 bytes + terminator
    EXPECT_STREQ("ab" KOVLO_PATH_SEPARATOR_TEXT "cdef", buffer);
    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(0, BuildImagePath(buffer, 8, "ab", "cdefg"));
    for (char byte : buffer)
        EXPECT_EQ('#', byte);
}

}  // namespace
