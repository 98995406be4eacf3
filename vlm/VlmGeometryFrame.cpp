#include "vlm/VlmGeometryFrame.h"

#include <wx/statbox.h>
#include <wx/stattext.h>

#include "common/RangeCheckBox.h"
#include "common/SingleWindow.h"
#include "vlm/VlmDiscretisationFrame.h"
#include "vlm/VlmModule.h"

namespace {

const wxString kStatus = wxS("Eingabe geometrischer Daten");

// A field 40 pixels wide at (680, y), its label at `label` and "=" at x = 668 on that line.
VlmGeometryField* AddField(wxWindow* panel, int y, const wxString& value, const wxString& label,
                           wxPoint labelAt, const wxString& toolTip) {
    new wxStaticText(panel, wxID_ANY, label, labelAt);
    new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(668, labelAt.y));
    auto* field = new VlmGeometryField(panel, wxID_ANY, value, wxPoint(680, y), wxSize(40, -1));
    field->SetToolTip(toolTip);
    return field;
}

}  // namespace

VlmGeometryFrame::VlmGeometryFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                   long style)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 1, style) {
    panel = GetPanel();
    SetStatusText(kStatus);

    new wxStaticBox(panel, wxID_ANY, wxS("Allgemeine geometrische Daten:"), wxPoint(350, 10),
                    wxSize(390, 100));
    spanField = AddField(panel, 30, wxS("6"), wxS("Spannweite b [m]:"), wxPoint(370, 33),
                         wxS("0,5  <= Spannweite <= 100"));
    sweepField = AddField(panel, 55, wxS("32"), wxS("Pfeilwinkel Vorderkante phi_v [°]:"),
                          wxPoint(370, 58), wxS("-60  <= Pfeilwinkel Vorderkante <= 60"));
    dihedralField = AddField(panel, 80, wxS("5"), wxS("V-Winkel nü [°]:"), wxPoint(370, 83),
                             wxS("-10 <= V-Winkel < 30"));

    new wxStaticBox(panel, wxID_ANY,
                    wxS("Geometrische Daten Flügelwurzel (NACA four-digit Profil):"),
                    wxPoint(350, 120), wxSize(390, 150));
    rootChordField = AddField(panel, 152, wxS("1.0"), wxS("Profiltiefe t [m]:"), wxPoint(530, 155),
                              wxS("0,1  <= Flügelwurzeltiefe <= 50"));
    rootIncidenceField = AddField(panel, 177, wxS("2.5"), wxS("Einstellwinkel alfa0 [°]:"),
                                  wxPoint(530, 180), wxS("-5   <= Einstellwinkel Wurzel <= 5"));
    rootCamberField =
        AddField(panel, 202, wxS("4"), wxS("Maximale Wölbung f/t [%]:"), wxPoint(530, 205),
                 wxS("0    <= Maximale Wölbung an der Wurzel <= 10"));
    rootCamberPositionField =
        AddField(panel, 227, wxS("40"), wxS("Wölbungsrücklage x_f/t [%]:"), wxPoint(530, 230),
                 wxS("5   <= Wölbungsrücklage an der Wurzel <= 80"));

    new wxStaticBox(panel, wxID_ANY, wxS("Geometrische Daten Randbogen (NACA four-digit Profil):"),
                    wxPoint(350, 280), wxSize(390, 150));
    tipChordField = AddField(panel, 312, wxS("0.5"), wxS("Profiltiefe t [m]:"), wxPoint(530, 315),
                             wxS("0,1  <= Randbogentiefe <= 30"));
    tipIncidenceField = AddField(panel, 337, wxS("-2.5"), wxS("Einstellwinkel alfa0 [°]:"),
                                 wxPoint(530, 340), wxS("-5   <= Einstellwinkel Randbogen <= 5"));
    tipCamberField = AddField(panel, 362, wxS("4"), wxS("Maximale Wölbung f/t [%]:"),
                              wxPoint(530, 365), wxS("0   <= Maximale Wölbung am Randbogen <= 10"));
    tipCamberPositionField =
        AddField(panel, 387, wxS("40"), wxS("Wölbungsrücklage x_f/t [%]:"), wxPoint(530, 390),
                 wxS("5   <= Wölbungsrücklage am Randbogen <= 80"));

    new wxStaticBox(panel, wxID_ANY, wxS("Aerodynamische Daten:"), wxPoint(350, 440),
                    wxSize(390, 75));
    alphaField = AddField(panel, 460, wxS("0"), wxS("Anströmwinkel alfa* [°]:"), wxPoint(370, 463),
                          wxS("-10 <= Anströmwinkel <= 10"));
    betaField = AddField(panel, 485, wxS("0"), wxS("Schiebewinkel beta [°]:"), wxPoint(370, 485),
                         wxS("-30 <= Schiebewinkel <= 30"));

    planformCanvas = new VlmPlanformCanvas(panel, wxPoint(10, 14), wxSize(330, 269));
    planformCanvas->SetToolTip(wxS("Flügelgeometrie vorgeben, Draufsicht"));
    frontViewCanvas = new VlmFrontViewCanvas(panel, wxPoint(10, 293), wxSize(330, 150));
    frontViewCanvas->SetToolTip(wxS("Flügelgeometrie vorgeben, Ansicht von vorne"));
    rootProfileCanvas = new VlmProfileCanvas(panel, wxPoint(360, 145), wxSize(160, 115), false);
    tipProfileCanvas = new VlmProfileCanvas(panel, wxPoint(360, 305), wxSize(160, 115), true);

    nextButton = new wxButton(panel, kIdNext, wxS("&Weiter"), wxPoint(90, 480));
    nextButton->SetToolTip(wxS("Weiter"));
    cancelButton = new wxButton(panel, kIdCancel, wxS("&Abbrechen"), wxPoint(200, 480));
    cancelButton->SetToolTip(wxS("Abbrechen"));
}

