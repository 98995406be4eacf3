#include "common/gui/WingGeometryWindow.h"

#include <wx/statbox.h>
#include <wx/stattext.h>

namespace luvo {

namespace {

const wxString kStatus = wxS("Eingabe geometrischer Daten");

// A field at (680, y), its label at `labelAt` and "=" at x = 668 on the label's line.
WingGeometryField* AddField(wxWindow* panel, int y, wxPoint labelAt, const wxString& label,
                            const wxString& value, const wxString& toolTip) {
    new wxStaticText(panel, wxID_ANY, label, labelAt);
    new wxStaticText(panel, wxID_ANY, wxS("="), wxPoint(668, labelAt.y));
    return NewWingGeometryField(panel, wxPoint(680, y), value, toolTip);
}

// A field whose label stands 3 pixels lower, so that both texts share a line.
WingGeometryField* AddRow(wxWindow* panel, int y, int labelX, const wxString& label,
                          const wxString& value, const wxString& toolTip) {
    return AddField(panel, y, wxPoint(labelX, y + 3), label, value, toolTip);
}

// The texts in which the root and tip section boxes differ.
struct SectionTexts {
    wxString box;
    wxString chord, chordTip;
    wxString incidence, incidenceTip;
    wxString thicknessTip, camberTip, camberPositionTip;
};

const SectionTexts kRootTexts = {wxS("Geometrische Daten Flügelwurzel (NACA four-digit Profil):"),
                                 wxS("1.0"),
                                 wxS("0,1  <= Flügelwurzeltiefe <= 50"),
                                 wxS("2.5"),
                                 wxS("-5   <= Einstellwinkel Wurzel <= 5"),
                                 wxS("6    <= Maximale Dicke an der Wurzel <= 20"),
                                 wxS("0    <= Maximale Wölbung an der Wurzel <= 10"),
                                 wxS("5   <= Wölbungsrücklage an der Wurzel <= 80")};

const SectionTexts kTipTexts = {wxS("Geometrische Daten Randbogen (NACA four-digit Profil):"),
                                wxS("0.5"),
                                wxS("0,1  <= Randbogentiefe <= 30"),
                                wxS("-2.5"),
                                wxS("-5   <= Einstellwinkel Randbogen <= 5"),
                                wxS("6    <= Maximale Dicke am Randbogen <= 20"),
                                wxS("0   <= Maximale Wölbung am Randbogen <= 10"),
                                wxS("5   <= Wölbungsrücklage am Randbogen <= 80")};

// Where the fields of a section box go.
struct SectionSlots {
    WingGeometryField** chord;
    WingGeometryField** incidence;
    WingGeometryField** thickness;  // null: the box has no thickness row
    WingGeometryField** camber;
    WingGeometryField** camberPosition;
};

// A section box at y = `boxY` with its rows from y = `top` down.
void AddSection(wxWindow* panel, const SectionTexts& texts, int boxY, int top,
                const SectionSlots& to) {
    new wxStaticBox(panel, wxID_ANY, texts.box, wxPoint(350, boxY), wxSize(390, 150));
    int y = top;
    *to.chord = AddRow(panel, y, 530, wxS("Profiltiefe t [m]:"), texts.chord, texts.chordTip);
    *to.incidence = AddRow(panel, y += 25, 530, wxS("Einstellwinkel alfa0 [°]:"), texts.incidence,
                           texts.incidenceTip);
    if (to.thickness != nullptr) {
        *to.thickness = AddRow(panel, y += 25, 530, wxS("Maximale Dicke d/t [%]:"), wxS("15"),
                               texts.thicknessTip);
    }
    *to.camber =
        AddRow(panel, y += 25, 530, wxS("Maximale Wölbung f/t [%]:"), wxS("4"), texts.camberTip);
    *to.camberPosition = AddRow(panel, y += 25, 530, wxS("Wölbungsrücklage x_f/t [%]:"), wxS("40"),
                                texts.camberPositionTip);
}

}  // namespace

WingGeometryField* NewWingGeometryField(wxWindow* panel, wxPoint at, const wxString& value,
                                        const wxString& toolTip) {
    auto* field = new WingGeometryField(panel, wxID_ANY, value, at, wxSize(40, -1));
    field->SetToolTip(toolTip);
    return field;
}

WingGeometryWindow::WingGeometryWindow(const wxString& title, const wxPoint& pos,
                                       const wxSize& size, long style, WingGeometryRows rows)
    : LuvoFrame(title, pos, size, FileMenu::Close, 1, style), rows_(rows) {
    panel = GetPanel();
    SetStatusText(kStatus);
}

void WingGeometryWindow::AddFields() {
    new wxStaticBox(panel, wxID_ANY, wxS("Allgemeine geometrische Daten:"), wxPoint(350, 10),
                    wxSize(390, 100));
    spanField = AddRow(panel, 30, 370, wxS("Spannweite b [m]:"), wxS("6"),
                       wxS("0,5  <= Spannweite <= 100"));
    sweepField = AddRow(panel, 55, 370, wxS("Pfeilwinkel Vorderkante phi_v [°]:"), wxS("32"),
                        wxS("-60  <= Pfeilwinkel Vorderkante <= 60"));
    dihedralField =
        AddRow(panel, 80, 370, wxS("V-Winkel nü [°]:"), wxS("5"), wxS("-10 <= V-Winkel < 30"));

    // Five section rows start higher in their box than four; the tip box is 160 pixels lower.
    const int rootTop = rows_.sectionThickness ? 140 : 152;
    const bool thickness = rows_.sectionThickness;
    AddSection(panel, kRootTexts, 120, rootTop,
               {&rootChordField, &rootIncidenceField, thickness ? &rootThicknessField : nullptr,
                &rootCamberField, &rootCamberPositionField});
    AddSection(panel, kTipTexts, 280, rootTop + 160,
               {&tipChordField, &tipIncidenceField, thickness ? &tipThicknessField : nullptr,
                &tipCamberField, &tipCamberPositionField});

    const wxString betaLabel = wxS("Schiebewinkel beta [°]:");
    const wxString betaTip = wxS("-30 <= Schiebewinkel <= 30");
    if (rows_.angleOfAttack) {
        new wxStaticBox(panel, wxID_ANY, wxS("Aerodynamische Daten:"), wxPoint(350, 440),
                        wxSize(390, 75));
        alphaField = AddRow(panel, 460, 370, wxS("Anströmwinkel alfa* [°]:"), wxS("0"),
                            wxS("-10 <= Anströmwinkel <= 10"));
        // This label stands on the field's top line.
        betaField = AddField(panel, 485, wxPoint(370, 485), betaLabel, wxS("0"), betaTip);
    } else {
        new wxStaticBox(panel, wxID_ANY, wxS("Aerodynamische Daten:"), wxPoint(350, 440),
                        wxSize(390, 53));
        betaField = AddRow(panel, 460, 370, betaLabel, wxS("0"), betaTip);
    }
}

void WingGeometryWindow::AddPreviewAndButtons() {
    planformCanvas = new WingPlanformCanvas(panel, wxPoint(10, 14), wxSize(330, 269));
    planformCanvas->SetToolTip(wxS("Flügelgeometrie vorgeben, Draufsicht"));
    frontViewCanvas = new WingFrontViewCanvas(panel, wxPoint(10, 293), wxSize(330, 150));
    frontViewCanvas->SetToolTip(wxS("Flügelgeometrie vorgeben, Ansicht von vorne"));
    rootProfileCanvas = new WingProfileCanvas(panel, wxPoint(360, 145), wxSize(160, 115), false);
    tipProfileCanvas = new WingProfileCanvas(panel, wxPoint(360, 305), wxSize(160, 115), true);

    nextButton = new wxButton(panel, kIdNext, wxS("&Weiter"), wxPoint(90, 480));
    nextButton->SetToolTip(wxS("Weiter"));
    cancelButton = new wxButton(panel, kIdCancel, wxS("&Abbrechen"), wxPoint(200, 480));
    cancelButton->SetToolTip(wxS("Abbrechen"));
}

void WingGeometryWindow::DrawPreview() {
    // The fields exist before the canvases: their first texts have nothing to redraw.
    if (tipProfileCanvas == nullptr) return;
    wxWindow* const views[] = {planformCanvas, frontViewCanvas, rootProfileCanvas,
                               tipProfileCanvas};
    for (wxWindow* view : views) view->Refresh(false);
    // Painted now, not at the next idle time, so a drag shows while the mouse moves.
    for (wxWindow* view : views) view->Update();
}

wxTextCtrl* WingGeometryWindow::FieldOf(WingDragField field) const {
    switch (field) {
        case WingDragField::RootChord:
            return rootChordField;
        case WingDragField::TipChord:
            return tipChordField;
        case WingDragField::Sweep:
            return sweepField;
        case WingDragField::Dihedral:
            break;
    }
    return dihedralField;
}

void WingGeometryWindow::OnInfo(wxCommandEvent&) {
    const wxString varied = rows_.sectionThickness ? wxS("Dicke, Wölbung und Wölbungsrücklage")
                                                   : wxS("Wölbung und Wölbungsrücklage");
    SetStatusText(wxS("Info"));
    ShowInfoBox(
        this,
        wxS("Durch Ziehen und Verschieben der roten Kästchen \nper Maus, bzw. durch "
            "alfanumerische Eingabe der Daten\nkann die Flügelgeometrie eingegeben werden.\n\n"
            "Die Spannweite wird in der Ansicht stets konstant gehalten,\ndie anderen Größen "
            "werden entsprechend skaliert.\n\nDas erzeugte Profil basiert auf einem NACA "
            "Four-digit Profil,\ndessen Form durch eine analytische Funktion dargestellt werden "
            "kann.\n") +
            varied +
            wxS(" können dabei variiert werden.\n\n"
                "Flügelkonfigurationen mit anderen beliebigen Profilen und Geometrien\nkönnen "
                "innerhalb des Programmes Luvo mit Hilfe des externen\nFlügelgenerators erzeugt "
                "werden.\n"),
        wxS("Info Eingabe der Daten"));
    SetStatusText(kStatus);
}

void WingGeometryField::OnTextChanged(wxCommandEvent& event) {
    // The fields exist before the canvases; the window finds itself through the parent.
    if (auto* frame = dynamic_cast<WingGeometryWindow*>(wxGetTopLevelParent(this))) {
        frame->DrawPreview();
    }
    event.Skip();
}

wxBEGIN_EVENT_TABLE(WingGeometryField, NumericField)
    EVT_TEXT(wxID_ANY, WingGeometryField::OnTextChanged)
wxEND_EVENT_TABLE()

}  // namespace luvo
