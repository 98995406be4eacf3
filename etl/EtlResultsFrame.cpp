#include "etl/EtlResultsFrame.h"

#include <wx/dcclient.h>
#include <wx/statbox.h>

#include "common/WxNumber.h"
#include "common/WxPlotPainter.h"
#include "etl/EtlPlots.h"

namespace {

const wxString kStatus = wxS("Ergebnisse");

}  // namespace

EtlResultsCanvas::EtlResultsCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER) {
    SetBackgroundColour(*wxWHITE);
}

void EtlResultsCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    // The canvas's own window, so that two results windows never draw each other's run.
    auto* frame = dynamic_cast<EtlResultsFrame*>(wxGetTopLevelParent(this));
    if (frame == nullptr) return;
    frame->WriteValues();
    frame->PaintPlot(dc);
}

EtlResultsFrame::EtlResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                 long style)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 1, style) {
    panel = GetPanel();
    new wxStaticBox(panel, wxID_ANY, wxS("Ergebnisse:"), wxPoint(350, 10));
    // Below the line of "Ergebnisse:", which GTK's font makes taller than 10 pixels.
    new wxStaticBox(panel, wxID_ANY, wxS("Geometrische Ergebnisse:"), wxPoint(350, 28),
                    wxSize(270, 102));
    new wxStaticBox(panel, wxID_ANY, wxS("Aerodynamische Beiwerte:"), wxPoint(350, 150),
                    wxSize(270, 105));
    closeButton = new wxButton(panel, luvo::kIdButtonClose, wxS("S&chließen"), wxPoint(520, 265));
    closeButton->SetToolTip(wxS("Schließen"));
    plotCanvas = new EtlResultsCanvas(panel, wxPoint(10, 50), wxSize(330, 205));
    plotCanvas->SetToolTip(wxS("gamma und ca über y"));

    const int rows[] = {50, 75, 100, 173, 198, 223};
    for (int i = 0; i < 6; ++i) {
        new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(545, rows[i]));
        valueLabels[i] = new wxStaticText(panel, wxID_ANY, wxString(), wxPoint(570, rows[i]));
    }
    new wxStaticText(panel, wxID_ANY, wxS("Bezugsflügelfläche [m²]:"), wxPoint(360, 50));
    new wxStaticText(panel, wxID_ANY, wxS("Bezugsflügeltiefe [m]:"), wxPoint(360, 75));
    new wxStaticText(panel, wxID_ANY, wxS("Flügelstreckung [-]:"), wxPoint(360, 100));
    // The blanks leave room for the subscript drawn by the next text.
    new wxStaticText(panel, wxID_ANY, wxS("Auftriebsbeiwert c") + wxString(' ', 18) + wxS("[-]:"),
                     wxPoint(360, 173));
    new wxStaticText(panel, wxID_ANY, wxS("A_gesamt"), wxPoint(444, 177));
    new wxStaticText(panel, wxID_ANY, wxS("Widerstandsbeiwert c") + wxString(' ', 20) + wxS("[-]:"),
                     wxPoint(360, 198));
    new wxStaticText(panel, wxID_ANY, wxS("Wi_gesamt"), wxPoint(464, 203));
    new wxStaticText(panel, wxID_ANY, wxS("k-Faktor [-]:"), wxPoint(360, 223));

    SetStatusText(kStatus);
}

void EtlResultsFrame::ShowResults(std::shared_ptr<const EtlSolver> record) {
    record_ = std::move(record);
    WriteValues();
    wxClientDC dc(plotCanvas);
    PaintPlot(dc);
}

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
    StartPlot(dc, wxS("Zirkulationsverteilung"), 100, 20);
    EtlDrawResultsCirculationLiftPlot(dc, *record_);
}

void EtlResultsFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Info"));
    luvo::ShowInfoBox(
        this,
        wxS("Durch die Eingabe der Datei wurden die Flügelgeometrie \nund "
            "Anstellwinkelverteilung eingegeben.\n\nAls Ausgabe entstehen somit die "
            "Verteilungen der Zirkulation\nund des lokalen Auftriebsbeiwertes. Ferner werden "
            "geometrische \nDaten und aerodynamische Beiwerte, sowie der k-Faktor ausge-\ngeben. "
            "All diese werden auch in die Datei geschrieben.\n\n"),
        wxS("INFO Ausgabe der Ergebnisse"));
    SetStatusText(kStatus);
}

// clang-format off
wxBEGIN_EVENT_TABLE(EtlResultsCanvas, wxWindow)
    EVT_PAINT(EtlResultsCanvas::OnPaint)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(EtlResultsFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, luvo::LuvoFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, luvo::LuvoFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, EtlResultsFrame::OnInfo)
wxEND_EVENT_TABLE()
