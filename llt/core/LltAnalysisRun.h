#pragma once
// The analysis task's computation: a wing of three trapezoids with given chord and twist, solved
// for its circulation by the Multhopp method.

#include <memory>

#include "llt/core/LltSolver.h"

struct LltAnalysisInputs {
    double span = 0;                                        // b [m]
    double liftSlope = 0;                                   // f: the section lift slope is 2 pi f
    double s1 = 0, s2 = 0, s3 = 0;                          // segment lengths AB, BC, CD [% of b/2]
    double chordA = 0, chordB = 0, chordC = 0, chordD = 0;  // [m]
    double angleA = 0;                                      // root angle [deg]
    double angleB = 0, angleC = 0, angleD = 0;              // relative to the root [deg]
};

// The Multhopp solution of a record whose stations, chord and twist are set: area and aspect
// ratio, the system for the span b and the lift-slope factor f and its circulation, the local and
// total lift, the induced angles, the induced drag and k-factor, the mean chord.
void LltSolveDistributions(LltSolver& s, double b, double f);

// A new record filled by the whole analysis sequence, from the stations to the mean chord.
// A lift-slope factor of 0 or below gives the sections no lift: no circulation, no lift and no
// induced drag (the k-factor is then 0/0).
std::shared_ptr<LltSolver> LltSolveAnalysis(const LltAnalysisInputs& in);
