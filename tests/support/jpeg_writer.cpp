#include "tests/support/jpeg_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

RawPicture MakePicture(int width, int height, int components)
{
    RawPicture picture;
    picture.width = width;
    picture.height = height;
    picture.components = components;
    picture.samples.assign(size_t(width) * height * components, 0);
    return picture;
}

RawPicture MakeCornerPicture(int width, int height)
{
    static const uint8_t kColours[4][3] = {
        {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    RawPicture picture = MakePicture(width, height, 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int quadrant = (y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0);
            for (int c = 0; c < 3; ++c) picture.At(x, y)[c] = kColours[quadrant][c];
        }
    }
    return picture;
}

RawPicture MakePhotoPicture(int width, int height, int components, unsigned seed)
{
    RawPicture picture = MakePicture(width, height, components);
    uint32_t state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < components; ++c) {
                state = state * 1664525u + 1013904223u;       // LCG noise
                int noise = int(state >> 28) - 8;              // -8..7
                double fx = double(x) / width, fy = double(y) / height;
                double base = 128 + 90 * std::sin(6.0 * fx + 2.0 * c) * std::cos(4.0 * fy - c);
                int v = int(base) + noise;
                picture.At(x, y)[c] = uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
            }
        }
    }
    return picture;
}

static J_COLOR_SPACE ColourSpaceFor(int components)
{
    switch (components) {
    case 1: return JCS_GRAYSCALE;
    case 3: return JCS_RGB;
    case 4: return JCS_CMYK;
    case 2: return JCS_UNKNOWN;
    }
    throw std::invalid_argument("components must be 1 to 4");
}

// The library's scan records for a script; they must outlive the compression.
static std::vector<jpeg_scan_info> ScanRecords(const std::vector<JpegScan> &scans)
{
    std::vector<jpeg_scan_info> records(scans.size());
    for (size_t i = 0; i < scans.size(); ++i) {
        const JpegScan &scan = scans[i];
        if (scan.components.empty() || scan.components.size() > MAX_COMPS_IN_SCAN)
            throw std::invalid_argument("a scan holds 1 to 4 components");
        records[i].comps_in_scan = int(scan.components.size());
        for (size_t c = 0; c < scan.components.size(); ++c) records[i].component_index[c] = scan.components[c];
        records[i].Ss = scan.ss;
        records[i].Se = scan.se;
        records[i].Ah = scan.ah;
        records[i].Al = scan.al;
    }
    return records;
}

std::vector<uint8_t> EncodeJpeg(const RawPicture &picture, const JpegOptions &options)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);

    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = picture.width;
    cinfo.image_height = picture.height;
    cinfo.input_components = picture.components;
    cinfo.in_color_space = ColourSpaceFor(picture.components);
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (picture.components == 4) {
        // Stored as plain CMYK; the Adobe marker the library writes makes
        // readers treat the samples as inverted, as Photoshop files are.
        jpeg_set_colorspace(&cinfo, options.ycck ? JCS_YCCK : JCS_CMYK);
        cinfo.write_Adobe_marker = options.adobeCmyk || options.ycck ? TRUE : FALSE;
    }
    if (picture.components == 3) {
        int h = options.subsample420 ? 2 : 1;
        cinfo.comp_info[0].h_samp_factor = h;
        cinfo.comp_info[0].v_samp_factor = h;
    }
    if (options.progressive) jpeg_simple_progression(&cinfo);
    std::vector<jpeg_scan_info> scanRecords = ScanRecords(options.scans);
    if (!scanRecords.empty()) {
        cinfo.scan_info = scanRecords.data();
        cinfo.num_scans = int(scanRecords.size());
    }
    cinfo.arith_code = options.arithmetic ? TRUE : FALSE;

    jpeg_start_compress(&cinfo, TRUE);
    for (const auto &payload : options.app1Payloads)
        jpeg_write_marker(&cinfo, JPEG_APP0 + 1, payload.data(), unsigned(payload.size()));
    size_t rowBytes = size_t(picture.width) * picture.components;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&picture.samples[cinfo.next_scanline * rowBytes]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    std::vector<uint8_t> bytes(buffer, buffer + size);
    free(buffer);
    return bytes;
}

