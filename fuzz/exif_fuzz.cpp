// The EXIF orientation reader on arbitrary bytes, checked against a plain
// restatement of the directory walk.
//
// Each input is one APP1 payload, copied into a heap block of exactly its
// size so that AddressSanitizer sees a read one byte past the end (the
// library's marker pool would hide it). The same bytes are then also offered
// as the saved-marker list of a decompressor, split at each "Exif" signature
// into several markers, to check that the last one decides.
//
// KOVLO_FUZZ_SEEDS=<folder> ./exif_fuzz writes the seed corpus and exits.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>

#include "fuzz/seeds/image_seeds.h"
#include "fuzz/seeds/seed_files.h"
#include "image/exif_orientation.h"

namespace {

// Reads with every index checked; 64-bit positions cannot wrap.
struct Reader {
    const std::vector<uint8_t> &bytes;
    bool big;

    bool Has(uint64_t at, uint64_t n) const { return at + n <= bytes.size(); }
    unsigned U16(uint64_t at) const
    {
        return big ? bytes[at] << 8 | bytes[at + 1] : bytes[at + 1] << 8 | bytes[at];
    }
    uint64_t U32(uint64_t at) const { return big ? uint64_t(U16(at)) << 16 | U16(at + 2) : uint64_t(U16(at + 2)) << 16 | U16(at); }
};

int Reference(const std::vector<uint8_t> &p)
{
    if (p.size() < 32 || std::memcmp(p.data(), "Exif\0\0", 6) != 0) return 0;
    for (uint64_t b = 0; b <= 15; ++b) {
        bool little = std::memcmp(&p[b], "II*\0", 4) == 0;
        if (!little && std::memcmp(&p[b], "MM\0*", 4) != 0) continue;
        Reader r{p, !little};
        uint64_t ifd = b + r.U32(b + 4);
        if (!r.Has(ifd, 2)) return 0;
        uint64_t n = r.U16(ifd);
        if (n == 0 || !r.Has(ifd + 2, 12 * n)) return 0;
        for (uint64_t e = ifd + 2; e < ifd + 2 + 12 * n; e += 12) {
            if (r.U16(e) != 0x0112) continue;
            if (r.U16(e + 2) != 3 || r.U32(e + 4) != 1) return 0;
            return r.U16(e + 8) <= 8 ? int(r.U16(e + 8)) : 0;
        }
        return 0;
    }
    return 0;
}

int ReadFromExactCopy(const std::vector<uint8_t> &payload)
{
    unsigned char *copy = static_cast<unsigned char *>(std::malloc(payload.size() ? payload.size() : 1));
    if (!payload.empty()) std::memcpy(copy, payload.data(), payload.size());
    int result = ReadExifOrientationFromPayload(copy, payload.size());
    std::free(copy);
    return result;
}

// Pieces of the input, cut before every "Exif" after the first byte.
std::vector<std::vector<uint8_t>> SplitAtSignatures(const uint8_t *data, size_t size)
{
    std::vector<std::vector<uint8_t>> pieces(1);
    for (size_t i = 0; i < size; ++i) {
        if (i > 0 && i + 4 <= size && std::memcmp(data + i, "Exif", 4) == 0) pieces.emplace_back();
        pieces.back().push_back(data[i]);
    }
    return pieces;
}

// The pieces as a saved-marker list, each in its own exactly-sized block;
// the answer must be the reference's for the last piece with a signature.
void CheckMarkerList(const uint8_t *data, size_t size)
{
    std::vector<std::vector<uint8_t>> pieces = SplitAtSignatures(data, size);
    std::vector<jpeg_marker_struct> markers(pieces.size());
    int expected = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
        markers[i].next = i + 1 < pieces.size() ? &markers[i + 1] : nullptr;
        markers[i].marker = JPEG_APP0 + 1;
        markers[i].original_length = markers[i].data_length = unsigned(pieces[i].size());
        markers[i].data = static_cast<JOCTET *>(std::malloc(pieces[i].size() + 1));
        if (!pieces[i].empty()) std::memcpy(markers[i].data, pieces[i].data(), pieces[i].size());
        if (pieces[i].size() >= 6 && std::memcmp(pieces[i].data(), "Exif\0\0", 6) == 0) expected = Reference(pieces[i]);
    }
    jpeg_decompress_struct decompressor;
    std::memset(&decompressor, 0, sizeof decompressor);
    decompressor.marker_list = &markers[0];
    if (ReadExifOrientation(&decompressor) != expected) std::abort();
    for (jpeg_marker_struct &m : markers) std::free(m.data);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    WriteSeedsIfAsked(ExifSeeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 0xFFFF) return 0;  // no APP1 payload is longer
    std::vector<uint8_t> payload(data, data + size);
    int result = ReadFromExactCopy(payload);
    if (result != Reference(payload)) std::abort();
    CheckMarkerList(data, size);
    return 0;
}
