#include "vlm/gui/VlmRunWindows.h"

#include "vlm/gui/VlmModule.h"
#include "vlm/gui/VlmResultsFrame.h"

VlmRunScreen::VlmRunScreen() : luvo::RunScreen(vlm::VlmRunActive, vlm::VlmProgressWindow) {}

wxString VlmRunFailureText(VlmRunError error) {
    switch (error) {
        case VlmRunError::kWakeFit:
            return wxS("Der Nachlauf lässt sich mit diesen Eingaben nicht aufteilen.\n");
        case VlmRunError::kOutOfMemory:
            return wxS("Für diese Wirbelzahl reicht der Arbeitsspeicher nicht aus.\n");
        case VlmRunError::kSingularSystem:
        case VlmRunError::kInvalidInput:
        case VlmRunError::kGridFile:
        case VlmRunError::kNone:
            break;
    }
    return wxS("Das Gleichungssystem ist mit diesen Eingaben nicht lösbar.\n");
}

VlmResultsFrame* VlmOpenResultsWindow(std::shared_ptr<const VlmResults> results) {
    auto* frame = new VlmResultsFrame(wxS("Ergebnisse"), wxDefaultPosition, wxSize(640, 510),
                                      wxDEFAULT_FRAME_STYLE | wxSTAY_ON_TOP);
    frame->ShowResults(std::move(results));
    vlm::VlmResultsWindow = frame;
    frame->Centre(wxBOTH);
    frame->Show(true);
    return frame;
}

void VlmReportUnwrittenFiles(VlmResultsFrame* results, const std::vector<std::string>& files) {
    std::vector<wxString> names;
    for (const std::string& name : files) names.push_back(wxString::FromUTF8(name));
    luvo::ShowUnwrittenFilesBox(results, names);
}
