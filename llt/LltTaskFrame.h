#pragma once
// What the three task windows of the simple lifting-line method (analysis, twist design, chord
// design) have in common: the checks of their fields; the recomputation, which shows and writes
// only accepted inputs and otherwise redraws the last accepted result; the six result labels;
// the result file's label with its chooser; the info box; and closing, which clears the window's
// open flag. Each window keeps its own event table naming these handlers.

#include <wx/button.h>
#include <wx/stattext.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "common/LuvoFrame.h"
#include "llt/LltFieldChecks.h"
#include "llt/LltResultLabels.h"
#include "llt/LltSolver.h"

class LltTaskFrame;

// What sets one task window apart in what they share.
struct LltTaskFrameSetup {
    LltTaskWindow window = LltTaskWindow::Analysis;  // whose checks its fields run
    int statusFields = 1;
    wxString status;  // the status text at start
    // The module's name of the result file, and the record's writer of that file.
    wxString* fileName = nullptr;
    bool (LltSolver::*writeFile)(const std::string&) const = nullptr;
    wxString dialogFile;  // the file dialog's default name
    wxString infoText, infoCaption, statusAfterInfo;
    // The module's open flag of the window, and whether the module's pointer names this window.
    bool* open = nullptr;
    std::function<bool(const LltTaskFrame*)> isModuleWindow;
};

class LltTaskFrame : public luvo::LuvoFrame, public LltResultLabels {
  public:
    ~LltTaskFrame() override;

    // Reads the fields and, when they hold accepted inputs, computes a new record, shows it and
    // rewrites the result file. While a check's box is open or a field holds a rejected text,
    // the plots are redrawn from the last accepted record and no file is written.
    void Recompute();

    // The field that holds an input of the window's checks.
    wxTextCtrl* Field(LltInput input) const { return checks_.Field(input); }

    // Sets the first status field with the text of an input step.
    virtual void SetInputStatus(const wxString& text);

    wxButton* chooseFileButton = nullptr;
    wxStaticText* fileNameLabel = nullptr;  // the result file's name, blanks included

  protected:
    LltTaskFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                 LltTaskFrameSetup setup);

    // One accepted recomputation: its record, and how its plots are drawn again.
    struct Accepted {
        std::shared_ptr<LltSolver> record;
        std::function<void()> drawPlots;
    };
    // Computes a new record from the fields, which hold accepted inputs, and sets the result
    // labels; the plots are drawn and the file written by Recompute.
    virtual Accepted ComputeAccepted() = 0;

    // Creation of the controls on the panel.
    template <class FieldClass>
    FieldClass* AddField(const wchar_t* text, int x, int y) {
        return new FieldClass(panel_, checks_, text, wxPoint(x, y));
    }
    wxStaticText* AddText(const wxString& label, int x, int y);
    // The result file's label and the button that chooses another file.
    void AddFileControls(const wxString& label, wxPoint labelAt, int buttonId, wxPoint buttonAt);
    // Declares which field holds which input, then arms the checks: the fields exist with their
    // texts, and from now on every change of one runs the checks.
    void DeclareFields(std::initializer_list<std::pair<LltInput, wxTextCtrl*>> fields);

    void OnClose(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnChooseFile(wxCommandEvent& event);

  private:
    void CloseAndForget();
    void Forget();

    LltTaskFrameSetup setup_;
    LltFieldChecks checks_;
    std::function<void()> drawAccepted_;  // empty until the first accepted recomputation
};
