#include "panel3d/core/Panel3dModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "panel3d/core/Panel3dModule.h"
#include "tests/panel3d/core/Panel3dTestGrids.h"

namespace {

Panel3dModelSizes Sizes(int n, int m, int nw = 25, int sf = 0) {
    return panel3d_test::SizesOf(n, m, {nw, 0.1, 5.0}, sf);
}

TEST(Panel3dModelSizes, ArraysFollowTheCountsAndSolverArraysComeOnlyWithAllocation) {
    struct Case {
        int n, m, nw, sf, unknowns;
    };
    for (const Case c : {Case{1, 1, 1, 0, 4}, Case{4, 2, 25, 1, 16}, Case{4, 2, 25, 0, 32},
                         Case{10, 5, 200, 1, 100}}) {
        SCOPED_TRACE(testing::Message() << "N=" << c.n << " M=" << c.m << " sf=" << c.sf);
        const auto model = Panel3dModel::Create(Sizes(c.n, c.m, c.nw, c.sf));
        ASSERT_TRUE(model);
        const size_t strips = 2 * c.m;
        EXPECT_EQ(model->wingPanels.size(), 4u * c.n * c.m);
        EXPECT_EQ(model->flapMarks.size(), 4u * c.n * c.m);
        EXPECT_EQ(model->trailingEdgeWake.size(), strips);
        EXPECT_EQ(model->freeWake.size(), strips * c.nw);
        EXPECT_EQ(model->wakeNodes.size(), (strips + 1) * c.nw);
        for (const auto* a : {&model->stripLift, &model->stripCirculation, &model->stripInducedDrag,
                              &model->stripChord, &model->stripArea, &model->stripNormalZ,
                              &model->stripLiftDirectionZ}) {
            EXPECT_EQ(a->size(), strips);
        }
        // A preview builds the same model and never solves: no system arrays.
        for (const auto* a : {&model->rightHandSide, &model->solutionVector, &model->forwardVector,
                              &model->influenceMatrix, &model->wakeColumns}) {
            EXPECT_TRUE(a->empty());
        }
        ASSERT_TRUE(model->AllocateSolverArrays());
        const size_t n = c.unknowns;
        EXPECT_EQ(model->SystemSize(), c.unknowns);
        EXPECT_EQ(model->rightHandSide.size(), n);
        EXPECT_EQ(model->solutionVector.size(), n);
        EXPECT_EQ(model->forwardVector.size(), n);
        EXPECT_EQ(model->influenceMatrix.size(), n * n);
        model->ReleaseSolverArrays();
        EXPECT_TRUE(model->influenceMatrix.empty());
        EXPECT_TRUE(model->rightHandSide.empty());
        EXPECT_EQ(model->wingPanels.size(), 4u * c.n * c.m);
    }
}

TEST(Panel3dModelSizes, CountsOutsideTheLimitsBuildNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        Panel3dModelSizes sizes;
    };
    auto with = [](Panel3dModelSizes s, auto change) {
        change(s);
        return s;
    };
    const Panel3dModelSizes ok = Sizes(50, 50, 200, 1);  // 4MN = 10,000: the largest
    ASSERT_TRUE(Panel3dModel::SizesAllowed(ok));
    const Case cases[] = {
        {"N = 0", Sizes(0, 3)},
        {"M = 0", Sizes(3, 0)},
        {"negative N", Sizes(-1, 3)},
        {"4MN = 10,004", Sizes(41, 61)},
        {"huge counts", Sizes(1 << 30, 1 << 30)},
        {"nw = 0", Sizes(3, 3, 0)},
        {"nw = 201", Sizes(3, 3, 201)},
        {"sf = 2", Sizes(3, 3, 25, 2)},
        {"e = 0", with(ok, [](auto& s) { s.trailingEdgeWakeFactor = 0; })},
        {"e NaN", with(ok, [&](auto& s) { s.trailingEdgeWakeFactor = nan; })},
        {"wl negative", with(ok, [](auto& s) { s.wakeLengthFactor = -5; })},
        {"wl infinite", with(ok, [&](auto& s) { s.wakeLengthFactor = inf; })},
    };
    const long before = Panel3dModel::LiveCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(Panel3dModel::SizesAllowed(c.sizes));
        EXPECT_EQ(Panel3dModel::Create(c.sizes), nullptr);
    }
    EXPECT_EQ(Panel3dModel::LiveCount(), before);
}

