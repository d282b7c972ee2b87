// The program's dialog templates as data. The same description builds the
// Windows resource script (resources/kovlo.rc) and the layer's dialogs, so the
// two cannot drift.
#pragma once

struct DialogControlTemplate {
    const char *className;  // "STATIC", "EDIT", "BUTTON"
    const char *text;       // code page 932
    int id;                 // -1 for a static text that is never addressed
    unsigned long style;
    int x, y, width, height;  // dialog units
};

struct DialogTemplate {
    const char *name;       // resource name, e.g. "MYEXT"
    const char *caption;    // code page 932
    unsigned long style;
    int x, y, width, height;  // dialog units
    int pointSize;
    const char *faceName;   // code page 932
    const DialogControlTemplate *controls;
    int controlCount;
};

// The template with that resource name, or none.
const DialogTemplate *FindDialogTemplate(const char *name);

// Every template, for tools that write them out (the resource script).
int DialogTemplateCount();
const DialogTemplate *DialogTemplateAt(int index);
