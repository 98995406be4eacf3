// What "Diskretisierung" checks before it builds a wing grid or starts a run, and the wing inputs
// its fields give a model.

#include "panel3d/core/Panel3dDiscretisation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dRun.h"
#include "tests/panel3d/core/Panel3dTestGeometry.h"

namespace {

const double kDeg = std::acos(-1.0) / 180.0;

Panel3dGeometryInputs Defaults() { return panel3d_test::DefaultGeometry(); }

std::string FirstFailure(double n, double m, const Panel3dGeometryInputs& in, double alpha,
                         bool forRun) {
    const char* failure =
        luvo::FirstRangeFailure(Panel3dDiscretisationChecks(n, m, in, alpha, forRun));
    return failure ? failure : "";
}

TEST(Panel3dDiscretisationChecks, FirstFailureInTheirOrder) {
    const std::string xLow =
        "Die Panelzahl in x-Richtung ist zu niedrig:\n\n2 <= Panelzahl in x-Richtung \n";
    const std::string yLow =
        "Die Panelzahl in y-Richtung ist zu niedrig:\n\n2 <= Panelzahl in y-Richtung \n";
    const std::string total = "Die Gesamtzahl aller Panels ist zu hoch:\n\n4*nx*ny <= 6000\n";
    const std::string rootChord =
        "Der Wert der Flügelwurzeltiefe liegt in einem unzulässigen Bereich:\n\n"
        "0.1 <= Flügelwurzeltiefe <= 50\n";
    const std::string span =
        "Der Wert der Spannweite liegt in einem unzulässigen Bereich:\n\n"
        "0.5 <= Spannweite <= 100\n";
    const std::string camberPosition =
        "Der Wert der Wölbungsrücklage am Flügelrandbogen liegt in einem unzulässigen "
        "Bereich:\n\n5 <= Wölbungsrücklage am Flügelrandbogen <= 80\n";
    const std::string dihedral =
        "Der Wert der V-Form liegt in einem unzulässigen Bereich:\n\n-10 <= V-Form <= 30\n";
    const std::string alpha =
        "Der Wert des Anströmwinkels liegt in einem unzulässigen Bereich:\n\n"
        "-10 <= Anströmwinkel <= 10\n";
    const std::string beta =
        "Der Wert des Schiebewinkels liegt in einem unzulässigen Bereich:\n\n"
        "-30 <= Schiebewinkel <= 30\n";
    const std::string inner =
        "Der Wert der Klappenposition in Richtung Flügelwurzel liegt in einem unzulässigen "
        "Bereich:\n\n0 <= Position in Richtung Flügelwurzel <= 100\n";
    const std::string outer =
        "Der Wert der Klappenposition in Richtung Flügeltip liegt in einem unzulässigen "
        "Bereich:\n\n0 <= Position in Richtung Flügeltip <= 100\n";
    const std::string width =
        "Der Wert der Klappenbreite liegt in einem unzulässigen Bereich:\n\n"
        "Position in Richtung Flügelwurzel != Position in Richtung Flügeltip\n";
    const std::string hinge =
        "Der Wert der Position des Klappendrehpunktes liegt in einem unzulässigen Bereich:\n\n"
        "0 < Position des Klappendrehpunktes < 100\n";
    const std::string height =
        "Der Wert der Höhe des Klappendrehpunktes liegt in einem unzulässigen Bereich:\n\n"
        "0 <= Höhe des Klappendrehpunktes <= 100\n";
    const std::string left =
        "Der Wert des linken Klappenausschlags liegt in einem unzulässigen Bereich:\n\n"
        "-30 <= Klappenausschlag links <= 30\n";
    const std::string right =
        "Der Wert des rechten Klappenausschlags liegt in einem unzulässigen Bereich:\n\n"
        "-30 <= Klappenausschlag rechts <= 30\n";
    const double inf = std::numeric_limits<double>::infinity();
    using Edit = std::function<void(Panel3dGeometryInputs&)>;
    const Edit none = [](Panel3dGeometryInputs&) {};
    const struct {
        const char* name;
        double n, m;
        Edit edit;
        double alpha;
        bool forRun;
        std::string expected;
    } cases[] = {
        {"defaults", 30, 15, none, 2.5, true, ""},
        {"N 1.9", 1.9, 15, none, 0, false, xLow},
        {"N 2.9 passes", 2.9, 15, none, 0, false, ""},
        {"both counts low", 1, 1, none, 0, false, xLow},
        {"N not finite", inf, 15, none, 0, false, xLow},
        {"M 1.99", 30, 1.99, none, 0, false, yLow},
        {"31 x 50", 31, 50, none, 0, false, total},
        {"30 x 50 is 6000", 30, 50, none, 0, false, ""},
        {"30.9 x 50.9 truncated", 30.9, 50.9, none, 0, false, ""},
        {"huge counts", 1e300, 1e300, none, 0, false, total},
        {"counts before geometry", 1, 15, [](auto& in) { in.span = 0; }, 0, false, xLow},
        {"root chord 0", 30, 15, [](auto& in) { in.rootChord = 0; }, 0, false, rootChord},
        {"span 0 and root chord 0", 30, 15,
         [](auto& in) {
             in.span = 0;
             in.rootChord = 0;
         },
         0, false, span},
        {"camber position 100", 30, 15, [](auto& in) { in.tipCamberPosition = 100; }, 0, false,
         camberPosition},
        {"dihedral 30.01", 30, 15, [](auto& in) { in.dihedral = 30.01; }, 0, false, dihedral},
        // The grid uses neither angle of the flow; the run checks both.
        {"alpha 12, grid", 30, 15, none, 12, false, ""},
        {"alpha 12, run", 30, 15, none, 12, true, alpha},
        {"beta 40, grid", 30, 15, [](auto& in) { in.beta = 40; }, 0, false, ""},
        {"beta 40, run", 30, 15, [](auto& in) { in.beta = 40; }, 0, true, beta},
        // Flap fields count only with a deflection.
        {"hinge 150 undeflected", 30, 15, [](auto& in) { in.hingePosition = 150; }, 0, false, ""},
        {"hinge 150 deflected", 30, 15,
         [](auto& in) {
             in.hingePosition = 150;
             in.rightDeflection = 10;
         },
         0, false, hinge},
        {"hinge 0 deflected", 30, 15,
         [](auto& in) {
             in.hingePosition = 0;
             in.leftDeflection = -5;
         },
         0, false, hinge},
        {"hinge 100 deflected", 30, 15,
         [](auto& in) {
             in.hingePosition = 100;
             in.leftDeflection = 5;
         },
         0, false, hinge},
        {"inner -1", 30, 15,
         [](auto& in) {
             in.flapInner = -1;
             in.leftDeflection = 5;
         },
         0, false, inner},
        {"outer 101", 30, 15,
         [](auto& in) {
             in.flapOuter = 101;
             in.leftDeflection = 5;
         },
         0, false, outer},
        {"ends equal", 30, 15,
         [](auto& in) {
             in.flapOuter = 50;
             in.leftDeflection = 5;
         },
         0, false, width},
        {"ends swapped pass", 30, 15,
         [](auto& in) {
             in.flapInner = 80;
             in.flapOuter = 50;
             in.leftDeflection = 5;
         },
         0, false, ""},
        {"height 100.5", 30, 15,
         [](auto& in) {
             in.hingeHeight = 100.5;
             in.leftDeflection = 5;
         },
         0, false, height},
        {"left 31", 30, 15, [](auto& in) { in.leftDeflection = 31; }, 0, false, left},
        {"right -30.5", 30, 15, [](auto& in) { in.rightDeflection = -30.5; }, 0, false, right},
        {"both 30", 30, 15,
         [](auto& in) {
             in.leftDeflection = 30;
             in.rightDeflection = -30;
         },
         0, false, ""},
        {"geometry before flaps", 30, 15,
         [](auto& in) {
             in.dihedral = 40;
             in.hingePosition = 150;
             in.leftDeflection = 5;
         },
         0, false, dihedral},
    };
    for (const auto& c : cases) {
        Panel3dGeometryInputs in = Defaults();
        c.edit(in);
        EXPECT_EQ(FirstFailure(c.n, c.m, in, c.alpha, c.forRun), c.expected) << c.name;
    }
}

TEST(Panel3dSetWingInputs, FieldsBecomeTheModelsWingInputs) {
    const std::shared_ptr<Panel3dModel> model = Panel3dModel::Create({30, 15, 25, 1, 0.1, 5.0});
    ASSERT_NE(model, nullptr);
    Panel3dGeometryInputs in = Defaults();
    in.hingeHeight = 40;
    in.leftDeflection = 10;
    in.rightDeflection = -7.5;
    Panel3dSetWingInputs(*model, in, 4);
    EXPECT_DOUBLE_EQ(model->halfSpan, 3.0);
    EXPECT_DOUBLE_EQ(model->rootChord, 1.0);
    EXPECT_DOUBLE_EQ(model->tipChord, 0.5);
    EXPECT_DOUBLE_EQ(model->leadingEdgeSweep, 32.0);
    // Independently: the quarter-chord line moves back by s tan(32°) + (ct - cr)/4 over s = 3.
    const double quarterShift = 3.0 * std::tan(32 * kDeg) + (0.5 - 1.0) / 4;
    EXPECT_NEAR(model->quarterChordSweep, std::atan(quarterShift / 3.0) / kDeg, 1e-12);
    EXPECT_DOUBLE_EQ(model->rootIncidence, 2.5);
    EXPECT_DOUBLE_EQ(model->tipIncidence, -2.5);
    EXPECT_DOUBLE_EQ(model->rootCamber, 4);
    EXPECT_DOUBLE_EQ(model->tipCamberPosition, 40);
    EXPECT_DOUBLE_EQ(model->rootThickness, 15);
    EXPECT_DOUBLE_EQ(model->dihedral, 5);
    EXPECT_DOUBLE_EQ(model->chordwiseGrading, 0.52);
    EXPECT_DOUBLE_EQ(model->spanwiseGrading, 0.52);
    EXPECT_DOUBLE_EQ(model->flapInnerEnd, 0.5);
    EXPECT_DOUBLE_EQ(model->flapOuterEnd, 0.8);
    EXPECT_DOUBLE_EQ(model->hingePosition, 0.75);
    EXPECT_DOUBLE_EQ(model->hingeHeight, 0.4);
    EXPECT_DOUBLE_EQ(model->leftFlapDeflection, -10);
    EXPECT_DOUBLE_EQ(model->rightFlapDeflection, 7.5);
    EXPECT_TRUE(model->interactiveGrid);
    // The grid is built from these values.
    EXPECT_TRUE(model->GenerateWingGrid());
}

TEST(Panel3dSetWingInputs, GradingsFollowTheSliderAndTheSweep) {
    const std::shared_ptr<Panel3dModel> model = Panel3dModel::Create({2, 2, 1, 0, 0.1, 5.0});
    ASSERT_NE(model, nullptr);
    Panel3dGeometryInputs in = Defaults();
    const struct {
        int slider;
        double grading;
    } sliders[] = {{4, 0.52}, {1, 0.505}, {100, 1.0}, {50, 0.75}};
    for (const auto& s : sliders) {
        Panel3dSetWingInputs(*model, in, s.slider);
        EXPECT_DOUBLE_EQ(model->chordwiseGrading, s.grading) << s.slider;
    }
    const struct {
        double sweep, grading;
    } sweeps[] = {{32, 0.52}, {-18, 0.52}, {18, 0.52}, {9, 0.76}, {-9, 0.76}, {0, 1.0}, {60, 0.52}};
    for (const auto& s : sweeps) {
        in.sweep = s.sweep;
        Panel3dSetWingInputs(*model, in, 4);
        EXPECT_NEAR(model->spanwiseGrading, s.grading, 1e-15) << s.sweep;
    }
}

}  // namespace
