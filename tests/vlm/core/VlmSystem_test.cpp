// The vortex-lattice system: the segment kernel, the half and the full system, the LAPACK solve
// against the LU without pivoting, and the relaxed wake's low-rank solve against a factorisation
// of the assembled matrix in every iteration.

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "tests/vlm/core/VlmTestWings.h"

namespace {

using vlm_test::BuildInteractive;
using vlm_test::DefaultInputs;
using vlm_test::SolveWithoutPivoting;

// Biot-Savart velocity of a straight segment p1 -> p2 of unit strength at p, written out on its
// own as the reference of the tests.
VlmPoint Segment(const VlmPoint& p, const VlmPoint& p1, const VlmPoint& p2) {
    const double r1[3] = {p[0] - p1[0], p[1] - p1[1], p[2] - p1[2]};
    const double r2[3] = {p[0] - p2[0], p[1] - p2[1], p[2] - p2[2]};
    const double c[3] = {r1[1] * r2[2] - r1[2] * r2[1], r1[2] * r2[0] - r1[0] * r2[2],
                         r1[0] * r2[1] - r1[1] * r2[0]};
    const double c2 = c[0] * c[0] + c[1] * c[1] + c[2] * c[2];
    const double n1 = std::sqrt(r1[0] * r1[0] + r1[1] * r1[1] + r1[2] * r1[2]);
    const double n2 = std::sqrt(r2[0] * r2[0] + r2[1] * r2[1] + r2[2] * r2[2]);
    double k = 0.0;
    for (int i = 0; i < 3; ++i) k += (p2[i] - p1[i]) * (r1[i] / n1 - r2[i] / n2);
    k /= 4 * VlmPi * c2;
    return {k * c[0], k * c[1], k * c[2]};
}

TEST(VlmSegments, VelocityAndDamping) {
    // A segment from (-L, 0, 0) to (L, 0, 0) at (0, d, 0): G/(4 pi d) * 2L/sqrt(L^2 + d^2) along
    // +z (right-hand rule).
    const double l = 2.0, d = 0.5, g = 3.0;
    VlmSegments one;
    one.Resize(1);
    one.Set(0, {-l, 0, 0}, {l, 0, 0});
    VlmSegmentWork work;
    one.UnitVelocities({0, d, 0}, work);
    const double full = 1 / (4 * VlmPi * d) * 2 * l / std::sqrt(l * l + d * d);
    EXPECT_NEAR(work.vz[0], full, 1e-15);
    EXPECT_EQ(work.vx[0], 0.0);
    EXPECT_EQ(work.vy[0], 0.0);
    const VlmPoint off = {0.3, -0.7, 1.1};
    one.UnitVelocities(off, work);
    const VlmPoint reference = Segment(off, {-l, 0, 0}, {l, 0, 0});
    EXPECT_NEAR(work.vx[0], reference[0], 1e-15);
    EXPECT_NEAR(work.vy[0], reference[1], 1e-15);
    EXPECT_NEAR(work.vz[0], reference[2], 1e-15);

    struct Case {
        double radius;
        double factor;
    };
    // Within the radius the velocity falls with (d/R)^1.4; a radius of 0 or below damps nothing.
    for (const Case c :
         {Case{2 * d, 0.378929}, Case{d / 2, 1.0}, Case{0.0, 1.0}, Case{-1.0, 1.0}}) {
        const VlmPoint damped = one.DampedSum({0, d, 0}, &g, c.radius, work);
        EXPECT_NEAR(damped[2] / (g * full), c.factor, 1e-6) << c.radius;
    }
    // On the segment's line (or within 1e-8 of it) nothing, whatever the radius.
    for (double radius : {0.0, 1e-9, 1.0, -1.0}) {
        const VlmPoint on = one.DampedSum({3, 5e-9, 0}, &g, radius, work);
        EXPECT_EQ(on[0] + on[1] + on[2], 0.0) << radius;
    }
}

TEST(VlmSegments, SumsAtTwoPointsAddEverySegmentOffThePointsLines) {
    // Segments in several directions with different strengths, more than one block of the
    // summation and a remainder; some lie on the x axis through p, one has no length.
    const VlmPoint p = {0.25, 0.0, 0.0};
    const VlmPoint q = {-0.4, 0.9, 0.35};
    VlmSegments set;
    std::vector<VlmPoint> a, b;
    std::vector<double> g;
    for (int s = 0; s < 21; ++s) {
        const double t = 0.37 * s;
        if (s % 7 == 3) {
            a.push_back({1.0 + s, 0.0, 0.0});  // on p's line
            b.push_back({2.0 + s, 0.0, 0.0});
        } else if (s == 11) {
            a.push_back({0.5, 0.5, 0.5});  // no length
            b.push_back({0.5, 0.5, 0.5});
        } else {
            a.push_back({std::cos(t), std::sin(t), 0.2 * s - 1.0});
            b.push_back({std::cos(t) + 0.3, std::sin(2 * t) - 0.5, 0.1 * s});
        }
        g.push_back(1.0 + 0.25 * s * (s % 2 == 0 ? 1 : -1));
    }
    set.Resize(a.size());
    for (size_t s = 0; s < a.size(); ++s) set.Set(s, a[s], b[s]);
    VlmPoint expectP = {0, 0, 0}, expectQ = {0, 0, 0};
    for (size_t s = 0; s < a.size(); ++s) {
        if (s == 11) continue;
        const VlmPoint vp = Segment(p, a[s], b[s]);
        const VlmPoint vq = Segment(q, a[s], b[s]);
        for (int c = 0; c < 3; ++c) {
            if (s % 7 != 3) expectP[c] += g[s] * vp[c];
            expectQ[c] += g[s] * vq[c];
        }
    }
    // The segments on p's line are left out for p only, in either argument order.
    for (const bool swapped : {false, true}) {
        VlmPoint atP, atQ;
        set.SumsAtTwoPoints(swapped ? q : p, swapped ? p : q, g.data(), atP, atQ);
        if (swapped) std::swap(atP, atQ);
        VlmSegmentWork work;
        const VlmPoint damped = set.DampedSum(q, g.data(), 0.0, work);
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(atP[c], expectP[c], 1e-13 * (1 + std::fabs(expectP[c]))) << c;
            EXPECT_NEAR(atQ[c], expectQ[c], 1e-13 * (1 + std::fabs(expectQ[c]))) << c;
            EXPECT_NEAR(atQ[c], damped[c], 1e-13 * (1 + std::fabs(expectQ[c]))) << c;
        }
    }
}

