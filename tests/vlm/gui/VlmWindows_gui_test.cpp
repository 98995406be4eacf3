// The windows of the vortex-lattice method up to the run: the method window, the grid-input
// window and the geometry window with its preview and drags.

#include <wx/app.h>
#include <wx/file.h>
#include <wx/statusbr.h>
#include <wx/tooltip.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

#include "app/MainFrame.h"
#include "common/core/NumberText.h"
#include "tests/common/gui/EndedWindows.h"
#include "tests/support/GuiHarness.h"
#include "tests/vlm/gui/VlmWindowFixture.h"
#include "vlm/gui/VlmDiscretisationFrame.h"
#include "vlm/gui/VlmGeometryFrame.h"
#include "vlm/gui/VlmGridInputFrame.h"
#include "vlm/gui/VlmMethodFrame.h"
#include "vlm/gui/VlmModule.h"

namespace {

using namespace luvo::test;
using namespace vlm_test;

const double kDeg = std::acos(-1.0) / 180.0;

TEST_F(VlmWindowTest, MethodWindowTextsStatusAndInfo) {
    VlmMethodFrame* method = OpenMethod();
    EXPECT_EQ(method->GetTitle(), wxS(" Luvo - Wirbelleiterverfahren"));
    EXPECT_EQ(method->GetSize(), wxSize(420, 380));
    EXPECT_FALSE(method->GetWindowStyle() & wxSTAY_ON_TOP);
    EXPECT_EQ(Status(method), wxS("Gewählt: Einlesen der Daten aus Datei"));
    EXPECT_EQ(method->taskRadio->GetLabel(), wxS("3D Wirbelleiterverfahren"));
    EXPECT_EQ(method->taskRadio->GetString(1), wxS("Interaktive Erzeugung eines Tragflügels"));
    EXPECT_EQ(method->okButton->GetPosition(), wxPoint(110, 280));
    SelectRadio(method->taskRadio, 1);
    EXPECT_EQ(Status(method), wxS("Gewählt: Interaktive Erzeugung eines Tragflügels"));

    ShownBox seen;
    wxString statusWhileOpen;
    wxTEST_DIALOG(SendMenu(method, luvo::kIdMenuInfo),
                  ExpectBoxNotingStatus(&seen, &statusWhileOpen, method));
    EXPECT_EQ(seen.caption, wxS("Info Wirbelleiterverfahren"));
    EXPECT_TRUE(seen.message.StartsWith(wxS("Mit Hilfe des 3D-Wirbelleiterverfahrens")));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_EQ(statusWhileOpen, wxS("Gewählt: Info"));
    EXPECT_EQ(Status(method), wxS("Gewählt: Interaktive Erzeugung eines Tragflügels"));
}

// Each input window exists once for all method windows; a closed one comes back with defaults.
TEST_F(VlmWindowTest, InputWindowsAreSharedAndKeepTheirEntriesUntilClosed) {
    VlmMethodFrame* first = OpenMethod();
    VlmGridInputFrame* grid = OpenGridInput(first);
    ASSERT_NE(grid, nullptr);
    SetText(grid->alphaField, wxS("7"));
    EXPECT_EQ(OpenGridInput(first), grid);
    EXPECT_EQ(grid->alphaField->GetValue(), wxS("7"));

    VlmMethodFrame* second = OpenMethod();
    EXPECT_EQ(OpenGridInput(second), grid);
    VlmGeometryFrame* geometry = OpenGeometry(second);
    ASSERT_NE(geometry, nullptr);
    EXPECT_EQ(OpenGeometry(first), geometry);
    EXPECT_EQ(geometry->GetTitle(), wxS("Interaktives Erstellen einer Flügelkonfiguration"));
    EXPECT_EQ(geometry->GetSize(), wxSize(760, 600));
    EXPECT_TRUE(geometry->GetWindowStyle() & wxSTAY_ON_TOP);

    // Closing a method window leaves both input windows open.
    wxWeakRef<wxFrame> gridRef(grid), geometryRef(geometry);
    second->Close(true);
    Settle();
    EXPECT_TRUE(gridRef && geometryRef);
    EXPECT_TRUE(vlm::VlmGridInputOpen() && vlm::VlmGeometryOpen());

    // Every way of closing the grid-input window ends it in the module; the next one is fresh.
    grid->Close();  // the title bar's close request
    Settle();
    EXPECT_FALSE(gridRef);
    EXPECT_FALSE(vlm::VlmGridInputOpen());
    VlmGridInputFrame* fresh = OpenGridInput(first);
    EXPECT_EQ(fresh->alphaField->GetValue(), wxS("2.5"));
    Click(fresh->cancelButton);
    Settle();
    EXPECT_FALSE(vlm::VlmGridInputOpen());
    SendMenu(OpenGridInput(first), luvo::kIdMenuClose);
    Settle();
    EXPECT_FALSE(vlm::VlmGridInputOpen());
}

// A single window that is gone, or only about to go, is never shown again: the next opening
// builds a fresh window, whether the old one was deleted without its close handler or closed
// and asked for again before the program was idle.
TEST_F(VlmWindowTest, AGoneInputWindowIsRebuiltNotReshown) {
    VlmMethodFrame* method = OpenMethod();
    ExpectGoneInputWindowsRebuilt({
        {"grid input", [method] { OpenGridInput(method); }, [] { return vlm::VlmGridInputOpen(); },
         [] { return static_cast<wxFrame*>(vlm::VlmGridInputWindow.get()); }},
        {"geometry", [method] { OpenGeometry(method); }, [] { return vlm::VlmGeometryOpen(); },
         [] { return static_cast<wxFrame*>(vlm::VlmGeometryWindow.get()); }},
        {"discretisation", [method] { Click(OpenGeometry(method)->nextButton); },
         [] { return vlm::VlmDiscretisationOpen(); },
         [] { return static_cast<wxFrame*>(vlm::VlmDiscretisationWindow.get()); }},
    });
}

TEST_F(VlmWindowTest, GridInputWindowControlsAndStatus) {
    VlmGridInputFrame* f = OpenGridInput(OpenMethod());
    EXPECT_EQ(f->GetTitle(), wxS("Daten über eine Datei einlesen"));
    EXPECT_EQ(f->GetSize(), wxSize(420, 475));
    EXPECT_EQ(f->GetStatusBar()->GetFieldsCount(), 2);
    EXPECT_EQ(Status(f), wxS("Rechnung starten"));
    const std::map<wxTextCtrl*, wxString> fields = {{f->alphaField, wxS("2.5")},
                                                    {f->betaField, wxS("0.0")},
                                                    {f->birnbaumCountField, wxS("21")},
                                                    {f->iterationsField, wxS("0")},
                                                    {f->dampingFactorField, wxS("1")}};
    for (const auto& [field, text] : fields) EXPECT_EQ(field->GetValue(), text);
    EXPECT_FALSE(f->iterationsField->IsEnabled());
    EXPECT_FALSE(f->dampingFactorField->IsEnabled());
    EXPECT_TRUE(f->alphaField->IsEnabled());
    EXPECT_EQ(f->alphaField->GetPosition(), wxPoint(220, 230));
    EXPECT_EQ(f->alphaField->GetSize().x, 30);
    EXPECT_EQ(f->gridFileLabel->GetLabel(), wxS("grid.fdw"));
    EXPECT_EQ(f->result3dFileLabel->GetLabel(), wxS("3D.dat"));
    EXPECT_EQ(f->cpFileLabel->GetLabel(), wxS("cp-x.dat"));
    EXPECT_EQ(f->caFileLabel->GetLabel(), wxS("ca-y.dat"));
    EXPECT_EQ(f->chooseCaButton->GetId(), 9);
    EXPECT_EQ(f->chooseCaButton->GetLabel(), wxS("Dat&ei wählen"));
    EXPECT_EQ(f->wakeRadioBox->GetSelection(), 0);

    ShownBox seen;
    wxString statusWhileOpen;
    wxTEST_DIALOG(SendMenu(f, luvo::kIdMenuInfo),
                  ExpectBoxNotingStatus(&seen, &statusWhileOpen, f));
    EXPECT_EQ(seen.caption, wxS("Info Datei einlesen"));
    EXPECT_EQ(statusWhileOpen, wxS("Gewählt: Info"));
    EXPECT_EQ(Status(f), wxS("Festlegen der Strömung, Auswahl der Dateinamen"));
}

TEST_F(VlmWindowTest, GridInputChecksOnStart) {
    VlmGridInputFrame* f = OpenGridInput(OpenMethod());
    const wxString alphaMessage =
        wxS("Der Wert des Anströmwinkels liegt in einem unzulässigen Bereich:\n\n"
            "-10 <= Anströmwinkel <= 10\n");
    const wxString betaMessage =
        wxS("Der Wert des Schiebewinkels liegt in einem unzulässigen Bereich:\n\n"
            "-30 <= Schiebewinkel <= 30\n");
    const wxString countMessage =
        wxS("Die Anzahl der Birnbaumkoeffizienten liegt in einem unzulässigen Bereich:\n\n"
            "1 <= Anzahl Birnbaumkoeffizienten <= 21\n");
    const wxString iterationMessage =
        wxS("Die Anzahl der Iterationen liegt in einem unzulässigen Bereich:\n\n"
            "1 <= Anzahl der Iterationen <= 100\n");
    const struct {
        const wchar_t *alpha, *beta, *count;
        int wake;
        const wchar_t* iterations;
        wxString message;  // empty: the run starts, and finds no grid file here
    } cases[] = {
        {L"10", L"30", L"21", 0, L"0", wxString()},
        {L"-10", L"-30", L"1", 0, L"0", wxString()},
        {L"", L"0.0", L"2.5", 0, L"0", wxString()},
        {L"10.5", L"0", L"21", 0, L"0", alphaMessage},
        {L"20", L"0", L"30", 0, L"0", alphaMessage},
        {L"0", L"-30.5", L"21", 0, L"0", betaMessage},
        {L"0", L"0", L"0", 0, L"0", countMessage},
        {L"0", L"0", L"22", 0, L"0", countMessage},
        {L"0", L"0", L"21", 1, L"0", iterationMessage},
        {L"0", L"0", L"21", 1, L"0.9", iterationMessage},
        {L"0", L"0", L"21", 1, L"101", iterationMessage},
        {L"0", L"0", L"21", 1, L"100.5", wxString()},
        {L"0", L"0", L"21", 1, L"1", wxString()},
        {L"20", L"0", L"21", 1, L"0", alphaMessage},  // the iterations come last
        // A text without a number is no value, not 0.
        {L"-", L"0", L"21", 0, L"0", alphaMessage},
        {L"0", L".", L"21", 0, L"0", betaMessage},
        {L"0", L"0", L"-", 0, L"0", countMessage},
        {L"0", L"0", L"21", 1, L".", iterationMessage},
    };
    for (const auto& c : cases) {
        SetText(f->alphaField, c.alpha);
        SetText(f->betaField, c.beta);
        SetText(f->birnbaumCountField, c.count);
        SelectRadio(f->wakeRadioBox, c.wake);
        SetText(f->iterationsField, c.iterations);
        const ShownBox box = BoxOf(f->startButton);
        if (c.message.empty()) {
            EXPECT_EQ(box.caption, wxS("Fehler beim Einlesen der Datei")) << c.alpha;
        } else {
            EXPECT_EQ(box.message, c.message) << c.alpha << " " << c.count << " " << c.iterations;
            EXPECT_EQ(box.caption, wxS("Die Eingaben sind nicht korrekt!"));
            EXPECT_TRUE(box.HasIcon(wxICON_ERROR));
        }
        // The fields keep what was typed.
        EXPECT_EQ(f->alphaField->GetValue(), wxString(c.alpha));
    }
}

TEST_F(VlmWindowTest, WakeChoiceAndFileDialogs) {
    VlmGridInputFrame* f = OpenGridInput(OpenMethod());
    SetText(f->iterationsField, wxS("3"));
    SetText(f->dampingFactorField, wxS("2"));
    SelectRadio(f->wakeRadioBox, 1);
    EXPECT_EQ(f->iterationsField->GetValue(), wxS("8"));
    EXPECT_TRUE(f->iterationsField->IsEnabled() && f->dampingFactorField->IsEnabled());
    SelectRadio(f->wakeRadioBox, 0);
    EXPECT_EQ(f->iterationsField->GetValue(), wxS("0"));
    EXPECT_FALSE(f->iterationsField->IsEnabled() || f->dampingFactorField->IsEnabled());
    EXPECT_EQ(f->dampingFactorField->GetValue(), wxS("2"));

    // Each button's dialog proposes its own name; OK puts the full path into its label.
    const struct {
        wxButton* button;
        wxStaticText* label;
        const wchar_t* proposed;
        const wchar_t* file;
    } choosers[] = {{f->chooseGridButton, f->gridFileLabel, L"grid.fdw", L"mein.fdw"},
                    {f->choose3dButton, f->result3dFileLabel, L"3D.dat", L"a.dat"},
                    {f->chooseCpButton, f->cpFileLabel, L"cp-x.dat", L"b.dat"},
                    {f->chooseCaButton, f->caFileLabel, L"ca-y.dat", L"c.dat"}};
    for (const auto& c : choosers) {
        const wxString path = wxString((dir().path() / c.file).wstring());
        wxFile().Create(path);
        ShownFileDialog seen;
        wxTEST_DIALOG(Click(c.button), ExpectFile(path, wxID_OK, &seen));
        EXPECT_EQ(c.label->GetLabel(), path);
        EXPECT_EQ(seen.proposedName, wxString(c.proposed));
        wxTEST_DIALOG(Click(c.button), ExpectFile(path, wxID_CANCEL, &seen));
        EXPECT_EQ(c.label->GetLabel(), path);
        EXPECT_EQ(seen.proposedName, wxString(c.proposed));
    }
}

TEST_F(VlmWindowTest, GeometryWindowChecksOnNext) {
    VlmGeometryFrame* f = OpenGeometry(OpenMethod());
    EXPECT_EQ(Status(f), wxS("Eingabe geometrischer Daten"));
    EXPECT_EQ(f->spanField->GetToolTipText(), wxS("0,5  <= Spannweite <= 100"));
    EXPECT_EQ(f->nextButton->GetId(), 4);
    EXPECT_EQ(f->cancelButton->GetId(), 5);
    EXPECT_EQ(f->planformCanvas->GetSize(), wxSize(330, 269));
    EXPECT_EQ(f->tipChordField->GetValue(), wxS("0.5"));

    const wxString spanMessage =
        wxS("Der Wert der Spannweite liegt in einem unzulässigen Bereich:\n\n0.5 <= Spannweite <= "
            "100\n");
    const wxString rootCamberMessage = wxS(
        "Der Wert der Profilwölbung an der Flügelwurzel liegt in einem unzulässigen Bereich:\n\n"
        "0 <= Profilwölbung an der Flügelwurzel <= 10\n");
    const struct {
        wxTextCtrl* field;
        const wchar_t* text;
        wxString message;  // empty: passes
    } cases[] = {
        {f->spanField, L"0.5", wxString()},
        {f->spanField, L"100", wxString()},
        {f->sweepField, L"60", wxString()},
        {f->dihedralField, L"30", wxString()},
        {f->rootCamberPositionField, L"5", wxString()},
        {f->rootCamberField, L"", wxString()},
        {f->dihedralField, L"30.01",
         wxS("Der Wert der V-Form liegt in einem unzulässigen Bereich:\n\n-10 <= V-Form <= 30\n")},
        {f->rootChordField, L"",
         wxS("Der Wert der Flügelwurzeltiefe liegt in einem unzulässigen Bereich:\n\n"
             "0.1 <= Flügelwurzeltiefe <= 50\n")},
        {f->rootCamberField, L"10.5", rootCamberMessage},
        {f->tipCamberPositionField, L"80.1",
         wxS("Der Wert der Wölbungsrücklage am Flügelrandbogen liegt in einem unzulässigen "
             "Bereich:\n\n5 <= Wölbungsrücklage am Flügelrandbogen <= 80\n")},
        {f->sweepField, L"-61",
         wxS("Der Wert des Pfeilwinkels liegt in einem unzulässigen Bereich:\n\n-60° <= "
             "Pfeilwinkel <= 60°\n")},
    };
    for (const auto& c : cases) {
        const wxString before = c.field->GetValue();
        SetText(c.field, c.text);
        const ShownBox box = BoxOf(f->nextButton);
        EXPECT_EQ(box.message, c.message) << c.text;
        if (!c.message.empty()) {
            EXPECT_EQ(box.caption, wxS("Die Eingaben sind nicht korrekt!"));
        }
        EXPECT_EQ(vlm::VlmDiscretisationOpen(), c.message.empty()) << c.text;
        EXPECT_EQ(c.field->GetValue(), wxString(c.text));
        SetText(c.field, before);
        if (vlm::VlmDiscretisationOpen()) vlm::VlmDiscretisationWindow->Close();
        Settle();
    }
    // Span 200 and sideslip 40: only the first failure is shown.
    SetText(f->spanField, wxS("200"));
    SetText(f->betaField, wxS("40"));
    EXPECT_EQ(BoxOf(f->nextButton).message, spanMessage);
}

// What only this method's geometry window has (the rest is tested with the panel method's in
// tests/common/gui/WingGeometryWindow_gui_test.cpp): every field at x = 680, the dihedral's
// tool tip and label, and the info text's start.
TEST_F(VlmWindowTest, GeometryWindowLayoutAndInfo) {
    VlmGeometryFrame* f = OpenGeometry(OpenMethod());
    for (luvo::WingGeometryField* field : FindAll<luvo::WingGeometryField>(f)) {
        EXPECT_EQ(field->GetPosition().x, 680);
    }
    EXPECT_EQ(f->dihedralField->GetToolTipText(), wxS("-10 <= V-Winkel < 30"));
    EXPECT_NE(FindByLabel(f, wxS("V-Winkel nü [°]:")), nullptr);
    ShownBox seen;
    wxTEST_DIALOG(SendMenu(f, luvo::kIdMenuInfo), ExpectBox(&seen));
    EXPECT_TRUE(seen.message.StartsWith(wxS("Durch Ziehen und Verschieben der roten Kästchen")));
}

// "&Weiter" opens one window, which is tested with the panel method's in
// WingGeometryWindow_gui_test.cpp; this one stays on top and outlives the geometry window.
TEST_F(VlmWindowTest, DiscretisationWindowStaysOnTopAndOutlivesTheGeometryWindow) {
    VlmGeometryFrame* f = OpenGeometry(OpenMethod());
    Click(f->nextButton);
    VlmDiscretisationFrame* d = vlm::VlmDiscretisationWindow;
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->GetSize(), wxSize(420, 585));
    EXPECT_TRUE(d->GetWindowStyle() & wxSTAY_ON_TOP);

