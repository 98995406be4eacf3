#pragma once
// Working record of the simple lifting-line method: Prandtl's lifting line for a straight,
// unswept wing, solved with Multhopp's quadrature at 101 interior stations of the full span.
// The record is filled step by step by its callers (see the operations below, in the order of an
// analysis); it reads no window and no file but the wing file, and writes the result files.

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "llt/core/LltRootAngleResult.h"

// The method's pi, computed once at start-up.
inline const double LltPi = std::acos(-1.0);

class LltSolver {
  public:
    // Stations 0..102: 0 the right tip (y = b/2), 51 the root (y = 0), 102 the left tip.
    static constexpr int kStations = 103;
    static constexpr int kRoot = 51;
    static constexpr int kLastStation = 102;
    // Rows and columns 1..101 of the Multhopp matrices are used; index 0 stays unused.
    static constexpr int kMatrixSize = 102;

    using StationArray = std::vector<double>;
    using Matrix = std::vector<std::array<double, kMatrixSize>>;
    using FitBlock = std::array<double, 4>;
    using FitMatrix = std::array<std::array<double, 4>, 4>;

    // Allocates the arrays; every value starts at 0.
    LltSolver();

    // ---- solver core ----
    void SetStations(double b);
    // Segment lengths in per cent of b/2, chords in metres.
    void SetTrapezoidChord(double b, double s1, double s2, double s3, double cA, double cB,
                           double cC, double cD);
    // Root angle and the angles of B, C, D relative to the root in degrees, lengths in per cent.
    void SetTrapezoidTwist(double b, double alphaA, double deltaB, double deltaC, double deltaD,
                           double s1, double s2, double s3);
    void ComputeArea();
    void BuildInfluenceMatrix(double b, double f);
    void SolveCirculation();
    void ComputeLocalLift();
    void ComputeLift();
    void ComputeInducedAngles();
    void ComputeInducedDrag();
    void ComputeMeanChord();

    // Trapezoid-rule area of the current chord over the right half, doubled; writes nothing.
    // The chord design's lift mode needs the area without replacing its prescribed aspect ratio.
    double TrapezoidArea() const;

    // ---- design relations (first coefficient A: a1, or a1FromCl in the lift mode) ----
    void SetSeriesCirculation(double firstCoefficient, double coefA3, double coefA5);
    void TwistFromFourier(double b, double coefA1, double coefA3, double coefA5, double f);
    void TwistFromFourierCl(double b, double coefA3, double coefA5, double f);
    void ChordFromFourier(double b, double coefA1, double coefA3, double coefA5, double f);
    void ChordFromFourierCl(double b, double coefA3, double coefA5, double f);
    void ComputeSeriesCoefficients(double firstCoefficient);
    // Circulation wanted at the stations 51, 41 and 30; mode 1.0 = a1 given, else lift given.
    void FitFourierCoefficients(double gamma51, double gamma41, double gamma30, double mode);

    // Root-angle search of the chord design's lift mode: scans the root angle from 90 down to
    // -90 degrees in steps of 0.05 for the wing whose trapezoid-rule area lies closest to
    // b²/aspectRatio (the first such angle), then refines between that angle's two neighbours to
    // 1e-6 of the target. Reads `theta`, `y`, `a1FromCl` and the prescribed `aspectRatio`; on
    // return twist and chord hold the distributions of the angle returned.
    LltRootAngleResult SearchRootAngle(double b, double deltaB, double deltaC, double deltaD,
                                       double s1, double s2, double s3, double coefA3,
                                       double coefA5, double f);

    // ---- result files (Latin-1, LF line ends); false when the file cannot be written ----
    bool WriteCirculationFile(const std::string& fileName) const;              // zirkulation.dat
    bool WriteTwistFile(const std::string& fileName) const;                    // alfaGeom.dat
    bool WriteChordFile(const std::string& fileName) const;                    // tiefe.dat
    bool WriteCirculationDistributionFile(const std::string& fileName) const;  // GammaUndCa.dat

    // ---- wing file "*.fdt" (llt/core/LltGridFile.h) ----
    // Reads the 52 pairs of twist [deg] and chord [m] after the file's header into `chord`,
    // `twistDeg` and `twistRad` (`chord` and `twistRad` mirrored to the left half). False, with
    // those arrays unchanged, when the file cannot be read, its header does not pass, its body
    // ends early or holds a word that is no number.
    bool ReadGridFile(const std::string& fileName);
    bool ReadGridText(std::string_view fileText);

