#pragma once
// The file choosers of the input windows: a boxed row with a button that opens a file dialog and
// a label that shows the chosen name. The label is the only store of the name until a run reads
// it.

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/window.h>

namespace luvo {

struct FileChoice {
    enum Kind { Open, Save };
    wxString message;
    wxString defaultName;  // always proposed, whatever the label shows
    wxString wildcard;
    Kind kind;
};

// The grid file to read: it need not exist yet when it is chosen.
FileChoice GridFileChoice(const wxString& defaultName, const wxString& wildcard);
// A result file, overwritten without a question.
FileChoice ResultFileChoice(const wxString& defaultName);

// Runs the modal dialog from the working directory; when the user confirms, the label shows the
// dialog's full path and the result is true. A cancelled dialog changes nothing.
bool ChooseFileInto(wxWindow* parent, wxStaticText* label, const FileChoice& choice);

struct FileChooserRow {
    wxButton* button = nullptr;
    wxStaticText* label = nullptr;
};

// A static box of 390 x `boxHeight` pixels at (10, top) holding the button at (20, top + 16) and
// the label with the initial name at (120, top + 21), 270 pixels wide: a longer name shows its
// end.
FileChooserRow AddFileChooserRow(wxWindow* panel, int top, wxWindowID buttonId,
                                 const wxString& boxTitle, const wxString& buttonLabel,
                                 const wxString& toolTip, const wxString& initialName,
                                 int boxHeight = 45);

}  // namespace luvo
