#include "llt/gui/LltGridInputFrame.h"

#include <optional>

#include "common/gui/SingleWindow.h"
#include "common/gui/WxFileName.h"
#include "llt/core/LltGridFile.h"
#include "llt/gui/LltModule.h"
#include "llt/gui/LltResultsFrame.h"

LltGridInputFrame::LltGridInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                     long style)
    : WingFileRunFrame(title, pos, size, style,
                       {wxS("grid.fdt"), wxS("*.fdt"), wxS("zirkulation.dat"), 136, true,
                        wxS("Es können Gitterdateien im ASCII Format eingelesen werden.\nDazu "
                            "ist die entsprechende Datei auszuwählen, sowie die "
                            "Bezeichnungen\nder Ergebnisdateien. Die Ergebnisse werden auch "
                            "als ASCII Dateien\nausgegeben, die beispielsweise mit Tecplot "
                            "ausgewertet werden können.\n\n"),
                        wxS("Einlesen der Daten..."), 1}) {}

void LltGridInputFrame::ForgetWindow() {
    // Only the module's own window is the open one.
    luvo::ReleaseIfHeld(llt::gridInputFrame, this);
}

void LltGridInputFrame::TakeInputs() {
    llt::gridFileName = gridFileLabel->GetLabel();
    llt::circulationFileName = resultFileLabel->GetLabel();
}

void LltGridInputFrame::ReadGridHeader() {
    const std::optional<LltGridHeader> header =
        ReadLltGridHeader(luvo::FileSystemName(llt::gridFileName));
    if (!header) {
        errorFlag = 1;
        return;
    }
    llt::gridSpan = header->span;
    llt::gridLiftSlopeFactor = header->liftSlopeFactor;
}

bool LltGridInputFrame::SolveGridFile() {
    record_ = SolveLltGridFile(luvo::FileSystemName(llt::gridFileName),
                               LltGridHeader{llt::gridSpan, llt::gridLiftSlopeFactor});
    if (!record_) return false;
    llt::currentSolver = record_;
    return true;
}

bool llt::gridInputOpen() { return luvo::IsLiveWindow(llt::gridInputFrame); }
