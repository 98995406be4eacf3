#include "llt/gui/LltChordDesignFrame.h"

#include <wx/statbox.h>
#include <wx/statline.h>

#include "common/gui/SingleWindow.h"
#include "llt/gui/LltDesignPlots.h"
#include "llt/gui/LltModule.h"

namespace {

const wxString kInputStatus = wxS("Eingabe der Parameter");

wxString AreaMissedStatus() { return wxString::FromUTF8(kLltAreaMissedStatus); }

// `self`: the window being built, which the module's reference may name.
LltTaskFrameSetup Setup(const LltChordDesignFrame* self) {
    LltTaskFrameSetup s;
    s.window = LltTaskWindow::ChordDesign;
    s.statusFields = 2;
    s.status = kInputStatus;
    s.fileName = &llt::chordFileName;
    s.writeFile = &LltSolver::WriteChordFile;
    s.dialogFile = wxS("tiefe.dat");
    s.infoText =
        wxS("Die 2. Entwurfsaufgabe: \n\n"
            "Durch Eingabe der Zirkulation über die Fourierkoeffizienten oder \n"
            "durch Ziehen der roten Kästen und durch Veränderung der Schrän-\n"
            "kung über die Halbspannweite errechnet das Programm die Tiefen- \n"
            "verteilung.\n"
            "Außerdem werden die geometrischen Daten, die Kraftbeiwerte und\n"
            "der k-Faktor angezeigt. All diese werden auch in die Datei ge-\n"
            "schrieben.\n\n"
            "Hinweis:\n"
            "Auch hier werden durch Ziehen der Zirkulation alle drei Fourier-\n"
            "koeffizienten gleichzeitig verändert. Eine zu große Veränderung\n"
            "führt daher zu Werten, die zu groß und somit nicht zulässig sind.\n\n");
    s.infoCaption = wxS("INFO 2. Entwurfsaufgabe");
    s.statusAfterInfo = wxS("Info: 2. Entwurfsaufgabe");
    s.forget = [self] { luvo::ReleaseIfHeld(llt::chordDesignFrame, self); };
    return s;
}

using F = LltChordDesignFrame;
using In = LltChordDesignInputs;

// The fields in the order of their creation.
// clang-format off
const LltFieldRow<F, LltChordDesignField, In> kFields[] = {
    {&F::spanField,            wxS("15.0"),  {500, 60},  LltInput::Span,        &In::span,
     wxS("0 < Spannweite <= 15")},
    {&F::liftCoefficientField, wxS("0.3"),   {500, 100}, LltInput::TotalLift, &In::liftCoefficient,
     wxS("-1 < Gesamtauftriebsbeiwert <= 3")},
    {&F::liftSlopeField,       wxS("1"),     {760, 60},  LltInput::LiftSlope,   &In::liftSlope,
     wxS("Gradient für den Auftriebsbeiwert \n 1 <= Multiplikator für PI <= 3")},
    {&F::aspectRatioField,     wxS("6.0"),   {760, 100}, LltInput::AspectRatio, &In::aspectRatio,
     wxS("0 < Streckung <= 50")},
    {&F::a1Field,              wxS("0.03"),  {500, 145}, LltInput::A1,          &In::a1,
     wxS("-1 < 1. Fourier-Koeffizient <= 1")},
    {&F::a3Field,              wxS("0.00"),  {760, 145}, LltInput::A3,          &In::a3,
     wxS("-1 <= 3. Fourier-Koeffizient <= 1")},
    {&F::a5Field,              wxS("0.00"),  {500, 170}, LltInput::A5,          &In::a5,
     wxS("-1 <= 5. Fourier-Koeffizient <= 1")},
    {&F::segmentABField,       wxS("50"),    {550, 220}, LltInput::SegmentAB,   &In::s1,
     wxS("0 < Länge des Abschnitts AB [%] <= 100")},
    {&F::rootAngleField,       wxS("5.0"),   {760, 220}, LltInput::AngleA,      &In::rootAngle,
     wxS("-5 <= Geom. Anstellwinkel des Profils in A [°] <= 10")},
    {&F::angleBField,          wxS("-0.4"),  {760, 245}, LltInput::AngleB,      &In::angleB,
     wxS("-5 <= rel. Geom. Anstellwinkel des Profils in B [°]<= 5")},
    {&F::segmentBCField,       wxS("25"),    {550, 270}, LltInput::SegmentBC,   &In::s2,
     wxS("0 <= Länge des Abschnitts BC [%] < 100")},
    {&F::angleCField,          wxS("-0.75"), {760, 270}, LltInput::AngleC,      &In::angleC,
     wxS("-5 <= rel. Geom. Anstellwinkel des Profils in C [°]<= 5")},
    {&F::segmentCDField,       wxS("25"),    {550, 295}, LltInput::SegmentCD,   &In::s3,
     wxS("0 <= Länge des Abschnitts CD [%] < 100")},
    {&F::angleDField,          wxS("-1.5"),  {760, 295}, LltInput::AngleD,      &In::angleD,
     wxS("-5 <= rel. Geom. Anstellwinkel des Profils in D [°]<= 5")},
};
// clang-format on

}  // namespace

