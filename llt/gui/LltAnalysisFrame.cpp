#include "llt/gui/LltAnalysisFrame.h"

#include <wx/statbox.h>
#include <wx/statline.h>

#include "common/gui/SingleWindow.h"
#include "llt/gui/LltAnalysisPlots.h"
#include "llt/gui/LltModule.h"

namespace {

enum { kIdCancel = 5, kIdChooseFile = 15 };

// `self`: the window being built, which the module's reference may name.
LltTaskFrameSetup Setup(const LltAnalysisFrame* self) {
    LltTaskFrameSetup s;
    s.window = LltTaskWindow::Analysis;
    s.statusFields = 1;
    s.status = wxS("Eingabe geometrischer Daten");
    s.fileName = &llt::analysisFileName;
    s.writeFile = &LltSolver::WriteCirculationDistributionFile;
    s.dialogFile = wxS("GammaUndCa.dat");
    s.infoText =
        wxS("Durch Ziehen und Verschieben der grauen bzw. blauen Kästchen \n"
            "per Maus, bzw. durch alfanumerische Eingabe über die Tastatur,\n"
            "werden die Flügelgeometrie oder Anstellwinkelverteilung einge-\n"
            "geben.\n\n"
            "Als Ausgabe entstehen somit die Verteilungen der Zirkulation\n"
            "und des lokalen Auftriebsbeiwertes. Außerdem werden die geo-\n"
            "metrischen Daten, die Beiwerte und der k-Faktor angezeigt.\n"
            "All diese werden auch in die Datei geschrieben.\n\n");
    s.infoCaption = wxS("Info Nachrechenaufgabe");
    s.statusAfterInfo = wxS("INFO: Nachrechenaufgabe");
    s.forget = [self] { luvo::ReleaseIfHeld(llt::analysisFrame, self); };
    return s;
}

using F = LltAnalysisFrame;
using In = LltAnalysisInputs;

// The fields in the order of their creation; no check reads the lift-slope factor.
// clang-format off
const LltFieldRow<F, LltAnalysisField, In> kFields[] = {
    {&F::spanField,      wxS("8"),    {550, 30},  LltInput::Span,      &In::span,
     wxS("1 < Spannweite <= 100")},
    {&F::liftSlopeField, wxS("1"),    {550, 55},  std::nullopt,        &In::liftSlope,
     wxS("Gradient für den Auftriebsbeiwert \n 1 <= Multiplikator für PI <= 3")},
    {&F::segmentABField, wxS("50"),   {550, 135}, LltInput::SegmentAB, &In::s1,
     wxS("0 < Länge des Abschnitts AB [%] <= 100")},
    {&F::segmentBCField, wxS("25"),   {550, 160}, LltInput::SegmentBC, &In::s2,
     wxS("0 <= Länge des Abschnitts BC [%] < 100")},
    {&F::segmentCDField, wxS("25"),   {550, 185}, LltInput::SegmentCD, &In::s3,
     wxS("0 <= Länge des Abschnitts CD [%] < 100")},
    {&F::chordAField,    wxS("2.00"), {440, 240}, LltInput::ChordA,    &In::chordA,
     wxS("0 < Tiefe an der Flügelwurzel <= 50")},
    {&F::chordBField,    wxS("1.70"), {440, 265}, LltInput::ChordB,    &In::chordB,
     wxS("0 < Tiefe am Punkt B <= 50")},
    {&F::chordCField,    wxS("1.30"), {440, 290}, LltInput::ChordC,    &In::chordC,
     wxS("0 < Tiefe am Punkt C <= 50")},
    {&F::chordDField,    wxS("0.6"),  {440, 315}, LltInput::ChordD,    &In::chordD,
     wxS("0 < Tiefe am Flügelende <= 50")},
    {&F::rootAngleField, wxS("5.0"),  {665, 240}, LltInput::AngleA,    &In::angleA,
     wxS("-5 <= Geom. Anstellwinkel des Profils in A [°] <= 10")},
    {&F::angleBField,    wxS("-0.5"), {665, 265}, LltInput::AngleB,    &In::angleB,
     wxS("-5 <= rel. Geom. Anstellwinkel des Profils in B [°] <= 5")},
    {&F::angleCField,    wxS("-0.8"), {665, 290}, LltInput::AngleC,    &In::angleC,
     wxS("-5 <= rel. Geom. Anstellwinkel des Profils in C [°] <= 5")},
    {&F::angleDField,    wxS("-1.5"), {665, 315}, LltInput::AngleD,    &In::angleD,
     wxS("-5 <= rel. Geom. Anstellwinkel des Profils in D [°] <= 5")},
};
// clang-format on

}  // namespace

