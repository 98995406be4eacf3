#include "etl/gui/EtlAnalysisFrame.h"

#include <wx/statbox.h>

#include <algorithm>
#include <iterator>
#include <tuple>

#include "common/gui/SingleWindow.h"
#include "common/gui/WxNumber.h"
#include "etl/gui/EtlAnalysisPlots.h"
#include "etl/gui/EtlModule.h"

namespace {

enum { kIdCancel = 5, kIdChooseFile = 16 };

constexpr int kSweepBoxWidth = 102;  // the "t/4-Linie" box

// `self`: the window being built, which the module's reference may name.
luvo::TaskFrameSetup Setup(const EtlAnalysisFrame* self) {
    luvo::TaskFrameSetup s;
    s.checks = &EtlAnalysisCheckTable();
    s.statusFields = 1;
    s.status = wxS("Eingabe geometrischer Daten");
    s.fileName = &etl::EtlAnalysisFileName;
    // " GammaUndCa.dat " names "GammaUndCa.dat".
    s.trimFileName = true;
    s.dialogFile = wxS("GammaUndCa.dat");
    s.infoText =
        wxS("Durch Ziehen und Verschieben der grauen bzw. blauen Kästchen \n"
            "per Maus, bzw. durch alphanumerische Eingabe über die Tastatur,\n"
            "werden die Flügelgeometrie bzw. Anstellwinkelverteilung einge-\n"
            "geben.\n\n"
            "Als Ausgabe entstehen somit die Verteilungen der Zirkulation\n"
            "und des lokalen Auftriebsbeiwertes. Ferner werden geometrische \n"
            "Daten und aerodynamische Beiwerte, sowie der k-Faktor ausge-\n"
            "geben. All diese werden auch in die Datei geschrieben.\n\n"
            "Hinweis:\n"
            "Da die Ergebnisse on the fly berechnet werden, konnte auf die\n"
            "graphische Oberfläche hierbei nicht Acht gegeben werden. Grund-\n"
            "lage der Berechnung sind nicht die Schaubilder, sondern die Werte\n"
            "in den Feldern auf der rechten Seite.\n");
    s.infoCaption = wxS("Info Nachrechenaufgabe");
    s.statusAfterInfo = wxS("INFO: Nachrechenaufgabe");
    s.forget = [self] { luvo::ReleaseIfHeld(etl::EtlAnalysisWindow, self); };
    return s;
}

using F = EtlAnalysisFrame;
using In = EtlAnalysisInputs;
using E = EtlInput;

// The fields in the order of their creation; no check reads the lift-slope factor.
// clang-format off
const luvo::FieldRow<F, EtlAnalysisField, In, EtlInput> kFields[] = {
    {&F::spanField,      wxS("10"),    {540, 20},  E::Span,     &In::span,
     wxS("1 < Spannweite <= 100")},
    {&F::sideslipField,  wxS("0.0"),   {540, 45},  E::Sideslip, &In::sideslip,
     wxS("-30 <= Schiebewinkel [°] < 30")},
    {&F::liftSlopeField, wxS("1"),     {540, 70},  std::nullopt, &In::liftSlopeFactor,
     wxS("Gradient für den Auftriebsbeiwert \n 1 <= Multiplikator für PI [-] <= 3")},
    {&F::sweepABField,   wxS("15.0"),  {435, 135}, E::SweepAB,  &In::sweep1,
     wxS("-45 <= Pfeilwinkel a. d. VK [°] <= 45")},
    {&F::sweepBCField,   wxS("15.0"),  {435, 160}, E::SweepBC,  &In::sweep2,
     wxS("-45 <= Pfeilwinkel2 a. d. VK [°] <= 45")},
    {&F::sweepCDField,   wxS("15.0"),  {435, 185}, E::SweepCD,  &In::sweep3,
     wxS("-45 <= Pfeilwinkel3 a. d. VK [°] <= 45")},
    {&F::lengthABField,  wxS("50.0"),  {775, 135}, E::LengthAB, &In::lengthAB,
     wxS("0 < Länge des Abschnitts AB [%] <= 100")},
    {&F::lengthBCField,  wxS("40.0"),  {775, 160}, E::LengthBC, &In::lengthBC,
     wxS("0 <= Länge des Abschnitts BC [%] <= 100")},
    {&F::lengthCDField,  wxS("10.0"),  {775, 185}, E::LengthCD, &In::lengthCD,
     wxS("0 <= Länge des Abschnitts CD [%] <= 100")},
    {&F::chordAField,    wxS("2.00"),  {435, 240}, E::ChordA,   &In::chordA,
     wxS("0 < Tiefe an der Flügelwurzel [m] <= 50")},
    {&F::chordBField,    wxS("2.00"),  {435, 265}, E::ChordB,   &In::chordB,
     wxS("0 < Tiefe am Punkt B [m] <= 50")},
    {&F::chordCField,    wxS("2.00"),  {435, 290}, E::ChordC,   &In::chordC,
     wxS("0 < Tiefe am Punkt C [m] <= 50")},
    {&F::chordDField,    wxS("2.00"),  {435, 315}, E::ChordD,   &In::chordD,
     wxS("0 < Tiefe am Flügelende [m] <= 50")},
    {&F::angleAField,    wxS("10.00"), {775, 240}, E::AngleA,   &In::angleA,
     wxS("-5 <= Geom. Anstellwinkel des Profils in A [°] <= 10")},
    {&F::angleBField,    wxS("0.00"),  {775, 265}, E::AngleB,   &In::angleB,
     wxS("-5 <= rel. Geom. Anstellwinkel des Profils in B [°] <= 5")},
    {&F::angleCField,    wxS("0.00"),  {775, 290}, E::AngleC,   &In::angleC,
     wxS("-5 <= rel. Geom. Anstellwinkel des Profils in C [°] <= 5")},
    {&F::angleDField,    wxS("0.00"),  {775, 315}, E::AngleD,   &In::angleD,
     wxS("-5 <= rel. Geom. Anstellwinkel des Profils in D [°] <= 5")},
};
// clang-format on

// The label of each field, at the left edge of its column, in the order of kFields.
struct FieldLabel {
    const wxStringCharType* text;
    int x;
};
const FieldLabel kFieldLabels[] = {
    {wxS("Spannweite b [m]:"), 355},
    {wxS("Schiebewinkel beta [°]:"), 355},
    {wxS("Auftriebsgradient dca/dalfa [-]:"), 355},
    {wxS("phi_VK1 [°]:"), 356},
    {wxS("phi_VK2 [°]:"), 356},
    {wxS("phi_VK3 [°]:"), 356},
    {wxS("Länge des Abschnitts AB [% von b/2]:"), 586},
    {wxS("Länge des Abschnitts BC [% von b/2]:"), 586},
    {wxS("Länge des Abschnitts CD [% von b/2]:"), 586},
    {wxS("Tiefe in A [m]:"), 356},
    {wxS("Tiefe in B [m]:"), 356},
    {wxS("Tiefe in C [m]:"), 356},
    {wxS("Tiefe in D [m]:"), 356},
    {wxS("Geom. Anstellwinkel in A [°]:"), 586},
    {wxS("rel. Geom. Anstellwinkel in B [°]:"), 586},
    {wxS("rel. Geom. Anstellwinkel in C [°]:"), 586},
    {wxS("rel. Geom. Anstellwinkel in D [°]:"), 586},
};

bool SameInputs(const In& a, const In& b) {
    const double In::*values[] = {
        &In::span,     &In::sideslip, &In::liftSlopeFactor, &In::sweep1, &In::sweep2, &In::sweep3,
        &In::lengthAB, &In::lengthBC, &In::lengthCD,        &In::chordA, &In::chordB, &In::chordC,
        &In::chordD,   &In::angleA,   &In::angleB,          &In::angleC, &In::angleD};
    for (const double In::*v : values) {
        if (!(a.*v == b.*v)) return false;
    }
    return true;
}

}  // namespace

