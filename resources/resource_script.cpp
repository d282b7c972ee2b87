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

std::string ResourceScript()
{
    std::string out =
        "// Written by kovlo_rc from resources/dialog_templates.cpp: edit that file,\n"
        "// then run kovlo_rc resources/kovlo.rc. Texts are code page 932 bytes.\n"
        "#pragma code_page(932)\n\n"
        "MYICON ICON \"kovlo.ico\"\n"
        // The application manifest (resource 1 of type 24): per-monitor DPI
        // awareness, so that Windows gives the program device pixels.
        "1 24 \"kovlo.manifest\"\n";
    for (int i = 0; i < DialogTemplateCount(); ++i)
        out += "\n" + DialogBlock(*DialogTemplateAt(i));
    return out;
}
