// Laying out a dialog template with GTK widgets: the template's font (the
// system's Japanese proportional gothic where the face is missing), the dialog
// base units measured in that font, and one widget per control.
#pragma once

#include <string>

#include "platform/hosts/gtk/gtk_state.h"
#include "platform/hosts/gtk/translate.h"

struct DialogControlTemplate;

// The pango family list for a template face: the face, then the stand-in.
std::string DialogFontFamilies(const DialogTemplate &dialogTemplate);

// Gives `window` and everything inside it the template's font.
void ApplyDialogFont(GtkWidget *window, const DialogTemplate &dialogTemplate);

// Base units of the template's font as rendered on this display.
DialogBaseUnits MeasureBaseUnits(GtkWidget *window, const DialogTemplate &dialogTemplate);

// The widget for one control (a label, an entry or a button), unconnected.
GtkWidget *CreateControlWidget(const DialogControlTemplate &control);