static void Put16(std::vector<uint8_t> &out, unsigned v, bool bigEndian)
{
    if (bigEndian) {
        out.push_back(uint8_t(v >> 8));
        out.push_back(uint8_t(v));
    } else {
        out.push_back(uint8_t(v));
        out.push_back(uint8_t(v >> 8));
    }
}

static void Put32(std::vector<uint8_t> &out, uint32_t v, bool bigEndian)
{
    Put16(out, bigEndian ? v >> 16 : v & 0xFFFF, bigEndian);
    Put16(out, bigEndian ? v & 0xFFFF : v >> 16, bigEndian);
}

std::vector<uint8_t> ExifOrientationPayload(int orientation, bool bigEndian)
{
    std::vector<uint8_t> out = {'E', 'x', 'i', 'f', 0, 0};
    if (bigEndian) {
        out.insert(out.end(), {0x4D, 0x4D});
    } else {
        out.insert(out.end(), {0x49, 0x49});
    }
    Put16(out, 42, bigEndian);
    Put32(out, 8, bigEndian);           // IFD0 right behind the header
    Put16(out, 1, bigEndian);           // one entry
    Put16(out, 0x0112, bigEndian);      // Orientation
    Put16(out, 3, bigEndian);           // SHORT
    Put32(out, 1, bigEndian);           // count 1
    Put16(out, unsigned(orientation), bigEndian);
    Put16(out, 0, bigEndian);           // rest of the value field
    Put32(out, 0, bigEndian);           // no next directory
    return out;
}

void WriteBytes(const std::string &path, const std::vector<uint8_t> &bytes)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::vector<uint8_t> ReadBytes(const std::string &path)
{
    std::vector<uint8_t> bytes;
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f) throw std::runtime_error("cannot read " + path);
    unsigned char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(f);
    return bytes;
}

FILE *OpenForReading(const std::string &path)
{
    return std::fopen(path.c_str(), "rb");
}

// Bit planes per coefficient that the compressor accepts for 8-bit samples.
constexpr int kMaxPlanes = 11;

std::vector<JpegScan> ManyScanScript(int components, int count)
{
    int slots = components * 64;
    if (count < slots || count > slots * kMaxPlanes)
        throw std::invalid_argument("scan count out of range for this script");
    std::vector<int> planes(slots, count / slots);
    for (int i = 0; i < count % slots; ++i) ++planes[i];
    // Round r sends plane r of every coefficient that has one, highest bits
    // first, and each component's DC before its AC coefficients.
    std::vector<JpegScan> scans;
    for (int round = 0; round < kMaxPlanes; ++round) {
        for (int slot = 0; slot < slots; ++slot) {
            int p = planes[slot];
            if (round >= p) continue;
            JpegScan scan;
            scan.components = {slot / 64};
            scan.ss = scan.se = slot % 64;
            scan.ah = round == 0 ? 0 : p - round;
            scan.al = p - 1 - round;
            scans.push_back(scan);
        }
    }
    return scans;
}

static bool IsStandalone(uint8_t marker)
{
    return marker == 0xD8 || marker == 0xD9 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

// End of the entropy-coded data that starts at `pos`: the next 0xFF that is
// neither stuffing (FF 00) nor a restart marker.
static size_t EndOfScanData(const std::vector<uint8_t> &jpeg, size_t pos)
{
    for (; pos + 1 < jpeg.size(); ++pos) {
        if (jpeg[pos] != 0xFF) continue;
        uint8_t next = jpeg[pos + 1];
        if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7)) return pos;
    }
    return jpeg.size();
}

