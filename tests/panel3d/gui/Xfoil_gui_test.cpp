// The XFOIL windows on a small solved run: the file window writes and opens run windows, the run
// window reads and opens the results window of the run's task, refusals write nothing, and the
// installed XFOIL leaves no warning.
#include <wx/app.h>
#include <wx/uiaction.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "common/gui/WxNumber.h"
#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/core/Panel3dRun.h"
#include "panel3d/core/Panel3dXfoil.h"
#include "panel3d/gui/Panel3dPolarResultsFrame.h"
#include "panel3d/gui/Panel3dShowResultsWindow.h"
#include "panel3d/gui/XfoilFilesFrame.h"
#include "panel3d/gui/XfoilResultsFrames.h"
#include "panel3d/gui/XfoilRunFrame.h"
#include "tests/support/GuiHarness.h"
#include "tests/support/InfoBox.h"

namespace {

using namespace luvo::test;
namespace fs = std::filesystem;

// A straight NACA 2412 wing (span 6 m, chord 1 m, 4 sections) at the given angles, each point
// solved and evaluated: XFOIL converges on all its sections. Thickness and camber in per cent.
Panel3dRun SolvedRun(const std::vector<double>& alphas, double thickness = 12, double camber = 2) {
    panel3d::Panel3dWakeRowCount = 25;
    panel3d::Panel3dTrailingEdgeWakeFactor = 0.1;
    panel3d::Panel3dWakeLengthFactor = 5.0;
    Panel3dRun run;
    run.evaluator = std::make_shared<Panel3dPolarEvaluator>();
    const int points = static_cast<int>(alphas.size());
    run.evaluator->SetFlowState(30, 1.5e-5, points > 1 ? 1 : 0, alphas[0], 2, points, 0, 0, 0, 0,
                                1);
    for (int p = 0; p < points; ++p) {
        Panel3dInteractiveRunSettings s;
        s.flow.alphaStar = alphas[p];
        s.flow.angleCount = s.flow.pointCount = 1;
        Panel3dGeometryInputs& w = s.wing;
        w.span = 6;
        w.rootChord = w.tipChord = 1;
        w.rootThickness = w.tipThickness = thickness;
        w.rootCamber = w.tipCamber = camber;
        w.rootCamberPosition = w.tipCamberPosition = 40;
        w.flapInner = 50;
        w.flapOuter = 80;
        w.hingePosition = 75;
        w.hingeHeight = 50;
        s.chordPanels = 8;
        s.spanPanels = 2;
        s.clustering = 4;
        run.model = RunPanel3dInteractive(s, nullptr, nullptr).model;
        EXPECT_TRUE(run.model);
        run.evaluator->SetOperatingPoint(alphas[p], p + 1);
        run.evaluator->EvaluateProfileDrag(*run.model);
    }
    run.record = run.evaluator->Record();
    return run;
}

void Settle() {
    wxTheApp->ProcessIdle();
    Pump(20);
}

bool XfoilInstalled() {
    return fs::exists("/usr/bin/xfoil") && std::system("which xvfb-run > /dev/null 2>&1") == 0;
}

// Runs the batch file of the working folder as the README says.
void RunBatch() {
    ASSERT_EQ(std::system("xvfb-run -a sh batch.bat > xfoil.out 2>&1"), 0)
        << ReadFileBytes("xfoil.out").substr(0, 2000);
}

// Result files as XFOIL leaves them for every section of the run at every point, skipping
// section `skip`: the header with the run's profile name and the section's Reynolds number, two
// lines at its lift.
void WriteXfoilResults(const Panel3dRun& run, int skip = -1) {
    const Panel3dEvaluationRecord& r = *run.record;
    for (int p = 0; p < XfoilPointCount(r); ++p) {
        for (int s = 0; s < r.StripCount(); ++s) {
            if (s == skip) continue;
            const double re = r.GetSectionReynolds(p + 1, s);
            const int exponent = static_cast<int>(std::floor(std::log10(re)));
            const std::string line =
                wxString::Format("   2.000   %.4f   0.01000   0.00200  -0.0500   0.0500   0.0500\n",
                                 r.GetPointStripLift(p + 1, s))
                    .ToStdString();
            std::ofstream(MakeXfoilFileNames(Panel3dXfoilNames(), p, s).result)
                << "  \n       XFOIL         Version 6.99\n  \n Calculated polar for: "
                << XfoilProfileName(r) << "\n  \n"
                << wxString::Format(" Mach =   0.000     Re =     %.3f e %d     Ncrit =   9.000\n",
                                    re / std::pow(10.0, exponent), exponent)
                       .ToStdString()
                << "  \n   alpha    CL        CD       CDp       CM\n"
                << line << line;
        }
    }
}

// Opens the file window of the run and presses "&Starten": the run window it opened.
XfoilRunFrame* WriteXfoilInput(const Panel3dRun& run,
                               const wxString& program = wxS("xfoilP4.exe")) {
    XfoilFilesFrame* files = OpenXfoilFilesFrame(run);
    files->nameTexts[XfoilFilesFrame::kProgram]->SetLabel(program);
    panel3d::g_xfoilRunFrame.Release();
    Click(files->startButton);
    Settle();
    EXPECT_NE(panel3d::g_xfoilRunFrame, nullptr);
    return panel3d::g_xfoilRunFrame;
}

// "&Starten" of a run window whose files another run's batch has replaced: one box, no
// results window, and neither the error log nor the coefficient file written.
void ExpectOtherRunsResults(XfoilRunFrame* window) {
    ShownBox seen;
    wxTEST_DIALOG(Click(window->startButton), ExpectBox(&seen));
    Settle();
    EXPECT_EQ(seen.message,
              wxS("Die XFOIL-Ergebnisse gehören nicht zu dieser Rechnung. Bitte in XFOIL Dateien "
                  "dieser Rechnung erneut Starten drücken und das Batchfile ausführen."));
    EXPECT_TRUE(seen.style & wxICON_ERROR);
    EXPECT_EQ(FindFrame(wxS("XFOIL Ergebnisse")), nullptr);
    EXPECT_FALSE(fs::exists("beiwerte.dat"));
    EXPECT_FALSE(fs::exists("XFOIL_abnormalties.txt"));
}

class XfoilWindowsTest : public GuiTest {};

TEST_F(XfoilWindowsTest, DefaultsWriteTheFilesAndEveryStartOpensOneMoreWindow) {
    const Panel3dRun run = SolvedRun({2});
    XfoilFilesFrame* files = OpenXfoilFilesFrame(run);
    EXPECT_EQ(files->GetTitle(), wxS("XFOIL Dateien"));
    EXPECT_EQ(files->GetSize(), wxSize(420, 650));
    EXPECT_EQ(files->GetStatusBar()->GetStatusText(0), wxS("Rechnung starten"));
    const wxString defaults[] = {
        wxS("profil.pol"),   wxS("xfoil_results.dat"),      wxS("xfoilP4.exe"), wxS("command.cmd"),
        wxS("beiwerte.dat"), wxS("XFOIL_abnormalties.txt"), wxS("batch.bat")};
    for (int i = 0; i < XfoilFilesFrame::kFileCount; ++i) {
        EXPECT_EQ(files->nameTexts[i]->GetLabel(), defaults[i]);
    }
    EXPECT_EQ(files->fileButtons[XfoilFilesFrame::kProgram]->GetToolTipText(),
              wxS("Pfad unter welchem XFOIL abgelegt ist"));

    Click(files->startButton);
    Click(files->startButton);
    Settle();
    std::vector<wxFrame*> runs;
    for (wxFrame* f : OpenFrames()) {
        if (f->GetTitle() == wxS("XFOIL ausfuehren")) runs.push_back(f);
    }
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(fs::exists("profil_003.pol"));
    EXPECT_EQ(ReadFileBytes("batch.bat"), "xfoilP4.exe < command.cmd\n");
    EXPECT_FALSE(fs::exists("xfoil_results_000_00_00.dat"));

    // Before XFOIL ran: every file missing, the warning, and no XFOIL drag (none, not zero).
    Click(static_cast<XfoilRunFrame*>(runs[0])->startButton);
    Settle();
    auto* results = dynamic_cast<XfoilResultsFrame*>(FindFrame(wxS("XFOIL Ergebnisse")));
    ASSERT_NE(results, nullptr);
    EXPECT_NE(results->warningCanvas, nullptr);
    EXPECT_EQ(results->warningCanvas->GetPosition(), wxPoint(349, 350));
    EXPECT_EQ(results->closeButton->GetPosition(), wxPoint(520, 450));
    for (int i : {3, 4, 5}) EXPECT_EQ(results->valueTexts[i]->GetLabel(), wxS("---"));
    EXPECT_NE(ReadFileBytes("XFOIL_abnormalties.txt").find("3\t1\n"), std::string::npos);
    EXPECT_NE(ReadFileBytes("beiwerte.dat").find("CWr_xf  :     ---\n"), std::string::npos);

    // "X&FOIL starten" of a results window opens a further file window each time.
    auto* polar =
        dynamic_cast<Panel3dXfoilStepWindow*>(Panel3dShowResultsWindow(1, SolvedRun({2, 4})));
    ASSERT_NE(polar, nullptr);
    Click(polar->xfoilButton);
    Click(polar->xfoilButton);
    Settle();
    int fileWindows = 0;
    for (wxFrame* f : OpenFrames()) fileWindows += f->GetTitle() == wxS("XFOIL Dateien");
    EXPECT_EQ(fileWindows, 3);
}

TEST_F(XfoilWindowsTest, RefusalsShowOneBoxAndWriteNothing) {
    const Panel3dRun run = SolvedRun({2});
    XfoilFilesFrame* files = OpenXfoilFilesFrame(run);
    const wxString bad[] = {wxS("a\nb.pol"), wxString(61, 'p')};
    for (const wxString& name : bad) {
        files->nameTexts[XfoilFilesFrame::kProfile]->SetLabel(name);
        ShownBox seen;
        wxTEST_DIALOG(Click(files->startButton), ExpectBox(&seen));
        EXPECT_EQ(seen.caption, wxS("Die Eingaben sind nicht korrekt!"));
        EXPECT_TRUE(seen.style & wxICON_ERROR);
    }
    EXPECT_TRUE(fs::is_empty("."));
    EXPECT_EQ(FindFrame(wxS("XFOIL ausfuehren")), nullptr);

    // A command file in a missing folder: named in one box, and no run window.
    files->nameTexts[XfoilFilesFrame::kProfile]->SetLabel(wxS("profil.pol"));
    files->nameTexts[XfoilFilesFrame::kCommand]->SetLabel(wxS("fehlt/command.cmd"));
    ShownBox seen;
    wxTEST_DIALOG(Click(files->startButton), ExpectBox(&seen));
    EXPECT_EQ(seen.caption, wxS("Fehler beim Schreiben der Datei"));
    EXPECT_NE(seen.message.Find(wxS("fehlt/command.cmd")), wxNOT_FOUND);
    EXPECT_EQ(FindFrame(wxS("XFOIL ausfuehren")), nullptr);
}

TEST_F(XfoilWindowsTest, InfoBoxesAndFileDialogs) {
    const Panel3dRun run = SolvedRun({2});
    XfoilFilesFrame* files = OpenXfoilFilesFrame(run);
    wxString status;
    ShownBox box = ShowInfoBox(files, &status);
    EXPECT_EQ(box.caption, wxS("Info XFOIL Dateien"));
    EXPECT_TRUE(box.message.StartsWith(wxS("Hier werden die Filnamen für die Profile")));
    EXPECT_TRUE(box.style & wxICON_INFORMATION);
    EXPECT_EQ(status, wxS("Gewählt: Info"));
    EXPECT_EQ(files->GetStatusBar()->GetStatusText(0),
              wxS("Auswahl XFOIL, Auswahl der Dateinamen"));

    // The program dialog offers programs without extension and proposes the built-in name
    // whatever the label shows; a cancelled dialog changes nothing.
    wxButton* program = files->fileButtons[XfoilFilesFrame::kProgram];
    ShownFileDialog seen;
    wxTEST_DIALOG(Click(program), ExpectFile(wxS("/usr/bin/xfoil"), wxID_OK, &seen));
    EXPECT_EQ(seen.message, wxS("XFOIL Pfad angeben"));
    EXPECT_EQ(seen.wildcard, wxS("*.exe|*.exe|*|*"));
    EXPECT_EQ(files->nameTexts[XfoilFilesFrame::kProgram]->GetLabel(), wxS("/usr/bin/xfoil"));
    wxTEST_DIALOG(Click(program), ExpectFile(wxS("/anders"), wxID_CANCEL, &seen));
    EXPECT_EQ(seen.proposedName, wxS("xfoilP4.exe"));
    EXPECT_EQ(files->nameTexts[XfoilFilesFrame::kProgram]->GetLabel(), wxS("/usr/bin/xfoil"));

    Click(files->startButton);
    Settle();
    auto* runWindow = dynamic_cast<XfoilRunFrame*>(FindFrame(wxS("XFOIL ausfuehren")));
    ASSERT_NE(runWindow, nullptr);
    box = ShowInfoBox(runWindow, &status);
    EXPECT_EQ(box.caption, wxS("Info XFOIL Rechnung"));
    EXPECT_TRUE(box.message.Contains(wxS("Diese läuft automtisch durch.")));
    EXPECT_EQ(runWindow->GetStatusBar()->GetStatusText(0), wxS("Starten der XFOIL Rechnung"));
    Click(runWindow->startButton);
    Settle();
    wxFrame* results = FindFrame(wxS("XFOIL Ergebnisse"));
    ASSERT_NE(results, nullptr);
    box = ShowInfoBox(results, &status);
    EXPECT_EQ(box.caption, wxS("INFO Ausgabe der Ergebnisse"));
    EXPECT_EQ(status, wxS("Info"));
    EXPECT_EQ(results->GetStatusBar()->GetStatusText(0), wxS("Ergebnisse"));
}

TEST_F(XfoilWindowsTest, InstalledXfoilGivesTheLiftPolarsWithoutWarning) {
    const Panel3dRun run = SolvedRun({2, 4});
    XfoilFilesFrame* files = OpenXfoilFilesFrame(run);
    files->nameTexts[XfoilFilesFrame::kProgram]->SetLabel(wxS("/usr/bin/xfoil"));
    Click(files->startButton);
    Settle();
    auto* runWindow = dynamic_cast<XfoilRunFrame*>(FindFrame(wxS("XFOIL ausfuehren")));
    ASSERT_NE(runWindow, nullptr);
    ASSERT_EQ(std::system("xvfb-run -a sh batch.bat > xfoil.out 2>&1"), 0);
    Click(runWindow->startButton);
    Settle();
    auto* polar = dynamic_cast<XfoilPolarResultsFrame*>(FindFrame(wxS("XFOIL Polaren Ergebnisse")));
    ASSERT_NE(polar, nullptr);
    EXPECT_EQ(polar->warningCanvas, nullptr);
    EXPECT_EQ(polar->dragPolarCanvas->GetToolTipText(), wxS("cA über cW "));
    EXPECT_EQ(ReadFileBytes("XFOIL_abnormalties.txt").find("\t1\n"), std::string::npos);
    const Panel3dEvaluationRecord& reading = *polar->Run().record;
    EXPECT_NE(reading.GetXfoilTotalCoefficient(0), reading.GetXfoilTotalCoefficient(3));
    EXPECT_GT(reading.GetXfoilTotalCoefficient(0), 0.003);
}

TEST_F(XfoilWindowsTest, ResultsOfALaterRunInTheSameFolderAreRefusedInOneBox) {
    // Two runs in one folder; the second one's batch replaces the first one's files of point 0.
    const Panel3dRun first = SolvedRun({2});
    XfoilRunFrame* firstWindow = WriteXfoilInput(first);
    const Panel3dRun second = SolvedRun({6});
    XfoilRunFrame* secondWindow = WriteXfoilInput(second);
    ASSERT_TRUE(firstWindow && secondWindow);
    WriteXfoilResults(second);

    ExpectOtherRunsResults(firstWindow);

    // The second run's window reads them as its own.
    Click(secondWindow->startButton);
    Settle();
    auto* results = dynamic_cast<XfoilResultsFrame*>(FindFrame(wxS("XFOIL Ergebnisse")));
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->warningCanvas, nullptr);
    EXPECT_EQ(results->valueTexts[3]->GetLabel(), wxS("0.010"));
}

