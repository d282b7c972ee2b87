// Files that are not ordinary photographs: each is refused or shown, never
// read or written out of bounds (the sanitizer build runs these too).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/viewer_state.h"
#include "image/jpeg_loader.h"
#include "tests/image/image_test_support.h"
#include "tests/support/jpeg_writer.h"

namespace {

void ExpectOutcome(const HostileFile &file, int fitMode)
{
    ResetViewerState();
    g_viewer.fitMode = fitMode;
    DibPtr dib = LoadBytes(file.bytes, 800, 575);
    SCOPED_TRACE(testing::Message() << file.name << (fitMode ? " (fit view)" : " (actual size)"));
    if (file.width == 0) {
        EXPECT_FALSE(dib) << "should be refused";
        return;
    }
    ASSERT_TRUE(dib) << "should be shown";
    EXPECT_EQ(dib->header.biWidth, file.width);
    EXPECT_EQ(dib->header.biHeight, file.height);
    EXPECT_EQ(dib->header.biSizeImage, PackedDibStride(file.width) * file.height);
}

TEST(HostileFiles, EachIsRefusedOrShownInBothViews)
{
    std::vector<HostileFile> files = HostileJpegFiles();
    ASSERT_GE(files.size(), 30u);
    for (const HostileFile &file : files) {
        ExpectOutcome(file, 1);
        ExpectOutcome(file, 0);
    }
}

// Byte ranges holding entropy-coded data: a cut inside one leaves every
// header and table before it intact.
std::vector<std::pair<size_t, size_t>> ScanDataRanges(const std::vector<uint8_t> &jpeg)
{
    std::vector<std::pair<size_t, size_t>> ranges;
    for (const JpegSegment &s : ListSegments(jpeg)) {
        if (s.marker != 0xDA) continue;
        size_t header = 2 + ((jpeg[s.offset + 2] << 8) | jpeg[s.offset + 3]);
        ranges.push_back({s.offset + header, s.offset + s.size});
    }
    return ranges;
}

// Cuts at every 37th byte of a progressive file: always a decision, and a
// full-size picture whenever the file ends inside scan data. (A cut inside
// a table between two scans makes the table itself corrupt, which the
// library refuses.)
TEST(HostileFiles, ProgressiveCutInScanDataIsFullSize)
{
    JpegOptions options;
    options.progressive = true;
    std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoPicture(48, 40, 3, 5), options);
    std::vector<std::pair<size_t, size_t>> data = ScanDataRanges(jpeg);
    ASSERT_GE(data.size(), 5u);
    int mustShow = 0;
    for (size_t cut = 0; cut < jpeg.size(); cut += 37) {
        bool inScanData = false;
        for (const auto &range : data) inScanData |= cut > range.first && cut <= range.second;
        ResetViewerState();
        DibPtr dib = LoadBytes(Truncated(jpeg, cut), 800, 575);
        mustShow += inScanData;
        if (inScanData) {
            ASSERT_TRUE(dib) << "cut at " << cut;
        }
        if (!dib) continue;
        EXPECT_EQ(dib->header.biWidth, 48) << "cut at " << cut;
        EXPECT_EQ(dib->header.biHeight, 40) << "cut at " << cut;
    }
    EXPECT_GT(mustShow, 10);
}

// The scan limit refuses the 101st scan, and quietly: the viewer's status
// strip tells the user, and nothing goes to standard error.
TEST(HostileFiles, ScanLimitRefusesQuietly)
{
    std::vector<HostileFile> files = HostileJpegFiles();
    for (const char *name : {"100 scans", "101 scans"}) {
        auto file = std::find_if(files.begin(), files.end(),
                                 [&](const HostileFile &f) { return f.name == name; });
        ASSERT_NE(files.end(), file) << name;
        ResetViewerState();
        testing::internal::CaptureStderr();
        DibPtr dib = LoadBytes(file->bytes, 800, 575);
        EXPECT_EQ("", testing::internal::GetCapturedStderr()) << name;
        EXPECT_EQ(file->width != 0, bool(dib)) << name;
    }
}

// The pixel limit sits at 2^28: a picture of exactly that many pixels still
// decodes (here reduced for the fit view), one row more does not.
TEST(HostileFiles, PixelLimitIsTwoToThe28)
{
    JpegOptions options;
    std::vector<uint8_t> grey = EncodeJpeg(MakePhotoPicture(16, 16, 1, 9), options);
    struct Case {
        int width, height;
        int shownWidth;  // after the reduction for an 800x575 view; 0 = refused
    };
    const Case cases[] = {{16384, 16384, 2048}, {16384, 16385, 0}, {65500, 4098, 16375}, {65500, 4099, 0}};
    for (const Case &c : cases) {
        ResetViewerState();
        DibPtr dib = LoadBytes(WithFrameSize(grey, c.width, c.height), 800, 575);
        EXPECT_EQ(dib ? dib->header.biWidth : 0, c.shownWidth) << c.width << " x " << c.height;
    }
}

}  // namespace
