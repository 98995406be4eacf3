// Fast drags through the X server on the lifting-line windows: the motions come faster than the
// window recomputes, and the release must still leave the fields at the pointer's last position.

#include <wx/app.h>

#include <filesystem>

#include "common/core/NumberText.h"
#include "llt/gui/LltAnalysisFrame.h"
#include "llt/gui/LltChordDesignFrame.h"
#include "llt/gui/LltModule.h"
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
    Frame* Open(Frame*& moduleWindow, bool& open, wxSize size, const char* file) {
        moduleWindow = new Frame(wxS("Probe"), wxDefaultPosition, size, wxDEFAULT_FRAME_STYLE);
        open = true;
        moduleWindow->Move(0, 0);
        moduleWindow->Show(true);
        moduleWindow->Raise();
        EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(dir().file(file)); }));
        Pump(300);
        return moduleWindow;
    }
};

// Handle B of the analysis chord plot (column x = 100 for AB = 50 %, chords downwards at 150
// pixels for b/2) dragged fast to y = 45: the field holds "%2.2f" of b/2 * 45 / 150.
TEST_F(ScreenLltRealDrag, AnalysisChordHandleEndsWhereThePointerEnds) {
    LltAnalysisFrame* f =
        Open(llt::analysisFrame, llt::analysisOpen, wxSize(755, 690), " GammaUndCa.dat");
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
    LltChordDesignFrame* f =
        Open(llt::chordDesignFrame, llt::chordDesignOpen, wxSize(845, 700), " tiefe.dat");
    const wxPoint origin(45, 90);
    for (int y : {-40, 30, -10}) {
        SCOPED_TRACE(y);
        const int from = static_cast<int>(
            -20.0 * luvo::ParseLeadingNumber(f->angleBField->GetValue().utf8_string()));
        RealFastDrag(f->twistCanvas, origin + wxPoint(100, from), origin + wxPoint(100, y));
        EXPECT_EQ(f->angleBField->GetValue().utf8_string(), luvo::FormatNumber("%2.2f", -y / 20.0));
    }
}

}  // namespace
