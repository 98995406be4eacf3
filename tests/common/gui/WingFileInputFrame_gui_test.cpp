// "Daten über eine Datei einlesen" of both lifting-line methods, one suite over the methods that
// build it: the controls and the status line, the info box, a read that fails and the start
// after it, the file dialogs, a result file that cannot be written, every way of closing, and
// the screenshot tour.

#include <wx/app.h>
#include <wx/statbox.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "common/gui/LuvoFrame.h"
#include "tests/common/gui/WingFileRoutes.h"
#include "tests/support/InfoBox.h"
#include "tests/support/TempDir.h"

namespace {

using namespace luvo::test;
using wing_routes::Routes;
using wing_routes::WingFileRoute;

const wchar_t* const kErrorText =
    L"Fehler beim Einlesen der Datei!\nDateiformat falsch oder Datei nicht vorhanden.\n";

size_t LineCount(const std::string& bytes) {
    std::istringstream in(bytes);
    size_t n = 0;
    for (std::string line; std::getline(in, line);) ++n;
    return n;
}

class WingFileInput : public GuiTest, public ::testing::WithParamInterface<WingFileRoute> {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        GetParam().reset();
    }
    void TearDown() override {
        GuiTest::TearDown();
        GetParam().reset();
    }

    // Opens the window as the method window does.
    luvo::WingFileInputFrame* Open() {
        luvo::WingFileInputFrame* f = GetParam().open();
        f->Centre(wxBOTH);
        f->Show(true);
        return f;
    }

    static std::vector<luvo::WingResultsFrame*> ResultsWindows() {
        std::vector<luvo::WingResultsFrame*> out;
        for (wxFrame* f : OpenFrames()) {
            if (auto* r = dynamic_cast<luvo::WingResultsFrame*>(f)) out.push_back(r);
        }
        return out;
    }

    void WriteWing(const std::string& path) { llt_test::WriteText(path, GetParam().wing); }

    // Start on a file that must fail: the box, the status texts around it, nothing else.
    void ExpectReadError(luvo::WingFileInputFrame* f) {
        const WingFileRoute& route = GetParam();
        ShownBox seen;
        wxString statusWhileOpen;
        wxTEST_DIALOG(Click(f->startButton), ExpectBoxNotingStatus(&seen, &statusWhileOpen, f));
        EXPECT_EQ(seen.caption, wxS("Fehler beim Einlesen der Datei"));
        EXPECT_EQ(seen.message, wxString(kErrorText));
        EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
        EXPECT_EQ(statusWhileOpen, wxS("Fehler!"));
        EXPECT_EQ(f->GetStatusBar()->GetStatusText(0), wxS("Rechnung starten"));
        EXPECT_EQ(f->errorFlag, 1);
        EXPECT_TRUE(route.inputOpen());
        EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(f));
        EXPECT_TRUE(ResultsWindows().empty());
        EXPECT_FALSE(route.hasRecord());
        EXPECT_FALSE(std::filesystem::exists(dir().file(route.resultName)));
    }

    // Start on a file that must run: the window closes and one results window opens.
    luvo::WingResultsFrame* ExpectRun(luvo::WingFileInputFrame* f) {
        const size_t before = ResultsWindows().size();
        wxWeakRef<wxFrame> input(f);
        Click(f->startButton);
        EXPECT_TRUE(!input || wxTheApp->IsScheduledForDestruction(f));
        EXPECT_FALSE(GetParam().inputOpen());
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(input);
        const std::vector<luvo::WingResultsFrame*> results = ResultsWindows();
        EXPECT_EQ(results.size(), before + 1);
        return results.size() == before + 1 ? results.back() : nullptr;
    }
};

