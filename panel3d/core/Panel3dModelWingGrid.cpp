// The grid of an interactive wing: sections, planform, twist and dihedral on the right half,
// its mirror, and the deflected flaps.

#include <algorithm>
#include <cmath>
#include <vector>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dWingGrid.h"

namespace {

// False for NaN, so every check below also refuses values that are not numbers.
bool Within(double v, double lo, double hi) { return v >= lo && v <= hi; }

// The gradings are computed from the slider and the sweep; allow their rounding.
constexpr double kGradingSlack = 1e-9;

bool DeflectionSet(const Panel3dModel& m) {
    return m.rightFlapDeflection != 0.0 || m.leftFlapDeflection != 0.0;
}

// The values the geometry window's checks pass, the gradings the slider and the sweep give, and
// with a deflection the flap values "A&nzeigen" accepts. Outside them the formulas divide by
// zero or write strips past the half wing.
bool WingInputsAllowed(const Panel3dModel& m) {
    if (m.ChordPanels() < 2 || m.SpanPanels() < 2) return false;
    const std::size_t panels = static_cast<std::size_t>(m.WingPanelCount());
    if (m.wingPanels.size() != panels || m.flapMarks.size() != panels) return false;
    if (!Within(m.chordwiseGrading, 0.505 - kGradingSlack, 1.0 + kGradingSlack) ||
        !Within(m.spanwiseGrading, 0.52 - kGradingSlack, 1.0 + kGradingSlack)) {
        return false;
    }
    if (!Within(m.halfSpan, 0.25, 50.0) || !Within(m.rootChord, 0.1, 50.0) ||
        !Within(m.tipChord, 0.1, 30.0) || !Within(m.leadingEdgeSweep, -60.0, 60.0) ||
        !Within(m.rootIncidence, -5.0, 5.0) || !Within(m.tipIncidence, -5.0, 5.0) ||
        !Within(m.rootThickness, 6.0, 20.0) || !Within(m.tipThickness, 6.0, 20.0) ||
        !Within(m.rootCamber, 0.0, 10.0) || !Within(m.tipCamber, 0.0, 10.0) ||
        !Within(m.rootCamberPosition, 5.0, 80.0) || !Within(m.tipCamberPosition, 5.0, 80.0) ||
        !Within(m.dihedral, -10.0, 30.0) || !Within(m.quarterChordSweep, -89.0, 89.0)) {
        return false;
    }
    // The tip's camber maximum follows the quarter-chord sweep; outside the tip chord the mean
    // line divides by zero. A sweep derived from the leading-edge sweep, as the windows derive
    // it, always keeps it inside.
    const double tipLeadingEdge =
        m.halfSpan * std::tan(panel3d::Panel3dPi * m.leadingEdgeSweep / 180.0);
    const double tipMaximum =
        Panel3dTipLeadingEdgeX(m.WingShape()) + 0.01 * m.tipCamberPosition * m.tipChord;
    const double tipPosition = (tipMaximum - tipLeadingEdge) / m.tipChord;
    if (!(tipPosition > 0.0 && tipPosition < 1.0)) return false;
    if (!DeflectionSet(m)) return true;
    return Within(m.flapInnerEnd, 0.0, 1.0) && Within(m.flapOuterEnd, 0.0, 1.0) &&
           m.flapInnerEnd != m.flapOuterEnd && m.hingePosition > 0.0 && m.hingePosition < 1.0 &&
           Within(m.hingeHeight, 0.0, 1.0) && Within(m.leftFlapDeflection, -30.0, 30.0) &&
           Within(m.rightFlapDeflection, -30.0, 30.0);
}

// Turns the flap of strip `strip` by `deflection` [deg] about its hinge and rebuilds the
// surface over the hinge as a Bézier curve. Points are named by their steps k behind the hinge
// on a surface; the hinge point is k = 0, the trailing edge k = nf.
class FlapStrip {
  public:
    FlapStrip(std::vector<Panel3dPanel>& panels, int chordPanels, int strip, int hingeIndex,
              int flapPanels)
        : panels_(panels),
          u_(2 * chordPanels * strip + chordPanels - 1 - hingeIndex),
          l_(2 * chordPanels * strip + chordPanels + hingeIndex),
          nf_(flapPanels) {}

