#include "etl/core/EtlRuns.h"

std::shared_ptr<EtlSolver> EtlSolveAnalysis(const EtlAnalysisInputs& in) {
    auto s = std::make_shared<EtlSolver>();
    const double b = in.span;
    // The window holds the angles at B, C, D relative to the root.
    const double alphaB = in.angleB + in.angleA;
    const double alphaC = in.angleC + in.angleA;
    const double alphaD = in.angleD + in.angleA;
    s->SetStations(b);
    s->SetTrapezoidChord(b, in.lengthAB, in.lengthBC, in.lengthCD, in.chordA, in.chordB, in.chordC,
                         in.chordD);
    s->SetTrapezoidSweep(b, in.sweep1, in.sweep2, in.sweep3, in.lengthAB, in.lengthBC, in.lengthCD);
    s->SetTrapezoidTwist(b, in.angleA, alphaB, alphaC, alphaD, in.lengthAB, in.lengthBC,
                         in.lengthCD);
    s->ComputePlanform();
    s->BuildInfluenceMatrix(b);
    s->BuildSweepMatrixTrapezoid(in.sideslip, in.lengthAB, in.lengthBC, in.lengthCD,
                                 in.liftSlopeFactor);
    s->SolveCirculation();
    s->ComputeInducedAngles();
    s->ComputeCoefficients();
    return s;
}

namespace {

template <class ReadTable>
std::shared_ptr<EtlSolver> SolveGrid(const EtlGridHeader& header, double beta,
                                     ReadTable readTable) {
    auto s = std::make_shared<EtlSolver>();
    const double b = header.span;
    s->SetStations(b);
    if (!readTable(*s)) {
        return nullptr;
    }
    s->SetSegmentSweep(b);
    s->SetSegmentChord(b, header.rootChord);
    s->ComputePlanform();
    s->BuildInfluenceMatrix(b);
    s->BuildSweepMatrixSegments(beta, header.liftSlopeFactor);
    s->SetSegmentTwist(b);
    s->SolveCirculation();
    s->ComputeInducedAngles();
    s->ComputeCoefficients();
    // A wing whose numbers overflow or vanish has no results to show, only "---" or 0.
    if (!s->HasShowableResults()) return nullptr;
    return s;
}

}  // namespace

std::shared_ptr<EtlSolver> EtlSolveGridText(std::string_view fileText, const EtlGridHeader& header,
                                            double beta) {
    return SolveGrid(header, beta, [&](EtlSolver& s) { return s.ReadGridText(fileText); });
}

std::shared_ptr<EtlSolver> EtlSolveGridFile(const std::string& fileName,
                                            const EtlGridHeader& header, double beta) {
    return SolveGrid(header, beta, [&](EtlSolver& s) { return s.ReadGridFile(fileName); });
}
