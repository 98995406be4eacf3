// Curve construction and resampling of the supersonic method.

#include "supersonic/core/SupersonicCurveBuilder.h"

#include <algorithm>
#include <cmath>

#include "supersonic/core/SupersonicProfileRecord.h"

namespace {

// The count of a routine's argument, held to what the array has.
int Clamped(int count, size_t size) { return std::clamp(count, 0, static_cast<int>(size)); }

// First segment j of the first `count` points with x(j) <= x <= x(j+1), -1 when none. Segments of
// zero width are passed over: the interpolation across them would divide by zero, and the next
// segment starts at the same x.
int FindSegment(const std::vector<SupersonicPoint>& p, int count, double x) {
    for (int j = 0; j + 1 < count; ++j) {
        if (p[j].x <= x && x <= p[j + 1].x && p[j + 1].x != p[j].x) return j;
    }
    return -1;
}

double Interpolate(const SupersonicPoint& a, const SupersonicPoint& b, double x) {
    return a.z + (b.z - a.z) / (b.x - a.x) * (x - a.x);
}

// Chord position of grid index i of count points (0 for a grid of one point).
double GridX(int i, double count) { return count > 1 ? i / (count - 1) : 0.0; }

// Support points with the end points appended when asked.
std::vector<SupersonicPoint> WithEnds(int count, const std::vector<SupersonicPoint>& support,
                                      bool withEnds) {
    std::vector<SupersonicPoint> copy(support.begin(), support.begin() + count);
    if (withEnds) {
        copy.push_back({0.0, 0.0});
        copy.push_back({1.0, 0.0});
    }
    return copy;
}

// The angle coordinate of the coefficients: pi at the leading edge, 0 at the trailing edge.
double Theta(double x) { return std::acos(std::clamp(2.0 * x - 1.0, -1.0, 1.0)); }

}  // namespace

void SupersonicCurveBuilder::SortByX(int count, std::vector<SupersonicPoint>& points) {
    count = Clamped(count, points.size());
    const std::vector<SupersonicPoint> copy(points.begin(), points.begin() + count);
    double last = -1.0;
    for (int pos = 0; pos < count; ++pos) {
        double best = 2.0;
        int pick = -1;
        for (int k = 0; k < count; ++k) {
            if (copy[k].x > last && copy[k].x < best) {
                best = copy[k].x;
                pick = k;
            }
        }
        if (pick >= 0) {
            points[pos] = copy[pick];
            last = copy[pick].x;
        } else if (pos > 0) {
            points[pos] = points[pos - 1];
        }
    }
}

void SupersonicCurveBuilder::LinearCurve(int supportCount,
                                         const std::vector<SupersonicPoint>& support,
                                         std::vector<SupersonicPoint>& target, bool withEnds) {
    constexpr int kPoints = SupersonicProfileRecord::kGridPoints;
    std::vector<SupersonicPoint> copy =
        WithEnds(Clamped(supportCount, support.size()), support, withEnds);
    const int n = static_cast<int>(copy.size());
    SortByX(n, copy);
    if (target.size() < static_cast<size_t>(kPoints)) target.resize(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        const double x = i * 0.005263157894736842;  // the double nearest to 1/190
        target[i].x = x;
        const int j = FindSegment(copy, n, x);
        if (j >= 0) target[i].z = Interpolate(copy[j], copy[j + 1], x);
    }
}

void SupersonicCurveBuilder::LagrangeCurve(int supportCount,
                                           const std::vector<SupersonicPoint>& support,
                                           int targetCount, std::vector<SupersonicPoint>& target,
                                           bool withEnds) {
    // A support point on the x of an end point or of a lower slot would make the basis divide by
    // zero; it is left out and the polynomial goes through the others.
    std::vector<SupersonicPoint> nodes;
    const int count = Clamped(supportCount, support.size());
    for (int k = 0; k < count; ++k) {
        bool repeated = withEnds && (support[k].x == 0.0 || support[k].x == 1.0);
        for (int l = 0; l < k && !repeated; ++l) repeated = support[l].x == support[k].x;
        if (!repeated) nodes.push_back(support[k]);
    }
    if (withEnds) {
        nodes.push_back({0.0, 0.0});
        nodes.push_back({1.0, 0.0});
    }
    const int n = static_cast<int>(nodes.size());
    targetCount = Clamped(targetCount, target.size());
    for (int i = 0; i < targetCount; ++i) {
        const double x = GridX(i, targetCount);
        double z = 0.0;
        for (int k = 0; k < n; ++k) {
            double basis = 1.0;
            for (int l = 0; l < n; ++l) {
                if (l != k) basis *= (x - nodes[l].x) / (nodes[k].x - nodes[l].x);
            }
            z += nodes[k].z * basis;
        }
        target[i] = {x, z};
    }
}

