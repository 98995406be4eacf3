// What becomes of a failed check of the window library: in the program a line on standard
// error, after which it goes on; in the window tests a test failure, wherever it happens.

#include <fcntl.h>
#include <gtest/gtest-spi.h>
#include <unistd.h>
#include <wx/dcclient.h>
#include <wx/frame.h>

#include <cstdio>
#include <string>

#include "app/App.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

// Standard error into a file for the lifetime of the object.
class CapturedStderr {
  public:
    explicit CapturedStderr(const std::string& path) {
        std::fflush(stderr);
        saved_ = dup(2);
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        close(fd);
    }
    ~CapturedStderr() {
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
    }

  private:
    int saved_;
};

class Assertions : public GuiTest {};

TEST_F(Assertions, TheProgramWritesAFailedCheckToStandardErrorAndGoesOn) {
    const std::string log = dir().file("stderr.txt");
    const wxAssertHandler_t harness = wxSetAssertHandler(ReportAssertionOnStderr);
    int line = 0;
    bool wentOn = false;
    {
        CapturedStderr capture(log);
        line = __LINE__ + 1;
        wxFAIL_MSG("Probe: ein fehlgeschlagener Test");
        wentOn = true;
    }
    wxSetAssertHandler(harness);
    EXPECT_TRUE(wentOn);
    const std::string text = ReadFileBytes(log);
    EXPECT_NE(text.find("Probe: ein fehlgeschlagener Test"), std::string::npos) << text;
    EXPECT_NE(text.find("Assertions_gui_test.cpp:" + std::to_string(line)), std::string::npos)
        << text;
    EXPECT_EQ(text.back(), '\n');
}

// A canvas whose first paint fails a check.
class FailingCanvas : public wxWindow {
  public:
    explicit FailingCanvas(wxWindow* parent) : wxWindow(parent, wxID_ANY) {
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            if (!failed_) {
                failed_ = true;
                wxFAIL_MSG("Probe beim Zeichnen");
            }
        });
    }

  private:
    bool failed_ = false;
};

TEST_F(Assertions, EveryFailedCheckFailsTheTestAlsoInAHandlerTheToolkitRuns) {
    EXPECT_NONFATAL_FAILURE(wxFAIL_MSG("Probe direkt"), "Probe direkt");
    EXPECT_NONFATAL_FAILURE(wxASSERT(1 + 1 == 3), "1 + 1 == 3");

    auto* frame = new wxFrame(nullptr, wxID_ANY, wxS("Probe"), wxDefaultPosition, wxSize(200, 150));
    auto* canvas = new FailingCanvas(frame);
    // Shown and painted by the toolkit's own event handling.
    auto showAndPaint = [&] {
        frame->Show();
        WaitFor([] { return false; }, 300);
        canvas->Refresh();
        canvas->Update();
    };
    EXPECT_NONFATAL_FAILURE(showAndPaint(), "Probe beim Zeichnen");
    frame->Destroy();
}

}  // namespace
