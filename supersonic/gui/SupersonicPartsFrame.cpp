#include "supersonic/gui/SupersonicPartsFrame.h"

#include <wx/button.h>
#include <wx/statbox.h>

#include <algorithm>

#include "common/gui/SingleWindow.h"
#include "common/gui/WxNumber.h"
#include "supersonic/gui/SupersonicCanvases.h"
#include "supersonic/gui/SupersonicControls.h"
#include "supersonic/gui/SupersonicModule.h"

namespace {

enum { kIdClose = 3, kIdSave = 4 };

wxString Text(const std::string& s) { return wxString::FromUTF8(s); }

}  // namespace

wxBEGIN_EVENT_TABLE(SupersonicPartsFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, SupersonicPartsFrame::OnClose)
    EVT_BUTTON(kIdClose, SupersonicPartsFrame::OnClose)
    EVT_CLOSE(SupersonicPartsFrame::OnCloseRequest)
    EVT_MENU(luvo::kIdMenuInfo, SupersonicPartsFrame::OnInfo)
    EVT_BUTTON(kIdSave, SupersonicPartsFrame::OnSave)
wxEND_EVENT_TABLE()

SupersonicPartsFrame::SupersonicPartsFrame(const wxString& title, const wxPoint& pos,
                                           const wxSize& size, long style, const wxString& fileName)
    : SupersonicDesignFrame(title, pos, size, style, SupersonicWindow::Parts) {
    const SupersonicSettings s = StartSettings(fileName);
    profile_ = std::make_unique<SupersonicProfile>(SupersonicStartProfile(window_, s));
    supersonic::g_profile = profile_.get();
    SetStatusText(wxEmptyString, 0);

    CreateFlowFields(505, 5, 520, 685, 720, 25, s);

    new wxStaticBox(panel, wxID_ANY, wxS("Antimetrischer Anteil"), wxPoint(505, 105),
                    wxSize(300, 175));
    new wxStaticText(panel, wxID_ANY, wxS("Anzahl der Stützpunkte:"), wxPoint(520, 133));
    antimetricCountField =
        new SupersonicCountField(panel, Text(s.part1.countText), wxPoint(720, 130), wxSize(50, -1));
    new wxStaticBox(panel, wxID_ANY, wxS("Birnbaumkoeffizienten"), wxPoint(520, 170),
                    wxSize(270, 95));
    coefficientCheckBox = new SupersonicCoefficientCheckBox(
        panel, wxID_ANY, wxS("Koeffizienten eingeben?"), wxPoint(540, 190));
    for (int k = 0; k < 6; ++k) {
        const int x = 535 + 85 * (k / 2);
        const int y = k % 2 == 0 ? 216 : 236;
        new wxStaticText(panel, wxID_ANY, wxString::Format(wxS("A%d:"), k), wxPoint(x, y));
        coefficientFields[k] = new SupersonicCoefficientField(
            panel, Text(s.coefficientTexts[k]), wxPoint(x + 20, y - 4), wxSize(50, -1));
    }

    new wxStaticBox(panel, wxID_ANY, wxS("Symmetrischer Anteil"), wxPoint(505, 300),
                    wxSize(300, 155));
    new wxStaticText(panel, wxID_ANY, wxS("Anzahl der Stützpunkte:"), wxPoint(520, 333));
    symmetricCountField =
        new SupersonicCountField(panel, Text(s.part2.countText), wxPoint(720, 330), wxSize(50, -1));
    new wxStaticBox(panel, wxID_ANY, wxS("Zeichenmodus"), wxPoint(520, 365), wxSize(270, 75));
    linearRadio = new SupersonicPartsModeRadio(panel, wxS("Linear"), wxPoint(530, 385), wxRB_GROUP);
    splineRadio = new SupersonicPartsModeRadio(panel, wxS("Spline"), wxPoint(600, 385), 0);
    new wxStaticText(panel, wxID_ANY, wxS("Krümmungen:"), wxPoint(530, 415));
    new wxStaticText(panel, wxID_ANY, wxS("x/t=0:"), wxPoint(615, 415));
    curvatureStartField = new SupersonicValueField(panel, Text(s.part2.curvatureStartText),
                                                   wxPoint(650, 411), wxSize(30, -1));
    new wxStaticText(panel, wxID_ANY, wxS("x/t=1:"), wxPoint(705, 415));
    curvatureEndField = new SupersonicValueField(panel, Text(s.part2.curvatureEndText),
                                                 wxPoint(740, 411), wxSize(30, -1));
    pairs_.push_back({linearRadio, splineRadio, curvatureStartField, curvatureEndField});

    CreateResultRows(505, 475, 225, 685, 735, 775, true);

    coefficientCheckBox->SetValue(s.coefficientMode);
    for (SupersonicCoefficientField* field : coefficientFields) field->Enable(s.coefficientMode);
    antimetricCountField->Enable(!s.coefficientMode);
    linearRadio->SetValue(!s.part2.spline);
    splineRadio->SetValue(s.part2.spline);
    curvatureStartField->Enable(s.part2.spline);
    curvatureEndField->Enable(s.part2.spline);

    CreateWarning(wxPoint(125, 717));
    new wxButton(panel, kIdSave, wxS("S&peichern"), wxPoint(580, 710));
    new wxButton(panel, kIdClose, wxS("&Schließen"), wxPoint(680, 710));

    CreateOptions(635, 77, 667, 667, 684, 684);
    new wxStaticText(panel, wxID_ANY, wxS("Profilkontur:"), wxPoint(20, 650));
    showPartsCheckBox = new SupersonicOptionCheckBox(
        panel, 10, wxS("Überlagerung Sym./antim. Anteil"), wxPoint(160, 650));
    showPartsCheckBox->SetValue(true);

    camberCanvas = new SupersonicCamberCanvas(panel, wxPoint(10, 10), wxSize(480, 200));
    thicknessCanvas = new SupersonicThicknessCanvas(panel, wxPoint(10, 220), wxSize(480, 200));
    resultCanvas = new SupersonicResultCanvas(panel, wxPoint(10, 430), wxSize(480, 200));
    MarkBuilt();
}

