// The progress window of the 3D runs, its bar, the guard of a running run and the reporter.

#include <wx/app.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/stopwatch.h>

#include "common/gui/LuvoFrame.h"
#include "common/gui/ProgressFrame.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

class ProgressFrameTest : public GuiTest {};

TEST_F(ProgressFrameTest, WindowLayout) {
    luvo::ProgressFrame* f = luvo::ShowProgressWindow();
    EXPECT_EQ(f->GetTitle(), wxS("Rechnung läuft!"));
    EXPECT_EQ(f->GetSize(), wxSize(330, 170));
    EXPECT_EQ(f->GetWindowStyle(), wxCAPTION | wxSTAY_ON_TOP);
    EXPECT_EQ(f->GetMenuBar(), nullptr);
    EXPECT_EQ(f->GetStatusBar(), nullptr);
    const std::vector<wxStaticText*> texts = FindAll<wxStaticText>(f);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->GetLabel(),
              wxS("Die Rechnung läuft, bitte haben Sie einen Moment Geduld!!"));
    EXPECT_EQ(texts[0]->GetPosition(), wxPoint(20, 25));
    EXPECT_EQ(texts[1]->GetLabel(), wxS("0%") + wxString(' ', 53) + wxS("100%"));
    EXPECT_EQ(texts[1]->GetPosition(), wxPoint(65, 100));
    EXPECT_EQ(f->progressCanvas->GetPosition(), wxPoint(65, 60));
    EXPECT_EQ(f->progressCanvas->GetSize(), wxSize(200, 30));
    // Only the run that opened it ends it.
    f->Close();
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(wxTheApp->IsScheduledForDestruction(f));
    EXPECT_TRUE(f->IsShown());
}

TEST_F(ProgressFrameTest, BarPaintsItsCurrentWidthOnlyWhenItChanges) {
    luvo::ProgressFrame* f = luvo::ShowProgressWindow();
    luvo::ProgressCanvas* bar = f->progressCanvas;
    int paints = 0;
    bar->Bind(wxEVT_PAINT, [&](wxPaintEvent& e) {
        ++paints;
        e.Skip();
    });
    ASSERT_TRUE(WaitFor([&] { return paints > 0; }));
    paints = 0;
    bar->SetProgress(50.0);  // trunc(1.8 * 50)
    EXPECT_EQ(bar->Width(), 90);
    EXPECT_EQ(paints, 1);  // painted before SetProgress returned
    bar->SetWidth(90);
    EXPECT_EQ(paints, 1);
    bar->SetProgress(57.9);
    EXPECT_EQ(bar->Width(), 104);
    EXPECT_EQ(paints, 2);
}

class ScreenProgressFrame : public ProgressFrameTest {};

TEST_F(ScreenProgressFrame, AnyRepaintShowsTheCurrentWidth) {
    luvo::ProgressFrame* f = luvo::ShowProgressWindow();
    CaptureFrame(f);
    f->progressCanvas->SetProgress(50.0);
    f->progressCanvas->Refresh();
    f->progressCanvas->Update();
    // Half of the bar blue, the rest white inside the outline.
    const wxImage shot = ReadScreen(f->progressCanvas);
    EXPECT_EQ(shot.GetBlue(50, 12), 255);
    EXPECT_EQ(shot.GetRed(50, 12), 0);
    EXPECT_EQ(shot.GetRed(150, 12), 255);
    EXPECT_EQ(shot.GetBlue(150, 12), 255);
    SaveTourShot(f, "progress_half");
}

TEST_F(ProgressFrameTest, ActiveRunBlocksOtherWindowsAndEndsWithItsScope) {
    auto* other = new luvo::LuvoFrame(wxS("anderes"), wxDefaultPosition, wxSize(200, 100));
    other->Show();
    luvo::ProgressFrame* progress = luvo::ShowProgressWindow();
    bool running = false;
    {
        luvo::ActiveRun run(running, progress);
        EXPECT_TRUE(running);
        EXPECT_FALSE(other->IsEnabled());
        EXPECT_TRUE(progress->IsEnabled());
        // Events posted before the pause are handled during it.
        bool handled = false;
        other->CallAfter([&] { handled = true; });
        wxStopWatch watch;
        luvo::PauseDispatchingEvents(200);
        EXPECT_GE(watch.Time(), 200);
        EXPECT_TRUE(handled);
    }
    EXPECT_FALSE(running);
    EXPECT_TRUE(other->IsEnabled());
}

TEST_F(ProgressFrameTest, ReporterWritesStatusFieldsAndTheBar) {
    auto* start = new luvo::LuvoFrame(wxS("Start"), wxDefaultPosition, wxSize(300, 200),
                                      luvo::FileMenu::Close, 2);
    start->Show();
    luvo::ProgressFrame* progress = luvo::ShowProgressWindow();
    luvo::WindowRunReporter reporter(start, progress->progressCanvas);
    reporter.SetStatus(0, "Gleichungssystem lösen...");
    reporter.SetStatus(1, "Iterationsschritt Nummer 3");
    reporter.SetProgress(72);
    EXPECT_EQ(start->GetStatusBar()->GetStatusText(0), wxS("Gleichungssystem lösen..."));
    EXPECT_EQ(start->GetStatusBar()->GetStatusText(1), wxS("Iterationsschritt Nummer 3"));
    EXPECT_EQ(progress->progressCanvas->Width(), 72);
}

}  // namespace
