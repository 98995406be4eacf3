#pragma once
// Inputs and call sequences of the lifting-line tests and benchmarks: the task windows' default
// inputs, the analysis run of the analysis window and the design runs of the two design windows,
// step by step as the windows call the record.

#include <memory>

#include "llt/LltAnalysisRun.h"
#include "llt/LltDesignTasks.h"
#include "llt/LltSolver.h"

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

struct TrapezoidWing {
    double span, liftSlope;
    double s1, s2, s3;          // segment lengths [% of b/2]
    double cA, cB, cC, cD;      // chords [m]
    double alphaA, dB, dC, dD;  // root angle and angles relative to it [deg]
};

// The analysis window's default inputs as a wing.
inline TrapezoidWing AnalysisDefaults() {
    const LltAnalysisInputs in = AnalysisWindowInputs();
    return {in.span,   in.liftSlope, in.s1,     in.s2,     in.s3,     in.chordA, in.chordB,
            in.chordC, in.chordD,    in.angleA, in.angleB, in.angleC, in.angleD};
}

inline std::unique_ptr<LltSolver> RunAnalysis(const TrapezoidWing& w) {
    auto s = std::make_unique<LltSolver>();
    s->SetStations(w.span);
    s->SetTrapezoidChord(w.span, w.s1, w.s2, w.s3, w.cA, w.cB, w.cC, w.cD);
    s->SetTrapezoidTwist(w.span, w.alphaA, w.dB, w.dC, w.dD, w.s1, w.s2, w.s3);
    LltSolveDistributions(*s, w.span, w.liftSlope);
    return s;
}

// Twist design, lift mode (the twist design window's start-up mode).
inline std::unique_ptr<LltSolver> RunTwistDesignLiftMode(const TrapezoidWing& w,
                                                         double liftCoefficient, double a3,
                                                         double a5) {
    auto s = std::make_unique<LltSolver>();
    s->SetStations(w.span);
    s->SetTrapezoidChord(w.span, w.s1, w.s2, w.s3, w.cA, w.cB, w.cC, w.cD);
    s->ComputeArea();
    s->cl = liftCoefficient;
    s->a1FromCl = 2.0 * liftCoefficient / (LltPi * s->aspectRatio);
    s->a3 = a3;
    s->a5 = a5;
    s->SetSeriesCirculation(s->a1FromCl, a3, a5);
    s->TwistFromFourierCl(w.span, a3, a5, w.liftSlope);
    s->ComputeSeriesCoefficients(s->a1FromCl);
    s->ComputeMeanChord();
    return s;
}

inline std::unique_ptr<LltSolver> RunChordDesignA1Mode(const LltChordDesignInputs& in) {
    auto s = std::make_unique<LltSolver>();
    s->SetStations(in.span);
    s->a1 = in.a1;
    s->a3 = in.a3;
    s->a5 = in.a5;
    s->SetSeriesCirculation(in.a1, in.a3, in.a5);
    s->SetTrapezoidTwist(in.span, in.rootAngle, in.angleB, in.angleC, in.angleD, in.s1, in.s2,
                         in.s3);
    s->ChordFromFourier(in.span, in.a1, in.a3, in.a5, in.liftSlope);
    s->ComputeArea();
    s->cl = in.a1 * s->aspectRatio * LltPi * 0.5;
    s->ComputeSeriesCoefficients(in.a1);
    s->ComputeMeanChord();
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
