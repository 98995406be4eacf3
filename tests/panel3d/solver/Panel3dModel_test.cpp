#include "panel3d/solver/Panel3dModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "panel3d/solver/Panel3dModule.h"

namespace {

Panel3dModelSizes Sizes(int n, int m, int nw = 25, int sf = 0) {
    Panel3dModelSizes s;
    s.chordPanels = n;
    s.spanPanels = m;
    s.wakeRows = nw;
    s.symmetric = sf;
    s.trailingEdgeWakeFactor = 0.1;
    s.wakeLengthFactor = 5.0;
    return s;
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
    Panel3dPanelModel = Panel3dModel::Create(Sizes(2, 2));
    std::shared_ptr<Panel3dModel> flapView = Panel3dPanelModel;  // a window's own reference
    std::weak_ptr<Panel3dModel> first = Panel3dPanelModel;
    for (int run = 0; run < 5; ++run) {
        Panel3dPanelModel = Panel3dModel::Create(Sizes(2, 2));
    }
    EXPECT_FALSE(first.expired());
    EXPECT_EQ(Panel3dModel::LiveCount(), before + 2);
    flapView.reset();
    EXPECT_TRUE(first.expired());
    Panel3dPanelModel.reset();
    EXPECT_EQ(Panel3dModel::LiveCount(), before);
}

TEST(Panel3dModelSizes, ModelKeepsItsCountsWhenTheModuleCountsChange) {
    Panel3dChordPanelCount = 3;
    Panel3dSpanPanelCount = 2;
    Panel3dWakeRowCount = 10;  // as a grid file's header leaves it for an interactive run
    Panel3dSymmetryFlag = 1;
    const auto model = Panel3dModel::Create(Panel3dModuleSizes());
    ASSERT_TRUE(model);
    EXPECT_EQ(model->freeWake.size(), 4u * 10u);
    Panel3dChordPanelCount = 7;
    Panel3dSpanPanelCount = 9;
    Panel3dWakeRowCount = 30;
    Panel3dSymmetryFlag = 0;
    ASSERT_TRUE(model->AllocateSolverArrays());
    EXPECT_EQ(model->SystemSize(), 2 * 3 * 2);
    EXPECT_EQ(model->rightHandSide.size(), 12u);
    EXPECT_EQ(model->WingPanelCount(), 24);
    EXPECT_EQ(model->WakeRows(), 10);
    Panel3dChordPanelCount = 0;
    Panel3dSpanPanelCount = 0;
    Panel3dWakeRowCount = 25;
    Panel3dSymmetryFlag = 1;
}

}  // namespace
