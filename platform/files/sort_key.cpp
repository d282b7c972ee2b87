#include "platform/files/sort_key.h"

#include <string.h>

#include <vector>

#include "platform/files/sort_weights.h"
#include "platform/text/cp932.h"

namespace {

using namespace sort_weights;

struct Weights {
    uint8_t script, primary, diacritic, casing;
};

Weights Unpack(uint32_t packed)
{
    return {uint8_t(packed >> 24), uint8_t(packed >> 16), uint8_t(packed >> 8), uint8_t(packed)};
}

// The weights of the character at `text[*at]`, advancing `*at` past it. A
// lead byte takes the byte after it whatever that is, as Windows reads it.
uint32_t NextCharacter(const uint8_t *text, size_t length, size_t *at)
{
    uint8_t lead = text[(*at)++];
    if (!IsLeadByteOf932(lead)) return kSingleByte[lead];
    if (*at == length) return kInvalidDoubleByte;
    uint8_t trail = text[(*at)++];
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return kInvalidDoubleByte;
    int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
    return kDoubleByte[row * 188 + trail - (trail < 0x80 ? 0x40 : 0x41)];
}

// One level of a key while it is made, in room the caller sized for the text.
struct Level {
    char *bytes;
    size_t size;

    void Add(int byte) { bytes[size++] = char(byte); }
    bool empty() const { return size == 0; }
};

// The most any one character adds to a level: an expansion's two units of two
// primary bytes; a word-sort mark's four bytes.
const size_t kMostPerCharacter = 4;

// The five levels of a key while it is made.
struct Levels {
    Level primary, diacritic, casing, special;
    Level kana[4];  // size, mark, type, width
    bool hasKana;
    uint8_t caseMask;
};

// A character's weights as most characters enter the key.
void AppendOrdinary(Weights w, Levels *levels)
{
    levels->primary.Add(w.script);
    levels->primary.Add(w.primary);
    if (w.script >= kPrivateFirst && w.script <= kPrivateLast) {
        levels->primary.Add(w.diacritic);  // a third primary byte, no diacritic
    } else {
        levels->diacritic.Add(w.diacritic);
    }
    levels->casing.Add(w.casing);
}

// A kana's four kana weights: `markWeight` is 3 for a kana itself, 4 for an
// iteration mark and 5 for a prolonged sound mark.
void AppendKanaLevels(uint8_t casing, uint8_t markWeight, Levels *levels)
{
    levels->hasKana = true;
    levels->kana[0].Add(0xC4 | (casing & kFullSize));
    levels->kana[1].Add(markWeight);
    levels->kana[2].Add(0xC4 | (casing & kKatakana));
    levels->kana[3].Add(0xC4 | (casing & kFullWidth));
}

// A kana mark (long vowel, iteration) weighs as the character before it:
// the same kana (a long vowel: its vowel's kana), or any other character
// again. Nothing before it, or an expansion, gives it the highest weight.
void AppendKanaMark(const std::vector<Weights> &text, size_t at, Levels *levels)
{
    Weights mark = text[at];
    for (size_t before = at; before-- > 0;) {
        Weights previous = text[before];
        if (previous.script == kUnsortable || previous.script == kNonspaceMark) continue;
        if (previous.script == kExpansion) break;
        if (previous.script != kKana) {
            previous.casing = 2;
            AppendOrdinary(previous, levels);
            return;
        }
        if (previous.primary <= 1) continue;  // another mark: look further back
        uint8_t casing = previous.casing & levels->caseMask;
        uint8_t primary = previous.primary;
        if (mark.primary == 1) {  // prolonged sound: the vowel, in the mark's own width
            primary &= 0x87;
            casing = (casing & ~kFullWidth) | (mark.casing & kFullWidth);
        }
        AppendKanaLevels(casing, 4 + mark.primary, levels);
        AppendOrdinary({kKanaInKey, primary, mark.diacritic, 2}, levels);
        return;
    }
    levels->primary.Add(0xFF);
    levels->primary.Add(0xFF);
}

// A word-sort character: its place (counted in primary weights, later places
// first) and its weights, on the last level.
void AppendWordSortMark(Weights w, Levels *levels)
{
    int16_t place = int16_t(-int(levels->primary.size / 2) - 1);
    levels->special.Add(uint16_t(place) >> 8);
    levels->special.Add(place & 0xFF);
    levels->special.Add(w.primary);
    levels->special.Add(w.casing | w.diacritic << 3);
}

void AppendCharacter(const std::vector<Weights> &text, size_t at, Levels *levels)
{
    Weights w = text[at];
    w.casing &= levels->caseMask;
    switch (w.script) {
    case kUnsortable:
        break;
    case kNonspaceMark:
        if (levels->diacritic.empty()) levels->diacritic.Add(w.diacritic);
        else levels->diacritic.bytes[levels->diacritic.size - 1] += char(w.diacritic);
        break;
    case kExpansion: {
        uint16_t expansion = kExpansions[w.primary];
        for (int i = 0; i < (expansion & 0xFF); ++i) {
            Weights unit = Unpack(kExpansionUnits[(expansion >> 8) + i]);
            unit.casing &= levels->caseMask;
            AppendOrdinary(unit, levels);
        }
        break;
    }
    case kKana:
        if (w.primary <= 1) {
            AppendKanaMark(text, at, levels);
        } else {
            AppendKanaLevels(w.casing, 3, levels);
            AppendOrdinary({kKanaInKey, w.primary, w.diacritic, 2}, levels);
        }
        break;
    case kPunctuation:
        AppendWordSortMark(w, levels);
        break;
    default:
        AppendOrdinary(w, levels);
        break;
    }
}

// Drops the weights at the end of `level` that say nothing: those at or
// below `floor`, or, on a kana level, its usual value.
void TrimLevel(Level *level, int floor, int usual)
{
    while (level->size > 0) {
        uint8_t last = uint8_t(level->bytes[level->size - 1]);
        if (last > floor && last != usual) break;
        --level->size;
    }
}

// Appends `level` and the byte that ends it. An empty level may have no room
// at all (an empty text), which memcpy must not be given.
char *PutLevel(const Level &level, char end, char *out)
{
    if (level.size > 0) memcpy(out, level.bytes, level.size);
    out[level.size] = end;
    return out + level.size + 1;
}

void WriteKey(Levels *levels, std::string *key)
{
    TrimLevel(&levels->diacritic, 2, -1);
    TrimLevel(&levels->casing, 2, -1);
    key->resize(levels->primary.size + levels->diacritic.size + levels->casing.size + levels->special.size +
                levels->kana[0].size + levels->kana[1].size + levels->kana[2].size + levels->kana[3].size + 9);
    char *out = &(*key)[0];
    out = PutLevel(levels->primary, '\x01', out);
    out = PutLevel(levels->diacritic, '\x01', out);
    out = PutLevel(levels->casing, '\x01', out);
    if (levels->hasKana) {
        const int usual[4] = {0xC4 | kFullSize, 3, 0xC4 | kKatakana, 0xC4 | kFullWidth};
        const char ends[4] = {'\xFF', '\x02', '\xFF', '\xFF'};
        for (int i = 0; i < 4; ++i) {
            TrimLevel(&levels->kana[i], -1, usual[i]);
            out = PutLevel(levels->kana[i], ends[i], out);
        }
    }
    *out++ = '\x01';
    out = PutLevel(levels->special, '\0', out);
    key->resize(out - key->data());
}

// Levels with room for `characters` characters in `room`.
Levels EmptyLevels(size_t characters, bool ignoreCase, std::vector<char> *room)
{
    room->resize(8 * kMostPerCharacter * characters);
    Levels levels;
    Level *all[8] = {&levels.primary, &levels.diacritic, &levels.casing, &levels.special,
                     &levels.kana[0], &levels.kana[1], &levels.kana[2], &levels.kana[3]};
    for (int i = 0; i < 8; ++i) *all[i] = {room->data() + i * kMostPerCharacter * characters, 0};
    levels.hasKana = false;
    levels.caseMask = ignoreCase ? 0x3F & ~(kUpper | kSubscript) : 0x3F;
    return levels;
}

}  // namespace

void MakeSortKey(const char *text, size_t length, bool ignoreCase, std::string *key)
{
    thread_local std::vector<Weights> characters;  // kept between calls: no allocation per name
    thread_local std::vector<char> room;
    const uint8_t *bytes = reinterpret_cast<const uint8_t *>(text);
    characters.clear();
    for (size_t at = 0; at < length;) characters.push_back(Unpack(NextCharacter(bytes, length, &at)));

    Levels levels = EmptyLevels(characters.size(), ignoreCase, &room);
    for (size_t i = 0; i < characters.size(); ++i) AppendCharacter(characters, i, &levels);
    WriteKey(&levels, key);
}

int CompareSortKeys(const std::string &a, const std::string &b)
{
    int order = memcmp(a.data(), b.data(), a.size() < b.size() ? a.size() : b.size());
    if (order == 0) order = a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}
