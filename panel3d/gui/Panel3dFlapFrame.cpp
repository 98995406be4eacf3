#include "panel3d/gui/Panel3dFlapFrame.h"

#include <wx/dcclient.h>

#include <optional>
#include <utility>

#include "common/gui/SingleWindow.h"
#include "common/gui/WxNumber.h"
#include "common/gui/WxPlotPainter.h"
#include "panel3d/core/Panel3dFlapSections.h"
#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/gui/Panel3dInputModule.h"
#include "panel3d/gui/Panel3dWingSource.h"

namespace {

Panel3dFlapFrame* WindowOf(wxWindow* w) {
    return dynamic_cast<Panel3dFlapFrame*>(wxGetTopLevelParent(w));
}

// A chooser's row number; its entries are whole numbers.
int ChoiceValue(const wxComboBox* choice) {
    return static_cast<int>(luvo::ToNumber(choice->GetValue()));
}

}  // namespace

Panel3dSectionCanvas::Panel3dSectionCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size, wxSUNKEN_BORDER),
      canvasWidth(size.GetWidth()),
      canvasHeight(size.GetHeight()) {
    SetBackgroundColour(*wxWHITE);
}

void Panel3dSectionCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    if (Panel3dFlapFrame* frame = WindowOf(this)) {
        luvo::WxPlotPainter painter(dc);
        frame->PaintSections(painter);
    }
}

Panel3dSectionChoice::Panel3dSectionChoice(wxWindow* parent, const wxPoint& pos,
                                           const wxArrayString& rows)
    : wxComboBox(parent, wxID_ANY, wxS("0"), pos, wxSize(50, -1), rows, wxCB_READONLY) {}

void Panel3dSectionChoice::OnComboBox(wxCommandEvent& event) {
    if (Panel3dFlapFrame* frame = WindowOf(this)) frame->DrawSections();
    event.Skip();
}

Panel3dFlapFrame::Panel3dFlapFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                                   long style, std::shared_ptr<Panel3dPolarEvaluator> evaluator)
    : luvo::LuvoFrame(title, pos, size, luvo::FileMenu::Close, 2, style),
      evaluator_(std::move(evaluator)) {
    panel = GetPanel();
    sectionCanvas = new Panel3dSectionCanvas(panel, wxPoint(10, 10), wxSize(760, 280));

    const int rowCount = 2 * panel3d::Panel3dSpanPanelCount + 1;
    wxArrayString rows;
    for (int v = 0; v <= rowCount; ++v) rows.Add(wxString::Format("%d", v));

    new wxStaticText(panel, wxID_ANY, wxS("Nummern der Panelreihen"), wxPoint(20, 296));
    new wxStaticText(panel, wxID_ANY,
                     wxString::Format(wxS("1 - rechts / %d - links / 0 - inaktiv"), rowCount),
                     wxPoint(20, 313));
    new wxStaticText(panel, wxID_ANY, wxS("Schnitt 1:"), wxPoint(200, 303));
    firstSectionChoice = new Panel3dSectionChoice(panel, wxPoint(250, 300), rows);
    firstSectionLabel = new wxStaticText(panel, wxID_ANY, wxS("y / 0.5b = 0"), wxPoint(310, 303));
    new wxStaticText(panel, wxID_ANY, wxS("Schnitt 2:"), wxPoint(430, 303));
    secondSectionChoice = new Panel3dSectionChoice(panel, wxPoint(480, 300), rows);
    secondSectionLabel = new wxStaticText(panel, wxID_ANY, wxS("y / 0.5b = 0"), wxPoint(540, 303));
    closeButton = new wxButton(panel, kIdClose, wxS("Schließen"), wxPoint(700, 300));
    SetStatusText(wxEmptyString, 0);
}

void Panel3dFlapFrame::PaintSections(luvo::PlotPainter& painter) const {
    Panel3dSectionView view;
    view.model = panelModel.get();
    // The geometry window closes this view with it; until the deferred destruction ends it
    // the plan view is left out.
    std::optional<Panel3dGeometryInputs> geometry;
    if (const Panel3dWingSource* source = Panel3dWingSource::Open()) {
        geometry = source->Inputs();
        view.geometry = &*geometry;
    }
    view.width = sectionCanvas->canvasWidth;
    view.height = sectionCanvas->canvasHeight;
    view.firstChoice = ChoiceValue(firstSectionChoice);
    view.secondChoice = ChoiceValue(secondSectionChoice);
    PaintFlapSections(painter, view);
}

