// Windows on a screen of 1024 x 768 pixels. CTest runs these suites on an X server of that size
// of their own (tests/CMakeLists.txt); on any other screen they are skipped.

#include <wx/display.h>

#include "app/MainFrame.h"
#include "etl/gui/EtlAnalysisFrame.h"
#include "etl/gui/EtlMethodFrame.h"
#include "etl/gui/EtlModule.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

class SmallScreenTour : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        if (wxGetDisplaySize() != wxSize(1024, 768)) {
            GTEST_SKIP() << "needs a screen of 1024 x 768 pixels";
        }
    }
};

// The widest window with plots of its own, the extended lifting-line analysis (860 x 680): on
// the screen as a whole, with its menu and status line, nothing of it cut off.
TEST_F(SmallScreenTour, ExtendedLiftingLineAnalysis) {
    auto* method = dynamic_cast<EtlMethodFrame*>(OpenMethodWindow(3));
    ASSERT_NE(method, nullptr);
    SelectRadio(method->taskRadio, 1);
    Click(method->okButton);
    ASSERT_NE(EtlAnalysisWindow, nullptr);
    method->Hide();
    EtlAnalysisFrame* f = EtlAnalysisWindow;
    EXPECT_TRUE(CaptureFrame(f).IsOk());
    EXPECT_TRUE(wxDisplay(f).GetClientArea().Contains(f->GetScreenRect()));
    SaveTourImage(ReadWholeScreen(), "small_screen_etl_analysis");
}

}  // namespace
