#pragma once
// The vortex-lattice solver: one object per run. It builds the lattice of the interactive
// trapezoid wing or of a grid-file wing, the flat wake, solves the circulations with a flat or a
// relaxed wake and computes the loads, which it writes as three result files. Progress and phase
// texts go to the reporter handed in; the solver never touches a window.

#include <array>
#include <string>
#include <vector>

#include "common/core/DenseLu.h"
#include "common/core/RunReporter.h"
#include "vlm/core/VlmRecords.h"
#include "vlm/core/VlmSegments.h"
#include "vlm/core/VlmValues.h"

// Why a run ended without results.
enum class VlmRunError {
    kNone,
    kGridFile,        // the grid file is missing or malformed
    kInvalidInput,    // run values that would break the lattice
    kWakeFit,         // no wake growth ratio meets the wake length
    kSingularSystem,  // the linear system has no finite solution
    kOutOfMemory,
};

class VlmSolver {
  public:
    // Sizes every record and array from the counts of `values`, which it keeps a copy of.
    explicit VlmSolver(const VlmRunValues& values, luvo::RunReporter* reporter = nullptr);

    const VlmRunValues& Values() const { return values_; }

    // Lattice geometry.
    void BuildTrapezoidWing();
    void ComputeNacaBirnbaumCoefficients();
    void BuildWingFromGrid(const VlmGridTables& grid);
    void CopyGridBirnbaumCoefficients(const VlmGridTables& grid);
    void ComputeChordwiseDistribution();
    void FlattenLattice();
    void ComputeDampingRadius();
    // False when the wake growth ratio cannot be fitted (pass limit, or a ratio not finite).
    bool BuildWake();
    void PackVortexPoints();

    // Influence coefficients and linear system.
    void ComputeInfluenceSymmetric() { ComputeInfluence(true); }
    void ComputeInfluenceFull() { ComputeInfluence(false); }
    void AddWakeInfluenceSymmetric() { AddWakeInfluence(true); }
    void AddWakeInfluenceFull() { AddWakeInfluence(false); }
    void ComputeRhsSymmetric() { ComputeRhs(true); }
    void ComputeRhsFull() { ComputeRhs(false); }
    // Factor the matrix (which it replaces by the factors) and solve into `gamma`; false when
    // the system is singular or its solution not finite.
    bool SolveSymmetric() { return SolveFlat(true); }
    bool SolveFull() { return SolveFlat(false); }
    void ComputeTrailingCirculation();

    // The relaxed wake's system A_w + W E^T: the wing matrix A_w stays as it is; E marks the nx
    // columns of each strip (of the strip and its mirror in the half system); W holds each
    // strip's wake sums SB - SA for the wake as it lies now.
    std::vector<luvo::LowRankResolver::Entry> WakeColumnMarks(bool half) const;
    void ComputeWakeColumns(bool half, std::vector<double>& w);
    // Prepares the relaxed iterations after the wing matrix and right-hand side exist.
    void PrepareRelaxedSystem(bool half);
    // One iteration's solve with the current wake into `gamma`; false when singular.
    bool SolveRelaxedIteration(bool half);

    // Wake relaxation.
    void ComputeWakeVelocitiesSymmetric() { ComputeWakeVelocities(true); }
    void ComputeWakeVelocitiesFull() { ComputeWakeVelocities(false); }
    void AlignWakeSymmetric() { AlignWake(true); }
    void AlignWakeFull() { AlignWake(false); }

    // Loads, coefficients and the result files.
    void ComputeLoads();
    void ComputeForcesSymmetric() { ComputeForces(true); }
    void ComputeForcesFull() { ComputeForces(false); }
    // Writes the three result files with `digits` significant digits per value; returns the
    // names of those that could not be written.
    std::vector<std::string> WriteResultFiles(int digits = kResultDigits) const;
    static constexpr int kResultDigits = 8;

    // The solve sequence of a built lattice: system, wake, loads and files, with the progress
    // widths and status texts. kNone or kSingularSystem.
    VlmRunError Solve();

    // Whether this run solves the half system: no sideslip, the header allows it, and the
    // strips pair up.
    bool UsesHalfSystem() const;

