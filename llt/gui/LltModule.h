#pragma once
// The shared state of the simple lifting-line method: the current solver record, the task
// windows (each exists at most once), and the names of the files that the method reads and
// writes. Everything starts empty, null or 0 and lives until the program ends; nothing is saved
// between runs. The method's pi, `LltPi`, comes with the solver record.

#include <wx/string.h>
#include <wx/weakref.h>

#include <memory>

#include "llt/core/LltSolver.h"

class LltGridInputFrame;
class LltTwistDesignFrame;
class LltChordDesignFrame;
class LltAnalysisFrame;

namespace llt {

// The record of the latest recomputation or wing-file run. Installing a new record releases the
// one it replaces unless something else (a results window, a task window's last accepted
// result) still holds it.
inline std::shared_ptr<LltSolver> currentSolver;

// The task windows, stored by the method window's "&OK". A reference empties itself when its
// window is deleted; the window's close handler and a finished wing-file run empty it at once,
// since a closed frame is deleted only at the next idle time. A task window is open while its
// reference names it and it is not about to be deleted.
inline wxWeakRef<LltGridInputFrame> gridInputFrame;
bool gridInputOpen();
inline wxWeakRef<LltTwistDesignFrame> twistDesignFrame;
bool twistDesignOpen();
inline wxWeakRef<LltChordDesignFrame> chordDesignFrame;
bool chordDesignOpen();
inline wxWeakRef<LltAnalysisFrame> analysisFrame;
bool analysisOpen();

// File names as the windows show them; the task windows copy their labels' texts in before they
// read or write.
inline wxString gridFileName;         // the wing file to read
inline wxString circulationFileName;  // result file of the wing-file path
inline wxString twistFileName;        // result file of the twist design
inline wxString chordFileName;        // result file of the chord design
inline wxString analysisFileName;     // result file of the analysis

// Span and lift-slope factor as read from the wing file's header.
inline double gridSpan = 0;
inline double gridLiftSlopeFactor = 0;

}  // namespace llt
