#pragma once
// What the three task windows of the simple lifting-line method (analysis, twist design, chord
// design) have in common: the checks of their fields; the recomputation, which shows and writes
// only accepted inputs and otherwise redraws the last accepted result; the six result labels;
// the result file's label with its chooser; the info box; and closing, which clears the window's
// open flag. Each window keeps its own event table naming these handlers.

#include <wx/button.h>
#include <wx/stattext.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "common/LuvoFrame.h"
#include "llt/LltFieldChecks.h"
#include "llt/LltResultLabels.h"
#include "llt/LltSolver.h"

// One input field of a task window as data: the window's member that keeps it, its initial text
// and place, the input of the checks that it holds (none for a field that no check reads), the
// value of the window's computation that it gives, and its tooltip.
template <class Frame, class FieldClass, class Inputs>
struct LltFieldRow {
    FieldClass* Frame::*member;
    const wxStringCharType* text;
    wxPoint at;
    std::optional<LltInput> input;
    double Inputs::*value;
    const wxStringCharType* toolTip;
};

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
    std::function<bool()> isModuleWindow;
};

class LltTaskFrame : public luvo::LuvoFrame, public LltResultLabels {
  public:
    ~LltTaskFrame() override;

    // Reads the fields and, when they hold accepted inputs, computes a new record, shows it and
    // rewrites the result file. While a check's box is open or a field holds a rejected text,
    // the plots are redrawn from the last accepted record and no file is written.
    void Recompute();

    // Draws the plots of the last accepted recomputation again; nothing before the first one.
    void RedrawLastAccepted() {
        if (drawAccepted_) drawAccepted_();
    }

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
    // labels; the plots are drawn and the file written by RecomputeAccepted.
    virtual Accepted ComputeAccepted() = 0;

    // The window's fields, from its table of them (LltFieldRow), all of which name the window.
    // Creates them on the panel in the order of the rows.
    template <class Frame, class FieldClass, class Inputs, std::size_t N>
    void AddFields(const LltFieldRow<Frame, FieldClass, Inputs> (&rows)[N]) {
        Frame& frame = static_cast<Frame&>(*this);
        for (const auto& row : rows) {
            frame.*row.member = new FieldClass(panel_, checks_, row.text, row.at);
        }
    }
    // Sets their tooltips in the order of the rows.
    template <class Frame, class FieldClass, class Inputs, std::size_t N>
    void SetFieldToolTips(const LltFieldRow<Frame, FieldClass, Inputs> (&rows)[N]) {
        const Frame& frame = static_cast<const Frame&>(*this);
        for (const auto& row : rows) (frame.*row.member)->SetToolTip(row.toolTip);
    }
    // Declares which field holds which input, then arms the checks: the fields exist with their
    // texts, and from now on every change of one runs the checks.
    template <class Frame, class FieldClass, class Inputs, std::size_t N>
    void DeclareFields(const LltFieldRow<Frame, FieldClass, Inputs> (&rows)[N]) {
        const Frame& frame = static_cast<const Frame&>(*this);
        for (const auto& row : rows) {
            if (row.input) checks_.Declare(*row.input, frame.*row.member);
        }
        // The first recomputation comes from the first painting of the plots.
        checks_.Arm();
    }
    // The fields' values (a text without a leading number reads as 0).
    template <class Frame, class FieldClass, class Inputs, std::size_t N>
    Inputs ReadFields(const LltFieldRow<Frame, FieldClass, Inputs> (&rows)[N]) const {
        const Frame& frame = static_cast<const Frame&>(*this);
        Inputs in;
        for (const auto& row : rows) in.*row.value = (frame.*row.member)->Number();
        return in;
    }

    wxStaticText* AddText(const wxString& label, int x, int y);
    // The result file's label and the button that chooses another file.
    void AddFileControls(const wxString& label, wxPoint labelAt, int buttonId, wxPoint buttonAt);

    void OnClose(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnChooseFile(wxCommandEvent& event);

  private:
    // Computes, shows and writes a new record from fields that hold accepted inputs.
    void RecomputeAccepted();
    void CloseAndForget();
    void Forget();

    LltTaskFrameSetup setup_;
    LltFieldChecks checks_;
    std::function<void()> drawAccepted_;  // empty until the first accepted recomputation
};
