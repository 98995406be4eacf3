#pragma once
// The windows of the panel method's input side. A window that may exist only once is opened
// through its open flag; its close handler clears the flag, and the pointer is not used again
// until a new window is stored. The chooser has no flag: every "&OK" makes a new one, and the
// reference to the newest is empty once it is closed.

#include <wx/weakref.h>

class Panel3dSourceFrame;
class Panel3dGridInputFrame;
class Panel3dGeometryFrame;
class Panel3dDiscretisationFrame;
class Panel3dFlapFrame;

inline wxWeakRef<Panel3dSourceFrame> Panel3dSourceWindow;
inline Panel3dGridInputFrame* Panel3dGridInputWindow = nullptr;
inline bool Panel3dGridInputOpen = false;
inline Panel3dGeometryFrame* Panel3dGeometryWindow = nullptr;
inline bool Panel3dGeometryOpen = false;
inline Panel3dDiscretisationFrame* Panel3dDiscretisationWindow = nullptr;
inline bool Panel3dDiscretisationOpen = false;
inline Panel3dFlapFrame* Panel3dFlapWindow = nullptr;
inline bool Panel3dFlapOpen = false;

// Set while a run goes on, from its progress window to its end: the Start buttons, "A&nzeigen"
// and the method window's "&OK" then do nothing, and the input windows refuse to close.
inline bool Panel3dRunActive = false;
