// The results windows of the wing-file route of both lifting-line methods on a wing without
// lift: they paint, in their own paint handlers, the axes and no curve.

#include <wx/colour.h>

#include "tests/common/gui/WingFileRoutes.h"

namespace {

using namespace luvo::test;
using namespace wing_routes;

// Every twist 0: no circulation and no lift anywhere, so both maxima of the plot are 0 and
// neither curve has a scale.
TEST_F(WingFileRouteTest, WingWithoutLiftPaintsTheAxesAndNoCurve) {
    for (const WingFileRoute& route : Routes()) {
        SCOPED_TRACE(route.method);
        luvo::WingResultsFrame* r = RunRoute(route, route.wingWithoutLift);
        ASSERT_NE(r, nullptr);
        Pump();
        r->plotCanvas->Refresh();
        r->plotCanvas->Update();
        const wxImage img = RenderToImage(330, 205, [&](wxDC& dc) { r->PaintPlot(dc); });
        // The plot's origin lies at (60, 143); its legend lines at y 173.
        const wxRect curves(0, 0, 330, 170);
        EXPECT_EQ(CountPixels(img, wxColour(255, 0, 0), curves), 0);
        EXPECT_EQ(CountPixels(img, wxColour(0, 128, 0), curves), 0);
        EXPECT_GT(CountPixels(img, *wxBLACK, wxRect(60, 143, 210, 1)), 200);  // the span axis
        EXPECT_GT(CountPixels(img, *wxBLACK, wxRect(60, 60, 1, 80)), 70);     // the gamma axis
        r->Destroy();
        wxTheApp->ProcessIdle();
    }
}

}  // namespace
