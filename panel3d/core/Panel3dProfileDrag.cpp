// Friction drag of every spanwise section from the solved surface velocities: a turbulent
// flat-plate power law, a momentum-integral estimate started at the stagnation point and a
// logarithmic flat-plate law, with their span means and the polar and speed-polar entries of
// the point.

#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"

namespace {

std::size_t Index(int i) { return static_cast<std::size_t>(i); }

// Integral of U^3 over a segment along which U varies linearly from ua to ub.
double CubeIntegral(double ua, double ub, double sa, double sb) {
    if (ub == ua) {
        return ua * ua * ua * (sb - sa);
    }
    return (ub * ub * ub * ub - ua * ua * ua * ua) / (4.0 * (ub - ua) / (sb - sa));
}

// One side of a section from the stagnation panel to its trailing-edge panel.
struct SideDrag {
    double integral = 0;   // D: the momentum-integral estimate
    double turbulent = 0;  // T: the logarithmic law
};

// `order` lists the panels of the side from the stagnation panel out to the trailing-edge
// panel; `run` holds their run lengths, `speed` their |V|.
SideDrag DragOfSide(const std::vector<int>& order, const std::vector<double>& run,
                    const std::vector<double>& speed, double v, double nu, double start) {
    const int te = order.back();
    double sum = 0;
    // Segments end at the panel next to the trailing-edge panel.
    const int segments = static_cast<int>(order.size()) - 2;
    for (int i = 0; i < segments; ++i) {
        const int a = order[Index(i)];
        const int b = order[Index(i + 1)];
        sum += CubeIntegral(v * speed[Index(a)], v * speed[Index(b)], run[Index(a)], run[Index(b)]);
    }
    // Without a segment the trailing-edge panel's own run length stands in.
    const double runAtStart =
        segments > 0 ? run[Index(order[Index(segments - 1)])] : run[Index(te)];
    const double ute = v * speed[Index(te)];
    SideDrag out;
    const double theta = 0.625 * (start + sum) / (80.0 * ute * ute * ute);
    out.integral = 2.0 * theta * std::pow(speed[Index(te)], 3.5);
    const double reTe = ute * runAtStart / nu;
    out.turbulent = 2.0 * 0.455 / std::pow(std::log10(reTe), 2.58);
    return out;
}

// Span mean by the trapezoid rule in y, weighted by the sections' x lengths.
double SpanMean(const std::vector<double>& f, const std::vector<double>& w,
                const std::vector<double>& y, int strips) {
    double num = 0;
    double den = 0;
    for (int k = 0; k + 1 < strips; ++k) {
        const std::size_t a = Index(k);
        const std::size_t b = Index(k + 1);
        const double dy = y[a] - y[b];
        num += 0.5 * dy * (f[a] * w[a] + f[b] * w[b]);
        den += 0.5 * dy * (w[a] + w[b]);
    }
    return num / den;
}

void Store(std::vector<double>& a, int i, double value) {
    if (i >= 0 && Index(i) < a.size()) {
        a[Index(i)] = value;
    }
}

}  // namespace

