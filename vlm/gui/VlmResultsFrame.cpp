#include "vlm/gui/VlmResultsFrame.h"

#include <wx/dcclient.h>
#include <wx/statbox.h>

#include "common/core/CpPlot.h"
#include "common/gui/WxNumber.h"
#include "common/gui/WxPlotPainter.h"
#include "vlm/core/VlmResultPlots.h"

namespace {

const wxString kStatus = wxS("Ergebnisse");
const int kRows[8] = {50, 75, 100, 125, 150, 223, 248, 273};

// The results of the window the canvas sits in; null before the run's results are shown.
const VlmResults* ResultsOf(wxWindow* canvas) {
    auto* frame = dynamic_cast<VlmResultsFrame*>(wxGetTopLevelParent(canvas));
    return frame == nullptr ? nullptr : frame->Results();
}

}  // namespace

VlmSpanLoadCanvas::VlmSpanLoadCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size) {
    SetBackgroundColour(*wxWHITE);
}

void VlmSpanLoadCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.Clear();
    if (const VlmResults* r = ResultsOf(this)) luvo::DrawOn(dc, DrawVlmSpanLoad, *r);
}

VlmPressureCanvas::VlmPressureCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : luvo::CpCanvas(parent, pos, size, 0) {}

void VlmPressureCanvas::DrawPlot(luvo::PlotPainter& painter, bool scaled) {
    if (const VlmResults* r = ResultsOf(this)) DrawVlmPressure(painter, *r, scaled);
}

VlmWarningCanvas::VlmWarningCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : luvo::WarningCanvas(parent, pos, size, luvo::KFactorWarningLines(), 0) {}

VlmResultsFrame::VlmResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                 long style)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 1, style) {
    panel = GetPanel();
    SetStatusText(kStatus);
    spanLoadCanvas = new VlmSpanLoadCanvas(panel, wxPoint(10, 14), wxSize(330, 200));
    spanLoadCanvas->SetToolTip(wxS("ca über y"));
    pressureCanvas = new VlmPressureCanvas(panel, wxPoint(10, 225), wxSize(330, 200));
    pressureCanvas->SetToolTip(wxS("cp über x"));

    new wxStaticBox(panel, wxID_ANY, wxS("Ergebnisse:"), wxPoint(350, 10));
    // Below the line of "Ergebnisse:", which GTK's font makes taller than 10 pixels.
    new wxStaticBox(panel, wxID_ANY, wxS("Kraft- und Momentbeiwerte:"), wxPoint(350, 28),
                    wxSize(270, 152));
    new wxStaticBox(panel, wxID_ANY, wxS("Sonstige Werte:"), wxPoint(350, 193), wxSize(270, 115));
    const wxString names[8] = {wxS("cA gesamt  [-]:"),
                               wxS("cWi gesamt  [-]:"),
                               wxS("Rollmomentenbeiwert cMx [-]:"),
                               wxS("Nickmomentenbeiwert cMy [-]:"),
                               wxS("Giermomentenbeiwert cMz [-]:"),
                               wxS("Bezugsflügelfläche  [m²]:"),
                               wxS("Bezugsflügeltiefe  [m]:"),
                               wxS("k-Faktor [-]:")};
    for (int i = 0; i < 8; ++i) {
        new wxStaticText(panel, wxID_ANY, names[i], wxPoint(370, kRows[i]));
        new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(545, kRows[i]));
        valueLabels[i] = new wxStaticText(panel, wxID_ANY, wxString(), wxPoint(570, kRows[i]));
    }

    const wxString scales[] = {wxS("cp-Skala passend skaliert"), wxS("cp-Skala nicht skaliert")};
    cpScaleRadioBox = new wxRadioBox(panel, kIdCpScaleRadio, wxString(), wxPoint(350, 365),
                                     wxDefaultSize, 2, scales, 1, wxRA_SPECIFY_COLS);
    cpScaleRadioBox->SetSelection(0);
    closeButton = new wxButton(panel, luvo::kIdButtonClose, wxS("S&chließen"), wxPoint(520, 395));
    closeButton->SetToolTip(wxS("Schließen"));
}

void VlmResultsFrame::ShowResults(std::shared_ptr<const VlmResults> results) {
    results_ = std::move(results);
    if (!results_) return;
    const VlmResults& r = *results_;
    const double values[8] = {r.ca, r.cwi, r.cmx, r.cmy, r.cmz, r.refArea, r.refChord, r.kFactor};
    for (int i = 0; i < 8; ++i) valueLabels[i]->SetLabel(luvo::FormatLabel("%1.3f", values[i]));
    if (VlmNeedsKFactorWarning(r) && warningCanvas == nullptr) {
        warningCanvas = new VlmWarningCanvas(panel, wxPoint(349, 315), wxSize(272, 50));
    }
    spanLoadCanvas->Refresh();
    pressureCanvas->Refresh();
}

void VlmResultsFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Info"));
    luvo::ShowInfoBox(
        this,
        wxS("Hier wird ein Teil der errechneten Ergebnisse ausgegeben: \n\n - Die Werte der "
            "Zirkulation sind bezogen auf Anströmung mit der Geschwindigkeit 1 m/s.\n - "
            "Kraftbeiwerte CA und CWi. Sie beziehen sich auf die Bezugsflügelfläche.\n - "
            "Momentbeiwerte CMx, CMy, CMz. Sie beziehen sich ebenfalls auf die "
            "Bezugsflügelfläche\n   sowie auf die Bezugsflügeltiefe. Sie werden bezüglich des "
            "Ursprunges (0,0,0) aufgestellt.\n - Über die Spannweite wird der Verlauf von Ca "
            "grafisch dargestellt.\n - Über die normierte Koordinate in Tiefenrichtung wird der "
            "\n   Verlauf von Cp grafisch dargestellt.\n\n\nDetailliertere Ergebnisse befinden "
            "sich in den ASCII Ausgabefiles,\ndie mit Tecplot ausgewertet werden können."),
        wxS("INFO Ausgabe der Ergebnisse"));
    SetStatusText(kStatus);
}

void VlmResultsFrame::OnCpScaleRadioBox(wxCommandEvent&) {
    if (cpScaleRadioBox->GetSelection() == 0) {
        pressureCanvas->DrawScaled();
    } else {
        pressureCanvas->DrawFixedScale();
    }
}

wxBEGIN_EVENT_TABLE(VlmSpanLoadCanvas, wxWindow)
    EVT_PAINT(VlmSpanLoadCanvas::OnPaint)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(VlmResultsFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, luvo::LuvoFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, VlmResultsFrame::OnInfo)
    EVT_BUTTON(luvo::kIdButtonClose, luvo::LuvoFrame::OnClose)
    EVT_RADIOBOX(VlmResultsFrame::kIdCpScaleRadio, VlmResultsFrame::OnCpScaleRadioBox)
wxEND_EVENT_TABLE()
