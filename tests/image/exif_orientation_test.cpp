// The EXIF orientation reader over single payloads and over the markers that
// the library saves from a file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <jpeglib.h>

#include "image/exif_orientation.h"
#include "tests/support/jpeg_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Writes a payload field by field in one TIFF byte order.
struct Payload {
    bool big;
    Bytes bytes;

    explicit Payload(bool bigEndian) : big(bigEndian) {}

    Payload &Raw(std::initializer_list<uint8_t> list)
    {
        bytes.insert(bytes.end(), list);
        return *this;
    }
    Payload &U16(unsigned v) { return big ? Raw({uint8_t(v >> 8), uint8_t(v)}) : Raw({uint8_t(v), uint8_t(v >> 8)}); }
    Payload &U32(uint32_t v) { return big ? U16(v >> 16).U16(v & 0xFFFF) : U16(v & 0xFFFF).U16(v >> 16); }
    Payload &Signature() { return Raw({'E', 'x', 'i', 'f', 0, 0}); }
    Payload &TiffHeader() { return big ? Raw({0x4D, 0x4D, 0x00, 0x2A}) : Raw({0x49, 0x49, 0x2A, 0x00}); }
    // Tag, type, count, then a 16-bit value in the first half of the 4-byte value field.
    Payload &Entry(unsigned tag, unsigned type, uint32_t count, unsigned value)
    {
        return U16(tag).U16(type).U32(count).U16(value).U16(0);
    }
    Payload &Pad(size_t total)
    {
        bytes.resize(total, 0);
        return *this;
    }
};

// Signature, header at 6, IFD0 at 8 with `count` entries written by the caller.
Payload Standard(bool big, unsigned count)
{
    Payload p(big);
    p.Signature().TiffHeader().U32(8).U16(count);
    return p;
}

// The reader sees exactly the payload's bytes in their own heap block, so
// AddressSanitizer reports any read past the end.
int ReadFromHeapCopy(const Bytes &payload)
{
    unsigned char *copy = static_cast<unsigned char *>(std::malloc(payload.size() + 1));
    if (!payload.empty()) std::copy(payload.begin(), payload.end(), copy);
    int result = ReadExifOrientationFromPayload(copy, payload.size());
    std::free(copy);
    return result;
}

struct Case {
    const char *what;
    Bytes payload;
    int expected;
};

std::vector<Case> WellFormedCases()
{
    std::vector<Case> cases;
    for (bool big : {false, true}) {
        for (int v = 1; v <= 8; ++v)
            cases.push_back({big ? "big-endian value" : "little-endian value", ExifOrientationPayload(v, big), v});
        cases.push_back({"orientation after other tags, unsorted",
                         Standard(big, 3).Entry(0x010F, 2, 4, 0).Entry(0x0110, 2, 4, 0).Entry(0x0112, 3, 1, 3).U32(0).bytes, 3});
        cases.push_back({"entries end exactly at the end, no next-directory link",
                         Standard(big, 2).Entry(0x010F, 2, 4, 0).Entry(0x0112, 3, 1, 8).bytes, 8});
        cases.push_back({"TIFF header at offset 15",
                         Payload(big).Signature().Raw({1, 2, 3, 4, 5, 6, 7, 8, 9}).TiffHeader().U32(8).U16(1)
                             .Entry(0x0112, 3, 1, 6).bytes, 6});
        cases.push_back({"IFD0 further in, behind filler",
                         Payload(big).Signature().TiffHeader().U32(12).U32(0xDEADBEEF).U16(1).Entry(0x0112, 3, 1, 5).U32(0).bytes, 5});
    }
    // The two 32-byte blocks written out byte by byte.
    cases.push_back({"32-byte big-endian block",
                     {'E', 'x', 'i', 'f', 0, 0, 0x4D, 0x4D, 0x00, 0x2A, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, 6, 0, 0, 0, 0, 0, 0}, 6});
    cases.push_back({"32-byte little-endian block",
                     {'E', 'x', 'i', 'f', 0, 0, 0x49, 0x49, 0x2A, 0, 8, 0, 0, 0, 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0}, 6});
    return cases;
}

TEST(ReadExifOrientationFromPayload, ReadsWellFormedBlocks)
{
    for (const Case &c : WellFormedCases()) EXPECT_EQ(ReadFromHeapCopy(c.payload), c.expected) << c.what;
}

