#include "tests/support/GuiHarness.h"

#include <X11/extensions/XTest.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/imagpng.h>
#include <wx/statbmp.h>
#include <wx/statusbr.h>
#include <wx/stopwatch.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <cmath>
#include <cstdlib>

namespace luvo::test {

bool WaitFor(const std::function<bool()>& cond, long ms) {
    wxStopWatch watch;
    while (!cond()) {
        if (watch.Time() > ms) return cond();
        wxYield();
        wxMilliSleep(5);
    }
    return true;
}

void Pump(long ms) {
    WaitFor([] { return false; }, ms);
}

wxWindow* FindByLabel(wxWindow* root, const wxString& label) {
    for (wxWindow* w : FindAll<wxWindow>(root)) {
        if (w->GetLabel() == label) return w;
    }
    return nullptr;
}

wxButton* FindButton(wxWindow* root, const wxString& label) {
    for (wxButton* b : FindAll<wxButton>(root)) {
        if (b->GetLabel() == label) return b;
    }
    return nullptr;
}

std::vector<wxString> StaticTexts(wxWindow* root) {
    std::vector<wxString> out;
    for (wxStaticText* t : FindAll<wxStaticText>(root)) out.push_back(t->GetLabel());
    return out;
}

std::vector<std::string> CrowdingInBox(wxStaticBox* box) {
    const wxRect inside = box->GetRect().Deflate(2);
    std::vector<wxWindow*> controls;
    for (wxWindow* w : box->GetParent()->GetChildren()) {
        if (dynamic_cast<wxStaticBox*>(w) == nullptr && box->GetRect().Contains(w->GetPosition())) {
            controls.push_back(w);
        }
    }
    auto name = [](wxWindow* w) { return std::string(w->GetLabel().utf8_str()); };
    std::vector<std::string> out;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (!inside.Contains(controls[i]->GetRect()))
            out.push_back(name(controls[i]) + ": at the border");
        for (size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->GetRect().Intersects(controls[j]->GetRect())) {
                out.push_back(name(controls[i]) + " / " + name(controls[j]));
            }
        }
    }
    return out;
}

wxStaticBox* FindBox(wxWindow* root, const wxString& label) {
    for (wxStaticBox* b : FindAll<wxStaticBox>(root)) {
        if (b->GetLabel() == label) return b;
    }
    return nullptr;
}

std::vector<wxFrame*> OpenFrames() {
    std::vector<wxFrame*> out;
    for (wxWindow* w : wxTopLevelWindows) {
        auto* f = dynamic_cast<wxFrame*>(w);
        if (f != nullptr && !wxTheApp->IsScheduledForDestruction(f) && !f->IsBeingDeleted()) {
            out.push_back(f);
        }
    }
    return out;
}

wxFrame* FindFrame(const wxString& title) {
    for (wxFrame* f : OpenFrames()) {
        if (f->GetTitle() == title) return f;
    }
    return nullptr;
}

void SetText(wxTextCtrl* field, const wxString& text) { field->SetValue(text); }

void Click(wxButton* button) {
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
}

void SelectRadio(wxRadioBox* box, int index) {
    box->SetSelection(index);
    wxCommandEvent event(wxEVT_RADIOBOX, box->GetId());
    event.SetInt(index);
    event.SetString(box->GetString(index));
    event.SetEventObject(box);
    box->ProcessWindowEvent(event);
}

void ClickRadio(wxRadioButton* radio) {
    radio->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, radio->GetId());
    event.SetInt(1);
    event.SetEventObject(radio);
    radio->ProcessWindowEvent(event);
}

void SetCheck(wxCheckBox* box, bool value) {
    box->SetValue(value);
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetInt(value ? 1 : 0);
    event.SetEventObject(box);
    box->ProcessWindowEvent(event);
}

void SendMenu(wxFrame* frame, int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
}

void ClickInto(wxWindow* window, wxPoint at) {
    window->SetFocus();
    SendMouse(window, wxEVT_LEFT_DOWN, at, true);
    SendMouse(window, wxEVT_LEFT_UP, at, false);
}

void SendMouse(wxWindow* window, wxEventType type, wxPoint at, bool leftDown) {
    wxMouseEvent event(type);
    event.SetPosition(at);
    event.m_leftDown = leftDown;
    event.SetEventObject(window);
    event.SetId(window->GetId());
    window->ProcessWindowEvent(event);
}

