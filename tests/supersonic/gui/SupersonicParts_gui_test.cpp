#include <cmath>

#include "supersonic/core/SupersonicFiles.h"
#include "tests/supersonic/gui/SupersonicGuiFixture.h"

namespace {

using namespace luvo::test;
using namespace supersonic_test;

class SupersonicPartsTest : public SupersonicGuiTest {
  protected:
    SupersonicPartsFrame* Open(const wxString& file = wxEmptyString) {
        return OpenSupersonicPartsFrame(file);
    }
};

TEST_F(SupersonicPartsTest, OpensWithItsDefaults) {
    SupersonicPartsFrame* f = Open();
    EXPECT_EQ(Status(f), wxS(""));
    EXPECT_EQ(f->machField->GetValue(), wxS("3.0"));
    EXPECT_EQ(f->alphaField->GetValue(), wxS("3"));
    EXPECT_EQ(f->kappaField->GetValue(), wxS("1.4"));
    EXPECT_EQ(f->antimetricCountField->GetValue(), wxS("1"));
    EXPECT_TRUE(f->antimetricCountField->IsEnabled());
    EXPECT_TRUE(f->linearRadio->GetValue());
    EXPECT_FALSE(f->splineRadio->GetValue());
    EXPECT_FALSE(f->curvatureStartField->IsEnabled());
    EXPECT_FALSE(f->curvatureEndField->IsEnabled());
    EXPECT_FALSE(f->coefficientCheckBox->GetValue());
    for (auto* field : f->coefficientFields) EXPECT_FALSE(field->IsEnabled());
    EXPECT_TRUE(f->showPartsCheckBox->GetValue());
    EXPECT_TRUE(f->showLinearUpperCheckBox->GetValue());
    EXPECT_TRUE(f->showLinearLowerCheckBox->GetValue());
    EXPECT_FALSE(f->showLinearDeltaCheckBox->GetValue());
    EXPECT_FALSE(f->showShockUpperCheckBox->GetValue());
    EXPECT_FALSE(f->subsonicWarningText->IsShown());
    EXPECT_EQ(f->Profile().part1.supportCount, 1);
    EXPECT_EQ(f->Profile().part2.supportCount, 1);
    EXPECT_EQ(f->subsonicWarningText->GetLabel(), wxS("Achtung - Unterschallgebiet!"));
    EXPECT_EQ(f->subsonicWarningText->GetForegroundColour(), wxColour(255, 0, 0));
}

TEST_F(SupersonicPartsTest, FlatPlateResultsOfBothTheories) {
    SupersonicPartsFrame* f = Open();
    SetText(f->antimetricCountField, wxS("0"));
    SetText(f->symmetricCountField, wxS("0"));
    EXPECT_EQ(f->liftLinearText->GetLabel(), wxS("0.0740"));
    EXPECT_EQ(f->waveDragLinearText->GetLabel(), wxS("0.0039"));
    EXPECT_EQ(f->momentLinearText->GetLabel(), wxS("-0.0370"));
    EXPECT_EQ(f->pressurePointLinearText->GetLabel(), wxS("0.500"));
    EXPECT_EQ(f->pressurePointShockText->GetLabel(), wxS("0.501"));
    SetText(f->alphaField, wxS("0"));
    EXPECT_EQ(f->pressurePointLinearText->GetLabel(), wxS(" - "));
    EXPECT_EQ(f->liftShockText->GetLabel(), wxS("0"));
    EXPECT_EQ(f->momentShockText->GetLabel(), wxS("0"));
    EXPECT_EQ(f->pressurePointShockText->GetLabel(), wxS("0"));
}

TEST_F(SupersonicPartsTest, SubsonicStateShowsTheWarningAndDashes) {
    SupersonicPartsFrame* f = Open();
    SetText(f->alphaField, wxS("15"));
    SetText(f->machField, wxS("1.2"));
    ASSERT_TRUE(f->Profile().subsonic);
    EXPECT_TRUE(f->subsonicWarningText->IsShown());
    for (wxStaticText* t :
         {f->waveDragShockText, f->liftShockText, f->momentShockText, f->pressurePointShockText}) {
        EXPECT_EQ(t->GetLabel(), wxS(" -"));
    }
    SetText(f->machField, wxS("3"));
    EXPECT_FALSE(f->subsonicWarningText->IsShown());
    EXPECT_NE(f->liftShockText->GetLabel(), wxS(" -"));
}

// Field checks with their exact texts.
TEST_F(SupersonicPartsTest, FieldsReportWrongInput) {
    SupersonicPartsFrame* f = Open();
    struct Row {
        luvo::NumericField* field;
        const char* text;
        const wchar_t* box;  // null: taken
        const wchar_t* status;
    };
    const Row rows[] = {
        {f->antimetricCountField, "5", L"Ungültige Eingabe!\n\nAnzahl der Stützpunkte: 0-4\n\n",
         L" Ungültige Anzahl"},
        {f->machField, "1", L"Ungültige Eingabe!\n\nBereich für Machzahl : 1 < Ma <= 5 \n\n",
         L" Ungültige Eingabe für Machzahl (Bereich: 1 < Ma <= 5 )"},
        {f->alphaField, "16",
         L"Ungültige Eingabe!\n\nBereich für Anstellwinkel : -15 <= alpha <= 15 \n\n",
         L" Ungültige Eingabe für Anstellwinkel (Bereich: -15 <= alpha <= 15 )"},
        {f->kappaField, "2.5", L"Ungültige Eingabe!\n\nBereich für kappa : 1 < kappa <= 2 \n\n",
         L" Ungültige Eingabe für kappa (Bereich: 1 < kappa <= 2 )"},
        {f->machField, "5", nullptr, L""},
        {f->alphaField, "-15", nullptr, L""},
        {f->kappaField, "1.0001", nullptr, L""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        if (row.box == nullptr) {
            BoxRecorder boxes;
            SetText(row.field, row.text);
            EXPECT_TRUE(boxes.boxes().empty());
            EXPECT_EQ(Status(f), wxString(row.status));
            continue;
        }
        ShownBox seen;
        wxTEST_DIALOG(SetText(row.field, row.text), ExpectBox(&seen));
        EXPECT_EQ(seen.message, wxString(row.box));
        EXPECT_EQ(seen.caption, wxS("Fehler"));
        EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
        EXPECT_EQ(Status(f), wxString(row.status));
    }
    // The count goes back to its last valid value; the range field reports once until a value
    // is taken.
    EXPECT_EQ(f->antimetricCountField->GetValue(), wxS("1"));
    SetText(f->antimetricCountField, wxS("2.7"));
    EXPECT_EQ(f->Profile().part1.supportCount, 2);
    {
        ShownBox seen;
        wxTEST_DIALOG(SetText(f->machField, wxS("0")), ExpectBox(&seen));
        BoxRecorder boxes;
        SetText(f->machField, wxS("0.9"));
        EXPECT_TRUE(boxes.boxes().empty());
        EXPECT_DOUBLE_EQ(f->Profile().mach, 5.0);
        SetText(f->machField, wxS("3"));
        EXPECT_EQ(Status(f), wxS(""));
        EXPECT_DOUBLE_EQ(f->Profile().mach, 3.0);
    }
}

TEST_F(SupersonicPartsTest, ModeRadiosAndCoefficientBoxSwitchOnEveryClick) {
    SupersonicPartsFrame* f = Open();
    // A click on the selected "Linear" switches too.
    SendMouse(f->linearRadio, wxEVT_LEFT_DOWN, wxPoint(3, 3), true);
    EXPECT_TRUE(f->splineRadio->GetValue());
    EXPECT_TRUE(f->curvatureStartField->IsEnabled());
    EXPECT_TRUE(f->Profile().part2.curved);
    EXPECT_EQ(Status(f), wxS("Gewählt: Spline Methode"));
    SendMouse(f->linearRadio, wxEVT_LEFT_DOWN, wxPoint(3, 3), true);
    EXPECT_TRUE(f->linearRadio->GetValue());
    EXPECT_FALSE(f->curvatureEndField->IsEnabled());
    EXPECT_EQ(Status(f), wxS("Gewählt: Lineare Methode"));

    // Coefficients typed while the box is clear change nothing.
    const std::vector<SupersonicPoint> camber = f->Profile().part1.points;
    f->coefficientFields[1]->Enable();
    SetText(f->coefficientFields[1], wxS("0.5"));
    EXPECT_EQ(f->Profile().part1.points[60].z, camber[60].z);
    f->coefficientFields[1]->Disable();

    SendMouse(f->coefficientCheckBox, wxEVT_LEFT_DOWN, wxPoint(3, 3), true);
    EXPECT_TRUE(f->coefficientCheckBox->GetValue());
    EXPECT_FALSE(f->antimetricCountField->IsEnabled());
    EXPECT_FALSE(f->alphaField->IsEnabled());
    for (auto* field : f->coefficientFields) EXPECT_TRUE(field->IsEnabled());
    // The camber line now follows the coefficients; alpha* is derived from them.
    SetText(f->coefficientFields[0], wxS("0.1"));
    SetText(f->coefficientFields[2], wxS("0"));
    EXPECT_EQ(f->alphaField->GetValue(), wxString::Format("%.2f", f->Profile().alpha));
    EXPECT_NEAR(f->Profile().alpha, 0.1 * 57.29577951307855, 0.01);
}

TEST_F(SupersonicPartsTest, DragsMoveThePickedPointAndRedrawOnlyTheirCanvases) {
    SupersonicPartsFrame* f = Open();
    // Camber point (0.5, 0.02) lies at pixel (240, 90): x0 + 380 x, y0 - 2500 z.
    Drag(f->camberCanvas, wxPoint(240, 90), wxPoint(278, 65));
    const SupersonicPoint c = f->Profile().part1.supportPoints[0];
    EXPECT_NEAR(c.x, 38 / 380.0 + 0.5, 1e-12);
    EXPECT_NEAR(c.z, 0.03, 1e-12);
    // 0.03 right of it: no pick.
    SendMouse(f->camberCanvas, wxEVT_LEFT_DOWN, wxPoint(278 + 11, 65), true);
    SendMouse(f->camberCanvas, wxEVT_MOTION, wxPoint(300, 60), true);
    EXPECT_EQ(Status(f), wxS("No point found to drag!"));
    SendMouse(f->camberCanvas, wxEVT_LEFT_UP, wxPoint(300, 60), false);
    EXPECT_TRUE(Status(f).StartsWith(wxS("Position: ")));
    // A thickness point dragged left of the nose and below the chord stays at (0.001, 0).
    Drag(f->thicknessCanvas, wxPoint(240, 60), wxPoint(20, 150));
    const SupersonicPoint t = f->Profile().part2.supportPoints[0];
    EXPECT_DOUBLE_EQ(t.x, 0.001);
    EXPECT_DOUBLE_EQ(t.z, 0.0);
    // A camber point beyond the trailing edge stays at x = 1.
    Drag(f->camberCanvas, wxPoint(278, 65), wxPoint(470, 65));
    EXPECT_DOUBLE_EQ(f->Profile().part1.supportPoints[0].x, 1.0);
}

// The steps of a drag on each editable canvas: the press picks the point, every motion with a
// button held moves it, and the release moves it only when it lies away from the last motion
// (motions merged while a recalculation ran); a click without motion leaves the point where it
// was, and a press that picks nothing does not end the drag.
TEST_F(SupersonicPartsTest, DragStepsOnEveryEditableCanvas) {
    enum Buttons { None, Left, Right, Both };
    struct Event {
        wxEventType type;
        int dx, dy;  // from the point's pixel
        Buttons held;
    };
    struct Sequence {
        const char* name;
        std::vector<Event> events;
        bool moves;
        int dx, dy;  // where the point ends, from its pixel
    };
    const Sequence sequences[] = {
        {"a click beside the point without motion",
         {{wxEVT_LEFT_DOWN, 5, 2, Left}, {wxEVT_LEFT_UP, 5, 2, None}},
         false,
         0,
         0},
        {"a left drag released beyond its last motion",
         {{wxEVT_LEFT_DOWN, 0, 0, Left},
          {wxEVT_MOTION, 10, -10, Left},
          {wxEVT_LEFT_UP, 20, -20, None}},
         true,
         20,
         -20},
        {"a right drag released beyond its last motion",
         {{wxEVT_RIGHT_DOWN, 0, 0, Right},
          {wxEVT_MOTION, 10, -10, Right},
          {wxEVT_RIGHT_UP, 20, -20, None}},
         true,
         20,
         -20},
        {"a second press that picks nothing",
         {{wxEVT_LEFT_DOWN, 0, 0, Left},
          {wxEVT_RIGHT_DOWN, 60, 0, Both},
          {wxEVT_MOTION, 10, -10, Both},
          {wxEVT_RIGHT_UP, 10, -10, Left}},
         true,
         10,
         -10},
    };
    struct Canvas {
        const char* name;
        bool contour;
        int y0;
        double zPixelsPerUnit;
    };
    const Canvas canvases[] = {{"camber", false, 140, 2500},
                               {"thickness", false, 100, 1000},
                               {"contour", true, 100, 1000}};
    for (const Canvas& c : canvases) {
        for (const Sequence& s : sequences) {
            SCOPED_TRACE(std::string(c.name) + ": " + s.name);
            wxWindow* canvas = nullptr;
            SupersonicPoint* point = nullptr;
            if (c.contour) {
                SupersonicContourFrame* f = OpenSupersonicContourFrame(wxEmptyString);
                canvas = f->contourCanvas;
                point = &f->Profile().part1.supportPoints[0];
            } else {
                SupersonicPartsFrame* f = Open();
                const bool camber = std::string(c.name) == "camber";
                canvas = camber ? static_cast<wxWindow*>(f->camberCanvas) : f->thicknessCanvas;
                point = camber ? &f->Profile().part1.supportPoints[0]
                               : &f->Profile().part2.supportPoints[0];
            }
            const SupersonicPoint before = *point;
            const wxPoint at(static_cast<int>(std::lround(50 + 380 * before.x)),
                             static_cast<int>(std::lround(c.y0 - c.zPixelsPerUnit * before.z)));
            for (const Event& e : s.events) {
                wxMouseEvent event(e.type);
                event.SetPosition(at + wxPoint(e.dx, e.dy));
                event.m_leftDown = e.held == Left || e.held == Both;
                event.m_rightDown = e.held == Right || e.held == Both;
                event.SetEventObject(canvas);
                canvas->ProcessWindowEvent(event);
            }
            if (!s.moves) {
                EXPECT_EQ(*point, before);
                continue;
            }
            EXPECT_NEAR(point->x, (at.x + s.dx - 50) / 380.0, 1e-12);
            EXPECT_NEAR(point->z, (c.y0 - (at.y + s.dy)) / c.zPixelsPerUnit, 1e-12);
        }
    }
}

TEST_F(SupersonicPartsTest, SaveRoutesByTypeAndAConfigurationReopensTheSameWindow) {
    SupersonicPartsFrame* f = Open();
    SetText(f->machField, wxS("2.5"));
    SetText(f->symmetricCountField, wxS("3"));
    SendMouse(f->splineRadio, wxEVT_LEFT_DOWN, wxPoint(3, 3), true);
    const std::string cfg = dir().file("teile.cfg");
    wxTEST_DIALOG(Click(FindButton(f, wxS("S&peichern"))), ExpectFile(wxString::FromUTF8(cfg)));
    EXPECT_NE(ReadAll(cfg).find("mode: asym_sym\n"), std::string::npos);
    const std::string pol = dir().file("k.cfg.pol");
    wxTEST_DIALOG(Click(FindButton(f, wxS("S&peichern"))), ExpectFile(wxString::FromUTF8(pol)));
    SupersonicContour contour;
    EXPECT_TRUE(ReadSupersonicContourFile(pol, contour));
    ShownBox seen;
    const std::string bad = dir().file("k.txt");
    wxTEST_DIALOG(Click(FindButton(f, wxS("S&peichern"))), ExpectFile(wxString::FromUTF8(bad)),
                  ExpectBox(&seen));
    EXPECT_EQ(seen.message, wxS("Die Datei konnte nicht geschrieben werden, ungültiger Typ!\n\n"));
    EXPECT_EQ(seen.caption, wxS("Datei-Fehler"));
    EXPECT_FALSE(std::filesystem::exists(bad));
    // A folder of that name cannot be written as a file.
    std::filesystem::create_directory(dir().file("ordner.dat"));
    const std::string cannot = dir().file("ordner.dat");
    wxTEST_DIALOG(Click(FindButton(f, wxS("S&peichern"))), ExpectFile(wxString::FromUTF8(cannot)),
                  ExpectBox(&seen));
    EXPECT_EQ(seen.message, wxS("Die Datei konnte nicht geschrieben werden!\n\n"));

    const wxString lift = f->liftLinearText->GetLabel();
    SupersonicPartsFrame* again = Open(wxString::FromUTF8(cfg));
    EXPECT_EQ(again->machField->GetValue(), wxS("2.5"));
    EXPECT_EQ(again->symmetricCountField->GetValue(), wxS("3"));
    EXPECT_TRUE(again->splineRadio->GetValue());
    EXPECT_TRUE(again->curvatureStartField->IsEnabled());
    EXPECT_EQ(again->liftLinearText->GetLabel(), lift);
}

// A file its reader refuses (here: a Mach number out of range and a count that is no number)
// gives the reading box once the window is shown, and the window starts with its defaults.
TEST_F(SupersonicPartsTest, AFileTheReaderRefusesOpensTheDefaultsWithTheReadingBox) {
    const std::string path =
        Write("falsch.cfg", "mode: asym_sym\nmach: 2.5\nbbk_aktiv: 1\nmach: 7\nanzahl_sym: zz\n");
    for (const std::string& file : {path, dir().file("fehlt.cfg")}) {
        SCOPED_TRACE(file);
        BoxRecorder boxes;
        SupersonicPartsFrame* f = Open(wxString::FromUTF8(file));
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].message, wxS("Die Datei konnte nicht gelesen werden!\n\n"));
        EXPECT_EQ(boxes.boxes()[0].caption, wxS("Datei-Fehler"));
        EXPECT_EQ(f->machField->GetValue(), wxS("3.0"));
        EXPECT_DOUBLE_EQ(f->Profile().mach, 3.0);
        EXPECT_EQ(f->symmetricCountField->GetValue(), wxS("1"));
        EXPECT_FALSE(f->coefficientCheckBox->GetValue());
        EXPECT_TRUE(f->antimetricCountField->IsEnabled());
    }
}