    void Deflect(double deflection, double hingeHeight) {
        // The axis runs at hinge height from the hinge of the strip's first station to the first
        // flap point of its second, so it points roughly towards negative y.
        const Panel3dVector upper0 = panels_[u_].Corner(1);
        const Panel3dVector lower0 = panels_[l_].Corner(2);
        const Panel3dVector upper1 = panels_[u_].Corner(3);
        const Panel3dVector lower1 = panels_[l_].Corner(0);
        const Panel3dVector a0{upper0.x, upper0.y, lower0.z + hingeHeight * (upper0.z - lower0.z)};
        const Panel3dVector a1{upper1.x, upper1.y, lower1.z + hingeHeight * (upper1.z - lower1.z)};
        const double length = Length(a1 - a0);
        if (!(length > 0.0)) return;
        const double theta = panel3d::Panel3dPi * deflection / 180.0;
        const Panel3dAxisRotation rotation(a0, (1.0 / length) * (a1 - a0), theta);
        for (int k = 0; k < nf_; ++k) {
            for (int p : {u_ - k, l_ + k}) {
                for (int c = 0; c < 4; ++c) {
                    panels_[p].SetCorner(c, rotation.Apply(panels_[p].Corner(c)));
                }
            }
        }
        const int q = (nf_ + 2) / 3;
        if (q == 1) {
            for (bool upper : {true, false})
                for (int station : {0, 1}) Write(upper, station, 0, Fixed(upper, station, 0));
            return;
        }
        // Points the turn pushed ahead of the hinge on the side the trailing edge moves to are
        // left out of the curve, which then runs further back.
        const bool upperMoves = theta > 0.0;
        int e = 0;
        for (int k = 1; k < nf_; ++k) {
            const bool ahead = Point(upperMoves, 0, k).x < Fixed(upperMoves, 0, 0).x ||
                               Point(upperMoves, 1, k).x < Fixed(upperMoves, 1, 0).x;
            if (!ahead) break;
            ++e;
        }
        // The curve ends on a flap point, the trailing edge at the latest.
        const int curveEnd = std::min(std::max(q, e + 2), nf_);
        const int m = curveEnd - e;
        std::vector<Panel3dVector> controls(static_cast<std::size_t>(m) + 2);
        for (bool upper : {true, false}) {
            for (int station : {0, 1}) {
                const Panel3dVector hinge = Fixed(upper, station, 0);
                const Panel3dVector before = Fixed(upper, station, -1);
                controls[0] = hinge;
                // Leaves the fixed surface along its last segment.
                controls[1] = hinge + 0.01 * (hinge - before);
                for (int r = 2; r <= m + 1; ++r) controls[r] = Point(upper, station, e + r - 1);
                Write(upper, station, 0, hinge);
                for (int k = 1; k <= curveEnd; ++k) {
                    Write(upper, station, k,
                          Panel3dBezierPoint(controls, static_cast<double>(k) / curveEnd));
                }
            }
        }
    }

  private:
    // Panel whose rear corner is point k (upper surface runs backwards to lower indices), and
    // the panel whose front corner it is; station 0 is the strip's first station.
    int PanelAhead(bool upper, int k) const { return upper ? u_ - k + 1 : l_ + k - 1; }
    int PanelBehind(bool upper, int k) const { return upper ? u_ - k : l_ + k; }
    static int RearCorner(bool upper, int station) {
        return upper ? (station == 0 ? 2 : 3) : (station == 0 ? 1 : 0);
    }
    static int FrontCorner(bool upper, int station) {
        return upper ? (station == 0 ? 1 : 0) : (station == 0 ? 2 : 3);
    }
    // A rotated point k >= 1 steps behind the hinge.
    Panel3dVector Point(bool upper, int station, int k) const {
        return panels_[PanelAhead(upper, k)].Corner(RearCorner(upper, station));
    }
    // A point of the last fixed panel: k = 0 the hinge point, k = -1 the point ahead of it.
    Panel3dVector Fixed(bool upper, int station, int k) const {
        return panels_[PanelBehind(upper, -1)].Corner(k == 0 ? RearCorner(upper, station)
                                                             : FrontCorner(upper, station));
    }
    // Point k into both panels of the strip that share it (the fixed panel ahead of the hinge
    // keeps its corner).
    void Write(bool upper, int station, int k, const Panel3dVector& p) {
        if (k > 0) panels_[PanelAhead(upper, k)].SetCorner(RearCorner(upper, station), p);
        if (k < nf_) panels_[PanelBehind(upper, k)].SetCorner(FrontCorner(upper, station), p);
    }

