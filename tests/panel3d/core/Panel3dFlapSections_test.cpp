// The flap view's drawing: the cuts through the model's rows, the plan view with its flap
// outline and the cut markers, and rows or geometry that cannot be drawn.

#include "panel3d/core/Panel3dFlapSections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "tests/panel3d/core/Panel3dTestGeometry.h"
#include "tests/panel3d/core/Panel3dTestWings.h"
#include "tests/support/RecordingPainter.h"

namespace {

using luvo::PlotColour;
using luvo::PlotPen;
using luvo::test::DrawStep;
using luvo::test::RecordingPainter;

constexpr int kN = 6;
constexpr int kM = 4;

class FlapSectionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model = panel3d_test::DefaultWing(kN, kM);
        ASSERT_TRUE(model->GenerateWingGrid());
    }
    RecordingPainter Draw(int first, int second) const {
        Panel3dSectionView view;
        view.model = model.get();
        view.geometry = &geometry;
        view.firstChoice = first;
        view.secondChoice = second;
        RecordingPainter p;
        PaintFlapSections(p, view);
        return p;
    }
    std::shared_ptr<Panel3dModel> model;
    Panel3dGeometryInputs geometry = panel3d_test::DefaultGeometry();
};

// The steps drawn after the origin was set to (x, y), up to the next origin.
std::vector<DrawStep> After(const RecordingPainter& p, int x, int y) {
    std::vector<DrawStep> out;
    bool in = false;
    for (const DrawStep& s : p.steps) {
        if (s.kind == DrawStep::Origin) {
            in = s.x1 == x && s.y1 == y;
        } else if (in) {
            out.push_back(s);
        }
    }
    return out;
}

std::vector<DrawStep> Only(const std::vector<DrawStep>& steps, DrawStep::Kind kind,
                           const PlotPen& pen) {
    std::vector<DrawStep> out;
    for (const DrawStep& s : steps) {
        if (s.kind == kind && (kind != DrawStep::Line || s.pen == pen)) out.push_back(s);
    }
    return out;
}

// The cut steps of one colour: lines in its pen, dots in its brush.
struct Cut {
    std::vector<DrawStep> lines, dots;
};
Cut CutIn(const RecordingPainter& p, PlotColour colour) {
    Cut cut;
    for (const DrawStep& s : After(p, 25, 165)) {
        if (s.kind == DrawStep::Line && s.pen == PlotPen::Stock(colour)) cut.lines.push_back(s);
        if (s.kind == DrawStep::Ellipse && s.brush == luvo::PlotBrush::Solid(colour)) {
            cut.dots.push_back(s);
        }
    }
    return cut;
}

// Plan view of the default geometry: 80 pixels per half span of 3 m, the root trailing edge at
// the origin, the root leading edge 26.67 pixels upstream and the tip's 80 tan 32 deg behind it.
const double kRootLe = -1.0 * 160 / 6;
const double kTipLe = kRootLe + 80 * std::tan(32 * std::acos(-1.0) / 180);
const double kTipTe = kTipLe + 0.5 * 160 / 6;
const int kPlanX = 760 - 100;
const int kPlanY = static_cast<int>(10 - kRootLe);

