// The wing-file window and its results windows, driven as the user drives them: files written
// into the test's working directory, "&Starten" clicked, boxes and file dialogs answered. What
// the window shares with the extended lifting line's is tested for both in
// tests/common/gui/WingFileInputFrame_gui_test.cpp.

#include <wx/app.h>
#include <wx/display.h>
#include <wx/statbox.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include <cmath>
#include <filesystem>
#include <utility>

#include "common/core/NumberText.h"
#include "llt/gui/LltAnalysisFrame.h"
#include "llt/gui/LltGridInputFrame.h"
#include "llt/gui/LltModule.h"
#include "llt/gui/LltPlots.h"
#include "llt/gui/LltResultsFrame.h"
#include "tests/llt/core/LltFileLines.h"
#include "tests/llt/core/LltTestWings.h"
#include "tests/llt/core/LltWingFileText.h"
#include "tests/llt/gui/LltGridModule.h"
#include "tests/support/GuiHarness.h"
#include "tests/support/InfoBox.h"

namespace {

using namespace luvo::test;
using llt_test::EllipticWing;
using llt_test::Lines;
using llt_test::RectangularWing;
using llt_test::Row;
using llt_test::WingFileParts;
using llt_test::WriteText;

const wchar_t* const kErrorText =
    L"Fehler beim Einlesen der Datei!\nDateiformat falsch oder Datei nicht vorhanden.\n";

class LltGridInputTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        ResetModule();
    }
    void TearDown() override {
        GuiTest::TearDown();
        ResetModule();
    }
    // The module's state as at program start.
    static void ResetModule() { llt_test::ResetGridModule(); }

    // Opens the window as the method window does.
    static LltGridInputFrame* Open() {
        auto* f = new LltGridInputFrame(wxS("Daten über eine Datei einlesen"), wxDefaultPosition,
                                        wxSize(420, 250), wxDEFAULT_FRAME_STYLE);
        llt::gridInputFrame = f;
        f->Centre(wxBOTH);
        f->Show(true);
        return f;
    }

    static std::vector<LltResultsFrame*> ResultsWindows() {
        std::vector<LltResultsFrame*> out;
        for (wxFrame* f : OpenFrames()) {
            if (auto* r = dynamic_cast<LltResultsFrame*>(f)) out.push_back(r);
        }
        return out;
    }

    // Start on a file that must fail: the box, the status texts around it, nothing else.
    void ExpectReadError(LltGridInputFrame* f) {
        ShownBox seen;
        wxString statusWhileOpen;
        wxTEST_DIALOG(Click(f->startButton), ExpectBoxNotingStatus(&seen, &statusWhileOpen, f));
        EXPECT_EQ(seen.caption, wxS("Fehler beim Einlesen der Datei"));
        EXPECT_EQ(seen.message, wxString(kErrorText));
        EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
        EXPECT_EQ(statusWhileOpen, wxS("Fehler!"));
        EXPECT_EQ(f->GetStatusBar()->GetStatusText(0), wxS("Rechnung starten"));
        EXPECT_EQ(f->readError, 1);
        EXPECT_TRUE(llt::gridInputOpen());
        EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(f));
        EXPECT_TRUE(ResultsWindows().empty());
        EXPECT_EQ(llt::currentSolver, nullptr);
        EXPECT_FALSE(std::filesystem::exists(dir().file("zirkulation.dat")));
    }

    // Start on a file that must run: the window closes and one results window opens.
    LltResultsFrame* ExpectRun(LltGridInputFrame* f) {
        const size_t before = ResultsWindows().size();
        wxWeakRef<wxFrame> input(f);
        Click(f->startButton);
        EXPECT_TRUE(!input || wxTheApp->IsScheduledForDestruction(f));
        EXPECT_FALSE(llt::gridInputOpen());
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(input);
        const std::vector<LltResultsFrame*> results = ResultsWindows();
        EXPECT_EQ(results.size(), before + 1);
        return results.size() == before + 1 ? results.back() : nullptr;
    }

    // Two runs, of an elliptic and of a rectangular wing, each with its results window.
    std::pair<LltResultsFrame*, LltResultsFrame*> TwoRuns() {
        WriteText(dir().file("grid.fdt"), EllipticWing(10, 1, 5).Text());
        LltResultsFrame* first = ExpectRun(Open());
        WriteText(dir().file("grid.fdt"), RectangularWing(10, 1, 5).Text());
        return {first, ExpectRun(Open())};
    }
};

