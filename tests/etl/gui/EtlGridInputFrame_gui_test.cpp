// The wing-file window of the extended lifting-line method and its results windows, driven as
// the user drives them: wing files written into the test's working directory, "&Starten"
// clicked, boxes and file dialogs answered. What the window shares with the simple lifting
// line's is tested for both in tests/common/gui/WingFileInputFrame_gui_test.cpp.

#include <wx/app.h>
#include <wx/display.h>
#include <wx/statbox.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <utility>

#include "common/core/NumberText.h"
#include "common/gui/WxPlotPainter.h"
#include "etl/core/EtlRuns.h"
#include "etl/gui/EtlGridInputFrame.h"
#include "etl/gui/EtlMethodFrame.h"
#include "etl/gui/EtlModule.h"
#include "etl/gui/EtlPlots.h"
#include "etl/gui/EtlResultsFrame.h"
#include "tests/etl/core/EtlTestWings.h"
#include "tests/etl/gui/EtlGridModule.h"
#include "tests/support/GuiHarness.h"
#include "tests/support/InfoBox.h"
#include "tests/support/TempDir.h"

namespace {

using namespace luvo::test;
using etl_test::AnalysisWindowInputs;
using etl_test::AnalysisWingAsFile;

const wchar_t* const kErrorText =
    L"Fehler beim Einlesen der Datei!\nDateiformat falsch oder Datei nicht vorhanden.\n";

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> out;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// The analysis window's default wing as a wing file.
std::string DefaultWing() {
    EtlGridHeader header;
    return AnalysisWingAsFile(AnalysisWindowInputs(), header);
}

// Records every status text of field 0 in order.
class RecordingGridInputFrame : public EtlGridInputFrame {
  public:
    using EtlGridInputFrame::EtlGridInputFrame;
    void SetStatusText(const wxString& text, int number = 0) override {
        if (number == 0) statusTexts.push_back(text);
        EtlGridInputFrame::SetStatusText(text, number);
    }
    // Outlives the window, which a successful run destroys.
    static inline std::vector<wxString> statusTexts;
};

class EtlGridInputTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        ResetModule();
    }
    void TearDown() override {
        GuiTest::TearDown();
        ResetModule();
    }
    static void ResetModule() { etl_test::ResetGridModule(); }

    // Opens the window as the method window does.
    static RecordingGridInputFrame* Open() {
        auto* f = new RecordingGridInputFrame(wxS("Daten über eine Datei einlesen"),
                                              wxDefaultPosition, wxSize(420, 285));
        etl::EtlGridInputWindow = f;
        f->Centre(wxBOTH);
        f->Show(true);
        return f;
    }

    static std::vector<EtlResultsFrame*> ResultsWindows() {
        std::vector<EtlResultsFrame*> out;
        for (wxFrame* f : OpenFrames()) {
            if (auto* r = dynamic_cast<EtlResultsFrame*>(f)) out.push_back(r);
        }
        return out;
    }

    void ExpectReadError(EtlGridInputFrame* f) {
        ShownBox seen;
        wxString statusWhileOpen;
        wxTEST_DIALOG(Click(f->startButton), ExpectBoxNotingStatus(&seen, &statusWhileOpen, f));
        EXPECT_EQ(seen.caption, wxS("Fehler beim Einlesen der Datei"));
        EXPECT_EQ(seen.message, wxString(kErrorText));
        EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
        EXPECT_EQ(statusWhileOpen, wxS("Fehler!"));
        EXPECT_EQ(f->GetStatusBar()->GetStatusText(0), wxS("Rechnung starten"));
        EXPECT_EQ(f->errorFlag, 1);
        EXPECT_TRUE(etl::EtlGridInputOpen());
        EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(f));
        EXPECT_TRUE(ResultsWindows().empty());
        EXPECT_EQ(etl::EtlCurrentSolver, nullptr);
        EXPECT_FALSE(std::filesystem::exists(dir().file("Zirkulation.dat")));
    }

    EtlResultsFrame* ExpectRun(EtlGridInputFrame* f) {
        const size_t before = ResultsWindows().size();
        wxWeakRef<wxFrame> input(f);
        Click(f->startButton);
        EXPECT_FALSE(etl::EtlGridInputOpen());
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(input);
        const std::vector<EtlResultsFrame*> results = ResultsWindows();
        EXPECT_EQ(results.size(), before + 1);
        return results.size() == before + 1 ? results.back() : nullptr;
    }
};

