#pragma once
// "Daten über eine Datei einlesen": the wing-file path of the extended lifting-line method. The
// user picks the wing file "*.fde" and the result file and types a sideslip angle; "&Starten"
// reads, solves, writes the result file, opens a results window of its own and closes this window.

#include <wx/button.h>
#include <wx/stattext.h>

#include "common/LuvoFrame.h"
#include "common/NumericField.h"

// The sideslip angle as typed [deg]; the run negates it.
class EtlSideslipField : public luvo::NumericField {
  public:
    using luvo::NumericField::NumericField;
};

class EtlGridInputFrame : public luvo::LuvoFrame {
  public:
    enum { kIdChooseGrid = 6, kIdChooseResult = 7 };

    EtlGridInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                      long style = wxDEFAULT_FRAME_STYLE);

    wxPanel* panel = nullptr;
    EtlSideslipField* sideslipField = nullptr;
    wxButton* chooseGridButton = nullptr;
    wxButton* chooseResultButton = nullptr;
    wxButton* startButton = nullptr;
    wxButton* cancelButton = nullptr;
    wxStaticText* gridFileLabel = nullptr;    // the only store of the chosen name until Start
    wxStaticText* resultFileLabel = nullptr;  // likewise
    int errorFlag = 0;                        // 1 when the last read of the file failed

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnChooseGridFile(wxCommandEvent& event);
    void OnChooseResultFile(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);

    // Checks the header of the module's wing file and keeps its values in the module; sets
    // errorFlag to 1 when it does not pass.
    void ReadGridHeader();
    void ShowReadError();
    void CloseWindow();

    wxDECLARE_EVENT_TABLE();
};