    wxWeakRef<wxFrame> dRef(d);
    Click(f->cancelButton);
    Settle();
    EXPECT_FALSE(vlm::VlmGeometryOpen());
    EXPECT_EQ(vlm::VlmGeometryWindow, nullptr);
    EXPECT_TRUE(dRef);
    EXPECT_TRUE(vlm::VlmDiscretisationOpen());
}

class VlmGeometryDragTest : public VlmWindowTest {
  protected:
    void SetUp() override {
        VlmWindowTest::SetUp();
        f = OpenGeometry(OpenMethod());
        Pump(100);
        // Every paint of each view, counted before the view's own handler runs.
        wxWindow* const views[] = {f->planformCanvas, f->frontViewCanvas, f->rootProfileCanvas,
                                   f->tipProfileCanvas};
        for (int i = 0; i < 4; ++i) {
            views[i]->Bind(wxEVT_PAINT, [this, i](wxPaintEvent& e) {
                ++paints[i];
                e.Skip();
            });
        }
    }
    void Move(wxWindow* canvas, wxPoint logical, wxPoint origin, bool held) {
        SendMouse(canvas, wxEVT_MOTION, logical + origin, held);
    }
    VlmGeometryFrame* f = nullptr;
    int paints[4] = {0, 0, 0, 0};
};