// Flat-wake solve of a built solver along one path; false when singular.
bool SolveFlat(VlmSolver& s, bool half) {
    if (half) {
        s.ComputeInfluenceSymmetric();
        s.AddWakeInfluenceSymmetric();
        s.ComputeRhsSymmetric();
        return s.SolveSymmetric();
    }
    s.ComputeInfluenceFull();
    s.AddWakeInfluenceFull();
    s.ComputeRhsFull();
    return s.SolveFull();
}

TEST(VlmSystem, HalfSystemEqualsFullSystem) {
    const VlmRunValues v = VlmInteractiveRunValues(DefaultInputs());
    const auto half = BuildInteractive(v);
    const auto full = BuildInteractive(v);
    ASSERT_TRUE(half->UsesHalfSystem());
    ASSERT_TRUE(SolveFlat(*half, true));
    EXPECT_EQ(half->rhsHalf.size(), 450u);
    ASSERT_TRUE(SolveFlat(*full, false));
    for (int e = 0; e < 900; ++e) EXPECT_NEAR(half->gamma[e], full->gamma[e], 1e-10) << e;
    half->ComputeTrailingCirculation();
    const auto& t = half->trailingGamma;
    EXPECT_NEAR(std::accumulate(t.begin(), t.end(), 0.0), 0.0, 1e-14);
    EXPECT_NEAR(t[0], std::accumulate(half->gamma.begin(), half->gamma.begin() + 30, 0.0), 1e-14);
    EXPECT_NEAR(t[30], -std::accumulate(half->gamma.end() - 30, half->gamma.end(), 0.0), 1e-14);
    for (int p = 0; p <= 30; ++p) EXPECT_NEAR(t[p], -t[30 - p], 1e-14) << p;
}

TEST(VlmSystem, LapackAgreesWithTheLuWithoutPivoting) {
    struct Case {
        double beta;
        bool half;
    };
    for (const Case c : {Case{0.0, true}, Case{7.5, false}}) {
        VlmInteractiveInputs in = DefaultInputs();
        in.beta = c.beta;
        in.alpha = 4.0;
        const auto s = BuildInteractive(VlmInteractiveRunValues(in));
        ASSERT_EQ(s->UsesHalfSystem(), c.half);
        if (c.half) {
            s->ComputeInfluenceSymmetric();
            s->AddWakeInfluenceSymmetric();
            s->ComputeRhsSymmetric();
        } else {
            s->ComputeInfluenceFull();
            s->AddWakeInfluenceFull();
            s->ComputeRhsFull();
        }
        const VlmMatrix a = c.half ? s->halfMatrix : s->fullMatrix;
        const std::vector<double> b = c.half ? s->rhsHalf : s->rhsFull;
        const std::vector<double> reference = SolveWithoutPivoting(a.values, a.n, b);
        ASSERT_TRUE(c.half ? s->SolveSymmetric() : s->SolveFull());
        for (int e = 0; e < a.n; ++e) EXPECT_NEAR(s->gamma[e], reference[e], 1e-10) << e;
    }
}