// A configuration is saved only when its reader takes it back: a field text it would refuse gets
// that field's box, and no file is written.
TEST_F(SupersonicPartsTest, SaveRefusesATextTheReaderWouldRefuse) {
    SupersonicPartsFrame* f = Open();
    const std::string cfg = dir().file("teile.cfg");
    struct Row {
        wxTextCtrl* field;
        wxString text;
        wxString box;  // the start of the box's text
    };
    const Row rows[] = {
        {f->coefficientFields[2], wxS("-"), wxS("Ungültige Eingabe!\n\nHier ist nur eine Zahl")},
        {f->curvatureEndField, wxS(""), wxS("Ungültige Eingabe!\n\nHier ist nur eine Zahl")},
        {f->symmetricCountField, wxS("2-"), wxS("Ungültige Eingabe!\n\nAnzahl der Stützpunkte")},
        {f->alphaField, wxS("2.5-"), wxS("Ungültige Eingabe!\n\nBereich für Anstellwinkel")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const wxString before = row.field->GetValue();
        {
            BoxRecorder quiet;  // whatever the field says while the text is set
            SetText(row.field, row.text);
        }
        ShownBox seen;
        wxTEST_DIALOG(Click(FindButton(f, wxS("S&peichern"))), ExpectFile(wxString::FromUTF8(cfg)),
                      ExpectBox(&seen));
        EXPECT_TRUE(seen.message.StartsWith(row.box)) << seen.message;
        EXPECT_EQ(seen.caption, wxS("Fehler"));
        EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
        EXPECT_FALSE(std::filesystem::exists(cfg));
        SetText(row.field, before);
    }
    // With every text a number again the file is written and reads back.
    wxTEST_DIALOG(Click(FindButton(f, wxS("S&peichern"))), ExpectFile(wxString::FromUTF8(cfg)));
    SupersonicSettings back = SupersonicDefaultSettings(SupersonicWindow::Parts);
    EXPECT_TRUE(ReadSupersonicConfigFile(cfg, SupersonicWindow::Parts, back));
}

}  // namespace
