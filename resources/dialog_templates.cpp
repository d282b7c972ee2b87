// The two dialogs, control by control in tab order. Sizes in dialog units.
#include "resources/dialog_templates.h"

#include <stdint.h>
#include <string.h>

#include "resources/dialog_ids.h"

// WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK | DS_CENTER
constexpr unsigned long kDialogStyle = 0x00C808C4;
// WS_CHILD | WS_VISIBLE | WS_GROUP, with SS_LEFT, SS_CENTER or SS_RIGHT
constexpr unsigned long kStaticLeft = 0x50020000;
constexpr unsigned long kStaticCenter = 0x50020001;
constexpr unsigned long kStaticRight = 0x50020002;
// WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_CENTER (no ES_NUMBER)
constexpr unsigned long kEntry = 0x50810001;
// WS_CHILD | WS_VISIBLE | WS_TABSTOP, with BS_DEFPUSHBUTTON or BS_PUSHBUTTON
constexpr unsigned long kDefaultButton = 0x50010001;
constexpr unsigned long kButton = 0x50010000;
constexpr int kUnaddressed = -1;

// "ＭＳ Ｐゴシック"
constexpr char kFace[] = "\x82l\x82r \x82o\x83S\x83V\x83" "b\x83N";
// "キャンセル"
constexpr char kCancel[] = "\x83L\x83\x83\x83\x93\x83Z\x83\x8b";

static const DialogControlTemplate kIntervalControls[] = {
    // "間隔を指定して下さい："
    {"STATIC",
     "\x8a\xd4\x8au\x82\xf0\x8ew\x92\xe8\x82\xb5\x82\xc4\x89\xba\x82\xb3\x82\xa2\x81" "F",
     kUnaddressed, kStaticCenter, 15, 5, 110, 12},
    {"EDIT", "", kIntervalEntryId, kEntry, 30, 20, 28, 12},
    // "秒毎 (1-999)."
    {"STATIC", "\x95" "b\x96\x88 (1-999).", kUnaddressed, kStaticLeft, 60, 22, 60, 12},
    {"BUTTON", "OK", 1, kDefaultButton, 15, 40, 52, 15},
    {"BUTTON", kCancel, 2, kButton, 73, 40, 52, 15},
};

static const DialogControlTemplate kJumpControls[] = {
    // "ジャンプ先を指定して下さい："
    {"STATIC",
     "\x83W\x83\x83\x83\x93\x83v\x90\xe6\x82\xf0\x8ew\x92\xe8\x82\xb5\x82\xc4\x89\xba\x82\xb3"
     "\x82\xa2\x81" "F",
     kUnaddressed, kStaticCenter, 15, 5, 140, 12},
    {"STATIC", "", kJumpCountLabelId, kStaticRight, 15, 22, 45, 12},
    {"EDIT", "", kJumpEntryId, kEntry, 62, 20, 28, 12},
    // "枚目にジャンプ"
    {"STATIC", "\x96\x87\x96\xda\x82\xc9\x83W\x83\x83\x83\x93\x83v", kUnaddressed, kStaticLeft,
     92, 22, 60, 12},
    {"BUTTON", "OK", 1, kDefaultButton, 30, 40, 52, 15},
    {"BUTTON", kCancel, 2, kButton, 88, 40, 52, 15},
};

static const DialogTemplate kTemplates[] = {
    // "Kovlo: 自動送り"
    {"MYEXT", "Kovlo: \x8e\xa9\x93\xae\x91\x97\x82\xe8", kDialogStyle, 0, 0, 140, 60, 12, kFace,
     kIntervalControls, sizeof kIntervalControls / sizeof kIntervalControls[0]},
    // "Kovlo: 指定画像にジャンプ"
    {"MYEXT2", "Kovlo: \x8ew\x92\xe8\x89\xe6\x91\x9c\x82\xc9\x83W\x83\x83\x83\x93\x83v",
     kDialogStyle, 0, 0, 170, 60, 12, kFace, kJumpControls,
     sizeof kJumpControls / sizeof kJumpControls[0]},
};

constexpr int kTemplateCount = sizeof kTemplates / sizeof kTemplates[0];

int DialogTemplateCount()
{
    return kTemplateCount;
}

const DialogTemplate *DialogTemplateAt(int index)
{
    return index >= 0 && index < kTemplateCount ? &kTemplates[index] : nullptr;
}

const DialogTemplate *FindDialogTemplate(const char *name)
{
    // A numbered resource (below 0x10000, as MAKEINTRESOURCE makes) is no text.
    if (reinterpret_cast<uintptr_t>(name) >> 16 == 0)
        return nullptr;
    for (const DialogTemplate &candidate : kTemplates)
        if (strcmp(candidate.name, name) == 0)
            return &candidate;
    return nullptr;
}
