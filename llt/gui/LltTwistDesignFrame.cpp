#include "llt/gui/LltTwistDesignFrame.h"

#include <wx/statbox.h>
#include <wx/statline.h>

#include "common/gui/SingleWindow.h"
#include "llt/gui/LltDesignPlots.h"
#include "llt/gui/LltModule.h"

namespace {

const wxString kDefaultFileLabel = wxS("alfaGeom.dat");

// `self`: the window being built, which the module's reference may name.
LltTaskFrameSetup Setup(const LltTwistDesignFrame* self) {
    LltTaskFrameSetup s;
    s.window = LltTaskWindow::TwistDesign;
    s.statusFields = 2;
    s.status = wxS("Eingabe der Parameter");
    s.fileName = &llt::twistFileName;
    s.writeFile = &LltSolver::WriteTwistFile;
    s.dialogFile = kDefaultFileLabel;
    s.infoText =
        wxS("Die 1. Entwurfsaufgabe: \n\n"
            "Durch Eingabe der Zirkulation über die Fourierkoeffizienten oder\n"
            "durch Ziehen der roten Kästen und durch Veränderung der Tiefen-\n"
            "verteilung über die Halbspannweite errechnet das Programm die \n"
            "Schränkungsverteilung. Von Interesse ist dabei vor allem die rela-\n"
            "tive Schränkung, also die Differenz zwischen den Anstellwinkeln an\n"
            "der Flügelwurzel und an der Flügelspitze.\n"
            "Außerdem werden die geometrischen Daten, die Beiwerte und der\n"
            "k-Faktor angezeigt. All diese werden auch in die Datei geschrieben.\n\n"
            "Hinweis:\n"
            "Durch Ziehen der Zirkulation werden alle drei Fourierkoeffizienten\n"
            "gleichzeitig verändert. Eine zu große Veränderung führt daher zu\n"
            "Werten außerhalb der zulässigen Bereiche.\n\n");
    s.infoCaption = wxS("INFO 1. Entwurfsaufgabe");
    s.statusAfterInfo = wxS("Info: 1. Entwurfsaufgabe");
    s.forget = [self] { luvo::ReleaseIfHeld(llt::twistDesignFrame, self); };
    return s;
}

using F = LltTwistDesignFrame;
using In = LltTwistDesignInputs;

// The fields in the order of their creation.
// clang-format off
const LltFieldRow<F, LltTwistDesignField, In> kFields[] = {
    {&F::spanField,            wxS("8.0"),  {500, 65},  LltInput::Span,      &In::span,
     wxS("1 < Spannweite <= 100")},
    {&F::liftCoefficientField, wxS("0.3"),  {500, 90},  LltInput::TotalLift, &In::liftCoefficient,
     wxS("-1 < Gesamtauftriebsbeiwert <= 3")},
    {&F::liftSlopeField,       wxS("1"),    {500, 115}, LltInput::LiftSlope, &In::liftSlope,
     wxS("Gradient für den Auftriebsbeiwert \n 1 <= Multiplikator für PI <= 3")},
    {&F::a1Field,              wxS("0.03"), {500, 175}, LltInput::A1,        &In::a1,
     wxS("-1 <= 1. Fourier-Koeffizient <= 1")},
    {&F::a3Field,              wxS("0.00"), {690, 175}, LltInput::A3,        &In::a3,
     wxS("-1 <= 3. Fourier-Koeffizient <= 1")},
    {&F::a5Field,              wxS("0.00"), {500, 200}, LltInput::A5,        &In::a5,
     wxS("-1 <= 5. Fourier-Koeffizient <= 1")},
    {&F::segmentABField,       wxS("50"),   {550, 240}, LltInput::SegmentAB, &In::s1,
     wxS("0 < Länge des Abschnitts AB [%] <= 100")},
    {&F::segmentBCField,       wxS("25"),   {550, 290}, LltInput::SegmentBC, &In::s2,
     wxS("0 <= Länge des Abschnitts BC [%] < 100")},
    {&F::segmentCDField,       wxS("25"),   {550, 315}, LltInput::SegmentCD, &In::s3,
     wxS("0 <= Länge des Abschnitts CD [%] < 100")},
    {&F::chordAField,          wxS("2.00"), {690, 240}, LltInput::ChordA,    &In::chordA,
     wxS("0 < Tiefe an der Flügelwurzel <= 50")},
    {&F::chordBField,          wxS("1.70"), {690, 265}, LltInput::ChordB,    &In::chordB,
     wxS("0 < Tiefe des Flügelschnitts in B <= 50")},
    {&F::chordCField,          wxS("1.30"), {690, 290}, LltInput::ChordC,    &In::chordC,
     wxS("0 < Tiefe des Flügelschnitts in C <= 50")},
    {&F::chordDField,          wxS("0.60"), {690, 315}, LltInput::ChordD,    &In::chordD,
     wxS("0 < Tiefe an der Flügelspitze <= 50")},
};
// clang-format on

}  // namespace

