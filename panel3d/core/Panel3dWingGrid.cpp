#include "panel3d/core/Panel3dWingGrid.h"

#include <cmath>

namespace {

const double kPi = std::acos(-1.0);

double Radians(double degrees) { return kPi * degrees / 180.0; }

// Local chord, leading-edge x and spanwise fraction of a station of the right half wing.
struct Station {
    double eta;
    double chord;
    double leadingEdgeX;
};

Station AtStation(const Panel3dWingShape& shape, double y) {
    const double eta = y / shape.halfSpan;
    return {eta, shape.rootChord - (shape.rootChord - shape.tipChord) * eta,
            y * std::tan(Radians(shape.leadingEdgeSweep))};
}

}  // namespace

double Panel3dTipLeadingEdgeX(const Panel3dWingShape& shape) {
    return shape.halfSpan * std::tan(Radians(shape.quarterChordSweep)) +
           (shape.rootChord - shape.tipChord) / 4.0;
}

double Panel3dNacaCamber(const Panel3dWingShape& shape, double x, double y) {
    const Station st = AtStation(shape, y);
    const double m = 0.01 * (shape.rootCamber + (shape.tipCamber - shape.rootCamber) * st.eta);
    // Without camber the position is irrelevant and may even be 0 or 100 per cent.
    if (m == 0.0) {
        return 0.0;
    }
    const double rootMaxX = 0.01 * shape.rootCamberPosition * shape.rootChord;
    const double tipMaxX =
        Panel3dTipLeadingEdgeX(shape) + 0.01 * shape.tipCamberPosition * shape.tipChord;
    const double maxX = rootMaxX + (tipMaxX - rootMaxX) * st.eta;
    const double p = (maxX - st.leadingEdgeX) / st.chord;
    const double xi = (x - st.leadingEdgeX) / st.chord;
    if (x <= maxX) {
        return st.chord * m / (p * p) * (2.0 * p * xi - xi * xi);
    }
    const double q = 1.0 - p;
    return st.chord * m / (q * q) * ((1.0 - 2.0 * p) + 2.0 * p * xi - xi * xi);
}

double Panel3dNacaThickness(const Panel3dWingShape& shape, double x, double y) {
    const Station st = AtStation(shape, y);
    const double t =
        0.01 * (shape.rootThickness + (shape.tipThickness - shape.rootThickness) * st.eta);
    const double xi = (x - st.leadingEdgeX) / st.chord;
    const double xi2 = xi * xi;
    return 5.0 * t * st.chord *
           (0.2969 * std::sqrt(std::fabs(xi)) - 0.1281 * xi - 0.3516 * xi2 + 0.2843 * xi2 * xi -
            0.1015 * xi2 * xi2);
}

double Panel3dSpanwiseArc(double spanwiseGrading) {
    return std::asin(1.0 / spanwiseGrading - 1.0) + kPi / 2.0;
}

std::vector<double> Panel3dZoneStations(double y0, double length, double spanwiseGrading, int n) {
    std::vector<double> y(static_cast<std::size_t>(n) + 1);
    const double step = Panel3dSpanwiseArc(spanwiseGrading) / n;
    const double gl = spanwiseGrading * length;
    y[0] = y0;
    for (int k = 1; k <= n; ++k) {
        y[k] = y0 - gl + gl * std::cos(k * step);
    }
    return y;
}

std::vector<double> Panel3dChordFractions(double chordwiseGrading, int n) {
    std::vector<double> xi(static_cast<std::size_t>(n) + 1);
    const double arc = kPi - std::acos(1.0 / chordwiseGrading - 1.0);
    for (int j = 0; j <= n; ++j) {
        xi[j] = chordwiseGrading * (1.0 - std::cos(j * arc / n));
    }
    return xi;
}

