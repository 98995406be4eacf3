// "Diskretisierung" of both 3D methods, one suite over the methods that build it with the shared
// layout: the controls they share and their defaults, the slider's texts, the wake choice and the
// info box, the three file choosers, and closing it while the geometry window stays.

#include <wx/app.h>
#include <wx/radiobox.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>

#include "panel3d/core/Panel3dModule.h"
#include "panel3d/gui/Panel3dDiscretisationFrame.h"
#include "panel3d/gui/Panel3dGeometryFrame.h"
#include "tests/panel3d/gui/Panel3dInputWindows.h"
#include "tests/support/TempDir.h"
#include "tests/vlm/gui/VlmWindowFixture.h"

namespace {

using namespace luvo::test;

// The shared controls of one method's window, as its geometry window's "&Weiter" opens it.
struct DiscretisationView {
    wxFrame* frame = nullptr;
    wxButton* next = nullptr;  // "&Weiter" of the geometry window
    wxSlider* slider = nullptr;
    wxWindow* canvas = nullptr;
    wxTextCtrl* iterations = nullptr;
    wxRadioBox* wake = nullptr;
    wxButton* choose[3] = {};
    wxStaticText* labels[3] = {};
    wxButton* start = nullptr;
};

struct DiscretisationRoute {
    const char* id;
    std::function<void()> reset;  // the method's module as at program start
    std::function<DiscretisationView()> open;
    std::function<bool()> discretisationOpen;
    std::function<bool()> geometryOpen;
    std::function<wxFrame*()> discretisationWindow;
    std::vector<const wchar_t*> countTexts;  // the texts of the count rows
    size_t buttons;                          // every button of the window
    wxString infoText;
};

void PrintTo(const DiscretisationRoute& route, std::ostream* os) { *os << route.id; }

DiscretisationView VlmView() {
    auto* method = dynamic_cast<VlmMethodFrame*>(OpenMethodWindow(4));
    DiscretisationView v;
    if (method == nullptr) return v;
    SelectRadio(method->taskRadio, 1);
    Click(method->okButton);
    VlmGeometryFrame* g = vlm::VlmGeometryWindow;
    if (g == nullptr) return v;
    Click(g->nextButton);
    VlmDiscretisationFrame* d = vlm::VlmDiscretisationWindow;
    if (d == nullptr) return v;
    v = {d,
         g->nextButton,
         d->distributionSlider,
         d->distributionCanvas,
         d->iterationsField,
         d->wakeRadioBox,
         {d->choose3dButton, d->chooseCpButton, d->chooseCaButton},
         {d->result3dFileLabel, d->cpFileLabel, d->caFileLabel},
         d->startButton};
    return v;
}

DiscretisationView PanelView() {
    panel3d::Panel3dCurrentFlowState.alphaStar = 2.5;
    auto* g = new Panel3dGeometryFrame(wxS("Interaktives Erstellen einer Flügelkonfiguration"),
                                       wxDefaultPosition, wxSize(760, 730));
    panel3d::Panel3dGeometryWindow = g;
    g->Show(true);
    Click(g->nextButton);
    Panel3dDiscretisationFrame* d = panel3d::Panel3dDiscretisationWindow;
    DiscretisationView v;
    if (d == nullptr) return v;
    v = {d,
         g->nextButton,
         d->spacingSlider,
         d->clusteringCanvas,
         d->iterationsField,
         d->wakeRadioBox,
         {d->choose3dButton, d->chooseCpButton, d->chooseCaButton},
         {d->result3dFileLabel, d->cpFileLabel, d->caFileLabel},
         d->startButton};
    return v;
}

void ResetPanel() {
    panel3d_test::ResetInputModule();
    panel3d::Panel3dPanelModel.reset();
}

std::vector<DiscretisationRoute> Routes() {
    DiscretisationRoute vlm;
    vlm.id = "Vlm";
    vlm.reset = vlm_test::ResetModule;
    vlm.open = VlmView;
    vlm.discretisationOpen = [] { return vlm::VlmDiscretisationOpen(); };
    vlm.geometryOpen = [] { return vlm::VlmGeometryOpen(); };
    vlm.discretisationWindow = []() -> wxFrame* { return vlm::VlmDiscretisationWindow; };
    vlm.countTexts = {L"Wirbelzahl in x-Richtung:", L"Wirbelzahl in y-Richtung pro Halbspannweite:",
                      L"Anzahl an Birnbaumkoeffizienten:", L"Anzahl der Iterationen:"};
    vlm.buttons = 4;
    vlm.infoText =
        wxS("Mit Hilfe des Schiebereglers kann die \nNetzauflösung im Bereich der Vorderkante "
            "bzw. der Endkante \neingestellt werden.\n\nMit der Wirbelzahl in x-Richtung bzw. in "
            "y-Richtung wird die \nGesamtauflösung vorgegeben.\n\nnx: Zahl der Wirbel in "
            "Flugrichtung\nny: Zahl der Wirbel in Spannweitenrichtung je Flügelhälfte\n\n"
            "Gesamtzahl aller Wirbel = 2*nx*ny");

    DiscretisationRoute panel;
    panel.id = "Panel3d";
    panel.reset = ResetPanel;
    panel.open = PanelView;
    panel.discretisationOpen = [] { return panel3d::Panel3dDiscretisationOpen(); };
    panel.geometryOpen = [] { return panel3d::Panel3dGeometryOpen(); };
    panel.discretisationWindow = []() -> wxFrame* { return panel3d::Panel3dDiscretisationWindow; };
    panel.countTexts = {L"Panelzahl in x-Richtung pro Flügelseite:",
                        L"Panelzahl in y-Richtung pro Halbspannweite:", L"Anzahl der Iterationen:",
                        L"Visualisierung des Klappenausschlages:"};
    panel.buttons = 5;
    panel.infoText =
        wxS("Mit Hilfe des Schiebereglers kann die \nNetzauflösung im Bereich der "
            "Vorderkante bzw. der Endkante \neingestellt werden.\n\nMit der Panelzahl in "
            "x-Richtung bzw. in y-Richtung wird die \nGesamtauflösung vorgegeben.\n\nnx: "
            "Zahl der Panels in Flugrichtung je Ober-/bzw. Unterseite\nny: Zahl der Panels "
            "in Spannweitenrichtung je Flügelhälfte\n\nGesamtzahl aller Panels = 4*nx*ny");
    return {vlm, panel};
}

class DiscretisationWindow : public GuiTest,
                             public ::testing::WithParamInterface<DiscretisationRoute> {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        GetParam().reset();
        Panel3dPolarEvaluator::Create();
        v = GetParam().open();
        ASSERT_NE(v.frame, nullptr);
        Pump(100);
    }
    void TearDown() override {
        GuiTest::TearDown();
        GetParam().reset();
        Panel3dPolarEvaluator::Release();
    }
    static void Settle() {
        for (int i = 0; i < 5; ++i) wxTheApp->ProcessIdle();
    }
    wxString Status() const { return v.frame->GetStatusBar()->GetStatusText(0); }
    DiscretisationView v;
};

