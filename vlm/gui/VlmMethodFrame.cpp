#include "vlm/gui/VlmMethodFrame.h"

#include "common/gui/SingleWindow.h"
#include "vlm/gui/VlmGeometryFrame.h"
#include "vlm/gui/VlmGridInputFrame.h"
#include "vlm/gui/VlmModule.h"

VlmMethodFrame::VlmMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : TaskChoiceFrame(
          title, pos, size,
          {wxS("Innerhalb des Wirbelleiterverfahrens stehen die folgenden Möglich-\n"
               "keiten zur Verfügung:"),
           wxS("3D Wirbelleiterverfahren"),
           {wxS("Einlesen der Daten aus Datei"), wxS("Interaktive Erzeugung eines Tragflügels")},
           {wxS("Gewählt: Einlesen der Daten aus Datei"),
            wxS("Gewählt: Interaktive Erzeugung eines Tragflügels")},
           110,
           true,
           wxS("Mit Hilfe des 3D-Wirbelleiterverfahrens lässt sich die inkompressible\n"
               "und reibungsfreie Umströmung von dreidimensionalen Flügeln berechnen.\n"
               "Im Rahmen dieses Programmes gibt es 2 Möglichkeiten zur Erzeugung eines "
               "Flügels:\n\n"
               "   1. Einlesen einer Gitterdatei im ASCII Format\n\n"
               "   2. Interaktives Erzeugen eines einfachen Trapezflügels"),
           wxS("Info Wirbelleiterverfahren")}) {}

void VlmMethodFrame::OpenTask(int task) {
    switch (task) {
        case 0:
            luvo::OpenSingleWindow(vlm::VlmGridInputWindow, wxS("Daten über eine Datei einlesen"),
                                   wxSize(420, 475));
            break;
        case 1:
            luvo::OpenSingleWindow(vlm::VlmGeometryWindow,
                                   wxS("Interaktives Erstellen einer Flügelkonfiguration"),
                                   wxSize(760, 600), wxDEFAULT_FRAME_STYLE | wxSTAY_ON_TOP);
            break;
    }
}
