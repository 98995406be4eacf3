// The vortex-lattice runs through the windows: the interactive run of the discretisation window
// and the grid-file run of the grid-input window, with their progress, status texts, boxes,
// result files and results windows.

#include <wx/app.h>
#include <wx/eventfilter.h>
#include <wx/filename.h>
#include <wx/statusbr.h>

#include <fstream>
#include <sstream>

#include "common/gui/ProgressFrame.h"
#include "common/gui/WxNumber.h"
#include "tests/vlm/core/VlmTestWings.h"
#include "tests/vlm/gui/VlmWindowFixture.h"
#include "vlm/gui/VlmResultsFrame.h"

namespace {

using namespace luvo::test;
using namespace vlm_test;

// Every text written into the two status fields, in order; kept after the window is gone.
struct StatusTexts {
    std::vector<wxString> texts[2];
};

class RecordingStatusBar : public wxStatusBar {
  public:
    RecordingStatusBar(wxWindow* parent, StatusTexts* sink)
        : wxStatusBar(parent, wxID_ANY), sink_(sink) {}

  protected:
    void DoUpdateStatusText(int number) override {
        if (number < 2) sink_->texts[number].push_back(GetStatusText(number));
        wxStatusBar::DoUpdateStatusText(number);
    }

  private:
    StatusTexts* sink_;
};

std::unique_ptr<StatusTexts> RecordStatus(wxFrame* frame) {
    auto sink = std::make_unique<StatusTexts>();
    frame->GetStatusBar()->Destroy();
    auto* bar = new RecordingStatusBar(frame, sink.get());
    bar->SetFieldsCount(2);
    frame->SetStatusBar(bar);
    return sink;
}

// The width of each progress bar at each of its paints, repeated widths merged.
class BarWidths : public wxEventFilter {
  public:
    BarWidths() { wxEvtHandler::AddFilter(this); }
    ~BarWidths() override { wxEvtHandler::RemoveFilter(this); }
    int FilterEvent(wxEvent& event) override {
        if (event.GetEventType() == wxEVT_PAINT) {
            if (auto* bar = dynamic_cast<luvo::ProgressCanvas*>(event.GetEventObject())) {
                if (widths.empty() || widths.back() != bar->Width()) widths.push_back(bar->Width());
            }
        }
        return Event_Skip;
    }
    std::vector<int> widths;
};

bool Contains(const std::vector<int>& all, const std::vector<int>& part) {
    return std::search(all.begin(), all.end(), part.begin(), part.end()) != all.end();
}

std::vector<wxString> Labels(VlmResultsFrame* f) {
    std::vector<wxString> out;
    for (wxStaticText* label : f->valueLabels) out.push_back(label->GetLabel());
    return out;
}

std::vector<wxString> LabelsOf(const VlmResults& r) {
    std::vector<wxString> out;
    for (double v : {r.ca, r.cwi, r.cmx, r.cmy, r.cmz, r.refArea, r.refChord, r.kFactor}) {
        out.push_back(luvo::FormatLabel("%1.3f", v));
    }
    return out;
}

int OpenFramesTitled(const wxString& title) {
    int n = 0;
    for (wxFrame* f : OpenFrames()) n += f->GetTitle() == title;
    return n;
}

class VlmRunTest : public VlmWindowTest {
  protected:
    bool Exists(const char* name) const { return wxFileName::FileExists(dir().file(name)); }
    static const wxString kReadError;
};

const wxString VlmRunTest::kReadError =
    wxS("Fehler beim Einlesen der Datei!\nDateiformat falsch oder Datei nicht vorhanden.\n");

TEST_F(VlmRunTest, InteractiveDefaultsWriteTheFilesAndShowTheResults) {
    VlmDiscretisationFrame* d = OpenDiscretisation();
    const std::unique_ptr<StatusTexts> status = RecordStatus(d);
    wxWeakRef<wxFrame> dRef(d);
    BarWidths bar;
    Click(d->startButton);
    Settle();

    EXPECT_TRUE(Exists("3D.dat"));
    EXPECT_TRUE(Exists("cp-x.dat"));
    EXPECT_TRUE(Exists("ca-y.dat"));
    VlmResultsFrame* r = vlm::VlmResultsWindow;
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->GetTitle(), wxS("Ergebnisse"));
    EXPECT_EQ(r->GetSize(), wxSize(640, 510));
    EXPECT_TRUE(r->GetWindowStyle() & wxSTAY_ON_TOP);
    EXPECT_TRUE(r->IsShown());
    // The core's results of the same inputs, computed without any window.
    const VlmRunOutcome expected =
        RunVlmInteractive(VlmInteractiveRunValues(DefaultInputs()), nullptr);
    ASSERT_TRUE(expected.results);
    EXPECT_EQ(Labels(r), LabelsOf(*expected.results));
    EXPECT_EQ(r->warningCanvas != nullptr, !(expected.results->kFactor >= 1.0));

