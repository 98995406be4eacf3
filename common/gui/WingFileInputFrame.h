#pragma once
// "Daten über eine Datei einlesen" of the lifting-line methods: the wing file and the result file
// are chosen in two rows, and "&Starten" reads, solves, writes the result file, opens a results
// window of its own and closes this window. A failed read keeps the window and writes nothing.
// The methods differ in the parameters below and in the steps they override.

#include <wx/button.h>
#include <wx/stattext.h>

#include <memory>

#include "common/gui/LuvoFrame.h"
#include "common/gui/WingResultsFrame.h"
#include "common/gui/WxFileName.h"

namespace luvo {

struct WingFileInputLayout {
    wxString gridName;       // proposed by the wing-file dialog and shown at first
    wxString gridWildcard;   // of the wing-file dialog
    wxString resultName;     // proposed by the result-file dialog and shown at first
    int buttonRow;           // y of "&Starten" and "A&bbrechen"
    bool emptyParameterBox;  // an empty "Eingabe weiterer Parameter:" box below the buttons
    wxString infoText;       // the text of "&Info..."
    wxString writingStatus;  // the status text while the result file is written
    int writingStatusField;  // and its field
};

class WingFileInputFrame : public LuvoFrame {
  public:
    enum { kIdChooseGrid = 6, kIdChooseResult = 7 };

    WingFileInputFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                       const WingFileInputLayout& layout);

    wxPanel* panel = nullptr;
    wxButton* chooseGridButton = nullptr;
    wxButton* chooseResultButton = nullptr;
    wxButton* startButton = nullptr;
    wxButton* cancelButton = nullptr;
    wxStaticText* gridFileLabel = nullptr;    // the only store of the chosen name until Start
    wxStaticText* resultFileLabel = nullptr;  // likewise
    int errorFlag = 0;                        // 1 when the last read of the file failed

  protected:
    // Before the run: false, after its box, when an input cannot start it.
    virtual bool PassStartChecks() { return true; }
    // The run's steps, in this order. The inputs (names, fields) are copied into the method's
    // state first; they stand from then on, also when the run fails.
    virtual void TakeInputs() = 0;
    // Checks the header of the wing file and keeps its values; sets errorFlag to 1 when it does
    // not pass.
    virtual void ReadGridHeader() = 0;
    // Reads the table and solves; installs the record as the method's current one. False when
    // the table cannot be read: nothing is installed.
    virtual bool SolveGridFile() = 0;
    // Writes the record's result file; false when it could not be written.
    virtual bool WriteResultFile() = 0;
    // A new results window holding the record (not shown yet).
    virtual WingResultsFrame* CreateResultsFrame() = 0;
    // Empties the method's reference to its input window when it names this one.
    virtual void ForgetWindow() = 0;

    void CloseWindow();

    wxString runResultName_;  // the result file's name as the running start copied it

  private:
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnChooseGridFile(wxCommandEvent& event);
    void OnChooseResultFile(wxCommandEvent& event);
    void OnStart(wxCommandEvent& event);
    void ShowReadError();

    WingFileInputLayout layout_;

    wxDECLARE_EVENT_TABLE();
};

// The steps that only differ in the types: the record of the run writes its own result file and
// goes to a results window of its own.
template <class Record, class Results>
class WingFileRunFrame : public WingFileInputFrame {
  public:
    using WingFileInputFrame::WingFileInputFrame;

  protected:
    // Told of each new results window.
    virtual void KeepResultsWindow(Results*) {}

    std::shared_ptr<Record> record_;  // of the running start

  private:
    bool WriteResultFile() override {
        return record_->WriteCirculationFile(FileSystemName(runResultName_));
    }

    WingResultsFrame* CreateResultsFrame() override {
        auto* results = new Results(wxS("Ergebnisse"), wxDefaultPosition, wxSize(640, 390));
        KeepResultsWindow(results);
        results->ShowResults(record_);
        return results;
    }
};

}  // namespace luvo