LltChordDesignFrame::LltChordDesignFrame(const wxString& title, const wxPoint& pos,
                                         const wxSize& size, long style)
    : LltChordDesignHost(title, pos, size, style, Setup(this)) {
    panel = panel_;

    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe:"), wxPoint(25, 5), wxSize(290, 325));
    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe:"), wxPoint(340, 5), wxSize(470, 325));
    new wxStaticBox(panel, wxID_ANY, wxS("Ergebnisse:"), wxPoint(25, 345), wxSize(290, 230));
    new wxStaticBox(panel, wxID_ANY, wxS("Ergebnisse:"), wxPoint(340, 345), wxSize(470, 230));
    new wxStaticBox(panel, wxID_ANY, wxS("dimensionslose Zirkulation:"), wxPoint(350, 130),
                    wxSize(450, 67));
    new wxStaticBox(panel, wxID_ANY, wxS("Geometrische Anstellwinkel:"), wxPoint(350, 205),
                    wxSize(450, 120));
    new wxStaticLine(panel, wxID_ANY, wxPoint(15, 339), wxSize(805, -1));
    new wxStaticLine(panel, wxID_ANY, wxPoint(15, 341), wxSize(805, -1));

    closeButton = new wxButton(panel, kIdClose, wxS("&Schließen"), wxPoint(360, 580));

    AddFields(kFields);

    auto text = [&](const wxString& label, int x, int y) { return AddText(label, x, y); };
    text(wxS("Spannweite [m]:"), 350, 64);
    text(wxS("Gesamtauftriebsbeiwert [-]:"), 350, 104);
    text(wxS("Auftriebsgradient [-]:"), 595, 64);
    text(wxS("Multiplikator von 2PI"), 595, 79);
    text(wxS("Flügelstreckung [-]:"), 595, 104);
    // The blanks leave room for the subscripts, set 4 pixels lower.
    text(wxS("Fourier-Koeffizient a   [-]:"), 355, 149);
    text(wxS("1"), 449, 153);
    text(wxS("Fourier-Koeffizient a   [-]:"), 595, 149);
    text(wxS("3"), 689, 153);
    text(wxS("Fourier-Koeffizient a    [-]:"), 355, 174);
    text(wxS("5"), 449, 178);
    text(wxS("Länge des Abschnitts AB [% von b/2]:"), 355, 224);
    text(wxS("Geom. Anstellwinkel in A [°]:"), 595, 224);
    text(wxS("rel. Geom. Anstellwinkel in B [°]:"), 595, 249);
    text(wxS("Länge des Abschnitts BC [% von b/2]:"), 355, 274);
    text(wxS("rel. Geom. Anstellwinkel in C [°]:"), 595, 274);
    text(wxS("Länge des Abschnitts CD [% von b/2]:"), 355, 299);
    text(wxS("rel. Geom. Anstellwinkel in D [°]:"), 595, 299);

    text(wxS("Bezugsflügelfläche S [m²]:"), 400, 366);
    text(wxS("Bezugsflügeltiefe [m]:"), 400, 391);
    text(wxS("Flügelstreckung Lambda [-]:"), 400, 416);
    text(wxS("Auftriebsbeiwert c                 [-]:"), 400, 466);
    text(wxS("A_gesamt"), 485, 470);
    text(wxS("induzierter Widerstandsbeiwert c                   [-]:"), 400, 491);
    text(wxS("Wi_gesamt"), 555, 495);
    text(wxS("k-Faktor [-]:"), 400, 516);

    CreateResultLabels(panel, 655, {365, 390, 415, 465, 490, 515}, wxS("3"), wxS("16.0"));
    rootAngleCaption = text(wxS("Geom. Anstellwinkel a.d. Wurzel [°]:"), 400, 441);
    rootAngleLabel = text(wxS("16.0"), 655, 440);

    for (int y : {64, 104, 149, 174}) text(wxS("="), 490, y);
    for (int y : {64, 104, 149, 224, 249, 274, 299}) text(wxS("="), 750, y);
    for (int y : {224, 274, 299}) text(wxS("="), 540, y);
    for (int y : {366, 391, 416, 466, 491, 516}) text(wxS("="), 635, y);
    rootAngleEquals = text(wxS("="), 635, 441);

    const wxString modes[] = {wxS("Gesamtauftriebsbeiwert"), wxS("1. Fourierkoeffizienten")};
    circulationModeRadio =
        new wxRadioBox(panel, kIdRadio, wxS("Berechnung der Zirkulation mit dem"), wxPoint(350, 20),
                       wxSize(450, 38), 2, modes, 2, wxRA_SPECIFY_COLS);
    circulationModeRadio->SetSelection(0);
    a1Field->Enable(false);
    rootAngleField->Enable(false);
    const wxString scalings[] = {wxS("Tiefenverteilung maßstäblich"), wxS("nicht maßstäblich")};
    chordScalingRadio = new wxRadioBox(panel, kIdRadio, wxString(), wxPoint(25, 535),
                                       wxSize(290, 40), 2, scalings, 2, wxRA_SPECIFY_COLS);
    chordScalingRadio->SetSelection(0);

    circulationCanvas = new LltChordDesignCirculationCanvas(panel, *this, wxID_ANY, wxPoint(30, 20),
                                                            wxSize(280, 135));
    twistCanvas =
        new LltChordDesignTwistCanvas(panel, *this, wxID_ANY, wxPoint(30, 165), wxSize(280, 160));
    chordCanvas =
        new LltChordDesignChordCanvas(panel, *this, wxID_ANY, wxPoint(30, 360), wxSize(280, 180));
    AddFileControls(wxS(" tiefe.dat "), wxPoint(440, 540), kIdChooseFile, wxPoint(347, 534));

    SetFieldToolTips(kFields);
    circulationCanvas->SetToolTip(wxS("Zirkulationsverteilung vorgeben"));
    twistCanvas->SetToolTip(wxS("Schränkungsverteilung vorgeben"));
    chordCanvas->SetToolTip(wxS("Ausgabe der Tiefenverteilung"));
    chooseFileButton->SetToolTip(wxS("Werte abspeichern"));
    closeButton->SetToolTip(wxS("Abbrechen"));

    DeclareFields(kFields);
}

