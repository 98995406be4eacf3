#include "common/LuvoFrame.h"

#include <wx/menu.h>
#include <wx/msgdlg.h>

// After msgdlg.h, which declares its base.
#include <wx/generic/msgdlgg.h>

#include <algorithm>

#include "common/LuvoIcon.h"

namespace luvo {

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
    }
    if (statusFields > 0) {
        CreateStatusBar(statusFields, wxSTB_DEFAULT_STYLE, wxID_ANY, wxS("status_line"));
    }
    panel_ = new wxPanel(this, wxID_ANY, wxPoint(0, 0), GetClientSize(),
                         wxTAB_TRAVERSAL | wxNO_BORDER, wxS("panel"));
}

void LuvoFrame::OnClose(wxCommandEvent&) { Destroy(); }

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
