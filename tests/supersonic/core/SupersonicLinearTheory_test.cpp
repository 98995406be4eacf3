// Linearised supersonic theory against Ackeret's closed forms for the flat plate, the diamond and
// the parabolic camber line.

#include <gtest/gtest.h>

#include <cmath>

#include "supersonic/core/SupersonicSolver.h"
#include "tests/supersonic/core/SupersonicGasReference.h"
#include "tests/supersonic/core/SupersonicTestProfiles.h"

namespace {

using supersonic_test::PartsProfile;
using supersonic_test::Rad;

TEST(SupersonicLinearTheory, FlatPlateAckeret) {
    for (double mach : {1.5, 3.0, 5.0}) {
        for (double alpha : {3.0, -2.0, 10.0}) {
            SCOPED_TRACE(testing::Message() << "Ma " << mach << " alpha " << alpha);
            const SupersonicProfile p = PartsProfile(mach, alpha, 1.4, 0.0, 0.0);
            const double B = std::sqrt(mach * mach - 1.0);
            const double a = Rad(alpha);
            // The method's degree factor is 1e-13 off pi/180, hence relative 1e-12.
            EXPECT_NEAR(p.linLift, 4 * a / B, 1e-12 * std::fabs(p.linLift));
            EXPECT_NEAR(p.linDragAlphaCamber, 4 * a * a / B, 1e-12 * p.linDragAlphaCamber);
            EXPECT_EQ(p.linDragThickness, 0.0);
            EXPECT_NEAR(p.linMoment, -2 * a / B, 1e-12 * std::fabs(p.linMoment));
            EXPECT_NEAR(p.linPressurePoint, 0.5, 1e-12);
            for (int i = 0; i <= 191; ++i) {
                EXPECT_NEAR(p.rows[i].cpUpperLinear, -2 * a / B, 1e-13) << i;
                EXPECT_NEAR(p.rows[i].cpLowerLinear, 2 * a / B, 1e-13) << i;
            }
        }
    }
    // The figures of the method's own example: Mach 3, 3 degrees.
    const SupersonicProfile p = PartsProfile(3.0, 3.0, 1.4, 0.0, 0.0);
    EXPECT_NEAR(p.linLift, 0.0740, 5e-5);
    EXPECT_NEAR(p.linDragAlphaCamber, 0.003877, 5e-7);
}

TEST(SupersonicLinearTheory, DiamondThicknessDrag) {
    for (double mach : {1.5, 2.0, 4.0}) {
        for (double t : {0.02, 0.06, 0.1}) {
            SCOPED_TRACE(testing::Message() << "Ma " << mach << " t " << t);
            const SupersonicProfile p = PartsProfile(mach, 0.0, 1.4, 0.0, t / 2);
            const double B = std::sqrt(mach * mach - 1.0);
            EXPECT_NEAR(p.linDragThickness, 4 * t * t / B, 1e-12);
            EXPECT_NEAR(p.linDragAlphaCamber, 0.0, 1e-20);
            // Symmetric at zero incidence: no lift, no moment, the pressure point as it was.
            EXPECT_EQ(p.linLift, 0.0);
            EXPECT_NEAR(p.linMoment, 0.0, 1e-15);
            EXPECT_EQ(p.linPressurePoint, 0.0);
            // Front faces compress, rear faces expand, by 2 t / B.
            EXPECT_NEAR(p.rows[1].cpUpperLinear, 2 * t / B, 1e-12);
            EXPECT_NEAR(p.rows[190].cpLowerLinear, -2 * t / B, 1e-12);
        }
    }
}

TEST(SupersonicLinearTheory, ParabolicCamber) {
    for (double mach : {1.5, 3.0}) {
        for (double f : {0.02, 0.05}) {
            for (double alpha : {0.0, 4.0}) {
                SCOPED_TRACE(testing::Message() << mach << " " << f << " " << alpha);
                const SupersonicProfile p = PartsProfile(mach, alpha, 1.4, f, 0.0);
                const double B = std::sqrt(mach * mach - 1.0);
                const double a = Rad(alpha);
                const double drag = 4 / B * (a * a + 16 * f * f / 3);
                const double moment = -4 / B * (a / 2 + 2 * f / 3);
                EXPECT_NEAR(p.linDragAlphaCamber, drag, 1e-4 * drag);
                EXPECT_NEAR(p.linMoment, moment, 1e-4 * std::fabs(moment));
                EXPECT_NEAR(p.linLift, 4 * a / B, 1e-13);
            }
        }
    }
}

TEST(SupersonicLinearTheory, EndRowsRepeatTheirNeighbours) {
    const SupersonicProfile p = PartsProfile(2.0, 2.0, 1.4, 0.03, 0.04);
    EXPECT_EQ(p.rows[0].xLinear, 0.0);
    EXPECT_EQ(p.rows[191].xLinear, 1.0);
    EXPECT_NEAR(p.rows[1].xLinear, 0.5 / 190, 1e-15);
    EXPECT_NEAR(p.rows[190].xLinear, 189.5 / 190, 1e-15);
    EXPECT_EQ(p.rows[0].cpUpperLinear, p.rows[1].cpUpperLinear);
    EXPECT_EQ(p.rows[0].cpLowerLinear, p.rows[1].cpLowerLinear);
    EXPECT_EQ(p.rows[191].cpUpperLinear, p.rows[190].cpUpperLinear);
    EXPECT_EQ(p.rows[191].cpLowerLinear, p.rows[190].cpLowerLinear);
}

}  // namespace
