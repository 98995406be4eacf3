#include "common/gui/WingResultsFrame.h"

#include <wx/dcclient.h>
#include <wx/statbox.h>

#include "common/gui/WxPlotPainter.h"

namespace luvo {

namespace {

const wxString kStatus = wxS("Ergebnisse");

}  // namespace

WingResultsCanvas::WingResultsCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER) {
    SetBackgroundColour(*wxWHITE);
}

void WingResultsCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    // The canvas's own window, so that two results windows never draw each other's run.
    auto* frame = dynamic_cast<WingResultsFrame*>(wxGetTopLevelParent(this));
    if (frame == nullptr) return;
    frame->WriteValues();
    frame->PaintPlot(dc);
}

WingResultsFrame::WingResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                   long style, const WingResultsLayout& layout)
    : LuvoFrame(title, pos, size, FileMenu::Close, 1, style), infoText_(layout.infoText) {
    panel = GetPanel();
    new wxStaticBox(panel, wxID_ANY, wxS("Ergebnisse:"), wxPoint(350, 10));
    // Below the line of "Ergebnisse:", which GTK's font makes taller than 10 pixels.
    new wxStaticBox(panel, wxID_ANY, wxS("Geometrische Ergebnisse:"), wxPoint(350, 28),
                    wxSize(270, 102));
    new wxStaticBox(panel, wxID_ANY, wxS("Aerodynamische Beiwerte:"), wxPoint(350, 150),
                    wxSize(270, 105));
    closeButton = new wxButton(panel, kIdButtonClose, wxS("S&chließen"), wxPoint(520, 265));
    closeButton->SetToolTip(wxS("Schließen"));
    plotCanvas = new WingResultsCanvas(panel, wxPoint(10, 50), wxSize(330, 205));
    plotCanvas->SetToolTip(wxS("gamma und ca über y"));

    const int rows[] = {50, 75, 100, 173, 198, 223};
    for (int y : rows) {
        new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(545, y));
    }
    for (int i = 0; i < 6; ++i) {
        valueLabels[i] =
            new wxStaticText(panel, wxID_ANY, i == 0 ? layout.areaText : layout.otherText,
                             wxPoint(layout.valueX, rows[i]));
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

void WingResultsFrame::ShowNow() {
    WriteValues();
    // A client context of a window that is not on screen yet draws onto the desktop.
    plotCanvas->Refresh();
}

void WingResultsFrame::StartResultsPlot(wxDC& dc) {
    StartPlot(dc, wxS("Zirkulationsverteilung"), 100, 20);
}

void WingResultsFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Info"));
    ShowInfoBox(this, infoText_, wxS("INFO Ausgabe der Ergebnisse"));
    SetStatusText(kStatus);
}

wxBEGIN_EVENT_TABLE(WingResultsCanvas, wxWindow)
    EVT_PAINT(WingResultsCanvas::OnPaint)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(WingResultsFrame, LuvoFrame)
    EVT_MENU(kIdMenuClose, LuvoFrame::OnClose)
    EVT_BUTTON(kIdButtonClose, LuvoFrame::OnClose)
    EVT_MENU(kIdMenuInfo, WingResultsFrame::OnInfo)
wxEND_EVENT_TABLE()

}  // namespace luvo
