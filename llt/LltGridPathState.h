#pragma once
// The parts of the method's shared state that the wing-file path reads and writes: the names of
// the wing file and of its result file, span and lift-slope factor of the last header read, the
// module's current solver record and the wing-file window's open flag. Each entry points at the
// module's own variable; an entry left null is not touched.

#include <wx/string.h>

#include <memory>

#include "llt/LltSolver.h"

struct LltGridPathState {
    wxString* gridFileName = nullptr;
    wxString* circulationFileName = nullptr;
    double* gridSpan = nullptr;
    double* gridLiftSlopeFactor = nullptr;
    std::shared_ptr<LltSolver>* currentSolver = nullptr;
    bool* gridInputOpen = nullptr;
};
