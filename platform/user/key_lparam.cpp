// The lParam of the keyboard messages, filled as Windows fills it: the repeat
// count (bits 0-15), the scan code a US keyboard sends for the key (16-23),
// the extended-key flag (24), the previous key state (30: the key was already
// down) and the transition state (31: set when the key is released).
#include "platform/user/window_record.h"

namespace {

struct ScanCode {
    UINT virtualKey;
    UINT code;
    bool extended;  // one of the keys the keyboard prefixes with 0xE0
};

const ScanCode kNamedKeys[] = {
    {VK_BACK, 0x0E, false},  {VK_TAB, 0x0F, false},    {VK_RETURN, 0x1C, false},
    {VK_SHIFT, 0x2A, false}, {VK_CONTROL, 0x1D, false}, {VK_ESCAPE, 0x01, false},
    {VK_SPACE, 0x39, false}, {VK_LEFT, 0x4B, true},     {VK_UP, 0x48, true},
    {VK_RIGHT, 0x4D, true},  {VK_DOWN, 0x50, true},
};

// Scan codes of the letters A-Z, where they sit on a QWERTY keyboard.
const UINT kLetterCodes[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                               0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                               0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};

ScanCode ScanCodeOf(UINT virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z') return {virtualKey, kLetterCodes[virtualKey - 'A'], false};
    if (virtualKey >= '1' && virtualKey <= '9') return {virtualKey, 0x02 + (virtualKey - '1'), false};
    if (virtualKey == '0') return {virtualKey, 0x0B, false};
    for (const ScanCode &entry : kNamedKeys) {
        if (entry.virtualKey == virtualKey) return entry;
    }
    return {virtualKey, 0, false};
}

constexpr DWORD kExtendedKey = 1u << 24;
constexpr DWORD kReleased = 1u << 31;

LPARAM KeyLParam(UINT virtualKey, DWORD flags)
{
    ScanCode scan = ScanCodeOf(virtualKey);
    DWORD value = 1 | (scan.code << 16) | (scan.extended ? kExtendedKey : 0) | flags;
    return static_cast<LPARAM>(value);
}

}  // namespace

namespace layer_internal {

LPARAM KeyDownLParam(UINT virtualKey, bool wasDown)
{
    return KeyLParam(virtualKey, wasDown ? kKeyWasDown : 0);
}

LPARAM KeyUpLParam(UINT virtualKey)
{
    return KeyLParam(virtualKey, kKeyWasDown | kReleased);
}

}  // namespace layer_internal