void SupersonicPartsFrame::ReadInputs() {
    if (!IsLive()) return;
    SupersonicProfile& p = Profile();
    p.part1.supportCount = SupportCount(antimetricCountField);
    if (p.part1.coefficientMode) {
        for (int k = 0; k < 6; ++k) p.part1.coefficients[k] = coefficientFields[k]->Number();
    }
    p.part2.supportCount = SupportCount(symmetricCountField);
    p.part2.endCurvature0 = curvatureStartField->Number();
    p.part2.endCurvature1 = curvatureEndField->Number();
    p.part2.curved = splineRadio->GetValue();
}

bool SupersonicPartsFrame::IsCurrent() const { return supersonic::g_partsFrame.get() == this; }

bool SupersonicPartsFrame::CoefficientsEntered() const { return coefficientCheckBox->GetValue(); }

void SupersonicPartsFrame::EnableCoefficientInputs(bool on) {
    antimetricCountField->Enable(!on);
    alphaField->Enable(!on);
    for (SupersonicCoefficientField* field : coefficientFields) field->Enable(on);
}

bool SupersonicPartsFrame::ShowsParts() const { return showPartsCheckBox->GetValue(); }

void SupersonicPartsFrame::Recalculate(SupersonicRedraw which) {
    if (!IsLive()) return;
    ReadInputs();
    Profile().Compute();
    ShowResults();
    if (which != SupersonicRedraw::Thickness) RedrawCanvas(camberCanvas);
    if (which != SupersonicRedraw::Camber) RedrawCanvas(thicknessCanvas);
    RedrawCanvas(resultCanvas);
}

void SupersonicPartsFrame::ShowComputedInputs() {
    SupersonicProfile& p = Profile();
    p.part1.coefficientMode = coefficientCheckBox->GetValue();
    if (p.part1.coefficientMode) {
        alphaField->SetQuietly(luvo::FormatLabel("%.2f", p.alpha));
        return;
    }
    for (int k = 0; k < 6; ++k) {
        coefficientFields[k]->ChangeValue(luvo::FormatLabel("%.5f", p.part1.coefficients[k]));
    }
}

luvo::NumericField* SupersonicPartsFrame::FieldForKey(const std::string& key) {
    if (key == "anzahl_asym") return antimetricCountField;
    if (key == "anzahl_sym") return symmetricCountField;
    if (key == "k_x0") return curvatureStartField;
    if (key == "k_x1") return curvatureEndField;
    for (int k = 0; k < 6; ++k) {
        if (key == "bbk_A" + std::to_string(k)) return coefficientFields[k];
    }
    return nullptr;
}

SupersonicSettings SupersonicPartsFrame::CurrentSettings() const {
    SupersonicSettings s = FlowSettings();
    FillSide(s.part1, profile_->part1, antimetricCountField, nullptr);
    FillSide(s.part2, profile_->part2, symmetricCountField, &pairs_.front());
    s.coefficientMode = coefficientCheckBox->GetValue();
    for (int k = 0; k < 6; ++k) {
        s.coefficientTexts[k] = luvo::PointText(coefficientFields[k]->GetValue());
        s.coefficients[k] = coefficientFields[k]->Number();
    }
    return s;
}

void SupersonicPartsFrame::OnClose(wxCommandEvent&) {
    if (!IsLive()) return;
    supersonic::g_partsFrame.Release();
    CloseWindow();
}

void SupersonicPartsFrame::OnCloseRequest(wxCloseEvent&) {
    luvo::ReleaseIfHeld(supersonic::g_partsFrame, this);
    CloseWindow();
}

void SupersonicPartsFrame::OnInfo(wxCommandEvent&) {
    SetStatus(wxS("Gewählt: Info"));
    luvo::ShowInfoBox(
        this,
        wxS("Für den antimetrischen und symmetrischen Teil des Profils können jeweils die\n"
            "Stützpunktanzahl angegeben werden und die Punkte im jeweiligen Profilkonturbild\n"
            "verschoben werden. Bei der Art derVerbindung kann zwischen Linien und einer\n"
            "stetigen Splinekontur gewählt werden. Zusätzlich steht bei der Splinekontur noch\n"
            "die Vorgabe der Krümmung in der Profilvorder- und Hinterkante zur Verfügung.\n\n"
            "Es werden die Widerstands- und Auftriebsbeiwerte sowohl für die linearisierte,\n"
            "als auch für die Stoß-Expansions-Theorie ausgegeben. Die Druckverteilung wird\n"
            "graphisch angezeigt und es besteht die Möglichkeit, einzelne Graphen ein und aus\n"
            "zublenden."),
        wxS("Info Überschallberechnung"));
}

void SupersonicPartsFrame::OnSave(wxCommandEvent&) {
    Save(
        wxS("Konfiguration (*.cfg)|*.cfg|Ergebnisdatei (*.dat)|*.dat|Profilkoordinaten "
            "(*.pol)|*.pol"));
}

bool supersonic::g_partsFrameOpen() { return luvo::IsLiveWindow(supersonic::g_partsFrame); }
