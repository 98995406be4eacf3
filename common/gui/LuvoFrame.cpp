#include "common/gui/LuvoFrame.h"

#include <wx/accel.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/eventfilter.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/scrolwin.h>

#include <algorithm>

// After msgdlg.h, which declares its base.
#include <wx/generic/msgdlgg.h>

#include <algorithm>

#include "common/gui/LuvoIcon.h"
#include "common/gui/NumericField.h"

namespace luvo {

namespace {

// The id of the menu entry whose shortcut the key is, wxNOT_FOUND when there is none.
int MenuShortcutId(const wxMenuBar* bar, const wxKeyEvent& key) {
    if (bar == nullptr) return wxNOT_FOUND;
    int flags = wxACCEL_NORMAL;
    if (key.AltDown()) flags |= wxACCEL_ALT;
    if (key.ControlDown()) flags |= wxACCEL_CTRL;
    if (key.ShiftDown()) flags |= wxACCEL_SHIFT;
    for (size_t m = 0; m < bar->GetMenuCount(); ++m) {
        for (const wxMenuItem* item : bar->GetMenu(m)->GetMenuItems()) {
            const std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
            if (accel && accel->GetFlags() == flags && accel->GetKeyCode() == key.GetKeyCode()) {
                return item->GetId();
            }
        }
    }
    return wxNOT_FOUND;
}

// Check boxes and radio buttons whose handlers consume the mouse press never get the focus from
// the toolkit, and the next key would go to the field that had it. The focus moves here, before
// any handler sees the press, so that whatever the handler does, the clicked control has it.
class FocusOnPress : public wxEventFilter {
  public:
    explicit FocusOnPress(wxWindow* frame) : frame_(frame) { wxEvtHandler::AddFilter(this); }
    ~FocusOnPress() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override {
        if (event.GetEventType() != wxEVT_LEFT_DOWN) return Event_Skip;
        auto* control = dynamic_cast<wxWindow*>(event.GetEventObject());
        if (control == nullptr || wxGetTopLevelParent(control) != frame_) return Event_Skip;
        if (dynamic_cast<wxCheckBox*>(control) == nullptr &&
            dynamic_cast<wxRadioButton*>(control) == nullptr) {
            return Event_Skip;
        }
        control->SetFocus();
        return Event_Skip;
    }

  private:
    wxWindow* frame_;
};

// A pending text is checked once, before the action that ends it: a menu entry or shortcut, a
// button, a check box or radio button. A refused text stops the action. Closing the window
// drops a pending text without a word.
class PendingTextGate : public wxEventFilter {
  public:
    explicit PendingTextGate(wxWindow* frame) : frame_(frame) { wxEvtHandler::AddFilter(this); }
    ~PendingTextGate() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override {
        const wxEventType type = event.GetEventType();
        wxWindow* control = nullptr;
        if (type == wxEVT_MENU) {
            if (event.GetId() == kIdMenuClose || event.GetId() == kIdMenuQuit) return Event_Skip;
            if (auto* menu = dynamic_cast<wxMenu*>(event.GetEventObject())) {
                control = menu->GetWindow();
            } else {
                control = dynamic_cast<wxWindow*>(event.GetEventObject());
            }
        } else if (type == wxEVT_BUTTON) {
            auto* button = dynamic_cast<wxButton*>(event.GetEventObject());
            if (button == nullptr || ClosesWindow(*button)) return Event_Skip;
            control = button;
        } else if (type == wxEVT_CHECKBOX || type == wxEVT_RADIOBUTTON || type == wxEVT_RADIOBOX ||
                   type == wxEVT_LEFT_DOWN) {
            control = dynamic_cast<wxWindow*>(event.GetEventObject());
            if (type == wxEVT_LEFT_DOWN && dynamic_cast<wxCheckBox*>(control) == nullptr &&
                dynamic_cast<wxRadioButton*>(control) == nullptr) {
                return Event_Skip;
            }
        } else {
            return Event_Skip;
        }
        if (control == nullptr || wxGetTopLevelParent(control) != frame_) return Event_Skip;
        return SettlePendingText(control) ? Event_Skip : Event_Processed;
    }

  private:
    static bool ClosesWindow(const wxButton& button) {
        const wxString label = button.GetLabelText();
        return label == wxS("Schließen") || label == wxS("Abbrechen");
    }

