#include "camber/core/CamberThreePoints.h"

#include <algorithm>
#include <cmath>

#include "camber/core/CamberTheory.h"

namespace {

using Row = std::array<double, 3>;
using Matrix = std::array<Row, 3>;

// Rule of Sarrus.
double Determinant(const Matrix& a) {
    return a[0][0] * a[1][1] * a[2][2] + a[0][1] * a[1][2] * a[2][0] + a[0][2] * a[1][0] * a[2][1] -
           a[0][2] * a[1][1] * a[2][0] - a[0][0] * a[1][2] * a[2][1] - a[0][1] * a[1][0] * a[2][2];
}

// Cramer's rule for M s = rhs.
Row SolveCramer(const Matrix& m, const Row& rhs) {
    const double d = Determinant(m);
    Row s{};
    for (int column = 0; column < 3; ++column) {
        Matrix replaced = m;
        for (int row = 0; row < 3; ++row) replaced[row][column] = rhs[row];
        s[column] = Determinant(replaced) / d;
    }
    return s;
}

Row Values(const CamberPointSet& points) { return {points[0].v, points[1].v, points[2].v}; }

// The point may take x only if no other point keeps (nearly) the same column.
bool KeepsItsOwnColumn(const CamberPointSet& points, int k, double x) {
    for (int j = 0; j < 3; ++j) {
        if (j != k && std::fabs(points[j].x - x) < kCamberMinPointGap) return false;
    }
    return true;
}

// First point whose column lies within 10 pixels (0.05) of x, -1 when there is none.
int CandidateNear(const CamberPointSet& points, double x) {
    for (int k = 0; k < 3; ++k) {
        if (points[k].x - 0.05 <= x && x <= points[k].x + 0.05) return k;
    }
    return -1;
}

// The values of a point's drag: within the plot's range [lo, hi], and for the press that picks
// it at most `less` less and `more` more than the point's own value.
struct ValueBand {
    double lo;
    double hi;
    double less;
    double more;
};

// The first point near x if v lies in its band; the others are not tried.
int PickCandidate(const CamberPointSet& points, double x, double v, const ValueBand& band) {
    const int k = CandidateNear(points, x);
    if (k < 0) return -1;
    const CamberPoint& point = points[k];
    if (v < band.lo || v > band.hi) return -1;
    if (v < point.v - band.less || v > point.v + band.more) return -1;
    return k;
}

// Moves point k to (x, v) if no other point keeps that column. A value beyond the plot's range
// stops at its edge: refusing the step would leave the point short of the edge by as much as the
// toolkit merged of the motion.
bool MoveWithin(CamberPointSet& points, int k, double x, double v, const ValueBand& band) {
    if (k < 0 || k > 2) return false;
    if (std::isnan(v)) return false;
    v = std::min(std::max(v, band.lo), band.hi);
    if (!KeepsItsOwnColumn(points, k, x)) return false;
    points[k] = {x, v};
    return true;
}

// Within the plot's height and 6 pixels of the point.
constexpr ValueBand kLineBand{-0.04, 0.1, 0.006, 0.006};
// From 4 pixels above to 8 pixels below the point (cp grows downwards), within the plot's range.
constexpr ValueBand kPressureBand{-2.5, 1.0, 0.1, 0.2};

// The chord range of each task: 0 < x < 1 keeps the square roots of the pressure model finite.
bool OnLineChord(double x) { return x >= 0.0 && x <= 1.0; }
bool OnPressureChord(double x) { return x > 0.0 && x < 1.0; }

}  // namespace

CamberLineSolution CamberSolveLinePoints(const CamberPointSet& points) {
    Matrix m{};
    for (int k = 0; k < 3; ++k) {
        const double x = points[k].x;
        m[k] = {1.0 - x, x * (1.0 - x), -x * (1.0 - 4.0 * x + (8.0 / 3.0) * x * x)};
    }
    const Row s = SolveCramer(m, Values(points));
    return {s[0], s[1], s[2]};
}

CamberPressureSolution CamberSolvePressurePoints(const CamberPointSet& points) {
    Matrix m{};
    for (int k = 0; k < 3; ++k) {
        const double x = points[k].x;
        const double root = std::sqrt(x * (1.0 - x));
        m[k] = {-2.0 * std::sqrt((1.0 - x) / x), -4.0 * root, -8.0 * root * (2.0 * x - 1.0)};
    }
    const Row s = SolveCramer(m, Values(points));
    return {s[0], s[1], s[2]};
}

double CamberUpperPressure(double x, double A0, double A1, double A2) {
    return -CamberApproxPressure(x, A0, A1, A2);
}

int CamberPickLinePoint(const CamberPointSet& points, double x, double z) {
    return OnLineChord(x) ? PickCandidate(points, x, z, kLineBand) : -1;
}

bool CamberMoveLinePoint(CamberPointSet& points, int k, double x, double z) {
    return OnLineChord(x) && MoveWithin(points, k, x, z, kLineBand);
}

int CamberPickPressurePoint(const CamberPointSet& points, double x, double p) {
    return OnPressureChord(x) ? PickCandidate(points, x, p, kPressureBand) : -1;
}

bool CamberMovePressurePoint(CamberPointSet& points, int k, double x, double p) {
    return OnPressureChord(x) && MoveWithin(points, k, x, p, kPressureBand);
}