TEST_F(LltGridInputTest, HeadersAndBodiesThatRunAndThoseThatFail) {
    struct Case {
        const char* what;
        void (*change)(WingFileParts&);
        bool runs;
    };
    const Case cases[] = {
        {"plain tags", [](WingFileParts&) {}, true},
        {"suffixes after both tags",
         [](WingFileParts& p) {
             p.spanTag = "#bSpannweite";
             p.factorTag = "#dc_Faktor";
         },
         true},
        {"long suffix after #b",
         [](WingFileParts& p) { p.spanTag = "#b" + std::string(10000, 's'); }, true},
        {"free word of 10000 characters",
         [](WingFileParts& p) { p.words[0] = std::string(10000, 'W'); }, true},
        {"capital B", [](WingFileParts& p) { p.spanTag = "#Bspan"; }, false},
        {"no # before b", [](WingFileParts& p) { p.spanTag = "b"; }, false},
        {"only #d", [](WingFileParts& p) { p.factorTag = "#d"; }, false},
        {"span no number", [](WingFileParts& p) { p.span = "zehn"; }, false},
        {"span with unit", [](WingFileParts& p) { p.span = "10m"; }, false},
        {"span 0", [](WingFileParts& p) { p.span = "0"; }, false},
        {"lift-slope factor 0", [](WingFileParts& p) { p.factor = "0"; }, false},
        {"truncated body", [](WingFileParts& p) { p.body.resize(80); }, false},
        {"word in the body", [](WingFileParts& p) { p.body[33] = "Tiefe"; }, false},
        {"body word of 10000 characters",
         [](WingFileParts& p) { p.body[60] = std::string(10000, 'x'); }, false},
        {"negative chord", [](WingFileParts& p) { p.body[41] = "-0.5"; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WingFileParts parts = EllipticWing(10, 1, 5);
        c.change(parts);
        WriteText(dir().file("grid.fdt"), parts.Text());
        LltGridInputFrame* f = Open();
        if (c.runs) {
            LltResultsFrame* results = ExpectRun(f);
            ASSERT_NE(results, nullptr);
            EXPECT_EQ(results->GetRecord(), llt::currentSolver);
            EXPECT_EQ(llt::gridSpan, 10.0);
            EXPECT_EQ(llt::gridLiftSlopeFactor, 1.0);
            EXPECT_TRUE(std::filesystem::exists(dir().file("zirkulation.dat")));
        } else {
            ExpectReadError(f);
        }
        // The names are taken at every Start, whether it runs or not.
        EXPECT_EQ(llt::gridFileName, wxS("grid.fdt"));
        EXPECT_EQ(llt::circulationFileName, wxS("zirkulation.dat"));
        for (wxFrame* open : OpenFrames()) open->Destroy();
        wxTheApp->ProcessIdle();
        llt::currentSolver.reset();
        std::filesystem::remove(dir().file("zirkulation.dat"));
    }
}

// Chords of 1e300 overflow the area and the mean chord: the labels show dashes or short numbers,
// never hundreds of digits.
TEST_F(LltGridInputTest, OverflowingChordsShowDashes) {
    WingFileParts parts = RectangularWing(10, 1, 5);
    for (size_t k = 1; k < parts.body.size(); k += 2) parts.body[k] = "1e300";
    WriteText(dir().file("grid.fdt"), parts.Text());
    LltResultsFrame* results = ExpectRun(Open());
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->areaLabel->GetLabel(), wxS("---"));
    EXPECT_EQ(results->meanChordLabel->GetLabel(), wxS("---"));
    for (wxStaticText* label :
         {results->areaLabel, results->meanChordLabel, results->aspectRatioLabel,
          results->liftLabel, results->inducedDragLabel, results->kFactorLabel}) {
        EXPECT_LE(label->GetLabel().length(), 10u) << label->GetLabel().utf8_string();
    }
}

TEST_F(LltGridInputTest, EllipticWingRunsToUnitKFactorAndWritesItsCirculation) {
    const double span = 10, rootChord = 1.2, angle = 5;
    WriteText(dir().file("grid.fdt"), EllipticWing(span, rootChord, angle).Text());
    LltGridInputFrame* f = Open();
    LltResultsFrame* r = ExpectRun(f);
    ASSERT_NE(r, nullptr);
    const std::shared_ptr<const LltSolver> rec = r->GetRecord();
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec, llt::currentSolver);

    EXPECT_EQ(r->GetTitle(), wxS("Ergebnisse"));
    EXPECT_EQ(r->GetSize(), wxSize(640, 390));
    EXPECT_TRUE(r->IsShown());
    const wxRect screen = wxDisplay(r).GetClientArea();
    EXPECT_NEAR(r->GetRect().x + r->GetRect().width / 2, screen.x + screen.width / 2, 1);
    EXPECT_NEAR(r->GetRect().y + r->GetRect().height / 2, screen.y + screen.height / 2, 1);

    // Closed form of the elliptic wing with the section lift slope 6.28 f (f = 1):
    // gamma = A sin(theta), A = alpha / (1/2 + 2 b / (6.28 c0)), cA = pi lambda A / 2, k = 1.
    const double a = angle * LltPi / 180 / (0.5 + 2 * span / (6.28 * rootChord));
    EXPECT_EQ(r->kFactorLabel->GetLabel(), wxS("1.000"));
    EXPECT_EQ(r->liftLabel->GetLabel(),
              luvo::FormatNumber("%.3f", LltPi * rec->aspectRatio * a / 2));
    EXPECT_NEAR(luvo::ParseLeadingNumber(r->areaLabel->GetLabel().utf8_string()),
                LltPi * span * rootChord / 4, 0.03);
    EXPECT_EQ(r->areaLabel->GetLabel(), luvo::FormatNumber("%.3f", rec->area));
    EXPECT_EQ(r->meanChordLabel->GetLabel(), luvo::FormatNumber("%.3f", rec->meanChord));
    EXPECT_EQ(r->aspectRatioLabel->GetLabel(), luvo::FormatNumber("%.3f", span * span / rec->area));
    EXPECT_EQ(r->inducedDragLabel->GetLabel(), luvo::FormatNumber("%.3f", rec->cdi));

    // zirkulation.dat: title, VARIABLES line, empty line, note, then stations 1 to 51 with
    // chord, twist, circulation and local lift, each followed by two blanks.
    const std::vector<std::string> lines = Lines(ReadFileBytes(dir().file("zirkulation.dat")));
    ASSERT_EQ(lines.size(), 55u);
    EXPECT_EQ(lines[0], "TITLE = \" Verteilung der Tiefe\"");
    EXPECT_EQ(lines[1],
              " VARIABLES = \"depth\" , \"geom. angle\" , \"Zirkulation\" , \"Auftriebsbeiwert\" ");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "1.Zeile ist an der Fl\xFCgelspitze, letzte Zeile an der Wurzel");
    for (int i = 1; i <= 51; ++i) {
        SCOPED_TRACE(i);
        const std::string& row = lines[3 + i];
        ASSERT_GE(row.size(), 2u);
        EXPECT_EQ(row.substr(row.size() - 2), "  ");
        const std::vector<double> v = Row(row);
        ASSERT_EQ(v.size(), 4u);
        const double sinTheta = std::sin(i * LltPi / 102);
        EXPECT_NEAR(v[0], rootChord * sinTheta, 1e-7 * rootChord);
        EXPECT_EQ(v[1], angle);
        EXPECT_NEAR(v[2], a * sinTheta, 1e-7 * a);
        EXPECT_NEAR(v[3], 2 * span * a / rootChord, 1e-7);
    }
}