    wxWindow* frame_;
};

}  // namespace

LuvoFrame::LuvoFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                     FileMenu fileMenu, int statusFields, long style)
    : wxFrame(nullptr, wxID_ANY, title, pos, size, style, wxS("frame")) {
    SetIcon(LuvoIcon());
    if (fileMenu != FileMenu::None) {
        auto* file = new wxMenu(wxMENU_TEAROFF);
        switch (fileMenu) {
            case FileMenu::Close:
                file->Append(kIdMenuClose, wxS("&Schließen...\tAlt-S"), wxS("Fenster schließen"));
                break;
            case FileMenu::CloseAsId1:
                file->Append(kIdMenuQuit, wxS("&Schließen...\tAlt-S"), wxS("Fenster schließen"));
                break;
            case FileMenu::Quit:
                file->Append(kIdMenuQuit, wxS("&Beenden...\tAlt-B"), wxS("Programm beenden"));
                break;
            case FileMenu::None:
                break;
        }
        auto* help = new wxMenu;
        help->Append(kIdMenuInfo, wxS("&Info...\tAlt-I"), wxS("Zeigt Info Dialog"));
        auto* bar = new wxMenuBar;
        bar->Append(file, wxS("&Datei"));
        bar->Append(help, wxS("&Hilfe"));
        SetMenuBar(bar);
        Bind(wxEVT_CHAR_HOOK, &LuvoFrame::OnMenuShortcut, this);
    }
    if (statusFields > 0) {
        CreateStatusBar(statusFields, wxSTB_DEFAULT_STYLE, wxID_ANY, wxS("status_line"));
    }
    // A window larger than the screen's work area keeps its layout: it opens at most as large as
    // the work area and its content scrolls, so that every control and the status line can be
    // reached. Shrunk by a window manager instead, its lower controls would vanish under the
    // status line.
    const wxRect area = wxDisplay(0u).GetClientArea();
    const wxSize full = GetSize();
    const wxSize fitted(std::min(full.x, area.width), std::min(full.y, area.height));
    if (fitted != full) {
        // The panel keeps its size inside a view that scrolls it as a whole; scrolling the panel
        // itself would move its hidden controls too, which GTK refuses.
        const wxSize layout = GetClientSize();
        auto* view = new wxScrolledWindow(this, wxID_ANY, wxPoint(0, 0), layout,
                                          wxTAB_TRAVERSAL | wxNO_BORDER | wxHSCROLL | wxVSCROLL,
                                          wxS("view"));
        panel_ = new wxPanel(view, wxID_ANY, wxPoint(0, 0), layout, wxTAB_TRAVERSAL | wxNO_BORDER,
                             wxS("panel"));
        view->SetVirtualSize(layout);
        view->SetScrollRate(10, 10);
        SetSize(fitted);
    } else {
        panel_ = new wxPanel(this, wxID_ANY, wxPoint(0, 0), GetClientSize(),
                             wxTAB_TRAVERSAL | wxNO_BORDER, wxS("panel"));
    }
    focusOnPress_ = std::make_unique<FocusOnPress>(this);
    // Added last, so that it sees a press before the focus moves.
    pendingTextGate_ = std::make_unique<PendingTextGate>(this);
}

LuvoFrame::~LuvoFrame() = default;

void LuvoFrame::OnClose(wxCommandEvent&) { Destroy(); }

void LuvoFrame::OnMenuShortcut(wxKeyEvent& event) {
    // The key reaches the frame before the focused control and before GTK looks for mnemonics.
    const int id = MenuShortcutId(GetMenuBar(), event);
    if (id == wxNOT_FOUND) {
        event.Skip();
        return;
    }
    ProcessCommand(id);
}

void LuvoFrame::DoCentre(int direction) {
    wxFrame::DoCentre(direction);
    // The library moves a window that does not fit until its bottom-right corner shows, which
    // puts the top, with the menu bar, off screen. Keep the size; show the top-left corner.
    const wxRect area = wxDisplay(this).GetClientArea();
    wxRect r = GetRect();
    r.x = std::max(area.x, std::min(r.x, area.GetRight() + 1 - r.width));
    r.y = std::max(area.y, std::min(r.y, area.GetBottom() + 1 - r.height));
    if (r.GetPosition() != GetPosition()) Move(r.GetPosition());
}

namespace {

// GTK's own message dialogs draw no image; the generic one draws the icon that the style names.
// Its controls are built before the modal start, so that whatever watches modal dialogs (tests
// among them) sees the box as it will appear.
class LuvoMessageBox : public wxGenericMessageDialog {
  public:
    LuvoMessageBox(wxWindow* parent, const wxString& text, const wxString& caption, long style)
        : wxGenericMessageDialog(parent, text, caption, style) {}

    int ShowModal() override {
        if (!built_) {
            built_ = true;
            DoCreateMsgdialog();
        }
        return wxMessageDialogBase::ShowModal();
    }

  private:
    bool built_ = false;
};

void ShowBox(wxWindow* parent, const wxString& text, const wxString& caption, long icon) {
    LuvoMessageBox box(parent, text, caption, wxOK | wxCENTRE | icon);
    box.ShowModal();
}

}  // namespace

void ShowInfoBox(wxWindow* parent, const wxString& text, const wxString& caption) {
    ShowBox(parent, text, caption, wxICON_INFORMATION);
}

void ShowErrorBox(wxWindow* parent, const wxString& text, const wxString& caption) {
    ShowBox(parent, text, caption, wxICON_ERROR);
}

void ShowUnwrittenFilesBox(wxWindow* parent, const std::vector<wxString>& files) {
    if (files.empty()) return;
    wxString text = wxS("Folgende Ergebnisdateien konnten nicht geschrieben werden:\n\n");
    // A box of a hundred names would not fit on the screen.
    const size_t shown = std::min<size_t>(files.size(), 20);
    for (size_t i = 0; i < shown; ++i) text += files[i] + wxS("\n");
    if (files.size() > shown) {
        text += wxString::Format(wxS("… und %d weitere\n"), static_cast<int>(files.size() - shown));
    }
    ShowErrorBox(parent, text, wxS("Fehler beim Schreiben der Datei"));
}

}  // namespace luvo