    // ---- the record ----
    StationArray theta;          // station angle [rad]
    StationArray y;              // spanwise coordinate [m]
    StationArray seriesGamma;    // circulation of the design series, stations 0..51
    FitBlock fitValues{};        // 1..3: circulation wanted at stations 51, 41, 30
    FitBlock fitCoefficients{};  // 1..3: a1, a3, a5 of the fit
    StationArray chord;          // [m], 0..102
    StationArray twistDeg;       // geometric angle of attack [deg], 0..51 only
    StationArray twistRad;       // geometric angle of attack [rad], 0..102
    StationArray gamma;          // circulation Gamma/(b V), 0..102 (tips 0)
    StationArray workVector;     // forward-substitution vector
    StationArray ca;             // local lift coefficient, 1..101
    StationArray alphaInd;       // induced angle of attack [rad], 1..101
    FitMatrix fitMatrix{};       // 3 x 3 fit, rows and columns 1..3
    Matrix influence;            // Multhopp coefficients b_ij
    Matrix diagonal;             // (i, i): b_ii plus the lift-slope term (infinite where c f = 0)
    Matrix system;               // system matrix, replaced by its LU factors

    double twistMax = 0;
    double chordMax = 0;
    double gammaMax = 0;
    double caMax = 0;
    double twistMin = 0;
    double span = 0;  // b [m]
    double cl = 0;    // lift coefficient of the design tasks
    double a1 = 0;
    double a3 = 0;
    double a5 = 0;
    double a1FromCl = 0;
    double liftSlopeFactor = 0;  // f: section lift slope 2 pi f per radian
    double chordSegment1 = 0;    // segment lengths as fractions of b/2
    double chordSegment2 = 0;
    double chordSegment3 = 0;
    double chordA = 0;  // [m]
    double chordB = 0;
    double chordC = 0;
    double chordD = 0;
    double area = 0;         // S [m²]
    double aspectRatio = 0;  // b²/S
    double twistSegment1 = 0;
    double twistSegment2 = 0;
    double twistSegment3 = 0;
    double twistA = 0;  // absolute angles at A..D [deg]
    double twistB = 0;
    double twistC = 0;
    double twistD = 0;
    double cdiSeries = 0;  // induced drag of the design series
    double clSolved = 0;   // lift coefficient of the solved circulation
    double cdi = 0;        // induced drag of the solved circulation
    double meanChord = 0;  // l_mu [m]
    double kFactor = 0;
    // Running sums of the solve and of the induced angles: the steps keep them in local
    // variables, so both stay 0.
    double accumulator = 0;
    double inducedAccumulator = 0;
    double readTwist = 0;  // read buffers of the wing-file reader
    double readChord = 0;

  private:
    // Copies the right half into the left: station 52 + k takes the value of station 50 - k.
    static void MirrorToLeftHalf(StationArray& v);
    // `twistRad` of every station from `twistDeg` of the right half.
    void SetTwistRadians();
    // The extreme of v over the stations from..to, starting at `start`: a station's value takes
    // over whenever `takesOver(value, current)` holds.
    template <class TakesOver>
    static double RunningExtreme(double start, const StationArray& v, int from, int to,
                                 TakesOver takesOver) {
        double current = start;
        for (int i = from; i <= to; ++i) {
            if (takesOver(v[i], current)) {
                current = v[i];
            }
        }
        return current;
    }
    // TrapezoidArea for the chords c[0..51] of the right half.
    double TrapezoidAreaOf(const double* c) const;
    // c_i * f * 6.28, the lift-slope term's denominator.
    double LiftSlopeDenominator(int i) const;
    // The largest chord that still counts as zero: 1e-12 of the wing's largest chord. A station
    // on a breakpoint of chord 0 gets about 1e-15 from the interpolation, not 0 (the trapezoid
    // chord clears it; a chord set otherwise may still hold it).
    double ZeroChordLimit() const;
    bool ZeroChord(int i, double limit) const { return std::fabs(chord[i]) <= limit; }
    // A station of zero chord, or any station when f = 0, carries no circulation.
    bool CarriesNoCirculation(int i, double zeroChordLimit) const {
        return ZeroChord(i, zeroChordLimit) || LiftSlopeDenominator(i) == 0.0;
    }
    void TwistFromSeries(double b, double first, double coefA3, double coefA5, double f);
    void ChordFromSeries(double b, double first, double coefA3, double coefA5, double f);
};
