#pragma once
// Helpers for driving real windows in tests: find controls, type, click, drag, catch modal
// boxes, render and capture. Every GuiTest runs in a fresh temporary working directory and
// destroys all windows that it left open.

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/radiobox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>
#include <wx/window.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/TempDir.h"

namespace luvo::test {

// Pumps events until cond() holds or ms have passed; returns cond().
bool WaitFor(const std::function<bool()>& cond, long ms = 3000);

// Lets pending events (paints, size events) run for a short while.
void Pump(long ms = 50);

// All descendants of `root` of type T, in creation (tab) order.
template <typename T>
std::vector<T*> FindAll(wxWindow* root) {
    std::vector<T*> out;
    std::function<void(wxWindow*)> walk = [&](wxWindow* w) {
        for (wxWindow* child : w->GetChildren()) {
            if (auto* t = dynamic_cast<T*>(child)) out.push_back(t);
            walk(child);
        }
    };
    walk(root);
    return out;
}

// First descendant of type T, nullptr when there is none.
template <typename T>
T* FindFirst(wxWindow* root) {
    auto all = FindAll<T>(root);
    return all.empty() ? nullptr : all.front();
}

// The descendant (any kind) whose label is exactly `label`, nullptr when there is none.
wxWindow* FindByLabel(wxWindow* root, const wxString& label);
wxButton* FindButton(wxWindow* root, const wxString& label);

// Labels of every static text of the window, in creation order.
std::vector<wxString> StaticTexts(wxWindow* root);

// What crowds a static box: of the controls beside it (other boxes aside) whose top-left corner
// lies in it, each pair that overlaps ("a / b") and each that reaches the box's border ("a: at
// the border"), named by their labels; empty when all keep clear.
std::vector<std::string> CrowdingInBox(wxStaticBox* box);
// The box of this label under `root`, nullptr when there is none.
wxStaticBox* FindBox(wxWindow* root, const wxString& label);

// Top-level frames that are open (not scheduled for destruction), oldest first.
std::vector<wxFrame*> OpenFrames();

// The open frame with this exact title, nullptr when there is none.
wxFrame* FindFrame(const wxString& title);

// Input, as the user would give it. SetValue-based: the change handler runs synchronously.
void SetText(wxTextCtrl* field, const wxString& text);
void Click(wxButton* button);
void SelectRadio(wxRadioBox* box, int index);
void ClickRadio(wxRadioButton* radio);
void SetCheck(wxCheckBox* box, bool value);
void SendMenu(wxFrame* frame, int id);
// A left click into a text field (focus and the mouse-down event).
void ClickInto(wxWindow* window, wxPoint at = wxPoint(3, 3));

// Mouse events straight into a window's handlers (no screen needed).
void SendMouse(wxWindow* window, wxEventType type, wxPoint at, bool leftDown);
// Press at `from`, move in `steps` steps to `to`, release there.
void Drag(wxWindow* window, wxPoint from, wxPoint to, int steps = 5);

// Real input through the X server, as a user gives it: the toolkit's own handling (native
// radio changes, merged motion events, grabs) takes part. Only in serial ("Screen...") suites,
// on a frame that is shown, painted and not covered; positions are in the window's client
// coordinates. Each call returns once the events have been delivered and handled.
void RealClick(wxWindow* window, wxPoint at);
// Press at `from`, move to `to` in `steps` motions sent as fast as the server takes them, and
// release there without a pause: the motions arrive faster than the window handles them.
void RealFastDrag(wxWindow* window, wxPoint from, wxPoint to, int steps = 12);
// A brisk drag as a student's hand makes it while the window is busy redrawing: press at
// `from` (handled at once), then `steps` moves to `to`, `msApart` milliseconds apart, and the
// release, all sent while the window handles nothing, so that the toolkit merges the motions as
// it does while a repaint runs.
void RealBriskDrag(wxWindow* window, wxPoint from, wxPoint to, int steps = 8, int msApart = 8);
// A key press and release (wxKeyCode, with wxMOD_* modifiers) to the window with the focus.
void RealKey(int keyCode, int modifiers = wxMOD_NONE);
// Shows the frame on top and lets it paint, before real input reaches it.
void Present(wxFrame* frame);

// A modal message box as the program showed it.
struct ShownBox {
    wxString caption;
    wxString message;
    long style = 0;
    bool iconDrawn = false;  // the box holds an image with pixels, not only the style flag
    // The style names the icon and the box really shows an image.
    bool HasIcon(long icon) const { return (style & icon) != 0 && iconDrawn; }
};

// What a message box shows: its texts, style and whether an icon image is in it.
ShownBox ReadBox(wxMessageDialogBase* box);

// Records every message box shown while it lives and answers it with OK. For expectations of
// one particular box, prefer wxTEST_DIALOG with ExpectBox.
class BoxRecorder : public wxModalDialogHook {
  public:
    BoxRecorder() { Register(); }
    ~BoxRecorder() override { Unregister(); }
    const std::vector<ShownBox>& boxes() const { return boxes_; }

  protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}

  private:
    std::vector<ShownBox> boxes_;
};

// wxTEST_DIALOG expectation: a message box appears; its texts are copied into *seen, and
// `whileShown` (when given) runs before the box is answered.
class ExpectBox : public wxExpectModalBase<wxMessageDialogBase, ExpectBox> {
  public:
    explicit ExpectBox(ShownBox* seen, int answer = wxID_OK) : seen_(seen), answer_(answer) {}
    ExpectBox(ShownBox* seen, std::function<void()> whileShown, int answer = wxID_OK)
        : seen_(seen), answer_(answer), whileShown_(std::move(whileShown)) {}

  protected:
    int OnInvoked(wxMessageDialogBase* dialog) const override;

  private:
    ShownBox* seen_;
    int answer_;
    std::function<void()> whileShown_;
};

// A box expected with the frame's status text noted while it is shown.
ExpectBox ExpectBoxNotingStatus(ShownBox* seen, wxString* statusWhileShown, wxFrame* frame);

// A file dialog as the program set it up, before the test answered it.
struct ShownFileDialog {
    wxString message;
    wxString proposedName;
    wxString wildcard;
    long style = 0;
};

// wxTEST_DIALOG expectation for a file dialog that GTK fills asynchronously; its settings are
// copied into *seen when given.
class ExpectFile : public wxExpectModalBase<wxFileDialog, ExpectFile> {
  public:
    explicit ExpectFile(const wxString& path, int answer = wxID_OK, ShownFileDialog* seen = nullptr)
        : path_(path), answer_(answer), seen_(seen) {}

  protected:
    int OnInvoked(wxFileDialog* dialog) const override;

  private:
    wxString path_;
    int answer_;
    ShownFileDialog* seen_;
};

// Draws with `paint` into a white bitmap and returns the pixels.
wxImage RenderToImage(int width, int height, const std::function<void(wxDC&)>& paint);

// Shows the frame, lets it paint, and reads its pixels back from the screen (menu bar and
// status line included). Only in serial ("Screen...") suites.
wxImage CaptureFrame(wxTopLevelWindow* frame);

// The pixels of the window as the X server holds them now, without any repaint.
wxImage ReadScreen(wxWindow* window);
// The pixels of this area of the X root window as the server holds them now: the desktop and
// the windows over it.
wxImage ReadRoot(const wxRect& area);

// How many pixels of `area` in the image show this colour drawn on white: the colour itself, or
// its blend with white at the smoothed edge of a slanted line.
int CountPixels(const wxImage& image, const wxColour& colour, const wxRect& area);
// The whole screen as the X server holds it now.
wxImage ReadWholeScreen();

// Saves the frame's picture as <dir>/<name>.png when LUVO_SCREENSHOT_DIR names a folder;
// returns the file written, or "" when no folder is set.
std::string SaveTourShot(wxTopLevelWindow* frame, const std::string& name);
// The same for a picture already read from the screen, e.g. in the middle of a blocking run,
// where nothing may be pumped.
std::string SaveTourImage(const wxImage& image, const std::string& name);

// wxTEST_DIALOG expectation for the screenshot tour: the message box is really shown, its
// pixels are read from the screen into *shot (and saved as tour picture `name`), then it is
// closed with OK. Only in serial ("Screen...") suites.
class ShowBoxOnScreen : public wxExpectModalBase<wxMessageDialogBase, ShowBoxOnScreen> {
  public:
    ShowBoxOnScreen(ShownBox* seen, wxImage* shot, wxRect* iconRect, std::string name)
        : seen_(seen), shot_(shot), iconRect_(iconRect), name_(std::move(name)) {}

  protected:
    int OnInvoked(wxMessageDialogBase* dialog) const override;

  private:
    ShownBox* seen_;
    wxImage* shot_;
    wxRect* iconRect_;  // the icon's place in the shot
    std::string name_;
};

// Base fixture of all window tests: a fresh working directory; windows left open are
// destroyed afterwards.
class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    const TempDir& dir() const { return workDir_->dir(); }

  private:
    std::unique_ptr<ScopedWorkDir> workDir_;
};

}  // namespace luvo::test
