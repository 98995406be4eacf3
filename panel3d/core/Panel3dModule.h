#pragma once
// The shared state of the 3D panel method's model and solver. The input windows write it, the
// runs and the model operations read it; it lives until the program ends and nothing of it is
// saved. The counts and wake values describe the model that the next run or preview builds;
// a model built earlier keeps its own copies (Panel3dModel).

#include <cmath>
#include <memory>
#include <string>

class Panel3dModel;

// Panels per side of a section (N) and per half span (M), and the point counts 2N+1 and 2M+1
// of the grid; from the grid-file header or the discretisation window.
inline int Panel3dChordPanelCount = 0;
inline int Panel3dSpanPanelCount = 0;
inline int Panel3dChordPointCount = 0;
inline int Panel3dSpanPointCount = 0;

// Wake values of the grid-file header; an interactive run uses those of the last grid file
// read, or these start values.
inline int Panel3dWakeRowCount = 25;                // nw free-wake rows
inline double Panel3dTrailingEdgeWakeFactor = 0.1;  // trailing-edge row length / local chord
inline double Panel3dWakeLengthFactor = 5.0;        // free-wake length in spans

// 1: only the first half wing (strips 0 to M-1) is solved and mirrored; 0: the full model.
inline int Panel3dSymmetryFlag = 1;

inline const double Panel3dPi = std::acos(-1.0);
inline const double Panel3dInv4pi = 0.25 / std::acos(-1.0);

// The newest model of a run or preview. Windows that draw a model hold their own reference,
// so a replaced model lives on until its last holder lets it go.
inline std::shared_ptr<Panel3dModel> Panel3dPanelModel;

// The operating point being solved [deg]; the sideslip is held with inverted sign.
inline double Panel3dRunAlpha = 0;
inline double Panel3dRunSideslip = 0;

// 0-based number of the current relaxation step, and the window's step count truncated.
inline int Panel3dIteration = 0;
inline int Panel3dIterationCount = 0;

// Total lift coefficient of the first and last point of a lift polar.
inline double Panel3dFirstLift = 0;
inline double Panel3dLastLift = 0;

// dl0 [m]: length of the first free-wake row, half the chord of the section at station 0.
inline double Panel3dFirstWakeRowLength = 0;

inline std::string Panel3dGridFileName;
inline std::string Panel3dResult3dFileName;
inline std::string Panel3dResultCpFileName;
inline std::string Panel3dResultCaFileName;
