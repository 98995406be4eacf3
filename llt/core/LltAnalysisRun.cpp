#include "llt/core/LltAnalysisRun.h"

void LltSolveDistributions(LltSolver& s, double b, double f) {
    s.ComputeArea();
    s.BuildInfluenceMatrix(b, f);
    s.SolveCirculation();
    s.ComputeLocalLift();
    s.ComputeLift();
    s.ComputeInducedAngles();
    s.ComputeInducedDrag();
    s.ComputeMeanChord();
}

std::shared_ptr<LltSolver> LltSolveAnalysis(const LltAnalysisInputs& in) {
    auto s = std::make_shared<LltSolver>();
    s->SetStations(in.span);
    s->SetTrapezoidChord(in.span, in.s1, in.s2, in.s3, in.chordA, in.chordB, in.chordC, in.chordD);
    s->SetTrapezoidTwist(in.span, in.angleA, in.angleB, in.angleC, in.angleD, in.s1, in.s2, in.s3);
    // The record treats a factor of exactly 0 as sections without lift; a negative factor (the
    // field is not checked) would give a lift slope of the wrong sign, so it counts as 0 too.
    LltSolveDistributions(*s, in.span, in.liftSlope > 0.0 ? in.liftSlope : 0.0);
    return s;
}
