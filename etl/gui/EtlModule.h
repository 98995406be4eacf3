#pragma once
// The shared state of the extended lifting-line method: the current solver record, the task
// windows (each exists at most once, whichever method window opened it) with their open flags,
// the names of the files the method reads and writes, and the values of the wing file's header.
// Everything starts empty, null or 0 and lives until the program ends. The method's pi,
// `EtlPi`, comes with the solver record.

#include <wx/string.h>

#include <memory>

#include "etl/core/EtlSolver.h"

class EtlGridInputFrame;
class EtlAnalysisFrame;
class EtlResultsFrame;

// File names as the windows show them; the task windows copy their labels' texts in before they
// read or write.
inline wxString EtlGridFileName;        // the wing file to read
inline wxString EtlGridResultFileName;  // result file of the wing-file path
inline wxString EtlAnalysisFileName;    // result file of the analysis

// A pointer is only stored by the method window's "&OK" and never cleared: once its window is
// closed, the open flag is false and the pointer is not used again until a new window is stored.
inline EtlGridInputFrame* EtlGridInputWindow = nullptr;
inline bool EtlGridInputOpen = false;
inline EtlAnalysisFrame* EtlAnalysisWindow = nullptr;
inline bool EtlAnalysisOpen = false;
inline EtlResultsFrame* EtlResultsWindow = nullptr;

// The record of the latest computation, whichever path made it. Installing a new record releases
// the one it replaces unless a window still holds it.
inline std::shared_ptr<EtlSolver> EtlCurrentSolver;

// The wing file's header as the wing-file window read it last.
inline double EtlGridSpan = 0;
inline double EtlGridLiftSlopeFactor = 0;
inline double EtlGridRootChord = 0;
inline double EtlGridRootAngle = 0;
