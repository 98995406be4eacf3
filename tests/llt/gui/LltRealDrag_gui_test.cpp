// Fast drags through the X server on the lifting-line windows: the motions come faster than the
// window recomputes, and the release must still leave the fields at the pointer's last position.

#include <wx/app.h>
#include <wx/weakref.h>

#include <filesystem>

#include "common/core/NumberText.h"
#include "llt/core/LltDesignTasks.h"
#include "llt/gui/LltAnalysisFrame.h"
#include "llt/gui/LltChordDesignFrame.h"
#include "llt/gui/LltModule.h"
#include "llt/gui/LltTwistDesignFrame.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

class ScreenLltRealDrag : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        llt::currentSolver.reset();
    }
    void TearDown() override {
        GuiTest::TearDown();
        llt::currentSolver.reset();
    }
    // The window as the method window opens it, at the top left, once it has painted and
    // written its file.
    template <class Frame>
    Frame* Open(wxWeakRef<Frame>& moduleWindow, wxSize size, const char* file) {
        auto* f = new Frame(wxS("Probe"), wxDefaultPosition, size, wxDEFAULT_FRAME_STYLE);
        moduleWindow = f;
        f->Move(0, 0);
        f->Show(true);
        f->Raise();
        EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(dir().file(file)); }));
        Pump(300);
        return f;
    }
};

// Handle B of the analysis chord plot (column x = 100 for AB = 50 %, chords downwards at 150
// pixels for b/2) dragged fast to y = 45: the field holds "%2.2f" of b/2 * 45 / 150.
TEST_F(ScreenLltRealDrag, AnalysisChordHandleEndsWhereThePointerEnds) {
    LltAnalysisFrame* f = Open(llt::analysisFrame, wxSize(755, 690), " GammaUndCa.dat");
    const wxPoint origin(45, 55);  // the plot's device origin in the canvas
    const double b = 8.0;
    for (int y : {45, 80, 20}) {
        SCOPED_TRACE(y);
        const int from = static_cast<int>(
            luvo::ParseLeadingNumber(f->chordBField->GetValue().utf8_string()) * 150.0 / (0.5 * b));
        RealFastDrag(f->chordCanvas, origin + wxPoint(100, from), origin + wxPoint(100, y));
        const std::string expected = luvo::FormatNumber("%2.2f", 0.5 * b * y / 150.0);
        EXPECT_EQ(f->chordBField->GetValue().utf8_string(), expected);
        ASSERT_TRUE(llt::currentSolver);
        EXPECT_DOUBLE_EQ(llt::currentSolver->chordB, luvo::ParseLeadingNumber(expected));
    }
}

// Handle B of the chord design's twist plot (20 pixels per degree, upwards) dragged fast: the
// field holds "%2.2f" of -y / 20.
TEST_F(ScreenLltRealDrag, ChordDesignTwistHandleEndsWhereThePointerEnds) {
    LltChordDesignFrame* f = Open(llt::chordDesignFrame, wxSize(845, 700), " tiefe.dat");
    const wxPoint origin(45, 90);
    for (int y : {-40, 30, -10}) {
        SCOPED_TRACE(y);
        const int from = static_cast<int>(
            -20.0 * luvo::ParseLeadingNumber(f->angleBField->GetValue().utf8_string()));
        RealFastDrag(f->twistCanvas, origin + wxPoint(100, from), origin + wxPoint(100, y));
        EXPECT_EQ(f->angleBField->GetValue().utf8_string(), luvo::FormatNumber("%2.2f", -y / 20.0));
    }
}

// The twist design's root circulation handle (plot origin (50, 110), 60 pixels per unit of
// gamma / A) from 60 to 48 pixels above the axis, once with every motion handled and once with
// the motions merged: both end as one step from the press gives, with no box. With the defaults
// (CL 0.3, a3 = a5 = 0) the fit through 0.8 A at the root and the unchanged stations 41 and 30
// gives CL 0.22, a3 -0.02, a5 -0.01.
TEST_F(ScreenLltRealDrag, TwistDesignRootCirculationDragWorksFromThePress) {
    for (const bool brisk : {false, true}) {
        SCOPED_TRACE(brisk ? "brisk" : "slow");
        std::filesystem::remove(dir().file("alfaGeom.dat"));
        LltTwistDesignFrame* f = Open(llt::twistDesignFrame, wxSize(775, 680), "alfaGeom.dat");
        ASSERT_EQ(f->liftCoefficientField->GetValue(), wxS("0.3"));
        BoxRecorder boxes;
        const wxPoint from(50, 110 - 60);
        const wxPoint to(50, 110 - 48);
        if (brisk) {
            RealBriskDrag(f->circulationCanvas, from, to, 12);
        } else {
            RealFastDrag(f->circulationCanvas, from, to, 12);
        }
        EXPECT_TRUE(boxes.boxes().empty());
        EXPECT_EQ(f->liftCoefficientField->GetValue(), wxS("0.22"));
        EXPECT_EQ(f->a3Field->GetValue(), wxS("-0.02"));
        EXPECT_EQ(f->a5Field->GetValue(), wxS("-0.01"));
        f->Destroy();
        wxTheApp->ProcessIdle();
        llt::twistDesignFrame.Release();
        llt::currentSolver.reset();
    }
}

// The chord design's root handle dragged briskly by 15 pixels ends with the coefficients of one
// step from the press, however the motions were merged.
TEST_F(ScreenLltRealDrag, ChordDesignBriskCirculationDragWorksFromThePress) {
    LltChordDesignFrame* f = Open(llt::chordDesignFrame, wxSize(845, 700), " tiefe.dat");
    const std::vector<LltWrite> oneStep =
        LltChordDesignCirculationDrag(f->ReadInputs(), LltCirculationHandle::Root, -45);
    BoxRecorder boxes;
    RealBriskDrag(f->circulationCanvas, wxPoint(50, 110 - 60), wxPoint(50, 110 - 45), 8);
    EXPECT_TRUE(boxes.boxes().empty());
    ASSERT_EQ(oneStep.size(), 4u);
    for (const LltWrite& w : oneStep) {
        EXPECT_EQ(f->Field(w.input)->GetValue().utf8_string(), w.text);
    }
}

}  // namespace