    EXPECT_FALSE(dRef);
    EXPECT_FALSE(vlm::VlmDiscretisationOpen());
    EXPECT_TRUE(vlm::VlmGeometryOpen());
    EXPECT_EQ(vlm::VlmProgressWindow, nullptr);
    EXPECT_EQ(OpenFramesTitled(wxS("Rechnung läuft!")), 0);
    EXPECT_FALSE(vlm::VlmRunActive);
    EXPECT_TRUE(vlm::VlmGeometryWindow->IsEnabled());

    EXPECT_TRUE(Contains(bar.widths, {9, 27, 36, 72, 108})) << ::testing::PrintToString(bar.widths);
    EXPECT_TRUE(Contains(bar.widths, {171, 176, 178, 180})) << ::testing::PrintToString(bar.widths);
    EXPECT_TRUE(std::is_sorted(bar.widths.begin(), bar.widths.end()));
    const std::vector<wxString> phases = {
        wxS("Rechnung läuft"), wxS("Einflusskoeffizienten bestimmen..."),
        wxS("Rechte Seite des Gls. bestimmen..."), wxS("Gleichungssystem lösen..."),
        wxS("Berechnung Kräfte und Momente...")};
    EXPECT_EQ(status->texts[0], phases);
}

TEST_F(VlmRunTest, RelaxedWakeCountsItsIterationsAndHalvesAreTruncated) {
    VlmDiscretisationFrame* d = OpenDiscretisation();
    SetText(d->chordwiseCountField, wxS("8"));
    SetText(d->spanwiseCountField, wxS("5.5"));  // 5 per half, 10 strips
    SelectRadio(d->wakeRadioBox, 1);
    ASSERT_EQ(d->iterationsField->GetValue(), wxS("8"));
    const std::unique_ptr<StatusTexts> status = RecordStatus(d);
    BarWidths bar;
    Click(d->startButton);
    Settle();

    std::vector<wxString> steps;
    for (int k = 1; k <= 8; ++k)
        steps.push_back(wxString::Format("Iterationsschritt Nummer %d", k));
    std::vector<wxString> field1 = status->texts[1];
    field1.erase(std::remove(field1.begin(), field1.end(), wxString()), field1.end());
    EXPECT_EQ(field1, steps);
    EXPECT_TRUE(Contains(bar.widths, {9, 18, 28, 39, 50, 61, 72, 82, 93, 104}))
        << ::testing::PrintToString(bar.widths);
    ASSERT_NE(vlm::VlmResultsWindow, nullptr);
    ASSERT_NE(vlm::VlmResultsWindow->Results(), nullptr);
    EXPECT_EQ(vlm::VlmResultsWindow->Results()->spanwiseCount, 10);
    EXPECT_EQ(vlm::VlmResultsWindow->Results()->chordwiseCount, 8);
}

