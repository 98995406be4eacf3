#include "llt/gui/LltMethodFrame.h"

#include "common/gui/SingleWindow.h"
#include "llt/gui/LltAnalysisFrame.h"
#include "llt/gui/LltChordDesignFrame.h"
#include "llt/gui/LltGridInputFrame.h"
#include "llt/gui/LltModule.h"
#include "llt/gui/LltTwistDesignFrame.h"

LltMethodFrame::LltMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : TaskChoiceFrame(
          title, pos, size,
          {wxS("Innerhalb des Einfachen Traglinienverfahrens stehen \n"
               "die folgenden Möglichkeiten zur Verfügung:"),
           wxS("Einfaches Traglinienverfahren"),
           {wxS("Einlesen der Daten aus Datei"),
            wxS("Entwurfsaufgabe - Vorgabe der Zirkulations- und Tiefenverteilung"),
            wxS("Entwurfsaufgabe - Vorgabe der Zirkulations- und Schränkungsverteilung"),
            wxS("Nachrechenaufgabe")},
           {wxS("Gewählt: Einlesen der Daten aus Datei"),
            wxS("Gewählt: Entwurfsaufgabe / Tiefenvert."),
            wxS("Gewählt: Entwurfsaufgabe / Anstellwinkelvert."),
            wxS("Gewählt: Nachrechenaufgabe")},
           150,
           true,
           wxS("Mit Hilfe des Einfachen Traglinienverfahrens lässt sich die inkompressible\n"
               "und reibungsfreie Umströmung von dreidimensionalen Flügeln berechnen.\n"
               "Im Rahmen dieses Programmes gibt es 3 Möglichkeiten zur Berechnung:\n\n"
               "   1. Die Entwurfsaufgabe mit Vorgabe der Zirkulations- und Tiefenverteilung\n\n"
               "   2. Die Entwurfsaufgabe mit Vorgabe der Zirkulations- und "
               "Schränkungsverteilung\n\n"
               "   3. Die Nachrechenaufgabe"),
           wxS("Info Einfache Traglinientheorie")}) {}

void LltMethodFrame::OpenTask(int task) {
    switch (task) {
        case 0:
            luvo::OpenSingleWindow(llt::gridInputFrame, wxS("Daten über eine Datei einlesen"),
                                   wxSize(420, 250));
            break;
        case 1:
            luvo::OpenSingleWindow(
                llt::twistDesignFrame,
                wxS("Entwurfsaufgabe - Vorgabe von Zirkulations- und Tiefenverteilung"),
                wxSize(775, 680));
            break;
        case 2:
            luvo::OpenSingleWindow(
                llt::chordDesignFrame,
                wxS("Entwurfsaufgabe - Vorgabe von Zirkulations- und Schränkungsverteilung"),
                wxSize(845, 700));
            break;
        case 3:
            luvo::OpenSingleWindow(
                llt::analysisFrame,
                wxS("Nachrechenaufgabe - Interaktives Erstellen einer Anstellwinkel- und "
                    "Tiefenverteilung"),
                wxSize(755, 690));
            break;
    }
}
