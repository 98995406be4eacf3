// Nothing of the design windows overlaps or leaves its place, also with extreme states: the result
// texts keep to their columns, and the curves of every plot stay inside the range its axes show.

#include <wx/dcmemory.h>
#include <wx/statbox.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/gui/WxPlotPainter.h"
#include "tests/supersonic/gui/SupersonicGuiFixture.h"

namespace {

using namespace luvo::test;
using namespace supersonic_test;

class SupersonicLayout : public SupersonicGuiTest {};

void ExpectResultTextsClear(SupersonicDesignFrame* f, const std::string& what) {
    wxStaticBox* box = FindBox(f->panel, wxS("Ausgabe"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(CrowdingInBox(box), std::vector<std::string>()) << what;
}

// Large coefficients of the camber part give results of up to 13 characters ("25000.00" for
// f/t, "12727922.0704" for cwW, "-102.382"-like pressure points); the contour window's own rows
// with a contour point far above the chord.
TEST_F(SupersonicLayout, ResultTextsKeepToTheirColumns) {
    SupersonicPartsFrame* parts = OpenSupersonicPartsFrame(wxEmptyString);
    ExpectResultTextsClear(parts, "defaults");
    parts->coefficientCheckBox->Action();
    const struct {
        int slot;
        const char* value;
    } cases[] = {{1, "1000"}, {0, "3000"}, {2, "-1000"}, {1, "3000"}};
    for (const auto& c : cases) {
        for (SupersonicCoefficientField* field : parts->coefficientFields) SetText(field, "0");
        SetText(parts->coefficientFields[c.slot], wxString::FromUTF8(c.value));
        ExpectResultTextsClear(parts, std::string("A") + std::to_string(c.slot) + " = " + c.value);
    }
    // Shock-expansion values of their own width in the middle column.
    SetText(parts->coefficientFields[1], wxS("0"));
    SetText(parts->coefficientFields[0], wxS("0.3"));
    ASSERT_FALSE(parts->Profile().subsonic);
    ExpectResultTextsClear(parts, "A0 = 0.3");

    SupersonicContourFrame* contour = OpenSupersonicContourFrame(wxEmptyString);
    ExpectResultTextsClear(contour, "contour defaults");
    contour->Profile().part1.supportPoints[0].z = 40.0;
    contour->Recalculate();
    ExpectResultTextsClear(contour, "contour point at z = 40");
}

// Pixels of the curves' colours (not black, grey or white) outside `plot`, leaving out `spared`.
int CurvePixelsOutside(const wxImage& image, const wxRect& plot,
                       const std::vector<wxRect>& spared) {
    int count = 0;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            const wxPoint at(x, y);
            if (plot.Contains(at)) continue;
            bool isSpared = false;
            for (const wxRect& r : spared) isSpared = isSpared || r.Contains(at);
            if (isSpared) continue;
            const int r = image.GetRed(x, y);
            const int g = image.GetGreen(x, y);
            const int b = image.GetBlue(x, y);
            count += std::max({r, g, b}) - std::min({r, g, b}) > 60;
        }
    }
    return count;
}

// Plots from x = 50 to 430 and from the highest tick (y = 40) to the lowest (y = 160); the
// legend's sample lines at y = 177 and the flow arrow left of the z axis are no curves.
void ExpectCurvesInsideThePlot(SupersonicPlotCanvas* canvas, SupersonicDesignFrame* frame) {
    const wxRect plot(wxPoint(50, 40), wxPoint(430, 160));
    const std::vector<wxRect> spared = {wxRect(wxPoint(78, 174), wxPoint(347, 180)),
                                        wxRect(0, 0, 50, 200)};
    const wxImage image = RenderToImage(480, 200, [&](wxDC& dc) {
        luvo::WxPlotPainter painter(dc);
        canvas->Paint(painter, *frame);
    });
    EXPECT_EQ(CurvePixelsOutside(image, plot, spared), 0);
    // The curves are there, inside.
    EXPECT_GT(CurvePixelsOutside(image, wxRect(), {}), 200);
}

// Flat plate at Mach 1.61 and alpha* 15 with every cp curve on: the curves reach far beyond
// cp = -0.3 and +0.3; in the contour window a support point far above the chord.
TEST_F(SupersonicLayout, CurvesStayInsideTheRangeOfTheirAxes) {
    SupersonicPartsFrame* parts = OpenSupersonicPartsFrame(wxEmptyString);
    SetText(parts->antimetricCountField, wxS("0"));
    SetText(parts->symmetricCountField, wxS("0"));
    SetText(parts->machField, wxS("1.61"));
    SetText(parts->alphaField, wxS("15"));
    for (SupersonicOptionCheckBox* box :
         {parts->showLinearDeltaCheckBox, parts->showShockUpperCheckBox,
          parts->showShockLowerCheckBox, parts->showShockDeltaCheckBox}) {
        box->Action();
    }
    {
        SCOPED_TRACE("parts result");
        ExpectCurvesInsideThePlot(parts->resultCanvas, parts);
    }

    SupersonicContourFrame* contour = OpenSupersonicContourFrame(wxEmptyString);
    for (SupersonicOptionCheckBox* box :
         {contour->showLinearDeltaCheckBox, contour->showShockUpperCheckBox,
          contour->showShockLowerCheckBox, contour->showShockDeltaCheckBox}) {
        box->Action();
    }
    contour->Profile().part1.supportPoints[0] = {0.4, 0.2};
    contour->Recalculate();
    for (SupersonicPlotCanvas* canvas :
         {static_cast<SupersonicPlotCanvas*>(contour->contourCanvas),
          static_cast<SupersonicPlotCanvas*>(contour->pressureCanvas)}) {
        SCOPED_TRACE(canvas == contour->contourCanvas ? "contour" : "contour pressure");
        ExpectCurvesInsideThePlot(canvas, contour);
    }
}

}  // namespace
