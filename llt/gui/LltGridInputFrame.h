#pragma once
// "Daten über eine Datei einlesen": the wing-file path of the simple lifting-line method. The
// user picks the wing file "*.fdt" and the result file, and "&Starten" reads, solves, writes
// the result file, opens a results window of its own and closes this window.

#include <cstdint>

#include "common/gui/WingFileInputFrame.h"
#include "llt/core/LltSolver.h"
#include "llt/gui/LltResultsFrame.h"

class LltGridInputFrame : public luvo::WingFileRunFrame<LltSolver, LltResultsFrame> {
  public:
    LltGridInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                      long style = wxDEFAULT_FRAME_STYLE);

    std::int32_t& readError = errorFlag;  // 1 when the last read of the file failed

  private:
    void TakeInputs() override;
    // Keeps the header's span and lift-slope factor in the module.
    void ReadGridHeader() override;
    bool SolveGridFile() override;
    void ForgetWindow() override;
};