// The tip handles (the root handle is tested with the panel method's window in
// WingGeometryWindow_gui_test.cpp).
TEST_F(VlmGeometryDragTest, PlanformHandlesFollowTheMouse) {
    const wxPoint origin(160, 160);
    // A motion without a button is noted and changes nothing.
    Move(f->planformCanvas, wxPoint(0, -50), origin, false);
    EXPECT_EQ(f->rootChordField->GetValue(), wxS("1.0"));
    EXPECT_EQ(f->planformCanvas->lastMouseY, -50);

    // The tip trailing edge handle to y = 60: the tip chord from the sweep line, in metres.
    const double yL = 120 * std::tan(32 * kDeg) - 40;
    SendMouse(f->planformCanvas, wxEVT_LEFT_DOWN, origin + wxPoint(120, 55), true);
    Move(f->planformCanvas, wxPoint(120, 60), origin, true);
    EXPECT_EQ(f->tipChordField->GetValue(), Two((60 - yL) * 6 / 240));
    SendMouse(f->planformCanvas, wxEVT_LEFT_UP, origin + wxPoint(120, 60), false);
    SendMouse(f->planformCanvas, wxEVT_LEFT_DOWN, origin + wxPoint(121, 30), true);
    Move(f->planformCanvas, wxPoint(121, 0), origin, true);
    EXPECT_EQ(f->sweepField->GetValue(), Two(std::atan(40 / 120.0) / kDeg));
    // Held, the sweep handle follows the pointer down to where a press would pick the tip
    // trailing edge, and the tip chord stays.
    const wxString tipChord = f->tipChordField->GetValue();
    Move(f->planformCanvas, wxPoint(121, 80), origin, true);
    EXPECT_EQ(f->sweepField->GetValue(), Two(std::atan(120 / 120.0) / kDeg));
    EXPECT_EQ(f->tipChordField->GetValue(), tipChord);
}

