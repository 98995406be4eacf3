#include "vlm/core/VlmPreview.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/RecordingPainter.h"

namespace {

using luvo::test::DrawStep;
using luvo::test::RecordingPainter;
using Segment = std::tuple<int, int, int, int>;

const double kDeg = std::acos(-1.0) / 180.0;

std::vector<Segment> Segments(const std::vector<DrawStep>& steps) {
    std::vector<Segment> out;
    for (const DrawStep& s : steps) out.emplace_back(s.x1, s.y1, s.x2, s.y2);
    return out;
}

bool HasSegment(const RecordingPainter& p, const Segment& seg) {
    for (const Segment& s : Segments(p.Of(DrawStep::Line))) {
        if (s == seg) return true;
    }
    return false;
}

std::vector<std::tuple<int, int>> Corners(const RecordingPainter& p, DrawStep::Kind kind) {
    std::vector<std::tuple<int, int>> out;
    for (const DrawStep& s : p.Of(kind)) out.emplace_back(s.x1, s.y1);
    return out;
}

RecordingPainter Planform(const VlmWingInputs& in) {
    RecordingPainter p;
    luvo::PaintPlanformView(p, in);
    return p;
}

// 40 pixels per metre for the default wing: 120 pixels for its half span of 3 m.
TEST(VlmPreview, DefaultWingIsDrawnFortyPixelsPerMetre) {
    const RecordingPainter p = Planform(VlmWingInputs());
    // The root chord of 1 m, the tip leading edge 120 tan 32 deg - 40 = 34.98 down, the tip
    // chord of 0.5 m below it.
    EXPECT_TRUE(HasSegment(p, {0, 0, 0, -40}));
    EXPECT_TRUE(HasSegment(p, {0, -40, 120, 34}));
    EXPECT_TRUE(HasSegment(p, {120, 34, 120, 54}));
    EXPECT_TRUE(HasSegment(p, {120, 54, 0, 0}));
    EXPECT_TRUE(HasSegment(p, {-120, 34, -120, 54}));
    const std::vector<std::tuple<int, int>> handles = {{-2, -42}, {118, 32}, {118, 52}};
    EXPECT_EQ(Corners(p, DrawStep::Rect), handles);
    for (const DrawStep& s : p.Of(DrawStep::Rect)) EXPECT_EQ(s.pen, luvo::PlotPen::Red());
    // The dots of the sweep angle: at 79 on the reference line and at 80 px along the edge.
    const std::vector<std::tuple<int, int>> dots = {
        {77, -42}, {static_cast<int>(80 * std::cos(32 * kDeg)) - 2, -40 + 42 - 2}};
    EXPECT_EQ(Corners(p, DrawStep::Ellipse), dots);
    for (const DrawStep& s : p.Of(DrawStep::Ellipse)) {
        EXPECT_EQ(s.brush, luvo::PlotBrush::Solid(luvo::PlotColour::Red()));
    }
    ASSERT_NE(p.FindText("Ansicht von oben:"), nullptr);
    EXPECT_EQ(p.steps.front().kind, DrawStep::Origin);
}

TEST(VlmPreview, TwiceTheSpanHalvesEveryDrawnChord) {
    VlmWingInputs in;
    in.span = 12;
    in.sweep = 0;
    const RecordingPainter p = Planform(in);
    EXPECT_TRUE(HasSegment(p, {0, 0, 0, -20}));
    EXPECT_TRUE(HasSegment(p, {120, -20, 120, -10}));  // tip leading and trailing edge
    EXPECT_TRUE(HasSegment(p, {0, -20, 120, -20}));
}

// The three marker tests stand one after the other: just above a sweep of 1 both apply.
TEST(VlmPreview, SweepMarkersFollowTheAngle) {
    const struct {
        double sweep;
        int arcs;
    } cases[] = {{0, 1}, {1.00005, 2}, {32, 1}, {-32, 1}, {-1.00005, 2}, {1.0001, 1}};
    for (const auto& c : cases) {
        VlmWingInputs in;
        in.sweep = c.sweep;
        const RecordingPainter p = Planform(in);
        const std::vector<DrawStep> arcs = p.Of(DrawStep::Arc);
        EXPECT_EQ(static_cast<int>(arcs.size()), c.arcs) << c.sweep;
        int labels = 0;
        for (const DrawStep& s : p.Of(DrawStep::Text)) labels += s.text == "Pfeilwinkel" ? 1 : 0;
        EXPECT_EQ(labels, c.arcs) << c.sweep;
        for (const DrawStep& a : arcs) {
            EXPECT_EQ(std::make_tuple(a.xc, a.yc), std::make_tuple(0, -40));
            EXPECT_EQ(a.pen, luvo::PlotPen::Red());
            // Drawn as a line: its sector must not cover the outline with white.
            EXPECT_EQ(a.brush, luvo::PlotBrush::Transparent());
        }
    }
    // Without sweep: the small symmetric arc about the reference line.
    VlmWingInputs flat;
    flat.sweep = 0;
    const DrawStep arc = Planform(flat).Of(DrawStep::Arc).at(0);
    EXPECT_EQ(Segment(arc.x1, arc.y1, arc.x2, arc.y2), Segment(79, -33, 79, -46));
}

TEST(VlmPreview, FrontViewDrawsTheDihedralAndTheDragSquare) {
    RecordingPainter p;
    luvo::PaintFrontView(p, VlmWingInputs(), false, 0);
    // 120 tan 5 deg = 10.5 pixels up at the tip.
    EXPECT_TRUE(HasSegment(p, {0, 0, 120, -10}));
    EXPECT_TRUE(HasSegment(p, {0, 0, -120, -10}));
    const std::vector<std::tuple<int, int>> handle = {{118, -12}};
    EXPECT_EQ(Corners(p, DrawStep::Rect), handle);
    EXPECT_EQ(p.Of(DrawStep::Arc).size(), 1u);

    RecordingPainter dragging;
    luvo::PaintFrontView(dragging, VlmWingInputs(), true, -25);
    const std::vector<std::tuple<int, int>> both = {{118, -12}, {118, -27}};
    EXPECT_EQ(Corners(dragging, DrawStep::Rect), both);
}

// 160 segments over 112 pixels: the points stand at 1.4 (i div 2) pixels, so pairs share a
// column; the trailing edge lies 112 tan(incidence) below the leading edge.
TEST(VlmPreview, CamberLineIs160SegmentsOver112Pixels) {
    RecordingPainter p;
    luvo::PaintProfileView(p, "Profil Flügelwurzel", 0, 4, 40, 2.5, 0);
    const std::vector<DrawStep> camber = p.LinesIn(luvo::PlotPen::Axis());
    ASSERT_EQ(camber.size(), 29u + 160u);  // the chord's 29 dashes from 0 to 114 come first
    const std::vector<DrawStep> line(camber.begin() + 29, camber.end());
    EXPECT_EQ(std::make_tuple(line.front().x1, line.front().y1), std::make_tuple(0, 0));
    EXPECT_EQ(line.back().x2, 112);
    EXPECT_EQ(line.back().y2, static_cast<int>(112 * std::tan(2.5 * kDeg)));
    int highest = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        EXPECT_EQ(line[i].x1, static_cast<int>(1.4 * (static_cast<int>(i) / 2)));
        if (i > 0) {
            EXPECT_EQ(std::make_tuple(line[i].x1, line[i].y1),
                      std::make_tuple(line[i - 1].x2, line[i - 1].y2));
        }
        highest = std::min(highest, line[i].y1);
    }
    // 4 per cent camber at 40 per cent of the chord, less the shear there.
    EXPECT_EQ(highest, static_cast<int>(112 * (0.4 * std::tan(2.5 * kDeg) - 0.04)));
    ASSERT_NE(p.FindText("Profil Flügelwurzel"), nullptr);
    EXPECT_EQ(p.LinesIn(luvo::PlotPen::Red()).size(), 3u);  // the flow arrow
}

