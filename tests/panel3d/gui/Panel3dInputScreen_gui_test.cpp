// The panel method's input windows on the screen: pictures for the tour, and real mouse input
// through the X server.

#include <wx/app.h>
#include <wx/statusbr.h>

#include "app/MainFrame.h"
#include "panel3d/gui/Panel3dGridInputFrame.h"
#include "panel3d/gui/Panel3dMethodFrame.h"
#include "panel3d/gui/Panel3dSourceFrame.h"
#include "tests/panel3d/gui/Panel3dInputWindows.h"

namespace {

using namespace luvo::test;

class ScreenPanel3dInput : public panel3d_test::Panel3dInputTest {
  protected:
    // A point in the left part of a radio box's item, in the box's client coordinates, found
    // through the box's own hit test.
    static wxPoint ItemPoint(wxRadioBox* box, int item) {
        const wxRect r = box->GetScreenRect();
        for (int y = r.GetTop(); y <= r.GetBottom(); ++y) {
            for (int x = r.GetLeft(); x < r.GetLeft() + 40; ++x) {
                if (box->GetItemFromPoint(wxPoint(x, y)) == item &&
                    box->GetItemFromPoint(wxPoint(x, y + 4)) == item) {
                    return box->ScreenToClient(wxPoint(x + 4, y + 4));
                }
            }
        }
        ADD_FAILURE() << "no item " << item;
        return wxPoint(0, 0);
    }
    static void Hide(wxFrame* f) {
        f->Hide();
        Pump(50);
    }
};

TEST_F(ScreenPanel3dInput, TourOfTheMethodChooserAndGridInputWindows) {
    auto* method = dynamic_cast<Panel3dMethodFrame*>(OpenMethodWindow(1));
    ASSERT_NE(method, nullptr);
    SelectRadio(method->taskRadio, 1);
    EXPECT_TRUE(CaptureFrame(method).IsOk());
    SaveTourShot(method, "panel3d_method_polars");
    Click(method->okButton);
    Hide(method);
    Panel3dSourceFrame* chooser = panel3d::Panel3dSourceWindow;
    ASSERT_NE(chooser, nullptr);
    SaveTourShot(chooser, "panel3d_source");
    Click(chooser->okButton);
    Hide(chooser);
    Panel3dGridInputFrame* input = panel3d::Panel3dGridInputWindow;
    ASSERT_NE(input, nullptr);
    SaveTourShot(input, "panel3d_grid_input");
    // A long path in a file label, and the relaxed wake.
    input->gridFileLabel->SetLabel(
        wxS("/home/studentin/Übungen/Aerodynamik/Tragflügel/Netze/rechteckflügel_gepfeilt.fdp"));
    SelectRadio(input->wakeRadio, 1);
    SaveTourShot(input, "panel3d_grid_input_relaxed");
}

TEST_F(ScreenPanel3dInput, RealClicksChooseTheTaskAndOpenTheChooser) {
    auto* f = dynamic_cast<Panel3dMethodFrame*>(OpenMethodWindow(1));
    ASSERT_NE(f, nullptr);
    Present(f);
    RealClick(f->taskRadio, ItemPoint(f->taskRadio, 1));
    ASSERT_TRUE(WaitFor([&] { return f->taskRadio->GetSelection() == 1; }, 2000));
    // The click left the focus in the radio box: the arrow key moves it on to the last task
    // (the toolkit's radio box moves only the focus), the space bar chooses it.
    RealKey(WXK_DOWN);
    EXPECT_EQ(f->taskRadio->GetSelection(), 1);
    RealKey(WXK_SPACE);
    ASSERT_TRUE(WaitFor([&] { return f->taskRadio->GetSelection() == 2; }, 2000));
    EXPECT_EQ(f->GetStatusBar()->GetStatusText(),
              wxS("Gewählt: Leistungs- / Schubpolare, Sinkflugpolare"));
    EXPECT_FALSE(f->fields[kPanel3dSpeed]->IsEnabled());
    EXPECT_TRUE(f->fields[kPanel3dEfficiency]->IsEnabled());

    RealClick(f->okButton, wxPoint(f->okButton->GetSize().x / 2, f->okButton->GetSize().y / 2));
    ASSERT_TRUE(WaitFor([] { return panel3d::Panel3dSourceWindow != nullptr; }, 2000));
    EXPECT_EQ(panel3d::Panel3dCurrentFlowState.taskMode, 2);
    EXPECT_EQ(panel3d::Panel3dCurrentFlowState.speedCount, 5);
}

TEST_F(ScreenPanel3dInput, RealClickOnTheRelaxedWakeEnablesTheIterationField) {
    auto* f = new Panel3dGridInputFrame(wxS("Daten über eine Datei einlesen"), wxDefaultPosition,
                                        wxSize(420, 450));
    panel3d::Panel3dGridInputWindow = f;
    Present(f);
    RealClick(f->wakeRadio, ItemPoint(f->wakeRadio, 1));
    ASSERT_TRUE(WaitFor([&] { return f->wakeRadio->GetSelection() == 1; }, 2000));
    ASSERT_TRUE(WaitFor([&] { return f->iterationField->IsEnabled(); }, 2000));
    EXPECT_EQ(f->iterationField->GetValue(), wxS("8"));
    EXPECT_TRUE(f->coreRadiusField->IsEnabled());
}

}  // namespace