TEST_F(FlapSectionsTest, FirstDrawingShowsTheRootRowInBlackWithItsMarkerAndThePlanform) {
    const RecordingPainter p = Draw(0, 0);
    ASSERT_NE(p.FindText("Schnitt durch Tragflügel entlang Panelkanten:"), nullptr);
    EXPECT_EQ(p.FindText("Schnitt durch Tragflügel entlang Panelkanten:")->x1, 60);
    // The axes in red at (20, H - 20), their letters in red.
    const auto axes = Only(After(p, 20, 260), DrawStep::Line, PlotPen::Red());
    ASSERT_EQ(axes.size(), 6u);
    EXPECT_EQ(axes[0].x2, 41);
    EXPECT_EQ(axes[3].y2, -41);
    ASSERT_NE(p.FindText("X"), nullptr);
    EXPECT_EQ(p.FindText("X")->textColour, PlotColour::Red());
    EXPECT_EQ(p.FindText("Z")->y1, -55);

    // Root row: 2N panel edges and 2N corner dots, no blue cut. The leading edge sits at the
    // origin, the point next to the trailing edge 710 pixels behind it; the root's setting
    // angle of 2.5 deg shears the section about its leading edge, so the trailing edge (where
    // camber and thickness end) lies tan 2.5 deg of its distance lower.
    const Cut black = CutIn(p, PlotColour::Black());
    EXPECT_TRUE(CutIn(p, PlotColour::Blue()).lines.empty());
    ASSERT_EQ(black.lines.size(), 2u * kN);
    ASSERT_EQ(black.dots.size(), 2u * kN);
    EXPECT_NEAR(black.lines[0].x1, 710, 1);
    const double tan25 = std::tan(2.5 * std::acos(-1.0) / 180);
    EXPECT_NEAR(black.lines[0].y2, black.lines[0].x2 * tan25, 1);
    EXPECT_EQ(black.lines[kN - 1].x1, 0);
    EXPECT_EQ(black.lines[kN - 1].y1, 0);
    for (int i = 0; i + 1 < 2 * kN; ++i) {
        // A closed chain of edges around the section, each dot one pixel behind its point.
        EXPECT_EQ(black.lines[i].x1, black.lines[i + 1].x2);
        EXPECT_EQ(black.lines[i].y1, black.lines[i + 1].y2);
    }
    for (int i = 0; i < 2 * kN; ++i) {
        EXPECT_NEAR(black.dots[i].x1 + 2, black.lines[i].x1 + 1, 1);
        EXPECT_EQ(black.dots[i].y1 + 2, black.lines[i].y1);
        EXPECT_EQ(black.dots[i].x2, 4);
    }
    // Upper side above the chord, lower side below it, at a point near mid chord.
    EXPECT_LT(black.lines[kN / 2].y1, black.lines[3 * kN / 2].y1);

    // Plan view in the black of the cut, its root leading edge 10 pixels below the top.
    const auto plan = After(p, kPlanX, kPlanY);
    ASSERT_FALSE(plan.empty());
    EXPECT_EQ(plan[0].kind, DrawStep::Text);
    EXPECT_EQ(plan[0].text, "Draufsicht");
    EXPECT_EQ(plan[0].y1, static_cast<int>(kRootLe));
    const auto outline = Only(plan, DrawStep::Line, PlotPen::StockBlack());
    ASSERT_EQ(outline.size(), 6u);  // no root chord, no flap
    for (int side : {0, 3}) {
        const int x = side == 0 ? 80 : -80;
        EXPECT_EQ(outline[side].x2, x);
        EXPECT_EQ(outline[side].y2, static_cast<int>(kTipTe));
        EXPECT_EQ(outline[side + 1].y2, static_cast<int>(kTipLe));
        EXPECT_EQ(outline[side + 2].y2, static_cast<int>(kRootLe));
    }
    // The root's marker in red along the root chord.
    const auto red = Only(plan, DrawStep::Line, PlotPen::Red());
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].x1, 0);
    EXPECT_EQ(red[0].y1, static_cast<int>(kRootLe));
    EXPECT_EQ(red[0].y2, 0);
}

// The right tip in blue and the left tip in black, with their markers at either tip. The wing
// is symmetric, so both cuts lie on each other: the left tip takes the last strip's outer
// corners, not its inner row.
TEST_F(FlapSectionsTest, TipRowsAreMirrorImagesWithMarkersAtBothTips) {
    const RecordingPainter right = Draw(0, 1);
    const Cut blue = CutIn(right, PlotColour::Blue());
    EXPECT_TRUE(CutIn(right, PlotColour::Black()).lines.empty());
    ASSERT_EQ(blue.lines.size(), 2u * kN);
    // The tip's setting angle of -2.5 deg raises its trailing edge.
    EXPECT_NEAR(blue.lines[0].y2, -blue.lines[0].x2 * std::tan(2.5 * std::acos(-1.0) / 180), 1);
    const auto rightPlan = After(right, kPlanX, kPlanY);
    EXPECT_EQ(Only(rightPlan, DrawStep::Line, PlotPen::Stock(PlotColour::Blue())).size(), 6u);
    const auto blueMarker = Only(rightPlan, DrawStep::Line, PlotPen::Blue());
    ASSERT_EQ(blueMarker.size(), 1u);
    EXPECT_EQ(blueMarker[0].x1, 80);
    EXPECT_EQ(blueMarker[0].y1, static_cast<int>(kTipLe));
    EXPECT_EQ(blueMarker[0].y2, static_cast<int>(kTipTe));

    const RecordingPainter left = Draw(2 * kM + 1, 0);
    const Cut black = CutIn(left, PlotColour::Black());
    ASSERT_EQ(black.lines.size(), 2u * kN);
    for (int i = 0; i < 2 * kN; ++i) {
        EXPECT_EQ(black.lines[i].x1, blue.lines[i].x1) << i;
        EXPECT_EQ(black.lines[i].y1, blue.lines[i].y1) << i;
        EXPECT_EQ(black.lines[i].x2, blue.lines[i].x2) << i;
        EXPECT_EQ(black.lines[i].y2, blue.lines[i].y2) << i;
    }
    const auto redMarker = Only(After(left, kPlanX, kPlanY), DrawStep::Line, PlotPen::Red());
    ASSERT_EQ(redMarker.size(), 1u);
    EXPECT_EQ(redMarker[0].x1, -80);
    EXPECT_EQ(redMarker[0].y2, static_cast<int>(kTipTe));

    // Both cuts: the blue one first, the black one drawn over it, the outline in black.
    const RecordingPainter both = Draw(2 * kM + 1, 1);
    EXPECT_EQ(CutIn(both, PlotColour::Blue()).lines.size(), 2u * kN);
    EXPECT_EQ(CutIn(both, PlotColour::Black()).lines.size(), 2u * kN);
    EXPECT_EQ(Only(After(both, kPlanX, kPlanY), DrawStep::Line, PlotPen::StockBlack()).size(), 6u);
}

