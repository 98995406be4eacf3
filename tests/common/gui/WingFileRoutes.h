#pragma once
// The wing-file route of both lifting-line methods, for the tests of what they share: the input
// window opened as the method window opens it, a run started with "&Starten", and the results
// window that the run opens.

#include <wx/app.h>

#include <functional>
#include <string>
#include <vector>

#include "common/gui/WingResultsFrame.h"
#include "etl/gui/EtlGridInputFrame.h"
#include "llt/gui/LltGridInputFrame.h"
#include "tests/etl/core/EtlTestWings.h"
#include "tests/etl/gui/EtlGridModule.h"
#include "tests/llt/core/LltWingFileText.h"
#include "tests/llt/gui/LltGridModule.h"
#include "tests/support/GuiHarness.h"

namespace wing_routes {

struct WingFileRoute {
    const char* method;
    std::string fileName;         // the input window's default wing file
    std::string wing;             // a wing file of a lifting wing
    std::string wingWithoutLift;  // a wing file whose wing has no lift
    std::function<luvo::WingFileInputFrame*()> open;
    std::function<void()> reset;  // the method's module as at program start
};

inline std::vector<WingFileRoute> Routes() {
    EtlGridHeader header;
    const EtlGridHeader flat{10, 1, 2.0, 0.0};
    return {
        {"Traglinie", "grid.fdt", llt_test::RectangularWing(10, 1, 5).Text(),
         llt_test::RectangularWing(10, 1, 0).Text(),
         [] {
             auto* f = new LltGridInputFrame(wxS("Daten über eine Datei einlesen"),
                                             wxDefaultPosition, wxSize(420, 250));
             llt::gridInputFrame = f;
             llt::gridInputOpen = true;
             return f;
         },
         llt_test::ResetGridModule},
        {"erweiterte Traglinie", "grid.fde",
         etl_test::AnalysisWingAsFile(etl_test::AnalysisWindowInputs(), header),
         etl_test::WingFileText(flat, {{0.5, 0.0, 2.0, 0.0}, {0.5, 0.0, 2.0, 0.0}}),
         [] {
             auto* f = new EtlGridInputFrame(wxS("Daten über eine Datei einlesen"),
                                             wxDefaultPosition, wxSize(420, 285));
             EtlGridInputWindow = f;
             EtlGridInputOpen = true;
             return f;
         },
         etl_test::ResetGridModule},
    };
}

// Opens the route's input window, centred and shown, with `wing` as its wing file in the working
// directory, and starts the run; returns the results window it opened (null when none).
inline luvo::WingResultsFrame* RunRoute(const WingFileRoute& route, const std::string& wing) {
    llt_test::WriteText(route.fileName, wing);
    luvo::WingFileInputFrame* f = route.open();
    f->Centre(wxBOTH);
    f->Show(true);
    luvo::test::Pump();
    luvo::test::Click(f->startButton);
    wxTheApp->ProcessIdle();
    for (wxFrame* open : luvo::test::OpenFrames()) {
        if (auto* r = dynamic_cast<luvo::WingResultsFrame*>(open)) return r;
    }
    return nullptr;
}

// Resets both methods' modules around each test.
class WingFileRouteTest : public luvo::test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        for (const WingFileRoute& r : Routes()) r.reset();
    }
    void TearDown() override {
        GuiTest::TearDown();
        for (const WingFileRoute& r : Routes()) r.reset();
    }
};

}  // namespace wing_routes