void SupersonicCurveBuilder::CurvatureSpline(int supportCount,
                                             const std::vector<SupersonicPoint>& support,
                                             double endCurvature0, double endCurvature1,
                                             double targetCount,
                                             std::vector<SupersonicPoint>& target, bool withEnds) {
    const int last = static_cast<int>(std::min(targetCount, static_cast<double>(target.size())));
    if (supportCount <= 0) {
        for (int j = 0; j < last; ++j) target[j] = {GridX(j, targetCount), 0.0};
        return;
    }
    std::vector<SupersonicPoint> sorted =
        WithEnds(std::min(Clamped(supportCount, support.size()), 5), support, withEnds);
    SortByX(static_cast<int>(sorted.size()), sorted);
    // Equal x collapse in the sort into repeated points; each x enters the spline once.
    std::vector<SupersonicPoint> knots;
    for (const SupersonicPoint& p : sorted) {
        if (knots.empty() || p.x != knots.back().x) knots.push_back(p);
    }
    const int m = static_cast<int>(knots.size());
    std::vector<double> a(m), b(m), c(m, 0.0), d(m), h(m, 0.0);
    for (int i = 0; i < m; ++i) a[i] = knots[i].z;
    for (int i = 0; i + 1 < m; ++i) h[i] = knots[i + 1].x - knots[i].x;

    const int n = m - 2;
    if (n >= 1) {
        GaussMatrix system{};
        for (int i = 1; i <= m - 2; ++i) {
            auto& row = system[i - 1];
            row[i - 1] = 2.0 * (knots[i + 1].x - knots[i - 1].x);
            if (i > 1) row[i - 2] = h[i - 1];
            if (i < m - 2) row[i] = h[i];
            row[n] = 3.0 * ((a[i + 1] - a[i]) / h[i] - (a[i] - a[i - 1]) / h[i - 1]);
        }
        // On failure the interior curvatures stay 0.
        GaussSolve(system, n, c.data() + 1);
    }
    if (m >= 1) {
        c[0] = endCurvature0;
        c[m - 1] = endCurvature1;
    }
    for (int i = 0; i + 1 < m; ++i) {
        d[i] = (c[i + 1] - c[i]) / (3.0 * h[i]);
        b[i] = (a[i + 1] - a[i]) / h[i] - h[i] * (c[i + 1] - c[i]) / 3.0 - h[i] * c[i];
    }
    for (int j = 0; j < last; ++j) {
        const double x = GridX(j, targetCount);
        const int i = FindSegment(knots, m, x);
        if (i < 0) {
            target[j] = {0.0, 0.0};
            continue;
        }
        const double t = x - knots[i].x;
        target[j] = {x, a[i] + b[i] * t + c[i] * t * t + d[i] * t * t * t};
    }
}

bool SupersonicCurveBuilder::GaussSolve(GaussMatrix& A, int n, double* solution) {
    if (n < 1 || n > 7) return n == 0;
    for (int i = 0; i <= std::max(n - 2, 0); ++i) {
        int pivot = i;
        for (int r = i + 1; r < n; ++r) {
            if (std::fabs(A[r][i]) > std::fabs(A[pivot][i])) pivot = r;
        }
        if (std::fabs(A[pivot][i]) < 0.001) return false;
        for (int j = i; j <= n; ++j) std::swap(A[i][j], A[pivot][j]);
        for (int k = i + 1; k < n; ++k) {
            const double f = -A[k][i] / A[i][i];
            A[k][i] = 0.0;
            for (int j = i + 1; j <= n; ++j) A[k][j] += f * A[i][j];
        }
    }
    solution[n - 1] = A[n - 1][n] / A[n - 1][n - 1];
    for (int r = n - 2; r >= 0; --r) {
        for (int j = n - 1; j >= r + 1; --j) A[r][n] -= solution[j] * A[r][j];
        solution[r] = A[r][n] / A[r][r];
    }
    return true;
}