    std::vector<Panel3dPanel>& panels_;
    int u_;   // upper hinge panel
    int l_;   // lower hinge panel
    int nf_;  // flap panels per side
};

}  // namespace

Panel3dWingShape Panel3dModel::WingShape() const {
    Panel3dWingShape shape;
    shape.halfSpan = halfSpan;
    shape.rootChord = rootChord;
    shape.tipChord = tipChord;
    shape.leadingEdgeSweep = leadingEdgeSweep;
    shape.quarterChordSweep = quarterChordSweep;
    shape.rootCamber = rootCamber;
    shape.tipCamber = tipCamber;
    shape.rootCamberPosition = rootCamberPosition;
    shape.tipCamberPosition = tipCamberPosition;
    shape.rootThickness = rootThickness;
    shape.tipThickness = tipThickness;
    return shape;
}

double Panel3dModel::NacaCamber(double x, double y) const {
    return Panel3dNacaCamber(WingShape(), x, y);
}

double Panel3dModel::NacaThickness(double x, double y) const {
    return Panel3dNacaThickness(WingShape(), x, y);
}

bool Panel3dModel::GenerateWingGrid() {
    if (!WingInputsAllowed(*this)) return false;
    const int n = ChordPanels();
    const int m = SpanPanels();
    const double s = halfSpan;
    const double g = spanwiseGrading;
    const Panel3dWingShape shape = WingShape();
    tipLeadingEdgeX = Panel3dTipLeadingEdgeX(shape);

    // Flaps only with a deflection, and only when the flap zone gets a strip: without one the
    // root zone would not end at the root.
    bool flaps = DeflectionSet(*this);
    Panel3dFlapZones zones;
    if (flaps) {
        zones = Panel3dFlapStripCounts(m, flapInnerEnd, flapOuterEnd);
        flaps = zones.flap > 0;
    }

    std::vector<double> stations;
    std::vector<double> fractions;
    int flapPanels = 0;
    if (flaps) {
        const double inner = std::min(flapInnerEnd, flapOuterEnd);
        const double outer = std::max(flapInnerEnd, flapOuterEnd);
        spanwiseAngle = Panel3dSpanwiseArc(g);
        stations.push_back(s);
        // Tip zone, flap, root zone, each starting where the one before ended.
        const struct {
            int strips;
            double length;
        } order[] = {{zones.tip, (1.0 - outer) * s},
                     {zones.flap, (outer - inner) * s},
                     {zones.root, inner * s}};
        for (const auto& zone : order) {
            if (zone.strips == 0) continue;
            const std::vector<double> y =
                Panel3dZoneStations(stations.back(), zone.length, g, zone.strips);
            stations.insert(stations.end(), y.begin() + 1, y.end());
        }
        flapPanels = Panel3dFlapPanelCount(n, hingePosition);
        fractions = Panel3dFlapChordFractions(chordwiseGrading, n, flapPanels, hingePosition);
    } else {
        spanwiseAngle = Panel3dSpanwiseArc(g) / m;
        stations = Panel3dZoneStations(s, s, g, m);
        fractions = Panel3dChordFractions(chordwiseGrading, n);
    }

    // The root zone ends at the root up to rounding; exactly there, the mirrored half meets it.
    stations.back() = 0.0;

    // Upper and lower surface points of every station of the right half, N + 1 per surface.
    const double tanSweep = std::tan(panel3d::Panel3dPi * leadingEdgeSweep / 180.0);
    const double tanDihedral = std::tan(panel3d::Panel3dPi * dihedral / 180.0);
    std::vector<Panel3dVector> upper((m + 1) * (n + 1));
    std::vector<Panel3dVector> lower((m + 1) * (n + 1));
    for (int k = 0; k <= m; ++k) {
        const double y = stations[k];
        const double incidence = rootIncidence + (tipIncidence - rootIncidence) * y / s;
        // Twist shears the section about its leading edge; x stays.
        const double shear = std::tan(-panel3d::Panel3dPi * incidence / 180.0);
        for (int j = 0; j <= n; ++j) {
            const double xi = fractions[j];
            const double x =
                (s - y) / s * (rootChord * xi) + y / s * (tipLeadingEdgeX + tipChord * xi);
            const double base = NacaCamber(x, y) + shear * (x - y * tanSweep) + y * tanDihedral;
            // Fraction 0 is the leading edge, one point of both surfaces; there the planform's x
            // differs from y·tan(sweep) by rounding, whose square root would open the nose.
            const double half = j == 0 ? 0.0 : NacaThickness(x, y);
            upper[k * (n + 1) + j] = {x, y, base + half};
            lower[k * (n + 1) + j] = {x, y, base - half};
        }
    }

    const int flapFirst = zones.tip;
    const int flapEnd = zones.tip + zones.flap;
    for (int i = 0; i < m; ++i) {
        const bool flapStrip = flaps && i >= flapFirst && i < flapEnd;
        const Panel3dVector* up0 = &upper[i * (n + 1)];
        const Panel3dVector* up1 = &upper[(i + 1) * (n + 1)];
        const Panel3dVector* lo0 = &lower[i * (n + 1)];
        const Panel3dVector* lo1 = &lower[(i + 1) * (n + 1)];
        for (int j = 0; j < n; ++j) {
            const int u = 2 * n * i + n - 1 - j;
            const int l = 2 * n * i + n + j;
            Panel3dPanel& pu = wingPanels[u];
            pu.SetCorner(0, up1[j]);
            pu.SetCorner(1, up0[j]);
            pu.SetCorner(2, up0[j + 1]);
            pu.SetCorner(3, up1[j + 1]);
            Panel3dPanel& pl = wingPanels[l];
            pl.SetCorner(0, lo1[j + 1]);
            pl.SetCorner(1, lo0[j + 1]);
            pl.SetCorner(2, lo0[j]);
            pl.SetCorner(3, lo1[j]);
            const unsigned char mark = flapStrip && j >= n - flapPanels ? 1 : 0;
            flapMarks[u] = mark;
            flapMarks[l] = mark;
        }
    }

    // Left half: the right one with y negated; swapping corners 0 <-> 1 and 2 <-> 3 keeps the
    // corner order and so the outward normals.
    static constexpr int kMirrored[4] = {1, 0, 3, 2};
    for (int i = 0; i < m; ++i) {
        for (int p = 0; p < 2 * n; ++p) {
            const int from = 2 * n * (m - 1 - i) + p;
            const int to = 2 * n * (m + i) + p;
            for (int c = 0; c < 4; ++c) {
                Panel3dVector v = wingPanels[from].Corner(kMirrored[c]);
                v.y = -v.y;
                wingPanels[to].SetCorner(c, v);
            }
            flapMarks[to] = flapMarks[from];
        }
    }

    if (flaps) {
        for (int strip = 0; strip < 2 * m; ++strip) {
            const double deflection = strip < m ? rightFlapDeflection : leftFlapDeflection;
            if (deflection == 0.0) continue;
            // The first marked panel from the leading edge is the hinge panel.
            int hingeIndex = -1;
            for (int j = 0; j < n && hingeIndex < 0; ++j) {
                if (flapMarks[2 * n * strip + n - 1 - j]) hingeIndex = j;
            }
            if (hingeIndex < 0) continue;
            FlapStrip(wingPanels, n, strip, hingeIndex, flapPanels)
                .Deflect(deflection, hingeHeight);
        }
    }
    return true;
}