TEST_F(LltGridInputTest, LineBreaksAnywhereGiveTheSameResultFile) {
    const WingFileParts parts = EllipticWing(14, 0.9, 3);
    std::string reference;
    const std::vector<std::vector<std::string>> layouts = {{"\n"}, {" "}, {"\r\n", "\t", "  "}};
    for (const auto& separators : layouts) {
        SCOPED_TRACE(separators.size());
        WriteText(dir().file("grid.fdt"), parts.Text(separators));
        LltResultsFrame* r = ExpectRun(Open());
        ASSERT_NE(r, nullptr);
        const std::string bytes = ReadFileBytes(dir().file("zirkulation.dat"));
        if (reference.empty()) reference = bytes;
        EXPECT_EQ(bytes, reference);
        EXPECT_EQ(r->kFactorLabel->GetLabel(), wxS("1.000"));
    }
}

// A solved record with hand-set values, for the results window on its own.
std::shared_ptr<LltSolver> HandRecord() {
    auto s = llt_test::RunAnalysis(llt_test::AnalysisWindowInputs());
    auto shared = std::shared_ptr<LltSolver>(std::move(s));
    shared->area = 12.3456;
    shared->meanChord = 2.5;
    shared->aspectRatio = 5.2;
    shared->clSolved = -0.25;
    shared->cdi = 0.0;
    shared->kFactor = std::nan("");
    return shared;
}

