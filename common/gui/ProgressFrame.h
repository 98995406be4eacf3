#pragma once
// "Rechnung läuft!": the progress window of the 3D runs, and what goes with it: the guard of a
// running run and the reporter that puts a solver's progress and phase texts on the screen.

#include <wx/frame.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <memory>
#include <string>

#include "common/core/RunReporter.h"
#include "common/gui/LuvoFrame.h"

namespace luvo {

// The bar canvas; it paints the width it was last given, so an expose during a blocking run
// shows the current progress.
class ProgressCanvas : public wxWindow {
  public:
    ProgressCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);

    // Shows trunc(1.8 p) pixels for a percentage p.
    void SetProgress(double percent);
    // Shows `pixels` filled pixels; paints at once, and only when the width changes.
    void SetWidth(int pixels);
    int Width() const { return width_; }

  private:
    void OnPaint(wxPaintEvent& event);
    int width_ = 0;
    wxDECLARE_EVENT_TABLE();
};

// Caption only and kept on top; no menu, no status line. A run destroys it itself: the user
// cannot close it.
class ProgressFrame : public LuvoFrame {
  public:
    ProgressFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style);

    wxPanel* panel = nullptr;
    ProgressCanvas* progressCanvas = nullptr;

  private:
    void OnClose(wxCloseEvent& event);
};

// The progress window of a run as the drivers open it: centred and shown.
ProgressFrame* ShowProgressWindow();

// Waits `ms` milliseconds while pending events are still dispatched.
void PauseDispatchingEvents(long ms);

// A run from its progress window to its end: the method's run flag is set (a second start
// checks it and does nothing) and every other window takes no input. Ends when destroyed.
class ActiveRun {
  public:
    ActiveRun(bool& runFlag, wxWindow* progressWindow);
    ~ActiveRun();
    ActiveRun(const ActiveRun&) = delete;
    ActiveRun& operator=(const ActiveRun&) = delete;

  private:
    bool& runFlag_;
    std::unique_ptr<wxWindowDisabler> disabler_;
};

// A run from its progress window to its end, as both 3D methods drive it: opening it shows the
// progress window (kept in `windowSlot`), starts an ActiveRun on `runFlag` and pauses one second
// while events are dispatched.
class RunScreen {
  public:
    RunScreen(bool& runFlag, ProgressFrame*& windowSlot);
    ~RunScreen();
    RunScreen(const RunScreen&) = delete;
    RunScreen& operator=(const RunScreen&) = delete;

    ProgressFrame* progress() const { return progress_; }
    // Destroys the progress window and ends the run: the other windows take input again.
    void End();

  private:
    ProgressFrame*& windowSlot_;
    ProgressFrame* progress_ = nullptr;
    std::unique_ptr<ActiveRun> active_;
};

// A solver's progress on the bar and its phase texts in the starting window's status line,
// both shown at once although the run blocks the event loop.
class WindowRunReporter : public RunReporter {
  public:
    WindowRunReporter(wxFrame* statusFrame, ProgressCanvas* canvas)
        : statusFrame_(statusFrame), canvas_(canvas) {}

    void SetProgress(int pixels) override;
    void SetStatus(int field, const std::string& text) override;

  private:
    wxFrame* statusFrame_;
    ProgressCanvas* canvas_;
};

}  // namespace luvo
