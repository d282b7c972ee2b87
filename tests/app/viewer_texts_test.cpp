// The viewer's own texts are exactly these code page 932 strings.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/paint.h"
#include "app/viewer_texts.h"
#include "platform/text/cp932.h"

namespace {

TEST(ViewerTextsTest, TextsReadAsGiven)
{
    struct Case {
        const char *cp932;
        std::string utf8;
    };
    const Case cases[] = {
        {kTitleFormat, u8" 全%d枚 ● [J] で指定番にジャンプ ● [T] で自動送り ● %s"},
        {kSlideshowTitleFormat,
         u8" 全%d枚 ■ [J] で指定番にジャンプ ■ %d秒毎送り中 - [T] で解除 ■ %s"},
        {kFitKeyHint, u8" 終了:Esc  原寸:Shift  回転:←→  戻る:BackSp  進む:Space "},
        {kActualKeyHint, u8" 終了:Esc  ﾌｨｯﾄ:Shift  回転:←→  戻る:BackSp  進む:Space "},
        {kNoImageKeyHint, u8" 終了:Esc  戻る:BackSp  進む:Space "},
        {kFitNameFormat, " %s (%d/%d) %d%% "},
        {kActualNameFormat, " %s (%d/%d) "},
        {kNoImageNameFormat, u8" %s (%d/%d) 開けません"},
        {kNoFilesMessage, u8"JPEG(.jpg,.jpeg)ファイルが見付かりませんでした．"},
        {kNoFilesCaptionFormat, "%s - %s"},
        {kJumpCountFormat, u8"%d枚目中"},
        {kProgramName, "Kovlo"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.utf8, Cp932ToUtf8(c.cp932));
}

// The half-width katakana are single bytes; the arrows are double-byte.
TEST(ViewerTextsTest, ByteLengths)
{
    EXPECT_EQ(58u, std::string(kActualKeyHint).size());
    EXPECT_EQ(58u, std::string(kFitKeyHint).size());
    EXPECT_EQ(68u, std::string(kSlideshowTitleFormat).size());
}

// The longest title: ten-digit count, three-digit interval, 259-byte folder.
TEST(ViewerTextsTest, LongestTitleFitsThePaintBuffer)
{
    size_t longest = std::string(kSlideshowTitleFormat).size() - 6 + 10 + 3 + 259;
    EXPECT_EQ(334u, longest);
    EXPECT_LT(longest, size_t(kPaintTextSize));
}

TEST(CentringTest, OriginTruncatesTowardZero)
{
    struct Case {
        int extent, size, origin;
    };
    const Case cases[] = {{1920, 800, 560}, {1080, 600, 240}, {1366, 800, 283},
                          {768, 600, 84},   {1367, 800, 283}, {639, 800, -80}};
    for (const Case &c : cases)
        EXPECT_EQ(c.origin, CentredOrigin(c.extent, c.size)) << c.extent;
}

}  // namespace
