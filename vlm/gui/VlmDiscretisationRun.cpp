// The interactive run of the discretisation window.

#include <cmath>

#include "common/core/RangeCheck.h"
#include "vlm/core/VlmRun.h"
#include "vlm/gui/VlmDiscretisationFrame.h"
#include "vlm/gui/VlmModule.h"
#include "vlm/gui/VlmResultsFrame.h"
#include "vlm/gui/VlmRunWindows.h"
#include "vlm/gui/VlmWingSource.h"

void VlmDiscretisationFrame::Run() {
    VlmRunScreen screen;
    SetStatusText(wxS("Rechnung läuft"), 0);
    // Closing is refused during the run; only a close that cannot be refused gets here.
    const VlmWingSource* source = VlmWingSource::Open();
    if (source == nullptr) {
        screen.End();
        SetStatusText(wxS("Rechnung starten"), 0);
        return;
    }

    VlmInteractiveInputs in;
    const VlmWingInputs wing = source->Inputs();
    in.span = wing.span;
    in.rootChord = wing.rootChord;
    in.tipChord = wing.tipChord;
    in.sweep = wing.sweep;
    in.rootIncidence = wing.rootIncidence;
    in.tipIncidence = wing.tipIncidence;
    in.rootCamber = wing.rootCamber;
    in.tipCamber = wing.tipCamber;
    in.rootCamberPosition = wing.rootCamberPosition;
    in.tipCamberPosition = wing.tipCamberPosition;
    in.dihedral = wing.dihedral;
    in.alpha = wing.alpha;
    in.beta = wing.beta;
    in.chordwiseCount = static_cast<int>(std::trunc(chordwiseCountField->Number()));
    in.spanwiseCountPerHalf = static_cast<int>(std::trunc(spanwiseCountField->Number()));
    in.iterationCount = static_cast<int>(std::trunc(iterationsField->Number()));
    in.birnbaumCount = static_cast<int>(std::trunc(birnbaumCountField->Number()));
    in.wakeModel = wakeRadioBox->GetSelection();
    in.distributionParameter = distributionSlider->GetValue();
    in.result3dFileName = result3dFileLabel->GetLabel().utf8_string();
    in.resultCpFileName = cpFileLabel->GetLabel().utf8_string();
    in.resultCaFileName = caFileLabel->GetLabel().utf8_string();
    vlm::VlmResult3dFileName = result3dFileLabel->GetLabel();
    vlm::VlmResultCpFileName = cpFileLabel->GetLabel();
    vlm::VlmResultCaFileName = caFileLabel->GetLabel();

    luvo::WindowRunReporter reporter(this, screen.progress()->progressCanvas);
    const VlmRunOutcome outcome = RunVlmInteractive(VlmInteractiveRunValues(in), &reporter);
    if (outcome.error != VlmRunError::kNone) {
        screen.End();
        luvo::ShowErrorBox(this, VlmRunFailureText(outcome.error),
                           wxString::FromUTF8(luvo::kInvalidInputCaption));
        SetStatusText(wxS("Rechnung starten"), 0);
        return;
    }
    VlmResultsFrame* results = VlmOpenResultsWindow(outcome.results);
    CloseWindow();
    screen.End();
    VlmReportUnwrittenFiles(results, outcome.unwrittenFiles);
}