TEST_P(DiscretisationWindow, SharedControlsAndDefaults) {
    const DiscretisationRoute& route = GetParam();
    EXPECT_EQ(v.frame->GetStatusBar()->GetFieldsCount(), 2);
    EXPECT_EQ(Status(), wxS("Rechnung starten"));
    const std::vector<wxString> texts = StaticTexts(v.frame);
    std::vector<const wchar_t*> expected = {L"1:     vorne fein, hinten fein",
                                            L"100: vorne fein, hinten grob"};
    expected.insert(expected.end(), route.countTexts.begin(), route.countTexts.end());
    for (const wchar_t* t : expected) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), wxString(t)), texts.end()) << t;
    }
    const std::vector<wxStaticBox*> boxes = FindAll<wxStaticBox>(v.frame);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.front()->GetLabel(), wxS("Verteilung der Stützststellen in Tiefenrichtung:"));
    EXPECT_EQ(v.slider->GetValue(), 4);
    EXPECT_EQ(v.slider->GetMin(), 1);
    EXPECT_EQ(v.slider->GetMax(), 100);
    EXPECT_EQ(v.canvas->GetToolTipText(), wxS("Verteilung der Stützstellen in Tiefenrichtung:"));
    EXPECT_EQ(v.iterations->GetValue(), wxS("0"));
    EXPECT_FALSE(v.iterations->IsEnabled());
    EXPECT_EQ(v.wake->GetSelection(), 0);
    const wchar_t* names[] = {L"3D.dat", L"cp-x.dat", L"ca-y.dat"};
    for (int k = 0; k < 3; ++k) EXPECT_EQ(v.labels[k]->GetLabel(), wxString(names[k]));
    EXPECT_EQ(v.start->GetLabel(), wxS("Starte&n"));
    // No cancel button: the menu and the title bar close the window.
    EXPECT_EQ(FindAll<wxButton>(v.frame).size(), route.buttons);
}