std::vector<JpegSegment> ListSegments(const std::vector<uint8_t> &jpeg)
{
    std::vector<JpegSegment> segments;
    size_t pos = 0;
    while (pos + 1 < jpeg.size() && jpeg[pos] == 0xFF) {
        JpegSegment segment;
        segment.offset = pos;
        segment.marker = jpeg[pos + 1];
        size_t end = pos + 2;
        if (!IsStandalone(segment.marker) && end + 2 <= jpeg.size()) end += (jpeg[pos + 2] << 8) | jpeg[pos + 3];
        if (segment.marker == 0xDA) end = EndOfScanData(jpeg, end);
        segment.size = std::min(end, jpeg.size()) - pos;
        segments.push_back(segment);
        if (segment.marker == 0xD9) break;
        pos += segment.size;
    }
    return segments;
}

JpegSegment FindSegment(const std::vector<uint8_t> &jpeg, uint8_t marker)
{
    for (const JpegSegment &segment : ListSegments(jpeg))
        if (segment.marker == marker) return segment;
    throw std::runtime_error("no such marker segment");
}

static JpegSegment FindFrame(const std::vector<uint8_t> &jpeg)
{
    for (const JpegSegment &segment : ListSegments(jpeg)) {
        uint8_t m = segment.marker;
        if (m == 0xC0 || m == 0xC1 || m == 0xC2 || m == 0xC9 || m == 0xCA) return segment;
    }
    throw std::runtime_error("no frame header");
}

// Frame header: FF Cn, length (2), precision (1), height (2), width (2), ...
std::vector<uint8_t> WithFrameSize(std::vector<uint8_t> jpeg, int width, int height)
{
    size_t at = FindFrame(jpeg).offset;
    jpeg[at + 5] = uint8_t(height >> 8);
    jpeg[at + 6] = uint8_t(height);
    jpeg[at + 7] = uint8_t(width >> 8);
    jpeg[at + 8] = uint8_t(width);
    return jpeg;
}

std::vector<uint8_t> WithFramePrecision(std::vector<uint8_t> jpeg, int bits)
{
    jpeg[FindFrame(jpeg).offset + 4] = uint8_t(bits);
    return jpeg;
}

std::vector<uint8_t> WithDuplicateFrame(const std::vector<uint8_t> &jpeg)
{
    JpegSegment frame = FindFrame(jpeg);
    std::vector<uint8_t> out(jpeg.begin(), jpeg.begin() + frame.offset + frame.size);
    out.insert(out.end(), jpeg.begin() + frame.offset, jpeg.end());
    return out;
}

std::vector<uint8_t> Truncated(const std::vector<uint8_t> &jpeg, size_t count)
{
    return std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + std::min(count, jpeg.size()));
}

size_t MiddleOfFirstScan(const std::vector<uint8_t> &jpeg)
{
    JpegSegment scan = FindSegment(jpeg, 0xDA);
    size_t header = 2 + ((jpeg[scan.offset + 2] << 8) | jpeg[scan.offset + 3]);
    return scan.offset + header + (scan.size - header) / 2;
}

// ---------------------------------------------------------------------------
// The hostile-file catalogue.

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Text(const char *text)
{
    return Bytes(text, text + std::char_traits<char>::length(text));
}

Bytes Baseline(int width, int height)
{
    JpegOptions options;
    options.subsample420 = true;
    options.quality = 90;
    return EncodeJpeg(MakePhotoPicture(width, height, 3, 7), options);
}

Bytes Progressive(int width, int height)
{
    JpegOptions options;
    options.subsample420 = true;
    options.quality = 90;
    options.progressive = true;
    return EncodeJpeg(MakePhotoPicture(width, height, 3, 7), options);
}

Bytes WithScans(int components, int scans)
{
    JpegOptions options;
    options.scans = ManyScanScript(components, scans);
    return EncodeJpeg(MakePhotoPicture(16, 16, components, 3), options);
}

Bytes WithExif(std::vector<Bytes> payloads)
{
    JpegOptions options;
    options.app1Payloads = std::move(payloads);
    return EncodeJpeg(MakeCornerPicture(40, 30), options);
}