TEST_F(XfoilWindowsTest, InstalledXfoilTwoRunsInOneFolder) {
    if (!XfoilInstalled()) GTEST_SKIP() << "xfoil or xvfb-run is not installed";
    const wxString program = wxS("/usr/bin/xfoil");
    const Panel3dRun single = SolvedRun({2});
    XfoilRunFrame* singleWindow = WriteXfoilInput(single, program);
    const Panel3dRun polars = SolvedRun({4, 6});
    XfoilRunFrame* polarWindow = WriteXfoilInput(polars, program);
    ASSERT_TRUE(singleWindow && polarWindow);
    RunBatch();

    // The single state's window finds the lift polar's point 0 under its names.
    ExpectOtherRunsResults(singleWindow);
    Click(polarWindow->startButton);
    Settle();
    auto* polar = dynamic_cast<XfoilPolarResultsFrame*>(FindFrame(wxS("XFOIL Polaren Ergebnisse")));
    ASSERT_NE(polar, nullptr);
    EXPECT_EQ(polar->warningCanvas, nullptr);
    const double polarDrag = polar->Run().record->GetXfoilTotalCoefficient(0);

    // As the box says: the single state's files once more, its batch, and its own drag.
    XfoilRunFrame* again = WriteXfoilInput(single, program);
    ASSERT_NE(again, nullptr);
    RunBatch();
    Click(again->startButton);
    Settle();
    auto* results = dynamic_cast<XfoilResultsFrame*>(FindFrame(wxS("XFOIL Ergebnisse")));
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->warningCanvas, nullptr);
    const double drag = results->Run().record->GetXfoilTotalCoefficient(0);
    EXPECT_GT(drag, 0.003);
    EXPECT_LT(drag, polarDrag);  // 2 degrees against 4
    EXPECT_EQ(results->valueTexts[3]->GetLabel(), luvo::FormatLabel("%1.3f", drag));
    EXPECT_EQ(ReadFileBytes("beiwerte.dat").rfind("Gesamtbeiwerte:\n---------------\n\nCWi", 0),
              0u);
}