void Panel3dFlapFrame::EmptyLabelsOfCuts() {
    const int m = panelModel ? panelModel->SpanPanels() : 0;
    const Panel3dSectionRows rows =
        Panel3dChosenRows(ChoiceValue(firstSectionChoice), ChoiceValue(secondSectionChoice), m);
    if (rows.first >= 0 && !firstSectionLabel->GetLabel().empty()) {
        firstSectionLabel->SetLabel(wxEmptyString);
    }
    if (rows.second >= 0 && !secondSectionLabel->GetLabel().empty()) {
        secondSectionLabel->SetLabel(wxEmptyString);
    }
}

void Panel3dFlapFrame::DrawSections() {
    EmptyLabelsOfCuts();
    sectionCanvas->Refresh(false);
    sectionCanvas->Update();
}

void Panel3dFlapFrame::CloseWindow() {
    luvo::ReleaseIfHeld(panel3d::Panel3dFlapWindow, this);
    panelModel.reset();
    Destroy();
}

void Panel3dFlapFrame::OnClose(wxCloseEvent&) { CloseWindow(); }

void Panel3dFlapFrame::OnCloseCommand(wxCommandEvent&) { CloseWindow(); }

void Panel3dFlapFrame::OnInfo(wxCommandEvent&) {
    // The status line keeps "Info" afterwards: this window has no other status text.
    SetStatusText(wxS("Info"), 0);
    luvo::ShowInfoBox(
        this,
        wxS("Mit Hilfe der Eingabefelder können die anzuzeigenden \nPanelschnitte ausgewählt "
            "werden. Das der linken Aus- \nwahlbox wird dabei schwarz, das rechte blau "
            "dargestellt.\n\nDie Vorderkanten werden dabei aufeinander gelegt wodurch\nder "
            "Offset durch den V-Winkel und die Pfeilung \nzu Null gesetzt wird. \n\nDie "
            "Verwindung bleibt jedoch erhalten.\n"),
        wxS("Info Eingabe der Klappenausschläge"));
}

Panel3dFlapFrame* Panel3dShowFlapView(std::shared_ptr<const Panel3dModel> model,
                                      std::shared_ptr<Panel3dPolarEvaluator> evaluator) {
    if (!luvo::IsLiveWindow(panel3d::Panel3dFlapWindow)) {
        panel3d::Panel3dFlapWindow =
            new Panel3dFlapFrame(wxS("Klappenausschlag"), wxDefaultPosition, wxSize(800, 400),
                                 wxDEFAULT_FRAME_STYLE, std::move(evaluator));
    }
    Panel3dFlapFrame* view = panel3d::Panel3dFlapWindow;
    view->panelModel = std::move(model);
    view->DrawSections();
    view->Show(true);
    return view;
}

void Panel3dCloseFlapView() {
    if (panel3d::Panel3dFlapOpen()) panel3d::Panel3dFlapWindow->CloseWindow();
}

wxBEGIN_EVENT_TABLE(Panel3dFlapFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, Panel3dFlapFrame::OnCloseCommand)
    EVT_MENU(luvo::kIdMenuInfo, Panel3dFlapFrame::OnInfo)
    EVT_BUTTON(Panel3dFlapFrame::kIdClose, Panel3dFlapFrame::OnCloseCommand)
    EVT_CLOSE(Panel3dFlapFrame::OnClose)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(Panel3dSectionCanvas, wxWindow)
    EVT_PAINT(Panel3dSectionCanvas::OnPaint)
wxEND_EVENT_TABLE()

wxBEGIN_EVENT_TABLE(Panel3dSectionChoice, wxComboBox)
    EVT_COMBOBOX(wxID_ANY, Panel3dSectionChoice::OnComboBox)
wxEND_EVENT_TABLE()

bool panel3d::Panel3dFlapOpen() { return luvo::IsLiveWindow(panel3d::Panel3dFlapWindow); }