LltAnalysisFrame::LltAnalysisFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                   long style)
    : LltAnalysisHost(title, pos, size, style, Setup(this)) {
    wxPanel* panel = panel_;

    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe:"), wxPoint(25, 5), wxSize(290, 350));
    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe:"), wxPoint(340, 5), wxSize(380, 350));
    new wxStaticBox(panel, wxID_ANY, wxS("Ergebnisse:"), wxPoint(25, 370), wxSize(290, 200));
    new wxStaticBox(panel, wxID_ANY, wxS("Ergebnisse:"), wxPoint(340, 370), wxSize(380, 200));
    new wxStaticBox(panel, wxID_ANY, wxS("Länge der Trapeze:"), wxPoint(350, 120),
                    wxSize(360, 100));
    new wxStaticBox(panel, wxID_ANY, wxS("Tiefenverteilung:"), wxPoint(350, 225), wxSize(360, 115));
    new wxStaticBox(panel, wxID_ANY, wxS("Schränkungsverteilung:"), wxPoint(495, 225),
                    wxSize(215, 115));
    new wxStaticLine(panel, wxID_ANY, wxPoint(15, 364), wxSize(715, -1));
    new wxStaticLine(panel, wxID_ANY, wxPoint(15, 366), wxSize(715, -1));

    AddFields(kFields);

    auto text = [&](const wxString& label, int x, int y) { return AddText(label, x, y); };
    text(wxS("Spannweite b [m]:"), 355, 34);
    text(wxS("Auftriebsgradient [-]:"), 355, 59);
    text(wxS("Multiplikator von 2PI"), 355, 74);
    text(wxS("Länge des Abschnitts AB [% von b/2]:"), 355, 139);
    text(wxS("Länge des Abschnitts BC [% von b/2]:"), 355, 164);
    text(wxS("Länge des Abschnitts CD [% von b/2]:"), 355, 189);
    text(wxS("Tiefe in A [m]:"), 355, 244);
    text(wxS("Tiefe in B [m]:"), 355, 269);
    text(wxS("Tiefe in C [m]:"), 355, 294);
    text(wxS("Tiefe in D [m]:"), 355, 319);
    text(wxS("Geom. Anstellwinkel in A [°]:"), 500, 244);
    text(wxS("rel. Geom. Anstellwinkel in B [°]:"), 500, 269);
    text(wxS("rel. Geom. Anstellwinkel in C [°]:"), 500, 294);
    text(wxS("rel. Geom. Anstellwinkel in D [°]:"), 500, 319);

    CreateResultLabels(panel, 655, {400, 425, 450, 475, 500, 525}, wxS("3"), wxS("16.0"));

    for (int y : {34, 59, 139, 164, 189}) text(wxS("="), 540, y);
    for (int y : {244, 269, 294, 319}) text(wxS("="), 430, y);
    for (int y : {244, 269, 294, 319}) text(wxS("="), 655, y);
    for (int y : {401, 426, 451, 476, 501, 526}) text(wxS("="), 635, y);

    text(wxS("Bezugsflügelfläche S [m²]:"), 400, 401);
    text(wxS("Bezugsflügeltiefe [m]:"), 400, 426);
    text(wxS("Flügelstreckung Lambda [-]:"), 400, 451);
    text(wxS("Auftriebsbeiwert c                 [-]:"), 400, 476);
    text(wxS("A_gesamt"), 485, 480);
    text(wxS("induzierter Widerstandsbeiwert c                   [-]:"), 400, 501);
    text(wxS("Wi_gesamt"), 555, 505);
    text(wxS("k-Faktor [-]:"), 400, 526);

    chordCanvas =
        new LltAnalysisChordCanvas(panel, *this, wxID_ANY, wxPoint(30, 20), wxSize(280, 155));
    twistCanvas =
        new LltAnalysisTwistCanvas(panel, *this, wxID_ANY, wxPoint(30, 185), wxSize(280, 155));
    circulationCanvas = new LltAnalysisCirculationCanvas(panel, *this, wxID_ANY, wxPoint(30, 385),
                                                         wxSize(280, 165));
    cancelButton = new wxButton(panel, kIdCancel, wxS("&Abbrechen"), wxPoint(200, 580));
    AddFileControls(wxS(" GammaUndCa.dat "), wxPoint(440, 550), kIdChooseFile, wxPoint(347, 544));

    SetFieldToolTips(kFields);
    chordCanvas->SetToolTip(wxS("Tiefenverteilung vorgeben"));
    twistCanvas->SetToolTip(wxS("Schränkungsverteilung vorgeben"));
    circulationCanvas->SetToolTip(wxS("Ausgabe der Zirkulationsverteilung"));
    cancelButton->SetToolTip(wxS("Abbrechen"));

    DeclareFields(kFields);
}

LltAnalysisInputs LltAnalysisFrame::ReadInputs() const { return ReadFields(kFields); }

LltTaskFrame::Accepted LltAnalysisFrame::ComputeAccepted() {
    const LltAnalysisInputs in = ReadInputs();
    std::shared_ptr<LltSolver> solver = LltSolveAnalysis(in);
    ShowSolvedResults(*solver);
    return {solver, [this, solver, in] { DrawPlots(*solver, in); }};
}

void LltAnalysisFrame::DrawPlots(const LltSolver& s, const LltAnalysisInputs& in) {
    chordCanvas->DrawWith([&](wxDC& dc) { LltPaintAnalysisChord(dc, s, in); });
    twistCanvas->DrawWith([&](wxDC& dc) { LltPaintAnalysisTwist(dc, s, in); });
    circulationCanvas->DrawWith([&](wxDC& dc) { LltPaintAnalysisCirculation(dc, s); });
}

wxBEGIN_EVENT_TABLE(LltAnalysisFrame, LltTaskFrame)
    EVT_MENU(luvo::kIdMenuClose, LltAnalysisFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, LltAnalysisFrame::OnInfo)
    EVT_BUTTON(kIdChooseFile, LltAnalysisFrame::OnChooseFile)
    EVT_BUTTON(kIdCancel, LltAnalysisFrame::OnClose)
    EVT_CLOSE(LltAnalysisFrame::OnCloseWindow)
wxEND_EVENT_TABLE()

bool llt::analysisOpen() { return luvo::IsLiveWindow(llt::analysisFrame); }