// What only this method's window has: the sideslip field below the file rows (the rest of the
// window is tested with the other method's in WingFileInputFrame_gui_test.cpp).
TEST_F(EtlGridInputTest, SideslipFieldBelowTheFileRows) {
    EtlGridInputFrame* f = Open();
    EXPECT_EQ(f->sideslipField->GetValue(), wxS("0.0"));
    EXPECT_EQ(f->sideslipField->GetPosition(), wxPoint(220, 110));
    EXPECT_EQ(f->sideslipField->GetSize().x, 30);
    EXPECT_EQ(f->sideslipField->GetToolTipText(), wxS("-30 < Schiebewinkel < 30"));
    EXPECT_NE(FindByLabel(f->panel, wxS("Schiebewinkel beta [°]:")), nullptr);
}

TEST_F(EtlGridInputTest, RunWithDefaultNamesWritesTheFileAndOpensResultsOnTop) {
    WriteText(dir().file("grid.fde"), DefaultWing());
    RecordingGridInputFrame* f = Open();
    RecordingGridInputFrame::statusTexts.clear();
    EtlResultsFrame* r = ExpectRun(f);
    ASSERT_NE(r, nullptr);
    const std::vector<wxString> order = {wxS("Rechnung läuft"),
                                         wxS("Ergebnisse werden in Datei geschrieben..."),
                                         wxS("Rechnung beendet!")};
    EXPECT_EQ(RecordingGridInputFrame::statusTexts, order);

    ASSERT_NE(etl::EtlCurrentSolver, nullptr);
    EXPECT_EQ(r->GetRecord(), etl::EtlCurrentSolver);
    EXPECT_EQ(etl::EtlResultsWindow.get(), r);
    EXPECT_EQ(etl::EtlGridFileName, wxS("grid.fde"));
    EXPECT_EQ(etl::EtlGridResultFileName, wxS("Zirkulation.dat"));
    EXPECT_EQ(etl::EtlGridSpan, 10.0);
    EXPECT_EQ(etl::EtlGridRootChord, 2.0);
    EXPECT_EQ(etl::EtlGridRootAngle, 10.0);

    EXPECT_EQ(r->GetTitle(), wxS("Ergebnisse"));
    EXPECT_EQ(r->GetSize(), wxSize(640, 390));
    EXPECT_TRUE(r->HasFlag(wxSTAY_ON_TOP));
    EXPECT_TRUE(r->IsShown());
    const wxRect screen = wxDisplay(r).GetClientArea();
    EXPECT_NEAR(r->GetRect().x + r->GetRect().width / 2, screen.x + screen.width / 2, 1);

    const EtlSolver& s = *etl::EtlCurrentSolver;
    const double values[] = {
        s.area, s.meanChord, s.aspectRatio, s.liftCoefficient, s.inducedDragCoefficient, s.kFactor};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(r->valueLabels[i]->GetLabel(), luvo::FormatNumber("%.3f", values[i]));
    }
    EXPECT_EQ(r->valueLabels[0]->GetLabel(), wxS("20.000"));  // 10 m span of 2 m chord

    const std::vector<std::string> lines = Lines(ReadFileBytes(dir().file("Zirkulation.dat")));
    ASSERT_EQ(lines.size(), 55u);
    EXPECT_EQ(lines[0], "TITLE = \" Verteilung der Tiefe\"");

    // The next "&OK" of the method window opens a fresh window with the default names.
    auto* method = new EtlMethodFrame(wxS("Erweitertes Traglinienverfahren"), wxDefaultPosition,
                                      wxSize(465, 380));
    method->Show();
    SelectRadio(method->taskRadio, 0);
    Click(method->okButton);
    ASSERT_TRUE(etl::EtlGridInputOpen());
    EtlGridInputFrame* again = etl::EtlGridInputWindow;
    EXPECT_EQ(again->GetSize(), wxSize(420, 285));
    EXPECT_EQ(again->gridFileLabel->GetLabel(), wxS("grid.fde"));
    EXPECT_EQ(again->resultFileLabel->GetLabel(), wxS("Zirkulation.dat"));
    // A second "&OK" shows the same window again.
    Click(method->okButton);
    EXPECT_EQ(etl::EtlGridInputWindow.get(), again);
    int inputWindows = 0;
    for (wxFrame* open : OpenFrames())
        inputWindows += dynamic_cast<EtlGridInputFrame*>(open) != nullptr;
    EXPECT_EQ(inputWindows, 1);
}

