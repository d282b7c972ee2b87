#include "resources/resource_script.h"

#include <cstdio>
#include <initializer_list>

#include "resources/dialog_templates.h"

static std::string Quoted(const char *text)
{
    std::string out = "\"";
    for (const char *p = text; *p != 0; ++p)
        out += *p == '"' ? std::string("\"\"") : std::string(1, *p);
    return out + "\"";
}

static std::string Numbers(std::initializer_list<long> values)
{
    std::string out;
    for (long value : values)
        out += (out.empty() ? "" : ", ") + std::to_string(value);
    return out;
}

static std::string Hex(unsigned long value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", value);
    return text;
}

static std::string ControlLine(const DialogControlTemplate &control)
{
    return "    CONTROL " + Quoted(control.text) + ", " + std::to_string(control.id) + ", " +
           Quoted(control.className) + ", " + Hex(control.style) + ", " +
           Numbers({control.x, control.y, control.width, control.height}) + "\n";
}

static std::string DialogBlock(const DialogTemplate &dialog)
{
    std::string out = std::string(dialog.name) + " DIALOG " +
                      Numbers({dialog.x, dialog.y, dialog.width, dialog.height}) + "\n";
    out += "STYLE " + Hex(dialog.style) + "\n";
    out += "CAPTION " + Quoted(dialog.caption) + "\n";
    out += "FONT " + std::to_string(dialog.pointSize) + ", " + Quoted(dialog.faceName) + "\n";
    out += "BEGIN\n";
    for (int i = 0; i < dialog.controlCount; ++i)
        out += ControlLine(dialog.controls[i]);
    return out + "END\n";
}

// The texts of the version resource that Explorer's Properties show, in one
// Japanese block (language 0x0411, UTF-16 texts). The version's numbers and
// text are macros of kovlo_version.h, which the Windows build writes from the
// project's version.
struct VersionText {
    const char *name;
    const char *value;  // a quoted code page 932 text, or a macro
};

static const VersionText kVersionTexts[] = {
    {"CompanyName", "\"the Kovlo developers\""},
    // "Kovlo - JPEG 画像ビューア"
    {"FileDescription", "\"Kovlo - JPEG \x89\xe6\x91\x9c\x83r\x83\x85\x81[\x83" "A\""},
    {"FileVersion", "KOVLO_VERSION_TEXT"},
    {"InternalName", "\"kovlo\""},
    {"LegalCopyright", "\"Copyright (c) 2026 the Kovlo developers\""},
    {"OriginalFilename", "\"kovlo.exe\""},
    {"ProductName", "\"Kovlo\""},
    {"ProductVersion", "KOVLO_VERSION_TEXT"},
};

static std::string VersionBlock()
{
    const char *numbers = "KOVLO_VERSION_MAJOR, KOVLO_VERSION_MINOR, KOVLO_VERSION_PATCH, 0\n";
    // VOS_NT_WINDOWS32 (0x40004), VFT_APP (1)
    std::string out = std::string("1 VERSIONINFO\nFILEVERSION ") + numbers +
                      "PRODUCTVERSION " + numbers +
                      "FILEFLAGSMASK 0x3F\nFILEFLAGS 0\nFILEOS 0x40004\nFILETYPE 1\nFILESUBTYPE 0\n"
                      "BEGIN\n    BLOCK \"StringFileInfo\"\n    BEGIN\n        BLOCK \"041104B0\"\n"
                      "        BEGIN\n";
    for (const VersionText &text : kVersionTexts)
        out += "            VALUE \"" + std::string(text.name) + "\", " + text.value + "\n";
    return out + "        END\n    END\n    BLOCK \"VarFileInfo\"\n    BEGIN\n"
                 "        VALUE \"Translation\", 0x0411, 1200\n    END\nEND\n";
}

std::string ResourceScript()
{
    std::string out =
        "// Written by kovlo_rc from resources/dialog_templates.cpp and\n"
        "// resources/resource_script.cpp: edit those, then run kovlo_rc\n"
        "// resources/kovlo.rc. Texts are code page 932 bytes.\n"
        "#pragma code_page(932)\n"
        "#include \"kovlo_version.h\"\n\n"
        "MYICON ICON \"kovlo.ico\"\n\n"
        "// The manifest (CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST).\n"
        "1 24 \"kovlo.manifest\"\n";
    for (int i = 0; i < DialogTemplateCount(); ++i)
        out += "\n" + DialogBlock(*DialogTemplateAt(i));
    return out + "\n" + VersionBlock();
}
