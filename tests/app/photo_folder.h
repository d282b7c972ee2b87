// A temporary folder of test photographs for the end-to-end tests, and the
// texts the viewer shows for it.
#pragma once

#include <string>

#include "tests/app/replay_session.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

// The four quadrant colours of MakeCornerPicture, as 0xRRGGBB.
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

class PhotoFolder {
public:
    // A picture with red, green, blue and white quadrants (top-left first).
    void AddPhoto(const std::string &name, int width, int height) const;
    void AddBytes(const std::string &name, const std::string &bytes) const;
    // `count` small pictures named p01.jpg, p02.jpg, ...
    void AddNumbered(int count) const;
    void Remove(const std::string &name) const;
    void AddFolder(const std::string &name) const { folder_.AddFolder(name); }
    const std::string &Path() const { return folder_.path(); }
    std::string Join(const std::string &name) const { return folder_.Join(name); }

    // The driver on this folder with a client area of 800 x 600 (a view of
    // 800 x 575 above the status strip).
    ReplaySetup Setup() const;

    // The title of the fit and actual-size views, and of a running slideshow.
    std::string Title(int count) const;
    std::string SlideshowTitle(int count, int seconds) const;

private:
    TempFolder folder_;
};

// The status texts as the driver prints them.
extern const char kFitHint[];
extern const char kActualHint[];
extern const char kNoImageHint[];
extern const char kNoFilesText[];

// A script of several lines.
std::string Lines(std::initializer_list<std::string> lines);
