#pragma once
// Working record of the extended lifting-line method: Prandtl's lifting line for a wing with
// leading-edge sweep in sideslip, solved with Multhopp's quadrature at 101 interior stations of
// the full span plus a correction matrix for the quarter-chord sweep, the sideslip and the
// section lift slope. Two sequences fill a record, in the order of the operations below: the
// analysis of a wing of three trapezoids and the run of a wing file of ten segments. A record is
// filled once and then only read; it reads no window and writes the result files.

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/RecyclingAllocator.h"

// The method's pi, computed once at start-up.
inline const double EtlPi = std::acos(-1.0);

class EtlSolver {
  public:
    // Stations 0..102: 0 the tip of the first half (y = b/2), 51 the root (y = 0), 102 the other
    // tip. The system uses the stations 1..101.
    static constexpr int kStations = 103;
    static constexpr int kRoot = 51;
    static constexpr int kLastStation = 102;
    // Rows and columns 1..101 of the matrices are used; index 0 stays unused.
    static constexpr int kMatrixSize = 102;
    static constexpr int kSegments = 10;
    static constexpr int kTrapezoids = 3;

    using StationArray = std::vector<double>;
    // A record is replaced on every recomputation: its matrices reuse the memory of the last.
    using Matrix = std::vector<std::array<double, kMatrixSize>,
                               luvo::RecyclingAllocator<std::array<double, kMatrixSize>>>;
    using SectionArray = std::array<double, kSegments + 1>;      // sections 0..10, pieces 1..10
    using TrapezoidArray = std::array<double, kTrapezoids + 1>;  // trapezoids 1..3

    // Allocates the arrays; every value starts at 0.
    EtlSolver();

    // Quarter-chord sweep [rad] of a piece with inner and outer chord, leading-edge sweep [rad]
    // and length L (fraction of b/2), from the quarter-chord point of its inner section.
    static double QuarterChordSweep(double cIn, double cOut, double leadingEdgeSweep, double length,
                                    double halfSpan);
    // The quarter-chord sweeps [rad] of the trapezoids 1..3 from the analysis inputs (lengths in
    // per cent of b/2, leading-edge sweeps in degrees, chords in metres); 0 for a trapezoid of
    // length 0.
    static TrapezoidArray TrapezoidQuarterChordSweeps(double b, double phiVK1, double phiVK2,
                                                      double phiVK3, double lAB, double lBC,
                                                      double lCD, double cA, double cB, double cC,
                                                      double cD);

    // ---- analysis of three trapezoids A-B, B-C, C-D (lengths in per cent of b/2) ----
    void SetStations(double b);
    // Chords at A (root), B, C, D (tip) in metres.
    void SetTrapezoidChord(double b, double lAB, double lBC, double lCD, double cA, double cB,
                           double cC, double cD);
    // Leading-edge sweeps in degrees; needs the section chords of SetTrapezoidChord.
    void SetTrapezoidSweep(double b, double phiVK1, double phiVK2, double phiVK3, double lAB,
                           double lBC, double lCD);
    // Absolute angles of attack at A..D in degrees.
    void SetTrapezoidTwist(double b, double alphaA, double alphaB, double alphaC, double alphaD,
                           double lAB, double lBC, double lCD);
    void ComputePlanform();
    void BuildInfluenceMatrix(double b);
    // beta: sideslip [deg] as the caller hands it; f: the section lift slope is 2 pi f.
    void BuildSweepMatrixTrapezoid(double beta, double lAB, double lBC, double lCD, double f);
    void SolveCirculation();
    void ComputeInducedAngles();
    void ComputeCoefficients();

    // ---- wing-file run (etl/core/EtlGridFile.h): SetStations, ReadGridFile, SetSegmentSweep,
    // SetSegmentChord, ComputePlanform, BuildInfluenceMatrix, BuildSweepMatrixSegments,
    // SetSegmentTwist, then the solve as above ----
    // Fills `rootChord`, `rootTwist`, the segment arrays and the raw slots 1..11 of `chord` and
    // `twistDeg` from a wing file "*.fde". False, with the record unchanged, when the file cannot
    // be read or does not pass (see etl/core/EtlGridFile.h).
    bool ReadGridFile(const std::string& fileName);
    bool ReadGridText(std::string_view fileText);
    // Reads the raw chords, so it runs before SetSegmentChord.
    void SetSegmentSweep(double b);
    void SetSegmentChord(double b, double rootChordValue);
    void BuildSweepMatrixSegments(double beta, double f);
    void SetSegmentTwist(double b);

