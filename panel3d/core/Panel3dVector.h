#pragma once
// A point or direction in the wing's axes [m]: x downstream along the chord, y along the span
// (station 0 at y = +b/2), z up.

#include <cmath>

struct Panel3dVector {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Panel3dVector operator+(const Panel3dVector& a, const Panel3dVector& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline Panel3dVector operator-(const Panel3dVector& a, const Panel3dVector& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

inline Panel3dVector operator*(double s, const Panel3dVector& a) {
    return {s * a.x, s * a.y, s * a.z};
}

inline double Dot(const Panel3dVector& a, const Panel3dVector& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline Panel3dVector Cross(const Panel3dVector& a, const Panel3dVector& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double Length(const Panel3dVector& a) { return std::sqrt(Dot(a, a)); }