TEST(Panel3dModelLifetime, HeldModelOutlivesReplacementAndGoesWithItsLastHolder) {
    const long before = Panel3dModel::LiveCount();
    panel3d::Panel3dPanelModel = Panel3dModel::Create(Sizes(2, 2));
    std::shared_ptr<Panel3dModel> flapView =
        panel3d::Panel3dPanelModel;  // a window's own reference
    std::weak_ptr<Panel3dModel> first = panel3d::Panel3dPanelModel;
    for (int run = 0; run < 5; ++run) {
        panel3d::Panel3dPanelModel = Panel3dModel::Create(Sizes(2, 2));
    }
    EXPECT_FALSE(first.expired());
    EXPECT_EQ(Panel3dModel::LiveCount(), before + 2);
    flapView.reset();
    EXPECT_TRUE(first.expired());
    panel3d::Panel3dPanelModel.reset();
    EXPECT_EQ(Panel3dModel::LiveCount(), before);
}

TEST(Panel3dModelSizes, ModelKeepsItsCountsWhenTheModuleCountsChange) {
    panel3d::Panel3dChordPanelCount = 3;
    panel3d::Panel3dSpanPanelCount = 2;
    panel3d::Panel3dWakeRowCount = 10;  // as a grid file's header leaves it for an interactive run
    panel3d::Panel3dSymmetryFlag = 1;
    const auto model = Panel3dModel::Create(Panel3dModuleSizes());
    ASSERT_TRUE(model);
    EXPECT_EQ(model->freeWake.size(), 4u * 10u);
    panel3d::Panel3dChordPanelCount = 7;
    panel3d::Panel3dSpanPanelCount = 9;
    panel3d::Panel3dWakeRowCount = 30;
    panel3d::Panel3dSymmetryFlag = 0;
    ASSERT_TRUE(model->AllocateSolverArrays());
    EXPECT_EQ(model->SystemSize(), 2 * 3 * 2);
    EXPECT_EQ(model->rightHandSide.size(), 12u);
    EXPECT_EQ(model->WingPanelCount(), 24);
    EXPECT_EQ(model->WakeRows(), 10);
    panel3d::Panel3dChordPanelCount = 0;
    panel3d::Panel3dSpanPanelCount = 0;
    panel3d::Panel3dWakeRowCount = 25;
    panel3d::Panel3dSymmetryFlag = 1;
}

using panel3d_test::ModelOf;
using panel3d_test::TestWing;

TEST(Panel3dWingPreparation, SourceStrengthIsMinusTheFreeStreamThroughThePanel) {
    TestWing plate;  // no thickness: upper normals +z, lower -z
    plate.thickness = 0;
    const auto model = ModelOf(plate);
    ASSERT_TRUE(model);
    model->ComputeWingGeometry();
    const int n = plate.chordPanels;
    // The same model serves every point of a polar: only sigma is set anew.
    for (const auto& [alpha, sideslip] : {std::pair{-10.0, 0.0}, std::pair{0.0, 0.0},
                                          std::pair{5.0, 20.0}, std::pair{10.0, -30.0}}) {
        SCOPED_TRACE(testing::Message() << "alpha " << alpha << " sideslip " << sideslip);
        model->operatingPoint.alpha = alpha;
        model->operatingPoint.sideslip = sideslip;
        model->SetSourceStrengths();
        const double lift = std::sin(alpha * M_PI / 180);
        for (int p = 0; p < model->WingPanelCount(); ++p) {
            const bool upper = p % (2 * n) < n;
            EXPECT_NEAR(model->wingPanels[p].sourceStrength, upper ? -lift : lift, 1e-15);
        }
    }

    // Around a closed section the free stream enters as much as it leaves.
    TestWing thick;
    thick.chordPanels = 8;
    thick.thickness = 0.15;
    thick.camber = 0.03;
    const auto closed = ModelOf(thick);
    ASSERT_TRUE(closed);
    closed->ComputeWingGeometry();
    closed->operatingPoint.alpha = 6;
    closed->SetSourceStrengths();
    double flux = 0, magnitude = 0;
    for (const Panel3dPanel& p : closed->wingPanels) {
        flux += p.sourceStrength * p.area;
        magnitude += std::fabs(p.sourceStrength) * p.area;
    }
    EXPECT_NEAR(flux, 0.0, 1e-12 * magnitude);
    // The nose faces the free stream.
    EXPECT_GT(closed->wingPanels[thick.chordPanels - 1].sourceStrength, 0.0);
    EXPECT_LT(closed->wingPanels[0].sourceStrength, 0.0);
}

