#pragma once
// The wing-file route's part of the lifting-line module, as at program start.

#include "llt/gui/LltModule.h"

namespace llt_test {

inline void ResetGridModule() {
    llt::currentSolver.reset();
    llt::gridInputFrame.Release();
    llt::gridFileName.clear();
    llt::circulationFileName.clear();
    llt::gridSpan = 0;
    llt::gridLiftSlopeFactor = 0;
}

}  // namespace llt_test