void Drag(wxWindow* window, wxPoint from, wxPoint to, int steps) {
    SendMouse(window, wxEVT_MOTION, from, false);
    SendMouse(window, wxEVT_LEFT_DOWN, from, true);
    for (int i = 1; i <= steps; ++i) {
        const wxPoint p(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
        SendMouse(window, wxEVT_MOTION, p, true);
    }
    SendMouse(window, wxEVT_LEFT_UP, to, false);
}

namespace {

// Lets the X server deliver what the simulator sent and the window handle it.
void SettleRealInput() {
    wxYield();
    Pump(150);
}

}  // namespace

void RealClick(wxWindow* window, wxPoint at) {
    wxUIActionSimulator sim;
    sim.MouseMove(window->ClientToScreen(at));
    Pump(30);
    sim.MouseClick();
    SettleRealInput();
}

void RealFastDrag(wxWindow* window, wxPoint from, wxPoint to, int steps) {
    wxUIActionSimulator sim;
    sim.MouseMove(window->ClientToScreen(from));
    Pump(30);
    sim.MouseDown();
    for (int i = 1; i <= steps; ++i) {
        const wxPoint p(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
        sim.MouseMove(window->ClientToScreen(p));
    }
    sim.MouseUp();
    SettleRealInput();
}

void RealBriskDrag(wxWindow* window, wxPoint from, wxPoint to, int steps, int msApart) {
    // Straight through XTest: the simulator's own moves let the window handle each one before
    // the next, which a busy window does not.
    Display* display = GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
    const auto moveTo = [&](wxPoint client) {
        const wxPoint p = window->ClientToScreen(client);
        XTestFakeMotionEvent(display, -1, p.x, p.y, CurrentTime);
        XSync(display, False);
    };
    moveTo(from);
    Pump(30);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XSync(display, False);
    Pump(30);
    for (int i = 1; i <= steps; ++i) {
        wxMilliSleep(msApart);
        moveTo(wxPoint(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps));
    }
    wxMilliSleep(msApart);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
    SettleRealInput();
}

void RealKey(int keyCode, int modifiers) {
    wxUIActionSimulator sim;
    sim.Char(keyCode, modifiers);
    SettleRealInput();
}

void Present(wxFrame* frame) {
    frame->Show();
    frame->Raise();
    WaitFor([&] { return frame->IsShownOnScreen(); }, 2000);
    Pump(300);
}

ShownBox ReadBox(wxMessageDialogBase* box) {
    ShownBox shown{box->GetTitle(), box->GetMessage(), box->GetMessageDialogStyle()};
    for (wxStaticBitmap* image : FindAll<wxStaticBitmap>(box)) {
        const wxBitmap bitmap = image->GetBitmap();
        if (bitmap.IsOk() && bitmap.GetWidth() > 0 && bitmap.GetHeight() > 0) {
            shown.iconDrawn = true;
        }
    }
    return shown;
}

int BoxRecorder::Enter(wxDialog* dialog) {
    auto* box = dynamic_cast<wxMessageDialogBase*>(dialog);
    if (box == nullptr) return wxID_NONE;  // not ours: let the other hooks decide
    boxes_.push_back(ReadBox(box));
    return wxID_OK;
}

int ExpectBox::OnInvoked(wxMessageDialogBase* dialog) const {
    if (seen_ != nullptr) *seen_ = ReadBox(dialog);
    if (whileShown_) whileShown_();
    return answer_;
}

ExpectBox ExpectBoxNotingStatus(ShownBox* seen, wxString* statusWhileShown, wxFrame* frame) {
    return ExpectBox(seen, [statusWhileShown, frame] {
        *statusWhileShown = frame->GetStatusBar()->GetStatusText();
    });
}

int ExpectFile::OnInvoked(wxFileDialog* dialog) const {
    if (seen_ != nullptr) {
        *seen_ = {dialog->GetMessage(), dialog->GetFilename(), dialog->GetWildcard(),
                  dialog->GetWindowStyle()};
    }
    // GTK takes the path asynchronously: wait until the dialog reports it back.
    dialog->SetPath(path_);
    WaitFor([&] { return dialog->GetPath() == path_; }, 3000);
    return answer_;
}

wxImage RenderToImage(int width, int height, const std::function<void(wxDC&)>& paint) {
    wxBitmap bmp(width, height, 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        paint(dc);
    }
    return bmp.ConvertToImage();
}

wxImage CaptureFrame(wxTopLevelWindow* frame) {
    frame->Show(true);
    frame->Raise();
    WaitFor([&] { return frame->IsShownOnScreen(); }, 2000);
    // The X server maps and exposes the window asynchronously: let it, then paint again.
    Pump(300);
    frame->Refresh();
    frame->Update();
    Pump(200);
    return ReadScreen(frame);
}

wxImage ReadScreen(wxWindow* window) { return ReadRoot(window->GetScreenRect()); }

wxImage ReadWholeScreen() { return ReadRoot(wxRect(wxPoint(0, 0), wxGetDisplaySize())); }

wxImage ReadRoot(const wxRect& rect) {
    // Read the pixels from the X server itself; a wxScreenDC can hand back stale content.
    GdkPixbuf* pixbuf = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), rect.x, rect.y,
                                                   rect.width, rect.height);
    wxImage image(rect.width, rect.height);
    if (pixbuf == nullptr) return image;
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    const guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    for (int y = 0; y < rect.height; ++y) {
        for (int x = 0; x < rect.width; ++x) {
            const guchar* p = pixels + y * stride + x * channels;
            image.SetRGB(x, y, p[0], p[1], p[2]);
        }
    }
    g_object_unref(pixbuf);
    return image;
}

