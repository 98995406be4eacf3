#include "camber/core/CamberTheory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/core/NumberText.h"

namespace {

// The NACA task's state for its four inputs, as the window computes it.
CamberState NacaState(int camber, int position, bool liftMode, double input) {
    const CamberNacaTerms terms = CamberNacaLineTerms(camber * 0.01, position * 0.1);
    return liftMode ? CamberNacaFromLift(terms, input) : CamberNacaFromAngle(terms, input);
}

std::string Label(double value) { return luvo::FormatResult("%.3f", value); }

TEST(CamberTheory, NacaResultsShowTheListedLabels) {
    struct Case {
        const char* what;
        int camber;
        int position;
        bool liftMode;
        double input;
        // A0, A1, A2, alpha_0, f/t, alpha_2, alpha*, Ca, Cm, Cm025, alpha0, xA/t; nullptr: any.
        const char* labels[kResultCount];
    };
    const Case cases[] = {
        {"NACA 2412 at 5 degrees",
         2,
         4,
         false,
         5.0,
         {"0.083", "0.081", "-0.014", "-0.257", "0.020", "0.265", "5.000", "0.776", "-0.247",
          "-0.053", "-2.077", "0.318"}},
        {"lift mode Ca 0.5",
         2,
         4,
         true,
         0.5,
         {"0.039", nullptr, nullptr, nullptr, nullptr, nullptr, "2.482", "0.500", "-0.178",
          "-0.053", "-2.077", "0.356"}},
        {"camber 4 at 40 per cent, 0 degrees",
         4,
         4,
         false,
         0.0,
         {"-0.009", "0.163", "-0.028", nullptr, nullptr, nullptr, "0.000", "0.456", "-0.220",
          "-0.106", "-4.154", "0.483"}},
        // The flat plate: alpha_2 and alpha0 come out as negative zeros and show as "0.000".
        {"position 0 is the flat plate",
         2,
         0,
         false,
         5.0,
         {nullptr, "0.000", "0.000", "0.000", "0.000", "0.000", "5.000", "0.548", "-0.137", "0.000",
          "0.000", "0.250"}},
        {"camber 0 is the flat plate",
         0,
         4,
         false,
         5.0,
         {nullptr, "0.000", "0.000", "0.000", "0.000", "0.000", "5.000", "0.548", "-0.137", "0.000",
          "0.000", "0.250"}},
        // Without lift the pressure point is undefined.
        {"lift mode Ca 0",
         2,
         4,
         true,
         0.0,
         {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "0.000", nullptr, nullptr,
          nullptr, "---"}},
        {"flat plate at 0 degrees",
         0,
         0,
         false,
         0.0,
         {"0.000", "0.000", "0.000", nullptr, nullptr, nullptr, "0.000", "0.000", nullptr, nullptr,
          nullptr, "---"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CamberResults r =
            CamberComputeResults(NacaState(c.camber, c.position, c.liftMode, c.input));
        for (int i = 0; i < kResultCount; ++i) {
            if (c.labels[i] != nullptr) {
                EXPECT_EQ(Label(r[i]), c.labels[i]) << "result " << i;
            }
        }
    }
}

// The NACA four-digit slope dz/dx, and the Glauert integrals over the usual angle
// x = (1 - cos t)/2 by a fine midpoint rule: an independent route to the closed forms.
double NacaSlope(double x, double m, double p) {
    return x < p ? m / (p * p) * (2.0 * p - 2.0 * x)
                 : m / ((1 - p) * (1 - p)) * (2.0 * p - 2.0 * x);
}

double GlauertIntegral(int n, double m, double p) {
    const int steps = 200000;
    const double h = M_PI / steps;
    double sum = 0.0;
    for (int i = 0; i < steps; ++i) {
        const double t = (i + 0.5) * h;
        sum += NacaSlope(0.5 * (1.0 - std::cos(t)), m, p) * std::cos(n * t);
    }
    return sum * h;
}

TEST(CamberTheory, CoefficientsAgreeWithTheGlauertIntegralsOfTheSlope) {
    const double lines[][2] = {{0.02, 0.4}, {0.04, 0.4}, {0.05, 0.2}, {0.03, 0.7}, {0.01, 0.9}};
    for (const auto& line : lines) {
        const double m = line[0];
        const double p = line[1];
        SCOPED_TRACE(testing::Message() << "m " << m << " p " << p);
        const CamberNacaTerms t = CamberNacaLineTerms(m, p);
        EXPECT_NEAR(t.I, GlauertIntegral(0, m, p) / M_PI, 1e-8);
        EXPECT_NEAR(t.A1, 2.0 / M_PI * GlauertIntegral(1, m, p), 1e-8);
        // The program's x runs against the usual angle: sin(n t) turns its sign for even n.
        EXPECT_NEAR(t.A2, -2.0 / M_PI * GlauertIntegral(2, m, p), 1e-8);
        const CamberExactSeries series(m, p);
        EXPECT_NEAR(series.Coefficient(2), t.A2, 1e-12);
        for (int n = 3; n <= 7; ++n) {
            const double sign = n % 2 == 0 ? -1.0 : 1.0;
            EXPECT_NEAR(series.Coefficient(n), sign * 2.0 / M_PI * GlauertIntegral(n, m, p), 1e-8)
                << "n " << n;
        }
    }
}

TEST(CamberTheory, ResultsFollowTheThinAirfoilRelations) {
    const CamberNacaTerms t = CamberNacaLineTerms(0.03, 0.3);
    const CamberResults r0 = CamberComputeResults(CamberNacaFromAngle(t, 0.0));
    for (double deg : {-15.0, -4.0, 2.5, 9.0, 15.0}) {
        SCOPED_TRACE(deg);
        const CamberResults r = CamberComputeResults(CamberNacaFromAngle(t, deg));
        // Lift slope 2 pi per radian; the quarter-chord moment and the camber terms do not move.
        EXPECT_NEAR(r[kResultCa] - r0[kResultCa], 2.0 * M_PI * deg * M_PI / 180.0, 1e-9);
        EXPECT_NEAR(r[kResultCm025], r0[kResultCm025], 1e-12);
        EXPECT_NEAR(r[kResultZeroLift], r0[kResultZeroLift], 1e-9);
        EXPECT_NEAR(r[kResultIncidence], r0[kResultIncidence], 1e-9);
        EXPECT_NEAR(r[kResultPressurePoint], -r[kResultCm] / r[kResultCa], 1e-12);
        // Lift mode is the inverse of angle mode.
        const CamberState back = CamberNacaFromLift(t, r[kResultCa]);
        EXPECT_NEAR(back.alphaDeg, deg, 1e-9);
    }
    // No lift at the zero-lift angle.
    const CamberResults zero = CamberComputeResults(CamberNacaFromAngle(t, r0[kResultZeroLift]));
    EXPECT_NEAR(zero[kResultCa], 0.0, 1e-9);

    // Flat plate: Ca = 2 pi alpha, pressure point at a quarter of the chord.
    const CamberNacaTerms plate = CamberNacaLineTerms(0.0, 0.4);
    const CamberResults rp = CamberComputeResults(CamberNacaFromAngle(plate, 7.0));
    EXPECT_NEAR(rp[kResultCa], 2.0 * kCamberPi * 7.0 * kCamberRadPerDeg, 1e-12);
    EXPECT_NEAR(rp[kResultPressurePoint], 0.25, 1e-12);
}

TEST(CamberTheory, FlatPlateRuleKeepsEveryTermFinite) {
    for (double m : {0.0, 0.01, 0.05}) {
        const CamberNacaTerms t = CamberNacaLineTerms(m, 0.0);
        EXPECT_EQ(t.m, 0.0);
        EXPECT_EQ(t.p, 0.1);
        EXPECT_EQ(t.I, 0.0);
        EXPECT_EQ(t.A1, 0.0);
        EXPECT_EQ(t.A2, 0.0);
    }
}

TEST(CamberTheory, ExactSeriesOfTheFlatPlateIsTheThreeTermPressure) {
    const CamberExactSeries plate(0.0, 0.1);
    for (double x : {0.005, 0.1, 0.37, 0.5, 0.9, 0.995}) {
        const double A0 = 0.0873;
        EXPECT_NEAR(2.0 * plate.Value(x, A0, 0.0), CamberApproxPressure(x, A0, 0.0, 0.0), 1e-12)
            << x;
    }
    // For a cambered line the three-term pressure is the series cut after n = 2.
    const CamberNacaTerms t = CamberNacaLineTerms(0.02, 0.4);
    const double theta = std::acos(2.0 * 0.3 - 1.0);
    EXPECT_NEAR(
        CamberApproxPressure(0.3, 0.08, t.A1, t.A2),
        2.0 * (0.08 * std::tan(theta / 2) + t.A1 * std::sin(theta) + t.A2 * std::sin(2 * theta)),
        1e-12);
}

TEST(CamberTheory, ShiftedCamberLineEndsOnTheChordAtTheTrailingEdge) {
    for (double A2 : {-0.028, -0.014, 0.0, 0.02}) {
        const double z =
            CamberBirnbaumZ(1.0, 0.1, 0.08, A2, 0.087) - CamberBirnbaumTrailingEdgeShift(A2);
        EXPECT_NEAR(z, 0.0, 1e-15) << A2;
    }
}

}  // namespace