TEST_F(XfoilWindowsTest, InstalledXfoilTellsApartRunsOfEqualLift) {
    if (!XfoilInstalled()) GTEST_SKIP() << "xfoil or xvfb-run is not installed";
    const wxString program = wxS("/usr/bin/xfoil");
    // Symmetric sections at 0 degrees: no lift, and both runs give XFOIL the same Reynolds
    // numbers and lifts; only the thickness differs.
    const Panel3dRun thick = SolvedRun({0}, 15, 0);
    XfoilRunFrame* thickWindow = WriteXfoilInput(thick, program);
    ASSERT_NE(thickWindow, nullptr);
    RunBatch();
    const Panel3dRun thin = SolvedRun({0}, 10, 0);
    XfoilRunFrame* thinWindow = WriteXfoilInput(thin, program);
    ASSERT_NE(thinWindow, nullptr);
    RunBatch();

    ExpectOtherRunsResults(thickWindow);
    Click(thinWindow->startButton);
    Settle();
    auto* thinResults = dynamic_cast<XfoilResultsFrame*>(FindFrame(wxS("XFOIL Ergebnisse")));
    ASSERT_NE(thinResults, nullptr);
    EXPECT_EQ(thinResults->warningCanvas, nullptr);
    const double thinDrag = thinResults->Run().record->GetXfoilTotalCoefficient(0);
    thinResults->Destroy();
    Settle();

    XfoilRunFrame* again = WriteXfoilInput(thick, program);
    ASSERT_NE(again, nullptr);
    RunBatch();
    Click(again->startButton);
    Settle();
    auto* thickResults = dynamic_cast<XfoilResultsFrame*>(FindFrame(wxS("XFOIL Ergebnisse")));
    ASSERT_NE(thickResults, nullptr);
    const double thickDrag = thickResults->Run().record->GetXfoilTotalCoefficient(0);
    // The thicker section has the larger profile drag.
    EXPECT_GT(thinDrag, 0.003);
    EXPECT_GT(thickDrag, thinDrag * 1.03);
}

