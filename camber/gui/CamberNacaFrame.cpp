#include "camber/gui/CamberNacaFrame.h"

#include <wx/dcclient.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>

#include "camber/gui/CamberButtons.h"
#include "camber/gui/CamberFields.h"
#include "camber/gui/CamberPlot.h"
#include "camber/gui/CamberRadios.h"

namespace {

const wxString kInfoText =
    wxS("Nachrechenaufgabe\n\n"
        "Es kann entweder der gewünschte Winkel alpha* oder der \n"
        "Auftriebsbeiwert Ca eingegeben werden.\n\n"
        "Die Skelettlinie des NACA Four-digit Profils ist analytisch\n"
        "durch zwei Parabelbögen gegeben, die im Punkt der maxima-\n"
        "len Wölbung tangential ineinander übergehen. Parameter sind\n"
        "die Wölbung und die Wölbungsrücklage.\n\n"
        "Die Skelett-Theorie gilt nur für kleine Anstellwinkel und\n"
        "schwach gewölbte Skelettlinien. Deshalb sind für alpha* ma-\n"
        "ximal 15° und für die Wölbung maximal 5 Prozent zulässig.\n\n"
        "Die ebene Platte (NACA 0000) wird berechnet, indem die Wöl-\n"
        "bung oder die Wölbungsrücklage zu 0 Prozent gesetzt wird.\n\n"
        "Die approximierte Skelettlinie und Druckverteilung verwen-\n"
        "den nur die drei Birnbaumkoeffizienten A0, A1 und A2, die\n"
        "tatsächliche Druckverteilung 100 Koeffizienten.\n\n");

void DrawCamberLegend(wxDC& dc) {
    dc.DrawText(wxS("- Original grau"), 45, 207);
    dc.DrawText(wxS("- Approximation rot, HK auf x/t-Achse verschoben"), 45, 220);
    dc.DrawText(wxS("- Maßstab für alpha* ist 3:1"), 45, 233);
}

}  // namespace

wxBEGIN_EVENT_TABLE(CamberNacaFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuQuit, CamberNacaFrame::OnQuit)
    EVT_MENU(luvo::kIdMenuInfo, CamberNacaFrame::OnInfo)
wxEND_EVENT_TABLE()

CamberNacaFrame::CamberNacaFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::CloseAsId1) {
    SetStatusText(wxS("Gewählt: Eingabe des Winkels"));
    wxPanel* panel = GetPanel();
    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe"), wxPoint(350, 10), wxSize(270, 140));
    new wxStaticBox(panel, wxID_ANY, wxS("Ausgabe"), wxPoint(350, 170), wxSize(270, 300));
    new wxStaticBox(panel, wxID_ANY, wxString(), wxPoint(360, 210), wxSize(250, 60));
    new wxStaticBox(panel, wxID_ANY, wxString(), wxPoint(360, 280), wxSize(250, 60));
    new wxStaticBox(panel, wxID_ANY, wxString(), wxPoint(360, 350), wxSize(250, 100));
    new wxStaticLine(panel, wxID_ANY, wxPoint(365, 85), wxSize(240, -1), wxLI_HORIZONTAL);
    angleRadio_ = new CamberAngleRadio(panel, wxPoint(370, 30));
    liftRadio_ = new CamberLiftRadio(panel, wxPoint(370, 55));
    angleField_ = new CamberNacaAngleField(panel, wxPoint(566, 30), wxSize(34, -1));
    liftField_ = new CamberNacaLiftField(panel, wxPoint(560, 55), wxSize(40, -1));
    liftField_->Enable(false);
    camberField_ = new CamberNacaCamberField(panel, wxPoint(584, 95), wxSize(16, -1));
    positionField_ = new CamberNacaPositionField(panel, wxPoint(584, 120), wxSize(16, -1));
    new wxStaticText(panel, wxID_ANY, wxS("alpha*"), wxPoint(490, 33));
    new wxStaticText(panel, wxID_ANY, wxS("Ca"), wxPoint(490, 58));
    new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(540, 33));
    new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(540, 58));
    new wxStaticText(panel, wxID_ANY, wxS("Skelettlinie:"), wxPoint(370, 98));
    new wxStaticText(panel, wxID_ANY, wxS("Wölbung [%]:"), wxPoint(430, 98));
    new wxStaticText(panel, wxID_ANY, wxS("Wölbungsrücklage in %:10"), wxPoint(430, 123));
    new wxStaticText(panel, wxID_ANY, wxS("NACA Four-digit Profil:"), wxPoint(390, 190));
    designationPrefix_ = new wxStaticText(panel, wxID_ANY, wxS("NACA"), wxPoint(510, 190));
    camberDigit_ = new wxStaticText(panel, wxID_ANY, wxS("2"), wxPoint(544, 190));
    positionDigit_ = new wxStaticText(panel, wxID_ANY, wxS("4"), wxPoint(550, 190));
    lastDigits_[0] = new wxStaticText(panel, wxID_ANY, wxS("0"), wxPoint(556, 190));
    lastDigits_[1] = new wxStaticText(panel, wxID_ANY, wxS("0"), wxPoint(562, 190));
    results_ = CreateCamberResultTexts(panel, 220);
    closeButton_ = new CamberNacaCloseButton(panel, wxPoint(450, 505));
    lineCanvas_ = new CamberNacaLineCanvas(panel, wxPoint(10, 0), wxSize(330, 260));
    pressureCanvas_ = new CamberNacaPressureCanvas(panel, wxPoint(10, 270), wxSize(330, 260));
    MarkBuilt();
}

