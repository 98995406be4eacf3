#pragma once
// The wing-file route's part of the extended lifting-line module, as at program start.

#include "etl/gui/EtlModule.h"

namespace etl_test {

inline void ResetGridModule() {
    etl::EtlCurrentSolver.reset();
    etl::EtlGridInputWindow.Release();
    etl::EtlResultsWindow.Release();
    etl::EtlGridFileName.clear();
    etl::EtlGridResultFileName.clear();
}

}  // namespace etl_test
