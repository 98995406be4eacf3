// The plots of the extended lifting-line analysis in the small font on their canvases: no text
// covers another, a handle, an axis or a tick, or leaves its canvas.

#include <string>
#include <vector>

#include "etl/core/EtlPlotPaint.h"
#include "etl/core/EtlRuns.h"
#include "etl/gui/EtlAnalysisFrame.h"
#include "etl/gui/EtlAnalysisPlots.h"
#include "etl/gui/EtlPlots.h"
#include "tests/etl/core/EtlTestWings.h"
#include "tests/support/GuiHarness.h"
#include "tests/support/PlotTexts.h"

namespace {

using namespace luvo::test;

// The left caption of the twist plot: "alfa" with the subscripts written over its gaps.
const CaptionPieces kCaption = {"alfa", "rel              g_y          g_y=0",
                                "[\xc2\xb0] = alfa       - alfa"};

class EtlLayout : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        frame_ = new EtlAnalysisFrame(wxS("Probe"), wxDefaultPosition, wxSize(860, 680),
                                      wxDEFAULT_FRAME_STYLE);
    }
    EtlAnalysisFrame* frame_ = nullptr;
};

// At the defaults C and D stand 20 pixels apart at the tip, their labels on each other and D's
// on the right axis; further: every handle at the top, B and C in one column, AB over the
// whole half span.
TEST_F(EtlLayout, TwistPlotTextsKeepClear) {
    const wxSize canvas = frame_->twistCanvas->GetClientSize();
    const struct {
        const char* name;
        double b, angleB, angleC, angleD, ab, bc, cd;  // angles relative to the root
    } cases[] = {
        {"defaults", 10, 0, 0, 0, 50, 40, 10},
        {"everything at 3 degrees", 10, 3, 3, 3, 50, 40, 10},
        {"B and C in one column", 12, -0.4, -0.4, -1, 50, 0, 50},
        {"AB over the half span", 10, -0.1, -0.1, -0.1, 100, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EtlAnalysisInputs in = etl_test::AnalysisWindowInputs();
        in.span = c.b;
        in.angleB = c.angleB;
        in.angleC = c.angleC;
        in.angleD = c.angleD;
        in.lengthAB = c.ab;
        in.lengthBC = c.bc;
        in.lengthCD = c.cd;
        const auto s = EtlSolveAnalysis(in);
        RecordingPainter rec = MeasuringPainter(canvas);
        EtlPaintTwistPlot(rec, *s, kEtlTwistTitle);
        EtlPaintTwistHandles(rec, in.span, in.angleA, in.angleA + in.angleB, in.angleA + in.angleC,
                             in.angleA + in.angleD, in.lengthAB, in.lengthBC, in.lengthCD,
                             kEtlTwistTitle);
        const luvo::PlotSize title = SmallFontTextSize(kEtlTwistTitle.text);
        const wxRect titleBox(kEtlTwistTitle.x, kEtlTwistTitle.y, title.width, title.height);
        EXPECT_EQ(CrowdedTexts(rec, canvas, {{"title", titleBox}}, kCaption),
                  std::vector<std::string>());
        EXPECT_EQ(TextsOnLines(rec, luvo::PlotPen::Axis(), kCaption), std::vector<std::string>());
        EXPECT_EQ(TextsOnHandles(rec), std::vector<std::string>());
    }
}

// The plan form with its handles: at the defaults the outline stays on the canvas and no text
// lies on the title, another text, a handle or an axis, or leaves the canvas ("phi_VK3" and
// "Strömungsrichtung" did); so also with sweeps of -45 and 45 degrees, sideslip, shorter root
// chords and sections in one column.
TEST_F(EtlLayout, PlanformTextsKeepClearAndTheDefaultWingFits) {
    const wxSize canvas = frame_->chordCanvas->GetClientSize();
    struct Case {
        const char* name;
        void (*change)(EtlAnalysisInputs&);
    };
    const Case cases[] = {
        {"defaults", [](EtlAnalysisInputs&) {}},
        {"swept -45 degrees, chord shrinking",
         [](EtlAnalysisInputs& in) {
             in.sweep1 = in.sweep2 = in.sweep3 = -45;
             in.chordB = 1.5;
             in.chordC = 1.0;
             in.chordD = 0.5;
         }},
        {"swept 45 degrees", [](EtlAnalysisInputs& in) { in.sweep1 = in.sweep2 = in.sweep3 = 45; }},
        {"sideslip and a short root chord",
         [](EtlAnalysisInputs& in) {
             in.sideslip = -30;
             in.chordA = 0.5;
             in.span = 40;
         }},
        {"B and C in one column",
         [](EtlAnalysisInputs& in) {
             in.lengthBC = 0;
             in.lengthCD = 50;
         }},
        {"AB over the half span",
         [](EtlAnalysisInputs& in) {
             in.lengthAB = 100;
             in.lengthBC = in.lengthCD = 0;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EtlAnalysisInputs in = etl_test::AnalysisWindowInputs();
        c.change(in);
        const auto s = EtlSolveAnalysis(in);
        RecordingPainter rec = MeasuringPainter(canvas);
        EtlPaintPlanform(rec, *s, kEtlChordTitle);
        EtlPaintChordHandles(rec, in.span, in.lengthAB, in.lengthBC, in.lengthCD, in.chordA,
                             in.chordB, in.chordC, in.chordD, in.sweep1, in.sweep2, in.sweep3,
                             kEtlChordTitle);
        const luvo::PlotSize title = SmallFontTextSize(kEtlChordTitle.text);
        const wxRect titleBox(kEtlChordTitle.x, kEtlChordTitle.y, title.width, title.height);
        EXPECT_EQ(CrowdedTexts(rec, canvas, {{"title", titleBox}}), std::vector<std::string>());
        EXPECT_EQ(TextsOnLines(rec, luvo::PlotPen::StockBlack()), std::vector<std::string>());
        EXPECT_EQ(TextsOnLines(rec, luvo::PlotPen::StockRed()),
                  std::vector<std::string>());  // arrow
        EXPECT_EQ(TextsOnHandles(rec), std::vector<std::string>());
    }

    // The default wing's outline (grey) and handles lie on the canvas.
    const auto s = EtlSolveAnalysis(etl_test::AnalysisWindowInputs());
    const wxImage image = RenderToImage(canvas.x, canvas.y + 40, [&](wxDC& dc) {
        EtlPaintAnalysisChord(dc, *s, etl_test::AnalysisWindowInputs());
    });
    int greyBelow = 0;
    for (int y = canvas.y; y < image.GetHeight(); ++y) {
        for (int x = 0; x < canvas.x; ++x) {
            greyBelow += image.GetRed(x, y) == 128 && image.GetGreen(x, y) == 128;
        }
    }
    EXPECT_EQ(greyBelow, 0);
}

// A wing at a negative angle of attack: the circulation and the local lift of the analysis and
// the results plots lie below the span axis, which moves to the top of the band, with negative
// tick labels; nothing red above the axis, and no text on another.
TEST_F(EtlLayout, NegativeLiftIsDrawnBelowTheAxis) {
    EtlAnalysisInputs in = etl_test::AnalysisWindowInputs();
    in.angleA = -10.0;
    const std::shared_ptr<EtlSolver> s = EtlSolveAnalysis(in);
    ASSERT_LT(s->liftCoefficient, 0.0);
    const wxSize canvas = frame_->circulationCanvas->GetClientSize();
    const struct {
        const char* name;
        wxPoint origin;
        void (*draw)(wxDC&, const EtlSolver&);
        void (*paint)(luvo::PlotPainter&, const EtlSolver&);
    } plots[] = {
        {"analysis", wxPoint(40, 120), EtlDrawCirculationLiftPlot, EtlPaintCirculationLiftPlot},
        {"results", wxPoint(60, 143), EtlDrawResultsCirculationLiftPlot,
         EtlPaintResultsCirculationLiftPlot},
    };
    for (const auto& plot : plots) {
        SCOPED_TRACE(plot.name);
        const wxImage image = RenderToImage(320, 230, [&](wxDC& dc) { plot.draw(dc, *s); });
        const int axis = plot.origin.y - 80;
        // Equal chords: the local lift's curve lies on the circulation's.
        const wxColour green(wxS("green"));
        EXPECT_GT(CountPixels(image, green, wxRect(plot.origin.x, axis + 2, 201, 80)), 100);
        EXPECT_EQ(CountPixels(image, wxColour(255, 0, 0), wxRect(0, 0, 320, axis - 1)), 0);
        EXPECT_EQ(CountPixels(image, green, wxRect(0, 0, 320, axis - 1)), 0);

        RecordingPainter rec = MeasuringPainter(canvas);
        plot.paint(rec, *s);
        int negative = 0;
        for (const PlacedText& t : TextBoxes(rec)) negative += t.text.rfind("-", 0) == 0;
        EXPECT_EQ(negative, 8);
        if (plot.origin == wxPoint(40, 120)) {
            EXPECT_EQ(CrowdedTexts(rec, canvas), std::vector<std::string>());
        }
    }
}

}  // namespace