namespace {

// Whether the pixel is `colour` laid over white with a coverage of at least a third, as the
// smoothed edges of slanted lines are.
bool CoveredBy(const wxImage& image, int x, int y, const wxColour& colour) {
    const int pixel[3] = {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
    const int pure[3] = {colour.Red(), colour.Green(), colour.Blue()};
    int deepest = 0;
    for (int c = 1; c < 3; ++c) {
        if (pure[c] < pure[deepest]) deepest = c;
    }
    if (pure[deepest] == 255) return pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255;
    const double coverage = (255.0 - pixel[deepest]) / (255.0 - pure[deepest]);
    if (coverage < 1.0 / 3.0 || coverage > 1.05) return false;
    for (int c = 0; c < 3; ++c) {
        if (std::abs(255.0 - coverage * (255.0 - pure[c]) - pixel[c]) > 12) return false;
    }
    return true;
}

}  // namespace

int CountPixels(const wxImage& image, const wxColour& colour, const wxRect& area) {
    const wxRect inside = area.Intersect(wxRect(0, 0, image.GetWidth(), image.GetHeight()));
    int n = 0;
    for (int y = inside.GetTop(); y <= inside.GetBottom(); ++y) {
        for (int x = inside.GetLeft(); x <= inside.GetRight(); ++x) {
            n += CoveredBy(image, x, y, colour);
        }
    }
    return n;
}

std::string SaveTourImage(const wxImage& image, const std::string& name) {
    const char* dirName = std::getenv("LUVO_SCREENSHOT_DIR");
    if (dirName == nullptr || *dirName == '\0') return std::string();
    wxFileName::Mkdir(wxString::FromUTF8(dirName), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    const std::string path = std::string(dirName) + "/" + name + ".png";
    const bool saved = image.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG);
    EXPECT_TRUE(saved) << path;
    return saved ? path : std::string();
}

std::string SaveTourShot(wxTopLevelWindow* frame, const std::string& name) {
    if (const char* dirName = std::getenv("LUVO_SCREENSHOT_DIR");
        dirName == nullptr || *dirName == '\0') {
        return std::string();
    }
    return SaveTourImage(CaptureFrame(frame), name);
}

int ShowBoxOnScreen::OnInvoked(wxMessageDialogBase* dialog) const {
    if (seen_ != nullptr) *seen_ = ReadBox(dialog);
    // The box is complete when the modal hook runs; shown without its own modal loop here.
    *shot_ = CaptureFrame(dialog);
    for (wxStaticBitmap* image : FindAll<wxStaticBitmap>(dialog)) {
        *iconRect_ =
            wxRect(image->GetScreenPosition() - dialog->GetScreenPosition(), image->GetSize());
    }
    SaveTourShot(dialog, name_);
    dialog->Hide();
    return wxID_OK;
}

void GuiTest::SetUp() { workDir_ = std::make_unique<ScopedWorkDir>(); }

void GuiTest::TearDown() {
    for (wxFrame* f : OpenFrames()) f->Destroy();
    for (int i = 0; i < 10 && !wxTopLevelWindows.empty(); ++i) wxTheApp->ProcessIdle();
    workDir_.reset();
}

}  // namespace luvo::test