class LltResultsFrameTest : public GuiTest {
  protected:
    LltResultsFrame* Open() {
        auto* r = new LltResultsFrame(wxS("Ergebnisse"), wxDefaultPosition, wxSize(640, 390));
        r->Centre(wxBOTH);
        r->Show(true);
        return r;
    }
};

TEST_F(LltResultsFrameTest, ControlsTextsAndTheSixValues) {
    LltResultsFrame* r = Open();
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
    EXPECT_EQ(boxes[1]->GetLabel(), wxS("Geometrische Ergebnisse:"));
    EXPECT_EQ(boxes[1]->GetRect(), wxRect(350, 28, 270, 102));  // below the heading's line
    EXPECT_EQ(boxes[2]->GetLabel(), wxS("Aerodynamische Beiwerte:"));
    EXPECT_EQ(boxes[2]->GetRect(), wxRect(350, 150, 270, 105));

    const std::vector<wxString> texts = StaticTexts(r);
    const std::vector<wxString> expected = {
        wxS("="),
        wxS("="),
        wxS("="),
        wxS("="),
        wxS("="),
        wxS("="),
        wxS("3"),
        wxS("16.0"),
        wxS("16.0"),
        wxS("16.0"),
        wxS("16.0"),
        wxS("16.0"),
        wxS("Bezugsflügelfläche [m²]:"),
        wxS("Bezugsflügeltiefe [m]:"),
        wxS("Flügelstreckung [-]:"),
        wxS("Auftriebsbeiwert c                  [-]:"),
        wxS("A_gesamt"),
        wxS("Widerstandsbeiwert c                    [-]:"),
        wxS("Wi_gesamt"),
        wxS("k-Faktor [-]:"),
    };
    EXPECT_EQ(texts, expected);
    const wxStaticText* labels[] = {r->areaLabel, r->meanChordLabel,   r->aspectRatioLabel,
                                    r->liftLabel, r->inducedDragLabel, r->kFactorLabel};
    const int rows[] = {50, 75, 100, 173, 198, 223};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(labels[k]->GetPosition(), wxPoint(555, rows[k]));

    r->ShowResults(HandRecord());
    EXPECT_EQ(r->areaLabel->GetLabel(), wxS("12.346"));
    EXPECT_EQ(r->meanChordLabel->GetLabel(), wxS("2.500"));
    EXPECT_EQ(r->aspectRatioLabel->GetLabel(), wxS("5.200"));
    EXPECT_EQ(r->liftLabel->GetLabel(), wxS("-0.250"));
    EXPECT_EQ(r->inducedDragLabel->GetLabel(), wxS("0.000"));
    EXPECT_EQ(r->kFactorLabel->GetLabel(), wxS("---"));
}

