#include "llt/LltChordDesignFrame.h"

#include <wx/filedlg.h>
#include <wx/statbox.h>
#include <wx/statline.h>

#include "common/WxNumber.h"
#include "llt/LltDesignPlots.h"
#include "llt/LltModule.h"

namespace {

const wxString kDefaultFileLabel = wxS(" tiefe.dat ");
const wxString kInputStatus = wxS("Eingabe der Parameter");

wxString NoRootAngleStatus() { return wxString::FromUTF8(kLltNoRootAngleStatus); }

}  // namespace

LltChordDesignFrame::LltChordDesignFrame(const wxString& title, const wxPoint& pos,
                                         const wxSize& size, long style)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style),
      checks_(LltTaskWindow::ChordDesign, [this] { Recompute(); }) {
    SetStatusText(kInputStatus, 0);
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

    auto field = [&](const wchar_t* text, int x, int y) {
        return new LltChordDesignField(panel, checks_, text, wxPoint(x, y));
    };
    spanField = field(L"15.0", 500, 60);
    liftCoefficientField = field(L"0.3", 500, 100);
    liftSlopeField = field(L"1", 760, 60);
    aspectRatioField = field(L"6.0", 760, 100);
    a1Field = field(L"0.03", 500, 145);
    a3Field = field(L"0.00", 760, 145);
    a5Field = field(L"0.00", 500, 170);
    segmentABField = field(L"50", 550, 220);
    rootAngleField = field(L"5.0", 760, 220);
    angleBField = field(L"-0.4", 760, 245);
    segmentBCField = field(L"25", 550, 270);
    angleCField = field(L"-0.75", 760, 270);
    segmentCDField = field(L"25", 550, 295);
    angleDField = field(L"-1.5", 760, 295);

    auto text = [&](const wxString& label, int x, int y) {
        return new wxStaticText(panel, wxID_ANY, label, wxPoint(x, y));
    };
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

    // Their initial texts stand only until the first recomputation.
    areaLabel = text(wxS("3"), 655, 365);
    meanChordLabel = text(wxS("16.0"), 655, 390);
    aspectRatioLabel = text(wxS("16.0"), 655, 415);
    liftLabel = text(wxS("16.0"), 655, 465);
    inducedDragLabel = text(wxS("16.0"), 655, 490);
    kFactorLabel = text(wxS("16.0"), 655, 515);
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
    fileNameLabel = text(kDefaultFileLabel, 440, 540);
    chooseFileButton = new wxButton(panel, kIdChooseFile, wxS("Da&tei wählen"), wxPoint(347, 534));

    spanField->SetToolTip(wxS("0 < Spannweite <= 15"));
    liftCoefficientField->SetToolTip(wxS("-1 < Gesamtauftriebsbeiwert <= 3"));
    liftSlopeField->SetToolTip(
        wxS("Gradient für den Auftriebsbeiwert \n 1 <= Multiplikator für PI <= 3"));
    aspectRatioField->SetToolTip(wxS("0 < Streckung <= 50"));
    a1Field->SetToolTip(wxS("-1 < 1. Fourier-Koeffizient <= 1"));
    a3Field->SetToolTip(wxS("-1 <= 3. Fourier-Koeffizient <= 1"));
    a5Field->SetToolTip(wxS("-1 <= 5. Fourier-Koeffizient <= 1"));
    segmentABField->SetToolTip(wxS("0 < Länge des Abschnitts AB [%] <= 100"));
    rootAngleField->SetToolTip(wxS("-5 <= Geom. Anstellwinkel des Profils in A [°] <= 10"));
    angleBField->SetToolTip(wxS("-5 <= rel. Geom. Anstellwinkel des Profils in B [°]<= 5"));
    segmentBCField->SetToolTip(wxS("0 <= Länge des Abschnitts BC [%] < 100"));
    angleCField->SetToolTip(wxS("-5 <= rel. Geom. Anstellwinkel des Profils in C [°]<= 5"));
    segmentCDField->SetToolTip(wxS("0 <= Länge des Abschnitts CD [%] < 100"));
    angleDField->SetToolTip(wxS("-5 <= rel. Geom. Anstellwinkel des Profils in D [°]<= 5"));
    circulationCanvas->SetToolTip(wxS("Zirkulationsverteilung vorgeben"));
    twistCanvas->SetToolTip(wxS("Schränkungsverteilung vorgeben"));
    chordCanvas->SetToolTip(wxS("Ausgabe der Tiefenverteilung"));
    chooseFileButton->SetToolTip(wxS("Werte abspeichern"));
    closeButton->SetToolTip(wxS("Abbrechen"));

    checks_.Declare(LltInput::Span, spanField);
    checks_.Declare(LltInput::TotalLift, liftCoefficientField);
    checks_.Declare(LltInput::LiftSlope, liftSlopeField);
    checks_.Declare(LltInput::AspectRatio, aspectRatioField);
    checks_.Declare(LltInput::A1, a1Field);
    checks_.Declare(LltInput::A3, a3Field);
    checks_.Declare(LltInput::A5, a5Field);
    checks_.Declare(LltInput::SegmentAB, segmentABField);
    checks_.Declare(LltInput::SegmentBC, segmentBCField);
    checks_.Declare(LltInput::SegmentCD, segmentCDField);
    checks_.Declare(LltInput::AngleA, rootAngleField);
    checks_.Declare(LltInput::AngleB, angleBField);
    checks_.Declare(LltInput::AngleC, angleCField);
    checks_.Declare(LltInput::AngleD, angleDField);
    // The first recomputation comes from the first painting of the plots.
    checks_.Arm();
}