TEST_F(VlmRunTest, GridFileOfTheDefaultWingShowsTheInteractiveLabels) {
    // The interactive run of the default wing at alpha 2.5, through the windows.
    VlmDiscretisationFrame* d = OpenDiscretisation();
    SetText(vlm::VlmGeometryWindow->alphaField, wxS("2.5"));
    Click(d->startButton);
    ASSERT_NE(vlm::VlmResultsWindow, nullptr);
    const std::vector<wxString> interactive = Labels(vlm::VlmResultsWindow);

    VlmInteractiveInputs in = DefaultInputs();
    in.alpha = 2.5;
    const VlmRunValues values = VlmInteractiveRunValues(in);
    std::ofstream(dir().file("grid.fdw")) << GridFileText(*BuildInteractive(values), values);

    VlmMethodFrame* method = OpenMethod();
    VlmGridInputFrame* g = OpenGridInput(method);
    ASSERT_EQ(g->alphaField->GetValue(), wxS("2.5"));
    wxWeakRef<wxFrame> gRef(g);
    VlmResultsFrame* before = vlm::VlmResultsWindow;
    Click(g->startButton);
    Settle();
    ASSERT_NE(vlm::VlmResultsWindow, before);
    EXPECT_EQ(Labels(vlm::VlmResultsWindow), interactive);
    EXPECT_EQ(OpenFramesTitled(wxS("Ergebnisse")), 2);
    EXPECT_FALSE(gRef);
    EXPECT_FALSE(vlm::VlmGridInputOpen());
    EXPECT_EQ(vlm::VlmGridFileName, wxS("grid.fdw"));

    // The next "&OK" builds a new window with its defaults.
    VlmGridInputFrame* again = OpenGridInput(method);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->alphaField->GetValue(), wxS("2.5"));
    EXPECT_EQ(again->wakeRadioBox->GetSelection(), 0);
    EXPECT_EQ(Status(again), wxS("Rechnung starten"));
}

TEST_F(VlmRunTest, UnreadableGridFilesStopBeforeSolving) {
    const VlmRunValues values = VlmInteractiveRunValues(FlatRectangle(4, 1, 2, 4, 3));
    const std::string good = GridFileText(*BuildInteractive(values), values);
    std::string badTag = good;
    badTag.replace(badTag.find("#nw"), 3, "#xx");
    std::string word = good;
    word.replace(word.find("nx 4"), 4, "nx vier");
    const struct {
        const char* what;
        std::string text;  // empty: no file at all
    } cases[] = {
        {"missing", ""},
        {"empty", " "},
        {"tag", badTag},
        {"short body", good.substr(0, good.size() / 2)},
        {"word for a count", word},
    };
    VlmGridInputFrame* g = OpenGridInput(OpenMethod());
    for (const auto& c : cases) {
        wxRemoveFile(dir().file("grid.fdw"));
        if (!c.text.empty()) std::ofstream(dir().file("grid.fdw")) << c.text;
        ShownBox box;
        wxString statusWhileShown;
        wxTEST_DIALOG(Click(g->startButton), ExpectBoxNotingStatus(&box, &statusWhileShown, g));
        EXPECT_EQ(box.message, kReadError) << c.what;
        EXPECT_EQ(box.caption, wxS("Fehler beim Einlesen der Datei"));
        EXPECT_TRUE(box.HasIcon(wxICON_ERROR));
        EXPECT_EQ(statusWhileShown, wxS("Fehler!"));
        EXPECT_EQ(Status(g), wxS("Rechnung starten"));
        Settle();
        EXPECT_FALSE(Exists("3D.dat")) << c.what;
        EXPECT_FALSE(Exists("cp-x.dat"));
        EXPECT_FALSE(Exists("ca-y.dat"));
        EXPECT_EQ(vlm::VlmResultsWindow, nullptr);
        EXPECT_EQ(OpenFramesTitled(wxS("Rechnung läuft!")), 0);
        EXPECT_TRUE(vlm::VlmGridInputOpen());
        EXPECT_TRUE(g->IsEnabled());
        EXPECT_FALSE(vlm::VlmRunActive);
    }
    // The rejections left the run's names alone.
    EXPECT_EQ(vlm::VlmGridFileName, wxString());
}

