#pragma once
// The state the windows of the supersonic method share: at most one design window (the parts or
// the contour window) exists at a time; the flags say which, and its controls and canvases act
// on it.

class SupersonicPartsFrame;
class SupersonicContourFrame;
class SupersonicProfile;
class SupersonicSolver;

extern SupersonicPartsFrame* g_partsFrame;
extern bool g_partsFrameOpen;
extern SupersonicContourFrame* g_contourFrame;
extern bool g_contourFrameOpen;
// The profile of the open design window, which owns it; null while none is open.
extern SupersonicProfile* g_profile;
// The numerics hold no data: one object for the whole program, valid as long as it runs.
extern SupersonicSolver* g_solver;
