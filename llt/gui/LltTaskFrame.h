#pragma once
// What the three task windows of the simple lifting-line method (analysis, twist design, chord
// design) have in common beyond the common task window (common/gui/TaskFrame.h): the method's check
// orders, the six result labels, and the record that every accepted recomputation installs as
// the module's current one and writes to the result file.

#include <functional>
#include <memory>
#include <string>

#include "common/gui/TaskFrame.h"
#include "llt/core/LltSolver.h"
#include "llt/gui/LltFieldChecks.h"
#include "llt/gui/LltResultLabels.h"

template <class Frame, class FieldClass, class Inputs>
using LltFieldRow = luvo::FieldRow<Frame, FieldClass, Inputs, LltInput>;

// What sets one task window apart in what they share: its check order, which names the checks,
// and the record's writer of the result file, besides what every task window sets.
struct LltTaskFrameSetup : luvo::TaskFrameSetup {
    LltTaskWindow window = LltTaskWindow::Analysis;
    bool (LltSolver::*writeFile)(const std::string&) const = nullptr;
};

class LltTaskFrame : public luvo::TaskFrame, public LltResultLabels {
  public:
    // The field that holds an input of the window's checks.
    wxTextCtrl* Field(LltInput input) const { return luvo::TaskFrame::Field(LltIndex(input)); }

  protected:
    LltTaskFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                 const LltTaskFrameSetup& setup);

    // One accepted recomputation: its record, and how its plots are drawn again.
    struct Accepted {
        std::shared_ptr<LltSolver> record;
        std::function<void()> drawPlots;
    };
    // Computes a new record from the fields, which hold accepted inputs, and sets the result
    // labels; the plots are drawn and the file written by the common recomputation.
    virtual Accepted ComputeAccepted() = 0;

  private:
    Result ComputeResult() final;

    bool (LltSolver::*writeFile_)(const std::string&) const;
};
