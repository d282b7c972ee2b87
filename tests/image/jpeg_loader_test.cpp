// The loader over files made by the library's compressor: reductions,
// every kind of file a camera or editor writes, row layout byte for byte,
// EXIF orientation, and the failures the user sees as "cannot open".
#include <cstdlib>

#include <gtest/gtest.h>

#include "app/viewer_state.h"
#include "image/jpeg_loader.h"
#include "tests/image/image_test_support.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(ChooseScaleDenominator, PicksTheLargestReductionStillBiggerThanTheView)
{
    struct Case {
        unsigned imageWidth, imageHeight, viewWidth, viewHeight, expected;
    };
    const Case cases[] = {
        {4000, 3000, 800, 575, 2},    {3000, 4000, 800, 575, 2},   {8000, 6000, 800, 575, 4},
        {16000, 12000, 800, 575, 8},  {1602, 1602, 800, 800, 2},   {1600, 1600, 800, 800, 1},
        {6000, 4000, 800, 575, 4},    {6400, 6400, 800, 800, 4},   {6408, 6408, 800, 800, 8},
        {4000, 3000, 800, unsigned(-25), 1},  // minimised window: full size
        {4000, 3000, unsigned(-1), 575, 1},   {100, 100, 0, 0, 8},  {7, 7, 0, 0, 4},
        {3, 3, 0, 0, 2},  {1, 1, 0, 0, 1},  {0, 0, 800, 575, 1},         {65500, 65500, 800, 575, 8},
        // The smaller reduced side must exceed the larger view side.
        {16000, 1000, 800, 575, 1},   {1000, 16000, 800, 575, 1},
        // One reduced side exactly the larger view side, each way round, in a
        // wide and a tall view: not reduced.
        {1600, 3200, 800, 575, 1},    {3200, 1600, 800, 575, 1},
        {1600, 3200, 575, 800, 1},    {3200, 1600, 575, 800, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ChooseScaleDenominator(c.imageWidth, c.imageHeight, c.viewWidth, c.viewHeight), c.expected)
            << c.imageWidth << "x" << c.imageHeight << " in " << int(c.viewWidth) << "x" << int(c.viewHeight);
}

class LoadJpegTest : public testing::Test {
protected:
    void SetUp() override { ResetViewerState(); }
    void TearDown() override { ResetViewerState(); }
};

struct FormatCase {
    const char *what;
    int width, height, components;
    JpegOptions options;
    int viewWidth, viewHeight, fitMode;
    unsigned denominator;  // what the loader must choose and decode at
};

JpegOptions Options(bool progressive, bool arithmetic, bool subsample420)
{
    JpegOptions options;
    options.progressive = progressive;
    options.arithmetic = arithmetic;
    options.subsample420 = subsample420;
    return options;
}

std::vector<FormatCase> FormatCases()
{
    JpegOptions plain = Options(false, false, false);
    return {
        {"grey", 64, 48, 1, plain, 800, 575, 1, 1},
        {"RGB 4:4:4", 64, 48, 3, plain, 800, 575, 1, 1},
        {"RGB 4:2:0", 64, 48, 3, Options(false, false, true), 800, 575, 1, 1},
        {"progressive 4:2:0", 64, 48, 3, Options(true, false, true), 800, 575, 1, 1},
        {"progressive grey", 61, 37, 1, Options(true, false, false), 800, 575, 1, 1},
        {"arithmetic", 64, 48, 3, Options(false, true, true), 800, 575, 1, 1},
        {"arithmetic progressive", 64, 48, 3, Options(true, true, false), 800, 575, 1, 1},
        {"width 1", 1, 9, 3, plain, 800, 575, 1, 1},
        {"width 3", 3, 5, 3, plain, 800, 575, 1, 1},
        {"width 5", 5, 3, 1, plain, 800, 575, 1, 1},
        {"width 7 4:2:0", 7, 7, 3, Options(false, false, true), 800, 575, 1, 1},
        {"reduced by 2", 330, 250, 3, Options(false, false, true), 100, 80, 1, 2},
        {"reduced by 4, odd sides", 333, 251, 3, plain, 40, 30, 1, 4},
        {"reduced by 8, progressive", 330, 250, 1, Options(true, false, false), 20, 20, 1, 8},
        {"actual size ignores the reduction", 330, 250, 3, plain, 20, 20, 0, 1},
        {"view shorter than the strip", 330, 250, 3, plain, 300, -25, 1, 1},
    };
}

// Byte-exact rows against a plain library decode at the same reduction:
// the loader's conversion, row order and padding, nothing else, differ.
TEST_F(LoadJpegTest, RowsMatchThePlainDecodeByteForByte)
{
    for (const FormatCase &c : FormatCases()) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoPicture(c.width, c.height, c.components, 11), c.options);
        ResetViewerState();
        g_viewer.fitMode = c.fitMode;
        DibPtr dib = LoadBytes(jpeg, c.viewWidth, c.viewHeight);
        ASSERT_TRUE(dib);
        ReferenceImage ref = ReferenceDecode(jpeg, c.denominator);
        EXPECT_EQ(dib->header.biWidth, ref.width);
        EXPECT_EQ(dib->header.biHeight, ref.height);
        EXPECT_EQ(PixelBytes(dib.get()), ref.rows);
    }
}

