#include "tests/app/photo_folder.h"

#include <cstdio>

const char kFitHint[] = u8" 終了:Esc  原寸:Shift  回転:←→  戻る:BackSp  進む:Space ";
const char kActualHint[] = u8" 終了:Esc  ﾌｨｯﾄ:Shift  回転:←→  戻る:BackSp  進む:Space ";
const char kNoImageHint[] = u8" 終了:Esc  戻る:BackSp  進む:Space ";
const char kNoFilesText[] = u8"JPEG(.jpg,.jpeg)ファイルが見付かりませんでした．";

void PhotoFolder::AddPhoto(const std::string &name, int width, int height) const
{
    folder_.AddFile(name, EncodeJpeg(MakeCornerPicture(width, height)));
}

void PhotoFolder::AddNumbered(int count) const
{
    for (int i = 1; i <= count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "p%02d.jpg", i);
        AddPhoto(name, 16, 12);
    }
}

void PhotoFolder::AddBytes(const std::string &name, const std::string &bytes) const
{
    folder_.AddFile(name, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

void PhotoFolder::Remove(const std::string &name) const
{
    std::remove(Join(name).c_str());
}

ReplaySetup PhotoFolder::Setup() const
{
    ReplaySetup setup;
    setup.options = {"--client", "800x600"};
    setup.arguments = {Path()};
    return setup;
}

std::string PhotoFolder::Title(int count) const
{
    return u8" 全" + std::to_string(count) +
           u8"枚 ● [J] で指定番にジャンプ ● [T] で自動送り ● " + Path();
}

std::string PhotoFolder::SlideshowTitle(int count, int seconds) const
{
    return u8" 全" + std::to_string(count) + u8"枚 ■ [J] で指定番にジャンプ ■ " +
           std::to_string(seconds) + u8"秒毎送り中 - [T] で解除 ■ " + Path();
}

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string script;
    for (const std::string &line : lines)
        script += line + "\n";
    return script;
}
