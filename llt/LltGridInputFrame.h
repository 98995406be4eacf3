#pragma once
// "Daten über eine Datei einlesen": the wing-file path of the simple lifting-line method. The
// user picks the wing file "*.fdt" and the result file, and "&Starten" reads, solves, writes
// the result file, opens a results window of its own and closes this window.

#include <wx/button.h>
#include <wx/stattext.h>

#include <cstdint>

#include "common/LuvoFrame.h"

class LltGridInputFrame : public luvo::LuvoFrame {
  public:
    enum { kIdChooseGrid = 6, kIdChooseResult = 7 };

    LltGridInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                      long style = wxDEFAULT_FRAME_STYLE);

    wxPanel* panel = nullptr;
    wxButton* chooseGridButton = nullptr;
    wxButton* chooseResultButton = nullptr;
    wxButton* startButton = nullptr;
    wxButton* cancelButton = nullptr;
    wxStaticText* gridFileLabel = nullptr;    // the only store of the chosen name until Start
    wxStaticText* resultFileLabel = nullptr;  // likewise
    std::int32_t readError = 0;               // 1 when the last read of the file failed

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnChooseGridFile(wxCommandEvent& event);
    void OnChooseResultFile(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);

    // Checks the header of the module's wing file and keeps its span and lift-slope factor in
    // the module; sets readError to 1 when it does not pass.
    void ReadGridHeader();
    void ShowReadError();
    void CloseWindow();

    wxDECLARE_EVENT_TABLE();
};
