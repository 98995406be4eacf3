#pragma once
// The shared window state of the vortex-lattice method: the names of the files of a run and the
// windows with their open flags. Each input window exists at most once, whichever method window
// opened it; everything starts empty, null or false and lives until the program ends.

#include <wx/string.h>

class VlmGridInputFrame;
class VlmGeometryFrame;
class VlmDiscretisationFrame;
namespace luvo {
class ProgressFrame;
}
using VlmProgressFrame = luvo::ProgressFrame;
class VlmResultsFrame;

// File names as the windows show them; a run copies its window's labels in when it starts.
inline wxString VlmGridFileName;
inline wxString VlmResult3dFileName;
inline wxString VlmResultCpFileName;
inline wxString VlmResultCaFileName;

inline VlmGridInputFrame* VlmGridInputWindow = nullptr;
inline bool VlmGridInputOpen = false;
// Cleared with its flag when the window closes: the interactive run reads the geometry from it.
inline VlmGeometryFrame* VlmGeometryWindow = nullptr;
inline bool VlmGeometryOpen = false;
inline VlmDiscretisationFrame* VlmDiscretisationWindow = nullptr;
inline bool VlmDiscretisationOpen = false;
// Each run makes new ones; the pointers name the latest.
inline VlmProgressFrame* VlmProgressWindow = nullptr;
inline VlmResultsFrame* VlmResultsWindow = nullptr;

// Set from a run's progress window to its end: a second start does nothing meanwhile, and the
// windows the run reads from refuse to close.
inline bool VlmRunActive = false;
