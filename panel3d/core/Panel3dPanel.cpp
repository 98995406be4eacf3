#include "panel3d/core/Panel3dPanel.h"

#include <algorithm>
#include <cmath>

namespace {

std::array<double, 3> ToTriple(const Panel3dVector& v) { return {v.x, v.y, v.z}; }

// The interior angle at b between the sides towards a and c. Rounding can push the cosine of a
// straight angle just past 1, which acos would turn into NaN.
double InteriorAngle(const Panel3dVector& a, const Panel3dVector& b, const Panel3dVector& c,
                     double lengthBA, double lengthBC) {
    const double cosine = Dot(a - b, c - b) / (lengthBA * lengthBC);
    return std::acos(std::clamp(cosine, -1.0, 1.0));
}

}  // namespace

void Panel3dPanel::SetCorner(int k, const Panel3dVector& p) {
    cornerX[k] = p.x;
    cornerY[k] = p.y;
    cornerZ[k] = p.z;
}

void Panel3dPanel::SetPlanarCorner(int k, const Panel3dVector& p) {
    planarX[k] = p.x;
    planarY[k] = p.y;
    planarZ[k] = p.z;
}

void Panel3dPanel::ComputeGeometry() {
    Derive({Corner(0), Corner(1), Corner(2), Corner(3)}, true, true);
}

void Panel3dPanel::ComputePlanarGeometry() {
    Derive({PlanarCorner(0), PlanarCorner(1), PlanarCorner(2), PlanarCorner(3)}, false, false);
}

void Panel3dPanel::UpdateGeometry() {
    Derive({Corner(0), Corner(1), Corner(2), Corner(3)}, true, false);
}

void Panel3dPanel::Derive(const std::array<Panel3dVector, 4>& p, bool project, bool planarSides) {
    const Panel3dVector c = 0.25 * (p[0] + p[1] + p[2] + p[3]);
    centroid = ToTriple(c);

    const Panel3dVector d1 = p[2] - p[0];
    const Panel3dVector d2 = p[1] - p[3];
    diagonal1 = ToTriple(d1);
    diagonal2 = ToTriple(d2);
    const Panel3dVector normal = Cross(d1, d2);
    normalLength = Length(normal);
    const Panel3dVector n = (1.0 / normalLength) * normal;
    diagonalLength = Length(d1);
    const Panel3dVector l = (1.0 / diagonalLength) * d1;
    const Panel3dVector m = Cross(n, l);
    axes = {l.x, m.x, n.x, l.y, m.y, n.y, l.z, m.z, n.z};

    std::array<Panel3dVector, 4> q = p;
    if (project) {
        for (int k = 0; k < 4; ++k) {
            q[k] = p[k] + Dot(c - p[k], n) * n;
            SetPlanarCorner(k, q[k]);
        }
    }

    std::array<Panel3dVector, 4> local;
    for (int k = 0; k < 4; ++k) {
        const Panel3dVector r = q[k] - c;
        local[k] = {Dot(r, l), Dot(r, m), Dot(r, n)};
        localX[k] = local[k].x;
        localY[k] = local[k].y;
        localZ[k] = local[k].z;
    }

    for (int k = 0; k < 4; ++k) {
        const int next = (k + 1) % 4;
        const double dx = localX[next] - localX[k];
        const double dy = localY[next] - localY[k];
        sideSlope[k] = dy / dx;
        if (planarSides) {
            planarSideLength[k] = std::sqrt(dx * dx + dy * dy);
        }
        sideLength[k] = Length(local[next] - local[k]);
    }
    meanDiagonal = 0.5 * (Length(local[2] - local[0]) + Length(local[3] - local[1]));

    angle3 =
        InteriorAngle(local[2], local[3], local[0], Length(local[2] - local[3]), sideLength[3]);
    angle1 =
        InteriorAngle(local[0], local[1], local[2], Length(local[0] - local[1]), sideLength[1]);
    halfAngleSum = 0.5 * (angle1 + angle3);

    const double a = sideLength[0];
    const double b = sideLength[1];
    const double cc = sideLength[2];
    const double d = sideLength[3];
    semiPerimeter = 0.5 * (a + b + cc + d);
    const double s = semiPerimeter;
    const double cosine = std::cos(halfAngleSum);
    // Bretschneider's formula with the opposite angles at corners 1 and 3. The square it takes
    // the root of is never negative for a flat quadrilateral; for a sliver, rounding can make
    // it so, and the area is then 0 rather than NaN.
    const double square = (s - a) * (s - b) * (s - cc) * (s - d) - a * b * cc * d * cosine * cosine;
    area = std::sqrt(square < 0 ? 0.0 : square);
}