TEST_F(VlmGeometryDragTest, DihedralHandleAndRedrawsOfAllFourViews) {
    const wxPoint origin(160, 110);
    const double handleY = -120 * std::tan(5 * kDeg);
    const int up = static_cast<int>(handleY) - 10;
    // A press 20 pixels away picks nothing, and the drag moves nothing.
    SendMouse(f->frontViewCanvas, wxEVT_LEFT_DOWN, origin + wxPoint(120, up - 10), true);
    Move(f->frontViewCanvas, wxPoint(120, static_cast<int>(handleY)), origin, true);
    EXPECT_EQ(f->dihedralField->GetValue(), wxS("5"));
    SendMouse(f->frontViewCanvas, wxEVT_LEFT_UP, origin + wxPoint(120, static_cast<int>(handleY)),
              false);

    const int before[4] = {paints[0], paints[1], paints[2], paints[3]};
    SendMouse(f->frontViewCanvas, wxEVT_LEFT_DOWN, origin + wxPoint(120, static_cast<int>(handleY)),
              true);
    Move(f->frontViewCanvas, wxPoint(120, up), origin, true);
    const double dihedral = -std::atan(up / 120.0) / kDeg;
    EXPECT_GT(dihedral, 5);
    EXPECT_EQ(f->dihedralField->GetValue(), Two(dihedral));
    EXPECT_TRUE(f->frontViewCanvas->draggingDihedral);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(paints[i], before[i] + 1) << i;

    // Every text change, typed or written, redraws all four views at once.
    SetText(f->tipCamberField, wxS("6"));
    SetText(f->betaField, wxS("-5"));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(paints[i], before[i] + 3) << i;
    SendMouse(f->frontViewCanvas, wxEVT_LEFT_UP, origin + wxPoint(120, up), false);
    EXPECT_FALSE(f->frontViewCanvas->draggingDihedral);
}

