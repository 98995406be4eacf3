// The circulation and local-lift plot of both lifting-line methods, in the analysis window and
// in the results window: one typed suite over both records. Each curve is scaled to its maximum,
// which lies 80 pixels above the span axis; a wing without circulation leaves the legend only.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "etl/core/EtlPlotPaint.h"
#include "etl/core/EtlSolver.h"
#include "llt/core/LltPlotPaint.h"
#include "llt/core/LltSolver.h"
#include "tests/support/RecordingPainter.h"

namespace {

using luvo::test::DrawStep;
using luvo::test::RecordingPainter;

struct Label {
    const char* text;
    int x, y;
};

// Each method's plot: where its origin lies in each window and where the maxima's labels stand
// for the record of HandRecord (gammaMax 0.02, caMax 0.4).
struct LltPlot {
    using Record = LltSolver;
    static void Paint(luvo::PlotPainter& p, const Record& s, bool results) {
        results ? PaintResultsCirculationLiftPlot(p, s) : PaintCirculationLiftPlot(p, s);
    }
    static constexpr std::tuple<int, int> kOrigin{40, 113};
    static constexpr Label kGamma{"0.020", -36, -87};  // ends 3 pixels before the ticks
};

struct EtlPlot {
    using Record = EtlSolver;
    static void Paint(luvo::PlotPainter& p, const Record& s, bool results) {
        results ? EtlPaintResultsCirculationLiftPlot(p, s) : EtlPaintCirculationLiftPlot(p, s);
    }
    static constexpr std::tuple<int, int> kOrigin{40, 120};
    // The label of the middle tick, half the maximum.
    static constexpr Label kGamma{"0.0100", -42, -47};
};

template <class T>
class WingCirculationLiftPlot : public ::testing::Test {
  protected:
    using Record = typename T::Record;
    // An elliptic loading with known maxima.
    static std::unique_ptr<Record> HandRecord() {
        auto s = std::make_unique<Record>();
        s->SetStations(8);
        for (int i = 1; i <= 101; ++i) {
            s->gamma[i] = 0.02 * std::sin(s->theta[i]);
            s->ca[i] = 0.4 * std::sin(s->theta[i]);
        }
        s->gammaMax = 0.02;
        s->caMax = 0.4;
        return s;
    }
    static void ExpectText(const RecordingPainter& p, const std::string& text, int x, int y) {
        const DrawStep* s = p.FindText(text);
        ASSERT_NE(s, nullptr) << "no text \"" << text << "\"";
        EXPECT_EQ(std::make_tuple(s->x1, s->y1), std::make_tuple(x, y)) << text;
    }
};

struct PlotNames {
    template <class T>
    static std::string GetName(int) {
        return std::is_same_v<T, LltPlot> ? "Llt" : "Etl";
    }
};

using Plots = ::testing::Types<LltPlot, EtlPlot>;
TYPED_TEST_SUITE(WingCirculationLiftPlot, Plots, PlotNames);

TYPED_TEST(WingCirculationLiftPlot, CurvesReachEightyPixelsAtTheRoot) {
    const auto s = this->HandRecord();
    for (bool results : {false, true}) {
        SCOPED_TRACE(results ? "results window" : "analysis window");
        RecordingPainter p;
        TypeParam::Paint(p, *s, results);
        const DrawStep& origin = p.steps.front();
        ASSERT_EQ(origin.kind, DrawStep::Origin);
        // The results window has its own place for the plot.
        EXPECT_EQ(std::make_tuple(origin.x1, origin.y1),
                  results ? std::make_tuple(60, 143) : TypeParam::kOrigin);
        for (const luvo::PlotPen& pen : {luvo::PlotPen::Red(), luvo::PlotPen::Green()}) {
            const std::vector<DrawStep> lines = p.LinesIn(pen);
            ASSERT_EQ(lines.size(), 51u);  // 50 pieces from the tip to the root, the legend
            int top = 0;
            for (size_t k = 0; k + 1 < lines.size(); ++k) {
                top = std::min({top, lines[k].y1, lines[k].y2});
            }
            EXPECT_EQ(top, -80);
            EXPECT_EQ(lines[0].x1, 199);  // from the station next to the tip
            EXPECT_EQ(std::make_tuple(lines[49].x2, lines[49].y2), std::make_tuple(0, -80));
        }
        const Label gamma = TypeParam::kGamma;
        // The results window's gamma labels stand one pixel further right in one method.
        const DrawStep* g = p.FindText(gamma.text);
        ASSERT_NE(g, nullptr) << gamma.text;
        EXPECT_NEAR(g->x1, gamma.x, results ? 1 : 0);
        EXPECT_EQ(g->y1, gamma.y);
        this->ExpectText(p, "0.40", 210, -87);
    }
}

TYPED_TEST(WingCirculationLiftPlot, WithoutCirculationOnlyTheLegendIsDrawnInColour) {
    typename TypeParam::Record s;
    s.SetStations(8);  // no circulation and no lift: both maxima are 0
    for (bool results : {false, true}) {
        RecordingPainter p;
        TypeParam::Paint(p, s, results);
        EXPECT_EQ(p.LinesIn(luvo::PlotPen::Red()).size(), 1u);
        EXPECT_EQ(p.LinesIn(luvo::PlotPen::Green()).size(), 1u);
        EXPECT_GT(p.LinesIn(luvo::PlotPen::Axis()).size(), 10u);
        for (const DrawStep& step : p.steps) {
            if (step.kind == DrawStep::Clip) continue;  // the recorder's area is far larger
            for (int v : {step.x1, step.y1, step.x2, step.y2}) EXPECT_LT(std::abs(v), 1000);
        }
    }
}

}  // namespace
