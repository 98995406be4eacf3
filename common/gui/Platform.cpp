#include "common/gui/Platform.h"

#include <gtk/gtk.h>

#include <clocale>
#include <cstdlib>

namespace luvo {

void PrepareDisplayBackend() {
    setenv("GDK_BACKEND", "x11", 1);
    // The accessibility bridge only prints warnings on machines without a session bus.
    setenv("NO_AT_BRIDGE", "1", 0);
}

namespace {

// Pixel positions of the windows assume controls about as tall as the 8-point font plus a
// few pixels; the default theme pads entries and buttons to more than 30 pixels.
const char kCss[] =
    "* { font-family: \"Liberation Sans\", \"DejaVu Sans Condensed\", sans-serif;"
    "    font-size: 8pt; }\n"
    "entry { min-height: 0; padding: 1px 2px; }\n"
    "button { min-height: 0; min-width: 0; padding: 1px 4px; }\n"
    "radiobutton, checkbutton { min-height: 0; padding: 0; }\n"
    "radio, check { min-height: 11px; min-width: 11px; margin: 0 3px 0 0; }\n"
    "combobox button, combobox entry { padding-top: 0; padding-bottom: 0; }\n"
    "menubar > menuitem { padding: 2px 6px; }\n"
    "menu menuitem { min-height: 0; padding: 2px 8px; }\n"
    "statusbar { padding: 0; margin: 0; min-height: 0; }\n"
    "frame > border { padding: 0; }\n";

}  // namespace

void ApplyUiStyle() {
    // Whatever GTK made of the user's locale, numbers are written with a point.
    std::setlocale(LC_NUMERIC, "C");

    GtkSettings* settings = gtk_settings_get_default();
    if (settings != nullptr) {
        g_object_set(settings, "gtk-font-name", "Liberation Sans 8", nullptr);
    }
    GdkScreen* screen = gdk_screen_get_default();
    if (screen == nullptr) return;
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

}  // namespace luvo