TEST_F(XfoilWindowsTest, AFailedSectionShowsNoXfoilDrag) {
    const Panel3dRun run = SolvedRun({2});
    XfoilRunFrame* runWindow = WriteXfoilInput(run);
    ASSERT_NE(runWindow, nullptr);
    WriteXfoilResults(run, 2);
    Click(runWindow->startButton);
    Settle();
    auto* results = dynamic_cast<XfoilResultsFrame*>(FindFrame(wxS("XFOIL Ergebnisse")));
    ASSERT_NE(results, nullptr);
    EXPECT_NE(results->warningCanvas, nullptr);
    for (int i : {3, 4, 5}) EXPECT_EQ(results->valueTexts[i]->GetLabel(), wxS("---")) << i;
    EXPECT_NE(results->valueTexts[6]->GetLabel(), wxS("---"));
    const std::string table = ReadFileBytes("beiwerte.dat");
    EXPECT_NE(table.find("CWr_xf  :     ---\n"), std::string::npos) << table;
    EXPECT_NE(table.find("  0.00800\n"), std::string::npos) << table;  // the sections XFOIL did
    EXPECT_NE(table.find("      ---\n"), std::string::npos) << table;  // and the one it did not
}

TEST_F(XfoilWindowsTest, AHundredUnwrittenFilesFitInOneBox) {
    // A hand-made run of 100 sections, every profile file meant for a folder that is missing.
    std::array<double, 9> flow{};
    flow[4] = 1;
    auto record = std::make_shared<Panel3dEvaluationRecord>(1, 50, flow, 0);
    record->sectionReynolds.assign(100, 1e6);
    record->pointStripLift = {std::vector<double>(100, 0.2)};
    XfoilFilesFrame* files = OpenXfoilFilesFrame(Panel3dRun{nullptr, record, nullptr});
    files->nameTexts[XfoilFilesFrame::kProfile]->SetLabel(wxS("fehlt/profil.pol"));
    ShownBox seen;
    wxTEST_DIALOG(Click(files->startButton), ExpectBox(&seen));
    EXPECT_EQ(seen.caption, wxS("Fehler beim Schreiben der Datei"));
    wxString expected = wxS("Folgende Ergebnisdateien konnten nicht geschrieben werden:\n\n");
    for (int s = 0; s < 20; ++s) expected += wxString::Format("fehlt/profil_%03d.pol\n", s);
    expected += wxS("… und 80 weitere\n");
    EXPECT_EQ(seen.message, expected);
}

