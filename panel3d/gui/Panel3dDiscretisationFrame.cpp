#include "panel3d/gui/Panel3dDiscretisationFrame.h"

#include <cmath>
#include <utility>

#include "common/gui/DiscretisationLayout.h"
#include "common/gui/RangeCheckBox.h"
#include "common/gui/SingleWindow.h"
#include "common/gui/WxFileName.h"
#include "panel3d/core/Panel3dDiscretisation.h"
#include "panel3d/core/Panel3dFlowState.h"
#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/gui/Panel3dFlapFrame.h"
#include "panel3d/gui/Panel3dInputModule.h"
#include "panel3d/gui/Panel3dRunWindows.h"
#include "panel3d/gui/Panel3dWingSource.h"

namespace {

const wxString kInfo =
    wxS("Mit Hilfe des Schiebereglers kann die \nNetzauflösung im Bereich der Vorderkante "
        "bzw. der Endkante \neingestellt werden.\n\nMit der Panelzahl in x-Richtung bzw. in "
        "y-Richtung wird die \nGesamtauflösung vorgegeben.\n\nnx: Zahl der Panels in "
        "Flugrichtung je Ober-/bzw. Unterseite\nny: Zahl der Panels in Spannweitenrichtung "
        "je Flügelhälfte\n\nGesamtzahl aller Panels = 4*nx*ny");

const wxString kStatus = wxS("Rechnung starten");

luvo::ChordwiseSpacingCanvas* MakeCanvas(wxWindow* panel, wxSlider* slider, const wxPoint& at,
                                         const wxSize& size) {
    return new Panel3dClusteringCanvas(panel, slider, at, size);
}

// The model sizes of the module with these counts.
Panel3dModelSizes SizesFor(int chordPanels, int spanPanels) {
    Panel3dModelSizes sizes = Panel3dModuleSizes();
    sizes.chordPanels = chordPanels;
    sizes.spanPanels = spanPanels;
    return sizes;
}

}  // namespace

Panel3dDiscretisationFrame::Panel3dDiscretisationFrame(
    const wxString& title, const wxPoint& pos, const wxSize& size, long style,
    std::shared_ptr<Panel3dPolarEvaluator> evaluator)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style),
      evaluator_(std::move(evaluator)) {
    panel = GetPanel();
    SetStatusText(kStatus, 0);

    luvo::DiscretisationLayout layout;
    layout.sliderId = kIdSlider;
    layout.sliderTop = 70;
    layout.makeCanvas = MakeCanvas;
    layout.counts = {
        {wxS("Panelzahl in x-Richtung pro Flügelseite:"), wxS("30")},
        {wxS("Panelzahl in y-Richtung pro Halbspannweite:"), wxS("15")},
        {wxS("Anzahl der Iterationen:"), wxS("0"), wxS("Anzahl der Iterationen eingeben"), false},
    };
    layout.buttonRowText = wxS("Visualisierung des Klappenausschlages:");
    layout.buttonRowId = kIdShowFlaps;
    layout.buttonRowLabel = wxS("A&nzeigen");
    layout.wakeId = kIdWakeRadio;
    layout.wakeTop = 225;
    layout.firstFileId = kIdChoose3d;
    const luvo::DiscretisationControls controls = luvo::BuildDiscretisationWindow(panel, layout);

    spacingSlider = controls.slider;
    clusteringCanvas = static_cast<Panel3dClusteringCanvas*>(controls.canvas);
    chordPanelsField = controls.counts[0];
    spanPanelsField = controls.counts[1];
    iterationsField = controls.counts[2];
    showFlapsButton = controls.rowButton;
    wakeRadioBox = controls.wake;
    luvo::Unpack(controls.files, choose3dButton, result3dFileLabel, chooseCpButton, cpFileLabel,
                 chooseCaButton, caFileLabel);
    startButton = controls.start;
}

void Panel3dDiscretisationFrame::CloseWindow() {
    // The flap view draws this window's model: it goes with it.
    Panel3dCloseFlapView();
    luvo::ReleaseIfHeld(panel3d::Panel3dDiscretisationWindow, this);
    Destroy();
}

bool Panel3dDiscretisationFrame::PassChecks(bool forRun) {
    // The geometry window closes this one with it; this only guards a stale pointer.
    const Panel3dWingSource* source = Panel3dWingSource::Open();
    if (source == nullptr) {
        luvo::ShowGeometryMissing(this);
        return false;
    }
    std::vector<luvo::RangeCheck> checks = Panel3dDiscretisationChecks(
        chordPanelsField->CheckValue(), spanPanelsField->CheckValue(), source->CheckedInputs(),
        panel3d::Panel3dCurrentFlowState.alphaStar, forRun);
    // A relaxed wake is solved only inside its relaxation steps.
    if (forRun && wakeMode == 1) {
        checks.push_back(luvo::IterationCountCheck(iterationsField->CheckValue()));
    }
    return luvo::PassRangeChecks(this, checks);
}

std::shared_ptr<Panel3dModel> Panel3dDiscretisationFrame::BuildWingModel() const {
    const Panel3dWingSource* source = Panel3dWingSource::Open();
    if (source == nullptr) return nullptr;
    const int n = static_cast<int>(std::trunc(ChordPanelsTyped()));
    const int m = static_cast<int>(std::trunc(SpanPanelsTyped()));
    std::shared_ptr<Panel3dModel> model = Panel3dModel::Create(SizesFor(n, m));
    if (!model) return nullptr;
    Panel3dSetWingInputs(*model, source->Inputs(), spacingSlider->GetValue());
    if (!model->GenerateWingGrid()) return nullptr;
    return model;
}