TEST(Panel3dWingPreparation, HalfSpanAndCoreRadiusOfBothPaths) {
    TestWing wing;
    wing.halfSpan = 2.5;
    // The half at negative y gets wider strips: its panels must not set the core radius.
    std::vector<Panel3dVector> points = wing.Points();
    for (Panel3dVector& p : points) {
        if (p.y < 0) p.y *= 3;
    }
    double largest = 0;
    for (int j = 0; j < wing.spanPanels; ++j) {
        for (int i = 0; i < 2 * wing.chordPanels; ++i) {
            auto at = [&](int ii, int s) { return points[s * wing.ChordPoints() + ii]; };
            const double diagonals =
                Length(at(i, j) - at(i + 1, j + 1)) + Length(at(i + 1, j) - at(i, j + 1));
            largest = std::max(largest, 0.5 * diagonals);
        }
    }
    const struct {
        const char* what;
        bool interactive;
        double factor;
        double halfSpan;
        double coreRadius;
    } cases[] = {
        {"grid file, damping 0.5", false, 0.5, (2.5 + 7.5) / 2, 0.5 * largest},
        {"grid file, damping 0", false, 0.0, (2.5 + 7.5) / 2, 0.0},
        {"interactive", true, 1.0, 11.0, largest},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto model = ModelOf(wing.chordPanels, wing.spanPanels, points);
        ASSERT_TRUE(model);
        model->interactiveGrid = c.interactive;
        model->halfSpan = 11.0;  // as the geometry window sets it for an interactive wing
        ASSERT_TRUE(model->PrepareWing(c.factor));
        EXPECT_DOUBLE_EQ(model->halfSpan, c.halfSpan);
        EXPECT_NEAR(model->coreRadius, c.coreRadius, 1e-12);
    }
}

TEST(Panel3dWingPreparation, WingsThatCannotBeSolvedFailBeforeTheWakeIsBuilt) {
    const TestWing wing;
    const int points = wing.ChordPoints();
    auto broken = [&](auto change) {
        std::vector<Panel3dVector> p = wing.Points();
        change(p);
        return p;
    };
    const struct {
        const char* what;
        std::vector<Panel3dVector> points;
    } cases[] = {
        {"stations in reversed order", broken([](auto& p) {
             for (auto& q : p) q.y = -q.y;
         })},
        {"two coinciding points", broken([&](auto& p) { p[points + 2] = p[points + 1]; })},
        {"a strip of no width", broken([&](auto& p) {
             for (int i = 0; i < points; ++i) p[points + i] = p[i];
         })},
        {"sections without x extent", broken([](auto& p) {
             for (auto& q : p) q.x = 0.5;
         })},
        {"coordinates beyond any area", broken([](auto& p) {
             for (auto& q : p) q = 1e200 * q;
         })},
    };
    ASSERT_TRUE(ModelOf(wing)->PrepareWing(1.0));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto model = ModelOf(wing.chordPanels, wing.spanPanels, c.points);
        ASSERT_TRUE(model);
        EXPECT_FALSE(model->PrepareWing(1.0));
        for (const Panel3dTrailingEdgeWakePanel& t : model->trailingEdgeWake) {
            EXPECT_EQ(t.planarX, Panel3dPanel::Corners{});
        }
        EXPECT_EQ(model->freeWake.back().cornerX, Panel3dPanel::Corners{});
    }
}

}  // namespace
