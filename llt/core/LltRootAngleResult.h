#pragma once
// Outcome of the chord design's root-angle search (LltSolver::SearchRootAngle).

struct LltRootAngleResult {
    // Root angle [deg] on the 0.05-degree grid; -90 when no angle met any tolerance.
    double rootAngle = -90.0;
    // Tolerance [m²] of the pass that succeeded (1 .. 9), 0 when none did.
    double tolerance = 0.0;
    // Trapezoid-rule area [m²] of the wing at rootAngle.
    double area = 0.0;
    // False when all nine passes failed: the caller must say that no angle was found.
    bool found = false;
};
