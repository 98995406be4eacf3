#pragma once
// Inputs and call sequences of the lifting-line tests and benchmarks: the task windows' default
// inputs, the analysis sequence step by step, and the chord design's lift mode up to its
// root-angle search.

#include <memory>

#include "llt/core/LltAnalysisRun.h"
#include "llt/core/LltDesignTasks.h"
#include "llt/core/LltSolver.h"

namespace llt_test {

// The analysis window's default inputs.
inline LltAnalysisInputs AnalysisWindowInputs() {
    LltAnalysisInputs in;
    in.span = 8;
    in.liftSlope = 1;
    in.s1 = 50;
    in.s2 = 25;
    in.s3 = 25;
    in.chordA = 2.00;
    in.chordB = 1.70;
    in.chordC = 1.30;
    in.chordD = 0.6;
    in.angleA = 5.0;
    in.angleB = -0.5;
    in.angleC = -0.8;
    in.angleD = -1.5;
    return in;
}

// The twist design window's default inputs (lift mode).
inline LltTwistDesignInputs TwistDesignWindowInputs() {
    LltTwistDesignInputs in;
    in.span = 8.0;
    in.liftCoefficient = 0.3;
    in.liftSlope = 1;
    in.a1 = 0.03;
    in.s1 = 50;
    in.s2 = 25;
    in.s3 = 25;
    in.chordA = 2.00;
    in.chordB = 1.70;
    in.chordC = 1.30;
    in.chordD = 0.60;
    return in;
}

// The chord design window's default inputs (lift mode).
inline LltChordDesignInputs ChordDesignWindowInputs() {
    LltChordDesignInputs in;
    in.span = 15.0;
    in.liftCoefficient = 0.3;
    in.liftSlope = 1;
    in.aspectRatio = 6.0;
    in.a1 = 0.03;
    in.rootAngle = 5.0;
    in.angleB = -0.4;
    in.angleC = -0.75;
    in.angleD = -1.5;
    in.s1 = 50;
    in.s2 = 25;
    in.s3 = 25;
    return in;
}

// The analysis sequence on a record, straight through the solver: unlike the window's run it
// passes any lift-slope factor on, so tests reach the record's own handling of f = 0.
inline std::unique_ptr<LltSolver> RunAnalysis(const LltAnalysisInputs& w) {
    auto s = std::make_unique<LltSolver>();
    s->SetStations(w.span);
    s->SetTrapezoidChord(w.span, w.s1, w.s2, w.s3, w.chordA, w.chordB, w.chordC, w.chordD);
    s->SetTrapezoidTwist(w.span, w.angleA, w.angleB, w.angleC, w.angleD, w.s1, w.s2, w.s3);
    LltSolveDistributions(*s, w.span, w.liftSlope);
    return s;
}

// Lift mode up to the root-angle search; the record then holds what the search needs.
inline std::unique_ptr<LltSolver> PrepareChordDesignLiftMode(const LltChordDesignInputs& in) {
    auto s = std::make_unique<LltSolver>();
    s->SetStations(in.span);
    s->cl = in.liftCoefficient;
    s->aspectRatio = in.aspectRatio;
    s->a1FromCl = 2.0 * in.liftCoefficient / (LltPi * in.aspectRatio);
    s->a3 = in.a3;
    s->a5 = in.a5;
    s->SetSeriesCirculation(s->a1FromCl, in.a3, in.a5);
    return s;
}

}  // namespace llt_test