void Panel3dPolarEvaluator::EvaluateProfileDrag(const Panel3dModel& model) {
    const int n = model.ChordPanels();
    const int m = model.SpanPanels();
    const int chord = 2 * n;
    const int strips = 2 * m;
    if (n < 1 || m < 1 || model.wingPanels.size() != Index(model.WingPanelCount()) ||
        model.stripLift.size() < Index(strips) || model.stripInducedDrag.size() < Index(strips)) {
        return;
    }
    // Point 1 starts the run's record; a model of other counts cannot add to an older one.
    if (currentPoint == 1 || !record_ || record_->ChordPanels() != n ||
        record_->SpanPanels() != m) {
        record_ = std::make_shared<Panel3dEvaluationRecord>(n, m, flowState, mode);
    }
    Panel3dEvaluationRecord& r = *record_;
    const int p = currentPoint;
    const int runMode = r.GetMode();
    double v = r.FlowState()[0];
    if (runMode == 2) {
        v = speedPoint[0];
        Store(r.pointSpeed, p - 1, v);
    }
    const double nu = r.FlowState()[1];
    r.referenceChord = model.referenceChord;
    r.referenceArea = model.referenceArea;
    r.evaluatedPoints = p;

    const int contour = chord + 1;
    const double tipY = model.wingPanels[0].cornerY[2];
    std::vector<Panel3dVector> points(Index(contour));
    std::vector<double> run(Index(model.WingPanelCount()), 0.0);
    std::vector<double> speed(Index(model.WingPanelCount()));
    for (std::size_t i = 0; i < speed.size(); ++i) {
        speed[i] = model.wingPanels[i].velocityMagnitude;
    }
    std::vector<int> side1;
    std::vector<int> side2;
    int leadingEdge = 0;
    for (int s = 0; s < strips; ++s) {
        const int first = chord * s;
        const int last = first + chord - 1;
        const auto& panels = model.wingPanels;
        int stag = first;
        for (int j = first + 1; j <= last; ++j) {
            if (speed[Index(j)] < speed[Index(stag)]) {
                stag = j;
            }
        }
        for (int k = 0; k < chord; ++k) {
            const Panel3dPanel& q = panels[Index(first + k)];
            points[Index(k)] = 0.5 * (q.Corner(2) + q.Corner(3));
        }
        points[Index(chord)] =
            0.5 * (panels[Index(last)].Corner(1) + panels[Index(last)].Corner(0));

        bool turn = false;
        for (int k = 1; k <= chord; ++k) {
            if (points[Index(k)].x < points[Index(k - 1)].x) {
                leadingEdge = k;
                turn = true;
            }
        }
        if (!turn) {
            // A section without a turn has its leading edge where x is smallest.
            leadingEdge = 0;
            for (int k = 1; k <= chord; ++k) {
                if (points[Index(k)].x < points[Index(leadingEdge)].x) {
                    leadingEdge = k;
                }
            }
        }
        const Panel3dVector& p0 = points[0];
        const Panel3dVector& le = points[Index(leadingEdge)];
        const std::size_t si = Index(s);
        r.sectionLengthX[si] = p0.x - le.x;
        r.sectionLeadingEdgeY[si] = le.y;
        r.sectionEta[si] = le.y / tipY;
        const double sectionChord = std::hypot(p0.z - le.z, p0.x - le.x);

        // Run lengths from the stagnation centroid through centroids and section points.
        run[Index(stag)] = 0;
        side1.assign(1, stag);
        double s1 = 0;
        for (int j = stag; j > first; --j) {
            const Panel3dVector& edge = points[Index(j - first)];
            s1 += Length(panels[Index(j)].Centroid() - edge) +
                  Length(edge - panels[Index(j - 1)].Centroid());
            run[Index(j - 1)] = s1;
            side1.push_back(j - 1);
        }
        const double length1 = s1 + Length(panels[Index(first)].Centroid() - p0);
        side2.assign(1, stag);
        double s2 = 0;
        for (int j = stag; j < last; ++j) {
            const Panel3dVector& edge = points[Index(j + 1 - first)];
            s2 += Length(panels[Index(j)].Centroid() - edge) +
                  Length(edge - panels[Index(j + 1)].Centroid());
            run[Index(j + 1)] = s2;
            side2.push_back(j + 1);
        }
        const double length2 = s2 + Length(panels[Index(last)].Centroid() - points[Index(chord)]);

        r.sectionCfFlatPlate[si] =
            0.0576 * std::pow(nu / (length1 * v), 0.2) + 0.0576 * std::pow(nu / (length2 * v), 0.2);

        const double reynolds = v * sectionChord / nu;
        Store(r.sectionReynolds, (p - 1) * strips + s, reynolds);

        // Velocity gradient at the stagnation point; at a strip's end from its one neighbour.
        double gradient = 0;
        if (stag > first && stag < last) {
            gradient = v * (speed[Index(stag + 1)] + speed[Index(stag - 1)]) /
                       (run[Index(stag - 1)] + run[Index(stag + 1)]);
        } else {
            const int next = stag > first ? stag - 1 : stag + 1;
            gradient = v * speed[Index(next)] / run[Index(next)];
        }
        const double ustag = v * speed[Index(stag)];
        const double start =
            0.290042 * 1.619976 * ustag * ustag * ustag / std::sqrt(gradient * reynolds);
        const SideDrag d1 = DragOfSide(side1, run, speed, v, nu, start);
        const SideDrag d2 = DragOfSide(side2, run, speed, v, nu, start);
        r.sectionCfIntegral[si] = d1.integral + d2.integral;
        r.sectionCfTurbulent[si] = d1.turbulent + d2.turbulent;
        r.sectionCa[si] = model.stripLift[si];
        r.sectionCwi[si] = model.stripInducedDrag[si];

        for (int k = 0; k < contour; ++k) {
            const std::size_t at = Index(contour * s + k);
            r.sectionX[at] = (points[Index(k)].x - p0.x) / r.sectionLengthX[si] + 1.0;
            r.sectionZ[at] = points[Index(k)].z / r.sectionLengthX[si];
        }
    }

    r.totals[0] = SpanMean(r.sectionCfFlatPlate, r.sectionLengthX, r.sectionLeadingEdgeY, strips);
    r.totals[1] = SpanMean(r.sectionCfTurbulent, r.sectionLengthX, r.sectionLeadingEdgeY, strips);
    r.totals[2] = model.totalInducedDrag;
    r.totals[3] = model.totalLift;
    r.totals[4] = model.momentY;
    // Without lift there is no pressure point: a noise-level lift over a moment dropped to 0
    // would put it at 0, over any other moment beyond every scale.
    r.totals[5] = std::fabs(model.totalLift) < Panel3dModel::kCoefficientNoise
                      ? std::numeric_limits<double>::quiet_NaN()
                      : -model.referenceChord * model.momentY / model.totalLift;

    if (p >= 1 && p <= r.Points()) {
        r.pointStripLift[Index(p - 1)].assign(model.stripLift.begin(),
                                              model.stripLift.begin() + strips);
    }
    const int i = p - 1;
    Store(r.pointCa, i, r.totals[3]);
    Store(r.pointCwi, i, r.totals[2]);
    Store(r.pointCfFlatPlate, i, r.totals[0]);
    Store(r.pointCfIntegral, i, r.totals[1]);
    Store(r.pointAlpha, i, currentAlpha);
    Store(r.pointPressurePoint, i, r.totals[5]);
    Store(r.pointCmy, i, r.totals[4]);

    if (runMode == 2) {
        const double area = model.referenceArea;
        const double efficiency = r.FlowState()[8];
        const double lift = r.totals[3];
        struct Series {
            double drag;
            std::vector<double>*sink, *flight, *power, *thrust;
        };
        const Series series[] = {
            {r.totals[2] + r.totals[0], &r.sinkSpeedFlatPlate, &r.flightSpeedFlatPlate,
             &r.powerFlatPlate, &r.thrustFlatPlate},
            {r.totals[2] + r.totals[1], &r.sinkSpeedIntegral, &r.flightSpeedIntegral,
             &r.powerIntegral, &r.thrustIntegral},
            {r.totals[2], &r.sinkSpeedInduced, &r.flightSpeedInduced, &r.powerInduced,
             &r.thrustInduced},
        };
        for (const Series& k : series) {
            // A wing without lift falls straight down.
            const double glide = lift == 0.0 ? -0.5 * std::acos(-1.0) : std::atan(-k.drag / lift);
            Store(*k.sink, i, v * std::sin(glide));
            Store(*k.flight, i, v * std::cos(glide));
            Store(*k.power, i, k.drag * area * v * v * v * 1.225 / (2.0 * efficiency));
            Store(*k.thrust, i, k.drag * area * v * v * 0.6125);
        }
    }
}
