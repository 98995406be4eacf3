// Curve construction of the supersonic method: sorting, straight lines, the Lagrange polynomial,
// the curvature spline with its solver, the Birnbaum coefficients and the resampling onto the
// chord grid.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "supersonic/core/SupersonicSolver.h"

namespace {

using Points = std::vector<SupersonicPoint>;
using S = SupersonicSolver;

constexpr int kGrid = 191;

// Textbook natural cubic spline (tridiagonal system solved by the Thomas algorithm), evaluated
// at x; knots sorted and distinct.
double NaturalSpline(const Points& k, double x) {
    const int n = static_cast<int>(k.size()) - 1;
    std::vector<double> h(n), alpha(n + 1, 0.0), l(n + 1, 1.0), mu(n + 1, 0.0), zz(n + 1, 0.0);
    std::vector<double> c(n + 1, 0.0), b(n), d(n);
    for (int i = 0; i < n; ++i) h[i] = k[i + 1].x - k[i].x;
    for (int i = 1; i < n; ++i) {
        alpha[i] = 3.0 / h[i] * (k[i + 1].z - k[i].z) - 3.0 / h[i - 1] * (k[i].z - k[i - 1].z);
        l[i] = 2.0 * (k[i + 1].x - k[i - 1].x) - h[i - 1] * mu[i - 1];
        mu[i] = h[i] / l[i];
        zz[i] = (alpha[i] - h[i - 1] * zz[i - 1]) / l[i];
    }
    for (int j = n - 1; j >= 0; --j) {
        c[j] = zz[j] - mu[j] * c[j + 1];
        b[j] = (k[j + 1].z - k[j].z) / h[j] - h[j] * (c[j + 1] + 2.0 * c[j]) / 3.0;
        d[j] = (c[j + 1] - c[j]) / (3.0 * h[j]);
    }
    int i = 0;
    while (i < n - 1 && x > k[i + 1].x) ++i;
    const double t = x - k[i].x;
    return k[i].z + b[i] * t + c[i] * t * t + d[i] * t * t * t;
}

TEST(SupersonicSortByX, OrdersAndCollapsesEqualX) {
    struct Case {
        const char* name;
        Points in;
        Points out;
    };
    const std::vector<Case> cases = {
        {"ascending already", {{0.1, 1}, {0.5, 2}, {0.9, 3}}, {{0.1, 1}, {0.5, 2}, {0.9, 3}}},
        {"reversed", {{0.9, 3}, {0.5, 2}, {0.1, 1}}, {{0.1, 1}, {0.5, 2}, {0.9, 3}}},
        // Equal x: the first one wins, and the last slot repeats the point placed before it.
        {"equal x", {{0.5, 7}, {0.2, 1}, {0.5, 8}}, {{0.2, 1}, {0.5, 7}, {0.5, 7}}},
        // x outside (-1, 2) cannot be placed: the slot repeats its neighbour.
        {"outside", {{2.5, 9}, {0.3, 1}, {0.6, 2}}, {{0.3, 1}, {0.6, 2}, {0.6, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Points p = c.in;
        S::SortByX(static_cast<int>(p.size()), p);
        for (size_t i = 0; i < p.size(); ++i) {
            EXPECT_EQ(p[i].x, c.out[i].x) << i;
            EXPECT_EQ(p[i].z, c.out[i].z) << i;
        }
    }
}

TEST(SupersonicLinearCurve, TriangleThroughOnePointOn191Points) {
    const Points support = {{0.5, 0.04}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}};
    Points target(kGrid);
    S::LinearCurve(1, support, target, true);
    for (int i = 0; i < kGrid; ++i) {
        const double x = i / 190.0;
        EXPECT_NEAR(target[i].x, x, 1e-15);
        EXPECT_NEAR(target[i].z, x <= 0.5 ? 0.08 * x : 0.08 * (1 - x), 1e-15) << i;
    }
}

TEST(SupersonicLagrangeCurve, ParabolaThroughOnePoint) {
    for (const SupersonicPoint p : {SupersonicPoint{0.5, 0.02}, SupersonicPoint{0.3, -0.05}}) {
        Points target(kGrid);
        S::LagrangeCurve(1, {p}, kGrid, target, true);
        for (int i = 0; i < kGrid; ++i) {
            const double x = i / 190.0;
            EXPECT_EQ(target[i].x, x);
            EXPECT_NEAR(target[i].z, p.z * x * (1 - x) / (p.x * (1 - p.x)), 1e-15) << i;
        }
    }
}

TEST(SupersonicCurvatureSpline, NaturalSplineAndEndValuesOnlyBendTheEndSegments) {
    const Points support = {{0.7, 0.03}, {0.2, 0.05}, {0.45, 0.06}, {0.9, 0.01}};
    Points knots = {{0, 0}, {0.2, 0.05}, {0.45, 0.06}, {0.7, 0.03}, {0.9, 0.01}, {1, 0}};
    Points natural(kGrid);
    S::CurvatureSpline(4, support, 0.0, 0.0, kGrid, natural, true);
    for (int i = 0; i < kGrid; ++i) {
        EXPECT_EQ(natural[i].x, i / 190.0);
        EXPECT_NEAR(natural[i].z, NaturalSpline(knots, natural[i].x), 1e-12) << i;
    }
    Points bent(kGrid);
    S::CurvatureSpline(4, support, -2.0, 1.5, kGrid, bent, true);
    for (int i = 0; i < kGrid; ++i) {
        const double x = i / 190.0;
        if (x > 0.2 && x < 0.9) {
            EXPECT_EQ(bent[i].z, natural[i].z) << i;
        } else if (x > 0.0 && x < 1.0 && x != 0.2 && x != 0.9) {
            EXPECT_NE(bent[i].z, natural[i].z) << i;
        }
    }
    // The end value is half the second derivative at the leading edge.
    const double h = 1.0 / 190.0;
    EXPECT_NEAR((bent[2].z - 2 * bent[1].z + bent[0].z) / (h * h), 2 * -2.0, 0.3);
}

TEST(SupersonicCurvatureSpline, NoSupportPointsGiveTheChordLine) {
    for (bool withEnds : {true, false}) {
        Points target(kGrid, {5.0, 5.0});
        S::CurvatureSpline(0, Points(6), -2.0, 1.0, kGrid, target, withEnds);
        for (int i = 0; i < kGrid; ++i) {
            EXPECT_EQ(target[i].x, i / 190.0);
            EXPECT_EQ(target[i].z, 0.0);
        }
    }
}

TEST(SupersonicGaussSolve, PivotsAndSmallPivotFailure) {
    struct Case {
        const char* name;
        int n;
        std::vector<std::vector<double>> rows;
        bool ok;
        std::vector<double> x;
    };
    const std::vector<Case> cases = {
        {"1x1", 1, {{4.0, 2.0}}, true, {0.5}},
        {"1x1 small pivot", 1, {{0.0009, 2.0}}, false, {0.0}},
        // The first column needs a row swap.
        {"3x3 pivoting", 3, {{0, 2, 1, 7}, {1, 1, 1, 6}, {2, 1, -1, 1}}, true, {1, 2, 3}},
        {"2x2 small first pivot", 2, {{0.0005, 1, 1}, {0.0002, 1, 2}}, false, {0, 0}},
        // Only the first pivot is tested: a singular 2x2 system passes and divides by zero.
        {"2x2 last pivot untested", 2, {{1, 1, 1}, {1, 1, 1}}, true, {NAN, NAN}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        S::GaussMatrix m{};
        for (int r = 0; r < c.n; ++r) {
            for (int j = 0; j <= c.n; ++j) m[r][j] = c.rows[r][j];
        }
        std::vector<double> x(c.n, 0.0);
        EXPECT_EQ(S::GaussSolve(m, c.n, x.data()), c.ok);
        for (int r = 0; r < c.n; ++r) {
            if (std::isnan(c.x[r])) {
                EXPECT_FALSE(std::isfinite(x[r]));
            } else {
                EXPECT_NEAR(x[r], c.x[r], 1e-14);
            }
        }
    }
}

// A camber part as the parts window builds it: Lagrange through the support points.
SupersonicCurve LagrangeCamber(const Points& support) {
    SupersonicCurve c(6, kGrid, true, true);
    for (size_t i = 0; i < support.size(); ++i) c.supportPoints[i] = support[i];
    c.supportCount = static_cast<int>(support.size());
    return c;
}

TEST(SupersonicBirnbaum, ParabolaHasA0AlphaAndA1FourF) {
    for (double f : {0.02, 0.05, -0.01}) {
        for (double alpha : {3.0, 0.0, -7.5}) {
            SCOPED_TRACE(testing::Message() << "f " << f << " alpha " << alpha);
            SupersonicCurve c = LagrangeCamber({{0.5, f}});
            double a = alpha;
            SupersonicCurveBuilder::Build(c, a);
            EXPECT_EQ(a, alpha);
            EXPECT_NEAR(c.coefficients[0], alpha * 3.14159265358979323846 / 180.0, 1e-12);
            EXPECT_NEAR(c.coefficients[1], 4 * f, 1e-4);
            for (int m = 2; m < 6; ++m) EXPECT_NEAR(c.coefficients[m], 0.0, 1e-4) << m;
        }
    }
}

TEST(SupersonicBirnbaum, CamberFromCoefficients) {
    struct Case {
        const char* name;
        std::vector<double> a;
        double alphaDeg;
    };
    const double rad = 57.29577951307855;
    const std::vector<Case> cases = {
        {"all zero: chord line", {0, 0, 0, 0, 0, 0}, 0.0},
        {"A1 alone: parabola", {0, 0.08, 0, 0, 0, 0}, 0.0},
        {"A0 and A2", {0.05, 0, 0.03, 0, 0, 0}, 0.04 * rad},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SupersonicCurve camber(6, kGrid, true, true);
        camber.coefficients = c.a;
        camber.coefficientMode = true;
        double alpha = 12.0;
        SupersonicCurveBuilder::Build(camber, alpha);
        EXPECT_NEAR(alpha, c.alphaDeg, 1e-12);
        EXPECT_EQ(camber.points[0].z, 0.0);
        EXPECT_NEAR(camber.points[190].z, 0.0, 1e-15);
        if (c.a[2] == 0.0) {
            for (int i = 0; i < kGrid; ++i) {
                const double x = i / 190.0;
                EXPECT_NEAR(camber.points[i].x, x, 1e-15);
                EXPECT_NEAR(camber.points[i].z, c.a[1] * x * (1 - x), 1e-12) << i;
            }
        }
    }
}

TEST(SupersonicCoincidingX, NoRuleDividesByZero) {
    // Support points dragged onto x = 0, onto x = 1 or onto each other.
    const std::vector<Points> supports = {
        {{0.0, 0.02}, {0.5, 0.04}},
        {{1.0, 0.03}, {0.5, 0.04}},
        {{0.4, 0.02}, {0.4, 0.05}, {0.7, 0.01}},
        {{0.0, 0.0}, {1.0, 0.0}, {0.0, 0.01}, {1.0, 0.01}},
    };
    for (const Points& support : supports) {
        SCOPED_TRACE(support.size());
        const int n = static_cast<int>(support.size());
        Points line(kGrid), lagrange(kGrid), spline(kGrid);
        S::LinearCurve(n, support, line, true);
        S::LagrangeCurve(n, support, kGrid, lagrange, true);
        S::CurvatureSpline(n, support, -2.0, 1.0, kGrid, spline, true);
        for (const Points* p : {&line, &lagrange, &spline}) {
            for (int i = 0; i < kGrid; ++i) {
                ASSERT_TRUE(std::isfinite((*p)[i].z)) << i;
                EXPECT_NEAR((*p)[i].x, i / 190.0, 1e-15);
            }
        }
    }
    // A point dropped from the polynomial: the curve is the one through the others.
    Points withDouble(kGrid), single(kGrid);
    S::LagrangeCurve(3, {{0.4, 0.02}, {0.4, 0.05}, {0.7, 0.01}}, kGrid, withDouble, true);
    S::LagrangeCurve(2, {{0.4, 0.02}, {0.7, 0.01}}, kGrid, single, true);
    for (int i = 0; i < kGrid; ++i) EXPECT_EQ(withDouble[i].z, single[i].z);
}

TEST(SupersonicResampleCurve, CopiesTheGridAndInterpolatesAnythingElse) {
    // A curve on the grid (as every built part is) is copied unchanged.
    Points grid(kGrid), target(kGrid);
    for (int i = 0; i < kGrid; ++i) grid[i] = {i * 0.005263157894736842, std::sin(i * 0.1)};
    S::ResampleCurve(grid, kGrid, target, kGrid);
    for (int i = 0; i < kGrid; ++i) {
        EXPECT_EQ(target[i].x, grid[i].x);
        EXPECT_EQ(target[i].z, grid[i].z);
    }
    // Uneven spacing with the grid's point count: interpolated, not copied.
    Points uneven(kGrid);
    for (int i = 0; i < kGrid; ++i) {
        const double x = std::pow(i / 190.0, 2.0);
        uneven[i] = {x, 2.0 * x + 1.0};
    }
    S::ResampleCurve(uneven, kGrid, target, kGrid);
    for (int i = 0; i < kGrid; ++i) {
        EXPECT_NEAR(target[i].x, i / 190.0, 1e-15);
        EXPECT_NEAR(target[i].z, 2.0 * i / 190.0 + 1.0, 1e-12) << i;
    }
    // Five points on part of the chord: grid points outside keep their z; a zero-width step
    // divides nothing.
    const Points five = {{0.2, 1.0}, {0.4, 2.0}, {0.4, 3.0}, {0.6, 3.0}, {0.8, 1.0}};
    Points kept(kGrid, {0.0, -9.0});
    S::ResampleCurve(five, 5, kept, kGrid);
    for (int i = 0; i < kGrid; ++i) {
        const double x = i / 190.0;
        SCOPED_TRACE(i);
        EXPECT_NEAR(kept[i].x, x, 1e-15);
        if (x < 0.2 - 1e-12 || x > 0.8 + 1e-12) {
            EXPECT_EQ(kept[i].z, -9.0);
        } else if (x > 0.2 + 1e-12 && x < 0.4 - 1e-12) {
            EXPECT_NEAR(kept[i].z, 1.0 + (x - 0.2) * 5.0, 1e-12);
        } else if (x >= 0.4 + 1e-12 && x <= 0.6) {
            EXPECT_NEAR(kept[i].z, 3.0, 1e-12);
        }
        EXPECT_TRUE(std::isfinite(kept[i].z));
    }
}

}  // namespace