VlmWingInputs VlmGeometryFrame::Inputs() const {
    VlmWingInputs in;
    in.span = spanField->Number();
    in.rootChord = rootChordField->Number();
    in.tipChord = tipChordField->Number();
    in.sweep = sweepField->Number();
    in.rootIncidence = rootIncidenceField->Number();
    in.tipIncidence = tipIncidenceField->Number();
    in.rootCamber = rootCamberField->Number();
    in.tipCamber = tipCamberField->Number();
    in.rootCamberPosition = rootCamberPositionField->Number();
    in.tipCamberPosition = tipCamberPositionField->Number();
    in.dihedral = dihedralField->Number();
    in.alpha = alphaField->Number();
    in.beta = betaField->Number();
    return in;
}

void VlmGeometryFrame::DrawViews() {
    // The fields exist before the canvases: their first texts have nothing to redraw.
    if (tipProfileCanvas == nullptr) return;
    wxWindow* const views[] = {planformCanvas, frontViewCanvas, rootProfileCanvas,
                               tipProfileCanvas};
    for (wxWindow* view : views) view->Refresh(false);
    // Painted now, not at the next idle time, so a drag shows while the mouse moves.
    for (wxWindow* view : views) view->Update();
}

wxTextCtrl* VlmGeometryFrame::FieldOf(VlmDragField field) const {
    switch (field) {
        case VlmDragField::RootChord:
            return rootChordField;
        case VlmDragField::TipChord:
            return tipChordField;
        case VlmDragField::Sweep:
            return sweepField;
        case VlmDragField::Dihedral:
            break;
    }
    return dihedralField;
}

void VlmGeometryFrame::CloseWindow() {
    if (VlmGeometryWindow == this) {
        VlmGeometryOpen = false;
        VlmGeometryWindow = nullptr;
    }
    Destroy();
}

void VlmGeometryFrame::OnClose(wxCloseEvent& event) {
    if (VlmRunActive && event.CanVeto()) {
        event.Veto();
        return;
    }
    CloseWindow();
}

void VlmGeometryFrame::OnCloseCommand(wxCommandEvent&) {
    if (!VlmRunActive) CloseWindow();
}

void VlmGeometryFrame::OnInfo(wxCommandEvent&) {
    SetStatusText(wxS("Info"));
    luvo::ShowInfoBox(
        this,
        wxS("Durch Ziehen und Verschieben der roten Kästchen \nper Maus, bzw. durch "
            "alfanumerische Eingabe der Daten\nkann die Flügelgeometrie eingegeben werden.\n\n"
            "Die Spannweite wird in der Ansicht stets konstant gehalten,\ndie anderen Größen "
            "werden entsprechend skaliert.\n\nDas erzeugte Profil basiert auf einem NACA "
            "Four-digit Profil,\ndessen Form durch eine analytische Funktion dargestellt werden "
            "kann.\nWölbung und Wölbungsrücklage können dabei variiert werden.\n\n"
            "Flügelkonfigurationen mit anderen beliebigen Profilen und Geometrien\nkönnen "
            "innerhalb des Programmes Luvo mit Hilfe des externen\nFlügelgenerators erzeugt "
            "werden.\n"),
        wxS("Info Eingabe der Daten"));
    SetStatusText(kStatus);
}

bool VlmGeometryFrame::PassChecks(wxWindow* parent) const {
    return luvo::PassRangeChecks(parent, WingGeometryChecks(Inputs()));
}

void VlmGeometryFrame::OnNext(wxCommandEvent&) {
    if (!PassChecks(this)) return;
    luvo::OpenSingleWindow(VlmDiscretisationWindow, VlmDiscretisationOpen, wxS("Diskretisierung"),
                           wxSize(420, 585), wxDEFAULT_FRAME_STYLE | wxSTAY_ON_TOP);
}

// clang-format off
wxBEGIN_EVENT_TABLE(VlmGeometryFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, VlmGeometryFrame::OnCloseCommand)
    EVT_MENU(luvo::kIdMenuInfo, VlmGeometryFrame::OnInfo)
    EVT_BUTTON(VlmGeometryFrame::kIdNext, VlmGeometryFrame::OnNext)
    EVT_BUTTON(VlmGeometryFrame::kIdCancel, VlmGeometryFrame::OnCloseCommand)
    EVT_CLOSE(VlmGeometryFrame::OnClose)
wxEND_EVENT_TABLE()
