#include "tests/gtk/scenario_pictures.h"

#include "tests/support/jpeg_writer.h"

namespace {

void WritePicture(const std::string &path, const RawPicture &picture)
{
    WriteBytes(path, EncodeJpeg(picture));
}

}  // namespace

bool MakeScenarioFolder(const std::string &dir, const std::string &kind)
{
    if (kind == "tall") {
        WritePicture(dir + "/tall.jpg", MakeCornerPicture(600, 900));
    } else if (kind == "one") {
        RawPicture dot = MakePicture(1, 1, 3);
        dot.samples = {255, 128, 0};
        WritePicture(dir + "/dot.jpg", dot);
    } else if (kind == "stripes") {
        // One-pixel detail: columns alternately black and white, which a
        // window that scaled its drawing up would show in pairs.
        RawPicture stripes = MakePicture(600, 400, 3);
        for (int y = 0; y < stripes.height; ++y)
            for (int x = 0; x < stripes.width; ++x)
                for (int c = 0; c < 3; ++c) stripes.At(x, y)[c] = x % 2 ? 255 : 0;
        JpegOptions best;
        best.quality = 100;
        WriteBytes(dir + "/stripes.jpg", EncodeJpeg(stripes, best));
    } else if (kind == "panorama") {
        WritePicture(dir + "/panorama.jpg", MakePhotoPicture(3000, 240, 3, 11));
    } else {
        return false;
    }
    return true;
}