LltTwistDesignFrame::LltTwistDesignFrame(const wxString& title, const wxPoint& pos,
                                         const wxSize& size, long style)
    : LltTwistDesignHost(title, pos, size, style, Setup(this)) {
    panel = panel_;

    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe:"), wxPoint(25, 5), wxSize(290, 350));
    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe:"), wxPoint(340, 5), wxSize(400, 350));
    // Wider than the plot's place on the original platform by what its right-axis labels need
    // in GTK's fonts.
    new wxStaticBox(panel, wxID_ANY, wxS("Ergebnisse:"), wxPoint(25, 370), wxSize(310, 210));
    // Ends above the status line, below the close button (310 high it would run under it).
    new wxStaticBox(panel, wxID_ANY, wxS("Ergebnisse:"), wxPoint(340, 370), wxSize(400, 250));
    new wxStaticBox(panel, wxID_ANY, wxS("dimensionslose Zirkulation:"), wxPoint(350, 160),
                    wxSize(380, 65));
    new wxStaticBox(panel, wxID_ANY, wxS("Tiefenverteilung:"), wxPoint(350, 225), wxSize(380, 115));
    new wxStaticLine(panel, wxID_ANY, wxPoint(15, 364), wxSize(735, -1));
    new wxStaticLine(panel, wxID_ANY, wxPoint(15, 366), wxSize(735, -1));

    closeButton = new wxButton(panel, kIdClose, wxS("&Schließen"), wxPoint(360, 580));

    AddFields(kFields);

    auto text = [&](const wxString& label, int x, int y) { return AddText(label, x, y); };
    CreateResultLabels(panel, 655, {400, 425, 450, 475, 500, 525}, wxS("9.0"), wxS("9.0"));

    text(wxS("Spannweite [m]:"), 355, 69);
    text(wxS("Gesamtauftriebsbeiwert [-]:"), 355, 94);
    text(wxS("Auftriebsgradient [-]:"), 355, 119);
    text(wxS("als Multiplikator von 2*PI"), 355, 134);
    // The blanks leave room for the subscripts, set 4 pixels lower.
    text(wxS("Fourier-Koeffizient a   [-]:"), 355, 179);
    text(wxS("1"), 449, 183);
    text(wxS("Fourier-Koeffizient a    [-]:"), 550, 179);
    text(wxS("3"), 645, 183);
    text(wxS("Fourier-Koeffizient a    [-]:"), 355, 204);
    text(wxS("5"), 449, 208);
    text(wxS("Länge des Abschnitts AB [% von b/2]:"), 355, 244);
    text(wxS("Länge des Abschnitts BC [% von b/2]:"), 355, 294);
    text(wxS("Länge des Abschnitts CD [% von b/2]:"), 355, 319);
    text(wxS("Tiefe in A [m]:"), 605, 244);
    text(wxS("Tiefe in B [m]:"), 605, 269);
    text(wxS("Tiefe in C [m]:"), 605, 294);
    text(wxS("Tiefe in D [m]:"), 605, 319);

    for (int y : {69, 94, 119, 179, 204}) text(wxS("="), 490, y);
    text(wxS("="), 680, 179);
    for (int y : {244, 294, 319}) text(wxS("="), 540, y);
    for (int y : {244, 269, 294, 319}) text(wxS("="), 680, y);
    for (int y : {401, 426, 451, 476, 501, 526}) text(wxS("="), 635, y);

    text(wxS("Bezugsflügelfläche [m²]:"), 400, 401);
    text(wxS("Bezugsflügeltiefe [m]:"), 400, 426);
    text(wxS("Flügelstreckung Lambda [-]:"), 400, 451);
    text(wxS("Auftriebsbeiwert c                 [-]:"), 400, 476);
    text(wxS("A_gesamt"), 485, 480);
    text(wxS("induzierter Widerstandsbeiwert c                    [-]:"), 400, 501);
    text(wxS("Wi_gesamt"), 557, 505);
    text(wxS("k-Faktor [-]:"), 400, 526);

    circulationCanvas = new LltTwistDesignCirculationCanvas(panel, *this, wxID_ANY, wxPoint(30, 20),
                                                            wxSize(280, 135));
    chordCanvas =
        new LltTwistDesignChordCanvas(panel, *this, wxID_ANY, wxPoint(30, 165), wxSize(280, 185));
    twistCanvas =
        new LltTwistDesignTwistCanvas(panel, *this, wxID_ANY, wxPoint(30, 385), wxSize(300, 180));

    const wxString modes[] = {wxS("Gesamtauftriebsbeiwert"), wxS("1. Fourierkoeffizienten")};
    circulationModeRadio =
        new wxRadioBox(panel, kIdRadio, wxS("Berechnung der Zirkulation mit dem:"),
                       wxPoint(350, 20), wxSize(380, 38), 2, modes, 2, wxRA_SPECIFY_COLS);
    circulationModeRadio->SetSelection(0);
    a1Field->Enable(false);
    const wxString scalings[] = {wxS("Alfa-Verteilung skaliert   "), wxS("nicht skaliert")};
    // Below the results box, which GTK draws down to its full height.
    twistScalingRadio = new wxRadioBox(panel, kIdRadio, wxString(), wxPoint(25, 583),
                                       wxSize(290, 36), 2, scalings, 2, wxRA_SPECIFY_COLS);
    twistScalingRadio->SetSelection(0);
    AddFileControls(kDefaultFileLabel, wxPoint(440, 555), kIdChooseFile, wxPoint(347, 549));

    SetFieldToolTips(kFields);
    circulationCanvas->SetToolTip(wxS("Zirkulationsverteilung vorgeben"));
    chordCanvas->SetToolTip(wxS("Tiefenverteilung vorgeben"));
    twistCanvas->SetToolTip(wxS("Ausgabe der Schränkungsverteilung"));
    chooseFileButton->SetToolTip(wxS("Werte abspeichern"));
    closeButton->SetToolTip(wxS("Abbrechen"));

    DeclareFields(kFields);
}

