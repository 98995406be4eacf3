// The grid-file run of the grid-input window.

#include <cmath>

#include "vlm/core/VlmRun.h"
#include "vlm/gui/VlmGridInputFrame.h"
#include "vlm/gui/VlmModule.h"
#include "vlm/gui/VlmResultsFrame.h"
#include "vlm/gui/VlmRunWindows.h"

void VlmGridInputFrame::CheckGridHeader() {
    checkedGrid = ReadVlmGridFile(gridFileLabel->GetLabel().utf8_string());
    if (!checkedGrid) headerError = 1;
}

void VlmGridInputFrame::RunFromGridFile() {
    VlmRunScreen screen;
    SetStatusText(wxS("Rechnung läuft"), 0);

    VlmGridRunInputs in;
    in.alpha = alphaField->Number();
    in.beta = betaField->Number();
    in.iterationCount = static_cast<int>(std::trunc(iterationsField->Number()));
    in.dampingFactor = dampingFactorField->Number();
    in.birnbaumCount = static_cast<int>(std::trunc(birnbaumCountField->Number()));
    in.wakeModel = wakeRadioBox->GetSelection();
    in.result3dFileName = result3dFileLabel->GetLabel().utf8_string();
    in.resultCpFileName = cpFileLabel->GetLabel().utf8_string();
    in.resultCaFileName = caFileLabel->GetLabel().utf8_string();

    headerError = 0;
    CheckGridHeader();
    VlmRunOutcome outcome;
    if (headerError == 0) {
        vlm::VlmGridFileName = gridFileLabel->GetLabel();
        vlm::VlmResult3dFileName = result3dFileLabel->GetLabel();
        vlm::VlmResultCpFileName = cpFileLabel->GetLabel();
        vlm::VlmResultCaFileName = caFileLabel->GetLabel();
        luvo::WindowRunReporter reporter(this, screen.progress()->progressCanvas);
        outcome = RunVlmGrid(VlmGridRunValues(in, *checkedGrid), *checkedGrid, &reporter);
    }
    checkedGrid.reset();
    if (headerError != 0 || outcome.error != VlmRunError::kNone) {
        // Whatever stopped the run, the file's box; only a lack of memory says so.
        screen.progress()->Hide();
        SetStatusText(wxS("Fehler!"), 0);
        screen.End();
        luvo::ShowErrorBox(this,
                           outcome.error == VlmRunError::kOutOfMemory
                               ? VlmRunFailureText(outcome.error)
                               : wxString(wxS("Fehler beim Einlesen der Datei!\nDateiformat "
                                              "falsch oder Datei nicht vorhanden.\n")),
                           wxS("Fehler beim Einlesen der Datei"));
        SetStatusText(wxS("Rechnung starten"), 0);
        return;
    }
    VlmResultsFrame* results = VlmOpenResultsWindow(outcome.results);
    screen.End();
    CloseWindow();
    VlmReportUnwrittenFiles(results, outcome.unwrittenFiles);
}