// Inputs the fields accept while the student types still draw, and nothing that is not a pixel
// reaches the painter.
TEST(VlmPreview, DegenerateInputsDrawWhatTheyCan) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto inRange = [](const RecordingPainter& p) {
        for (const DrawStep& s : p.steps) {
            for (int v : {s.x1, s.y1, s.x2, s.y2, s.xc, s.yc}) {
                if (std::abs(v) > 32767) return false;
            }
        }
        return true;
    };
    VlmWingInputs zeroSpan;
    zeroSpan.span = 0;
    const RecordingPainter top = Planform(zeroSpan);
    EXPECT_TRUE(inRange(top));
    EXPECT_NE(top.FindText("Strömungsrichtung"), nullptr);
    EXPECT_FALSE(top.Of(DrawStep::Line).empty());  // axes and the flow arrow

    VlmWingInputs huge;
    huge.rootChord = 1e12;
    huge.sweep = 89.9999999;
    huge.dihedral = nan;
    EXPECT_TRUE(inRange(Planform(huge)));
    RecordingPainter front;
    luvo::PaintFrontView(front, huge, false, 0);
    EXPECT_TRUE(inRange(front));
    EXPECT_NE(front.FindText("Ansicht von vorne:"), nullptr);

    const struct {
        double position;
        bool wholeLine;
    } positions[] = {{0, false}, {100, true}, {40, true}};
    for (const auto& c : positions) {
        RecordingPainter p;
        luvo::PaintProfileView(p, "Profil Randbogen", 0, 4, c.position, 0, 0);
        EXPECT_TRUE(inRange(p));
        const std::size_t curve = p.LinesIn(luvo::PlotPen::Axis()).size() - 29;
        EXPECT_EQ(curve == 160u, c.wholeLine) << c.position;
        EXPECT_GT(curve, 150u) << c.position;
    }
}