TEST_F(XfoilWindowsTest, FilesChosenInALongWorkingFolderGoToXfoilWithShortNames) {
    const fs::path deep = dir().path() / "ein_arbeitsordner_mit_einem_langen_namen" / "xfoil";
    fs::create_directories(deep);
    fs::current_path(deep);
    const Panel3dRun run = SolvedRun({2});
    XfoilFilesFrame* files = OpenXfoilFilesFrame(run);
    const wxString profile = wxString((deep / "profil.pol").string());
    const wxString results = wxString((deep / "xfoil_results.dat").string());
    wxTEST_DIALOG(Click(files->fileButtons[XfoilFilesFrame::kProfile]), ExpectFile(profile));
    wxTEST_DIALOG(Click(files->fileButtons[XfoilFilesFrame::kResult]), ExpectFile(results));
    ASSERT_EQ(files->nameTexts[XfoilFilesFrame::kResult]->GetLabel(), results);
    ASSERT_GT(results.length(), 64u);

    Click(files->startButton);
    Settle();
    EXPECT_NE(FindFrame(wxS("XFOIL ausfuehren")), nullptr);
    const std::string commands = ReadFileBytes("command.cmd");
    EXPECT_EQ(commands.rfind("LOAD profil_000.pol\n", 0), 0u) << commands;
    EXPECT_NE(commands.find("PACC\nxfoil_results_003_00_00.dat\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(deep / "profil_003.pol"));
}

}  // namespace

namespace {

class ScreenXfoilWindows : public XfoilWindowsTest {};

// Alt+S in the file window does what its menu says and closes it; the mnemonic of "&Starten"
// must not get the key, which would rewrite the inputs and delete the run's XFOIL results.
TEST_F(ScreenXfoilWindows, AltSClosesTheFileWindowAndTouchesNoFile) {
    const Panel3dRun run = SolvedRun({2});
    XfoilFilesFrame* files = OpenXfoilFilesFrame(run);
    const std::string result = MakeXfoilFileNames(files->Names(), 0, 0).result;
    std::ofstream(result) << "XFOIL polar\n";
    Present(files);
    // The focus where a click or Tab leaves it; there GTK gave Alt+S to the button's mnemonic.
    files->startButton->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == files->startButton; }, 2000));
    RealKey('s', wxMOD_ALT);
    Settle();
    EXPECT_EQ(FindFrame(wxS("XFOIL Dateien")), nullptr);
    EXPECT_EQ(FindFrame(wxS("XFOIL ausfuehren")), nullptr);
    EXPECT_EQ(ReadFileBytes(result), "XFOIL polar\n");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

