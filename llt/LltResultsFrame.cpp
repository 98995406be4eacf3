#include "llt/LltResultsFrame.h"

#include "llt/LltPlots.h"

namespace {

luvo::WingResultsLayout ResultsLayout() {
    luvo::WingResultsLayout layout;
    layout.valueX = 555;
    layout.areaText = wxS("3");
    layout.otherText = wxS("16.0");
    layout.infoText =
        wxS("Durch die Eingabe der Datei wurden die Flügelgeometrie \nund "
            "Anstellwinkelverteilung eingegeben.\nAusgegeben werden die "
            "Verteilungen der Zirkulation und des örtlichen\nAuftriebsbeiwertes "
            "sowie geometrische Daten, die Beiwerte und der k-Faktor.\nAlle "
            "Ergebnisse werden auch in die Ergebnisdatei geschrieben.");
    return layout;
}

}  // namespace

LltResultsFrame::LltResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                 long style)
    : WingRecordResultsFrame(title, pos, size, style, ResultsLayout()) {
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
