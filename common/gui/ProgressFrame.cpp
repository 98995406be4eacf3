#include "common/gui/ProgressFrame.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/stopwatch.h>

#include "common/core/ProgressBar.h"
#include "common/gui/WxPlotPainter.h"

namespace luvo {

ProgressCanvas::ProgressCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, wxID_ANY, pos, size) {
    SetBackgroundColour(*wxWHITE);
}

void ProgressCanvas::SetProgress(double percent) { SetWidth(static_cast<int>(1.8 * percent)); }

void ProgressCanvas::SetWidth(int pixels) {
    if (pixels == width_) return;
    width_ = pixels;
    // Painted now: the run that reports blocks the event loop.
    Refresh();
    Update();
}

void ProgressCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.Clear();
    DrawOn(dc, DrawProgressBar, width_);
}

ProgressFrame::ProgressFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                             long style)
    : LuvoFrame(title, pos, size, FileMenu::None, 0, style) {
    panel = GetPanel();
    new wxStaticText(panel, wxID_ANY,
                     wxS("Die Rechnung läuft, bitte haben Sie einen Moment Geduld!!"),
                     wxPoint(20, 25));
    new wxStaticText(panel, wxID_ANY, wxS("0%") + wxString(' ', 53) + wxS("100%"),
                     wxPoint(65, 100));
    progressCanvas = new ProgressCanvas(panel, wxPoint(65, 60), wxSize(200, 30));
    Bind(wxEVT_CLOSE_WINDOW, &ProgressFrame::OnClose, this);
}

void ProgressFrame::OnClose(wxCloseEvent& event) {
    // The run that opened it destroys it when it ends.
    if (event.CanVeto()) {
        event.Veto();
        return;
    }
    Destroy();
}

ProgressFrame* ShowProgressWindow() {
    auto* frame = new ProgressFrame(wxS("Rechnung läuft!"), wxDefaultPosition, wxSize(330, 170),
                                    wxCAPTION | wxSTAY_ON_TOP);
    frame->Centre(wxBOTH);
    frame->Show(true);
    return frame;
}

void PauseDispatchingEvents(long ms) {
    wxStopWatch watch;
    while (watch.Time() < ms) {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
}

ActiveRun::ActiveRun(bool& runFlag, wxWindow* progressWindow) : runFlag_(runFlag) {
    runFlag_ = true;
    disabler_ = std::make_unique<wxWindowDisabler>(progressWindow);
}

ActiveRun::~ActiveRun() {
    disabler_.reset();
    runFlag_ = false;
}

RunScreen::RunScreen(bool& runFlag, ProgressFrame*& windowSlot) : windowSlot_(windowSlot) {
    progress_ = ShowProgressWindow();
    windowSlot_ = progress_;
    active_ = std::make_unique<ActiveRun>(runFlag, progress_);
    PauseDispatchingEvents(1000);
}

RunScreen::~RunScreen() { End(); }

void RunScreen::End() {
    if (progress_ == nullptr) return;
    progress_->Destroy();
    if (windowSlot_ == progress_) windowSlot_ = nullptr;
    progress_ = nullptr;
    active_.reset();
}

void WindowRunReporter::SetProgress(int pixels) { canvas_->SetWidth(pixels); }

void WindowRunReporter::SetStatus(int field, const std::string& text) {
    statusFrame_->SetStatusText(wxString::FromUTF8(text), field);
    if (wxStatusBar* bar = statusFrame_->GetStatusBar()) bar->Update();
}

wxBEGIN_EVENT_TABLE(ProgressCanvas, wxWindow)
    EVT_PAINT(ProgressCanvas::OnPaint)
wxEND_EVENT_TABLE()

}  // namespace luvo
