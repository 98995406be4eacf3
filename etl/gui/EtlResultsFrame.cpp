#include "etl/gui/EtlResultsFrame.h"

#include "common/gui/WxNumber.h"
#include "etl/gui/EtlPlots.h"

EtlResultsFrame::EtlResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                 long style)
    : WingRecordResultsFrame(title, pos, size, style,
                             {570, wxString(), wxString(),
                              wxS("Durch die Eingabe der Datei wurden die Flügelgeometrie \nund "
                                  "Anstellwinkelverteilung eingegeben.\n\nAls Ausgabe entstehen "
                                  "somit die Verteilungen der Zirkulation\nund des lokalen "
                                  "Auftriebsbeiwertes. Ferner werden geometrische \nDaten und "
                                  "aerodynamische Beiwerte, sowie der k-Faktor ausge-\ngeben. All "
                                  "diese werden auch in die Datei geschrieben.\n\n")}) {}

void EtlResultsFrame::WriteValues() {
    if (!record_) return;
    const double values[6] = {record_->area,
                              record_->meanChord,
                              record_->aspectRatio,
                              record_->liftCoefficient,
                              record_->inducedDragCoefficient,
                              record_->kFactor};
    for (int i = 0; i < 6; ++i) {
        // A repaint writes them again: an unchanged text need not lay its label out anew.
        const wxString text = luvo::FormatLabel("%.3f", values[i]);
        if (valueLabels[i]->GetLabel() != text) valueLabels[i]->SetLabel(text);
    }
}

void EtlResultsFrame::PaintPlot(wxDC& dc) const {
    if (!record_) return;
    StartResultsPlot(dc);
    EtlDrawResultsCirculationLiftPlot(dc, *record_);
}