LltTwistDesignInputs LltTwistDesignFrame::ReadInputs() const {
    LltTwistDesignInputs in = ReadFields(kFields);
    in.circulationMode = circulationMode;
    return in;
}

LltTaskFrame::Accepted LltTwistDesignFrame::ComputeAccepted() {
    const LltTwistDesignInputs in = ReadInputs();
    std::shared_ptr<LltSolver> solver = LltRunTwistDesign(in);
    const LltTwistDesignTexts t = LltTwistDesignResultTexts(*solver);
    SetResultTexts(wxString::FromUTF8(t.area), wxString::FromUTF8(t.meanChord),
                   wxString::FromUTF8(t.aspectRatio), wxString::FromUTF8(t.lift),
                   wxString::FromUTF8(t.inducedDrag), wxString::FromUTF8(t.kFactor));
    // The plots of this result keep the scaling it was computed with.
    const double scaling = twistScaling;
    return {solver, [this, solver, in, scaling] { DrawPlots(*solver, in, scaling); }};
}

void LltTwistDesignFrame::DrawPlots(const LltSolver& s, const LltTwistDesignInputs& in,
                                    double scaling) {
    circulationCanvas->DrawWith([&](wxDC& dc) {
        LltPaintDesignCirculation(dc, s, in.circulationMode, heldCirculationScale);
    });
    chordCanvas->DrawWith([&](wxDC& dc) { LltPaintTwistDesignChord(dc, s, in); });
    twistCanvas->DrawWith([&](wxDC& dc) { LltPaintTwistDesignTwist(dc, s, scaling); });
}

void LltTwistDesignFrame::OnRadioBox(wxCommandEvent&) {
    // Either radio box lands here: a change of one re-reads both.
    circulationMode = circulationModeRadio->GetSelection();
    // Each branch writes the field it disables, which is a change: its checks recompute the
    // window with the new mode, but still with the previous scaling.
    if (circulationMode == 1.0) {
        liftCoefficientField->SetValue(wxS("0.3"));
        liftCoefficientField->Enable(false);
        a1Field->Enable(true);
    } else {
        a1Field->SetValue(wxS("0.03"));
        liftCoefficientField->Enable(true);
        a1Field->Enable(false);
    }
    twistScaling = twistScalingRadio->GetSelection();
    // Its repaint recomputes the window with the new scaling.
    twistCanvas->Refresh();
    twistCanvas->Update();
}

wxBEGIN_EVENT_TABLE(LltTwistDesignFrame, LltTaskFrame)
    EVT_MENU(luvo::kIdMenuClose, LltTwistDesignFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, LltTwistDesignFrame::OnInfo)
    EVT_BUTTON(LltTwistDesignFrame::kIdChooseFile, LltTwistDesignFrame::OnChooseFile)
    EVT_RADIOBOX(LltTwistDesignFrame::kIdRadio, LltTwistDesignFrame::OnRadioBox)
    EVT_BUTTON(LltTwistDesignFrame::kIdClose, LltTwistDesignFrame::OnClose)
    EVT_CLOSE(LltTwistDesignFrame::OnCloseWindow)
wxEND_EVENT_TABLE()

bool llt::twistDesignOpen() { return luvo::IsLiveWindow(llt::twistDesignFrame); }