LltChordDesignInputs LltChordDesignFrame::ReadInputs() const {
    LltChordDesignInputs in = ReadFields(kFields);
    in.circulationMode = circulationMode;
    return in;
}

void LltChordDesignFrame::SetInputStatus(const wxString& text) {
    SetStatusText(areaMissed_ ? AreaMissedStatus() : text, 0);
}

LltTaskFrame::Accepted LltChordDesignFrame::ComputeAccepted() {
    const LltChordDesignInputs in = ReadInputs();
    const LltChordDesignResult r = LltRunChordDesign(in);
    areaMissed_ = r.AreaMissed();

    SetResultTexts(wxString::FromUTF8(r.area), wxString::FromUTF8(r.meanChord),
                   wxString::FromUTF8(r.aspectRatio), wxString::FromUTF8(r.lift),
                   wxString::FromUTF8(r.inducedDrag), wxString::FromUTF8(r.kFactor));
    if (r.liftMode) rootAngleLabel->SetLabel(wxString::FromUTF8(r.rootAngleText));
    // A wing that misses its area is never shown without saying so.
    if (areaMissed_) {
        SetStatusText(AreaMissedStatus(), 0);
    } else if (GetStatusBar()->GetStatusText(0) == AreaMissedStatus()) {
        SetStatusText(kInputStatus, 0);
    }

    // The plots of this result keep the scaling it was computed with.
    const double scaling = chordScaling;
    const double rootAngle = r.rootAngle;
    return {r.record, [this, record = r.record, in, rootAngle, scaling] {
                DrawPlots(*record, in, rootAngle, scaling);
            }};
}

void LltChordDesignFrame::DrawPlots(const LltSolver& s, const LltChordDesignInputs& in,
                                    double rootAngle, double scaling) {
    circulationCanvas->DrawWith([&](wxDC& dc) {
        LltPaintDesignCirculation(dc, s, in.circulationMode, heldCirculationScale);
    });
    twistCanvas->DrawWith([&](wxDC& dc) { LltPaintChordDesignTwist(dc, s, rootAngle, in); });
    chordCanvas->DrawWith([&](wxDC& dc) { LltPaintChordDesignChord(dc, s, scaling); });
}

void LltChordDesignFrame::OnRadioBox(wxCommandEvent&) {
    // Either radio box lands here: a change of one re-reads both. No field text changes.
    circulationMode = circulationModeRadio->GetSelection();
    const bool a1Given = circulationMode == 1.0;
    liftCoefficientField->Enable(!a1Given);
    aspectRatioField->Enable(!a1Given);
    a1Field->Enable(a1Given);
    rootAngleField->Enable(a1Given);
    rootAngleCaption->Show(!a1Given);
    rootAngleEquals->Show(!a1Given);
    rootAngleLabel->Show(!a1Given);
    chordScaling = chordScalingRadio->GetSelection();
    // Its repaint recomputes the whole window with the new mode and scaling.
    chordCanvas->Refresh();
    chordCanvas->Update();
}

wxBEGIN_EVENT_TABLE(LltChordDesignFrame, LltTaskFrame)
    EVT_MENU(luvo::kIdMenuClose, LltChordDesignFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, LltChordDesignFrame::OnInfo)
    EVT_BUTTON(LltChordDesignFrame::kIdChooseFile, LltChordDesignFrame::OnChooseFile)
    EVT_RADIOBOX(LltChordDesignFrame::kIdRadio, LltChordDesignFrame::OnRadioBox)
    EVT_BUTTON(LltChordDesignFrame::kIdClose, LltChordDesignFrame::OnClose)
    EVT_CLOSE(LltChordDesignFrame::OnCloseWindow)
wxEND_EVENT_TABLE()

bool llt::chordDesignOpen() { return luvo::IsLiveWindow(llt::chordDesignFrame); }