// Real input through the X server and the screenshot tour: one at a time (the root handle's
// real drag is tested with the panel method's window in WingGeometryWindow_gui_test.cpp).
class ScreenVlmGeometry : public VlmWindowTest {};

// The tip leading-edge handle of the default wing (120, 34) dragged briskly 19 pixels
// downstream, eight moves 8 ms apart while the window is busy: the toolkit merges the motions,
// and the sweep picked at the press follows the pointer to y = 53, where a press would pick the
// tip trailing edge. The sweep is the angle of the leading edge from the root leading edge
// (40 pixels ahead of the origin) to the pointer; the tip chord stays.
TEST_F(ScreenVlmGeometry, BriskDragOfTheSweepHandleKeepsTheSweep) {
    VlmGeometryFrame* f = OpenGeometry(OpenMethod());
    wxToolTip::Enable(false);
    CaptureFrame(f);
    const wxPoint origin(160, 160);
    RealBriskDrag(f->planformCanvas, origin + wxPoint(120, 34), origin + wxPoint(120, 53));
    wxToolTip::Enable(true);
    EXPECT_EQ(f->sweepField->GetValue(), Two(std::atan((53 + 40) / 120.0) / kDeg));
    EXPECT_EQ(f->tipChordField->GetValue(), wxS("0.5"));
    EXPECT_EQ(f->rootChordField->GetValue(), wxS("1.0"));
}

