#pragma once
// The shared state of the extended lifting-line method: the current solver record, the task
// windows (each exists at most once, whichever method window opened it) and the newest results
// window, the names of the files the method reads and writes, and the values of the wing file's
// header. Everything starts empty, null or 0 and lives until the program ends. The method's pi,
// `EtlPi`, comes with the solver record.

#include <wx/string.h>
#include <wx/weakref.h>

#include <memory>

#include "etl/core/EtlSolver.h"

class EtlGridInputFrame;
class EtlAnalysisFrame;
class EtlResultsFrame;

namespace etl {

// File names as the windows show them; the task windows copy their labels' texts in before they
// read or write.
inline wxString EtlGridFileName;        // the wing file to read
inline wxString EtlGridResultFileName;  // result file of the wing-file path
inline wxString EtlAnalysisFileName;    // result file of the analysis

// The task windows, stored by the method window's "&OK". A reference empties itself when its
// window is deleted; the window's close handler and a finished wing-file run empty it at once,
// since a closed frame is deleted only at the next idle time. A task window is open while its
// reference names it and it is not about to be deleted.
inline wxWeakRef<EtlGridInputFrame> EtlGridInputWindow;
bool EtlGridInputOpen();
inline wxWeakRef<EtlAnalysisFrame> EtlAnalysisWindow;
bool EtlAnalysisOpen();
// The results window of the latest wing-file run while it exists; those of earlier runs stay
// open unnamed.
inline wxWeakRef<EtlResultsFrame> EtlResultsWindow;

// The record of the latest computation, whichever path made it. Installing a new record releases
// the one it replaces unless a window still holds it.
inline std::shared_ptr<EtlSolver> EtlCurrentSolver;

// The wing file's header as the wing-file window read it last.
inline double EtlGridSpan = 0;
inline double EtlGridLiftSlopeFactor = 0;
inline double EtlGridRootChord = 0;
inline double EtlGridRootAngle = 0;

}  // namespace etl
