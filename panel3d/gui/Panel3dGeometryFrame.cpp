#include "panel3d/gui/Panel3dGeometryFrame.h"

#include <wx/statbox.h>
#include <wx/stattext.h>

#include "common/gui/RangeCheckBox.h"
#include "common/gui/SingleWindow.h"
#include "panel3d/core/Panel3dFlowState.h"
#include "panel3d/gui/Panel3dDiscretisationFrame.h"
#include "panel3d/gui/Panel3dInputModule.h"
#include "panel3d/gui/Panel3dRunWindows.h"

Panel3dGeometryFrame::Panel3dGeometryFrame(const wxString& title, const wxPoint& pos,
                                           const wxSize& size, long style,
                                           std::shared_ptr<Panel3dPolarEvaluator> evaluator)
    : luvo::WingGeometryWindow(title, pos, size, style,
                               {/*sectionThickness=*/true, /*angleOfAttack=*/false}),
      evaluator_(std::move(evaluator)) {
    AddFields();

    new wxStaticBox(panel, wxID_ANY, wxS("Klappendaten:"), wxPoint(350, 502), wxSize(390, 152));
    new wxStaticText(panel, wxID_ANY, wxS("Aktivierung des Klappenausschlags:"), wxPoint(370, 523));
    flapCheckBox = new Panel3dFlapCheckBox(panel, wxID_ANY, wxS("aktiv"), wxPoint(620, 520));
    flapCheckBox->SetToolTip(wxS("Aktivierung des Klappenausschlages"));
    new wxStaticText(panel, wxID_ANY, wxS("Positionen in Spannweitenrichtung [%]:"),
                     wxPoint(370, 548));
    flapInnerField = luvo::NewWingGeometryField(
        panel, wxPoint(620, 545), wxS("50"), wxS("0 <= Position in Richtung Flügelwurzel <= Y2"));
    new wxStaticText(panel, wxID_ANY, wxS("-"), wxPoint(668, 548));
    flapOuterField = luvo::NewWingGeometryField(panel, wxPoint(680, 545), wxS("80"),
                                                wxS("Y1 <= Position in Richtung Flügeltip <= 100"));
    new wxStaticText(panel, wxID_ANY, wxS("Position des Klappendrehpunktes in x-Richtung [%]:"),
                     wxPoint(370, 573));
    hingePositionField = luvo::NewWingGeometryField(
        panel, wxPoint(680, 570), wxS("75"), wxS("0 <= Position relativ zur Flügeltiefe <= 100"));
    new wxStaticText(panel, wxID_ANY, wxS("Höhe des Klappendrehpunktes über UK [%]:"),
                     wxPoint(370, 598));
    hingeHeightField = luvo::NewWingGeometryField(
        panel, wxPoint(680, 595), wxS("50"), wxS("0 <= Position relativ zur Flügeldicke <= 100"));
    new wxStaticText(panel, wxID_ANY, wxS("Klappenausschlag links / rechts [°]:"),
                     wxPoint(370, 623));
    leftDeflectionField =
        luvo::NewWingGeometryField(panel, wxPoint(620, 620), wxS("0"),
                                   wxS("-30 <= Klappenausschlag linke Flügelhälfte <= 30"));
    new wxStaticText(panel, wxID_ANY, wxS("/"), wxPoint(668, 623));
    rightDeflectionField =
        luvo::NewWingGeometryField(panel, wxPoint(680, 620), wxS("0"),
                                   wxS("-30 <= Klappenausschlag rechte Flügelhälfte <= 30"));
    EnableFlapFields(false);

    AddPreviewAndButtons();
}

void Panel3dGeometryFrame::EnableFlapFields(bool enable) {
    wxWindow* const fields[] = {flapInnerField,   flapOuterField,      hingePositionField,
                                hingeHeightField, leftDeflectionField, rightDeflectionField};
    for (wxWindow* field : fields) field->Enable(enable);
}

luvo::WingPreviewInputs Panel3dGeometryFrame::PreviewInputs() const {
    return Panel3dPreviewInputs(Inputs(), panel3d::Panel3dCurrentFlowState.alphaStar);
}

Panel3dGeometryInputs Panel3dGeometryFrame::Read(bool forCheck) const {
    Panel3dGeometryInputs in;
    ReadWing(in, forCheck);
    in.flapActive = flapCheckBox->GetValue();
    in.flapInner = flapInnerField->Value(forCheck);
    in.flapOuter = flapOuterField->Value(forCheck);
    in.hingePosition = hingePositionField->Value(forCheck);
    in.hingeHeight = hingeHeightField->Value(forCheck);
    in.leftDeflection = leftDeflectionField->Value(forCheck);
    in.rightDeflection = rightDeflectionField->Value(forCheck);
    return in;
}

void Panel3dGeometryFrame::CloseWindow() {
    Withdraw();
    if (luvo::ReleaseIfHeld(panel3d::Panel3dGeometryWindow, this)) {
        // "Diskretisierung" and the flap view read this window's fields: they go with it.
        if (panel3d::Panel3dDiscretisationOpen()) {
            panel3d::Panel3dDiscretisationWindow->CloseWindow();
        }
    }
    Destroy();
}

void Panel3dGeometryFrame::OnClose(wxCloseEvent& event) {
    // A run reads this window's fields.
    if (!Panel3dRefuseCloseDuringRun(event)) CloseWindow();
}

void Panel3dGeometryFrame::OnCloseCommand(wxCommandEvent&) {
    if (!panel3d::Panel3dRunActive) CloseWindow();
}

void Panel3dGeometryFrame::OnNext(wxCommandEvent&) {
    if (!luvo::PassRangeChecks(
            this,
            Panel3dGeometryChecks(CheckedInputs(), panel3d::Panel3dCurrentFlowState.alphaStar))) {
        return;
    }
    luvo::OpenSingleWindow(panel3d::Panel3dDiscretisationWindow, wxS("Diskretisierung"),
                           wxSize(420, 590), wxDEFAULT_FRAME_STYLE, evaluator_);
}

void Panel3dFlapCheckBox::OnCheckBox(wxCommandEvent& event) {
    if (auto* frame = dynamic_cast<Panel3dGeometryFrame*>(wxGetTopLevelParent(this))) {
        frame->EnableFlapFields(GetValue());
        frame->DrawPreview();
    }
    event.Skip();
}

wxBEGIN_EVENT_TABLE(Panel3dGeometryFrame, luvo::WingGeometryWindow)
    EVT_MENU(luvo::kIdMenuClose, Panel3dGeometryFrame::OnCloseCommand)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dGeometryFrame::OnInfo)
    EVT_BUTTON(3, Panel3dGeometryFrame::OnCloseCommand)
    EVT_BUTTON(Panel3dGeometryFrame::kIdNext, Panel3dGeometryFrame::OnNext)
    EVT_BUTTON(Panel3dGeometryFrame::kIdCancel, Panel3dGeometryFrame::OnCloseCommand)
    EVT_CLOSE(Panel3dGeometryFrame::OnClose)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(Panel3dFlapCheckBox, wxCheckBox)
    EVT_CHECKBOX(wxID_ANY, Panel3dFlapCheckBox::OnCheckBox)
wxEND_EVENT_TABLE()

bool panel3d::Panel3dGeometryOpen() { return luvo::IsLiveWindow(panel3d::Panel3dGeometryWindow); }
