// The vortex-lattice results window: its values, the k-factor warning, the cp scale choice and
// the plots of its own run.

#include <wx/app.h>
#include <wx/uiaction.h>

#include <limits>

#include "common/gui/WxPlotPainter.h"
#include "tests/vlm/gui/VlmWindowFixture.h"
#include "vlm/core/VlmResultPlots.h"
#include "vlm/gui/VlmResultsFrame.h"
#include "vlm/gui/VlmRunWindows.h"

namespace {

using namespace luvo::test;
using namespace vlm_test;

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Four strips of two chordwise points; the lowest cp is `cpMin`.
std::shared_ptr<VlmResults> Results(double cpMin, double k = 1.0) {
    auto r = std::make_shared<VlmResults>();
    r->chordwiseCount = 2;
    r->spanwiseCount = 4;
    r->span = 4.0;
    r->ca = 0.3512;
    r->cwi = 0.0061;
    r->cmx = 0.0;
    r->cmy = -0.1;
    r->cmz = 0.0004;
    r->refArea = 4.5;
    r->refChord = 0.7778;
    r->kFactor = k;
    r->liftPerSpan = 0.3;
    r->spanY = {1.5, 0.5, -0.5, -1.5};
    r->spanCa = {0.2, 0.4, 0.4, 0.2};
    r->spanCirculation = {0.1, 0.2, 0.2, 0.1};
    r->cpTipX = r->cpRootX = {0.75, 0.25, 0.25, 0.75};
    r->cpTip = {-0.5, cpMin, 0.5, 0.2};
    r->cpRoot = {-0.3, -0.2, 0.3, 0.1};
    r->cpTipTrailingX = r->cpRootTrailingX = 1.0;
    return r;
}

class VlmResultsFrameTest : public VlmWindowTest {};

TEST_F(VlmResultsFrameTest, ValuesAndTheWarning) {
    const struct {
        double k;
        const wchar_t* label;
        bool warning;
    } cases[] = {{1.0, L"1.000", false}, {0.999, L"0.999", true}, {kNaN, L"---", true}};
    for (const auto& c : cases) {
        auto results = Results(-1.0, c.k);
        results->cmx = kNaN;
        VlmResultsFrame* f = VlmOpenResultsWindow(results);
        EXPECT_EQ(vlm::VlmResultsWindow, f);
        const std::vector<wxString> expected = {wxS("0.351"),  wxS("0.006"), wxS("---"),
                                                wxS("-0.100"), wxS("0.000"), wxS("4.500"),
                                                wxS("0.778"),  c.label};
        for (int i = 0; i < 8; ++i) EXPECT_EQ(f->valueLabels[i]->GetLabel(), expected[i]) << i;
        EXPECT_EQ(f->warningCanvas != nullptr, c.warning) << c.k;
        if (f->warningCanvas != nullptr) {
            EXPECT_EQ(f->warningCanvas->GetPosition(), wxPoint(349, 315));
            EXPECT_EQ(f->warningCanvas->GetSize(), wxSize(272, 50));
        }
        f->Destroy();
    }
}

TEST_F(VlmResultsFrameTest, LayoutInfoAndClose) {
    VlmResultsFrame* f = VlmOpenResultsWindow(Results(-1.0));
    EXPECT_EQ(Status(f), wxS("Ergebnisse"));
    EXPECT_EQ(f->spanLoadCanvas->GetToolTipText(), wxS("ca über y"));
    EXPECT_EQ(f->pressureCanvas->GetToolTipText(), wxS("cp über x"));
    EXPECT_EQ(f->pressureCanvas->GetPosition(), wxPoint(10, 225));
    EXPECT_EQ(f->cpScaleRadioBox->GetString(1), wxS("cp-Skala nicht skaliert"));
    EXPECT_EQ(f->cpScaleRadioBox->GetSelection(), 0);
    EXPECT_EQ(f->closeButton->GetLabel(), wxS("S&chließen"));
    const std::vector<wxString> texts = StaticTexts(f);
    EXPECT_NE(std::find(texts.begin(), texts.end(), wxS("Bezugsflügelfläche  [m²]:")), texts.end());

    ShownBox seen;
    wxString statusWhileOpen;
    wxTEST_DIALOG(SendMenu(f, luvo::kIdMenuInfo),
                  ExpectBoxNotingStatus(&seen, &statusWhileOpen, f));
    EXPECT_EQ(seen.caption, wxS("INFO Ausgabe der Ergebnisse"));
    EXPECT_TRUE(seen.message.StartsWith(wxS("Hier wird ein Teil der errechneten Ergebnisse")));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_EQ(statusWhileOpen, wxS("Info"));
    EXPECT_EQ(Status(f), wxS("Ergebnisse"));

    wxWeakRef<wxFrame> ref(f);
    Click(f->closeButton);
    Settle();
    EXPECT_FALSE(ref);
    // The module names no window that is gone.
    EXPECT_EQ(vlm::VlmResultsWindow.get(), nullptr);
}

// Lift of 0, of rounding noise and negative lift: the span plot paints in its own handler
// without a failed check; the elliptic comparison is left out without lift and drawn below the
// axis, with the circulation, for negative lift.
TEST_F(VlmResultsFrameTest, SpanPlotOfAWingWithoutAndWithNegativeLift) {
    const wxColour grey(192, 192, 192);
    const wxColour green(0, 128, 0);
    // Canvas pixels around the origin (160, 110): above the axis (between the arrow heads and
    // the labels of the x axis), and below it left of the legend.
    const wxRect above(41, 40, 238, 46);
    const wxRect belowLeft(41, 113, 94, 65);
    const struct {
        double factor;  // of the default loads
        bool below;
    } cases[] = {{0.0, false}, {1e-17, false}, {-1.0, true}};
    for (const auto& c : cases) {
        auto r = Results(-1.0);
        r->spanCirculation = {0.05, 0.2, 0.2, 0.05};  // apart from the ca curve
        for (auto* v : {&r->spanCa, &r->spanCirculation}) {
            for (double& x : *v) x *= c.factor;
        }
        r->liftPerSpan *= c.factor;
        VlmResultsFrame* f = VlmOpenResultsWindow(r);
        Pump();
        f->spanLoadCanvas->Refresh();
        f->spanLoadCanvas->Update();
        const wxImage img = RenderToImage(
            330, 200, [&](wxDC& dc) { luvo::DrawOn(dc, DrawVlmSpanLoad, *f->Results()); });
        EXPECT_EQ(CountPixels(img, grey, above), 0) << c.factor;
        EXPECT_EQ(CountPixels(img, green, above), 0) << c.factor;
        EXPECT_EQ(CountPixels(img, grey, belowLeft) > 20, c.below) << c.factor;
        EXPECT_EQ(CountPixels(img, green, belowLeft) > 20, c.below) << c.factor;
        f->Destroy();
    }
}

// The plots on the screen: the cp axis's zero line lies 110 pixels down the canvas on the fixed
// axis and 110 + 36 on the scaled axis of a cp minimum of -3.4.
class ScreenVlmResults : public VlmResultsFrameTest {
  protected:
    static int AxisRow(wxWindow* canvas) {
        const wxImage shot = ReadScreen(canvas);
        for (int y : {110, 146, 130}) {
            int dark = 0;
            for (int x = 60; x < 260; ++x)
                dark += shot.GetRed(x, y) < 100 && shot.GetGreen(x, y) < 100;
            if (dark > 150) return y;
        }
        return -1;
    }
};

TEST_F(ScreenVlmResults, ScaleChoiceDrawsAtOnceAndAnExposeBringsTheScaledAxisBack) {
    wxUIActionSimulator().MouseMove(1270, 1010);
    VlmResultsFrame* f = VlmOpenResultsWindow(Results(-3.4));
    CaptureFrame(f);
    EXPECT_EQ(AxisRow(f->pressureCanvas), 146);
    SelectRadio(f->cpScaleRadioBox, 1);
    EXPECT_EQ(AxisRow(f->pressureCanvas), 110);
    f->pressureCanvas->Refresh();
    f->pressureCanvas->Update();
    EXPECT_EQ(AxisRow(f->pressureCanvas), 146);
    SelectRadio(f->cpScaleRadioBox, 0);
    EXPECT_EQ(AxisRow(f->pressureCanvas), 146);
}

TEST_F(ScreenVlmResults, OlderWindowRepaintsItsOwnRunAfterTheNewerCloses) {
    wxUIActionSimulator().MouseMove(1270, 1010);
    VlmResultsFrame* older = VlmOpenResultsWindow(Results(-3.4));
    CaptureFrame(older);
    VlmResultsFrame* newer = VlmOpenResultsWindow(Results(-0.5));  // n = 2: zero line at 110 + 0
    CaptureFrame(newer);
    EXPECT_EQ(AxisRow(newer->pressureCanvas), 110);
    newer->Destroy();
    Settle();
    older->Raise();
    CaptureFrame(older);
    older->pressureCanvas->Refresh();
    older->pressureCanvas->Update();
    EXPECT_EQ(AxisRow(older->pressureCanvas), 146);
}

TEST_F(ScreenVlmResults, Tour) {
    wxUIActionSimulator().MouseMove(1270, 1010);
    VlmDiscretisationFrame* d = OpenDiscretisation();
    vlm::VlmGeometryWindow->Hide();
    SaveTourShot(d, "vlm_discretisation");
    SetText(d->chordwiseCountField, wxS("12"));
    SetText(d->spanwiseCountField, wxS("8"));
    Click(d->startButton);
    ASSERT_NE(vlm::VlmResultsWindow, nullptr);
    SaveTourShot(vlm::VlmResultsWindow, "vlm_results");
    VlmResultsFrame* coarse = VlmOpenResultsWindow(Results(-3.4, 0.95));
    SaveTourShot(coarse, "vlm_results_warning");
    // A suction peak of cp -37: 39 steps of 3 pixels on the scaled axis.
    SaveTourShot(VlmOpenResultsWindow(Results(-37.0)), "vlm_results_suction_peak");
}

}  // namespace
