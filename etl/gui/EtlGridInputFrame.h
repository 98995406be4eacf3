#pragma once
// "Daten über eine Datei einlesen": the wing-file path of the extended lifting-line method. The
// user picks the wing file "*.fde" and the result file and types a sideslip angle; "&Starten"
// reads, solves, writes the result file, opens a results window of its own and closes this window.

#include "common/gui/NumericField.h"
#include "common/gui/WingFileInputFrame.h"
#include "etl/core/EtlSolver.h"
#include "etl/gui/EtlResultsFrame.h"

// The sideslip angle as typed [deg]; the run negates it.
class EtlSideslipField : public luvo::NumericField {
  public:
    using luvo::NumericField::NumericField;
};

class EtlGridInputFrame : public luvo::WingFileRunFrame<EtlSolver, EtlResultsFrame> {
  public:
    EtlGridInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                      long style = wxDEFAULT_FRAME_STYLE);

    EtlSideslipField* sideslipField = nullptr;

  private:
    bool PassStartChecks() override;
    void TakeInputs() override;
    // Keeps the header's values in the module.
    void ReadGridHeader() override;
    bool SolveGridFile() override;
    void ForgetWindow() override;

    void KeepResultsWindow(EtlResultsFrame* results) override;

    double beta_ = 0;  // of the running start, as the sweep matrix takes it
};
