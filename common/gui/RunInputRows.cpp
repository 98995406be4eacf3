#include "common/gui/RunInputRows.h"

#include <wx/stattext.h>

#include "common/core/RangeCheck.h"
#include "common/gui/LuvoFrame.h"

namespace luvo {

std::vector<NumericField*> AddParameterRows(wxWindow* panel, const ParameterColumns& columns,
                                            const std::vector<ParameterRow>& rows) {
    std::vector<NumericField*> fields;
    int y = columns.top;
    for (const ParameterRow& row : rows) {
        new wxStaticText(panel, wxID_ANY, row.label,
                         wxPoint(columns.labelX, y + columns.labelDrop));
        auto* field = new NumericField(panel, wxID_ANY, row.value, wxPoint(columns.fieldX, y),
                                       wxSize(columns.fieldWidth, -1));
        if (!row.toolTip.empty()) field->SetToolTip(row.toolTip);
        field->Enable(row.enabled);
        fields.push_back(field);
        y += columns.step;
    }
    return fields;
}

namespace {

struct ResultFileText {
    const wchar_t* box;
    const wchar_t* button;
    const wchar_t* toolTip;
    const wchar_t* name;
};

// Indexed by ResultFile.
const ResultFileText kResultFiles[] = {
    {L"Auswahl der Ergebnisdatei 3D:", L"D&atei wählen",
     L"Festlegen des Dateinamens für 3D-Ergebnisdaten", L"3D.dat"},
    {L"Auswahl der Ergebnisdatei cp über x:", L"Da&tei wählen",
     L"Festlegen des Dateinamens für cp-Verlauf", L"cp-x.dat"},
    {L"Auswahl der Ergebnisdatei ca über y:", L"Dat&ei wählen",
     L"Festlegen des Dateinamens für ca-Verlauf", L"ca-y.dat"},
};

FileChooserRow AddResultFileRow(wxWindow* panel, int top, wxWindowID id, ResultFile file,
                                int drop) {
    const ResultFileText& text = kResultFiles[static_cast<int>(file)];
    FileChooserRow row =
        AddFileChooserRow(panel, top, id, text.box, text.button, text.toolTip, text.name);
    if (drop != 0) {
        row.button->Move(row.button->GetPosition() + wxPoint(0, drop));
        row.label->Move(row.label->GetPosition() + wxPoint(0, drop));
    }
    return row;
}

}  // namespace

ResultFileRows AddResultFileRows(wxWindow* panel, int top, wxWindowID firstId, int drop) {
    ResultFileRows rows;
    rows.wing3d = AddResultFileRow(panel, top, firstId, ResultFile::Wing3d, drop);
    rows.cpOverX = AddResultFileRow(panel, top + 50, firstId + 1, ResultFile::CpOverX, drop);
    rows.caOverY = AddResultFileRow(panel, top + 100, firstId + 2, ResultFile::CaOverY, drop);
    return rows;
}

void Unpack(const ResultFileRows& rows, wxButton*& button3d, wxStaticText*& label3d,
            wxButton*& buttonCp, wxStaticText*& labelCp, wxButton*& buttonCa,
            wxStaticText*& labelCa) {
    button3d = rows.wing3d.button;
    label3d = rows.wing3d.label;
    buttonCp = rows.cpOverX.button;
    labelCp = rows.cpOverX.label;
    buttonCa = rows.caOverY.button;
    labelCa = rows.caOverY.label;
}

void ChooseResultFile(wxWindow* parent, wxStaticText* label, ResultFile file) {
    ChooseFileInto(parent, label, ResultFileChoice(kResultFiles[static_cast<int>(file)].name));
}

FileChooserRow AddGridFileRow(wxWindow* panel, wxWindowID id, const wxString& defaultName) {
    return AddFileChooserRow(panel, 10, id, wxS("Auswahl der Flügelnetzdatei:"),
                             wxS("&Datei wählen"), wxS("Netzdatei auswählen"), defaultName);
}

void ChooseGridFile(wxWindow* parent, wxStaticText* label, const wxString& defaultName) {
    ChooseFileInto(parent, label,
                   GridFileChoice(defaultName, wxS("*.") + defaultName.AfterLast('.')));
}

wxRadioBox* AddWakeRadioBox(wxWindow* panel, wxWindowID id, const wxString& flat,
                            const wxString& relaxed, const wxPoint& at, const wxSize& size) {
    const wxString wakes[] = {flat, relaxed};
    auto* box =
        new wxRadioBox(panel, id, wxS("Nachlauf:"), at, size, 2, wakes, 1, wxRA_SPECIFY_COLS);
    box->SetSelection(0);
    return box;
}

void ApplyWakeChoice(int selection, NumericField* iterations, wxWindow* alsoRelaxed) {
    const bool relaxed = selection == 1;
    iterations->SetValue(relaxed ? wxS("8") : wxS("0"));
    iterations->Enable(relaxed);
    if (alsoRelaxed != nullptr) alsoRelaxed->Enable(relaxed);
}

void ShowRunInputInfo(wxFrame* frame, const wxString& text, const wxString& caption,
                      const wxString& during, const wxString& after) {
    frame->SetStatusText(during, 0);
    ShowInfoBox(frame, text, caption);
    frame->SetStatusText(after, 0);
}

void ShowGeometryMissing(wxWindow* parent) {
    ShowErrorBox(parent,
                 wxS("Die Flügelgeometrie fehlt:\n\nDas Geometriefenster ist geschlossen.\n"),
                 wxString::FromUTF8(kInvalidInputCaption));
}

}  // namespace luvo
