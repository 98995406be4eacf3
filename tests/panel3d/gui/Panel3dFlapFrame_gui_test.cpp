// The flap view "Klappenausschlag": one window that each new model refreshes, its choosers and
// labels, its info box, the windows it closes with, and the models it keeps alive.

#include <wx/statusbr.h>
#include <wx/tooltip.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include <memory>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/gui/Panel3dDiscretisationFrame.h"
#include "panel3d/gui/Panel3dFlapFrame.h"
#include "panel3d/gui/Panel3dGeometryFrame.h"
#include "tests/panel3d/core/Panel3dTestWings.h"
#include "tests/panel3d/gui/Panel3dInputWindows.h"
#include "tests/support/InfoBox.h"
#include "tests/support/RecordingPainter.h"

namespace {

using luvo::PlotPen;

using namespace luvo::test;

constexpr int kN = 6;
constexpr int kM = 4;

class Panel3dFlapViewTest : public panel3d_test::Panel3dInputTest {
  protected:
    void SetUp() override {
        Panel3dInputTest::SetUp();
        panel3d::Panel3dCurrentFlowState.alphaStar = 2.5;
        geometry = new Panel3dGeometryFrame(wxS("Interaktives Erstellen einer Flügelkonfiguration"),
                                            wxDefaultPosition, wxSize(760, 730));
        panel3d::Panel3dGeometryWindow = geometry;
        panel3d::Panel3dChordPanelCount = kN;
        panel3d::Panel3dSpanPanelCount = kM;
        panel3d::Panel3dChordPointCount = 2 * kN + 1;
        panel3d::Panel3dSpanPointCount = 2 * kM + 1;
        liveBefore = Panel3dModel::LiveCount();
    }
    void TearDown() override {
        panel3d::Panel3dPanelModel.reset();
        Panel3dInputTest::TearDown();
    }
    // A new grid of the default wing, made the module's current model, as "A&nzeigen" does.
    static std::shared_ptr<Panel3dModel> NewModel(int m = kM, double leftDeflection = 0) {
        auto model = panel3d_test::DefaultWing(kN, m);
        model->leftFlapDeflection = -leftDeflection;
        EXPECT_TRUE(model->GenerateWingGrid());
        panel3d::Panel3dPanelModel = model;
        return model;
    }
    // Chooses an entry as the toolkit does: the selection, then its event.
    static void Choose(wxComboBox* choice, int entry) {
        choice->SetSelection(entry);
        wxCommandEvent event(wxEVT_COMBOBOX, choice->GetId());
        event.SetEventObject(choice);
        event.SetInt(entry);
        event.SetString(choice->GetString(entry));
        choice->GetEventHandler()->ProcessEvent(event);
    }
    static luvo::test::RecordingPainter Record(const Panel3dFlapFrame* view) {
        luvo::test::RecordingPainter p;
        view->PaintSections(p);
        return p;
    }
    static std::size_t LinesIn(const luvo::test::RecordingPainter& p, const PlotPen& pen) {
        return p.LinesIn(pen).size();
    }
    Panel3dGeometryFrame* geometry = nullptr;
    long liveBefore = 0;
};

TEST_F(Panel3dFlapViewTest, OpensWithItsControlsAndTheFirstDrawingEmptiesTheFirstLabel) {
    Panel3dFlapFrame* view = Panel3dShowFlapView(NewModel());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(panel3d::Panel3dFlapOpen());
    EXPECT_EQ(panel3d::Panel3dFlapWindow, view);
    EXPECT_TRUE(view->IsShown());
    EXPECT_EQ(view->GetTitle(), wxS("Klappenausschlag"));
    EXPECT_EQ(view->GetSize(), wxSize(800, 400));
    ASSERT_EQ(view->GetStatusBar()->GetFieldsCount(), 2);
    EXPECT_EQ(view->GetStatusBar()->GetStatusText(0), wxS(""));
    EXPECT_EQ(view->sectionCanvas->GetSize(), wxSize(760, 280));
    EXPECT_EQ(view->sectionCanvas->canvasWidth, 760);
    EXPECT_EQ(view->sectionCanvas->canvasHeight, 280);

    for (wxComboBox* choice : {static_cast<wxComboBox*>(view->firstSectionChoice),
                               static_cast<wxComboBox*>(view->secondSectionChoice)}) {
        ASSERT_EQ(choice->GetCount(), 2u * kM + 2);
        for (int v = 0; v <= 2 * kM + 1; ++v)
            EXPECT_EQ(choice->GetString(v), wxString::Format("%d", v));
        EXPECT_EQ(choice->GetValue(), wxS("0"));
        EXPECT_TRUE(choice->HasFlag(wxCB_READONLY));
    }
    const std::vector<wxString> texts = StaticTexts(view);
    for (const wxString text :
         {wxS("Nummern der Panelreihen"), wxS("1 - rechts / 9 - links / 0 - inaktiv"),
          wxS("Schnitt 1:"), wxS("Schnitt 2:")}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
    }
    EXPECT_EQ(view->firstSectionLabel->GetLabel(), wxS(""));
    EXPECT_EQ(view->secondSectionLabel->GetLabel(), wxS("y / 0.5b = 0"));
    EXPECT_EQ(view->closeButton->GetLabel(), wxS("Schließen"));
    EXPECT_EQ(view->closeButton->GetId(), 3);

    // The first drawing: the root row in black, nothing in blue.
    const auto p = Record(view);
    EXPECT_EQ(LinesIn(p, PlotPen::StockBlack()), 2u * kN + 6);
    EXPECT_EQ(LinesIn(p, PlotPen::Stock(luvo::PlotColour::Blue())), 0u);
}

// Each new model refreshes the one view in place and the replaced one is freed: after fifty
// rebuilds only the module's current model lives, and it goes once the view is closed too.
TEST_F(Panel3dFlapViewTest, EachNewModelRefreshesTheOneViewAndTheOldModelsAreFreed) {
    Panel3dFlapFrame* view = Panel3dShowFlapView(NewModel());
    view->Move(0, 0);
    Choose(view->secondSectionChoice, 1);
    for (int i = 0; i < 50; ++i) Panel3dShowFlapView(NewModel());
    EXPECT_EQ(panel3d::Panel3dFlapWindow, view);
    EXPECT_EQ(view->panelModel, panel3d::Panel3dPanelModel);
    EXPECT_EQ(view->GetPosition(), wxPoint(0, 0));  // not centred again
    EXPECT_EQ(view->secondSectionChoice->GetValue(), wxS("1"));
    int views = 0;
    for (wxFrame* open : OpenFrames()) views += open->GetTitle() == wxS("Klappenausschlag");
    EXPECT_EQ(views, 1);
    EXPECT_EQ(Panel3dModel::LiveCount(), liveBefore + 1);

    // A smaller model keeps the entries; its rows beyond it are not drawn.
    Panel3dShowFlapView(NewModel(2));
    EXPECT_EQ(view->firstSectionChoice->GetCount(), 2u * kM + 2);
    Choose(view->firstSectionChoice, 2 * kM + 1);
    // The right tip in blue; of the black row only the pen is left, for the outline.
    const auto p = Record(view);
    EXPECT_EQ(LinesIn(p, PlotPen::Stock(luvo::PlotColour::Blue())), 2u * kN);
    EXPECT_EQ(LinesIn(p, PlotPen::StockBlack()), 6u);
    EXPECT_EQ(p.LinesIn(PlotPen::Red()).size(), 6u);  // the axes, no marker

    Click(view->closeButton);
    Pump(50);
    EXPECT_FALSE(panel3d::Panel3dFlapOpen());
    panel3d::Panel3dPanelModel.reset();
    EXPECT_EQ(Panel3dModel::LiveCount(), liveBefore);
}

// A new view keeps the evaluator of the window that opens it, even once the module has let
// its own go; a view already open keeps the one it has.
TEST_F(Panel3dFlapViewTest, ANewViewKeepsTheEvaluatorOfItsOpener) {
    std::weak_ptr<Panel3dPolarEvaluator> opener = Panel3dPolarEvaluator::Shared();
    const std::shared_ptr<Panel3dPolarEvaluator> held = opener.lock();
    Panel3dPolarEvaluator::Release();
    const long holders = held.use_count();  // here and the geometry window
    Panel3dFlapFrame* view = Panel3dShowFlapView(NewModel(), held);
    EXPECT_EQ(view->Evaluator(), held);
    Panel3dShowFlapView(NewModel(), std::make_shared<Panel3dPolarEvaluator>());
    EXPECT_EQ(view->Evaluator(), held);
    view->CloseWindow();
    Pump(50);
    EXPECT_EQ(held.use_count(), holders);
}

// A choice redraws the canvas at once and empties its label; the plan view reads the geometry
// window's fields as they stand at each drawing.
TEST_F(Panel3dFlapViewTest, ChoosingARowRedrawsAtOnceWithTheCurrentGeometry) {
    Panel3dFlapFrame* view = Panel3dShowFlapView(NewModel());
    Pump(100);
    int paints = 0;
    view->sectionCanvas->Bind(wxEVT_PAINT, [&](wxPaintEvent& e) {
        ++paints;
        e.Skip();
    });
    Choose(view->secondSectionChoice, 1);
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(view->secondSectionLabel->GetLabel(), wxS(""));
    auto p = Record(view);
    // The second chooser alone: the right tip in blue, outline in blue, a blue marker.
    EXPECT_EQ(LinesIn(p, PlotPen::Stock(luvo::PlotColour::Blue())), 2u * kN + 6);
    EXPECT_EQ(LinesIn(p, PlotPen::StockBlack()), 0u);
    ASSERT_EQ(p.LinesIn(PlotPen::Blue()).size(), 1u);
    EXPECT_EQ(p.LinesIn(PlotPen::Blue())[0].x1, 80);

    Choose(view->firstSectionChoice, 2 * kM + 1);
    EXPECT_EQ(paints, 2);
    p = Record(view);
    EXPECT_EQ(LinesIn(p, PlotPen::StockBlack()), 2u * kN + 6);
    ASSERT_EQ(p.LinesIn(PlotPen::Red()).size(), 6u + 1);  // the axes and the left-tip marker
    EXPECT_EQ(p.LinesIn(PlotPen::Red())[6].x1, -80);

    // An unswept wing in the geometry window: the tip leading edge level with the root's.
    SetText(geometry->sweepField, wxS("0"));
    p = Record(view);
    const auto outline = p.LinesIn(PlotPen::StockBlack());
    ASSERT_GE(outline.size(), 3u);
    const auto& tipToRoot = outline[outline.size() - 1];
    EXPECT_EQ(tipToRoot.y1, tipToRoot.y2);
    // With the flap deflected on the left only, the outline shows on both halves.
    SetText(geometry->leftDeflectionField, wxS("10"));
    EXPECT_EQ(Record(view).LinesIn(PlotPen::StockBlack()).size(), 2u * kN + 12);
}

TEST_F(Panel3dFlapViewTest, InfoBoxLeavesInfoInTheStatusLine) {
    Panel3dFlapFrame* view = Panel3dShowFlapView(NewModel());
    wxString whileOpen;
    const ShownBox box = ShowInfoBox(view, &whileOpen);
    EXPECT_EQ(box.caption, wxS("Info Eingabe der Klappenausschläge"));
    EXPECT_TRUE(box.message.StartsWith(
        wxS("Mit Hilfe der Eingabefelder können die anzuzeigenden \nPanelschnitte")));
    EXPECT_TRUE(box.message.EndsWith(wxS("Die Verwindung bleibt jedoch erhalten.\n")));
    EXPECT_TRUE(box.style & wxICON_INFORMATION);
    EXPECT_EQ(whileOpen, wxS("Info"));
    EXPECT_EQ(view->GetStatusBar()->GetStatusText(0), wxS("Info"));
}

// The menu and the button close only the view; "Diskretisierung" takes it along, and the
// geometry window takes both.
TEST_F(Panel3dFlapViewTest, ClosesAloneOrWithTheWindowsItReads) {
    Panel3dFlapFrame* view = Panel3dShowFlapView(NewModel());
    wxWeakRef<wxFrame> viewRef(view);
    SendMenu(view, luvo::kIdMenuClose);
    Pump(50);
    EXPECT_FALSE(panel3d::Panel3dFlapOpen());
    EXPECT_FALSE(viewRef);

    Click(geometry->nextButton);
    ASSERT_TRUE(panel3d::Panel3dDiscretisationOpen());
    wxWeakRef<wxFrame> discRef(panel3d::Panel3dDiscretisationWindow);
    view = Panel3dShowFlapView(NewModel());
    viewRef = view;
    view->Close();
    Pump(50);
    EXPECT_FALSE(viewRef);
    EXPECT_TRUE(discRef);

    view = Panel3dShowFlapView(NewModel());
    viewRef = view;
    panel3d::Panel3dDiscretisationWindow->Close();
    Pump(50);
    EXPECT_FALSE(panel3d::Panel3dFlapOpen());
    EXPECT_FALSE(viewRef);
    EXPECT_FALSE(discRef);

    Click(geometry->nextButton);
    discRef = panel3d::Panel3dDiscretisationWindow.get();
    view = Panel3dShowFlapView(NewModel());
    viewRef = view;
    Click(geometry->cancelButton);
    Pump(50);
    EXPECT_FALSE(panel3d::Panel3dGeometryOpen());
    EXPECT_FALSE(panel3d::Panel3dDiscretisationOpen());
    EXPECT_FALSE(panel3d::Panel3dFlapOpen());
    EXPECT_FALSE(discRef);
    EXPECT_FALSE(viewRef);
    panel3d::Panel3dPanelModel.reset();
    EXPECT_EQ(Panel3dModel::LiveCount(), liveBefore);
}

class ScreenPanel3dFlapView : public Panel3dFlapViewTest {
  protected:
    // Pixels of the canvas in the given colour, as the screen shows them.
    static int Count(const wxImage& image, unsigned char r, unsigned char g, unsigned char b) {
        int n = 0;
        for (int y = 0; y < image.GetHeight(); ++y) {
            for (int x = 0; x < image.GetWidth(); ++x) {
                n += image.GetRed(x, y) == r && image.GetGreen(x, y) == g &&
                     image.GetBlue(x, y) == b;
            }
        }
        return n;
    }
};

// A real click opens the chooser's list; the arrow key and Return pick the next row, which the
// canvas then shows in blue.
TEST_F(ScreenPanel3dFlapView, RealClickAndKeysChooseARow) {
    wxToolTip::Enable(false);
    Panel3dFlapFrame* view = Panel3dShowFlapView(NewModel());
    Present(view);
    EXPECT_EQ(Count(ReadScreen(view->sectionCanvas), 0, 0, 255), 0);
    const wxSize size = view->secondSectionChoice->GetSize();
    RealClick(view->secondSectionChoice, wxPoint(size.x / 2, size.y / 2));
    Pump(300);
    RealKey(WXK_DOWN);
    RealKey(WXK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return view->secondSectionChoice->GetValue() == wxS("1"); }, 3000))
        << view->secondSectionChoice->GetValue();
    Pump(200);
    EXPECT_EQ(view->secondSectionLabel->GetLabel(), wxS(""));
    EXPECT_GT(Count(ReadScreen(view->sectionCanvas), 0, 0, 255), 100);
    wxToolTip::Enable(true);
}

