// Nothing the program draws lands outside its own windows: the part of the X root window that
// none of its windows covers keeps its pixels through a run, and a window that is not on screen
// draws nothing anywhere.

#include <wx/slider.h>
#include <wx/uiaction.h>

#include <cstring>
#include <memory>

#include "tests/common/gui/WingFileRoutes.h"
#include "vlm/gui/VlmDiscretisationFrame.h"
#include "vlm/gui/VlmResultsFrame.h"

namespace {

using namespace luvo::test;
using namespace wing_routes;

class ScreenDesktop : public WingFileRouteTest {
  protected:
    // A corner of the screen that the windows of these tests, which open centred, leave free.
    static wxImage FreeCorner() {
        Pump(100);
        return ReadRoot(wxRect(0, 0, 300, 250));
    }
    static bool Same(const wxImage& a, const wxImage& b) {
        return a.GetSize() == b.GetSize() &&
               std::memcmp(a.GetData(), b.GetData(), 3 * a.GetWidth() * a.GetHeight()) == 0;
    }
};

// A results window's plot drawn before the window is on screen would land on the desktop: the
// window draws it in its own paint handler, once it is shown.
TEST_F(ScreenDesktop, WingFileRunsPaintOnlyTheirOwnWindows) {
    wxUIActionSimulator().MouseMove(1270, 1010);
    for (const WingFileRoute& route : Routes()) {
        SCOPED_TRACE(route.method);
        const wxImage before = FreeCorner();
        luvo::WingResultsFrame* r = RunRoute(route, route.wing);
        ASSERT_NE(r, nullptr);
        CaptureFrame(r);
        EXPECT_TRUE(Same(FreeCorner(), before));
        const wxImage plot = ReadScreen(r->plotCanvas);
        // The lift curve, drawn over the circulation's.
        EXPECT_GT(CountPixels(plot, wxColour(0, 128, 0), wxRect(60, 40, 210, 100)), 100);
        r->Destroy();
        wxTheApp->ProcessIdle();
    }
}

// Choices that draw a plot at once (the cp scale, the spacing slider) while their window is not
// on screen.
TEST_F(ScreenDesktop, WindowsThatAreNotShownDrawNothing) {
    wxUIActionSimulator().MouseMove(1270, 1010);
    const wxImage before = FreeCorner();

    auto results = std::make_shared<VlmResults>();
    results->chordwiseCount = 2;
    results->spanwiseCount = 2;
    results->span = 4.0;
    results->spanY = {1.0, -1.0};
    results->spanCa = {0.3, 0.3};
    results->spanCirculation = {0.2, 0.2};
    results->cpTipX = results->cpRootX = {0.75, 0.25};
    results->cpTip = results->cpRoot = {-2.5, 0.4};
    results->cpTipTrailingX = results->cpRootTrailingX = 1.0;
    auto* hiddenResults =
        new VlmResultsFrame(wxS("Ergebnisse"), wxDefaultPosition, wxSize(640, 510));
    hiddenResults->ShowResults(results);
    SelectRadio(hiddenResults->cpScaleRadioBox, 1);
    SelectRadio(hiddenResults->cpScaleRadioBox, 0);

    auto* hiddenDiscretisation =
        new VlmDiscretisationFrame(wxS("Diskretisierung"), wxDefaultPosition, wxSize(630, 560));
    hiddenDiscretisation->distributionSlider->SetValue(80);
    wxCommandEvent slide(wxEVT_SLIDER, VlmDiscretisationFrame::kIdSlider);
    slide.SetEventObject(hiddenDiscretisation->distributionSlider);
    hiddenDiscretisation->distributionSlider->ProcessWindowEvent(slide);

    EXPECT_FALSE(hiddenResults->IsShown());
    EXPECT_FALSE(hiddenDiscretisation->IsShown());
    EXPECT_TRUE(Same(FreeCorner(), before));
}

}  // namespace