EtlAnalysisFrame::EtlAnalysisFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                   long style)
    : EtlAnalysisHost(title, pos, size, style, Setup(this)) {
    wxPanel* panel = panel_;
    auto box = [&](const wxString& label, int x, int y, int w, int h) {
        new wxStaticBox(panel, wxID_ANY, label, wxPoint(x, y), wxSize(w, h));
    };
    box(wxS("Eingabe:"), 25, 5, 290, 350);
    box(wxS("Eingabe:"), 340, 5, 490, 350);
    box(wxS("Ergebnisse:"), 25, 370, 290, 200);
    box(wxS("Ergebnisse:"), 340, 370, 490, 200);
    box(wxS("Pfeilwinkel Vorderkante"), 350, 120, 122, 95);
    // The quarter-chord sweeps need room for five characters ("-46.2"): their box and the one
    // below it reach 10 pixels further right than the fixed layout had them, the two boxes on
    // the right and their labels start 10 pixels later.
    box(wxS("t/4-Linie"), 475, 120, kSweepBoxWidth, 95);
    box(wxS("Länge der Trapeze:"), 580, 120, 240, 95);
    box(wxS("Tiefenverteilung:"), 350, 225, 227, 115);
    box(wxS("Schränkungsverteilung:"), 580, 225, 240, 115);

    AddFields(kFields);

    // Each field's label, then "=" just left of the field.
    for (std::size_t k = 0; k < std::size(kFields); ++k) {
        const wxPoint at = kFields[k].at;
        AddText(kFieldLabels[k].text, kFieldLabels[k].x, at.y + 4);
        AddText(wxS("="), at.x - 10, at.y + 4);
    }
    AddText(wxS("Multiplikator von 2PI"), 355, 89);

    // The quarter-chord sweeps in the "t/4-Linie" box, right of the leading-edge sweeps: label,
    // "=" and value each where the fixed layout has them, unless the one before reaches it or the
    // widest sweep (five characters, "-89.9") would reach the box's border.
    const int boxInnerRight = 475 + kSweepBoxWidth - 3;
    const int widestValue = panel->GetTextExtent(wxS("-88.8")).x;
    for (int k = 0; k < 3; ++k) {
        const int y = 139 + 25 * k;
        // A point smaller where the toolkit allows it: the label has only the room between the
        // field and the value.
        wxStaticText* label = AddText(wxString::Format(wxS(" => phi_%d [°]:"), k + 1), 478, y);
        wxFont font = label->GetFont();
        font.SetPointSize(font.GetPointSize() - 1);
        label->SetFont(font);
        label->SetSize(label->GetBestSize());
        wxStaticText* equals = AddText(wxS("="), 537, y);
        const int equalsWidth = equals->GetSize().x;
        int valueX = std::min(545, boxInnerRight - widestValue);
        const int equalsX =
            std::max(label->GetRect().GetRight() + 1, std::min(537, valueX - equalsWidth - 1));
        valueX = std::max(valueX, equalsX + equalsWidth + 1);
        equals->Move(equalsX, y);
        sweepLabels[k] = AddText(wxS("16.0"), valueX, y);
    }

    // The results: label, "=" and value; the subscripts of c sit in the label's gap.
    const wxStringCharType* const resultNames[6] = {
        wxS("Bezugsflügelfläche S [m²]:"),
        wxS("Bezugsflügeltiefe lambda [m]:"),
        wxS("Flügelstreckung Lambda [-]:"),
        wxS("Auftriebsbeiwert c                  [-]:"),
        wxS("induzierter Widerstandsbeiwert c                    [-]:"),
        wxS("k-Faktor [-]:"),
    };
    for (int k = 0; k < 6; ++k) {
        const int y = 400 + 25 * k;
        AddText(resultNames[k], 360, y);
        AddText(wxS("="), 640, y);
        resultLabels[k] = AddText(k == 0 ? wxS("3") : wxS("16.0"), 655, y);
    }
    for (auto [subscript, lineText, y] : {std::tuple{wxS("A_gesamt"), resultNames[3], 475},
                                          std::tuple{wxS("Wi_gesamt"), resultNames[4], 500}}) {
        // Right after the "c" that ends the label's first word group.
        const wxString line(lineText);
        const int gapAt = line.Find(wxS(" c ")) + 2;
        AddText(subscript, 360 + panel->GetTextExtent(line.Left(gapAt)).x, y + 4);
    }

    // The plan form is 20 pixels taller than the fixed layout had it, so that the trailing edge
    // of the default wing (swept 15 degrees) stays on the canvas; the twist plot below gives up
    // 3 pixels and moves down within its box.
    chordCanvas =
        new EtlAnalysisChordCanvas(panel, *this, wxID_ANY, wxPoint(30, 20), wxSize(280, 175));
    twistCanvas =
        new EtlAnalysisTwistCanvas(panel, *this, wxID_ANY, wxPoint(30, 198), wxSize(280, 152));
    circulationCanvas = new EtlAnalysisCirculationCanvas(panel, *this, wxID_ANY, wxPoint(30, 385),
                                                         wxSize(280, 170));
    AddFileControls(wxS(" GammaUndCa.dat "), wxPoint(440, 550), kIdChooseFile, wxPoint(347, 544));
    cancelButton = new wxButton(panel, kIdCancel, wxS("&Abbrechen"), wxPoint(200, 580));

    SetFieldToolTips(kFields);
    chordCanvas->SetToolTip(wxS("Tiefenverteilung vorgeben"));
    twistCanvas->SetToolTip(wxS("Schränkungsverteilung vorgeben"));
    circulationCanvas->SetToolTip(
        wxS("Ausgabe der Zirkulationsverteilung und \n der Verteilung des Auftriebskoeffizienten"));
    cancelButton->SetToolTip(wxS("Abbrechen"));

    DeclareFields(kFields);
}

