#include "common/LuvoFrame.h"

#include <wx/menu.h>
#include <wx/msgdlg.h>

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

void ShowInfoBox(wxWindow* parent, const wxString& text, const wxString& caption) {
    wxMessageBox(text, caption, wxOK | wxICON_INFORMATION, parent);
}

void ShowErrorBox(wxWindow* parent, const wxString& text, const wxString& caption) {
    wxMessageBox(text, caption, wxOK | wxICON_ERROR, parent);
}

}  // namespace luvo