CamberNacaFrame::Inputs CamberNacaFrame::ReadInputs() const {
    const double alphaIn = CamberFieldNumber(angleField_->SettledText());
    const double caIn = CamberFieldNumber(liftField_->SettledText());
    const long camber = CamberFieldInteger(camberField_->SettledText());
    const long position = CamberFieldInteger(positionField_->SettledText());
    Inputs in;
    in.terms = CamberNacaLineTerms(camber * 0.01, position * 0.1);
    const bool angleMode = angleRadio_->GetValue() && !liftRadio_->GetValue();
    in.state =
        angleMode ? CamberNacaFromAngle(in.terms, alphaIn) : CamberNacaFromLift(in.terms, caIn);
    return in;
}

void CamberNacaFrame::Recalculate() {
    const Inputs in = ReadInputs();
    ShowCamberResults(results_, CamberComputeResults(in.state));
    CamberRedrawCanvas(lineCanvas_, [&](wxDC& dc) { RedrawCamberPlot(dc, in); });
    CamberRedrawCanvas(pressureCanvas_, [&](wxDC& dc) { DrawPressurePlot(dc, in); });
}

void CamberNacaFrame::RedrawCamberPlot(wxDC& dc, const Inputs& in) const {
    const CamberState& s = in.state;
    const double m = in.terms.m;
    const double p = in.terms.p;
    DrawCamberAxes(dc);
    DrawCamberLegend(dc);
    DrawFreeStreamArrow(dc, s.alpha);
    // A cambered line lies on top of its approximation; the chord line of the plate below it.
    if (m != 0.0 && p != 0.0) {
        DrawBirnbaumCamberShifted(dc, s.A0, s.A1, s.A2, s.alpha);
        DrawNacaCamberLine(dc, m, p);
    } else {
        DrawNacaCamberLine(dc, m, p);
        DrawBirnbaumCamberShifted(dc, s.A0, s.A1, s.A2, s.alpha);
    }
}

void CamberNacaFrame::DrawPressurePlot(wxDC& dc, const Inputs& in) const {
    const CamberState& s = in.state;
    DrawPressureAxes(dc);
    dc.DrawText(wxS("- tatsächlicher Verlauf grau"), 45, 220);
    dc.DrawText(wxS("- approximierter Verlauf rot"), 45, 233);
    DrawApproxPressure(dc, s.A0, s.A1, s.A2);
    DrawExactPressure(dc, s.A0, s.A1, in.terms.m, in.terms.p);
}

void CamberNacaFrame::PaintCamberPlot(wxDC& dc) const {
    const Inputs in = ReadInputs();
    const CamberState& s = in.state;
    DrawCamberAxes(dc);
    DrawCamberLegend(dc);
    DrawBirnbaumCamberShifted(dc, s.A0, s.A1, s.A2, s.alpha);
    DrawNacaCamberLine(dc, in.terms.m, in.terms.p);
    DrawFreeStreamArrow(dc, s.alpha);
}

void CamberNacaFrame::PaintPressurePlot(wxDC& dc) const { DrawPressurePlot(dc, ReadInputs()); }

void CamberNacaFrame::SetDesignationDigits(const wxString& camber, const wxString& position) {
    camberDigit_->SetLabel(camber);
    positionDigit_->SetLabel(position);
}

wxString CamberNacaFrame::Designation() const {
    return designationPrefix_->GetLabel() + wxS(" ") + camberDigit_->GetLabel() +
           positionDigit_->GetLabel() + lastDigits_[0]->GetLabel() + lastDigits_[1]->GetLabel();
}

void CamberNacaFrame::OnQuit(wxCommandEvent&) { Close(true); }

void CamberNacaFrame::OnInfo(wxCommandEvent&) {
    luvo::ShowInfoBox(this, kInfoText,
                      wxS("Info Vorgabe der Skelettlinie eines NACA Four-digit Profils"));
}

wxBEGIN_EVENT_TABLE(CamberNacaLineCanvas, CamberCanvas)
    EVT_PAINT(CamberNacaLineCanvas::OnPaint)
wxEND_EVENT_TABLE()

void CamberNacaLineCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetDeviceOrigin(0, 0);
    if (auto* window = CamberWindowOf<CamberNacaFrame>(this)) window->PaintCamberPlot(dc);
}

wxBEGIN_EVENT_TABLE(CamberNacaPressureCanvas, CamberCanvas)
    EVT_PAINT(CamberNacaPressureCanvas::OnPaint)
wxEND_EVENT_TABLE()

void CamberNacaPressureCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetDeviceOrigin(0, 0);
    if (auto* window = CamberWindowOf<CamberNacaFrame>(this)) window->PaintPressurePlot(dc);
}
