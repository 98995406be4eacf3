#pragma once
// The wing-file route of both lifting-line methods, for the tests of what they share: the input
// window opened as the method window opens it, a run started with "&Starten", and the results
// window that the run opens.

#include <wx/app.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "common/gui/WingResultsFrame.h"
#include "etl/gui/EtlGridInputFrame.h"
#include "etl/gui/EtlModule.h"
#include "llt/gui/LltGridInputFrame.h"
#include "llt/gui/LltModule.h"
#include "tests/etl/core/EtlTestWings.h"
#include "tests/etl/gui/EtlGridModule.h"
#include "tests/llt/core/LltWingFileText.h"
#include "tests/llt/gui/LltGridModule.h"
#include "tests/support/GuiHarness.h"

namespace wing_routes {

struct WingFileRoute {
    const char* method;
    const char* id;               // the method in test names
    std::string fileName;         // the input window's default wing file
    std::string wing;             // a wing file of a lifting wing
    std::string wingWithoutLift;  // a wing file whose wing has no lift
    std::function<luvo::WingFileInputFrame*()> open;
    std::function<void()> reset;  // the method's module as at program start
    // The window as the method window makes it and what its layout sets.
    wxSize size;
    std::string resultName;  // the default result file
    int buttonRow = 0;
    bool emptyParameterBox = false;
    wxString infoText;
    wxString kFactorOfWing;  // the results window's k-factor text of `wing`
    // The module's state: whether the input window is open, whether a record is current, the
    // names Start took.
    std::function<bool()> inputOpen;
    std::function<bool()> hasRecord;
    std::function<wxString()> gridFileName;
    std::function<wxString()> resultFileName;
    const char* tourName;  // of the screenshots of the input and the results window
};

// The method's id in the messages of a failing parameterised test.
inline void PrintTo(const WingFileRoute& route, std::ostream* os) { *os << route.id; }

inline std::vector<WingFileRoute> Routes() {
    EtlGridHeader header;
    const EtlGridHeader flat{10, 1, 2.0, 0.0};
    WingFileRoute llt;
    llt.method = "Traglinie";
    llt.id = "Llt";
    llt.fileName = "grid.fdt";
    llt.wing = llt_test::RectangularWing(10, 1, 5).Text();
    llt.wingWithoutLift = llt_test::RectangularWing(10, 1, 0).Text();
    llt.open = [] {
        auto* f = new LltGridInputFrame(wxS("Daten über eine Datei einlesen"), wxDefaultPosition,
                                        wxSize(420, 250));
        llt::gridInputFrame = f;
        return f;
    };
    llt.reset = llt_test::ResetGridModule;
    llt.size = wxSize(420, 250);
    llt.resultName = "zirkulation.dat";
    llt.buttonRow = 136;
    llt.emptyParameterBox = true;
    llt.infoText =
        wxS("Es können Gitterdateien im ASCII Format eingelesen werden.\nDazu ist die "
            "entsprechende Datei auszuwählen, sowie die Bezeichnungen\nder Ergebnisdateien. "
            "Die Ergebnisse werden auch als ASCII Dateien\nausgegeben, die beispielsweise "
            "mit Tecplot ausgewertet werden können.\n\n");
    llt.kFactorOfWing = wxS("1.086");
    llt.inputOpen = llt::gridInputOpen;
    llt.hasRecord = [] { return llt::currentSolver != nullptr; };
    llt.gridFileName = [] { return llt::gridFileName; };
    llt.resultFileName = [] { return llt::circulationFileName; };
    llt.tourName = "llt";

    WingFileRoute etl;
    etl.method = "erweiterte Traglinie";
    etl.id = "Etl";
    etl.fileName = "grid.fde";
    etl.wing = etl_test::AnalysisWingAsFile(etl_test::AnalysisWindowInputs(), header);
    etl.wingWithoutLift =
        etl_test::WingFileText(flat, {{0.5, 0.0, 2.0, 0.0}, {0.5, 0.0, 2.0, 0.0}});
    etl.open = [] {
        auto* f = new EtlGridInputFrame(wxS("Daten über eine Datei einlesen"), wxDefaultPosition,
                                        wxSize(420, 285));
        etl::EtlGridInputWindow = f;
        return f;
    };
    etl.reset = etl_test::ResetGridModule;
    etl.size = wxSize(420, 285);
    etl.resultName = "Zirkulation.dat";
    etl.buttonRow = 156;
    etl.emptyParameterBox = false;
    etl.infoText =
        wxS("Es können Gitterdateien im ASCII Format eingelesen werden.\nDazu ist die "
            "entsprechende Datei auszuwählen, sowie die Bezeichnung\nder Ergebnisdatei. "
            "Die Ergebnisse werden auch als ASCII Dateien\nausgegeben, die beispielsweise "
            "mit Tecplot ausgewertet werden können.\n\n");
    etl.kFactorOfWing = wxS("1.021");
    etl.inputOpen = etl::EtlGridInputOpen;
    etl.hasRecord = [] { return etl::EtlCurrentSolver != nullptr; };
    etl.gridFileName = [] { return etl::EtlGridFileName; };
    etl.resultFileName = [] { return etl::EtlGridResultFileName; };
    etl.tourName = "etl";
    return {llt, etl};
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