TEST_F(EtlGridInputTest, TypedSideslipEntersNegated) {
    struct Case {
        const wchar_t* typed;
        double analysisBeta;
    };
    // Beyond 90 degrees the field is still taken as typed: a wing without lift, k "---".
    for (const Case& c :
         {Case{L"10", -10.0}, Case{L"", 0.0}, Case{L"-5.5x", 5.5}, Case{L"120", -120.0}}) {
        SCOPED_TRACE(wxString(c.typed).utf8_string());
        WriteText(dir().file("grid.fde"), DefaultWing());
        EtlGridInputFrame* f = Open();
        f->sideslipField->ChangeValue(c.typed);
        EtlResultsFrame* r = ExpectRun(f);
        ASSERT_NE(r, nullptr);
        EtlAnalysisInputs in = AnalysisWindowInputs();
        in.sideslip = c.analysisBeta;
        const auto expected = EtlSolveAnalysis(in);
        const EtlSolver& s = *etl::EtlCurrentSolver;
        EXPECT_NEAR(s.liftCoefficient, expected->liftCoefficient, 1e-9);
        EXPECT_NEAR(s.inducedDragCoefficient, expected->inducedDragCoefficient, 1e-9);
        for (int k : {5, 30, 51, 70, 97}) EXPECT_NEAR(s.gamma[k], expected->gamma[k], 1e-9);
        EXPECT_EQ(r->valueLabels[5]->GetLabel() == wxS("---"), std::isnan(expected->kFactor));
        EXPECT_EQ(std::isnan(expected->kFactor), c.analysisBeta < -90);
        for (wxFrame* open : OpenFrames()) open->Destroy();
        wxTheApp->ProcessIdle();
    }
    // The sign matters: a wing in sideslip is not symmetric.
    EtlAnalysisInputs plus = AnalysisWindowInputs(), minus = plus;
    plus.sideslip = 10;
    minus.sideslip = -10;
    EXPECT_NE(EtlSolveAnalysis(plus)->gamma[5], EtlSolveAnalysis(minus)->gamma[5]);
}