Panel3dFlapZones Panel3dFlapStripCounts(int spanPanels, double flapEndA, double flapEndB) {
    const double inner = std::fmin(flapEndA, flapEndB);
    const double outer = std::fmax(flapEndA, flapEndB);
    const int m = spanPanels;
    Panel3dFlapZones zones;
    // The 0.8 leaves the remainder to the flap, which is thus the finest zone.
    zones.root = static_cast<int>(0.8 * std::floor(m * inner));
    zones.flap = static_cast<int>(std::floor(m * (outer - inner)));
    zones.tip = static_cast<int>(0.8 * std::floor(m * (1.0 - outer)));
    if (inner > 0.0 && zones.root == 0) {
        zones.root = 1;
    }
    if (outer < 1.0 && zones.tip == 0) {
        zones.tip = 1;
    }
    if (zones.root + zones.flap + zones.tip != m) {
        zones.flap = m - zones.root - zones.tip;
    }
    return zones;
}

int Panel3dFlapPanelCount(int chordPanels, double hingePosition) {
    int nf = static_cast<int>(std::ceil(1.5 * chordPanels * (1.0 - hingePosition)));
    if (nf < chordPanels / 3) {
        nf = chordPanels / 3;
    }
    // A hinge ahead of about a third of the chord would ask for more flap panels than a side has.
    if (nf > chordPanels - 1) {
        nf = chordPanels - 1;
    }
    if (nf < 1) {
        nf = 1;
    }
    return nf;
}

std::vector<double> Panel3dFlapChordFractions(double chordwiseGrading, int chordPanels,
                                              int flapPanels, double hingePosition) {
    const double arc = kPi - std::acos(1.0 / chordwiseGrading - 1.0);
    const int front = chordPanels - flapPanels;
    std::vector<double> xi(static_cast<std::size_t>(chordPanels) + 1);
    for (int j = 0; j < front; ++j) {
        xi[j] = hingePosition * chordwiseGrading * (1.0 - std::cos(j * arc / front));
    }
    for (int k = 0; k <= flapPanels; ++k) {
        xi[front + k] = hingePosition + (1.0 - hingePosition) * chordwiseGrading *
                                            (1.0 - std::cos(k * arc / flapPanels));
    }
    return xi;
}

Panel3dAxisRotation::Panel3dAxisRotation(const Panel3dVector& origin, const Panel3dVector& a,
                                         double angle)
    : origin_(origin) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double v = 1.0 - c;
    r_[0][0] = a.x * a.x * v + c;
    r_[0][1] = a.x * a.y * v - a.z * s;
    r_[0][2] = a.x * a.z * v + a.y * s;
    r_[1][0] = a.x * a.y * v + a.z * s;
    r_[1][1] = a.y * a.y * v + c;
    r_[1][2] = a.y * a.z * v - a.x * s;
    r_[2][0] = a.x * a.z * v - a.y * s;
    r_[2][1] = a.y * a.z * v + a.x * s;
    r_[2][2] = a.z * a.z * v + c;
}

Panel3dVector Panel3dAxisRotation::Apply(const Panel3dVector& p) const {
    const Panel3dVector d = p - origin_;
    return {origin_.x + r_[0][0] * d.x + r_[0][1] * d.y + r_[0][2] * d.z,
            origin_.y + r_[1][0] * d.x + r_[1][1] * d.y + r_[1][2] * d.z,
            origin_.z + r_[2][0] * d.x + r_[2][1] * d.y + r_[2][2] * d.z};
}

Panel3dVector Panel3dBezierPoint(const std::vector<Panel3dVector>& controls, double t) {
    const int n = static_cast<int>(controls.size()) - 1;
    // Row n of Pascal's triangle: integer sums, exact while they stay below 2^53; the curves of
    // the flap grid have a handful of control points.
    std::vector<double> binom(static_cast<std::size_t>(n) + 1, 0.0);
    binom[0] = 1.0;
    for (int row = 1; row <= n; ++row) {
        for (int r = row; r > 0; --r) binom[r] += binom[r - 1];
    }
    Panel3dVector b;
    for (int r = 0; r <= n; ++r) {
        b = b + (binom[r] * std::pow(t, r) * std::pow(1.0 - t, n - r)) * controls[r];
    }
    return b;
}
