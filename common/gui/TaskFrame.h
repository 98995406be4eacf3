#pragma once
// What the task windows with validated fields and live plots have in common: the checks of their
// fields; the recomputation, which shows and writes only accepted inputs and otherwise redraws
// the last accepted result; the result file's label with its chooser; the info box; and closing,
// which empties the module's reference to the window. Each window keeps its own event table
// naming these handlers.

#include <wx/button.h>
#include <wx/stattext.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "common/gui/FieldChecks.h"
#include "common/gui/LuvoFrame.h"

namespace luvo {

// One input field of a task window as data: the window's member that keeps it, its initial text
// and place, the input of the checks that it holds (none for a field that no check reads), the
// value of the window's computation that it gives, and its tooltip.
template <class Frame, class FieldClass, class Inputs, class Input>
struct FieldRow {
    FieldClass* Frame::*member;
    const wxStringCharType* text;
    wxPoint at;
    std::optional<Input> input;
    double Inputs::*value;
    const wxStringCharType* toolTip;
};

// What sets one task window apart in what they share.
struct TaskFrameSetup {
    const CheckTable* checks = nullptr;  // the window's check table
    int statusFields = 1;
    wxString status;  // the status text at start
    // The module's name of the result file; with `trimFileName` the label's blanks before and
    // after the name are not part of it.
    wxString* fileName = nullptr;
    bool trimFileName = false;
    wxString dialogFile;  // the file dialog's default name
    wxString infoText, infoCaption, statusAfterInfo;
    // Empties the module's reference to the window if it names this one; a window that the
    // module no longer names leaves the reference to the one it names.
    std::function<void()> forget;
};

class TaskFrame : public LuvoFrame {
  public:
    ~TaskFrame() override;

    // Reads the fields and, when they hold accepted inputs, computes, shows and rewrites the
    // result file. While a check's box is open or a field holds a rejected text, the plots are
    // redrawn from the last accepted result and no file is written.
    void Recompute();

    // Draws the plots of the last accepted recomputation again; nothing before the first one.
    void RedrawLastAccepted() {
        if (drawAccepted_) drawAccepted_();
    }

    // The field that holds an input of the window's checks.
    wxTextCtrl* Field(int input) const { return checks_.Field(input); }

    // How many boxes the checks of the fields have shown so far.
    int BoxesShown() const { return checks_.BoxesShown(); }

    // Sets the first status field with the text of an input step.
    virtual void SetInputStatus(const wxString& text);

    wxButton* chooseFileButton = nullptr;
    wxStaticText* fileNameLabel = nullptr;  // the result file's name as shown

  protected:
    TaskFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
              TaskFrameSetup setup);

    // One accepted recomputation: how its plots are drawn, and how its result file is written.
    struct Result {
        std::function<void()> drawPlots;
        std::function<void(const std::string& fileName)> writeFile;
    };
    // The result of fields that hold accepted inputs, with the result labels set; the plots are
    // drawn and the file written by the caller.
    virtual Result ComputeResult() = 0;

    // The window's fields, from its table of them (FieldRow), all of which name the window.
    // Creates them on the panel in the order of the rows.
    template <class Frame, class FieldClass, class Inputs, class Input, std::size_t N>
    void AddFields(const FieldRow<Frame, FieldClass, Inputs, Input> (&rows)[N]) {
        Frame& frame = static_cast<Frame&>(*this);
        for (const auto& row : rows) {
            frame.*row.member = new FieldClass(panel_, checks_, row.text, row.at);
        }
    }
    // Sets their tooltips in the order of the rows.
    template <class Frame, class FieldClass, class Inputs, class Input, std::size_t N>
    void SetFieldToolTips(const FieldRow<Frame, FieldClass, Inputs, Input> (&rows)[N]) {
        const Frame& frame = static_cast<const Frame&>(*this);
        for (const auto& row : rows) (frame.*row.member)->SetToolTip(row.toolTip);
    }
    // Declares which field holds which input, then arms the checks: the fields exist with their
    // texts, and from now on every change of one runs the checks.
    template <class Frame, class FieldClass, class Inputs, class Input, std::size_t N>
    void DeclareFields(const FieldRow<Frame, FieldClass, Inputs, Input> (&rows)[N]) {
        const Frame& frame = static_cast<const Frame&>(*this);
        for (const auto& row : rows) {
            if (row.input) checks_.Declare(static_cast<int>(*row.input), frame.*row.member);
        }
        // The first recomputation comes from the first painting of the plots.
        checks_.Arm();
    }
    // The fields' values (a text without a leading number reads as 0).
    template <class Frame, class FieldClass, class Inputs, class Input, std::size_t N>
    Inputs ReadFields(const FieldRow<Frame, FieldClass, Inputs, Input> (&rows)[N]) const {
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
    // Computes, shows and writes from fields that hold accepted inputs.
    void RecomputeAccepted();
    void CloseAndForget();
    void Forget();

    TaskFrameSetup setup_;
    FieldChecks checks_;
    std::function<void()> drawAccepted_;  // empty until the first accepted recomputation
};

}  // namespace luvo
