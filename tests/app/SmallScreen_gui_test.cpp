// Windows on a screen of 1024 x 768 pixels. CTest runs these suites on an X server of that size
// of their own, once without and once under a window manager (tests/CMakeLists.txt); on any
// other screen they are skipped.

#include <wx/display.h>
#include <wx/scrolwin.h>
#include <wx/statusbr.h>

#include <cstdlib>
#include <string>

#include "app/MainFrame.h"
#include "etl/gui/EtlAnalysisFrame.h"
#include "etl/gui/EtlMethodFrame.h"
#include "etl/gui/EtlModule.h"
#include "supersonic/gui/SupersonicMethodFrame.h"
#include "supersonic/gui/SupersonicPartsFrame.h"
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

    // A tour picture's name, marked when a window manager runs.
    static std::string ShotName(const std::string& name) {
        return std::getenv("LUVO_WINDOW_MANAGER") != nullptr ? name + "_wm" : name;
    }
};

// The widest window with plots of its own, the extended lifting-line analysis (860 x 680): on
// the screen as a whole, with its menu and status line, nothing of it cut off.
TEST_F(SmallScreenTour, ExtendedLiftingLineAnalysis) {
    auto* method = dynamic_cast<EtlMethodFrame*>(OpenMethodWindow(3));
    ASSERT_NE(method, nullptr);
    SelectRadio(method->taskRadio, 1);
    Click(method->okButton);
    ASSERT_TRUE(etl::EtlAnalysisOpen());
    method->Hide();
    EtlAnalysisFrame* f = etl::EtlAnalysisWindow;
    EXPECT_TRUE(CaptureFrame(f).IsOk());
    EXPECT_TRUE(wxDisplay(f).GetClientArea().Contains(f->GetScreenRect()));
    SaveTourImage(ReadWholeScreen(), ShotName("small_screen_etl_analysis"));
}

// The tallest window, the supersonic parts window (830 x 810), opens within the work area with
// its status line on screen; its content scrolls, so that "Speichern" and "Schließen", the only
// way to save, can be reached and pressed.
TEST_F(SmallScreenTour, SupersonicPartsWindowScrollsToEveryControl) {
    SupersonicPartsFrame* f = OpenSupersonicPartsFrame(wxEmptyString);
    ASSERT_NE(f, nullptr);
    Present(f);
    const wxRect area = wxDisplay(f).GetClientArea();
    EXPECT_TRUE(area.Contains(f->GetScreenRect())) << f->GetScreenRect().y;
    const wxRect status = f->GetStatusBar()->GetScreenRect();
    EXPECT_TRUE(area.Contains(status)) << status.y;
    auto* content = dynamic_cast<wxScrolledWindow*>(f->GetPanel()->GetParent());
    ASSERT_NE(content, nullptr);
    SaveTourImage(ReadWholeScreen(), ShotName("small_screen_supersonic_parts"));

    content->Scroll(0, content->GetVirtualSize().y);
    Pump(200);
    const wxRect visible = content->GetScreenRect();
    for (const wxString label : {wxS("S&peichern"), wxS("&Schließen")}) {
        SCOPED_TRACE(label.utf8_string());
        wxButton* button = FindButton(f, label);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(visible.Contains(button->GetScreenRect()));
        EXPECT_FALSE(button->GetScreenRect().Intersects(status));
    }
    SaveTourImage(ReadWholeScreen(), ShotName("small_screen_supersonic_parts_scrolled"));
    // A real press on "Speichern" opens the file dialog.
    wxButton* save = FindButton(f, wxS("S&peichern"));
    wxTEST_DIALOG(RealClick(save, wxPoint(10, 10)),
                  ExpectFile(dir().file("teile.dat"), wxID_CANCEL));
    CloseSupersonicDesignFrame();
}

}  // namespace