using Writes = std::vector<std::tuple<VlmDragField, std::string>>;
Writes Of(const std::vector<VlmDragWrite>& writes) {
    Writes out;
    for (const VlmDragWrite& w : writes) out.emplace_back(w.field, w.text);
    return out;
}
// A press and a motion at the same place.
Writes PlanformDrag(const VlmWingInputs& in, int x, int y) {
    return Of(luvo::PlanformDragWrites(in, luvo::PickPlanformHandle(in, x, y), x, y));
}

TEST(VlmPreview, PlanformDragRules) {
    const VlmWingInputs in;
    const struct {
        int x, y;
        Writes writes;
    } cases[] = {
        {0, -40, {{VlmDragField::RootChord, "1.00"}}},
        {3, -60, {{VlmDragField::RootChord, "1.50"}}},  // 60 * 6 / 240
        {0, 0, {{VlmDragField::RootChord, "1.01"}}},
        {-17, -3, {{VlmDragField::RootChord, "1.01"}}},
        {18, -40, {}},
        {120, 30, {{VlmDragField::Sweep, "30.26"}}},    // atan(70 / 120)
        {120, 60, {{VlmDragField::TipChord, "0.63"}}},  // (60 - 34.98) * 6 / 240
        {120, 44, {}},
        {60, 0, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlanformDrag(in, c.x, c.y), c.writes) << c.x << ", " << c.y;
    }
    // A tip chord drawn 10 pixels or shorter grows wherever the drag is.
    VlmWingInputs shortTip;
    shortTip.tipChord = 0.25;
    EXPECT_EQ(PlanformDrag(shortTip, 60, 0), Writes({{VlmDragField::TipChord, "0.26"}}));
    EXPECT_EQ(PlanformDrag(shortTip, 0, 0),
              Writes({{VlmDragField::RootChord, "1.01"}, {VlmDragField::TipChord, "0.26"}}));
}

TEST(VlmPreview, FrontDragMovesOnlyTheNearbyDihedralHandle) {
    // The handle of the default wing stands 10.5 pixels up; 10 pixels above it: 9.46 degrees.
    EXPECT_TRUE(luvo::PickDihedralHandle(5, 120, -20));
    EXPECT_EQ(luvo::DihedralDragText(-20), "9.46");
    EXPECT_TRUE(luvo::PickDihedralHandle(5, 120, -10));
    EXPECT_EQ(luvo::DihedralDragText(-10), "4.76");
    EXPECT_FALSE(luvo::PickDihedralHandle(5, 120, -31));  // 20 pixels away
    EXPECT_FALSE(luvo::PickDihedralHandle(5, 100, -10));
    EXPECT_FALSE(luvo::PickDihedralHandle(std::nan(""), 120, -10));
}

