// Surface velocities from the doublet gradients along and across the strips, then the strip
// distributions and the wing's totals from the panels' pressure coefficients.

#include <algorithm>
#include <cmath>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"

namespace {

Panel3dVector Unit(const Panel3dVector& v) { return (1.0 / Length(v)) * v; }

std::array<double, 3> ToArray(const Panel3dVector& v) { return {v.x, v.y, v.z}; }

Panel3dVector FreeStream(const Panel3dOperatingPoint& point) {
    const double a = point.alpha * panel3d::Panel3dPi / 180.0;
    const double b = point.sideslip * panel3d::Panel3dPi / 180.0;
    return {std::cos(a) * std::cos(b), std::cos(a) * std::sin(b), std::sin(a)};
}

// Derivative of mu at `here` along the line from `next` to `previous`: the slope of the
// parabola through the three strengths, or the one-sided quotient at the end of a line.
struct Gradient {
    double slope = 0;
    Panel3dVector tangent;
};

Gradient Inner(const Panel3dPanel& previous, const Panel3dPanel& here, const Panel3dPanel& next) {
    const double a = Length(previous.Centroid() - here.Centroid());
    const double b = Length(next.Centroid() - here.Centroid());
    const double g = a * a / b;
    Gradient out;
    out.slope = ((g / b - 1) * here.doubletStrength + previous.doubletStrength -
                 (g / b) * next.doubletStrength) /
                (a + g);
    out.tangent = Unit(previous.Centroid() - next.Centroid());
    return out;
}

// One-sided: from `to` back to `from`, mu(from) - mu(to) over their distance.
Gradient OneSided(const Panel3dPanel& from, const Panel3dPanel& to) {
    const Panel3dVector d = from.Centroid() - to.Centroid();
    return {(from.doubletStrength - to.doubletStrength) / Length(d), Unit(d)};
}

}  // namespace

void Panel3dModel::ComputeSurfaceVelocity() {
    luvo::RunProgress(reporter).SetStatus(0, "Geschwindigkeitsverteilung wird ermittelt...");
    const int chord = 2 * ChordPanels();
    const int strips = StripCount();
    const Panel3dVector freeStream = FreeStream(operatingPoint);
    for (int j = 0; j < strips; ++j) {
        for (int k = 0; k < chord; ++k) {
            const int p = chord * j + k;
            Panel3dPanel& panel = wingPanels[p];
            Gradient along;
            if (k == 0) {
                along = OneSided(panel, wingPanels[p + 1]);
            } else if (k == chord - 1) {
                along = OneSided(wingPanels[p - 1], panel);
            } else {
                along = Inner(wingPanels[p - 1], panel, wingPanels[p + 1]);
            }
            Gradient across;
            if (j == 0) {
                across = OneSided(panel, wingPanels[p + chord]);
            } else if (j == strips - 1) {
                across = OneSided(wingPanels[p - chord], panel);
            } else {
                across = Inner(wingPanels[p - chord], panel, wingPanels[p + chord]);
            }
            const Panel3dVector tl = along.tangent;
            const Panel3dVector tm = across.tangent;
            const Panel3dVector normal = Unit(Cross(tl, tm));
            const Panel3dVector tp = Cross(normal, tl);
            const double qp = (across.slope - Dot(tl, tm) * along.slope) / Dot(tp, tm);
            const Panel3dVector sourcePart = panel.sourceStrength * normal;
            const Panel3dVector v = freeStream + along.slope * tl + qp * tp + sourcePart;

            panel.chordTangent = ToArray(tl);
            panel.chordDoubletGradient = along.slope;
            panel.spanTangent = ToArray(tm);
            panel.spanDoubletGradient = across.slope;
            panel.surfaceNormal = ToArray(normal);
            panel.sourceNormalVelocity = ToArray(sourcePart);
            panel.crossTangent = ToArray(tp);
            panel.crossVelocity = qp;
            panel.velocity = ToArray(v);
            panel.velocityMagnitude = Length(v);
            panel.pressureCoefficient = 1 - Dot(v, v);
        }
    }
}

