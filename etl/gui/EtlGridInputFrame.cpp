#include "etl/gui/EtlGridInputFrame.h"

#include <cmath>
#include <optional>

#include "common/core/RangeCheck.h"
#include "common/gui/LuvoFrame.h"
#include "common/gui/SingleWindow.h"
#include "common/gui/WxFileName.h"
#include "etl/core/EtlGridFile.h"
#include "etl/core/EtlRuns.h"
#include "etl/gui/EtlModule.h"
#include "etl/gui/EtlResultsFrame.h"

EtlGridInputFrame::EtlGridInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                     long style)
    : WingFileRunFrame(title, pos, size, style,
                       {wxS("grid.fde"), wxS("*.fde"), wxS("Zirkulation.dat"), 156, false,
                        wxS("Es können Gitterdateien im ASCII Format eingelesen werden.\nDazu "
                            "ist die entsprechende Datei auszuwählen, sowie die "
                            "Bezeichnung\nder Ergebnisdatei. Die Ergebnisse werden auch als "
                            "ASCII Dateien\nausgegeben, die beispielsweise mit Tecplot "
                            "ausgewertet werden können.\n\n"),
                        wxS("Ergebnisse werden in Datei geschrieben..."), 0}) {
    sideslipField =
        new EtlSideslipField(panel, wxID_ANY, wxS("0.0"), wxPoint(220, 110), wxSize(30, -1));
    sideslipField->SetToolTip(wxS("-30 < Schiebewinkel < 30"));
    // The field comes before the buttons when tabbing, as it stands above them.
    sideslipField->MoveBeforeInTabOrder(startButton);
    new wxStaticText(panel, wxID_ANY, wxS("Schiebewinkel beta [°]:"), wxPoint(30, 114));
}

void EtlGridInputFrame::ForgetWindow() {
    // Only the module's own window is the open one.
    luvo::ReleaseIfHeld(etl::EtlGridInputWindow, this);
}

bool EtlGridInputFrame::PassStartChecks() {
    // The angle's range is the student's to choose; only a text without a number is no angle.
    if (std::isfinite(sideslipField->CheckValue())) return true;
    luvo::ShowErrorBox(this,
                       wxS("Der Schiebewinkel ist keine Zahl.\n\nBitte wiederholen Sie die Eingabe "
                           "des Schiebewinkels.\n"),
                       wxString::FromUTF8(luvo::kInvalidInputCaption));
    return false;
}

void EtlGridInputFrame::TakeInputs() {
    // The sweep matrix takes the sideslip with the opposite sign of the typed one.
    beta_ = -sideslipField->Number();
    etl::EtlGridFileName = gridFileLabel->GetLabel();
    etl::EtlGridResultFileName = resultFileLabel->GetLabel();
}

void EtlGridInputFrame::ReadGridHeader() {
    const std::optional<EtlGridHeader> header =
        ReadEtlGridHeader(luvo::FileSystemName(etl::EtlGridFileName));
    if (!header) {
        errorFlag = 1;
        return;
    }
    etl::EtlGridSpan = header->span;
    etl::EtlGridLiftSlopeFactor = header->liftSlopeFactor;
    etl::EtlGridRootChord = header->rootChord;
    etl::EtlGridRootAngle = header->rootAngle;
}

bool EtlGridInputFrame::SolveGridFile() {
    record_ = EtlSolveGridFile(luvo::FileSystemName(etl::EtlGridFileName),
                               EtlGridHeader{etl::EtlGridSpan, etl::EtlGridLiftSlopeFactor,
                                             etl::EtlGridRootChord, etl::EtlGridRootAngle},
                               beta_);
    if (!record_) return false;
    etl::EtlCurrentSolver = record_;
    return true;
}

void EtlGridInputFrame::KeepResultsWindow(EtlResultsFrame* results) {
    etl::EtlResultsWindow = results;
}

bool etl::EtlGridInputOpen() { return luvo::IsLiveWindow(etl::EtlGridInputWindow); }
