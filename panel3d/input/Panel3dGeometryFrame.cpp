#include "panel3d/input/Panel3dGeometryFrame.h"

#include <wx/statbox.h>
#include <wx/stattext.h>

#include "common/RangeCheckBox.h"
#include "common/SingleWindow.h"
#include "panel3d/input/Panel3dDiscretisationFrame.h"
#include "panel3d/input/Panel3dFlowState.h"
#include "panel3d/input/Panel3dInputModule.h"
#include "panel3d/input/Panel3dRunWindows.h"

namespace {

const wxString kStatus = wxS("Eingabe geometrischer Daten");

Panel3dGeometryField* NewField(wxWindow* panel, wxPoint at, const wxString& value,
                               const wxString& toolTip) {
    auto* field = new Panel3dGeometryField(panel, wxID_ANY, value, at, wxSize(40, -1));
    field->SetToolTip(toolTip);
    return field;
}

// A field 40 pixels wide at (680, y), its label at (labelX, y + 3) and "=" at x = 668.
Panel3dGeometryField* AddField(wxWindow* panel, int y, int labelX, const wxString& label,
                               const wxString& value, const wxString& toolTip) {
    new wxStaticText(panel, wxID_ANY, label, wxPoint(labelX, y + 3));
    new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(668, y + 3));
    return NewField(panel, wxPoint(680, y), value, toolTip);
}

}  // namespace

