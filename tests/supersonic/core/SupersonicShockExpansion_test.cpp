// Shock-expansion theory: the oblique-shock and Prandtl-Meyer relations against bisection solves
// and the gas tables, and whole profiles against the exact wave solutions of the flat plate and
// the diamond.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "supersonic/core/SupersonicFiles.h"
#include "supersonic/core/SupersonicSolver.h"
#include "tests/supersonic/core/SupersonicGasReference.h"
#include "tests/supersonic/core/SupersonicTestProfiles.h"

namespace {

namespace ref = supersonic_test;
using ref::PartsProfile;
using S = SupersonicSolver;

TEST(SupersonicShockRelations, MaxDeflectionIsTheTrueMaximum) {
    for (double kappa : {1.1, 1.3, 1.4, 1.67, 2.0}) {
        for (double mach : {1.05, 1.5, 2.0, 3.5, 4.0, 4.5, 5.0}) {
            SCOPED_TRACE(testing::Message() << "Ma " << mach << " kappa " << kappa);
            EXPECT_NEAR(S::MaxDeflection(mach, kappa), ref::MaxDeflectionDeg(mach, kappa), 1e-5);
        }
    }
    // Gas tables for kappa 1.4 (NACA Report 1135).
    const std::vector<std::pair<double, double>> table = {{1.5, 12.11}, {2.0, 22.97}, {2.5, 29.80},
                                                          {3.0, 34.07}, {4.0, 38.77}, {5.0, 41.12}};
    for (const auto& [mach, deflection] : table) {
        EXPECT_NEAR(S::MaxDeflection(mach, 1.4), deflection, 0.006) << mach;
    }
}

TEST(SupersonicShockRelations, ShockAngleIsTheWeakRoot) {
    for (double kappa : {1.2, 1.4, 2.0}) {
        for (double mach : {1.3, 1.5, 2.0, 3.0, 5.0}) {
            const double dmax = ref::MaxDeflectionDeg(mach, kappa);
            for (double f : {0.01, 0.3, 0.6, 0.9, 1.0}) {
                const double delta = f * (dmax - 1.0);
                SCOPED_TRACE(testing::Message() << mach << " " << kappa << " " << delta);
                EXPECT_NEAR(S::ShockAngle(mach, kappa, delta),
                            ref::WeakShockAngleDeg(mach, kappa, delta), 1e-10);
            }
        }
    }
    struct Row {
        double mach, delta, beta;
    };
    for (const Row& r : std::vector<Row>{
             {2.0, 10.0, 39.31}, {3.0, 10.0, 27.38}, {2.0, 20.0, 53.42}, {3.0, 20.0, 37.76}}) {
        EXPECT_NEAR(S::ShockAngle(r.mach, 1.4, r.delta), r.beta, 0.006) << r.mach << " " << r.delta;
    }
    // No deflection: the Mach angle.
    EXPECT_NEAR(S::ShockAngle(2.0, 1.4, 0.0), 30.0, 1e-9);
}

TEST(SupersonicShockRelations, ExpansionReachesThePrandtlMeyerTarget) {
    for (double kappa : {1.4, 1.2, 2.0}) {
        for (double mach : {1.2, 2.0, 4.0}) {
            for (double turn : {0.01, 1.0, 10.0, 40.0}) {
                SCOPED_TRACE(testing::Message() << mach << " " << kappa << " " << turn);
                const double target = S::PrandtlMeyer(mach, kappa) + ref::Rad(turn);
                const SupersonicSearch s = S::ExpansionSearch(mach, kappa, target);
                if (ref::MachFromPrandtlMeyer(target, kappa) < mach + 10.0) {
                    // To full precision: an expansion that stops short adds its error to every
                    // later panel of the surface.
                    EXPECT_NEAR(ref::PrandtlMeyer(s.value, kappa), target, 1e-12);
                } else {
                    // Beyond ten Mach numbers more the search ends at M + 10.
                    EXPECT_EQ(s.value, mach + 10.0);
                }
            }
        }
    }
    // Past the largest Prandtl-Meyer angle (130.45 degrees for kappa 1.4) as well.
    EXPECT_EQ(S::ExpansionSearch(2.0, 1.4, ref::Rad(135.0)).value, 12.0);
}

TEST(SupersonicShockRelations, SearchesStopWellBeforeTheirCapAndOnNonFiniteInput) {
    int most = 0;
    for (double mach = 1.01; mach <= 5.0; mach += 0.07) {
        for (double kappa = 1.01; kappa <= 2.0; kappa += 0.07) {
            const double dmax = S::MaxDeflection(mach, kappa);
            for (double f = 0.0; f <= 1.0; f += 0.05) {
                const SupersonicSearch shock = S::ShockAngleSearch(mach, kappa, f * dmax);
                ASSERT_TRUE(std::isfinite(shock.value));
                most = std::max(most, shock.evaluations);
                const double target = S::PrandtlMeyer(mach, kappa) + ref::Rad(60.0 * f + 0.01);
                most = std::max(most, S::ExpansionSearch(mach, kappa, target).evaluations);
            }
        }
    }
    EXPECT_LT(most, S::kMaxEvaluations);
    const double nan = std::nan("");
    const double inf = INFINITY;
    for (const auto& [m, k, d] : std::vector<std::tuple<double, double, double>>{
             {nan, 1.4, 5.0}, {2.0, nan, 5.0}, {2.0, 1.4, nan}, {inf, 1.4, 5.0}}) {
        EXPECT_LE(S::ShockAngleSearch(m, k, d).evaluations, 1);
        EXPECT_LE(S::ExpansionSearch(m, k, d).evaluations, 1);
    }
}

// Exact waves of a flat plate: upper surface one expansion, lower one oblique shock.
std::vector<ref::Face> FlatPlate(double mach, double alpha, double kappa) {
    const ref::Flow start{mach, 1.0};
    return {{0.0, 1.0, 0.0, true, ref::Turn(start, -alpha, kappa).pressure},
            {0.0, 1.0, 0.0, false, ref::Turn(start, alpha, kappa).pressure}};
}

// Exact waves of a diamond of thickness t with its ridge at mid-chord.
std::vector<ref::Face> Diamond(double mach, double alpha, double kappa, double t) {
    const double eps = ref::Deg(std::atan(t));
    const ref::Flow start{mach, 1.0};
    const ref::Flow upperFront = ref::Turn(start, eps - alpha, kappa);
    const ref::Flow lowerFront = ref::Turn(start, eps + alpha, kappa);
    return {{0.0, 0.5, eps, true, upperFront.pressure},
            {0.5, 1.0, -eps, true, ref::Turn(upperFront, -2 * eps, kappa).pressure},
            {0.0, 0.5, -eps, false, lowerFront.pressure},
            {0.5, 1.0, eps, false, ref::Turn(lowerFront, -2 * eps, kappa).pressure}};
}

// Compares the profile's shock-expansion results with the exact faces.
void ExpectFaces(const SupersonicProfile& p, const std::vector<ref::Face>& faces) {
    const ref::Coefficients c = ref::Integrate(faces, p.mach, p.kappa, p.alpha);
    ASSERT_FALSE(p.subsonic);
    EXPECT_NEAR(p.seLift, c.lift, 1e-10);
    EXPECT_NEAR(p.seDrag, c.drag, 1e-10);
    EXPECT_NEAR(p.seMoment, c.moment, 1e-10);
    const double q = 0.5 * p.kappa * p.mach * p.mach;
    for (int i = 0; i <= 191; ++i) {
        const double x = p.rows[i].xShockExpansion;
        for (const ref::Face& f : faces) {
            if (x < f.x0 || x > f.x1) continue;
            const double cp = (f.pressure - 1.0) / q;
            EXPECT_NEAR(f.upper ? p.rows[i].cpUpperShockExpansion : p.rows[i].cpLowerShockExpansion,
                        cp, 1e-10)
                << "row " << i;
        }
    }
}

TEST(SupersonicShockExpansion, FlatPlateAgainstExactWaves) {
    for (double mach : {1.5, 2.0, 3.0, 5.0}) {
        for (double alpha : {0.0, 1.0, 2.5, 5.0}) {
            SCOPED_TRACE(testing::Message() << "Ma " << mach << " alpha " << alpha);
            const SupersonicProfile p = PartsProfile(mach, alpha, 1.4, 0.0, 0.0);
            ExpectFaces(p, FlatPlate(mach, alpha, 1.4));
            if (alpha > 0.0) {
                EXPECT_NEAR(p.seDrag / p.seLift, std::tan(ref::Rad(alpha)), 1e-12);
                EXPECT_NEAR(p.sePressurePoint, 0.5 / std::cos(ref::Rad(alpha)), 1e-9);
            }
        }
    }
    // The method's own example: 3 degrees gives the pressure point 0.50069.
    EXPECT_NEAR(PartsProfile(3.0, 3.0, 1.4, 0.0, 0.0).sePressurePoint, 0.50069, 5e-6);
}

TEST(SupersonicShockExpansion, DiamondAgainstExactWaves) {
    for (double mach : {1.5, 2.0, 3.0, 5.0}) {
        for (double alpha : {0.0, 1.0, 2.5, 5.0}) {
            for (double kappa : {1.4, 1.3}) {
                SCOPED_TRACE(testing::Message()
                             << "Ma " << mach << " alpha " << alpha << " kappa " << kappa);
                const double t = 0.04;
                const SupersonicProfile p = PartsProfile(mach, alpha, kappa, 0.0, t / 2);
                ExpectFaces(p, Diamond(mach, alpha, kappa, t));
                if (alpha == 0.0) {
                    // Symmetric at zero incidence.
                    EXPECT_EQ(p.seLift, 0.0);
                    EXPECT_EQ(p.seMoment, 0.0);
                }
            }
        }
    }
}

// The parts window's default profile, a curved upper side of 190 expansions behind the nose shock
// and a lower side of 189 weak shocks, against a march wave by wave with the textbook relations
// (the same 0.001-degree rule for small turns).
TEST(SupersonicShockExpansion, DefaultProfileTrailingEdgeAgainstAWaveByWaveMarch) {
    const SupersonicProfile p = SupersonicStartProfile(
        SupersonicWindow::Parts, SupersonicDefaultSettings(SupersonicWindow::Parts));
    ASSERT_FALSE(p.subsonic);
    const int n = p.pointCount;
    const double dx = 1.0 / (n - 1);
    for (const double sign : {1.0, -1.0}) {
        SCOPED_TRACE(sign > 0 ? "upper" : "lower");
        const std::vector<SupersonicPoint>& z = sign > 0 ? p.upper : p.lower;
        ref::Flow flow{p.mach, 1.0};
        double before = sign * p.alpha;
        for (int i = 0; i + 1 < n; ++i) {
            const double theta = sign * ref::Deg(std::atan((z[i + 1].z - z[i].z) / dx));
            if (std::fabs(theta - before) >= 1e-3) flow = ref::Turn(flow, theta - before, p.kappa);
            before = theta;
        }
        const double cp = (flow.pressure - 1.0) * 2.0 / (p.kappa * p.mach * p.mach);
        const SupersonicResultRow& last = p.rows[n - 1];
        EXPECT_NEAR(sign > 0 ? last.cpUpperShockExpansion : last.cpLowerShockExpansion, cp, 1e-10);
    }
    EXPECT_NEAR(p.rows[n - 1].cpUpperShockExpansion, -0.1020924, 1e-7);
}

TEST(SupersonicShockExpansion, SmallTurnsLeaveTheFlowAlone) {
    // A camber line whose panels turn by less than 0.001 degrees each: no wave anywhere, so
    // every panel of each surface keeps the pressure behind the leading edge.
    SupersonicProfile p(true);
    p.mach = 2.0;
    p.alpha = 0.0;
    p.kappa = 1.4;
    p.part1.coefficients = {0.0, 2e-6, 0.0, 0.0, 0.0, 0.0};
    p.part1.coefficientMode = true;
    p.Compute();
    ASSERT_FALSE(p.subsonic);
    for (int i = 2; i <= 191; ++i) {
        EXPECT_EQ(p.rows[i].cpUpperShockExpansion, p.rows[1].cpUpperShockExpansion) << i;
        EXPECT_EQ(p.rows[i].cpLowerShockExpansion, p.rows[1].cpLowerShockExpansion) << i;
    }
}

TEST(SupersonicShockExpansion, TurnAboveTheLargestDeflectionKeepsTheOldResults) {
    SupersonicProfile p = PartsProfile(3.0, 2.0, 1.4, 0.0, 0.02);
    ASSERT_FALSE(p.subsonic);
    const SupersonicProfile before = p;
    // Mach 1.5 allows 12.1 degrees: a nose of 14 degrees needs a detached shock.
    p.mach = 1.5;
    p.part2.supportPoints[0] = {0.1, std::tan(ref::Rad(14.0)) * 0.1};
    p.Compute();
    EXPECT_TRUE(p.subsonic);
    EXPECT_EQ(p.seLift, before.seLift);
    EXPECT_EQ(p.seDrag, before.seDrag);
    EXPECT_EQ(p.seMoment, before.seMoment);
    EXPECT_EQ(p.sePressurePoint, before.sePressurePoint);
    for (int i = 0; i <= 191; ++i) {
        EXPECT_EQ(p.rows[i].cpUpperShockExpansion, before.rows[i].cpUpperShockExpansion);
        EXPECT_EQ(p.rows[i].cpLowerShockExpansion, before.rows[i].cpLowerShockExpansion);
    }
    // The linearised theory still follows the new profile.
    EXPECT_NE(p.linDragThickness, before.linDragThickness);
    // Back to a slender nose: supersonic again, everything updated.
    p.part2.supportPoints[0] = {0.5, 0.02};
    p.Compute();
    EXPECT_FALSE(p.subsonic);
    const SupersonicProfile fresh = PartsProfile(1.5, 2.0, 1.4, 0.0, 0.02);
    EXPECT_EQ(p.seLift, fresh.seLift);
    EXPECT_EQ(p.seDrag, fresh.seDrag);
}

TEST(SupersonicShockExpansion, NoseTurnsNearTheLargestDeflection) {
    // Just below the largest deflection the shock stays attached; the surface is subsonic only
    // where the flow behind that shock is.
    for (double mach : {1.5, 2.0, 3.5, 4.0, 5.0}) {
        const double dmax = ref::MaxDeflectionDeg(mach, 1.4);
        for (double below : {0.7, 0.3, 0.1, 0.01}) {
            SCOPED_TRACE(testing::Message() << "Ma " << mach << " below " << below);
            const double turn = dmax - below;
            SupersonicProfile p = PartsProfile(mach, 0.0, 1.4, 0.0, 0.0);
            p.alpha = -turn;  // the upper surface turns the flow by this much at the nose
            p.Compute();
            EXPECT_EQ(p.subsonic, ref::Turn({mach, 1.0}, turn, 1.4).mach < 1.0);
        }
    }
}

}  // namespace
