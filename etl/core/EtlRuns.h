#pragma once
// The two computations of the extended lifting-line method, each on a new record: the analysis
// of a wing of three trapezoids and the run of a wing file.

#include <memory>
#include <string>
#include <string_view>

#include "etl/core/EtlGridFile.h"
#include "etl/core/EtlSolver.h"

struct EtlAnalysisInputs {
    double span = 0;                            // b [m]
    double sideslip = 0;                        // beta [deg], handed to the sweep matrix as it is
    double liftSlopeFactor = 0;                 // f: the section lift slope is 2 pi f
    double sweep1 = 0, sweep2 = 0, sweep3 = 0;  // leading-edge sweeps of AB, BC, CD [deg]
    double lengthAB = 0, lengthBC = 0, lengthCD = 0;        // [% of b/2]
    double chordA = 0, chordB = 0, chordC = 0, chordD = 0;  // [m]
    double angleA = 0;                                      // root angle [deg]
    double angleB = 0, angleC = 0, angleD = 0;              // relative to the root [deg]
};

// The analysis sequence from the stations to the coefficients.
std::shared_ptr<EtlSolver> EtlSolveAnalysis(const EtlAnalysisInputs& in);

// The wing-file sequence for a header that passed, with `beta` [deg] the angle handed to the sweep
// matrix (the wing-file window negates the typed value). Null when the file (or text) does not
// pass the reader, or when its wing has no results to show (EtlSolver::HasShowableResults).
std::shared_ptr<EtlSolver> EtlSolveGridText(std::string_view fileText, const EtlGridHeader& header,
                                            double beta);
std::shared_ptr<EtlSolver> EtlSolveGridFile(const std::string& fileName,
                                            const EtlGridHeader& header, double beta);