TEST_F(VlmRunTest, WakeThatCannotBeDividedStopsTheInteractiveRun) {
    VlmDiscretisationFrame* d = OpenDiscretisation();
    SetText(vlm::VlmGeometryWindow->spanField, wxS("0.5"));
    SetText(vlm::VlmGeometryWindow->tipChordField, wxS("30"));
    ShownBox box;
    wxString statusWhileShown;
    wxTEST_DIALOG(Click(d->startButton), ExpectBoxNotingStatus(&box, &statusWhileShown, d));
    EXPECT_EQ(box.message, wxS("Der Nachlauf lässt sich mit diesen Eingaben nicht aufteilen.\n"));
    EXPECT_EQ(box.caption, wxS("Die Eingaben sind nicht korrekt!"));
    EXPECT_TRUE(box.HasIcon(wxICON_ERROR));
    Settle();
    EXPECT_EQ(Status(d), wxS("Rechnung starten"));
    EXPECT_FALSE(Exists("3D.dat"));
    EXPECT_FALSE(Exists("cp-x.dat"));
    EXPECT_FALSE(Exists("ca-y.dat"));
    EXPECT_EQ(vlm::VlmResultsWindow, nullptr);
    EXPECT_EQ(OpenFramesTitled(wxS("Rechnung läuft!")), 0);
    EXPECT_TRUE(vlm::VlmDiscretisationOpen());
    EXPECT_EQ(vlm::VlmDiscretisationWindow, d);
}

TEST_F(VlmRunTest, DuringThePauseASecondStartAndClosesAreRefused) {
    VlmDiscretisationFrame* d = OpenDiscretisation();
    SetText(d->chordwiseCountField, wxS("4"));
    SetText(d->spanwiseCountField, wxS("3"));
    VlmGeometryFrame* geometry = vlm::VlmGeometryWindow;
    bool geometryTookInput = true;
    bool progressShown = false;
    // Handled during the pause: a second click, then the closes of the run's windows.
    wxCommandEvent click(wxEVT_BUTTON, d->startButton->GetId());
    click.SetEventObject(d->startButton);
    wxPostEvent(d->startButton, click);
    d->CallAfter([&] {
        geometryTookInput = geometry->IsEnabled();
        progressShown = vlm::VlmProgressWindow != nullptr && vlm::VlmProgressWindow->IsShown();
        geometry->Close();
        d->Close();
        SendMenu(d, luvo::kIdMenuClose);
        if (vlm::VlmProgressWindow != nullptr) vlm::VlmProgressWindow->Close();
    });
    Click(d->startButton);
    Settle();
    EXPECT_TRUE(progressShown);
    EXPECT_FALSE(geometryTookInput);
    EXPECT_EQ(OpenFramesTitled(wxS("Ergebnisse")), 1);
    EXPECT_TRUE(vlm::VlmGeometryOpen());
    EXPECT_EQ(vlm::VlmGeometryWindow, geometry);
    EXPECT_TRUE(geometry->IsEnabled());
    EXPECT_FALSE(vlm::VlmDiscretisationOpen());  // closed by the run that ended with results
}

TEST_F(VlmRunTest, UnwritableResultFileIsNamedAfterTheResultsWindowOpens) {
    VlmDiscretisationFrame* d = OpenDiscretisation();
    SetText(d->chordwiseCountField, wxS("4"));
    SetText(d->spanwiseCountField, wxS("3"));
    const wxString unwritable = wxString::FromUTF8(dir().file("fehlt/cp-x.dat"));
    d->cpFileLabel->SetLabel(unwritable);
    ShownBox box;
    bool resultsShownFirst = false;
    wxTEST_DIALOG(Click(d->startButton), ExpectBox(&box, [&] {
                      resultsShownFirst =
                          vlm::VlmResultsWindow != nullptr && vlm::VlmResultsWindow->IsShown();
                  }));
    EXPECT_TRUE(resultsShownFirst);
    EXPECT_EQ(box.caption, wxS("Fehler beim Schreiben der Datei"));
    EXPECT_EQ(box.message, wxS("Folgende Ergebnisdateien konnten nicht geschrieben werden:\n\n") +
                               unwritable + wxS("\n"));
    EXPECT_TRUE(box.HasIcon(wxICON_ERROR));
    EXPECT_TRUE(Exists("3D.dat"));
    EXPECT_TRUE(Exists("ca-y.dat"));
    EXPECT_EQ(OpenFramesTitled(wxS("Ergebnisse")), 1);
}

}  // namespace