TEST(VlmSystem, FlatWingWithoutIncidenceCarriesNoCirculation) {
    const auto s =
        BuildInteractive(VlmInteractiveRunValues(vlm_test::FlatRectangle(6, 1, 0, 6, 4)));
    ASSERT_TRUE(SolveFlat(*s, true));
    for (double b : s->rhsHalf) EXPECT_EQ(b, 0.0);
    for (double g : s->gamma) EXPECT_EQ(g, 0.0);
    for (double x : s->normal.x) EXPECT_EQ(x, 0.0);
}

TEST(VlmSystem, OneEquationIsSolvedByDivision) {
    // nx 1 and ny 2: one equation in the half system, mirrored to the second strip.
    const auto s =
        BuildInteractive(VlmInteractiveRunValues(vlm_test::FlatRectangle(4, 1, 5, 1, 1)));
    s->ComputeInfluenceSymmetric();
    s->AddWakeInfluenceSymmetric();
    s->ComputeRhsSymmetric();
    const double a00 = s->halfMatrix(0, 0);
    const double b0 = s->rhsHalf[0];
    ASSERT_TRUE(s->SolveSymmetric());
    EXPECT_DOUBLE_EQ(s->gamma[0], b0 / a00);
    EXPECT_EQ(s->gamma[1], s->gamma[0]);
    EXPECT_GT(s->gamma[0], 0.0);
}

// The wake's influence as the Part sums it, strip by strip, into a copy of the wing matrix.
std::vector<double> AssembledCopy(const VlmSolver& s, bool half) {
    const VlmMatrix& wing = half ? s.halfMatrix : s.fullMatrix;
    std::vector<double> copy = wing.values;
    const int nx = s.chordwiseCount(), ny = s.spanwiseCount();
    const int nw = static_cast<int>(s.wakeElementLength.size());
    auto filament = [&](int m, int p) {
        const VlmPoint c = s.colloc.At(m);
        double sum = 0.0;
        for (int k = 0; k < nw; ++k) {
            const VlmPoint u =
                Segment(c, {s.wakeRows[k].x[p], s.wakeRows[k].y[p], s.wakeRows[k].z[p]},
                        {s.wakeRows[k + 1].x[p], s.wakeRows[k + 1].y[p], s.wakeRows[k + 1].z[p]});
            sum += u[0] * s.normal.x[m] + u[1] * s.normal.y[m] + u[2] * s.normal.z[m];
        }
        return sum;
    };
    for (int m = 0; m < wing.n; ++m) {
        for (int j = 0; j < ny; ++j) {
            const double sb = filament(m, j);
            const double sa = filament(m, j + 1);
            const int strip = (half && j >= ny / 2) ? ny - 1 - j : j;
            for (int i = 0; i < nx; ++i)
                copy[m + static_cast<size_t>(i + nx * strip) * wing.n] += sb - sa;
        }
    }
    return copy;
}

TEST(VlmSystem, RelaxedIterationsMatchAFreshFactorisation) {
    for (const bool half : {true, false}) {
        VlmInteractiveInputs in = DefaultInputs();
        in.chordwiseCount = 8;
        in.spanwiseCountPerHalf = 6;
        in.alpha = 6.0;
        in.beta = half ? 0.0 : -4.0;
        in.wakeModel = 1;
        in.iterationCount = 8;
        const auto s = BuildInteractive(VlmInteractiveRunValues(in));
        ASSERT_EQ(s->UsesHalfSystem(), half);
        if (half) {
            s->ComputeInfluenceSymmetric();
            s->ComputeRhsSymmetric();
        } else {
            s->ComputeInfluenceFull();
            s->ComputeRhsFull();
        }
        const VlmMatrix wing = half ? s->halfMatrix : s->fullMatrix;
        s->PrepareRelaxedSystem(half);
        for (int k = 1; k <= 8; ++k) {
            const std::vector<double> reference = SolveWithoutPivoting(
                AssembledCopy(*s, half), wing.n, half ? s->rhsHalf : s->rhsFull);
            ASSERT_TRUE(s->SolveRelaxedIteration(half));
            for (int e = 0; e < wing.n; ++e)
                ASSERT_NEAR(s->gamma[e], reference[e], 1e-10)
                    << "half " << half << " iteration " << k;
            s->ComputeTrailingCirculation();
            if (half) {
                s->ComputeWakeVelocitiesSymmetric();
                s->AlignWakeSymmetric();
            } else {
                s->ComputeWakeVelocitiesFull();
                s->AlignWakeFull();
            }
        }
        // The wing matrix is never factored or changed.
        EXPECT_EQ((half ? s->halfMatrix : s->fullMatrix).values, wing.values);
        // The wake has moved away from the flat one.
        EXPECT_GT(std::fabs(s->wakeRows[25].z[0] - s->wakeRows[0].z[0] -
                            std::sin(6 * VlmPi / 180) * 30.0),
                  1e-3);
    }
}

}  // namespace