TEST_P(WingFileInput, WindowHoldsItsControlsAndStatusLine) {
    const WingFileRoute& route = GetParam();
    luvo::WingFileInputFrame* f = Open();
    EXPECT_EQ(f->GetTitle(), wxS("Daten über eine Datei einlesen"));
    EXPECT_EQ(f->GetSize(), route.size);
    EXPECT_EQ(f->GetParent(), nullptr);
    ASSERT_EQ(f->GetStatusBar()->GetFieldsCount(), 2);
    EXPECT_EQ(f->GetStatusBar()->GetStatusText(0), wxS("Rechnung starten"));
    EXPECT_EQ(f->errorFlag, 0);

    struct ButtonRow {
        wxButton* button;
        int id;
        const wchar_t* label;
        wxPoint pos;
        const wchar_t* tip;
    };
    const ButtonRow buttons[] = {
        {f->chooseGridButton, 6, L"&Datei wählen", {20, 26}, L"Netzdatei auswählen"},
        {f->chooseResultButton,
         7,
         L"D&atei wählen",
         {20, 76},
         L"Festlegen des Dateinamens für die Ergebnisse"},
        {f->startButton, 5100, L"&Starten", {100, route.buttonRow}, nullptr},
        {f->cancelButton, 5101, L"A&bbrechen", {220, route.buttonRow}, L"Abbrechen"},
    };
    for (const ButtonRow& b : buttons) {
        SCOPED_TRACE(wxString(b.label).utf8_string());
        EXPECT_EQ(b.button->GetParent(), f->panel);
        EXPECT_EQ(b.button->GetId(), b.id);
        EXPECT_EQ(b.button->GetLabel(), wxString(b.label));
        EXPECT_EQ(b.button->GetPosition(), b.pos);
        EXPECT_EQ(b.button->GetToolTipText(), b.tip ? wxString(b.tip) : wxString());
    }
    EXPECT_EQ(f->gridFileLabel->GetLabel(), wxString(route.fileName));
    EXPECT_EQ(f->gridFileLabel->GetPosition(), wxPoint(120, 31));
    EXPECT_EQ(f->resultFileLabel->GetLabel(), wxString(route.resultName));
    EXPECT_EQ(f->resultFileLabel->GetPosition(), wxPoint(120, 81));

    // The two file rows' boxes, after the empty parameter box where the method has one.
    std::vector<wxStaticBox*> boxes = FindAll<wxStaticBox>(f->panel);
    ASSERT_EQ(boxes.size(), route.emptyParameterBox ? 3u : 2u);
    if (route.emptyParameterBox) {
        EXPECT_EQ(boxes[0]->GetLabel(), wxS("Eingabe weiterer Parameter:"));
        EXPECT_EQ(boxes[0]->GetRect(), wxRect(10, 210, 390, 150));
        boxes.erase(boxes.begin());
    }
    EXPECT_EQ(boxes[0]->GetLabel(), wxS("Auswahl der Flügelnetzdatei:"));
    EXPECT_EQ(boxes[0]->GetRect(), wxRect(10, 10, 390, 45));
    EXPECT_EQ(boxes[1]->GetLabel(), wxS("Auswahl der Ergebnisdatei 'GammaUndCa':"));
    EXPECT_EQ(boxes[1]->GetRect(), wxRect(10, 60, 390, 45));
}

TEST_P(WingFileInput, InfoBoxAndItsStatusTexts) {
    luvo::WingFileInputFrame* f = Open();
    wxString statusWhileOpen;
    const ShownBox seen = ShowInfoBox(f, &statusWhileOpen);
    EXPECT_EQ(seen.caption, wxS("Info Datei einlesen"));
    EXPECT_EQ(seen.message, GetParam().infoText);
    EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
    EXPECT_EQ(statusWhileOpen, wxS("Gewählt: Info"));
    EXPECT_EQ(f->GetStatusBar()->GetStatusText(0), wxS("Auswahl der Dateinamen"));
}

TEST_P(WingFileInput, ErrorLeavesTheWindowReadyForAnotherStart) {
    const WingFileRoute& route = GetParam();
    luvo::WingFileInputFrame* f = Open();
    // The untouched label names the default wing file in the working directory, not there yet.
    ExpectReadError(f);
    EXPECT_FALSE(std::filesystem::exists(dir().file(route.fileName)));
    EXPECT_EQ(f->gridFileLabel->GetLabel(), wxString(route.fileName));
    WriteWing(dir().file(route.fileName));
    luvo::WingResultsFrame* results = ExpectRun(f);
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(route.hasRecord());
    EXPECT_EQ(results->valueLabels[5]->GetLabel(), route.kFactorOfWing);
    EXPECT_TRUE(std::filesystem::exists(dir().file(route.resultName)));
}