TEST_F(ScreenPanel3dFlapView, Tour) {
    SetCheck(geometry->flapCheckBox, true);
    SetText(geometry->leftDeflectionField, wxS("20"));
    // The windows' default counts: 30 x 15 panels.
    panel3d::Panel3dChordPanelCount = 30;
    panel3d::Panel3dSpanPanelCount = 15;
    auto model = panel3d_test::DefaultWing(30, 15);
    model->leftFlapDeflection = -20;
    ASSERT_TRUE(model->GenerateWingGrid());
    panel3d::Panel3dPanelModel = model;
    Panel3dFlapFrame* view = Panel3dShowFlapView(model);
    // A row inside the left flap in black, the right half's matching row in blue.
    int row = -1;
    for (int k = 15 + 1; k < 2 * 15 && row < 0; ++k) {
        if (model->flapMarks[static_cast<std::size_t>(2 * 30 * k)]) row = k;
    }
    ASSERT_GT(row, 15);
    Choose(view->firstSectionChoice, row + 1);
    Choose(view->secondSectionChoice, 2 * 15 - row + 1);
    const wxImage shot = CaptureFrame(view);
    EXPECT_TRUE(shot.IsOk());
    SaveTourShot(view, "panel3d_flap_view");
    const wxImage canvas = ReadScreen(view->sectionCanvas);
    EXPECT_GT(Count(canvas, 0, 0, 255), 100);
    EXPECT_GT(Count(canvas, 0, 0, 0), 100);
}

}  // namespace
