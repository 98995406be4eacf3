// GoogleTest main for the window tests: wxWidgets started without a main loop, every wx
// assert and every unexpected modal box turned into a test failure instead of a hang.

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/gui/Platform.h"

namespace {

class TestApp : public wxApp {
  public:
    bool OnInit() override {
        luvo::ApplyUiStyle();
        return true;
    }
};

// Set by a wx assert that fires while no test runs (start-up, clean-up): the run then fails,
// since GoogleTest no longer counts a failure added after the tests.
bool assertOutsideTests = false;

void GtestAssertHandler(const wxString& file, int line, const wxString& func, const wxString& cond,
                        const wxString& msg) {
    if (::testing::UnitTest::GetInstance()->current_test_info() == nullptr) {
        std::fprintf(stderr, "wx assert outside the tests in %s (%s:%d): %s %s\n",
                     func.utf8_str().data(), file.utf8_str().data(), line, cond.utf8_str().data(),
                     msg.utf8_str().data());
        assertOutsideTests = true;
    }
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "wx assert in " << func.utf8_str() << ": " << cond.utf8_str() << " " << msg.utf8_str();
}

// Any modal dialog that no test expects: answered with Cancel and reported, never blocking.
class UnexpectedDialogGuard : public wxModalDialogHook {
  protected:
    int Enter(wxDialog* dlg) override {
        wxString what = dlg->GetTitle();
        if (auto* m = dynamic_cast<wxMessageDialogBase*>(dlg)) what += wxS(": ") + m->GetMessage();
        ADD_FAILURE() << "unexpected modal dialog: " << what.utf8_str();
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

// A busy X server can refuse a connection for a moment, and the toolkit tries only once:
// open the display here, with patience; the toolkit's own start then finds it open.
bool WaitForDisplay(int& argc, char** argv) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (gtk_init_check(&argc, &argv)) return true;
        usleep(50 * 1000);
    }
    return false;
}

// An X server of this process's own, for the tests that read the screen or send real input
// (LUVO_OWN_DISPLAY set): with one server each they can run side by side. The server picks a
// free display number itself and reports it once it accepts connections.
class OwnDisplay {
  public:
    bool Start() {
        int fds[2];
        if (pipe(fds) != 0) return false;
        pid_ = fork();
        if (pid_ < 0) return false;
        if (pid_ == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (number.empty()) return false;
        setenv("DISPLAY", (":" + number).c_str(), 1);
        return true;
    }
    ~OwnDisplay() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

  private:
    pid_t pid_ = -1;
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();  // discovery needs no X
    OwnDisplay ownDisplay;
    if (std::getenv("LUVO_OWN_DISPLAY") != nullptr && !ownDisplay.Start()) {
        std::fprintf(stderr, "No X server of its own: Xvfb could not be started.\n");
        return 1;
    }

    // Run the windows under a German numeric locale when the machine has one, so that every
    // window test also checks that numbers keep their decimal point.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) setenv("LC_ALL", "de_DE.UTF-8", 1);
    setenv("NO_AT_BRIDGE", "1", 1);  // no accessibility bus under Xvfb: no warnings about it
    luvo::PrepareDisplayBackend();
    // Before the toolkit starts, so that not even its start can show the assert box.
    wxSetAssertHandler(GtestAssertHandler);
    if (!WaitForDisplay(argc, argv) || !wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "wxEntryStart failed: no X display? Run under xvfb-run.\n");
        return 1;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    if (!wxTheApp->CallOnInit()) {
        wxEntryCleanup();
        return 1;
    }
    UnexpectedDialogGuard guard;
    guard.Register();
    const int rc = RUN_ALL_TESTS();
    guard.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return assertOutsideTests ? 1 : rc;
}