// The slider's range labels "1" and "100" keep clear of the two texts that explain its ends.
TEST_P(DiscretisationWindow, SliderKeepsClearOfItsTexts) {
    wxStaticBox* box = FindBox(v.frame, wxS("Verteilung der Stützststellen in Tiefenrichtung:"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(CrowdingInBox(box), std::vector<std::string>());
}

TEST_P(DiscretisationWindow, WakeChoiceAndInfo) {
    SelectRadio(v.wake, 1);
    EXPECT_EQ(v.iterations->GetValue(), wxS("8"));
    EXPECT_TRUE(v.iterations->IsEnabled());
    SetText(v.iterations, wxS("12"));
    SelectRadio(v.wake, 0);
    EXPECT_EQ(v.iterations->GetValue(), wxS("0"));
    EXPECT_FALSE(v.iterations->IsEnabled());

    ShownBox seen;
    wxString statusWhileOpen;
    wxTEST_DIALOG(SendMenu(v.frame, luvo::kIdMenuInfo),
                  ExpectBoxNotingStatus(&seen, &statusWhileOpen, v.frame));
    EXPECT_EQ(seen.caption, wxS("Info Eingabe der Diskretisierungsparameter"));
    EXPECT_EQ(seen.message, GetParam().infoText);
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_EQ(statusWhileOpen, wxS("Info"));
    EXPECT_EQ(Status(), wxS("Rechnung starten"));
}

TEST_P(DiscretisationWindow, FileChoosersPutTheChosenPathIntoTheirLabel) {
    const struct {
        const wchar_t* proposed;
        const char* file;
    } rows[] = {{L"3D.dat", "flügel-3d.dat"}, {L"cp-x.dat", "cp.dat"}, {L"ca-y.dat", "ca.dat"}};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const wxString path = wxString::FromUTF8(dir().file(rows[k].file));
        ShownFileDialog shown;
        wxTEST_DIALOG(Click(v.choose[k]), ExpectFile(path, wxID_OK, &shown));
        EXPECT_EQ(shown.message, wxS("Dateiname wählen"));
        EXPECT_EQ(shown.proposedName, wxString(rows[k].proposed));
        EXPECT_TRUE(shown.wildcard.Contains(wxS("*.dat")));
        EXPECT_TRUE(shown.style & wxFD_SAVE);
        EXPECT_FALSE(shown.style & wxFD_OVERWRITE_PROMPT);
        EXPECT_EQ(v.labels[k]->GetLabel(), path);
        // A cancelled dialog keeps the label; the next one proposes the built-in name again.
        wxTEST_DIALOG(Click(v.choose[k]),
                      ExpectFile(wxString::FromUTF8(dir().file("x.dat")), wxID_CANCEL, &shown));
        EXPECT_EQ(shown.proposedName, wxString(rows[k].proposed));
        EXPECT_EQ(v.labels[k]->GetLabel(), path);
    }
}

// The menu and the title bar's close box close the window; the geometry window stays and opens
// a new one.
TEST_P(DiscretisationWindow, ClosingKeepsTheGeometryWindow) {
    const DiscretisationRoute& route = GetParam();
    wxWeakRef<wxFrame> first(v.frame);
    SendMenu(v.frame, luvo::kIdMenuClose);
    Settle();
    EXPECT_FALSE(first);
    EXPECT_FALSE(route.discretisationOpen());
    EXPECT_TRUE(route.geometryOpen());

    Click(v.next);
    wxWeakRef<wxFrame> second(route.discretisationWindow());
    ASSERT_TRUE(second);
    EXPECT_TRUE(route.discretisationOpen());
    second->Close();
    Settle();
    EXPECT_FALSE(second);
    EXPECT_FALSE(route.discretisationOpen());
    EXPECT_TRUE(route.geometryOpen());
}

std::string RouteName(const ::testing::TestParamInfo<DiscretisationRoute>& info) {
    return info.param.id;
}

INSTANTIATE_TEST_SUITE_P(Methods, DiscretisationWindow, ::testing::ValuesIn(Routes()), RouteName);

}  // namespace