TEST_F(ScreenXfoilWindows, Tour) {
    wxUIActionSimulator().MouseMove(1270, 1010);
    const Panel3dRun run = SolvedRun({2});
    XfoilFilesFrame* files = OpenXfoilFilesFrame(run);
    SaveTourShot(files, "xfoil_files");
    Click(files->startButton);
    Settle();
    auto* runWindow = dynamic_cast<XfoilRunFrame*>(FindFrame(wxS("XFOIL ausfuehren")));
    ASSERT_NE(runWindow, nullptr);
    SaveTourShot(runWindow, "xfoil_run");
    // Before XFOIL ran: the single state with its warning.
    Click(runWindow->startButton);
    Settle();
    wxFrame* single = FindFrame(wxS("XFOIL Ergebnisse"));
    ASSERT_NE(single, nullptr);
    SaveTourShot(single, "xfoil_results");

    const Panel3dRun polars = SolvedRun({2, 4});
    Panel3dEvaluationRecord reading = *polars.record;
    ReadXfoilResults(Panel3dXfoilNames(), reading);
    wxFrame* polar = OpenXfoilResultsWindow(
        {polars.model, std::make_shared<Panel3dEvaluationRecord>(reading), polars.evaluator}, true);
    SaveTourShot(polar, "xfoil_polar_results");

    // A speed polar of two speeds, its series by hand.
    std::array<double, 9> flow = polars.record->FlowState();
    auto speed = std::make_shared<Panel3dEvaluationRecord>(8, 2, flow, 2);
    for (auto* v : {&speed->flightSpeedFlatPlate, &speed->flightSpeedIntegral,
                    &speed->flightSpeedInduced, &speed->flightSpeedXfoil}) {
        *v = {30, 45};
    }
    for (auto* v : {&speed->sinkSpeedFlatPlate, &speed->sinkSpeedIntegral, &speed->sinkSpeedInduced,
                    &speed->sinkSpeedXfoil}) {
        *v = {-0.9, -1.2};
    }
    for (auto* v : {&speed->powerFlatPlate, &speed->powerIntegral, &speed->powerInduced,
                    &speed->powerXfoil, &speed->thrustFlatPlate, &speed->thrustIntegral,
                    &speed->thrustInduced, &speed->thrustXfoil}) {
        *v = {300, 420};
    }
    auto* speedWindow = dynamic_cast<XfoilSpeedPolarResultsFrame*>(
        OpenXfoilResultsWindow({polars.model, speed, polars.evaluator}, false));
    ASSERT_NE(speedWindow, nullptr);
    EXPECT_EQ(speedWindow->GetTitle(), wxS("XFOIL Geschw.-Polaren Ergebnisse"));
    SaveTourShot(speedWindow, "xfoil_speed_polar_results");
    SelectRadio(speedWindow->polarRadioBox, 1);
    EXPECT_NE(dynamic_cast<Panel3dThrustPolarXfoilCanvas*>(speedWindow->lowerCanvas), nullptr);
}

}  // namespace