// The handle picked at the press follows the pointer until the release, wherever the press
// rules would pick another handle or none; the chords still grow by 0.01 at every motion where
// those rules say so, whatever is held.
TEST(VlmPreview, HeldPlanformHandleFollowsThePointer) {
    const VlmWingInputs in;  // yL = 34.98, yT = 54.98 below the root trailing edge
    const auto held = [](luvo::WingPlanformHandle h) { return luvo::DragHandle(h); };
    EXPECT_EQ(luvo::PickPlanformHandle(in, 120, 34), held(luvo::kWingSweepHandle));
    EXPECT_EQ(luvo::PickPlanformHandle(in, 120, 55), held(luvo::kWingTipHandle));
    EXPECT_EQ(luvo::PickPlanformHandle(in, 0, -40), held(luvo::kWingRootHandle));
    EXPECT_EQ(luvo::PickPlanformHandle(in, 60, -40), 0u);
    const struct {
        const char* what;
        luvo::WingPlanformHandle handle;
        int x, y;
        Writes writes;
    } cases[] = {
        // atan((53 + 40) / 120): where a press would pick the tip trailing edge.
        {"sweep 19 pixels down", luvo::kWingSweepHandle, 120, 53, {{VlmDragField::Sweep, "37.78"}}},
        {"sweep far beside the tip",
         luvo::kWingSweepHandle,
         60,
         -40,
         {{VlmDragField::Sweep, "0.00"}}},
        {"tip chord up to the leading edge",
         luvo::kWingTipHandle,
         120,
         40,
         {{VlmDragField::TipChord, "0.13"}}},
        {"root beside its column",
         luvo::kWingRootHandle,
         60,
         -50,
         {{VlmDragField::RootChord, "1.25"}}},
        {"root behind the line 3 pixels ahead", luvo::kWingRootHandle, 60, 0, {}},
        {"sweep held, the root chord grows",
         luvo::kWingSweepHandle,
         0,
         0,
         {{VlmDragField::RootChord, "1.01"}, {VlmDragField::Sweep, "18.43"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Of(luvo::PlanformDragWrites(in, held(c.handle), c.x, c.y)), c.writes);
    }
    // A tip chord of 10 pixels or less is not dragged but grows, also while it is held.
    VlmWingInputs shortTip;
    shortTip.tipChord = 0.25;
    EXPECT_EQ(Of(luvo::PlanformDragWrites(shortTip, held(luvo::kWingTipHandle), 120, 80)),
              Writes({{VlmDragField::TipChord, "0.26"}}));
}

// The mouse events of a drag in the order the toolkit gives them.
TEST(VlmPreview, ViewDragsHoldTheirHandleFromPressToRelease) {
    const VlmWingInputs in;
    luvo::WingPlanformDrag planform;
    EXPECT_TRUE(planform.Handle(in, {true, false, false, 120, 34}).empty());
    EXPECT_EQ(Of(planform.Handle(in, {false, true, false, 120, 53})),
              Writes({{VlmDragField::Sweep, "37.78"}}));
    // The release where the last motion was adds nothing; one beyond it is the last step.
    EXPECT_TRUE(planform.Handle(in, {false, false, true, 120, 53}).empty());
    EXPECT_TRUE(planform.Handle(in, {false, true, false, 120, 70}).empty());
    EXPECT_TRUE(planform.Handle(in, {true, false, false, 0, -40}).empty());
    EXPECT_EQ(Of(planform.Handle(in, {false, true, false, 0, -44})),
              Writes({{VlmDragField::RootChord, "1.10"}}));
    EXPECT_EQ(Of(planform.Handle(in, {false, false, true, 0, -60})),
              Writes({{VlmDragField::RootChord, "1.50"}}));

    luvo::WingDihedralDrag dihedral;
    EXPECT_EQ(dihedral.Handle(5, {true, false, false, 120, -31}), "");  // 20 pixels away
    EXPECT_EQ(dihedral.Handle(5, {false, true, false, 120, -10}), "");
    EXPECT_FALSE(dihedral.Dragging());
    EXPECT_EQ(dihedral.Handle(5, {true, false, false, 120, -10}), "");
    EXPECT_EQ(dihedral.Handle(5, {false, true, false, 120, -40}), "18.43");
    EXPECT_TRUE(dihedral.Dragging());
    EXPECT_EQ(dihedral.Handle(5, {false, false, true, 120, -60}), "26.57");
    EXPECT_FALSE(dihedral.Dragging());
}

}  // namespace