void SupersonicCurveBuilder::BirnbaumCoefficients(SupersonicCurve& camber, double alphaDegrees) {
    const int n = Clamped(camber.pointCount, camber.points.size());
    const int M = Clamped(camber.capacity, camber.coefficients.size());
    std::fill(camber.coefficients.begin(), camber.coefficients.begin() + M, 0.0);
    if (n < 2 || M < 1) return;
    const double step = 1.0 / (n - 1);
    const auto& z = camber.points;
    double sum0 = 0.0;
    std::vector<double> sums(M, 0.0);
    for (int k = 0; k + 1 < n; ++k) {
        const double x = static_cast<double>(k) / (n - 1);
        const double slope = (z[k + 1].z - z[k].z) * (n - 1);
        const double theta0 = Theta(x);
        const double theta1 = Theta(x + step);
        sum0 += slope * (theta1 - theta0);
        for (int m = 1; m < M; ++m) {
            sums[m] += slope * (std::sin(m * theta1) - std::sin(m * theta0));
        }
    }
    camber.coefficients[0] = alphaDegrees * kDegToRad + 0.3183098861837697 * sum0;
    for (int m = 1; m < M; ++m) {
        camber.coefficients[m] = 0.6366197723675394 * (1.0 / m) * sums[m];
    }
}

void SupersonicCurveBuilder::BirnbaumCamber(SupersonicCurve& camber, double& alphaDegrees) {
    const int n = Clamped(camber.pointCount, camber.points.size());
    const int M = Clamped(camber.capacity, camber.coefficients.size());
    const std::vector<double>& A = camber.coefficients;
    if (n >= 1) camber.points[0] = {0.0, 0.0};
    if (n >= 2 && M >= 1) {
        const double h = 1.0 / (n - 1);
        const double alphaRad = alphaDegrees * kDegToRad;
        auto& p = camber.points;
        for (int i = 0; i + 1 < n; ++i) {
            const double x = static_cast<double>(i) / (n - 1);
            const double theta = Theta(x);
            double slope = alphaRad - A[0];
            for (int m = 1; m < M; ++m) slope -= A[m] * std::cos(m * theta);
            p[i + 1] = {x + h, p[i].z + h * slope};
        }
        const double zTrailing = p[n - 1].z;
        for (int j = 0; j < n; ++j) p[j].z -= zTrailing * j / (n - 1);
    }
    const double a0 = M >= 1 ? A[0] : 0.0;
    const double a2 = M >= 3 ? A[2] : 0.0;
    alphaDegrees = (a0 - a2 / 3.0) * kRadToDeg;
}

void SupersonicCurveBuilder::ResampleCurve(const std::vector<SupersonicPoint>& source,
                                           int sourceCount, std::vector<SupersonicPoint>& target,
                                           int targetCount) {
    sourceCount = Clamped(sourceCount, source.size());
    targetCount = Clamped(targetCount, target.size());
    // Both theories assume the uniform grid: a source is copied only when it already lies on it.
    bool onGrid = sourceCount == targetCount;
    for (int i = 0; onGrid && i < sourceCount; ++i) {
        onGrid = std::fabs(source[i].x - GridX(i, targetCount)) <= 1e-7;
    }
    if (onGrid) {
        std::copy(source.begin(), source.begin() + sourceCount, target.begin());
        return;
    }
    const double spacing = targetCount > 1 ? 1.0 / (targetCount - 1) : 0.0;
    for (int i = 0; i < targetCount; ++i) {
        const double x = i * spacing;
        target[i].x = x;
        const int j = FindSegment(source, sourceCount, x);
        if (j >= 0) target[i].z = Interpolate(source[j], source[j + 1], x);
    }
}

void SupersonicCurveBuilder::Build(SupersonicCurve& curve, double& alphaDegrees) {
    if (curve.coefficientMode) {
        BirnbaumCamber(curve, alphaDegrees);
    } else if (!curve.curved) {
        // The straight-line rule always gives the grid's 191 points.
        LinearCurve(curve.supportCount, curve.supportPoints, curve.points, true);
        curve.pointCount = SupersonicProfileRecord::kGridPoints;
    } else if (curve.lagrange) {
        LagrangeCurve(curve.supportCount, curve.supportPoints, curve.pointCount, curve.points,
                      true);
        BirnbaumCoefficients(curve, alphaDegrees);
    } else {
        CurvatureSpline(curve.supportCount, curve.supportPoints, curve.endCurvature0,
                        curve.endCurvature1, curve.pointCount, curve.points, true);
    }
}
