#include "supersonic/gui/SupersonicContourFrame.h"

#include <wx/button.h>
#include <wx/statbox.h>

#include "common/gui/SingleWindow.h"
#include "common/gui/WxFileName.h"
#include "supersonic/gui/SupersonicCanvases.h"
#include "supersonic/gui/SupersonicControls.h"
#include "supersonic/gui/SupersonicModule.h"

namespace {

enum { kIdClose = 3, kIdSave = 5 };

wxString Text(const std::string& s) { return wxString::FromUTF8(s); }

}  // namespace

wxBEGIN_EVENT_TABLE(SupersonicContourFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, SupersonicContourFrame::OnClose)
    EVT_MENU(luvo::kIdMenuInfo, SupersonicContourFrame::OnInfo)
    EVT_BUTTON(kIdClose, SupersonicContourFrame::OnClose)
    EVT_CLOSE(SupersonicContourFrame::OnCloseRequest)
    EVT_BUTTON(kIdSave, SupersonicContourFrame::OnSave)
wxEND_EVENT_TABLE()

SupersonicContourFrame::SupersonicContourFrame(const wxString& title, const wxPoint& pos,
                                               const wxSize& size, long style,
                                               const wxString& fileName)
    : SupersonicDesignFrame(title, pos, size, style, SupersonicWindow::Contour) {
    SetStatusText(wxEmptyString, 0);
    SupersonicContour contour;
    const bool coordinates =
        !fileName.empty() &&
        SupersonicOpenFileType(std::string(fileName.utf8_str())) == SupersonicFileType::Coordinates;
    if (coordinates) {
        fileContour_ = ReadSupersonicContourFile(luvo::FileSystemName(fileName), contour);
        // A file that holds no contour opens the defaults, and says so.
        if (!fileContour_) fileUnreadable_ = true;
    }
    const SupersonicSettings s = StartSettings(fileName);
    profile_ = std::make_unique<SupersonicProfile>(
        SupersonicStartProfile(window_, s, fileContour_ ? &contour : nullptr));
    supersonic::g_profile = profile_.get();

    contourCanvas = new SupersonicContourCanvas(panel, wxPoint(10, 10), wxSize(480, 200));
    pressureCanvas = new SupersonicPressureCanvas(panel, wxPoint(10, 230), wxSize(480, 200));
    CreateFlowFields(500, 0, 515, 680, 715, 20, s);
    pairs_.push_back(CreateSide(wxS("Oberseite"), 100, s.part1, upperCountField, upperLinearRadio,
                                upperSplineRadio));
    upperCurvatureStartField = pairs_.back().start;
    upperCurvatureEndField = pairs_.back().end;
    pairs_.push_back(CreateSide(wxS("Unterseite"), 240, s.part2, lowerCountField, lowerLinearRadio,
                                lowerSplineRadio));
    lowerCurvatureStartField = pairs_.back().start;
    lowerCurvatureEndField = pairs_.back().end;
    CreateResultRows(500, 380, 220, 680, 730, 770, false);
    CreateOptions(450, 80, 472, 473, 498, 498);
    CreateWarning(wxPoint(30, 545));
    new wxButton(panel, kIdClose, wxS("&Schließen"), wxPoint(400, 543));
    new wxButton(panel, kIdSave, wxS("S&peichern"), wxPoint(300, 543));

    if (fileContour_) {
        for (wxWindow* control :
             std::initializer_list<wxWindow*>{upperCountField, lowerCountField}) {
            control->Disable();
        }
        for (const SupersonicModePair& pair : pairs_) {
            for (wxWindow* control :
                 std::initializer_list<wxWindow*>{pair.linear, pair.spline, pair.start, pair.end}) {
                control->Disable();
            }
        }
    }
    MarkBuilt();
}