namespace {

double AngleAt(const Panel3dVector& corner, const Panel3dVector& a, const Panel3dVector& b) {
    const Panel3dVector u = a - corner;
    const Panel3dVector w = b - corner;
    return std::acos(Dot(u, w) / (Length(u) * Length(w)));
}

double DropNoise(double coefficient) {
    return std::fabs(coefficient) < Panel3dModel::kCoefficientNoise ? 0.0 : coefficient;
}

}  // namespace

void Panel3dModel::ComputeCoefficients() {
    const int n = ChordPanels();
    const int chord = 2 * n;
    const int strips = StripCount();
    const Panel3dVector freeStream = FreeStream(operatingPoint);

    double chordSum = 0;
    double liftCirculation = 0;
    double area = 0;
    double lift = 0;
    for (int s = 0; s < strips; ++s) {
        const Panel3dPanel& t = wingPanels[chord * s];
        const Panel3dPanel& l = wingPanels[chord * s + n - 1];
        const Panel3dVector p0 = l.PlanarCorner(0);
        const Panel3dVector p1 = l.PlanarCorner(1);
        const Panel3dVector p2 = t.PlanarCorner(2);
        const Panel3dVector p3 = t.PlanarCorner(3);

        // Bretschneider's formula with the opposite angles at P3 and P1.
        const double a1 = Length(p1 - p0);
        const double a2 = Length(p2 - p1);
        const double a3 = Length(p3 - p2);
        const double a4 = Length(p0 - p3);
        const double h = 0.5 * (a1 + a2 + a3 + a4);
        const double theta = 0.5 * (AngleAt(p1, p0, p2) + AngleAt(p3, p0, p2));
        const double stripSurface =
            std::sqrt((h - a1) * (h - a2) * (h - a3) * (h - a4) -
                      a1 * a2 * a3 * a4 * std::cos(theta) * std::cos(theta));
        stripArea[s] = stripSurface;

        const Panel3dVector liftDirection = Unit(Cross(freeStream, p2 - p3));
        stripLiftDirectionZ[s] = liftDirection.z;
        double ca = 0;
        double cwi = 0;
        for (int k = 0; k < chord; ++k) {
            const Panel3dPanel& p = wingPanels[chord * s + k];
            const double load = p.pressureCoefficient * p.area;
            ca -= Dot(p.Normal(), liftDirection) * load;
            cwi -= Dot(p.Normal(), freeStream) * load;
        }
        stripLift[s] = ca / stripSurface;
        stripInducedDrag[s] = cwi / stripSurface;

        const double c =
            0.5 * (Length(t.Corner(3) - l.Corner(0)) + Length(t.Corner(2) - l.Corner(1)));
        stripChord[s] = c;
        stripCirculation[s] = 0.5 * c * stripLift[s];
        chordSum += c * c * (t.cornerY[2] - t.cornerY[3]);

        const double dy = t.planarY[1] - t.planarY[0];
        const double dz = t.planarZ[1] - t.planarZ[0];
        liftCirculation += stripCirculation[s] * liftDirection.z * std::sqrt(dy * dy + dz * dz);

        const Panel3dVector normal = Unit(Cross(p2 - p3, p0 - p3));
        stripNormalZ[s] = normal.z;
        area += normal.z * stripSurface;
        lift += stripLift[s] * normal.z * stripSurface;
    }

    double mx = 0, my = 0, mz = 0, drag = 0;
    for (const Panel3dPanel& p : wingPanels) {
        const Panel3dVector c = p.Centroid();
        const Panel3dVector nv = p.Normal();
        const double load = p.pressureCoefficient * p.area;
        mx -= load * (c.y * nv.z - c.z * nv.y);
        my -= load * (c.z * nv.x - c.x * nv.z);
        mz -= load * (c.x * nv.y - c.y * nv.x);
        drag -= Dot(nv, freeStream) * load;
    }

    totalLiftCirculation = liftCirculation;
    referenceArea = area;
    referenceChord = chordSum / area;
    momentX = DropNoise(mx / referenceChord / area);
    momentY = DropNoise(my / referenceChord / area);
    momentZ = DropNoise(mz / referenceChord / area);
    totalLift = lift / area;
    totalInducedDrag = drag / area;
    const double k = (2 * halfSpan) * (2 * halfSpan) / area * panel3d::Panel3dPi *
                     totalInducedDrag / (totalLift * totalLift);
    kFactor = k >= 9999 ? 9999 : k;
}