Panel3dGeometryFrame::Panel3dGeometryFrame(const wxString& title, const wxPoint& pos,
                                           const wxSize& size, long style,
                                           std::shared_ptr<Panel3dPolarEvaluator> evaluator)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 1, style),
      evaluator_(std::move(evaluator)) {
    panel = GetPanel();
    SetStatusText(kStatus);

    new wxStaticBox(panel, wxID_ANY, wxS("Allgemeine geometrische Daten:"), wxPoint(350, 10),
                    wxSize(390, 100));
    new wxStaticBox(panel, wxID_ANY,
                    wxS("Geometrische Daten Flügelwurzel (NACA four-digit Profil):"),
                    wxPoint(350, 120), wxSize(390, 150));
    new wxStaticBox(panel, wxID_ANY, wxS("Geometrische Daten Randbogen (NACA four-digit Profil):"),
                    wxPoint(350, 280), wxSize(390, 150));
    new wxStaticBox(panel, wxID_ANY, wxS("Aerodynamische Daten:"), wxPoint(350, 440),
                    wxSize(390, 53));
    new wxStaticBox(panel, wxID_ANY, wxS("Klappendaten:"), wxPoint(350, 502), wxSize(390, 152));

    spanField = AddField(panel, 30, 370, wxS("Spannweite b [m]:"), wxS("6"),
                         wxS("0,5  <= Spannweite <= 100"));
    sweepField = AddField(panel, 55, 370, wxS("Pfeilwinkel Vorderkante phi_v [°]:"), wxS("32"),
                          wxS("-60  <= Pfeilwinkel Vorderkante <= 60"));
    dihedralField =
        AddField(panel, 80, 370, wxS("V-Winkel nü [°]:"), wxS("5"), wxS("-10 <= V-Winkel < 30"));

    rootChordField = AddField(panel, 140, 530, wxS("Profiltiefe t [m]:"), wxS("1.0"),
                              wxS("0,1  <= Flügelwurzeltiefe <= 50"));
    rootIncidenceField = AddField(panel, 165, 530, wxS("Einstellwinkel alfa0 [°]:"), wxS("2.5"),
                                  wxS("-5   <= Einstellwinkel Wurzel <= 5"));
    rootThicknessField = AddField(panel, 190, 530, wxS("Maximale Dicke d/t [%]:"), wxS("15"),
                                  wxS("6    <= Maximale Dicke an der Wurzel <= 20"));
    rootCamberField = AddField(panel, 215, 530, wxS("Maximale Wölbung f/t [%]:"), wxS("4"),
                               wxS("0    <= Maximale Wölbung an der Wurzel <= 10"));
    rootCamberPositionField =
        AddField(panel, 240, 530, wxS("Wölbungsrücklage x_f/t [%]:"), wxS("40"),
                 wxS("5   <= Wölbungsrücklage an der Wurzel <= 80"));

    tipChordField = AddField(panel, 300, 530, wxS("Profiltiefe t [m]:"), wxS("0.5"),
                             wxS("0,1  <= Randbogentiefe <= 30"));
    tipIncidenceField = AddField(panel, 325, 530, wxS("Einstellwinkel alfa0 [°]:"), wxS("-2.5"),
                                 wxS("-5   <= Einstellwinkel Randbogen <= 5"));
    tipThicknessField = AddField(panel, 350, 530, wxS("Maximale Dicke d/t [%]:"), wxS("15"),
                                 wxS("6    <= Maximale Dicke am Randbogen <= 20"));
    tipCamberField = AddField(panel, 375, 530, wxS("Maximale Wölbung f/t [%]:"), wxS("4"),
                              wxS("0   <= Maximale Wölbung am Randbogen <= 10"));
    tipCamberPositionField = AddField(panel, 400, 530, wxS("Wölbungsrücklage x_f/t [%]:"),
                                      wxS("40"), wxS("5   <= Wölbungsrücklage am Randbogen <= 80"));

    betaField = AddField(panel, 460, 370, wxS("Schiebewinkel beta [°]:"), wxS("0"),
                         wxS("-30 <= Schiebewinkel <= 30"));

    new wxStaticText(panel, wxID_ANY, wxS("Aktivierung des Klappenausschlags:"), wxPoint(370, 523));
    flapCheckBox = new Panel3dFlapCheckBox(panel, wxID_ANY, wxS("aktiv"), wxPoint(620, 520));
    flapCheckBox->SetToolTip(wxS("Aktivierung des Klappenausschlages"));
    new wxStaticText(panel, wxID_ANY, wxS("Positionen in Spannweitenrichtung [%]:"),
                     wxPoint(370, 548));
    flapInnerField = NewField(panel, wxPoint(620, 545), wxS("50"),
                              wxS("0 <= Position in Richtung Flügelwurzel <= Y2"));
    new wxStaticText(panel, wxID_ANY, wxS("-"), wxPoint(668, 548));
    flapOuterField = NewField(panel, wxPoint(680, 545), wxS("80"),
                              wxS("Y1 <= Position in Richtung Flügeltip <= 100"));
    new wxStaticText(panel, wxID_ANY, wxS("Position des Klappendrehpunktes in x-Richtung [%]:"),
                     wxPoint(370, 573));
    hingePositionField = NewField(panel, wxPoint(680, 570), wxS("75"),
                                  wxS("0 <= Position relativ zur Flügeltiefe <= 100"));
    new wxStaticText(panel, wxID_ANY, wxS("Höhe des Klappendrehpunktes über UK [%]:"),
                     wxPoint(370, 598));
    hingeHeightField = NewField(panel, wxPoint(680, 595), wxS("50"),
                                wxS("0 <= Position relativ zur Flügeldicke <= 100"));
    new wxStaticText(panel, wxID_ANY, wxS("Klappenausschlag links / rechts [°]:"),
                     wxPoint(370, 623));
    leftDeflectionField = NewField(panel, wxPoint(620, 620), wxS("0"),
                                   wxS("-30 <= Klappenausschlag linke Flügelhälfte <= 30"));
    new wxStaticText(panel, wxID_ANY, wxS("/"), wxPoint(668, 623));
    rightDeflectionField = NewField(panel, wxPoint(680, 620), wxS("0"),
                                    wxS("-30 <= Klappenausschlag rechte Flügelhälfte <= 30"));
    EnableFlapFields(false);

    CreateCanvases();

    nextButton = new wxButton(panel, kIdNext, wxS("&Weiter"), wxPoint(90, 480));
    nextButton->SetToolTip(wxS("Weiter"));
    cancelButton = new wxButton(panel, kIdCancel, wxS("&Abbrechen"), wxPoint(200, 480));
    cancelButton->SetToolTip(wxS("Abbrechen"));
}

void Panel3dGeometryFrame::EnableFlapFields(bool enable) {
    wxWindow* const fields[] = {flapInnerField,   flapOuterField,      hingePositionField,
                                hingeHeightField, leftDeflectionField, rightDeflectionField};
    for (wxWindow* field : fields) field->Enable(enable);
}

Panel3dGeometryInputs Panel3dGeometryFrame::Inputs() const {
    Panel3dGeometryInputs in;
    in.span = spanField->Number();
    in.sweep = sweepField->Number();
    in.dihedral = dihedralField->Number();
    in.rootChord = rootChordField->Number();
    in.rootIncidence = rootIncidenceField->Number();
    in.rootThickness = rootThicknessField->Number();
    in.rootCamber = rootCamberField->Number();
    in.rootCamberPosition = rootCamberPositionField->Number();
    in.tipChord = tipChordField->Number();
    in.tipIncidence = tipIncidenceField->Number();
    in.tipThickness = tipThicknessField->Number();
    in.tipCamber = tipCamberField->Number();
    in.tipCamberPosition = tipCamberPositionField->Number();
    in.beta = betaField->Number();
    in.flapActive = flapCheckBox->GetValue();
    in.flapInner = flapInnerField->Number();
    in.flapOuter = flapOuterField->Number();
    in.hingePosition = hingePositionField->Number();
    in.hingeHeight = hingeHeightField->Number();
    in.leftDeflection = leftDeflectionField->Number();
    in.rightDeflection = rightDeflectionField->Number();
    return in;
}