template <class Radio>
SupersonicModePair SupersonicContourFrame::CreateSide(const wxString& title, int top,
                                                      const SupersonicSide& side,
                                                      SupersonicCountField*& count, Radio*& linear,
                                                      Radio*& spline) {
    new wxStaticBox(panel, wxID_ANY, title, wxPoint(500, top), wxSize(300, 130));
    new wxStaticText(panel, wxID_ANY, wxS("Anzahl der Stützpunkte:"), wxPoint(515, top + 20));
    count = new SupersonicCountField(panel, Text(side.countText), wxPoint(700, top + 17),
                                     wxSize(50, -1));
    new wxStaticBox(panel, wxID_ANY, wxS("Zeichenmodus"), wxPoint(510, top + 40), wxSize(280, 80));
    linear = new Radio(panel, wxS("Linear"), wxPoint(530, top + 60), wxRB_GROUP);
    spline = new Radio(panel, wxS("Spline"), wxPoint(600, top + 60), 0);
    new wxStaticText(panel, wxID_ANY, wxS("Krümmungen:"), wxPoint(530, top + 90));
    new wxStaticText(panel, wxID_ANY, wxS("x/t=0:"), wxPoint(615, top + 90));
    auto* start = new SupersonicValueField(panel, Text(side.curvatureStartText),
                                           wxPoint(650, top + 87), wxSize(30, -1));
    new wxStaticText(panel, wxID_ANY, wxS("x/t=1:"), wxPoint(705, top + 90));
    auto* end = new SupersonicValueField(panel, Text(side.curvatureEndText), wxPoint(740, top + 87),
                                         wxSize(30, -1));
    linear->SetValue(!side.spline);
    spline->SetValue(side.spline);
    start->Enable(side.spline);
    end->Enable(side.spline);
    return {linear, spline, start, end};
}

void SupersonicContourFrame::ReadInputs() {
    if (!IsLive()) return;
    SupersonicProfile& p = Profile();
    SupersonicCurve* sides[2] = {&p.part1, &p.part2};
    SupersonicCountField* counts[2] = {upperCountField, lowerCountField};
    for (int i = 0; i < 2; ++i) {
        SupersonicCurve& side = *sides[i];
        if (!side.rebuild) continue;
        side.endCurvature0 = pairs_[i].start->Number();
        side.endCurvature1 = pairs_[i].end->Number();
        side.supportCount = SupportCount(counts[i]);
        side.curved = pairs_[i].spline->GetValue();
    }
}

bool SupersonicContourFrame::IsCurrent() const {
    return !supersonic::g_partsFrameOpen() && supersonic::g_contourFrame.get() == this;
}

void SupersonicContourFrame::Recalculate(SupersonicRedraw) {
    if (!IsLive()) return;
    ReadInputs();
    Profile().Compute();
    ShowResults();
    RedrawCanvas(contourCanvas);
    RedrawCanvas(pressureCanvas);
}

luvo::NumericField* SupersonicContourFrame::FieldForKey(const std::string& key) {
    if (key == "anzahl_os") return upperCountField;
    if (key == "anzahl_us") return lowerCountField;
    if (key == "k_x0_o") return upperCurvatureStartField;
    if (key == "k_x1_o") return upperCurvatureEndField;
    if (key == "k_x0_u") return lowerCurvatureStartField;
    if (key == "k_x1_u") return lowerCurvatureEndField;
    return nullptr;
}

SupersonicSettings SupersonicContourFrame::CurrentSettings() const {
    SupersonicSettings s = FlowSettings();
    FillSide(s.part1, profile_->part1, upperCountField, &pairs_[0]);
    FillSide(s.part2, profile_->part2, lowerCountField, &pairs_[1]);
    return s;
}

void SupersonicContourFrame::OnClose(wxCommandEvent&) {
    if (!IsLive()) return;
    supersonic::g_contourFrame.Release();
    CloseWindow();
}

void SupersonicContourFrame::OnCloseRequest(wxCloseEvent&) {
    luvo::ReleaseIfHeld(supersonic::g_contourFrame, this);
    CloseWindow();
}

void SupersonicContourFrame::OnInfo(wxCommandEvent&) {
    SetStatus(wxS("Gewählt: Info"));
    luvo::ShowInfoBox(
        this,
        wxS("Für die Ober- und Unterseite können jeweils die Stützpunktanzahl angegeben\n"
            "werden und die Punkte im Profilkonturbild verschoben werden. Bei der Art der\n"
            "Verbindung kann zwischen Linien und einer stetigen Splinekontur gewählt werden.\n"
            "Zusätzlich steht bei der Splinekontur noch die Vorgabe der Krümmung in der\n"
            "Profilvorder- und Hinterkante zur Verfügung.\n\n"
            "Es werden die Widerstands- und Auftriebsbeiwerte sowohl für die linearisierte,\n"
            "als auch für die Stoß-Expansions-Theorie ausgegeben. Die Druckverteilung wird\n"
            "graphisch angezeigt und es besteht die Möglichkeit, einzelne Graphen ein und aus\n"
            "zublenden."),
        wxS("Info Überschallberechnung"));
}

void SupersonicContourFrame::OnSave(wxCommandEvent&) {
    Save(
        wxS("Konfiguration (*.cfg)|*.cfg|Ergebnis (*.dat)|*.dat|Profilkoordianten "
            "(*.pol)|*.pol"));
}

bool supersonic::g_contourFrameOpen() { return luvo::IsLiveWindow(supersonic::g_contourFrame); }
