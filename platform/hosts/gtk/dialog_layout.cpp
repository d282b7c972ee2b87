// GTK host: laying out a dialog template (used by dialogs.cpp).
// Implements: the template's font with its stand-in, the dialog base units
//   measured in it, and one widget per control.
// Does not implement: signals or showing (dialogs.cpp does).
#include "platform/hosts/gtk/dialog_layout.h"

#include "platform/text/cp932.h"
#include "resources/dialog_templates.h"

namespace {

// Stands in for the template's face where the system does not have it.
const char kFallbackFamily[] = "IPAPGothic";
const char kLatinAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

PangoFontDescription *DialogFont(const DialogTemplate &dialogTemplate)
{
    PangoFontDescription *font = pango_font_description_new();
    pango_font_description_set_family(font, DialogFontFamilies(dialogTemplate).c_str());
    pango_font_description_set_size(font, dialogTemplate.pointSize * PANGO_SCALE);
    return font;
}

// The provider is kept on the window, so it goes with it.
void AddProviderToTree(GtkWidget *widget, gpointer provider)
{
    gtk_style_context_add_provider(gtk_widget_get_style_context(widget),
                                   GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    if (GTK_IS_CONTAINER(widget)) {
        gtk_container_forall(GTK_CONTAINER(widget), AddProviderToTree, provider);
    }
}

float AlignmentOf(unsigned long style)
{
    switch (style & 0x3) {
    case SS_CENTER: return 0.5f;
    case SS_RIGHT: return 1.0f;
    default: return 0.0f;
    }
}

GtkWidget *CreateStatic(const DialogControlTemplate &control)
{
    GtkWidget *label = gtk_label_new(Cp932ToUtf8(control.text).c_str());
    gtk_label_set_xalign(GTK_LABEL(label), AlignmentOf(control.style));
    gtk_label_set_yalign(GTK_LABEL(label), 0.0f);  // a static's text starts at its top
    return label;
}

GtkWidget *CreateEdit(const DialogControlTemplate &control)
{
    GtkWidget *entry = gtk_entry_new();
    gtk_entry_set_text(GTK_ENTRY(entry), Cp932ToUtf8(control.text).c_str());
    gtk_entry_set_alignment(GTK_ENTRY(entry), (control.style & ES_CENTER) ? 0.5f : 0.0f);
    // The template's box decides the width, not GTK's default of many characters.
    gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
    gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
    return entry;
}

GtkWidget *CreateButton(const DialogControlTemplate &control)
{
    GtkWidget *button = gtk_button_new_with_label(Cp932ToUtf8(control.text).c_str());
    gtk_widget_set_can_default(button, TRUE);
    return button;
}

}  // namespace

std::string DialogFontFamilies(const DialogTemplate &dialogTemplate)
{
    std::string face = dialogTemplate.faceName ? Cp932ToUtf8(dialogTemplate.faceName) : "";
    // Pango takes a comma-separated list and uses the first family it has.
    return face.empty() ? kFallbackFamily : face + "," + kFallbackFamily;
}

void ApplyDialogFont(GtkWidget *window, const DialogTemplate &dialogTemplate)
{
    std::string css = "* { font-family: ";
    std::string families = DialogFontFamilies(dialogTemplate);
    for (size_t start = 0; start <= families.size();) {
        size_t end = families.find(',', start);
        if (end == std::string::npos) end = families.size();
        css += (start ? ", \"" : "\"") + families.substr(start, end - start) + "\"";
        start = end + 1;
    }
    css += "; font-size: " + std::to_string(dialogTemplate.pointSize) + "pt; }";
    GtkCssProvider *provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
    AddProviderToTree(window, provider);
    g_object_unref(provider);
}

DialogBaseUnits MeasureBaseUnits(GtkWidget *window, const DialogTemplate &dialogTemplate)
{
    PangoFontDescription *font = DialogFont(dialogTemplate);
    PangoLayout *layout = gtk_widget_create_pango_layout(window, kLatinAlphabet);
    pango_layout_set_font_description(layout, font);
    int width = 0;
    pango_layout_get_pixel_size(layout, &width, nullptr);
    PangoFontMetrics *metrics =
        pango_context_get_metrics(pango_layout_get_context(layout), font, nullptr);
    int height = PANGO_PIXELS(pango_font_metrics_get_ascent(metrics) +
                              pango_font_metrics_get_descent(metrics));
    pango_font_metrics_unref(metrics);
    g_object_unref(layout);
    pango_font_description_free(font);
    return BaseUnitsFromFont(width, height);
}

GtkWidget *CreateControlWidget(const DialogControlTemplate &control)
{
    std::string className = control.className ? control.className : "";
    if (className == "EDIT") return CreateEdit(control);
    if (className == "BUTTON") return CreateButton(control);
    return CreateStatic(control);
}