// "1,5" is how a German student writes 1.5: the wing gets a root chord of 1.5 m, and the preview
// draws the root handle where a drag to 1.50 m puts it.
TEST_F(ScreenVlmGeometry, ARootChordTypedWithADecimalCommaIsOneAndAHalfMetres) {
    VlmGeometryFrame* f = OpenGeometry(OpenMethod());
    wxToolTip::Enable(false);
    CaptureFrame(f);
    f->rootChordField->SetFocus();
    WaitFor([&] { return wxWindow::FindFocus() == f->rootChordField; }, 1000);
    f->rootChordField->SelectAll();
    wxUIActionSimulator().Text("1,5");
    const bool typed = WaitFor([&] { return f->rootChordField->GetValue() == wxS("1,5"); }, 3000);
    wxToolTip::Enable(true);
    ASSERT_TRUE(typed) << f->rootChordField->GetValue();
    EXPECT_DOUBLE_EQ(f->Inputs().rootChord, 1.5);
    const wxImage shot = CaptureFrame(f);
    const wxPoint at = f->planformCanvas->GetScreenPosition() - f->GetScreenPosition() +
                       wxPoint(160 - 2, 160 - 60 - 2);
    EXPECT_EQ(shot.GetRed(at.x, at.y), 255);
    EXPECT_EQ(shot.GetGreen(at.x, at.y), 0);
}

