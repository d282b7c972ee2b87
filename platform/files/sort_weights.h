// Windows' sort weights of code page 932 characters in the Japanese locale,
// recorded from the keys LCMapStringA makes (tools/sort_weights/record.sh
// writes sort_weights_table.cpp). Each character has four raw weights, packed
// into one word: script << 24 | primary << 16 | diacritic << 8 | case.
#pragma once

#include <stdint.h>

namespace sort_weights {

// What a character's script says about how its weights enter a key.
enum Script : uint8_t {
    kUnsortable = 0,
    kNonspaceMark = 1,   // adds its diacritic to the character before it
    kExpansion = 2,      // stands for several characters: primary is the expansion's index
    kKana = 3,           // kana and the marks that repeat the kana before them
    kPunctuation = 6,    // hyphens, apostrophes: set aside by the word sort
    kKanaInKey = 34,     // the script a kana shows in a key
    kPrivateFirst = 169, // private-use characters: three bytes of primary weight
    kPrivateLast = 175,
};

// The case weight's bits.
enum CaseBits : uint8_t {
    kFullWidth = 0x01,
    kFullSize = 0x02,    // kana: not a small one
    kSubscript = 0x08,
    kUpper = 0x10,
    kKatakana = 0x20,    // kana: the type bit, set for hiragana
};

// A lead byte followed by a byte that cannot follow it, or by nothing.
extern const uint32_t kInvalidDoubleByte;
// By byte; a lead byte's entry is kInvalidDoubleByte.
extern const uint32_t kSingleByte[256];
// By lead byte (81-9f, e0-fc) and trail byte (40-7e, 80-fc), in that order.
extern const uint32_t kDoubleByte[60 * 188];
// Expansion i: its units begin at kExpansionUnits[kExpansions[i] >> 8] and
// there are kExpansions[i] & 0xff of them.
extern const uint16_t kExpansions[];
extern const uint32_t kExpansionUnits[];

}  // namespace sort_weights
