#pragma once
// The record of one 3D panel computation: the wing inputs of an interactive wing, the operating
// point, the wing and wake panels, the arrays of the linear system, the per-strip and total
// results. A run creates one for its settings' counts, a preview for the module's
// (Panel3dModule.h); the model keeps the counts it was built with and uses only those, whatever
// the module values become later.
//
// Numbering: grid point (i, s) with i = 0..2N around a section (0 the upper trailing edge, N
// the leading edge, 2N the lower trailing edge) and s = 0..2M along the span (0 at y = +b/2).
// Strip j lies between stations j and j+1; wing panel 2N*j + i lies between points i and i+1
// of strip j. Trailing-edge wake panel j is behind strip j; free-wake panel j + 2M*r is row r
// of strip j.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/DenseLu.h"
#include "common/core/RunReporter.h"
#include "panel3d/core/Panel3dFreeWakePanel.h"
#include "panel3d/core/Panel3dInducedVelocity.h"
#include "panel3d/core/Panel3dPanel.h"
#include "panel3d/core/Panel3dTrailingEdgeWakePanel.h"
#include "panel3d/core/Panel3dWakeNode.h"

// What a model is built for. A preview's model needs no symmetry flag until a solve.
struct Panel3dModelSizes {
    int chordPanels = 0;                // N
    int spanPanels = 0;                 // M
    int wakeRows = 0;                   // nw
    int symmetric = 0;                  // sf, 0 or 1
    double trailingEdgeWakeFactor = 0;  // e
    double wakeLengthFactor = 0;        // wl [spans]
};

// The sizes the module values ask for.
Panel3dModelSizes Panel3dModuleSizes();

// The operating point a model is solved for, and the relaxation step under way (the bar's
// share of a step depends on both counts).
struct Panel3dOperatingPoint {
    double alpha = 0;        // [deg]
    double sideslip = 0;     // [deg], held with inverted sign
    int iteration = 0;       // 0-based relaxation step
    int iterationCount = 0;  // the window's step count truncated
};

// Where a run writes its result files.
struct Panel3dResultFileNames {
    std::string file3d;
    std::string fileCp;
    std::string fileCa;
};

struct Panel3dWingShape;

class Panel3dModel {
  public:
    // Largest model: 4MN wing panels, which the dense linear system squares.
    static constexpr int kMaxWingPanels = 10000;
    static constexpr int kMaxWakeRows = 200;

    // True when a model can be built for these sizes: N, M >= 1, 4MN <= 10,000, 1 <= nw <= 200,
    // sf 0 or 1, e and wl finite and above 0.
    static bool SizesAllowed(const Panel3dModelSizes& sizes);

    // A new model with its wing, wake and strip arrays, every value 0; null when the sizes are
    // not allowed or the memory is not there. The solver arrays come with AllocateSolverArrays.
    static std::shared_ptr<Panel3dModel> Create(const Panel3dModelSizes& sizes);

    // Models alive in the program (a leak shows as a count that keeps growing).
    static long LiveCount();

    explicit Panel3dModel(const Panel3dModelSizes& sizes);
    ~Panel3dModel();
    Panel3dModel(const Panel3dModel&) = delete;
    Panel3dModel& operator=(const Panel3dModel&) = delete;

    int ChordPanels() const { return sizes_.chordPanels; }
    int SpanPanels() const { return sizes_.spanPanels; }
    int WakeRows() const { return sizes_.wakeRows; }
    int Symmetric() const { return sizes_.symmetric; }
    double TrailingEdgeWakeFactor() const { return sizes_.trailingEdgeWakeFactor; }
    double WakeLengthFactor() const { return sizes_.wakeLengthFactor; }
    int WingPanelCount() const { return 4 * sizes_.chordPanels * sizes_.spanPanels; }
    int StripCount() const { return 2 * sizes_.spanPanels; }
    // n, the doublet strengths solved for: 4MN for the full model, 2MN for the half model.
    int SystemSize() const {
        return (4 - 2 * sizes_.symmetric) * sizes_.chordPanels * sizes_.spanPanels;
    }

    // The system's matrices, vectors and right-hand side for n unknowns, every value 0. A run
    // calls it at its first assembly (a preview never does); false when the memory is not
    // there, which leaves the arrays empty.
    bool AllocateSolverArrays();
    // Frees them once a run is done; the results stay.
    void ReleaseSolverArrays();

    // ---- grid file "*.fdp" ----
    // Reads the body of the grid file `fileName`: skips the 27 header tokens and
    // stores the (2N+1)(2M+1) points into the corners of every wing panel that shares them.
    // False when the file cannot be read, the body is short or a coordinate is no finite
    // number; the corners are then left as they were. Tokens after the body are ignored.
    bool ReadGridPoints(const std::string& fileName);
    bool ReadGridPointsText(std::string_view fileText);

