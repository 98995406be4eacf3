#include "etl/gui/EtlMethodFrame.h"

#include "common/gui/SingleWindow.h"
#include "etl/gui/EtlAnalysisFrame.h"
#include "etl/gui/EtlGridInputFrame.h"
#include "etl/gui/EtlModule.h"

EtlMethodFrame::EtlMethodFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : TaskChoiceFrame(
          title, pos, size,
          {wxS("Innerhalb des Erweiterten Traglinienverfahrens stehen \n"
               "die folgenden Möglichkeiten zur Verfügung:"),
           wxS("Erweitertes Traglinienverfahren"),
           {wxS("Einlesen der Daten aus Datei"),
            wxS("Nachrechenaufgabe - Vorgabe der Tiefen- und Schränkungsverteilung")},
           {wxS("Gewählt: Einlesen der Daten aus Datei"), wxS("Gewählt: Nachrechenaufgabe")},
           110,
           false,
           wxS("Mit Hilfe des Erweiterten Traglinienverfahrens lässt sich die inkompressible\n"
               "und reibungsfreie Umströmung von dreidimensionalen Flügeln berechnen.\n"
               "Im Rahmen dieses Programmes gibt es 2 Möglichkeiten zur Erzeugung eines "
               "Flügels:\n\n"
               "   1. Einlesen einer Gitterdatei im ASCII Format\n\n"
               "   2. Nachrechenaufgabe, bei der die Tiefen- und Schränkungsverteilung\n"
               "      vorgegeben werden, um damit die Zirkulationsverteilung zu berechnen \n"
               "      sowie die Beiwerte x,y,z"),
           wxS("Info Erweiterte Traglinientheorie")}) {}

void EtlMethodFrame::OpenTask(int task) {
    switch (task) {
        case 0:
            luvo::OpenSingleWindow(etl::EtlGridInputWindow, wxS("Daten über eine Datei einlesen"),
                                   wxSize(420, 285));
            break;
        case 1:
            // A window already open is centred and shown but not raised.
            luvo::ShowSingleWindow(etl::EtlAnalysisWindow, false, [] {
                return new EtlAnalysisFrame(
                    wxS("Nachrechenaufgabe - Eingabe der Tiefen- und Schränkungsverteilung"),
                    wxDefaultPosition, wxSize(860, 680));
            });
            break;
    }
}