TEST_F(LoadJpegTest, RecordsTheReductionInBothViews)
{
    std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoPicture(330, 250, 3, 1));
    for (int fitMode : {1, 0}) {
        ResetViewerState();
        g_viewer.fitMode = fitMode;
        DibPtr dib = LoadBytes(jpeg, 40, 30);
        ASSERT_TRUE(dib);
        EXPECT_EQ(g_viewer.decodeDenominator, 4) << "fit mode " << fitMode;
        EXPECT_EQ(dib->header.biWidth, fitMode ? 83 : 330);  // 330 / 4 rounded up
        EXPECT_EQ(dib->header.biHeight, fitMode ? 63 : 250);
    }
}

TEST_F(LoadJpegTest, GreyRowIsThreeEqualBytesPerPixelThenZeros)
{
    RawPicture picture = MakePicture(3, 1, 1);
    picture.samples = {10, 20, 30};
    JpegOptions best;
    best.quality = 100;
    std::vector<uint8_t> jpeg = EncodeJpeg(picture, best);
    DibPtr dib = LoadBytes(jpeg, 800, 575);
    ASSERT_TRUE(dib);
    ReferenceImage ref = ReferenceDecode(jpeg, 1);
    const uint8_t *s = ref.rows.data();
    // The decoded samples are the written ones give or take the codec's rounding.
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(s[3 * i], 10 * (i + 1), 2);
    EXPECT_EQ(PixelBytes(dib.get()), (std::vector<uint8_t>{s[0], s[0], s[0], s[3], s[3], s[3], s[6], s[6], s[6], 0, 0, 0}));
}

// What the paper keeps of white under ink and black: 255 - ink, times
// (255 - black) / 255.
uint8_t Expected(int ink, int black)
{
    return uint8_t((255 - ink) * (255 - black) / 255.0 + 0.5);
}

TEST_F(LoadJpegTest, FourComponentFilesBecomeTheColoursTheyPrint)
{
    struct Case {
        const char *what;
        bool adobe, ycck;
    };
    const Case kinds[] = {{"plain CMYK", false, false}, {"Adobe CMYK", true, false}, {"YCCK", false, true}};
    const int inks[][4] = {{0, 0, 0, 0}, {255, 0, 0, 0}, {0, 128, 255, 0}, {40, 80, 120, 64}, {0, 0, 0, 255}, {200, 10, 60, 30}};
    for (const Case &kind : kinds) {
        for (const auto &ink : inks) {
            // Adobe files store 255 - ink; the others store the ink itself.
            bool inverted = kind.adobe || kind.ycck;
            RawPicture picture = MakePicture(16, 16, 4);
            for (size_t i = 0; i < picture.samples.size(); ++i)
                picture.samples[i] = uint8_t(inverted ? 255 - ink[i % 4] : ink[i % 4]);
            JpegOptions options;
            options.quality = 100;
            options.adobeCmyk = kind.adobe;
            options.ycck = kind.ycck;
            DibPtr dib = LoadBytes(EncodeJpeg(picture, options), 800, 575);
            ASSERT_TRUE(dib) << kind.what;
            Bgr expected = {Expected(ink[2], ink[3]), Expected(ink[1], ink[3]), Expected(ink[0], ink[3])};
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(PixelAt(dib.get(), 7, 9)[i], expected[i], 3)
                    << kind.what << " ink " << ink[0] << "," << ink[1] << "," << ink[2] << "," << ink[3];
        }
    }
}

TEST_F(LoadJpegTest, FourComponentRowsOfOddWidthsKeepTheirPadding)
{
    for (int width : {1, 3, 5, 7}) {
        RawPicture picture = MakePicture(width, 2, 4);
        for (uint8_t &s : picture.samples) s = 0x7F;
        DibPtr dib = LoadBytes(EncodeJpeg(picture), 800, 575);
        ASSERT_TRUE(dib);
        size_t stride = PackedDibStride(width);
        for (int row = 0; row < 2; ++row)
            for (size_t i = size_t(width) * 3; i < stride; ++i)
                EXPECT_EQ(PackedDibPixels(dib.get())[stride * row + i], 0) << "width " << width;
    }
}

enum Corner { Red, Green, Blue, White, Unclear };

Corner Classify(const Bgr &p)
{
    bool b = p[0] > 160, g = p[1] > 160, r = p[2] > 160;
    bool lb = p[0] < 90, lg = p[1] < 90, lr = p[2] < 90;
    if (r && lg && lb) return Red;
    if (g && lr && lb) return Green;
    if (b && lr && lg) return Blue;
    if (r && g && b) return White;
    return Unclear;
}