// Offset of the first byte of the first scan's entropy-coded data.
size_t StartOfScanData(const Bytes &jpeg)
{
    JpegSegment scan = FindSegment(jpeg, 0xDA);
    return scan.offset + 2 + ((jpeg[scan.offset + 2] << 8) | jpeg[scan.offset + 3]);
}

// Entropy-coded bytes of the first scan changed without making markers.
Bytes WithScrambledScan(Bytes jpeg)
{
    JpegSegment scan = FindSegment(jpeg, 0xDA);
    for (size_t i = StartOfScanData(jpeg); i < scan.offset + scan.size; i += 7)
        if (jpeg[i] != 0xFF && jpeg[i] != 0x00 && jpeg[i] != 0xFE) jpeg[i] ^= 0x5A;
    return jpeg;
}

// DHT: FF C4, length, class/id, 16 counts. Counts summing past 256 values.
Bytes WithBogusHuffmanCounts(Bytes jpeg)
{
    size_t at = FindSegment(jpeg, 0xC4).offset;
    for (int i = 0; i < 16; ++i) jpeg[at + 5 + i] = 0xFF;
    return jpeg;
}

// DQT: FF DB, length, precision/table number. Table numbers run 0..3.
Bytes WithBadQuantTableNumber(Bytes jpeg)
{
    jpeg[FindSegment(jpeg, 0xDB).offset + 4] = 0x07;
    return jpeg;
}

// SOS: FF DA, length, component count, then id/tables pairs.
Bytes WithUnknownScanComponent(Bytes jpeg)
{
    jpeg[FindSegment(jpeg, 0xDA).offset + 5] = 0x77;
    return jpeg;
}

// The 4-byte IFD0 offset of ExifOrientationPayload sits at bytes 10..13.
Bytes WithIfdOffset(uint32_t offset)
{
    Bytes payload = ExifOrientationPayload(6, true);
    for (int i = 0; i < 4; ++i) payload[10 + i] = uint8_t(offset >> (24 - 8 * i));
    return payload;
}

void AddNotJpeg(std::vector<HostileFile> &files)
{
    files.push_back({"zero bytes", {}, 0, 0});
    files.push_back({"text", Text("These are not the pictures you are looking for.\n"), 0, 0});
    files.push_back({"PNG", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                             0, 0, 0, 1, 0, 0, 0, 1, 8, 2, 0, 0, 0, 0x90, 0x77, 0x53, 0xDE}, 0, 0});
    files.push_back({"SOI only", {0xFF, 0xD8}, 0, 0});
    files.push_back({"SOI then EOI", {0xFF, 0xD8, 0xFF, 0xD9}, 0, 0});
    files.push_back({"SOI then text", Text("\xFF\xD8 and nothing of a picture"), 0, 0});
}

void AddTruncations(std::vector<HostileFile> &files)
{
    Bytes base = Baseline(64, 48);
    size_t data = StartOfScanData(base);
    files.push_back({"baseline cut after SOI", Truncated(base, 2), 0, 0});
    files.push_back({"baseline cut in the frame header", Truncated(base, FindSegment(base, 0xC0).offset + 6), 0, 0});
    files.push_back({"baseline cut before the scan", Truncated(base, FindSegment(base, 0xDA).offset), 0, 0});
    files.push_back({"baseline cut at the start of the scan data", Truncated(base, data), 64, 48});
    files.push_back({"baseline cut mid-scan", Truncated(base, MiddleOfFirstScan(base)), 64, 48});
    files.push_back({"baseline cut before EOI", Truncated(base, base.size() - 2), 64, 48});
    Bytes progressive = Progressive(64, 48);
    std::vector<JpegSegment> segments = ListSegments(progressive);
    std::vector<size_t> scans;
    for (const JpegSegment &s : segments)
        if (s.marker == 0xDA) scans.push_back(s.offset);
    files.push_back({"progressive cut before the first scan", Truncated(progressive, scans.front()), 0, 0});
    files.push_back({"progressive cut mid first scan", Truncated(progressive, MiddleOfFirstScan(progressive)), 64, 48});
    files.push_back({"progressive cut at the third scan", Truncated(progressive, scans.at(2)), 64, 48});
    files.push_back({"progressive cut in the last scan", Truncated(progressive, scans.back() + 20), 64, 48});
}

