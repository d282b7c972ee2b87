// The dialog templates, the Windows resource script written from them and the
// program icon.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/text/cp932.h"
#include "resources/dialog_templates.h"
#include "resources/program_icon.h"
#include "resources/resource_script.h"
#include "tests/app/source_paths.h"
#include "tests/support/jpeg_writer.h"

namespace {

struct ControlRow {
    std::string className, utf8Text;
    int id;
    unsigned long style;
    int x, y, width, height;
};

struct DialogRow {
    const char *name;
    std::string utf8Caption;
    int width, height;
    std::vector<ControlRow> controls;
};

const DialogRow kExpected[] = {
    {"MYEXT", u8"Kovlo: 自動送り", 140, 60,
     {{"STATIC", u8"間隔を指定して下さい：", -1, 0x50020001, 15, 5, 110, 12},
      {"EDIT", "", 5000, 0x50810001, 30, 20, 28, 12},
      {"STATIC", u8"秒毎 (1-999).", -1, 0x50020000, 60, 22, 60, 12},
      {"BUTTON", "OK", 1, 0x50010001, 15, 40, 52, 15},
      {"BUTTON", u8"キャンセル", 2, 0x50010000, 73, 40, 52, 15}}},
    {"MYEXT2", u8"Kovlo: 指定画像にジャンプ", 170, 60,
     {{"STATIC", u8"ジャンプ先を指定して下さい：", -1, 0x50020001, 15, 5, 140, 12},
      {"STATIC", "", 7000, 0x50020002, 15, 22, 45, 12},
      {"EDIT", "", 6000, 0x50810001, 62, 20, 28, 12},
      {"STATIC", u8"枚目にジャンプ", -1, 0x50020000, 92, 22, 60, 12},
      {"BUTTON", "OK", 1, 0x50010001, 30, 40, 52, 15},
      {"BUTTON", u8"キャンセル", 2, 0x50010000, 88, 40, 52, 15}}},
};

TEST(DialogTemplatesTest, EachTemplateMatchesItsDescription)
{
    for (const DialogRow &row : kExpected) {
        SCOPED_TRACE(row.name);
        const DialogTemplate *dialog = FindDialogTemplate(row.name);
        ASSERT_NE(nullptr, dialog);
        EXPECT_STREQ(row.name, dialog->name);
        EXPECT_EQ(row.utf8Caption, Cp932ToUtf8(dialog->caption));
        EXPECT_EQ(0x00C808C4ul, dialog->style);
        EXPECT_EQ(0, dialog->x);
        EXPECT_EQ(0, dialog->y);
        EXPECT_EQ(row.width, dialog->width);
        EXPECT_EQ(row.height, dialog->height);
        EXPECT_EQ(12, dialog->pointSize);
        EXPECT_EQ(u8"ＭＳ Ｐゴシック", Cp932ToUtf8(dialog->faceName));
        ASSERT_EQ(static_cast<int>(row.controls.size()), dialog->controlCount);
        for (int i = 0; i < dialog->controlCount; ++i) {
            const DialogControlTemplate &control = dialog->controls[i];
            const ControlRow &want = row.controls[i];
            SCOPED_TRACE(i);
            EXPECT_EQ(want.className, control.className);
            EXPECT_EQ(want.utf8Text, Cp932ToUtf8(control.text));
            EXPECT_EQ(want.id, control.id);
            EXPECT_EQ(want.style, control.style);
            EXPECT_EQ(want.x, control.x);
            EXPECT_EQ(want.y, control.y);
            EXPECT_EQ(want.width, control.width);
            EXPECT_EQ(want.height, control.height);
        }
    }
}

TEST(DialogTemplatesTest, UnknownAndNumberedNamesFindNothing)
{
    EXPECT_EQ(nullptr, FindDialogTemplate("MYEXT3"));
    EXPECT_EQ(nullptr, FindDialogTemplate("myext"));
    EXPECT_EQ(nullptr, FindDialogTemplate(""));
    EXPECT_EQ(nullptr, FindDialogTemplate(reinterpret_cast<const char *>(uintptr_t{101})));
    EXPECT_EQ(2, DialogTemplateCount());
    EXPECT_EQ(nullptr, DialogTemplateAt(2));
    EXPECT_EQ(nullptr, DialogTemplateAt(-1));
}

// The committed script is the one the templates give; rerun kovlo_rc if not.
TEST(ResourceScriptTest, CommittedScriptIsCurrent)
{
    std::vector<uint8_t> committed = ReadBytes(SourceRoot() + "/resources/kovlo.rc");
    std::string script = ResourceScript();
    EXPECT_EQ(script, std::string(committed.begin(), committed.end()));
    EXPECT_NE(std::string::npos, script.find("MYICON ICON \"kovlo.ico\""));
    EXPECT_NE(std::string::npos, script.find("MYEXT2 DIALOG 0, 0, 170, 60"));
}

uint32_t Le(const std::vector<uint8_t> &b, size_t at, int bytes)
{
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | b.at(at + i);
    return value;
}

// The icon built into the program, as icotool made it from the SVG's
// renderings: four 32-bit bitmaps with alpha and a 256-pixel PNG.
TEST(ProgramIconTest, BitmapsOf16To48AndA256PixelPng)
{
    size_t size = 0;
    const unsigned char *bytes = FindIconResource("MYICON", &size);
    ASSERT_NE(bytes, nullptr);
    std::vector<uint8_t> ico(bytes, bytes + size);
    ASSERT_GE(ico.size(), 6u + 5 * 16);
    EXPECT_EQ(0u, Le(ico, 0, 2));  // reserved
    EXPECT_EQ(1u, Le(ico, 2, 2));  // an icon
    ASSERT_EQ(5u, Le(ico, 4, 2));  // images
    const int sides[] = {16, 24, 32, 48, 256};
    for (int i = 0; i < 5; ++i) {
        size_t entry = 6 + 16 * size_t(i);
        EXPECT_EQ(sides[i] % 256, ico[entry]) << i;
        EXPECT_EQ(sides[i] % 256, ico[entry + 1]) << i;
        uint32_t length = Le(ico, entry + 8, 4), offset = Le(ico, entry + 12, 4);
        ASSERT_LE(size_t(offset) + length, ico.size()) << i;
        if (sides[i] == 256) {
            EXPECT_EQ(0x474E5089u, Le(ico, offset, 4));  // "\x89PNG"
            continue;
        }
        EXPECT_EQ(40u, Le(ico, offset, 4)) << i;
        EXPECT_EQ(uint32_t(sides[i]), Le(ico, offset + 4, 4)) << i;
        EXPECT_EQ(32u, Le(ico, offset + 14, 2)) << i;  // blue, green, red and alpha
    }
}

}  // namespace