TEST_F(LoadJpegTest, TurnsThePictureUprightByItsExifOrientation)
{
    // Corners of the stored picture: red top-left, green top-right, blue
    // bottom-left, white bottom-right. Expected corners TL, TR, BL, BR.
    struct Case {
        int orientation;
        int width, height;
        Corner corners[4];
    };
    const Case cases[] = {
        {1, 40, 30, {Red, Green, Blue, White}},   {2, 40, 30, {Red, Green, Blue, White}},
        {3, 40, 30, {White, Blue, Green, Red}},   {4, 40, 30, {Red, Green, Blue, White}},
        {5, 40, 30, {Red, Green, Blue, White}},   {6, 30, 40, {Blue, Red, White, Green}},
        {7, 40, 30, {Red, Green, Blue, White}},   {8, 30, 40, {Green, White, Red, Blue}},
    };
    for (bool big : {false, true}) {
        for (const Case &c : cases) {
            JpegOptions options;
            options.app1Payloads = {ExifOrientationPayload(c.orientation, big)};
            DibPtr dib = LoadBytes(EncodeJpeg(MakeCornerPicture(40, 30), options), 800, 575);
            SCOPED_TRACE(testing::Message() << "orientation " << c.orientation << (big ? " big" : " little"));
            ASSERT_TRUE(dib);
            ASSERT_EQ(dib->header.biWidth, c.width);
            ASSERT_EQ(dib->header.biHeight, c.height);
            int right = c.width - 3, bottom = c.height - 3;
            EXPECT_EQ(Classify(PixelAt(dib.get(), 2, 2)), c.corners[0]);
            EXPECT_EQ(Classify(PixelAt(dib.get(), right, 2)), c.corners[1]);
            EXPECT_EQ(Classify(PixelAt(dib.get(), 2, bottom)), c.corners[2]);
            EXPECT_EQ(Classify(PixelAt(dib.get(), right, bottom)), c.corners[3]);
        }
    }
}

TEST_F(LoadJpegTest, FilesThatAreNotPicturesGiveNoneAndKeepTheReduction)
{
    const std::vector<uint8_t> contents[] = {{}, {'h', 'e', 'l', 'l', 'o', '\n'}, {0xFF, 0xD8, 0xFF}};
    for (const auto &bytes : contents) {
        g_viewer.decodeDenominator = 77;
        EXPECT_FALSE(LoadBytes(bytes, 800, 575)) << bytes.size() << " bytes";
        EXPECT_EQ(g_viewer.decodeDenominator, 77) << bytes.size() << " bytes";
    }
}

// The library's messages for a failure or a warning ("Not a JPEG file",
// "Premature end of JPEG file") stay off standard error: the status strip
// tells the user, and a terminal would show them between the viewer's lines.
TEST_F(LoadJpegTest, WritesNothingToStandardError)
{
    std::vector<uint8_t> good = EncodeJpeg(MakeCornerPicture(16, 16));
    struct Case {
        const char *what;
        std::vector<uint8_t> bytes;
        bool shown;
    };
    const Case cases[] = {
        {"text", {'h', 'e', 'l', 'l', 'o'}, false},
        {"zero bytes", {}, false},
        {"cut mid-scan", Truncated(good, MiddleOfFirstScan(good)), true},
        {"whole file", good, true},
    };
    for (const Case &c : cases) {
        testing::internal::CaptureStderr();
        DibPtr dib = LoadBytes(c.bytes, 800, 575);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << c.what;
        EXPECT_EQ(bool(dib), c.shown) << c.what;
    }
}

TEST_F(LoadJpegTest, FileCutInTheMiddleOfItsScanGivesTheFullSize)
{
    JpegOptions options;
    options.subsample420 = true;
    std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoPicture(200, 120, 3, 4), options);
    std::vector<uint8_t> cut = Truncated(jpeg, MiddleOfFirstScan(jpeg));
    DibPtr whole = LoadBytes(jpeg, 800, 575);
    DibPtr dib = LoadBytes(cut, 800, 575);
    ASSERT_TRUE(whole);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->header.biWidth, 200);
    EXPECT_EQ(dib->header.biHeight, 120);
    // The top rows were in the file and come out as in the whole file.
    for (int x = 0; x < 200; x += 13) EXPECT_EQ(PixelAt(dib.get(), x, 0), PixelAt(whole.get(), x, 0)) << x;
}

TEST_F(LoadJpegTest, LeavesTheStreamOpenAtWhateverOutcome)
{
    for (const std::vector<uint8_t> &bytes : {EncodeJpeg(MakeCornerPicture(8, 8)), std::vector<uint8_t>{'x'}}) {
        TempFolder folder;
        folder.AddFile("a.jpg", bytes);
        FILE *stream = OpenForReading(folder.Join("a.jpg"));
        ASSERT_NE(stream, nullptr);
        DibPtr dib(LoadJpeg(stream, 800, 575));
        EXPECT_EQ(std::fseek(stream, 0, SEEK_SET), 0);  // still a usable stream
        EXPECT_EQ(std::fgetc(stream), bytes[0]);
        std::fclose(stream);
    }
}

}  // namespace
