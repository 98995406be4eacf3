#include "llt/gui/LltResultsFrame.h"

#include "llt/gui/LltPlots.h"

LltResultsFrame::LltResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                 long style)
    : WingRecordResultsFrame(title, pos, size, style,
                             {555, wxS("3"), wxS("16.0"),
                              wxS("Durch die Eingabe der Datei wurden die Flügelgeometrie \nund "
                                  "Anstellwinkelverteilung eingegeben.\nAusgegeben werden die "
                                  "Verteilungen der Zirkulation und des örtlichen\n"
                                  "Auftriebsbeiwertes sowie geometrische Daten, die Beiwerte und "
                                  "der k-Faktor.\nAlle Ergebnisse werden auch in die "
                                  "Ergebnisdatei geschrieben.")}) {
    UseResultLabels(valueLabels);
}

void LltResultsFrame::WriteValues() {
    if (record_) ShowSolvedResults(*record_);
}

void LltResultsFrame::PaintPlot(wxDC& dc) const {
    if (!record_) return;
    StartResultsPlot(dc);
    DrawResultsCirculationLiftPlot(dc, *record_);
}