    // Whether the wing has results to show: its distributions (stations 1..101) finite, a wing
    // area and aspect ratio that are not 0, and every value the results window shows a number
    // there, not "---" (a wing of a huge span or root angle overflows on the way). The k-factor
    // of a wing whose lift coefficient shows as 0 is not asked: such a wing has none.
    bool HasShowableResults() const;

    // ---- result files (Latin-1, LF line ends); false when the file cannot be written ----
    bool WriteCirculationDistributionFile(const std::string& fileName) const;  // GammaUndCa.dat
    bool WriteCirculationFile(const std::string& fileName) const;              // Zirkulation.dat

    // ---- the record ----
    StationArray theta;         // station angle [rad]
    StationArray y;             // spanwise position [m], 0..101, positive on the first half
    StationArray chord;         // [m]; in the wing-file run slots 1..11 first hold the raw chords
    StationArray twistDeg;      // geometric angle of attack [deg], 0..51 (raw slots 1..11 first)
    StationArray alpha;         // geometric angle of attack [rad], 1..101
    StationArray gamma;         // circulation Gamma/(b V), 1..101
    StationArray ca;            // local lift coefficient, 1..101
    StationArray alphaInduced;  // induced angle of attack [rad], 1..101
    // 1 for a station of 1..101 whose lift slope f c cos(beta) / 2 is not a number above 0 (f or
    // chord not above 0, |beta| beyond 90 degrees): set by the sweep-matrix build, it carries no
    // circulation (a unit row in the system, right-hand side 0) and no lift.
    std::vector<unsigned char> withoutCirculation;
    Matrix influenceMatrix;  // Multhopp B_ij
    Matrix sweepMatrix;      // sweep and sideslip C_ij
    Matrix systemMatrix;     // combined M_ij, replaced by its LU factors

    SectionArray segmentLength{};                 // wing-file segments 1..10, fractions of b/2
    SectionArray segmentLeadingEdgeSweep{};       // [deg]
    SectionArray segmentQuarterChordSweep{};      // [rad]
    SectionArray sectionChord{};                  // 0 (root) .. 10 [m]
    SectionArray sectionTwist{};                  // 0 (root) .. 10 [deg]
    SectionArray sectionLength{};                 // 1..10, fractions of b/2
    TrapezoidArray trapezoidLeadingEdgeSweep{};   // [rad]
    TrapezoidArray trapezoidQuarterChordSweep{};  // [rad]

    double span = 0;                    // b [m]
    double area = 0;                    // S [m²]
    double aspectRatio = 0;             // b²/S
    double meanChord = 0;               // l_mue [m]
    double liftCoefficient = 0;         // CL
    double inducedDragCoefficient = 0;  // CDi
    double kFactor = 0;                 // CDi / (CL² / (pi Lambda))
    double gammaMax = 0;
    double caMax = 0;
    double sideslip = 0;   // beta [rad] as handed to the sweep matrix
    double rootChord = 0;  // of the wing file [m]
    double rootTwist = 0;  // of the wing file [deg]

  private:
    // The pieces of a wing: fractions of b/2 and the quarter-chord sweeps [rad], 1..n.
    struct Pieces {
        int count = 0;
        const double* length = nullptr;
        const double* quarterChordSweep = nullptr;
    };
    void StoreTrapezoidLengths(double lAB, double lBC, double lCD);
    // The piecewise-linear distribution of the section values v[0..n] over the pieces of
    // `sectionLength` into slots 0..51 of `out` (the first half only).
    void Distribute(const double* v, int n, StationArray& out) const;
    // A segment distribution from the root value and the raw slots 2..11 of `values`.
    void DistributeSegments(double root, StationArray& values, SectionArray& sections);
    // Slot 52 + m takes the value of slot 50 - m.
    static void MirrorToSecondHalf(StationArray& v);
    // `alpha` from `twistDeg`, mirrored.
    void SetAlphaFromTwist();
    void BuildSweepMatrix(double beta, const Pieces& pieces, double f);
};