void Panel3dGeometryFrame::CloseWindow() {
    if (Panel3dGeometryWindow == this) {
        Panel3dGeometryOpen = false;
        Panel3dGeometryWindow = nullptr;
        // "Diskretisierung" and the flap view read this window's fields: they go with it.
        if (Panel3dDiscretisationOpen) Panel3dDiscretisationWindow->CloseWindow();
    }
    Destroy();
}

void Panel3dGeometryFrame::OnClose(wxCloseEvent& event) {
    // A run reads this window's fields.
    if (!Panel3dRefuseCloseDuringRun(event)) CloseWindow();
}

void Panel3dGeometryFrame::OnCloseCommand(wxCommandEvent&) {
    if (!Panel3dRunActive) CloseWindow();
}

void Panel3dGeometryFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Info"));
    luvo::ShowInfoBox(
        this,
        wxS("Durch Ziehen und Verschieben der roten Kästchen \nper Maus, bzw. durch "
            "alfanumerische Eingabe der Daten\nkann die Flügelgeometrie eingegeben werden.\n\n"
            "Die Spannweite wird in der Ansicht stets konstant gehalten,\ndie anderen Größen "
            "werden entsprechend skaliert.\n\nDas erzeugte Profil basiert auf einem NACA "
            "Four-digit Profil,\ndessen Form durch eine analytische Funktion dargestellt werden "
            "kann.\nDicke, Wölbung und Wölbungsrücklage können dabei variiert werden.\n\n"
            "Flügelkonfigurationen mit anderen beliebigen Profilen und Geometrien\nkönnen "
            "innerhalb des Programmes Luvo mit Hilfe des externen\nFlügelgenerators erzeugt "
            "werden.\n"),
        wxS("Info Eingabe der Daten"));
    SetStatusText(kStatus);
}

void Panel3dGeometryFrame::OnNext(wxCommandEvent&) {
    if (!luvo::PassRangeChecks(
            this, Panel3dGeometryChecks(Inputs(), Panel3dCurrentFlowState.alphaStar))) {
        return;
    }
    luvo::OpenSingleWindow(Panel3dDiscretisationWindow, Panel3dDiscretisationOpen,
                           wxS("Diskretisierung"), wxSize(420, 590), wxDEFAULT_FRAME_STYLE,
                           evaluator_);
}

void Panel3dGeometryField::OnTextChanged(wxCommandEvent& event) {
    // The fields exist before the canvases; the window finds itself through the parent.
    if (auto* frame = dynamic_cast<Panel3dGeometryFrame*>(wxGetTopLevelParent(this))) {
        frame->DrawPreview();
    }
    event.Skip();
}

void Panel3dFlapCheckBox::OnCheckBox(wxCommandEvent& event) {
    if (auto* frame = dynamic_cast<Panel3dGeometryFrame*>(wxGetTopLevelParent(this))) {
        frame->EnableFlapFields(GetValue());
        frame->DrawPreview();
    }
    event.Skip();
}

// clang-format off
wxBEGIN_EVENT_TABLE(Panel3dGeometryFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, Panel3dGeometryFrame::OnCloseCommand)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dGeometryFrame::OnInfo)
    EVT_BUTTON(3, Panel3dGeometryFrame::OnCloseCommand)
    EVT_BUTTON(Panel3dGeometryFrame::kIdNext, Panel3dGeometryFrame::OnNext)
    EVT_BUTTON(Panel3dGeometryFrame::kIdCancel, Panel3dGeometryFrame::OnCloseCommand)
    EVT_CLOSE(Panel3dGeometryFrame::OnClose)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(Panel3dGeometryField, luvo::NumericField)
    EVT_TEXT(wxID_ANY, Panel3dGeometryField::OnTextChanged)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(Panel3dFlapCheckBox, wxCheckBox)
    EVT_CHECKBOX(wxID_ANY, Panel3dFlapCheckBox::OnCheckBox)
wxEND_EVENT_TABLE()