    // ---- interactive wing ----
    // Mean-line height and half thickness [m] of the NACA section at the global x of a point on
    // the station y of the right half wing (0 <= y <= halfSpan).
    double NacaCamber(double x, double y) const;
    double NacaThickness(double x, double y) const;
    // The section and planform inputs of the right half wing.
    Panel3dWingShape WingShape() const;
    // The corners of all 4MN wing panels from the wing inputs, with the flaps deflected when a
    // deflection is set. False, with nothing written, for counts below 2 or inputs outside what
    // the geometry, discretisation and flap checks of the windows accept.
    bool GenerateWingGrid();

    // ---- preparing a solve ----
    // The geometry of every wing panel.
    void ComputeWingGeometry();
    // sigma = -Vinf . n of every wing panel for the operating point.
    void SetSourceStrengths();
    // `halfSpan` of a grid wing: half the y distance between the first and the last station.
    void TakeHalfSpanFromGrid();
    // True when the wing can be solved: every panel has a normal, four sides and a finite area,
    // the half span and the x extent of the tip section at station 0 are above 0.
    bool HasSoundWing() const;
    // The trailing-edge wake row from the wing's planar corners, with its panels' geometry.
    // False when a panel of the row has no normal or a side of no length, which the influence
    // kernels would turn into NaN.
    bool BuildTrailingEdgeWake();
    // The free-wake rows behind the trailing-edge row, along the free stream of the operating
    // point, with its panels' geometry. False, as above, when a row is too short to keep its
    // corners apart in double precision (a fitted growth far below 1 with many rows).
    bool BuildFreeWake();
    // `coreRadius`: the largest mean diagonal of the first half wing's panels times the factor.
    void SetCoreRadius(double factor);
    // Everything a solve needs once the wing corners are in place: wing geometry and sigma, the
    // half span of a grid wing, the check, both wake rows and the core radius. False when the
    // wing or its wake cannot be solved (nothing is built after a failed wing check).
    bool PrepareWing(double coreRadiusFactor);

    // ---- solving: call after PrepareWing, on a model whose symmetry flag fits ----
    // Where the bar and the phase texts of a run go (the starting window's); none headless.
    luvo::RunReporter* reporter = nullptr;
    // Right-hand side and influence matrix of the wing and the trailing-edge wake row with its
    // Kutta terms: the full model (sf 0), or the half model with the mirror terms (sf 1). Both
    // allocate the solver arrays when needed; they do nothing on a model of the other kind.
    // When wing and trailing-edge row are as at the last assembly (a further angle of a polar),
    // the matrix and its factors stay and only the right-hand side is formed anew, from the
    // source influences kept then: the same numbers as a full assembly.
    void AssembleSystem();
    void AssembleSymmetricSystem();
    // Flat wake: the free wake added, solved, the strengths of every wing and wake panel set.
    // False, with no strength changed, when the matrix is singular, a strength is not finite
    // or the system was not assembled for this kind of model.
    bool SolveSystem();
    bool SolveSymmetricSystem();
    // One relaxation step: solved with the free wake where it lies now. The assembled matrix
    // is factored in place once per assembly, and its factors serve every step.
    bool ResolveInIteration();
    bool ResolveSymmetricInIteration();
    // Re-aligns the free-wake rows with the local velocity at their nodes (the half model moves
    // its own half and mirrors it). The caller then updates the free-wake panels' geometry.
    void RelaxWake();
    void RelaxSymmetricWake();
    // The same step with the velocity at a node given by `velocity(freeStream, node)` (the
    // closed forms that the solver's kernels are checked against), for the model's own symmetry.
    using NodeVelocity =
        std::function<Panel3dVector(const Panel3dVector& freeStream, const Panel3dVector& at)>;
    void RelaxWith(const NodeVelocity& velocity);
    // Surface velocity, its magnitude and cp of every wing panel.
    void ComputeSurfaceVelocity();
    // Strip distributions and the wing's totals from cp.
    void ComputeCoefficients();
    // Totals this small are rounding noise of a symmetric load: the moments drop them to 0, and
    // a lift this small gives the pressure point no position.
    static constexpr double kCoefficientNoise = 1e-7;
    // The 3D, spanwise and chordwise files under these names, `digits` significant digits per
    // value; the names of the files that could not be written come back (the others are written
    // all the same).
    std::vector<std::string> WriteResultFiles(const Panel3dResultFileNames& names,
                                              int digits = kResultDigits) const;
    static constexpr int kResultDigits = 8;

    // What the sources, the free wake, its relaxation and the coefficients are computed for.
    Panel3dOperatingPoint operatingPoint;

    // ---- records (the wing panels come first) ----
    std::vector<Panel3dPanel> wingPanels;                        // 4MN
    std::vector<Panel3dTrailingEdgeWakePanel> trailingEdgeWake;  // 2M
    std::vector<Panel3dFreeWakePanel> freeWake;                  // 2M*nw
    // n x n matrix in one column-major block: entry (i, j) at i + j*n (luvo::ColumnMajor). Empty
    // from the first solve on, when the solver holds its factors in the same block.
    std::vector<double> influenceMatrix;     // wing and trailing-edge wake, with the Kutta terms
    std::vector<Panel3dWakeNode> wakeNodes;  // (2M+1)*nw
    std::vector<double> stripLift;           // local lift coefficient ca, 2M
    std::vector<double> stripCirculation;    // circulation for a free stream of 1 m/s, 2M
    std::vector<double> stripInducedDrag;    // local induced drag coefficient, 2M
    std::vector<double> stripChord;          // 2M
    std::vector<double> stripArea;           // 2M
    std::vector<double> stripNormalZ;        // 2M
    std::vector<double> forwardVector;       // n
    std::vector<double> solutionVector;      // n
    double inducedU = 0, inducedV = 0, inducedW = 0;  // the last kernel velocity
    std::vector<double> stripLiftDirectionZ;          // 2M
    std::vector<unsigned char> flapMarks;             // 4MN, 1 = the panel lies on a flap

