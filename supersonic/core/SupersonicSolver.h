#pragma once
// The numerics of the supersonic method: curve construction and resampling onto the chord grid
// (SupersonicCurveBuilder), linearised theory and shock-expansion theory. The class holds no data;
// the windows keep one instance, and every operation takes what it works on as an argument.

#include <vector>

#include "supersonic/core/SupersonicCurveBuilder.h"
#include "supersonic/core/SupersonicProfileRecord.h"

// Result of an iterative search with the number of function evaluations it took.
struct SupersonicSearch {
    double value = 0.0;
    int evaluations = 0;
};

class SupersonicSolver : public SupersonicCurveBuilder {
  public:
    // Every search gives up after this many evaluations.
    static constexpr int kMaxEvaluations = 1000;
    // ---- theories ----
    static void LinearTheory(SupersonicProfileRecord& profile);
    static void ShockExpansion(SupersonicProfileRecord& profile);

    // Wave angle [deg] of the weak oblique shock that turns the flow by delta [deg]; delta at
    // most MaxDeflection (a larger one gives the wave angle of the largest deflection).
    static double ShockAngle(double mach, double kappa, double deltaDegrees);
    static SupersonicSearch ShockAngleSearch(double mach, double kappa, double deltaDegrees);
    // Largest deflection [deg] with an attached shock.
    static double MaxDeflection(double mach, double kappa);
    // Prandtl-Meyer angle [rad].
    static double PrandtlMeyer(double mach, double kappa);
    // Mach number behind an expansion to the Prandtl-Meyer angle nuTarget [rad], to 1e-12 rad,
    // between the upstream Mach number and mach + 10, where it ends when the target lies beyond.
    static SupersonicSearch ExpansionSearch(double mach, double kappa, double nuTarget);
};
