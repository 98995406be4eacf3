#pragma once
// The pattern every Luvo window follows: a top-level frame without parent, the program's
// icon, the menus "&Datei" and "&Hilfe", a status line, and one panel that fills the frame
// and holds all controls. Method windows derive from it and add their own event tables.

#include <wx/frame.h>
#include <wx/panel.h>

#include <memory>
#include <vector>

class wxEventFilter;

namespace luvo {

// Menu and button ids shared by all windows.
enum LuvoIds {
    kIdMenuClose = 0,  // "&Schließen..." in most windows
    kIdMenuQuit = 1,   // "&Beenden..." of the main window; the close entry of thin-airfoil windows
    kIdMenuInfo = 2,   // "&Info..."
    kIdButtonStart = 5100,
    kIdButtonClose = 5101,
};

// Which entry the "&Datei" menu holds.
enum class FileMenu {
    Close,       // "&Schließen...\tAlt-S", id 0
    CloseAsId1,  // "&Schließen...\tAlt-S", id 1 (thin-airfoil windows)
    Quit,        // "&Beenden...\tAlt-B", id 1, help "Programm beenden" (main window)
    None,        // no menu bar at all (progress windows)
};

class LuvoFrame : public wxFrame {
  public:
    LuvoFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
              FileMenu fileMenu = FileMenu::Close, int statusFields = 1,
              long style = wxDEFAULT_FRAME_STYLE);
    ~LuvoFrame() override;

    wxPanel* GetPanel() const { return panel_; }

    // The close handler that windows bind to "&Schließen...", their close button and at times
    // the close request: it destroys the frame and does nothing else.
    void OnClose(wxCommandEvent& event);

  protected:
    // Centred as the library does it, but with its top-left corner on screen, so that its menu
    // bar and title stay reachable.
    void DoCentre(int direction) override;

    wxPanel* panel_ = nullptr;

  private:
    // The menu shortcuts ("Alt-S", "Alt-I", "Alt-B") run their entries before GTK offers the key
    // to a button mnemonic such as "&Starten".
    void OnMenuShortcut(wxKeyEvent& event);

    std::unique_ptr<wxEventFilter> focusOnPress_;
    std::unique_ptr<wxEventFilter> pendingTextGate_;
};

// The modal info box: OK and the information icon.
void ShowInfoBox(wxWindow* parent, const wxString& text, const wxString& caption);

// The modal error box of input checks: OK and the error icon.
void ShowErrorBox(wxWindow* parent, const wxString& text, const wxString& caption);

// After a run: one error box naming the result files that could not be written, one per line,
// the first 20 and then how many more; nothing when the list is empty.
void ShowUnwrittenFilesBox(wxWindow* parent, const std::vector<wxString>& files);

}  // namespace luvo