TEST_F(EtlGridInputTest, FilesThatFailTakeTheErrorPath) {
    const std::string good = DefaultWing();
    const auto replace = [&](const std::string& from, const std::string& to) {
        std::string t = good;
        const size_t at = t.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) t.replace(at, from.size(), to);
        return t;
    };
    // Cuts the text after its first n tokens.
    const auto firstTokens = [&](int n) {
        std::istringstream in(good);
        std::string out, word;
        for (int i = 0; i < n && in >> word; ++i) out += word + " ";
        return out;
    };
    struct Case {
        const char* what;
        std::string text;  // empty: no file at all
    };
    const Case cases[] = {
        {"missing file", ""},
        {"#b tag", replace("#b ", "#x ")},
        {"#dc tag", replace("#dc ", "#d ")},
        {"#de tag", replace("#de ", "#df ")},
        {"#al tag", replace("#al ", "#AL ")},
        {"#b zehn", replace("#b 10", "#b zehn")},
        {"short table", firstTokens(40)},
        {"non-number in the table", replace("\n0.5 ", "\nhalb ")},
        {"span 0", replace("#b 10", "#b 0")},
        {"span 1e300", replace("#b 10", "#b 1e300")},
        {"span 1e150", replace("#b 10", "#b 1e150")},
        {"span 1e-300", replace("#b 10", "#b 1e-300")},
        {"root angle 1e300", replace("#al 10", "#al 1e300")},
        {"root angle 1e10", replace("#al 10", "#al 1e10")},
        {"decimal comma in the last token", good.substr(0, good.rfind(' ')) + " 0,5\n"},
        {"word of 10000 characters in the table",
         replace("\n0.5 ", "\n" + std::string(10000, '7') + "x ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(dir().file("grid.fde"));
        if (!c.text.empty()) WriteText(dir().file("grid.fde"), c.text);
        ExpectReadError(Open());
        for (wxFrame* open : OpenFrames()) open->Destroy();
        wxTheApp->ProcessIdle();
    }
    // A long free word passes.
    WriteText(dir().file("grid.fde"), replace("Fluegelnetz", std::string(10000, 'W')));
    EXPECT_NE(ExpectRun(Open()), nullptr);
    // So does a wing without lift, whose k-factor alone shows "---".
    const EtlGridHeader flat{10, 1, 2.0, 0.0};
    WriteText(dir().file("grid.fde"),
              etl_test::WingFileText(flat, {{0.6, 0.0, 1.5, 10.0}, {0.4, 0.0, 1.0, 30.0}}));
    EtlResultsFrame* r = ExpectRun(Open());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->valueLabels[3]->GetLabel(), wxS("0.000"));
    EXPECT_EQ(r->valueLabels[5]->GetLabel(), wxS("---"));
}

TEST_F(EtlGridInputTest, FailedStartKeepsLabelsAndFieldForAnotherTry) {
    EtlGridInputFrame* f = Open();
    f->sideslipField->ChangeValue(wxS("7"));
    ExpectReadError(f);
    EXPECT_EQ(f->sideslipField->GetValue(), wxS("7"));
    EXPECT_EQ(f->gridFileLabel->GetLabel(), wxS("grid.fde"));
    WriteText(dir().file("grid.fde"), DefaultWing());
    EXPECT_NE(ExpectRun(f), nullptr);
    EXPECT_NEAR(etl::EtlCurrentSolver->sideslip, -7 * EtlPi / 180, 1e-12);
}

// A sideslip without a number ("-" on the way to a negative angle) is no angle: a box, and
// nothing is read, solved or written. Its range is not checked (see above).
TEST_F(EtlGridInputTest, SideslipWithoutANumberStopsTheStart) {
    WriteText(dir().file("grid.fde"), DefaultWing());
    EtlGridInputFrame* f = Open();
    for (const wchar_t* text : {L"-", L".", L"-.", L"abc"}) {
        SCOPED_TRACE(wxString(text).utf8_string());
        f->sideslipField->ChangeValue(text);
        ShownBox seen;
        wxTEST_DIALOG(Click(f->startButton), ExpectBox(&seen));
        EXPECT_EQ(seen.caption, wxS("Die Eingaben sind nicht korrekt!"));
        EXPECT_EQ(seen.message,
                  wxS("Der Schiebewinkel ist keine Zahl.\n\nBitte wiederholen Sie die "
                      "Eingabe des Schiebewinkels.\n"));
        EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
        EXPECT_FALSE(etl::EtlCurrentSolver);
        EXPECT_FALSE(std::filesystem::exists(dir().file("Zirkulation.dat")));
        EXPECT_EQ(OpenFrames().size(), 1u);
        EXPECT_EQ(f->sideslipField->GetValue(), wxString(text));
    }
}

TEST_F(EtlGridInputTest, StoredResultsWindowIsClearedOnlyWhenItCloses) {
    WriteText(dir().file("grid.fde"), DefaultWing());
    EtlResultsFrame* older = ExpectRun(Open());
    EtlResultsFrame* newer = ExpectRun(Open());
    ASSERT_NE(older, nullptr);
    ASSERT_NE(newer, nullptr);
    EXPECT_EQ(etl::EtlResultsWindow.get(), newer);
    Click(older->closeButton);
    wxTheApp->ProcessIdle();
    EXPECT_EQ(etl::EtlResultsWindow.get(), newer);
    Click(newer->closeButton);
    wxTheApp->ProcessIdle();
    EXPECT_EQ(etl::EtlResultsWindow.get(), nullptr);
}