TEST_F(LltResultsFrameTest, InfoBoxAndClosing) {
    LltResultsFrame* r = Open();
    wxString statusWhileOpen;
    const ShownBox seen = luvo::test::ShowInfoBox(r, &statusWhileOpen);
    EXPECT_EQ(seen.caption, wxS("INFO Ausgabe der Ergebnisse"));
    EXPECT_TRUE(
        seen.message.StartsWith(wxS("Durch die Eingabe der Datei wurden die "
                                    "Flügelgeometrie \nund Anstellwinkelverteilung "
                                    "eingegeben.")));
    EXPECT_TRUE(seen.message.Contains(wxS("k-Faktor")));
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_EQ(statusWhileOpen, wxS("Info"));
    EXPECT_EQ(r->GetStatusBar()->GetStatusText(), wxS("Ergebnisse"));

    for (int way = 0; way < 2; ++way) {
        LltResultsFrame* w = Open();
        wxWeakRef<wxFrame> ref(w);
        if (way == 0) {
            Click(w->closeButton);
        } else {
            SendMenu(w, luvo::kIdMenuClose);
        }
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(ref);
    }
    EXPECT_TRUE(r->IsShown());  // the other results window stays
}

TEST_F(LltGridInputTest, TwoRunsKeepTwoResultsWindowsWithTheirOwnRecords) {
    const auto [first, second] = TwoRuns();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    std::weak_ptr<const LltSolver> firstRecord = first->GetRecord();
    EXPECT_EQ(second->GetRecord(), llt::currentSolver);

    // The analysis window recomputes in between and installs its own record.
    auto* analysis =
        new LltAnalysisFrame(wxS("Nachrechenaufgabe"), wxDefaultPosition, wxSize(755, 690));
    analysis->Recompute();
    ASSERT_NE(llt::currentSolver, nullptr);
    EXPECT_NE(llt::currentSolver, second->GetRecord());
    EXPECT_EQ(analysis->kFactorLabel->GetLabel(), wxS("1.005"));
    EXPECT_FALSE(firstRecord.expired());

    // Every repaint rewrites the values from the window's own run.
    struct Expect {
        LltResultsFrame* window;
        const wchar_t* k;
        const wchar_t* lift;
    };
    for (const Expect& e : {Expect{first, L"1.000", nullptr}, Expect{second, L"1.086", L"0.440"}}) {
        e.window->kFactorLabel->SetLabel(wxS("?"));
        e.window->liftLabel->SetLabel(wxS("?"));
        e.window->plotCanvas->Refresh();
        EXPECT_TRUE(WaitFor([&] { return e.window->kFactorLabel->GetLabel() == wxString(e.k); }));
        if (e.lift) {
            EXPECT_EQ(e.window->liftLabel->GetLabel(), wxString(e.lift));
        }
    }
    EXPECT_NE(first->liftLabel->GetLabel(), second->liftLabel->GetLabel());

    // Each window draws its own run: the plots of the two differ, and each is the plot of its
    // own record.
    const auto render = [](const std::function<void(wxDC&)>& paint) {
        return RenderToImage(330, 205, paint);
    };
    const wxImage firstPlot = render([&](wxDC& dc) { first->PaintPlot(dc); });
    const wxImage secondPlot = render([&](wxDC& dc) { second->PaintPlot(dc); });
    const wxImage firstOwn = render([&](wxDC& dc) {
        LltStartPlot(dc, wxS("Zirkulationsverteilung"), 100, 20);
        DrawResultsCirculationLiftPlot(dc, *firstRecord.lock());
    });
    const auto bytes = [](const wxImage& im) {
        return std::string(reinterpret_cast<const char*>(im.GetData()),
                           static_cast<size_t>(im.GetWidth() * im.GetHeight() * 3));
    };
    EXPECT_EQ(bytes(firstPlot), bytes(firstOwn));
    EXPECT_NE(bytes(firstPlot), bytes(secondPlot));

    // Closing one window releases its record and leaves the other working.
    Click(first->closeButton);
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(firstRecord.expired());
    second->kFactorLabel->SetLabel(wxS("?"));
    second->plotCanvas->Refresh();
    EXPECT_TRUE(WaitFor([&] { return second->kFactorLabel->GetLabel() == wxS("1.086"); }));
}

