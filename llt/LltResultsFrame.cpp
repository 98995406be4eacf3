#include "llt/LltResultsFrame.h"

#include <wx/dcclient.h>
#include <wx/statbox.h>

#include "llt/LltPlots.h"

namespace {

const wxString kStatus = wxS("Ergebnisse");

}  // namespace

LltResultsCanvas::LltResultsCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER) {
    SetBackgroundColour(*wxWHITE);
}

void LltResultsCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    // The canvas's own window, so that two results windows never draw each other's run.
    auto* frame = dynamic_cast<LltResultsFrame*>(wxGetTopLevelParent(this));
    if (frame == nullptr) return;
    frame->WriteValues();
    frame->PaintPlot(dc);
}

LltResultsFrame::LltResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
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
    plotCanvas = new LltResultsCanvas(panel, wxPoint(10, 50), wxSize(330, 205));
    plotCanvas->SetToolTip(wxS("gamma und ca über y"));

    const int rows[] = {50, 75, 100, 173, 198, 223};
    for (int y : rows) {
        new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(545, y));
    }
    CreateResultLabels(panel, 555, rows, wxS("3"), wxS("16.0"));

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

void LltResultsFrame::ShowResults(std::shared_ptr<const LltSolver> record) {
    record_ = std::move(record);
    WriteValues();
    wxClientDC dc(plotCanvas);
    PaintPlot(dc);
}

void LltResultsFrame::WriteValues() {
    if (record_) ShowSolvedResults(*record_);
}

void LltResultsFrame::PaintPlot(wxDC& dc) const {
    if (!record_) return;
    LltStartPlot(dc, wxS("Zirkulationsverteilung"), 100, 20);
    DrawResultsCirculationLiftPlot(dc, *record_);
}

void LltResultsFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Info"));
    luvo::ShowInfoBox(this,
                      wxS("Durch die Eingabe der Datei wurden die Flügelgeometrie \nund "
                          "Anstellwinkelverteilung eingegeben.\nAusgegeben werden die "
                          "Verteilungen der Zirkulation und des örtlichen\nAuftriebsbeiwertes "
                          "sowie geometrische Daten, die Beiwerte und der k-Faktor.\nAlle "
                          "Ergebnisse werden auch in die Ergebnisdatei geschrieben."),
                      wxS("INFO Ausgabe der Ergebnisse"));
    SetStatusText(kStatus);
}

// clang-format off
wxBEGIN_EVENT_TABLE(LltResultsCanvas, wxWindow)
    EVT_PAINT(LltResultsCanvas::OnPaint)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(LltResultsFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, luvo::LuvoFrame::OnClose)
    EVT_BUTTON(luvo::kIdButtonClose, luvo::LuvoFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, LltResultsFrame::OnInfo)
wxEND_EVENT_TABLE()
