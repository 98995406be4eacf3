#include "common/gui/FileChooser.h"

#include <wx/filedlg.h>
#include <wx/statbox.h>

namespace luvo {

FileChoice GridFileChoice(const wxString& defaultName, const wxString& wildcard) {
    return {wxS("Datei wählen"), defaultName, wildcard, FileChoice::Open};
}

FileChoice ResultFileChoice(const wxString& defaultName) {
    return {wxS("Dateiname wählen"), defaultName, wxS("*.dat"), FileChoice::Save};
}

bool ChooseFileInto(wxWindow* parent, wxStaticText* label, const FileChoice& choice) {
    const long style = choice.kind == FileChoice::Open ? wxFD_OPEN : wxFD_SAVE;
    wxFileDialog dialog(parent, choice.message, wxString(), choice.defaultName, choice.wildcard,
                        style);
    if (dialog.ShowModal() != wxID_OK) return false;
    label->SetLabel(dialog.GetPath());
    return true;
}

FileChooserRow AddFileChooserRow(wxWindow* panel, int top, wxWindowID buttonId,
                                 const wxString& boxTitle, const wxString& buttonLabel,
                                 const wxString& toolTip, const wxString& initialName,
                                 int boxHeight) {
    new wxStaticBox(panel, wxID_ANY, boxTitle, wxPoint(10, top), wxSize(390, boxHeight));
    FileChooserRow row;
    row.button = new wxButton(panel, buttonId, buttonLabel, wxPoint(20, top + 16));
    row.button->SetToolTip(toolTip);
    // A chosen file comes as its full path: the label keeps to the box and shows the path's end.
    row.label = new wxStaticText(panel, wxID_ANY, initialName, wxPoint(120, top + 21),
                                 wxSize(270, -1), wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_START);
    return row;
}

}  // namespace luvo