// A lone "-" or "." in alpha* holds no angle: "&Weiter" shows the angle's box and opens nothing,
// as when the angle is out of range.
TEST_F(ScreenVlmGeometry, AlphaWithoutANumberStopsWeiter) {
    VlmGeometryFrame* f = OpenGeometry(OpenMethod());
    wxToolTip::Enable(false);
    CaptureFrame(f);
    for (const char* text : {"-", "."}) {
        SCOPED_TRACE(text);
        f->alphaField->SetFocus();
        WaitFor([&] { return wxWindow::FindFocus() == f->alphaField; }, 1000);
        f->alphaField->SelectAll();
        wxUIActionSimulator().Text(text);
        WaitFor([&] { return f->alphaField->GetValue() == wxString(text); }, 3000);
        BoxRecorder boxes;
        RealClick(f->nextButton, wxPoint(8, 8));
        WaitFor([&] { return !boxes.boxes().empty(); }, 3000);
        Pump(100);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].caption, wxS("Die Eingaben sind nicht korrekt!"));
        EXPECT_EQ(boxes.boxes()[0].message,
                  wxS("Der Wert des Anströmwinkels liegt in einem unzulässigen Bereich:\n\n"
                      "-10 <= Anströmwinkel <= 10\n"));
        EXPECT_FALSE(vlm::VlmDiscretisationOpen());
    }
    wxToolTip::Enable(true);
}

TEST_F(ScreenVlmGeometry, Tour) {
    wxUIActionSimulator().MouseMove(1270, 1010);  // no tool tip over the shots
    VlmMethodFrame* method = OpenMethod();
    SaveTourShot(method, "vlm_method");
    VlmGridInputFrame* grid = OpenGridInput(method);
    SelectRadio(grid->wakeRadioBox, 1);
    SaveTourShot(grid, "vlm_grid_input");
    grid->Hide();
    VlmGeometryFrame* geometry = OpenGeometry(method);
    SaveTourShot(geometry, "vlm_geometry");
    SetText(geometry->spanField, wxS("100"));
    SetText(geometry->sweepField, wxS("-45"));
    SetText(geometry->dihedralField, wxS("-10"));
    SetText(geometry->betaField, wxS("30"));
    SetText(geometry->rootCamberPositionField, wxS("0"));
    SetText(geometry->alphaField, wxS("10"));
    SaveTourShot(geometry, "vlm_geometry_extreme");
}

}  // namespace
