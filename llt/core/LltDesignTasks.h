#pragma once
// The two design tasks of the simple lifting-line method without their windows: the
// recomputation of each task from the values of its fields, the texts of its result labels, and
// what a drag on one of its plots writes into which field.
//
// Twist design: the circulation series and the chord are given, the twist follows.
// Chord design: the circulation series and the twist are given, the chord follows; when the
// series is given through the lift coefficient, the root angle is searched so that the wing's
// area matches the prescribed aspect ratio.
//
// Both windows keep the choice of their circulation radio box as a number: 1.0 means a1 given,
// any other value the lift coefficient.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/core/DragSteps.h"
#include "llt/core/LltInputChecks.h"
#include "llt/core/LltRootAngleResult.h"
#include "llt/core/LltSolver.h"

// ---- twist design ----

struct LltTwistDesignInputs {
    double span = 0;             // b [m]
    double liftCoefficient = 0;  // CL (lift mode)
    double liftSlope = 0;        // f: the section lift slope is 2 pi f
    double a1 = 0;               // first coefficient (a1 mode)
    double a3 = 0, a5 = 0;
    double s1 = 0, s2 = 0, s3 = 0;                          // segment lengths [% of b/2]
    double chordA = 0, chordB = 0, chordC = 0, chordD = 0;  // [m]
    double circulationMode = 0;
};

// A new record from the stations to the mean chord.
std::shared_ptr<LltSolver> LltRunTwistDesign(const LltTwistDesignInputs& in);

// The six result labels; a value that is not finite (first coefficient 0) shows "---".
struct LltTwistDesignTexts {
    std::string area, meanChord, aspectRatio, lift, inducedDrag, kFactor;
};
LltTwistDesignTexts LltTwistDesignResultTexts(const LltSolver& s);

// ---- chord design ----

struct LltChordDesignInputs {
    double span = 0;             // b [m]
    double liftCoefficient = 0;  // CL (lift mode)
    double liftSlope = 0;        // f
    double aspectRatio = 0;      // prescribed Lambda (lift mode)
    double a1 = 0;               // first coefficient (a1 mode)
    double a3 = 0, a5 = 0;
    double rootAngle = 0;                       // [deg] (a1 mode; searched in the lift mode)
    double angleB = 0, angleC = 0, angleD = 0;  // relative to the root [deg]
    double s1 = 0, s2 = 0, s3 = 0;              // segment lengths [% of b/2]
    double circulationMode = 0;
};

struct LltChordDesignResult {
    std::shared_ptr<LltSolver> record;
    bool liftMode = true;
    // The root angle of the wing [deg]: the field's in the a1 mode, the one searched in the lift
    // mode.
    double rootAngle = 0;
    LltRootAngleResult search;  // lift mode only
    // Texts of the result labels; `rootAngle` is written in the lift mode only.
    std::string area, meanChord, aspectRatio, rootAngleText, lift, inducedDrag, kFactor;

    // True when in the lift mode no root angle gives the twist the area b²/Lambda: the area label
    // then shows the wing's own area, and the window must say so.
    bool AreaMissed() const { return liftMode && !search.reached; }
};

LltChordDesignResult LltRunChordDesign(const LltChordDesignInputs& in);

// What the chord design's first status field says when no root angle gives the area.
extern const char* const kLltAreaMissedStatus;

// ---- drags ----
// A press picks the handles by the rules below; they follow the pointer until the release.

// The three red handles of a circulation plot, in the plot's logical pixels (device origin
// (50, 110), y downwards): the root (station 51), station 41 and station 30.
enum class LltCirculationHandle { None, Root, Station41, Station30 };
// The handle whose box holds a press at (x, y): the plot's height above the axis, within ten
// pixels of the handle's column.
LltCirculationHandle LltPickCirculationHandle(int x, int y);

// One motion step with a button held over the circulation plot: the texts ("%2.2f") written, in
// this order, into the lift coefficient, a1, a3 and a5 fields. The held handle takes the
// circulation -y A / 60 while the pointer is within the plot's height above the axis, and the
// series is refitted through the three handles; with no handle held, or the pointer beyond that
// height, the unchanged values are refitted.
std::vector<LltWrite> LltTwistDesignCirculationDrag(const LltTwistDesignInputs& in,
                                                    LltCirculationHandle held, int y);
// As above for the chord design. In the a1 variant the lift coefficient field is not written:
// the working record knows no aspect ratio there, and the field is neither used nor shown in
// that mode.
std::vector<LltWrite> LltChordDesignCirculationDrag(const LltChordDesignInputs& in,
                                                    LltCirculationHandle held, int y);

// The first coefficient of the series that the fields give, by which the circulation plot
// divides gamma. A circulation drag works from the fields at its press, and the plot keeps this
// scale of the press until the release, so that the dragged handle stays under the pointer.
double LltTwistDesignCirculationScale(const LltTwistDesignInputs& in);
double LltChordDesignCirculationScale(const LltChordDesignInputs& in);

// A handle that a drag moved: the text for its field, and the top-left corner of the 4 x 4 mark
// that the drag draws at the pointer after the write.
struct LltHandleMove {
    LltWrite write;
    int markX = 0;
    int markY = 0;
};

// The rows of a plot in which the section handles B, C and D take the pointer: chords from the
// axis down to 90 pixels, relative angles from 3 degrees (y = -60) down to -2 degrees (y = 40).
struct LltHandleRows {
    int top;
    int bottom;
    bool Contain(int y) const { return top <= y && y <= bottom; }
};
inline constexpr LltHandleRows kLltChordRows{0, 90};
inline constexpr LltHandleRows kLltTwistRows{-60, 40};

// The columns of the section handles B, C and D (segment lengths in % of b/2): the half span is
// 200 pixels wide.
std::array<double, 3> LltSectionColumns(double s1, double s2, double s3);
// The handles B, C, D (0, 1, 2) that a press at (x, y) picks: within the rows, each whose column
// lies within two pixels of x, so that handles sharing a column are picked together.
luvo::DragHandles LltPickSectionHandles(double s1, double s2, double s3, LltHandleRows rows, int x,
                                        int y);

// The row of the centre of a section handle's 4 x 4 mark as the plots draw it: the value's row,
// or the edge of the handle rows for a value beyond them, where the mark stays on its canvas.
// Chords: 150 c / (b/2) pixels below the axis; angles relative to the root: 20 pixels per degree
// upwards.
double LltChordMarkRow(double span, double chord);
double LltTwistMarkRow(double relativeAngle);
// As above, and also each handle whose mark (centre rows `markRows`) lies within the pick
// tolerance of the press, wherever the mark is drawn.
luvo::DragHandles LltPickSectionHandles(double s1, double s2, double s3, LltHandleRows rows, int x,
                                        int y, const std::array<double, 3>& markRows);

// Twist design, chord plot (device origin (50, 75)): the held grey handles of B, C and D take the
// chord (b/2) y / 150 while the pointer is within the chord rows.
std::vector<LltHandleMove> LltTwistDesignChordDrag(double span, double s1, double s2, double s3,
                                                   luvo::DragHandles held, int y);
// Chord design, twist plot (device origin (45, 90)): the held blue handles of B, C and D take the
// angle relative to the root -y / 20 while the pointer is within the twist rows.
std::vector<LltHandleMove> LltChordDesignTwistDrag(double s1, double s2, double s3,
                                                   luvo::DragHandles held, int y);