TEST_P(WingFileInput, FileDialogsSetTheLabelsAndCancelKeepsThem) {
    const WingFileRoute& route = GetParam();
    const std::string extension = std::filesystem::path(route.fileName).extension().string();
    std::filesystem::create_directory(dir().file("fluegel"));
    const std::string wing = dir().file("fluegel/fluegel" + extension);
    const std::string result = dir().file("fluegel/ergebnis.dat");
    WriteWing(wing);
    luvo::WingFileInputFrame* f = Open();

    wxTEST_DIALOG(Click(f->chooseGridButton), ExpectFile(wxString::FromUTF8(wing)));
    EXPECT_EQ(f->gridFileLabel->GetLabel(), wxString::FromUTF8(wing));
    wxTEST_DIALOG(Click(f->chooseGridButton),
                  ExpectFile(dir().file("anders" + extension), wxID_CANCEL));
    EXPECT_EQ(f->gridFileLabel->GetLabel(), wxString::FromUTF8(wing));

    wxTEST_DIALOG(Click(f->chooseResultButton), ExpectFile(wxString::FromUTF8(result)));
    EXPECT_EQ(f->resultFileLabel->GetLabel(), wxString::FromUTF8(result));
    wxTEST_DIALOG(Click(f->chooseResultButton), ExpectFile(dir().file("x.dat"), wxID_CANCEL));
    EXPECT_EQ(f->resultFileLabel->GetLabel(), wxString::FromUTF8(result));

    ASSERT_NE(ExpectRun(f), nullptr);
    EXPECT_EQ(route.gridFileName(), wxString::FromUTF8(wing));
    EXPECT_EQ(route.resultFileName(), wxString::FromUTF8(result));
    // Title, variables, an empty line, a note and the 51 stations of the first half.
    EXPECT_EQ(LineCount(ReadFileBytes(result)), 55u);
    EXPECT_FALSE(std::filesystem::exists(dir().file(route.resultName)));
}

TEST_P(WingFileInput, UnwritableResultFileGivesOneBoxOverTheResultsWindow) {
    WriteWing(dir().file(GetParam().fileName));
    std::filesystem::create_directory(dir().file("ordner"));
    luvo::WingFileInputFrame* f = Open();
    f->resultFileLabel->SetLabel(wxS("ordner"));
    ShownBox seen;
    bool resultsShown = false;
    wxTEST_DIALOG(Click(f->startButton), ExpectBox(&seen, [&] {
                      for (luvo::WingResultsFrame* r : ResultsWindows()) {
                          resultsShown |= r->IsShown();
                      }
                  }));
    EXPECT_EQ(seen.caption, wxS("Fehler beim Schreiben der Datei"));
    EXPECT_EQ(seen.message,
              wxS("Folgende Ergebnisdateien konnten nicht geschrieben werden:\n\nordner\n"));
    EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
    EXPECT_TRUE(resultsShown);
    wxTheApp->ProcessIdle();
    EXPECT_EQ(ResultsWindows().size(), 1u);
    EXPECT_FALSE(GetParam().inputOpen());
}

TEST_P(WingFileInput, EveryWayOfClosingEmptiesTheModuleReference) {
    const std::function<void(luvo::WingFileInputFrame*)> ways[] = {
        [](luvo::WingFileInputFrame* f) { SendMenu(f, luvo::kIdMenuClose); },
        [](luvo::WingFileInputFrame* f) { Click(f->cancelButton); },
        [](luvo::WingFileInputFrame* f) { f->Close(); },  // the title bar's close box
    };
    for (const auto& close : ways) {
        luvo::WingFileInputFrame* f = Open();
        wxWeakRef<wxFrame> ref(f);
        close(f);
        EXPECT_FALSE(GetParam().inputOpen());
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(ref);
    }
    EXPECT_FALSE(GetParam().hasRecord());
    EXPECT_TRUE(GetParam().gridFileName().empty());
}

// The screenshot tour: the input window and the results window of a run.
class ScreenWingFileInput : public WingFileInput {};

TEST_P(ScreenWingFileInput, Tour) {
    const WingFileRoute& route = GetParam();
    WriteWing(dir().file(route.fileName));
    luvo::WingFileInputFrame* f = Open();
    SaveTourShot(f, std::string(route.tourName) + "_grid_input");
    luvo::WingResultsFrame* r = ExpectRun(f);
    ASSERT_NE(r, nullptr);
    SaveTourShot(r, std::string(route.tourName) + "_results");
}

std::string RouteName(const ::testing::TestParamInfo<WingFileRoute>& info) { return info.param.id; }

INSTANTIATE_TEST_SUITE_P(Methods, WingFileInput, ::testing::ValuesIn(Routes()), RouteName);
// The prefix keeps the tour among the suites that start with "Screen".
INSTANTIATE_TEST_SUITE_P(Screen, ScreenWingFileInput, ::testing::ValuesIn(Routes()), RouteName);

}  // namespace