std::vector<Case> MalformedCases()
{
    std::vector<Case> cases;
    Bytes good = ExifOrientationPayload(6, false);
    cases.push_back({"empty", {}, 0});
    cases.push_back({"signature only", {'E', 'x', 'i', 'f', 0, 0}, 0});
    cases.push_back({"31 bytes", Bytes(good.begin(), good.begin() + 31), 0});
    Bytes wrongSignature = good;
    wrongSignature[5] = 1;
    cases.push_back({"signature not followed by two zero bytes", wrongSignature, 0});
    Bytes lowerCase = good;
    lowerCase[0] = 'e';
    cases.push_back({"signature in lower case", lowerCase, 0});
    for (bool big : {false, true}) {
        cases.push_back({"TIFF header at offset 16",
                         Payload(big).Signature().Raw({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}).TiffHeader().U32(8).U16(1)
                             .Entry(0x0112, 3, 1, 6).bytes, 0});
        cases.push_back({"byte-order marks mixed", Payload(big).Signature().Raw({0x49, 0x49, 0x00, 0x2A}).U32(8).U16(1)
                             .Entry(0x0112, 3, 1, 6).U32(0).bytes, 0});
        cases.push_back({"IFD0 offset past the data", Payload(big).Signature().TiffHeader().U32(100).U16(1)
                             .Entry(0x0112, 3, 1, 6).U32(0).bytes, 0});
        // With the header at 6, a 32-bit sum wraps: 0xFFFFFFF8 puts the
        // directory at 2^32 - 2, and its end (+2) back at 0, inside the block.
        for (uint32_t offset : {0xFFFFFFF8u, 0xFFFFFFF9u, 0xFFFFFFFAu, 0xFFFFFFFEu, 0xFFFFFFFFu, 0x80000000u})
            cases.push_back({"IFD0 offset near 2^32", Payload(big).Signature().TiffHeader().U32(offset).U16(1)
                                 .Entry(0x0112, 3, 1, 6).U32(0).bytes, 0});
        Bytes oneShort = Standard(big, 2).Entry(0x010F, 2, 4, 0).Entry(0x0112, 3, 1, 6).bytes;
        oneShort.pop_back();
        cases.push_back({"entries run one byte past the data", oneShort, 0});
        cases.push_back({"two entries declared, one present",
                         Standard(big, 2).Entry(0x0112, 3, 1, 6).Pad(32).bytes, 0});
        cases.push_back({"entry count 0xFFFF", Standard(big, 0xFFFF).Entry(0x0112, 3, 1, 6).U32(0).bytes, 0});
        cases.push_back({"no entries", Standard(big, 0).U32(0).Pad(32).bytes, 0});
        cases.push_back({"IFD0 count field is the last byte", Payload(big).Signature().TiffHeader().U32(25).Pad(32).bytes, 0});
        cases.push_back({"no orientation tag", Standard(big, 1).Entry(0x0110, 3, 1, 6).U32(0).bytes, 0});
        cases.push_back({"orientation of type LONG before a good one",
                         Standard(big, 2).Entry(0x0112, 4, 1, 6).Entry(0x0112, 3, 1, 6).U32(0).bytes, 0});
        cases.push_back({"orientation with count 2 before a good one",
                         Standard(big, 2).Entry(0x0112, 3, 2, 6).Entry(0x0112, 3, 1, 6).U32(0).bytes, 0});
        cases.push_back({"orientation with count 0", Standard(big, 1).Entry(0x0112, 3, 0, 6).U32(0).bytes, 0});
        for (unsigned value : {0u, 9u, 0x100u, 0xFFFFu})
            cases.push_back({"orientation value out of range", Standard(big, 1).Entry(0x0112, 3, 1, value).U32(0).bytes, 0});
    }
    return cases;
}

TEST(ReadExifOrientationFromPayload, MalformedBlocksGiveNoOrientation)
{
    for (const Case &c : MalformedCases()) EXPECT_EQ(ReadFromHeapCopy(c.payload), c.expected) << c.what;
}

TEST(ReadExifOrientationFromPayload, NeverReadsBehindAnyPrefix)
{
    // Every cut of a good block: the reader must stop at each end without a
    // read past it (ASan) and give a value only once the entry is complete.
    Bytes good = Standard(true, 2).Entry(0x0110, 2, 4, 0).Entry(0x0112, 3, 1, 7).U32(0).bytes;
    size_t needed = 6 + 8 + 2 + 24;
    for (size_t length = 0; length <= good.size(); ++length)
        EXPECT_EQ(ReadFromHeapCopy(Bytes(good.begin(), good.begin() + length)), length >= needed ? 7 : 0)
            << "length " << length;
}

// Runs the library over a file's header with APP1 saved, as the loader does.
int OrientationOfFile(const Bytes &jpeg)
{
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), jpeg.size());
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    int orientation = ReadExifOrientation(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return orientation;
}

TEST(ReadExifOrientation, TheLastExifMarkerDecides)
{
    Bytes xmp = {'h', 't', 't', 'p', ':', '/', '/', 'n', 's', '.', 'a', 'd', 'o', 'b', 'e', '.', 'c', 'o', 'm', '/', 0};
    Bytes shortExif = {'E', 'x', 'i', 'f', 0, 0, 0x4D, 0x4D, 0x00, 0x2A, 0, 0, 0, 8};
    Bytes truncatedSignature = {'E', 'x', 'i', 'f', 0};
    struct MarkerCase {
        const char *what;
        std::vector<Bytes> app1;
        int expected;
    };
    const MarkerCase cases[] = {
        {"no APP1 marker", {}, 0},
        {"only another kind of APP1", {xmp}, 0},
        {"one EXIF marker", {ExifOrientationPayload(3, false)}, 3},
        {"two EXIF markers: the second", {ExifOrientationPayload(3, false), ExifOrientationPayload(6, true)}, 6},
        {"a later short EXIF marker hides a good one", {ExifOrientationPayload(6, true), shortExif}, 0},
        {"another APP1 after EXIF does not replace it", {ExifOrientationPayload(8, true), xmp}, 8},
        {"five bytes of signature do not count", {ExifOrientationPayload(8, false), truncatedSignature}, 8},
        {"an unusable last EXIF marker is not passed over",
         {ExifOrientationPayload(6, false), Standard(false, 0).U32(0).Pad(40).bytes}, 0},
    };
    for (const MarkerCase &c : cases) {
        JpegOptions options;
        options.app1Payloads = c.app1;
        EXPECT_EQ(OrientationOfFile(EncodeJpeg(MakeCornerPicture(8, 8), options)), c.expected) << c.what;
    }
}

}  // namespace