void AddCorruptStructure(std::vector<HostileFile> &files)
{
    Bytes base = Baseline(64, 48);
    files.push_back({"Huffman counts past 256 values", WithBogusHuffmanCounts(base), 0, 0});
    files.push_back({"quantisation table number 7", WithBadQuantTableNumber(base), 0, 0});
    files.push_back({"scan names a component the frame lacks", WithUnknownScanComponent(base), 0, 0});
    files.push_back({"scrambled baseline scan data", WithScrambledScan(base), 64, 48});
    files.push_back({"scrambled progressive scan data", WithScrambledScan(Progressive(64, 48)), 64, 48});
    files.push_back({"two frame headers", WithDuplicateFrame(base), 0, 0});
    files.push_back({"12-bit samples", WithFramePrecision(base, 12), 0, 0});
    files.push_back({"two components", EncodeJpeg(MakePhotoPicture(16, 16, 2, 1)), 0, 0});
}

void AddHugeDeclarations(std::vector<HostileFile> &files)
{
    files.push_back({"65500x65500 baseline in a tiny file", WithFrameSize(Baseline(16, 16), 65500, 65500), 0, 0});
    files.push_back({"65500x65500 progressive in a tiny file", WithFrameSize(Progressive(16, 16), 65500, 65500), 0, 0});
    // Under the pixel limit, but its coefficients need 1.5 GiB.
    JpegOptions full;
    full.progressive = true;
    Bytes progressive444 = EncodeJpeg(MakePhotoPicture(16, 16, 3, 2), full);
    files.push_back({"16384x16384 progressive 4:4:4 in a tiny file",
                     WithFrameSize(progressive444, 16384, 16384), 0, 0});
    files.push_back({"100 scans", WithScans(1, 100), 16, 16});
    files.push_back({"101 scans", WithScans(1, 101), 0, 0});
    files.push_back({"2112 scans", WithScans(3, 2112), 0, 0});
}

void AddHostileExif(std::vector<HostileFile> &files)
{
    // Big-endian IFD0 of two entries and no next-directory link: 40 bytes.
    Bytes entriesAtEnd = {'E', 'x', 'i', 'f', 0, 0, 0x4D, 0x4D, 0x00, 0x2A, 0, 0, 0, 8, 0, 2,
                          0x01, 0x10, 0, 2, 0, 0, 0, 4, 'K', 'v', 'l', 0,   // Model, ASCII, 4
                          0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, 6, 0, 0};        // Orientation 6
    Bytes onePast = entriesAtEnd;
    onePast.pop_back();
    files.push_back({"EXIF offset 0xFFFFFFF8", WithExif({WithIfdOffset(0xFFFFFFF8u)}), 40, 30});
    files.push_back({"EXIF offset 0xFFFFFFFF", WithExif({WithIfdOffset(0xFFFFFFFFu)}), 40, 30});
    files.push_back({"EXIF entries one byte past the end", WithExif({onePast}), 40, 30});
    files.push_back({"EXIF entries ending exactly at the end", WithExif({entriesAtEnd}), 30, 40});
    files.push_back({"two EXIF markers", WithExif({ExifOrientationPayload(6, false), ExifOrientationPayload(3, true)}), 40, 30});
    files.push_back({"two EXIF markers, the second short",
                     WithExif({ExifOrientationPayload(6, false), Bytes{'E', 'x', 'i', 'f', 0, 0, 'M', 'M'}}), 40, 30});
}

}  // namespace

std::vector<HostileFile> HostileJpegFiles()
{
    std::vector<HostileFile> files;
    AddNotJpeg(files);
    AddTruncations(files);
    AddCorruptStructure(files);
    AddHugeDeclarations(files);
    AddHostileExif(files);
    return files;
}
