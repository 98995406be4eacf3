#pragma once
// The state the windows of the supersonic method share. At most one design window (the parts or
// the contour window) exists at a time; its reference says which, and its controls and canvases
// act on it. A reference empties itself when its window is deleted; a close handler empties it
// at once, since a closed frame is deleted only when the program is next idle.

#include <wx/weakref.h>

#include "supersonic/core/SupersonicSolver.h"

class SupersonicPartsFrame;
class SupersonicContourFrame;
class SupersonicProfile;

namespace supersonic {

// The design windows; each is open while its reference names it and it is not about to be
// deleted (common/gui/SingleWindow.h).
inline wxWeakRef<SupersonicPartsFrame> g_partsFrame;
bool g_partsFrameOpen();
inline wxWeakRef<SupersonicContourFrame> g_contourFrame;
bool g_contourFrameOpen();

// The profile of the open design window, which owns it; null while none is open.
inline SupersonicProfile* g_profile = nullptr;

// The numerics hold no data: one object for the whole program, valid as long as it runs.
inline SupersonicSolver theSolver;
inline SupersonicSolver* g_solver = &theSolver;

}  // namespace supersonic
