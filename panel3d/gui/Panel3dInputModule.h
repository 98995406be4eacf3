#pragma once
// The windows of the panel method's input side. A window that may exist only once is held by a
// weak reference and counts as open exactly while the reference names it: its close handler (or
// a run that closes it) empties the reference at once, although the frame is deleted only when
// the program is next idle, and a window deleted by any other way empties it too. The chooser
// may exist more than once: every "&OK" makes a new one, and the reference names the newest
// while it exists.

#include <wx/weakref.h>

class Panel3dSourceFrame;
class Panel3dGridInputFrame;
class Panel3dGeometryFrame;
class Panel3dDiscretisationFrame;
class Panel3dFlapFrame;

namespace panel3d {

inline wxWeakRef<Panel3dSourceFrame> Panel3dSourceWindow;
// The input windows; each is open while its reference names it and it is not about to be
// deleted (common/gui/SingleWindow.h).
inline wxWeakRef<Panel3dGridInputFrame> Panel3dGridInputWindow;
bool Panel3dGridInputOpen();
inline wxWeakRef<Panel3dGeometryFrame> Panel3dGeometryWindow;
bool Panel3dGeometryOpen();
inline wxWeakRef<Panel3dDiscretisationFrame> Panel3dDiscretisationWindow;
bool Panel3dDiscretisationOpen();
inline wxWeakRef<Panel3dFlapFrame> Panel3dFlapWindow;
bool Panel3dFlapOpen();

// Set while a run goes on, from its progress window to its end: the Start buttons, "A&nzeigen"
// and the method window's "&OK" then do nothing, and the input windows refuse to close.
inline bool Panel3dRunActive = false;

}  // namespace panel3d
