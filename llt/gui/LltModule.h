#pragma once
// The shared state of the simple lifting-line method: the current solver record, the task
// windows (each exists at most once) with their open flags, and the names of the files that the
// method reads and writes. Everything starts empty, null or false and lives until the program
// ends; nothing is saved between runs. The method's pi, `LltPi`, comes with the solver record.

#include <wx/string.h>

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

// The task windows. A pointer is only stored by the method window's "&OK" and never cleared:
// once its window is closed, the open flag is false and the pointer is not used again until a
// new window has been stored.
inline LltGridInputFrame* gridInputFrame = nullptr;
inline bool gridInputOpen = false;
inline LltTwistDesignFrame* twistDesignFrame = nullptr;
inline bool twistDesignOpen = false;
inline LltChordDesignFrame* chordDesignFrame = nullptr;
inline bool chordDesignOpen = false;
inline LltAnalysisFrame* analysisFrame = nullptr;
inline bool analysisOpen = false;

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
