#include "vlm/gui/VlmDiscretisationFrame.h"

#include <cmath>

#include "common/gui/DiscretisationLayout.h"
#include "common/gui/RangeCheckBox.h"
#include "common/gui/SingleWindow.h"
#include "vlm/core/VlmInputChecks.h"
#include "vlm/gui/VlmModule.h"
#include "vlm/gui/VlmWingSource.h"

namespace {

const wxString kInfo =
    wxS("Mit Hilfe des Schiebereglers kann die \nNetzauflösung im Bereich der Vorderkante "
        "bzw. der Endkante \neingestellt werden.\n\nMit der Wirbelzahl in x-Richtung bzw. in "
        "y-Richtung wird die \nGesamtauflösung vorgegeben.\n\nnx: Zahl der Wirbel in "
        "Flugrichtung\nny: Zahl der Wirbel in Spannweitenrichtung je Flügelhälfte\n\n"
        "Gesamtzahl aller Wirbel = 2*nx*ny");

const wxString kStatus = wxS("Rechnung starten");

luvo::ChordwiseSpacingCanvas* MakeCanvas(wxWindow* panel, wxSlider* slider, const wxPoint& at,
                                         const wxSize& size) {
    return new VlmDistributionCanvas(panel, slider, at, size);
}

}  // namespace

VlmDiscretisationFrame::VlmDiscretisationFrame(const wxString& title, const wxPoint& pos,
                                               const wxSize& size, long style)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style) {
    panel = GetPanel();
    SetStatusText(kStatus, 0);

    luvo::DiscretisationLayout layout;
    layout.sliderId = kIdSlider;
    layout.sliderTop = 90;
    layout.makeCanvas = MakeCanvas;
    layout.counts = {
        {wxS("Wirbelzahl in x-Richtung:"), wxS("30")},
        {wxS("Wirbelzahl in y-Richtung pro Halbspannweite:"), wxS("15")},
        {wxS("Anzahl an Birnbaumkoeffizienten:"), wxS("21")},
        {wxS("Anzahl der Iterationen:"), wxS("0"), wxS("Anzahl der Iterationen eingeben"), false},
    };
    layout.wakeId = kIdWakeRadio;
    layout.wakeTop = 240;
    layout.firstFileId = kIdChoose3d;
    layout.fileRowDrop = 1;
    const luvo::DiscretisationControls controls = luvo::BuildDiscretisationWindow(panel, layout);

    distributionSlider = controls.slider;
    distributionCanvas = static_cast<VlmDistributionCanvas*>(controls.canvas);
    chordwiseCountField = controls.counts[0];
    spanwiseCountField = controls.counts[1];
    birnbaumCountField = controls.counts[2];
    iterationsField = controls.counts[3];
    wakeRadioBox = controls.wake;
    luvo::Unpack(controls.files, choose3dButton, result3dFileLabel, chooseCpButton, cpFileLabel,
                 chooseCaButton, caFileLabel);
    startButton = controls.start;
}

void VlmDiscretisationFrame::CloseWindow() {
    luvo::ReleaseIfHeld(vlm::VlmDiscretisationWindow, this);
    Destroy();
}

void VlmDiscretisationFrame::OnClose(wxCloseEvent& event) {
    if (vlm::VlmRunActive && event.CanVeto()) {
        event.Veto();
        return;
    }
    CloseWindow();
}

void VlmDiscretisationFrame::OnCloseCommand(wxCommandEvent&) {
    if (!vlm::VlmRunActive) CloseWindow();
}

void VlmDiscretisationFrame::OnInfo(wxCommandEvent&) { luvo::ShowDiscretisationInfo(this, kInfo); }

void VlmDiscretisationFrame::OnSlider(wxCommandEvent&) { distributionCanvas->Redraw(); }

void VlmDiscretisationFrame::OnWakeRadioBox(wxCommandEvent&) {
    luvo::ApplyWakeChoice(wakeRadioBox->GetSelection(), iterationsField);
}

void VlmDiscretisationFrame::OnChoose3dFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, result3dFileLabel, luvo::ResultFile::Wing3d);
}

void VlmDiscretisationFrame::OnChooseCpFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, cpFileLabel, luvo::ResultFile::CpOverX);
}

void VlmDiscretisationFrame::OnChooseCaFile(wxCommandEvent&) {
    luvo::ChooseResultFile(this, caFileLabel, luvo::ResultFile::CaOverY);
}

bool VlmDiscretisationFrame::PassStartChecks() {
    std::vector<luvo::RangeCheck> checks =
        VlmLatticeCountChecks(chordwiseCountField->CheckValue(), spanwiseCountField->CheckValue());
    checks.push_back(luvo::BirnbaumCountCheck(std::trunc(birnbaumCountField->CheckValue())));
    // A relaxed wake without iterations would report circulations that were never computed.
    if (wakeRadioBox->GetSelection() == 1) {
        checks.push_back(luvo::IterationCountCheck(std::trunc(iterationsField->CheckValue())));
    }
    if (!luvo::PassRangeChecks(this, checks)) return false;
    // The wing comes from the geometry window as it stands now, checked again: its fields may
    // have changed since "&Weiter".
    const VlmWingSource* wing = VlmWingSource::Open();
    if (wing == nullptr) {
        luvo::ShowGeometryMissing(this);
        return false;
    }
    return wing->PassChecks(this);
}

void VlmDiscretisationFrame::OnStart(wxCommandEvent&) {
    // A start while a run is under way (its pause dispatches events) does nothing.
    if (vlm::VlmRunActive) return;
    if (!PassStartChecks()) return;
    Run();
}

wxBEGIN_EVENT_TABLE(VlmDiscretisationFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, VlmDiscretisationFrame::OnCloseCommand)
    EVT_MENU(luvo::kIdMenuInfo, VlmDiscretisationFrame::OnInfo)
    EVT_SLIDER(VlmDiscretisationFrame::kIdSlider, VlmDiscretisationFrame::OnSlider)
    EVT_BUTTON(luvo::kIdButtonStart, VlmDiscretisationFrame::OnStart)
    EVT_BUTTON(VlmDiscretisationFrame::kIdChoose3d, VlmDiscretisationFrame::OnChoose3dFile)
    EVT_BUTTON(VlmDiscretisationFrame::kIdChooseCp, VlmDiscretisationFrame::OnChooseCpFile)
    EVT_BUTTON(VlmDiscretisationFrame::kIdChooseCa, VlmDiscretisationFrame::OnChooseCaFile)
    EVT_RADIOBOX(VlmDiscretisationFrame::kIdWakeRadio, VlmDiscretisationFrame::OnWakeRadioBox)
    EVT_CLOSE(VlmDiscretisationFrame::OnClose)
wxEND_EVENT_TABLE()

bool vlm::VlmDiscretisationOpen() { return luvo::IsLiveWindow(vlm::VlmDiscretisationWindow); }
