#pragma once
// The shared state of the 3D panel method's windows. The input windows and a run that ends well
// write it, the windows read it and fill a run's settings from it; it lives until the program
// ends and nothing of it is saved. The counts and wake values describe the model that the next
// run or preview builds; a model built earlier keeps its own copies (Panel3dModel).

#include <cmath>
#include <memory>

class Panel3dModel;

namespace panel3d {

// The wake of a wing without a grid file until a grid file gives its own: nw, e, wl.
constexpr int kPanel3dStartWakeRows = 25;
constexpr double kPanel3dStartTrailingEdgeWakeFactor = 0.1;
constexpr double kPanel3dStartWakeLengthFactor = 5.0;

// Panels per side of a section (N) and per half span (M), and the point counts 2N+1 and 2M+1
// of the grid; from the grid-file header or the discretisation window.
inline int Panel3dChordPanelCount = 0;
inline int Panel3dSpanPanelCount = 0;
inline int Panel3dChordPointCount = 0;
inline int Panel3dSpanPointCount = 0;

// Wake values of the grid-file header; an interactive run uses those of the last grid file
// read, or these start values.
inline int Panel3dWakeRowCount = kPanel3dStartWakeRows;  // nw free-wake rows
// Trailing-edge row length / local chord, and the free-wake length in spans.
inline double Panel3dTrailingEdgeWakeFactor = kPanel3dStartTrailingEdgeWakeFactor;
inline double Panel3dWakeLengthFactor = kPanel3dStartWakeLengthFactor;

// 1: only the first half wing (strips 0 to M-1) is solved and mirrored; 0: the full model.
inline int Panel3dSymmetryFlag = 1;

inline const double Panel3dPi = std::acos(-1.0);
inline const double Panel3dInv4pi = 0.25 / std::acos(-1.0);

// The newest model of a run or preview. Windows that draw a model hold their own reference,
// so a replaced model lives on until its last holder lets it go.
inline std::shared_ptr<Panel3dModel> Panel3dPanelModel;

}  // namespace panel3d