wxImage OwnPlot(const EtlSolver& s) {
    return RenderToImage(330, 205, [&](wxDC& dc) {
        luvo::StartPlot(dc, wxS("Zirkulationsverteilung"), 100, 20);
        EtlDrawResultsCirculationLiftPlot(dc, s);
    });
}

std::string Bytes(const wxImage& im) {
    return std::string(reinterpret_cast<const char*>(im.GetData()),
                       static_cast<size_t>(im.GetWidth() * im.GetHeight() * 3));
}

TEST_F(EtlGridInputTest, EachResultsWindowKeepsItsOwnRun) {
    WriteText(dir().file("grid.fde"), DefaultWing());
    EtlResultsFrame* first = ExpectRun(Open());
    EtlAnalysisInputs in = AnalysisWindowInputs();
    in.angleA = 4;
    EtlGridHeader header;
    WriteText(dir().file("grid.fde"), AnalysisWingAsFile(in, header));
    EtlResultsFrame* second = ExpectRun(Open());
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    std::weak_ptr<const EtlSolver> firstRecord = first->GetRecord();
    const wxString firstLift = first->valueLabels[3]->GetLabel();
    EXPECT_NE(firstLift, second->valueLabels[3]->GetLabel());

    // The newer window closes and an analysis recompute replaces the module's record.
    Click(second->closeButton);
    wxTheApp->ProcessIdle();
    etl::EtlCurrentSolver = EtlSolveAnalysis(AnalysisWindowInputs());

    first->valueLabels[3]->SetLabel(wxS("?"));
    first->plotCanvas->Refresh();
    EXPECT_TRUE(WaitFor([&] { return first->valueLabels[3]->GetLabel() == firstLift; }));
    const wxImage painted = RenderToImage(330, 205, [&](wxDC& dc) { first->PaintPlot(dc); });
    EXPECT_EQ(Bytes(painted), Bytes(OwnPlot(*firstRecord.lock())));

    Click(first->closeButton);
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(firstRecord.expired());
}

// Which curve a pixel belongs to: 1 circulation (red), 2 local lift (green), 0 neither.
int Curve(const wxImage& image, int x, int y) {
    const int r = image.GetRed(x, y), g = image.GetGreen(x, y), b = image.GetBlue(x, y);
    if (r > 160 && g < 110 && b < 110) return 1;
    if (g > 90 && r < 90 && b < 90) return 2;
    return 0;
}

TEST_F(EtlGridInputTest, PositiveCirculationDrawsBothCurvesUpToTheTopTick) {
    // Tapered from the root on: with a constant chord, ca is a multiple of gamma there and the
    // green curve would cover the red one at its top.
    EtlAnalysisInputs in = AnalysisWindowInputs();
    in.chordA = 3.0;
    in.chordB = 2.0;
    in.chordC = 1.5;
    in.chordD = 0.5;
    const auto record = EtlSolveAnalysis(in);
    ASSERT_GT(record->gammaMax, 0.0);
    const wxImage image = OwnPlot(*record);
    // Highest row each curve reaches.
    int top[3] = {image.GetHeight(), image.GetHeight(), image.GetHeight()};
    for (int y = image.GetHeight() - 1; y >= 0; --y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            const int c = Curve(image, x, y);
            if (c != 0) top[c] = y;
        }
    }
    ASSERT_LT(top[1], image.GetHeight());
    ASSERT_LT(top[2], image.GetHeight());
    // The plot's origin lies at (60, 143) and its top tick 80 pixels above.
    EXPECT_NEAR(top[1], 63, 1);
    EXPECT_NEAR(top[2], 63, 1);
}

class EtlResultsFrameTest : public GuiTest {};

