#pragma once
// Outcome of the chord design's root-angle search (LltSolver::SearchRootAngle).

// How far the area of the wing found may miss b²/Lambda, relative to it, and still count as met.
inline constexpr double kLltAreaTolerance = 0.005;

struct LltRootAngleResult {
    // Root angle [deg] whose wing's trapezoid-rule area lies closest to b²/Lambda.
    double rootAngle = 90.0;
    // Trapezoid-rule area [m²] of the wing at rootAngle.
    double area = 0.0;
    // False when that area misses b²/Lambda by more than kLltAreaTolerance: no root angle gives
    // this twist the area, and the caller must say so.
    bool reached = false;
};