EtlAnalysisInputs EtlAnalysisFrame::ReadInputs() const { return ReadFields(kFields); }

luvo::TaskFrame::Result EtlAnalysisFrame::ComputeResult() {
    const EtlAnalysisInputs in = ReadInputs();
    // One record per state change: a repaint of unchanged inputs shows the record it has.
    if (!record_ || !SameInputs(in, recordInputs_)) {
        record_ = EtlSolveAnalysis(in);
        recordInputs_ = in;
        etl::EtlCurrentSolver = record_;
    }
    std::shared_ptr<EtlSolver> record = record_;
    ShowResults(*record);
    return {[this, record, in] { DrawPlots(*record, in); },
            [record](const std::string& name) { record->WriteCirculationDistributionFile(name); }};
}

void EtlAnalysisFrame::ShowResults(const EtlSolver& s) {
    auto set = [](wxStaticText* label, const wxString& text) {
        // A repaint sets them again: an unchanged text need not lay its label out anew.
        if (label->GetLabel() != text) label->SetLabel(text);
    };
    const double values[6] = {
        s.area, s.meanChord, s.aspectRatio, s.liftCoefficient, s.inducedDragCoefficient, s.kFactor};
    for (int k = 0; k < 6; ++k) set(resultLabels[k], luvo::FormatLabel("%.3f", values[k]));
    for (int k = 0; k < 3; ++k) {
        set(sweepLabels[k],
            luvo::FormatLabel("%.1f", s.trapezoidQuarterChordSweep[k + 1] * 180.0 / EtlPi));
    }
}

void EtlAnalysisFrame::DrawPlots(const EtlSolver& s, const EtlAnalysisInputs& in) {
    chordCanvas->DrawWith([&](wxDC& dc) { EtlPaintAnalysisChord(dc, s, in); });
    twistCanvas->DrawWith([&](wxDC& dc) { EtlPaintAnalysisTwist(dc, s, in); });
    circulationCanvas->DrawWith([&](wxDC& dc) { EtlPaintAnalysisCirculation(dc, s); });
}

wxBEGIN_EVENT_TABLE(EtlAnalysisFrame, luvo::TaskFrame)
    EVT_MENU(luvo::kIdMenuClose, EtlAnalysisFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, EtlAnalysisFrame::OnInfo)
    EVT_BUTTON(kIdChooseFile, EtlAnalysisFrame::OnChooseFile)
    EVT_BUTTON(kIdCancel, EtlAnalysisFrame::OnClose)
    EVT_CLOSE(EtlAnalysisFrame::OnCloseWindow)
wxEND_EVENT_TABLE()

bool etl::EtlAnalysisOpen() { return luvo::IsLiveWindow(etl::EtlAnalysisWindow); }
