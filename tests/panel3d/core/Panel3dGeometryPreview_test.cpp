// What the panel method's preview adds to the common wing preview: the flap outline while
// "aktiv" is set and sections with thickness; and the inputs it reads.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "common/core/WingPreview.h"
#include "panel3d/core/Panel3dGeometryInputs.h"
#include "tests/panel3d/core/Panel3dTestGeometry.h"
#include "tests/support/RecordingPainter.h"

namespace {

using luvo::test::DrawStep;
using luvo::test::RecordingPainter;
using Segment = std::tuple<int, int, int, int>;

std::vector<Segment> Lines(const RecordingPainter& p) {
    std::vector<Segment> out;
    for (const DrawStep& s : p.Of(DrawStep::Line)) out.emplace_back(s.x1, s.y1, s.x2, s.y2);
    return out;
}

bool Has(const std::vector<Segment>& lines, const Segment& s) {
    return std::find(lines.begin(), lines.end(), s) != lines.end();
}

TEST(Panel3dGeometryPreview, FlapOutlineOnBothHalvesOnlyWhileActive) {
    Panel3dGeometryInputs in = panel3d_test::DefaultGeometry();
    // 40 px/m: root leading edge -40, tip leading edge 34.98, tip trailing edge 54.98. The flap
    // from 60 to 96 pixels, its hinge 25 % of the chord ahead of the trailing edge.
    const std::vector<Segment> flap = {
        {60, 27, 60, 19},   {60, 19, 96, 37},   {96, 37, 96, 43},
        {-60, 27, -60, 19}, {-60, 19, -96, 37}, {-96, 37, -96, 43},
    };
    RecordingPainter off;
    luvo::PaintPlanformView(off, Panel3dPreviewInputs(in, 2.5));
    const std::vector<Segment> offLines = Lines(off);
    EXPECT_TRUE(Has(offLines, {0, -40, 120, 34}));
    EXPECT_TRUE(Has(offLines, {120, 34, 120, 54}));
    for (const Segment& s : flap) EXPECT_FALSE(Has(offLines, s));

    in.flapActive = true;
    RecordingPainter on;
    luvo::PaintPlanformView(on, Panel3dPreviewInputs(in, 2.5));
    const std::vector<Segment> onLines = Lines(on);
    for (const Segment& s : flap) EXPECT_TRUE(Has(onLines, s)) << std::get<0>(s);
    EXPECT_EQ(onLines.size(), offLines.size() + flap.size());
}

TEST(Panel3dGeometryPreview, SectionHasUpperAndLowerContourAndTheFlowAngle) {
    RecordingPainter p;
    luvo::PaintProfileView(p, "Profil Flügelwurzel", 15, 4, 40, 2.5, 6);
    const std::vector<DrawStep> black = p.LinesIn(luvo::PlotPen::Axis());
    // 29 dashes of the chord line, then upper and lower line for each of 160 steps.
    ASSERT_EQ(black.size(), 29u + 320u);
    const DrawStep& upper = black[29 + 2 * 48];
    const DrawStep& lower = black[29 + 2 * 48 + 1];
    EXPECT_EQ(upper.x1, 33);  // x = 0.3, where the section is thickest
    EXPECT_EQ(lower.x1, 33);
    // 15 % thickness over 112 pixels of chord: about 16.7 pixels between the contours.
    EXPECT_NEAR(lower.y1 - upper.y1, 16.7, 1.0);
    // Both contours meet at the leading edge and end at the sheared trailing edge.
    EXPECT_EQ(black[29].y1, 0);
    EXPECT_EQ(black[30].y1, 0);
    EXPECT_EQ(black.back().x2, 112);
    EXPECT_EQ(black.back().y2, 4);  // 112 tan 2.5 deg
    // The free stream comes from the flow state's angle of attack: its shaft is red.
    const std::vector<DrawStep> red = p.LinesIn(luvo::PlotPen::Red());
    ASSERT_EQ(red.size(), 3u);
    EXPECT_EQ(red[0].x2, -24);  // -25 cos 6 deg
    EXPECT_EQ(red[0].y2, 2);    // 25 sin 6 deg
}

TEST(Panel3dGeometryPreview, ChecksOfNextStopAtTheFirstFailure) {
    Panel3dGeometryInputs in = panel3d_test::DefaultGeometry();
    EXPECT_EQ(luvo::FirstRangeFailure(Panel3dGeometryChecks(in, 10)), nullptr);
    in.tipThickness = 21;
    in.beta = 40;
    EXPECT_STREQ(luvo::FirstRangeFailure(Panel3dGeometryChecks(in, 12)),
                 "Der Wert der Profildicke am Flügelrandbogen liegt in einem unzulässigen "
                 "Bereich:\n\n6 <= Profildicke Flügelrandbogen <= 20\n");
    in.tipThickness = 20;
    EXPECT_STREQ(luvo::FirstRangeFailure(Panel3dGeometryChecks(in, 12)),
                 "Der Wert des Anströmwinkels liegt in einem unzulässigen Bereich:\n\n"
                 "-10 <= Anströmwinkel <= 10\n");
}

}  // namespace
