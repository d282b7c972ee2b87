// Reads the Orientation tag of IFD0 from a saved "Exif" APP1 marker.
//
// Every read goes through ReadU16/ReadU32, which check the position against
// the payload length first; any structure that does not fit gives 0, the
// "no orientation" answer, and the picture is then shown as stored.
#include "image/exif_orientation.h"

#include <stdint.h>
#include <string.h>

namespace {

// The two TIFF byte orders, named by the order in which the bytes of
// 0x01020304 are stored.
enum ByteOrder { LittleEndian = 1234, BigEndian = 4321 };

constexpr size_t SignatureBytes = 6;     // "Exif" 00 00
constexpr size_t MinimumPayload = 32;    // shorter blocks are not looked at
constexpr size_t LastHeaderOffset = 15;  // the TIFF header may start at 0..15
constexpr size_t EntryBytes = 12;
constexpr unsigned OrientationTag = 0x0112;
constexpr unsigned ShortType = 3;

struct Payload {
    const unsigned char *data;
    size_t length;
    ByteOrder order;
};

// False when the `width` bytes at `offset` are not all inside the payload.
// The sum is formed only after checking that it cannot pass the length.
bool Fits(const Payload &p, uint64_t offset, size_t width)
{
    return offset <= p.length && width <= p.length - offset;
}

bool ReadU16(const Payload &p, uint64_t offset, unsigned *value)
{
    if (!Fits(p, offset, 2)) return false;
    const unsigned char *b = p.data + offset;
    *value = p.order == BigEndian ? (b[0] << 8) | b[1] : (b[1] << 8) | b[0];
    return true;
}

bool ReadU32(const Payload &p, uint64_t offset, uint32_t *value)
{
    unsigned high, low;
    bool big = p.order == BigEndian;
    if (!ReadU16(p, offset + (big ? 0 : 2), &high) || !ReadU16(p, offset + (big ? 2 : 0), &low))
        return false;
    *value = (uint32_t(high) << 16) | low;
    return true;
}

bool HasExifSignature(const unsigned char *data, size_t length)
{
    return length >= SignatureBytes && memcmp(data, "Exif\0\0", SignatureBytes) == 0;
}

// The first offset 0..15 holding "II*\0" or "MM\0*"; sets the byte order.
bool FindTiffHeader(Payload *p, size_t *headerOffset)
{
    static const unsigned char little[4] = {0x49, 0x49, 0x2A, 0x00};
    static const unsigned char big[4] = {0x4D, 0x4D, 0x00, 0x2A};
    for (size_t b = 0; b <= LastHeaderOffset && b + 4 <= p->length; ++b) {
        bool isLittle = memcmp(p->data + b, little, 4) == 0;
        if (isLittle || memcmp(p->data + b, big, 4) == 0) {
            p->order = isLittle ? LittleEndian : BigEndian;
            *headerOffset = b;
            return true;
        }
    }
    return false;
}

// The value of the first Orientation entry of the directory at `ifd`, or 0.
int ReadOrientationEntry(const Payload &p, uint64_t ifd)
{
    unsigned count;
    if (!ReadU16(p, ifd, &count) || count == 0) return 0;
    if (!Fits(p, ifd + 2, size_t(count) * EntryBytes)) return 0;
    for (unsigned k = 0; k < count; ++k) {
        uint64_t entry = ifd + 2 + uint64_t(k) * EntryBytes;
        unsigned tag, type, value;
        uint32_t valueCount;
        if (!ReadU16(p, entry, &tag)) return 0;
        if (tag != OrientationTag) continue;
        // Only the first Orientation entry counts, well-formed or not.
        if (!ReadU16(p, entry + 2, &type) || !ReadU32(p, entry + 4, &valueCount)) return 0;
        if (type != ShortType || valueCount != 1 || !ReadU16(p, entry + 8, &value)) return 0;
        return value <= 8 ? int(value) : 0;
    }
    return 0;
}

}  // namespace

int ReadExifOrientationFromPayload(const unsigned char *data, size_t length)
{
    if (!data || length < MinimumPayload || !HasExifSignature(data, length)) return 0;
    Payload p = {data, length, LittleEndian};
    size_t header;
    uint32_t ifdOffset;
    if (!FindTiffHeader(&p, &header) || !ReadU32(p, header + 4, &ifdOffset)) return 0;
    // 64-bit sum: an offset near 2^32 lands far past the payload, not back inside it.
    return ReadOrientationEntry(p, uint64_t(header) + ifdOffset);
}

int ReadExifOrientation(j_decompress_ptr decompressor)
{
    // The last marker with the signature decides, even when it turns out unusable.
    const jpeg_marker_struct *chosen = nullptr;
    for (jpeg_saved_marker_ptr m = decompressor->marker_list; m; m = m->next) {
        if (m->marker == JPEG_APP0 + 1 && HasExifSignature(m->data, m->data_length)) chosen = m;
    }
    if (!chosen) return 0;
    return ReadExifOrientationFromPayload(chosen->data, chosen->data_length);
}
