#pragma once
// The shared window state of the vortex-lattice method: the names of the files of a run and the
// windows. Each input window exists at most once, whichever method window opened it; it is held
// by a weak reference, which its close handler (or a run that closes it) empties at once and
// which empties itself when the window is deleted by any other way, so the window counts as open
// exactly while the reference names it. Everything starts empty, null or false and lives until
// the program ends.

#include <wx/string.h>
#include <wx/weakref.h>

class VlmGridInputFrame;
class VlmGeometryFrame;
class VlmDiscretisationFrame;
namespace luvo {
class ProgressFrame;
}
using VlmProgressFrame = luvo::ProgressFrame;
class VlmResultsFrame;

namespace vlm {

// File names as the windows show them; a run copies its window's labels in when it starts.
inline wxString VlmGridFileName;
inline wxString VlmResult3dFileName;
inline wxString VlmResultCpFileName;
inline wxString VlmResultCaFileName;

// The input windows; each is open while its reference names it and it is not about to be
// deleted (common/gui/SingleWindow.h).
inline wxWeakRef<VlmGridInputFrame> VlmGridInputWindow;
bool VlmGridInputOpen();
inline wxWeakRef<VlmGeometryFrame> VlmGeometryWindow;
bool VlmGeometryOpen();
inline wxWeakRef<VlmDiscretisationFrame> VlmDiscretisationWindow;
bool VlmDiscretisationOpen();
// The progress window of the run going on, or null: the run empties it when it destroys the
// window.
inline VlmProgressFrame* VlmProgressWindow = nullptr;
// Each run that ends with results makes a new results window; this names the latest while it
// exists.
inline wxWeakRef<VlmResultsFrame> VlmResultsWindow;

// Set from a run's progress window to its end: a second start does nothing meanwhile, and the
// windows the run reads from refuse to close.
inline bool VlmRunActive = false;

}  // namespace vlm
