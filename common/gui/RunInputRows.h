#pragma once
// The rows that the run-input windows of both 3D methods (grid input and discretisation) build
// alike: "label + field" rows of a parameter box, the grid-file and result-file rows with their
// choosers, the wake radio box with the relaxation fields it switches, and the shared info and
// error boxes.

#include <wx/frame.h>
#include <wx/radiobox.h>
#include <wx/window.h>

#include <vector>

#include "common/gui/FileChooser.h"
#include "common/gui/NumericField.h"

namespace luvo {

// One "label + field" row of a parameter box.
struct ParameterRow {
    wxString label;
    wxString value;                 // the field's text at start
    wxString toolTip = wxString();  // none when empty
    bool enabled = true;
};

// Where a parameter box puts its rows: the first at `top`, each next `step` pixels lower; the
// label at (labelX, y + labelDrop), the field `fieldWidth` pixels wide at (fieldX, y).
struct ParameterColumns {
    int top;
    int step;
    int labelX;
    int labelDrop;
    int fieldX;
    int fieldWidth;
};

// Adds the rows from the top, each label before its field; the fields in row order.
std::vector<NumericField*> AddParameterRows(wxWindow* panel, const ParameterColumns& columns,
                                            const std::vector<ParameterRow>& rows);

// The three result files of a 3D run, in the order their rows stand.
enum class ResultFile { Wing3d, CpOverX, CaOverY };

struct ResultFileRows {
    FileChooserRow wing3d;
    FileChooserRow cpOverX;
    FileChooserRow caOverY;
};

// The three result-file rows, 50 pixels apart from `top`, their buttons `firstId` to
// `firstId + 2`; `drop` moves each button and label that many pixels below the common row.
ResultFileRows AddResultFileRows(wxWindow* panel, int top, wxWindowID firstId, int drop = 0);

// Hands the rows' buttons and labels to the window's members.
void Unpack(const ResultFileRows& rows, wxButton*& button3d, wxStaticText*& label3d,
            wxButton*& buttonCp, wxStaticText*& labelCp, wxButton*& buttonCa,
            wxStaticText*& labelCa);

// The save dialog of one result file; on OK its path goes into `label`.
void ChooseResultFile(wxWindow* parent, wxStaticText* label, ResultFile file);

// The grid-file row at the top of a grid-input window, with the method's default name.
FileChooserRow AddGridFileRow(wxWindow* panel, wxWindowID id, const wxString& defaultName);

// The open dialog of the grid file, proposing `defaultName` and showing the files of its
// extension; on OK its path goes into `label`.
void ChooseGridFile(wxWindow* parent, wxStaticText* label, const wxString& defaultName);

// The wake radio box "Nachlauf:" in one column, flat (0) selected.
wxRadioBox* AddWakeRadioBox(wxWindow* panel, wxWindowID id, const wxString& flat,
                            const wxString& relaxed, const wxPoint& at,
                            const wxSize& size = wxDefaultSize);

// A wake choice: the relaxed wake (1) writes "8" into `iterations` and enables it with
// `alsoRelaxed`; the flat one writes "0" and disables them.
void ApplyWakeChoice(int selection, NumericField* iterations, wxWindow* alsoRelaxed = nullptr);

// The info box of a run-input window: status field 0 shows `during` while it is open and
// `after` when it has closed.
void ShowRunInputInfo(wxFrame* frame, const wxString& text, const wxString& caption,
                      const wxString& during, const wxString& after);

// The box of a discretisation window whose geometry window has gone.
void ShowGeometryMissing(wxWindow* parent);

}  // namespace luvo