    int chordwiseCount() const { return nx_; }
    int spanwiseCount() const { return ny_; }
    int elementCount() const { return nx_ * ny_; }

    // Records.
    std::vector<VlmSegment> segments;
    std::vector<VlmWakeRow> wakeRows;
    std::vector<VlmWakeWorkRow> wakeWorkRows;
    VlmMatrix halfMatrix;
    VlmMatrix fullMatrix;
    std::vector<double> stripLiftCoefficient;
    std::vector<double> stripCirculation;
    std::vector<double> rhsHalf;
    std::vector<double> rhsFull;
    std::vector<double> gamma;
    std::vector<double> trailingGamma;
    std::vector<double> wakeElementLength;

    // Sampling of the NACA camber lines.
    double rootMaxCamberAngle = 0.0;
    double tipMaxCamberAngle = 0.0;
    std::array<double, 1000> camberAngleRoot{}, camberAngleTip{};
    std::array<double, 1000> camberSlopeRoot{}, camberSlopeTip{};
    std::array<double, kVlmBirnbaumTerms> birnbaumSumRoot{}, birnbaumSumTip{};
    double slopeIntegralRoot = 0.0;
    double slopeIntegralTip = 0.0;
    std::vector<double> spanCosineOuter, spanCosineInner;

    // Per-element copies of the element points.
    VlmPointArrays boundA, boundMid, boundB, trailingEdgeA, trailingEdgeB;
    VlmPointArrays frontA, frontMid, frontB, rearA, rearMid, rearB;
    VlmPointArrays colloc, normal, legMid;
    VlmPointArrays boundVel, boundForce, legVel, legForce;
    std::vector<double> diagonal1, diagonal2;
    // Corners trailingEdgeA, boundA, boundB, trailingEdgeB of each element, element after element.
    std::vector<double> ringX, ringY, ringZ;
    std::vector<double> pressureDifference;

    // Chord fractions X(0..nx) of the stations and Glauert angles of the collocation points.
    std::vector<double> chordFraction;
    std::vector<double> collocAngle;
    double dampingRadius = 0.0;
    int wakeFitPasses = 0;
    double wakeGrowthRatio = 0.0;

    VlmResults results;
    std::vector<std::string> unwrittenFiles;  // of the last ComputeLoads

    // Wake passes after which the growth ratio counts as not fitting.
    static constexpr int kWakeFitPassLimit = 10000;

  private:
    void ComputeInfluence(bool half);
    void AddWakeInfluence(bool half);
    void ComputeRhs(bool half);
    bool SolveFlat(bool half);
    void MirrorHalfSolution();
    bool GammaFinite() const;
    // The wake's pieces as segments, filament after filament (q * nw + k), and the strength of
    // each wing and wake segment.
    void PackWakeSegments();
    void SegmentStrengths();
    void ComputeWakeVelocities(bool half);
    void AlignWake(bool half);
    void UpdateWakeMidpoints();
    void ComputeForces(bool half);
    // Velocity of the lattice, the wake and the free stream at p, the segments damped within
    // `radius` (0: only those on p's line left out), with the strengths of SegmentStrengths().
    VlmPoint InducedVelocity(const VlmPoint& p, double radius, VlmSegmentWork& work) const;
    // The same undamped at two points in one pass over the segments.
    void InducedVelocities(const VlmPoint& p, const VlmPoint& q, VlmPoint& atP,
                           VlmPoint& atQ) const;
    // (cos a cos b, cos a sin b, sin a): the free stream's direction, also the flat wake's.
    VlmPoint FreeStreamDirection() const;

    VlmRunValues values_;
    luvo::RunProgress progress_;
    int nx_ = 0;
    int ny_ = 0;
    int nw_ = 0;
    luvo::LowRankResolver relaxed_;
    VlmSegments
        wingSegments_;  // 3 per element: trailingEdgeA-boundA, boundA-boundB, boundB-trailingEdgeB
    VlmSegments wakeSegments_;
    std::vector<double> wingStrength_;
    std::vector<double> wakeStrength_;
    std::vector<double> wakeColumns_;
};