// Which curve a pixel belongs to: 1 circulation (red), 2 local lift (green), 0 neither.
int Curve(const wxImage& image, int x, int y) {
    const int r = image.GetRed(x, y), g = image.GetGreen(x, y), b = image.GetBlue(x, y);
    if (r > 160 && g < 110 && b < 110) return 1;
    if (g > 90 && r < 90 && b < 90) return 2;
    return 0;
}

// Screen read-back.
class ScreenLltGridFile : public LltGridInputTest {};

TEST_F(ScreenLltGridFile, EachResultsWindowPaintsItsOwnRunOnScreen) {
    const auto [first, second] = TwoRuns();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    (new LltAnalysisFrame(wxS("Nachrechenaufgabe"), wxDefaultPosition, wxSize(755, 690)))
        ->Recompute();
    first->Move(0, 0);
    second->Move(640, 0);
    CaptureFrame(first);
    CaptureFrame(second);

    // Pixels of a plot as the window's own record draws it off-screen, against the screen.
    const wxSize area = first->plotCanvas->GetClientSize();
    const auto differing = [&](const wxImage& shot, const LltSolver& record) {
        const wxImage own = RenderToImage(area.x, area.y, [&](wxDC& dc) {
            LltStartPlot(dc, wxS("Zirkulationsverteilung"), 100, 20);
            DrawResultsCirculationLiftPlot(dc, record);
        });
        // The border around the plot area may shift the picture by a few pixels; text may be
        // smoothed differently on screen, so only the two curves are compared.
        int best = area.x * area.y;
        for (int dy = 0; dy <= 4; ++dy) {
            for (int dx = 0; dx <= 4; ++dx) {
                int count = 0;
                for (int y = 0; y + dy < shot.GetHeight() && y < area.y; ++y) {
                    for (int x = 0; x + dx < shot.GetWidth() && x < area.x; ++x) {
                        if (Curve(own, x, y) != Curve(shot, x + dx, y + dy)) ++count;
                    }
                }
                best = std::min(best, count);
            }
        }
        return best;
    };
    for (LltResultsFrame* w : {first, second}) {
        w->plotCanvas->Refresh();
        w->plotCanvas->Update();
    }
    Pump(200);
    const wxImage firstShot = ReadScreen(first->plotCanvas);
    const wxImage secondShot = ReadScreen(second->plotCanvas);
    EXPECT_LT(differing(firstShot, *first->GetRecord()), 20);
    EXPECT_LT(differing(secondShot, *second->GetRecord()), 20);
    EXPECT_GT(differing(firstShot, *second->GetRecord()), 200);
    EXPECT_GT(differing(secondShot, *first->GetRecord()), 200);
}

}  // namespace
