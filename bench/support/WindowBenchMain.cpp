#include "bench/support/WindowBenchMain.h"

#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>

#include "common/gui/Platform.h"

namespace {

class BenchApp : public wxApp {
  public:
    bool OnInit() override {
        luvo::ApplyUiStyle();
        return true;
    }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    luvo::PrepareDisplayBackend();
    int wxArgc = 1;
    const bool windows = wxEntryStart(wxArgc, argv) && wxTheApp->CallOnInit();
    if (windows) {
        luvo::bench::RegisterWindowBenchmarks();
    } else {
        std::fprintf(stderr,
                     "No X display: the window benchmarks are left out (run under xvfb-run).\n");
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (windows) wxEntryCleanup();
    return 0;
}