bool Panel3dDiscretisationFrame::ShowFlaps() {
    if (!PassChecks(false)) return false;
    std::shared_ptr<Panel3dModel> model = BuildWingModel();
    if (!model) {
        luvo::ShowErrorBox(this,
                           wxS("Das Panelnetz konnte nicht erzeugt werden:\n\n"
                               "Für diese Panelzahlen ist nicht genügend Speicher frei.\n"),
                           wxS("Fehler!"));
        return false;
    }
    panel3d::Panel3dChordPanelCount = model->ChordPanels();
    panel3d::Panel3dSpanPanelCount = model->SpanPanels();
    panel3d::Panel3dChordPointCount = 2 * panel3d::Panel3dChordPanelCount + 1;
    panel3d::Panel3dSpanPointCount = 2 * panel3d::Panel3dSpanPanelCount + 1;
    panel3d::Panel3dPanelModel = model;
    Panel3dShowFlapView(model, evaluator_);
    return true;
}

Panel3dDiscretisationValues Panel3dDiscretisationFrame::RunValues() const {
    Panel3dDiscretisationValues values;
    values.chordPanels = ChordPanelsTyped();
    values.spanPanels = SpanPanelsTyped();
    values.iterationCount = iterationsField->Number();
    values.wakeMode = wakeRadioBox->GetSelection();
    values.clustering = spacingSlider->GetValue();
    values.result3dFileName = luvo::FileSystemName(result3dFileLabel->GetLabel());
    values.resultCpFileName = luvo::FileSystemName(cpFileLabel->GetLabel());
    values.resultCaFileName = luvo::FileSystemName(caFileLabel->GetLabel());
    return values;
}

void Panel3dDiscretisationFrame::OnClose(wxCloseEvent& event) {
    // A run closes the window itself when it ends.
    if (!Panel3dRefuseCloseDuringRun(event)) CloseWindow();
}

void Panel3dDiscretisationFrame::OnCloseCommand(wxCommandEvent&) {
    if (!panel3d::Panel3dRunActive) CloseWindow();
}

void Panel3dDiscretisationFrame::OnInfo(wxCommandEvent&) {
    luvo::ShowDiscretisationInfo(this, kInfo);
}

void Panel3dDiscretisationFrame::OnSlider(wxCommandEvent&) { clusteringCanvas->Redraw(); }

void Panel3dDiscretisationFrame::OnShowFlaps(wxCommandEvent&) {
    // The pause of a run dispatches events: no new model while one is being solved.
    if (!panel3d::Panel3dRunActive) ShowFlaps();
}

void Panel3dDiscretisationFrame::OnWakeRadioBox(wxCommandEvent&) {
    wakeMode = wakeRadioBox->GetSelection();
    luvo::ApplyWakeChoice(wakeMode, iterationsField);
}

void Panel3dDiscretisationFrame::OnChoose3dFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, result3dFileLabel, luvo::ResultFile::Wing3d);
}

void Panel3dDiscretisationFrame::OnChooseCpFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, cpFileLabel, luvo::ResultFile::CpOverX);
}

void Panel3dDiscretisationFrame::OnChooseCaFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, caFileLabel, luvo::ResultFile::CaOverY);
}

void Panel3dDiscretisationFrame::OnStart(wxCommandEvent&) {
    if (panel3d::Panel3dRunActive) return;
    if (!PassChecks(true)) return;
    Panel3dRunInteractive(*this, RunValues(), evaluator_, [this] { CloseWindow(); });
}

wxBEGIN_EVENT_TABLE(Panel3dDiscretisationFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, Panel3dDiscretisationFrame::OnCloseCommand)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dDiscretisationFrame::OnInfo)
    EVT_SLIDER(Panel3dDiscretisationFrame::kIdSlider, Panel3dDiscretisationFrame::OnSlider)
    EVT_BUTTON(Panel3dDiscretisationFrame::kIdShowFlaps, Panel3dDiscretisationFrame::OnShowFlaps)
    EVT_BUTTON(Panel3dDiscretisationFrame::kIdChoose3d, Panel3dDiscretisationFrame::OnChoose3dFile)
    EVT_BUTTON(Panel3dDiscretisationFrame::kIdChooseCp, Panel3dDiscretisationFrame::OnChooseCpFile)
    EVT_BUTTON(Panel3dDiscretisationFrame::kIdChooseCa, Panel3dDiscretisationFrame::OnChooseCaFile)
    EVT_RADIOBOX(Panel3dDiscretisationFrame::kIdWakeRadio,
                 Panel3dDiscretisationFrame::OnWakeRadioBox)
    EVT_BUTTON(luvo::kIdButtonStart, Panel3dDiscretisationFrame::OnStart)
    EVT_CLOSE(Panel3dDiscretisationFrame::OnClose)
wxEND_EVENT_TABLE()

bool panel3d::Panel3dDiscretisationOpen() {
    return luvo::IsLiveWindow(panel3d::Panel3dDiscretisationWindow);
}