LltChordDesignFrame::~LltChordDesignFrame() {
    checks_.Disarm();
    // The fields and canvases refer to this window's checks and record: they go first.
    DestroyChildren();
    if (llt::chordDesignFrame == this) llt::chordDesignOpen = false;
}

LltChordDesignInputs LltChordDesignFrame::ReadInputs() const {
    LltChordDesignInputs in;
    in.span = spanField->Number();
    in.liftCoefficient = liftCoefficientField->Number();
    in.liftSlope = liftSlopeField->Number();
    in.aspectRatio = aspectRatioField->Number();
    in.a1 = a1Field->Number();
    in.a3 = a3Field->Number();
    in.a5 = a5Field->Number();
    in.rootAngle = rootAngleField->Number();
    in.angleB = angleBField->Number();
    in.angleC = angleCField->Number();
    in.angleD = angleDField->Number();
    in.s1 = segmentABField->Number();
    in.s2 = segmentBCField->Number();
    in.s3 = segmentCDField->Number();
    in.circulationMode = circulationMode;
    return in;
}

void LltChordDesignFrame::SetInputStatus(const wxString& text) {
    SetStatusText(lastAccepted_.rootAngleMissing ? NoRootAngleStatus() : text, 0);
}

void LltChordDesignFrame::Recompute() {
    if (!checks_.Accepted()) {
        // A rejected text never reaches the record or the chord file.
        if (lastAccepted_.record) DrawPlots(lastAccepted_);
        return;
    }
    const LltChordDesignInputs in = ReadInputs();
    const LltChordDesignResult r = LltRunChordDesign(in);
    llt::currentSolver = r.record;
    lastAccepted_ = {r.record, in, r.rootAngle, chordScaling, r.RootAngleMissing()};

    liftLabel->SetLabel(wxString::FromUTF8(r.lift));
    areaLabel->SetLabel(wxString::FromUTF8(r.area));
    meanChordLabel->SetLabel(wxString::FromUTF8(r.meanChord));
    aspectRatioLabel->SetLabel(wxString::FromUTF8(r.aspectRatio));
    if (r.liftMode) rootAngleLabel->SetLabel(wxString::FromUTF8(r.rootAngleText));
    inducedDragLabel->SetLabel(wxString::FromUTF8(r.inducedDrag));
    kFactorLabel->SetLabel(wxString::FromUTF8(r.kFactor));
    // The results of a failed search belong to -90 degrees: never show them without saying so.
    if (r.RootAngleMissing()) {
        SetStatusText(NoRootAngleStatus(), 0);
    } else if (GetStatusBar()->GetStatusText(0) == NoRootAngleStatus()) {
        SetStatusText(kInputStatus, 0);
    }

    DrawPlots(lastAccepted_);

    // The label's text is the name, blanks included.
    llt::chordFileName = fileNameLabel->GetLabelText();
    r.record->WriteChordFile(llt::FileSystemName(llt::chordFileName));
}

void LltChordDesignFrame::DrawPlots(const Shown& shown) {
    const LltSolver& s = *shown.record;
    const LltChordDesignInputs& in = shown.inputs;
    circulationCanvas->DrawWith(
        [&](wxDC& dc) { LltPaintDesignCirculation(dc, s, in.circulationMode); });
    twistCanvas->DrawWith([&](wxDC& dc) { LltPaintChordDesignTwist(dc, s, shown.rootAngle, in); });
    chordCanvas->DrawWith([&](wxDC& dc) { LltPaintChordDesignChord(dc, s, shown.chordScaling); });
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

void LltChordDesignFrame::OnChooseFile(wxCommandEvent&) {
    wxFileDialog dialog(this, wxS("Dateiname wählen"), wxString(), wxS("tiefe.dat"), wxS("*.dat"),
                        wxFD_SAVE);
    // The new name takes effect at the next recomputation.
    if (dialog.ShowModal() == wxID_OK) fileNameLabel->SetLabelText(dialog.GetPath());
}

void LltChordDesignFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Info"), 0);
    luvo::ShowInfoBox(this,
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
                          "führt daher zu Werten, die zu groß und somit nicht zulässig sind.\n\n"),
                      wxS("INFO 2. Entwurfsaufgabe"));
    SetInputStatus(wxS("Info: 2. Entwurfsaufgabe"));
}

void LltChordDesignFrame::CloseAndForget() {
    Destroy();
    if (llt::chordDesignFrame == this) llt::chordDesignOpen = false;
}

void LltChordDesignFrame::OnClose(wxCommandEvent&) { CloseAndForget(); }

void LltChordDesignFrame::OnCloseWindow(wxCloseEvent&) { CloseAndForget(); }

// clang-format off
wxBEGIN_EVENT_TABLE(LltChordDesignFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, LltChordDesignFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, LltChordDesignFrame::OnInfo)
    EVT_BUTTON(LltChordDesignFrame::kIdChooseFile, LltChordDesignFrame::OnChooseFile)
    EVT_RADIOBOX(LltChordDesignFrame::kIdRadio, LltChordDesignFrame::OnRadioBox)
    EVT_BUTTON(LltChordDesignFrame::kIdClose, LltChordDesignFrame::OnClose)
    EVT_CLOSE(LltChordDesignFrame::OnCloseWindow)
wxEND_EVENT_TABLE()
    // clang-format on