    // ---- wing inputs of an interactive wing and results, in the record's order ----
    double chordwiseGrading = 0;  // 0.5 + 0.005 * slider position
    double spanwiseGrading = 0;   // 1 - min(|leading-edge sweep|, 18) * 0.4/15
    double totalLift = 0;         // cA
    double totalLiftCirculation = 0;
    double totalInducedDrag = 0;  // cWi
    double momentX = 0, momentY = 0, momentZ = 0;
    double referenceChord = 0;             // [m]
    double rootChord = 0, tipChord = 0;    // [m]
    double leadingEdgeSweep = 0;           // [deg]
    double quarterChordSweep = 0;          // [deg]
    double spanwiseAngle = 0;              // angle step of the spanwise point distribution
    double halfSpan = 0;                   // b/2 [m]
    double rootCamber = 0, tipCamber = 0;  // f/t [%]
    double rootCamberPosition = 0, tipCamberPosition = 0;  // xf/t [%]
    double rootThickness = 0, tipThickness = 0;            // d/t [%]
    double dihedral = 0;                                   // [deg]
    double rootIncidence = 0, tipIncidence = 0;            // setting angles [deg]
    double tipLeadingEdgeX = 0;
    double flapInnerEnd = 0, flapOuterEnd = 0;               // spanwise flap limits, fractions
    double hingePosition = 0;                                // along the chord, fraction
    double hingeHeight = 0;                                  // above the lower side / thickness
    double leftFlapDeflection = 0, rightFlapDeflection = 0;  // [deg], sign reversed
    // True for a wing of the interactive windows, whose run shows its phases in the
    // discretisation window; false for a grid-file wing.
    bool interactiveGrid = false;

    double coreRadius = 0;     // vortex core radius R [m]
    double referenceArea = 0;  // [m^2]
    double kFactor = 0;
    std::vector<double> rightHandSide;  // n
    double stepCount = 0;               // loop bound of the current solver step
    double wakeGrowth = 0;              // q, growth of the free-wake row lengths
    double firstWakeRowLength = 0;      // dl0 [m]: half the chord of the section at station 0
    double wakeLengthSum = 0;           // summed row lengths of the last fitting pass [m]
    double progressPercent = 0;         // last per cent drawn on the progress bar

    // The free wake's share of the system, one column per solved strip j: the summed doublet
    // potentials of its free-wake panels (and their mirror images) at every control point. It
    // enters column 2N*j with a minus and column 2N(j+1)-1 with a plus.
    std::vector<double> wakeColumns;  // n x (2M or M), column-major

  private:
    bool Solve(bool symmetric, bool inIteration);
    void Assemble(bool symmetric);
    // The matrix of wing and trailing-edge row with the Kutta terms into `matrix` (n x n) and,
    // where given, the right-hand side.
    void FillSystem(bool symmetric, double* matrix, double* rhs) const;
    // The unit source potentials of all wing panels at the n control points, row i at i * 4MN.
    void FillSourceInfluence(double* kept) const;
    // The free wake's columns. A relaxation step takes the paired arctangents of the potentials
    // (several times faster); the flat solve sums them term by term like the assembly, so that
    // its results do not depend on the processor's vector maths.
    void ComputeWakeColumns(bool symmetric, double ownPercent, double mirrorPercent, bool relaxing);
    void Relax(bool symmetric);
    void RelaxNodes(bool symmetric, const NodeVelocity& velocity);
    // The wing and trailing-edge row geometry that the matrix depends on, with n and sf.
    std::vector<double> MatrixKey() const;
    // Forgets the kept matrix, its factors and the source influences.
    void ForgetAssembly();
    // A panel the influence kernels can work with: a normal and four sides of finite length.
    static bool HasNormalAndSides(const Panel3dPanel& p);

    Panel3dModelSizes sizes_;
    // The LU of the assembled matrix, factored in place, with the Kutta columns of the free wake,
    // kept from one relaxation step to the next; its block goes back to influenceMatrix when an
    // assembly needs a new matrix.
    luvo::LowRankResolver resolver_;
    // The panels' velocity terms of the last relaxation step.
    Panel3dInducedVelocity induced_;
    bool resolverReady_ = false;
    bool assembled_ = false;
    // What the assembled matrix was built from (empty: nothing kept), and, from the second
    // angle on, the potentials of the unit sources of all wing panels at the n control points,
    // row i at i * 4MN.
    std::vector<double> matrixKey_;
    std::vector<double> sourceInfluence_;
};