TEST_F(EtlResultsFrameTest, ControlsTextsInfoAndValues) {
    auto* r = new EtlResultsFrame(wxS("Ergebnisse"), wxDefaultPosition, wxSize(640, 390));
    r->Show();
    EXPECT_TRUE(r->HasFlag(wxSTAY_ON_TOP));
    EXPECT_EQ(r->GetStatusBar()->GetFieldsCount(), 1);
    EXPECT_EQ(r->GetStatusBar()->GetStatusText(), wxS("Ergebnisse"));
    EXPECT_EQ(r->closeButton->GetId(), 5101);
    EXPECT_EQ(r->closeButton->GetLabel(), wxS("S&chließen"));
    EXPECT_EQ(r->closeButton->GetPosition(), wxPoint(520, 265));
    EXPECT_EQ(r->closeButton->GetToolTipText(), wxS("Schließen"));
    EXPECT_EQ(r->plotCanvas->GetRect(), wxRect(10, 50, 330, 205));
    EXPECT_EQ(r->plotCanvas->GetToolTipText(), wxS("gamma und ca über y"));
    EXPECT_TRUE(r->plotCanvas->HasFlag(wxSUNKEN_BORDER));
    EXPECT_EQ(r->plotCanvas->GetBackgroundColour(), *wxWHITE);

    const std::vector<wxStaticBox*> boxes = FindAll<wxStaticBox>(r->panel);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0]->GetLabel(), wxS("Ergebnisse:"));
    EXPECT_EQ(boxes[0]->GetPosition(), wxPoint(350, 10));
    EXPECT_EQ(boxes[1]->GetRect(), wxRect(350, 28, 270, 102));  // below the heading's line
    EXPECT_EQ(boxes[2]->GetLabel(), wxS("Aerodynamische Beiwerte:"));
    EXPECT_EQ(boxes[2]->GetRect(), wxRect(350, 150, 270, 105));

    const std::pair<const wchar_t*, wxPoint> labels[] = {
        {L"Bezugsflügelfläche [m²]:", {360, 50}},
        {L"Bezugsflügeltiefe [m]:", {360, 75}},
        {L"Flügelstreckung [-]:", {360, 100}},
        {L"Auftriebsbeiwert c                  [-]:", {360, 173}},
        {L"A_gesamt", {444, 177}},
        {L"Widerstandsbeiwert c                    [-]:", {360, 198}},
        {L"Wi_gesamt", {464, 203}},
        {L"k-Faktor [-]:", {360, 223}},
    };
    for (const auto& [text, pos] : labels) {
        wxWindow* w = FindByLabel(r->panel, wxString(text));
        ASSERT_NE(w, nullptr) << wxString(text).utf8_string();
        EXPECT_EQ(w->GetPosition(), pos);
    }
    const int rows[] = {50, 75, 100, 173, 198, 223};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(r->valueLabels[i]->GetLabel(), wxString());
        EXPECT_EQ(r->valueLabels[i]->GetPosition(), wxPoint(570, rows[i]));
    }

    // A wing without lift: k is not a number and shows "---".
    EtlAnalysisInputs in = AnalysisWindowInputs();
    in.sideslip = 120;
    const auto record = EtlSolveAnalysis(in);
    r->ShowResults(record);
    EXPECT_EQ(r->valueLabels[3]->GetLabel(), wxS("0.000"));
    EXPECT_EQ(r->valueLabels[5]->GetLabel(), wxS("---"));

    wxString statusWhileOpen;
    const ShownBox seen = luvo::test::ShowInfoBox(r, &statusWhileOpen);
    EXPECT_EQ(seen.caption, wxS("INFO Ausgabe der Ergebnisse"));
    EXPECT_EQ(seen.message,
              wxS("Durch die Eingabe der Datei wurden die Flügelgeometrie \nund "
                  "Anstellwinkelverteilung eingegeben.\n\nAls Ausgabe entstehen somit die "
                  "Verteilungen der Zirkulation\nund des lokalen Auftriebsbeiwertes. Ferner "
                  "werden geometrische \nDaten und aerodynamische Beiwerte, sowie der k-Faktor "
                  "ausge-\ngeben. All diese werden auch in die Datei geschrieben.\n\n"));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_EQ(statusWhileOpen, wxS("Info"));
    EXPECT_EQ(r->GetStatusBar()->GetStatusText(), wxS("Ergebnisse"));
}

}  // namespace
