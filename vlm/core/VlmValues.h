#pragma once
// The values one vortex-lattice run works on: the inputs a run driver hands over, the tables of
// a grid file "*.fdw" and the results the results window shows and the files hold. Plain values;
// a run copies what it needs and keeps nothing of them afterwards.

#include <array>
#include <string>
#include <vector>

// The method's pi.
inline const double VlmPi = 3.14159265358979323846;

// Birnbaum coefficients A0..A20 carried per section.
constexpr int kVlmBirnbaumTerms = 21;

// Inputs of one run. Angles in degrees, lengths in metres.
struct VlmRunValues {
    int wakeElementCount = 0;            // nw
    double wakeLength = 0.0;             // wake length as a multiple of the span
    int symmetryFlag = 0;                // 0 lets a run without sideslip use the half system
    int chordwiseCount = 0;              // nx
    int spanwiseCount = 0;               // ny, strips over the whole span
    double distributionParameter = 0.0;  // k, chordwise spacing, 1..100
    int segmentCount = 0;                // nseg
    std::vector<int> stripsPerSegment;   // nseg entries adding up to ny
    std::vector<double> dihedral;        // nseg entries [deg]
    double alpha = 0.0;
    double beta = 0.0;  // the sideslip angle with its sign reversed
    int birnbaumCount = 0;
    int iterationCount = 0;
    double dampingFactor = 0.0;  // factor on the damping radius, grid-file route only
    int wakeModel = 0;           // 0 flat, 1 relaxed
    double freeStreamSpeed = 1.0;
    double density = 1.0;
    int gridRoute = 0;  // 1 for a wing read from a grid file
    double span = 0.0;
    double rootChord = 0.0;
    double tipChord = 0.0;
    double sweep = 0.0;  // leading edge [deg]
    double rootIncidence = 0.0;
    double tipIncidence = 0.0;
    double rootCamber = 0.0;          // per cent of the chord
    double tipCamber = 0.0;           // per cent of the chord
    double rootCamberPosition = 0.0;  // tenths of the chord
    double tipCamberPosition = 0.0;   // tenths of the chord
    std::string result3dFileName;
    std::string resultCpFileName;
    std::string resultCaFileName;
};

// What a grid file holds beyond the counts: stations (the cuts between segments, station 0 at
// the largest y), strip boundaries (the same order) and each station's Birnbaum coefficients.
struct VlmGridTables {
    std::vector<double> stationLeadingX, stationLeadingY, stationLeadingZ;
    std::vector<double> stationTrailingX, stationTrailingY, stationTrailingZ;
    std::vector<double> stripEdgeLeadingX, stripEdgeLeadingY, stripEdgeLeadingZ;
    std::vector<double> stripEdgeTrailingX, stripEdgeTrailingY, stripEdgeTrailingZ;
    // stationBirnbaum[k][t]: coefficient A_k of station t.
    std::array<std::vector<double>, kVlmBirnbaumTerms> stationBirnbaum;
};

// Results of one run.
struct VlmResults {
    int chordwiseCount = 0;
    int spanwiseCount = 0;
    double span = 0.0;
    double refArea = 0.0;   // S [m^2]
    double refChord = 0.0;  // l_mue [m]
    double ca = 0.0;
    double cwi = 0.0;
    double kFactor = 0.0;  // 0/0 (NaN) for a wing without lift
    double cmx = 0.0;
    double cmy = 0.0;
    double cmz = 0.0;
    double liftPerSpan = 0.0;                            // L/b
    std::vector<double> spanY, spanCa, spanCirculation;  // per strip
    // cp of strip 0 (right tip) and of strip ny/2 - 1 (root): upper side from the trailing to the
    // leading edge, then the lower side back.
    std::vector<double> cpTipX, cpTip, cpRootX, cpRoot;
    double cpTipLeadingX = 0.0;
    double cpTipTrailingX = 0.0;
    double cpRootLeadingX = 0.0;
    double cpRootTrailingX = 0.0;
};