// A marker halfway out along the span sits halfway between root and tip in the plan view.
TEST_F(FlapSectionsTest, MarkersFollowTheRowsSpanwisePositionAlsoWithoutSweep) {
    for (double sweep : {32.0, 0.0}) {
        model = panel3d_test::DefaultWing(kN, kM);
        model->leadingEdgeSweep = sweep;
        model->quarterChordSweep =
            std::atan(std::tan(sweep * panel3d::Panel3dPi / 180) - 0.5 / 12) * 180 /
            panel3d::Panel3dPi;
        model->spanwiseGrading = 1 - std::min(sweep, 18.0) * 0.4 / 15;
        ASSERT_TRUE(model->GenerateWingGrid());
        geometry.sweep = sweep;
        const double tipLe = kRootLe + 80 * std::tan(sweep * panel3d::Panel3dPi / 180);
        const int planY = static_cast<int>(10 - kRootLe);
        for (int row = 0; row <= 2 * kM; ++row) {
            const RecordingPainter p = Draw(row + 1, 0);
            const auto marker = Only(After(p, kPlanX, planY), DrawStep::Line, PlotPen::Red());
            ASSERT_EQ(marker.size(), 1u) << "sweep " << sweep << " row " << row;
            // The row's leading-edge point, found among the panel corners by its x.
            const int mirrored = row <= kM ? row : 2 * kM - row;
            double yLe = 0;
            double xMin = 1e9;
            for (int i = 0; i < 2 * kN; ++i) {
                const Panel3dPanel& q = model->wingPanels[2 * kN * mirrored + i];
                if (q.cornerX[1] < xMin) {
                    xMin = q.cornerX[1];
                    yLe = q.cornerY[1];
                }
            }
            const double b = 80 * yLe / 3.0;
            EXPECT_NEAR(std::abs(marker[0].x1), b, 1) << "sweep " << sweep << " row " << row;
            EXPECT_EQ(marker[0].x1 > 0, row < kM) << row;
            EXPECT_NEAR(marker[0].y1, kRootLe + (tipLe - kRootLe) * b / 80, 1) << row;
        }
    }
}

// The flap outline follows the deflections, not the "aktiv" box: it lies between the hinge at
// 75 % of the local chord and the trailing edge, from 50 % to 80 % of each half span.
TEST_F(FlapSectionsTest, FlapOutlineOnBothHalvesOnlyWithADeflection) {
    geometry.flapActive = true;
    EXPECT_EQ(Only(After(Draw(0, 0), kPlanX, kPlanY), DrawStep::Line, PlotPen::StockBlack()).size(),
              6u);

    geometry.leftDeflection = 10;
    const auto lines =
        Only(After(Draw(0, 0), kPlanX, kPlanY), DrawStep::Line, PlotPen::StockBlack());
    ASSERT_EQ(lines.size(), 12u);
    auto leadingEdge = [](double x) { return kRootLe + (kTipLe - kRootLe) * x / 80; };
    auto trailingEdge = [](double x) { return kTipTe * x / 80; };
    auto hinge = [&](double x) {
        return leadingEdge(x) + 0.75 * (trailingEdge(x) - leadingEdge(x));
    };
    for (int half = 0; half < 2; ++half) {
        const int sign = half == 0 ? 1 : -1;
        const DrawStep* flap = &lines[6 + 3 * half];
        EXPECT_EQ(flap[0].x1, sign * 40);
        EXPECT_NEAR(flap[0].y1, trailingEdge(40), 1);
        EXPECT_NEAR(flap[0].y2, hinge(40), 1);
        EXPECT_EQ(flap[1].x2, sign * 64);
        EXPECT_NEAR(flap[1].y2, hinge(64), 1);
        EXPECT_NEAR(flap[2].y2, trailingEdge(64), 1);
    }
}

