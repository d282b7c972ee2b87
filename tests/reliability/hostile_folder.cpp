#include "tests/reliability/hostile_folder.h"

#include <cstdio>
#include <sstream>

#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

namespace {

std::vector<uint8_t> Photo(int width, int height, int components, bool progressive)
{
    JpegOptions options;
    options.quality = 85;
    options.subsample420 = components == 3;
    options.progressive = progressive;
    return EncodeJpeg(MakePhotoPicture(width, height, components, 5), options);
}

// Good files the viewer must show; some with names the layer has to map.
int AddGoodFiles(const TempFolder &folder)
{
    JpegOptions turned;
    turned.app1Payloads = {ExifOrientationPayload(6, false)};
    folder.AddFile("good-baseline.jpg", Photo(1600, 1200, 3, false));
    folder.AddFile("good-progressive.jpg", Photo(1200, 900, 3, true));
    folder.AddFile("good-grey.jpg", Photo(640, 480, 1, false));
    folder.AddFile("good-exif-turned.jpg", EncodeJpeg(MakeCornerPicture(900, 500), turned));
    folder.AddFile("\xC3\xA9t\xC3\xA9.jpg", Photo(300, 200, 3, false));                // été
    folder.AddFile("\xF0\x9F\x93\xB7 camera.jpg", Photo(200, 300, 3, true));            // a camera emoji
    folder.AddFile("back\\slash.jpg", Photo(120, 90, 3, false));
    return 7;
}

// Files that cannot be opened or cannot be decoded.
int AddBadFiles(const TempFolder &folder)
{
    int made = 0;
    char name[32];
    for (const HostileFile &file : HostileJpegFiles()) {
        std::snprintf(name, sizeof name, "hostile-%02d.jpg", made);
        folder.AddFile(name, file.bytes);
        ++made;
    }
    // The folder's path plus this name passes what a path may hold.
    folder.AddFile(std::string(240, 'n') + ".jpg", Photo(64, 48, 3, false));
    return made + 1;
}

}  // namespace

int MakeHostileFolder(const TempFolder &folder)
{
    int made = AddGoodFiles(folder) + AddBadFiles(folder);
    folder.AddFifo("fifo.jpg");
    folder.AddFolder("folder.jpg");
    return made;
}

std::string HostileFolderScript(int entries)
{
    std::ostringstream script;
    for (int i = 0; i <= entries + 1; ++i) {
        script << "key Space\n";
        if (i % 3 == 0) script << "key Left\n";
        if (i % 5 == 0) script << "key R\n";
        if (i % 7 == 0) script << "key BackSpace\nkey Space\n";
    }
    // Sizes down to nothing and shapes no window has, then back.
    const char *resizes = "resize 500 400\nkey Right\nresize 0 0\nkey Space\nresize 1 24\nkey Left\n"
                          "resize 3000 1\nkey Space\nresize 1300 900\nkey Right\nresize 784 561\n";
    script << resizes << "key Shift\n" << resizes;
    for (int i = 0; i <= entries + 1; ++i) {
        script << "key Space\nhscroll SB_LINERIGHT\nvscroll SB_PAGEDOWN\n"
                  "hscroll SB_THUMBTRACK 300\nhscroll SB_THUMBPOSITION 300\nvscroll SB_BOTTOM\n";
        if (i % 2 == 0) script << "key Right\nvscroll SB_LINEDOWN\nhscroll SB_PAGERIGHT\n";
        if (i % 4 == 0) script << "resize 400 300\nhscroll SB_BOTTOM\nresize 784 561\n";
        if (i % 9 == 0) script << "resize 0 0\nvscroll SB_PAGEDOWN\nhscroll SB_LINERIGHT\nresize 784 561\n";
    }
    script << "key J\ndialog 5\ndialog-ok\nkey J\ndialog 123456789\ndialog-ok\n"
              "key J\ndialog-cancel\nkey J\ndialog-esc\n";
    script << "key T\ndialog 1\ndialog-ok\nadvance 4000\nkey T\n"
              "key T\ndialog-cancel\nkey T\ndialog x\ndialog-ok\n";
    script << "key Shift\nshow\nkey Escape\n";
    return script.str();
}
