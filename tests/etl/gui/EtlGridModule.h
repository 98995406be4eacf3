#pragma once
// The wing-file route's part of the extended lifting-line module, as at program start.

#include "etl/gui/EtlModule.h"

namespace etl_test {

inline void ResetGridModule() {
    EtlCurrentSolver.reset();
    EtlGridInputWindow = nullptr;
    EtlGridInputOpen = false;
    EtlResultsWindow = nullptr;
    EtlGridFileName.clear();
    EtlGridResultFileName.clear();
}

}  // namespace etl_test