// A cut through a row inside the left flap shows its trailing edge turned down against the
// same row on the right half; the tip row beyond it matches its mirror.
TEST_F(FlapSectionsTest, CutInsideADeflectedFlapShowsTheTurnedTrailingEdge) {
    model = panel3d_test::DefaultWing(kN, kM);
    model->leftFlapDeflection = -20;  // 20 deg down on the left, sign reversed in the model
    ASSERT_TRUE(model->GenerateWingGrid());
    // A left-half row whose own strip lies on the flap (the cut of row r is drawn from strip r).
    int row = -1;
    for (int k = kM + 1; k < 2 * kM && row < 0; ++k) {
        if (model->flapMarks[2 * kN * k]) row = k;
    }
    ASSERT_GT(row, kM);
    const Cut left = CutIn(Draw(row + 1, 0), PlotColour::Black());
    const Cut right = CutIn(Draw(2 * kM - row + 1, 0), PlotColour::Black());
    ASSERT_EQ(left.lines.size(), right.lines.size());
    EXPECT_GT(left.lines[0].y1 - right.lines[0].y1,
              710 * std::sin(10 * panel3d::Panel3dPi / 180) * 0.25);
    EXPECT_EQ(left.lines[kN - 1].y1, right.lines[kN - 1].y1);  // the leading edge stays

    // The tip zone lies outside the flap.
    const Cut tip = CutIn(Draw(2 * kM + 1, 0), PlotColour::Black());
    const Cut tipMirror = CutIn(Draw(1, 0), PlotColour::Black());
    ASSERT_EQ(tip.lines.size(), tipMirror.lines.size());
    for (std::size_t i = 0; i < tip.lines.size(); ++i) {
        EXPECT_EQ(tip.lines[i].y1, tipMirror.lines[i].y1) << i;
    }
}

// Rows beyond the model (choosers built for a larger one), no model, and a plan view that a
// span of 0 leaves without scale: nothing of these is drawn, the rest is.
TEST_F(FlapSectionsTest, RowsBeyondTheModelAndGeometryWithoutScaleAreLeftOut) {
    const RecordingPainter beyond = Draw(2 * kM + 2, 2 * kM + 5);
    EXPECT_TRUE(CutIn(beyond, PlotColour::Black()).lines.empty());
    EXPECT_TRUE(CutIn(beyond, PlotColour::Blue()).lines.empty());
    const auto plan = After(beyond, kPlanX, kPlanY);
    EXPECT_TRUE(Only(plan, DrawStep::Line, PlotPen::Red()).empty());
    EXPECT_TRUE(Only(plan, DrawStep::Line, PlotPen::Blue()).empty());
    EXPECT_EQ(Only(plan, DrawStep::Line, PlotPen::StockBlack()).size(), 6u);
    // One row in the model, one beyond it.
    const RecordingPainter mixed = Draw(2 * kM + 3, 1);
    EXPECT_EQ(CutIn(mixed, PlotColour::Blue()).lines.size(), 2u * kN);
    EXPECT_EQ(Only(After(mixed, kPlanX, kPlanY), DrawStep::Line, PlotPen::Blue()).size(), 1u);

    Panel3dSectionView none;
    RecordingPainter empty;
    PaintFlapSections(empty, none);
    EXPECT_NE(empty.FindText("Schnitt durch Tragflügel entlang Panelkanten:"), nullptr);
    EXPECT_TRUE(empty.Of(DrawStep::Ellipse).empty());
    EXPECT_EQ(empty.FindText("Draufsicht"), nullptr);

    for (double span : {0.0, std::nan("")}) {
        geometry.span = span;
        geometry.leftDeflection = 10;
        const RecordingPainter p = Draw(0, 1);
        EXPECT_EQ(p.FindText("Draufsicht"), nullptr) << span;
        EXPECT_EQ(CutIn(p, PlotColour::Blue()).lines.size(), 2u * kN);
        for (const DrawStep& s : p.steps) {
            EXPECT_LE(std::abs(s.x1), 1000);
            EXPECT_LE(std::abs(s.y1), 1000);
        }
    }
}

}  // namespace
