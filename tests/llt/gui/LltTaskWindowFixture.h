#pragma once
// What the window tests of the three task windows of the simple lifting-line method share:
// opening a window as the method window does and waiting for its first painting, the result
// file and the result labels, the status line, repainting a plot that recomputes, and the box of
// a rejected input while which the window repaints.

#include <wx/app.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "llt/gui/LltModule.h"
#include "tests/llt/core/LltFileLines.h"
#include "tests/support/GuiHarness.h"
#include "tests/support/InfoBox.h"

namespace llt_test {

// A text with two decimals, as the drags write their values.
inline bool TwoDecimals(const wxString& text) {
    static const std::regex kFormat("-?[0-9]+\\.[0-9]{2}");
    return std::regex_match(std::string(text.utf8_str()), kFormat);
}

template <class Frame>
class TaskWindowTest : public luvo::test::GuiTest {
  public:
    // The name of the window's result file as its label shows it at start, and the module's
    // name of that file.
    TaskWindowTest(std::string defaultFile, wxString& moduleFileName)
        : defaultFile_(std::move(defaultFile)), moduleFileName_(moduleFileName) {}

    // No record and no file name left over from an earlier test.
    void SetUp() override {
        GuiTest::SetUp();
        llt::currentSolver.reset();
        moduleFileName_.clear();
    }

    // Creates the window as the method window does (stored in the module's reference, centred
    // and shown) and waits for its first painting.
    Frame* OpenTask(wxWeakRef<Frame>& moduleWindow, const wxString& title, wxSize size) {
        auto* f = new Frame(title, wxDefaultPosition, size, wxDEFAULT_FRAME_STYLE);
        moduleWindow = f;
        f->Centre(wxBOTH);
        f->Show(true);
        return AwaitFirstPainting(f);
    }

    // Waits for the first painting of a shown window, which computes and writes the result file.
    Frame* AwaitFirstPainting(Frame* f) {
        EXPECT_TRUE(luvo::test::WaitFor([&] { return std::filesystem::exists(DefaultFile()); }))
            << "no first painting";
        luvo::test::Pump(100);
        return f;
    }

    std::string DefaultFile() const { return dir().file(defaultFile_); }
    std::string FileBytes() const { return luvo::test::ReadFileBytes(DefaultFile()); }

    // The texts of the window's result labels.
    virtual std::vector<wxString> Results(Frame* f) const {
        return {f->areaLabel->GetLabel(),        f->meanChordLabel->GetLabel(),
                f->aspectRatioLabel->GetLabel(), f->liftLabel->GetLabel(),
                f->inducedDragLabel->GetLabel(), f->kFactorLabel->GetLabel()};
    }

    static wxString Status(wxFrame* f) { return f->GetStatusBar()->GetStatusText(0); }

    // The plot that Repaint repaints; its repaint runs the window's recomputation.
    virtual wxWindow* RecomputingPlot(Frame* f) const { return f->circulationCanvas; }
    void Repaint(Frame* f) const {
        RecomputingPlot(f)->Refresh();
        RecomputingPlot(f)->Update();
    }

    // How often a plot was painted, and how many of those paints ran a recomputation.
    struct PlotPaints {
        int paints = 0;
        int recomputations = 0;
    };
    struct Repainted {
        std::map<wxWindow*, PlotPaints> plots;  // those that were painted
        bool fileWritten = false;               // the result file
    };
    // Runs `repaint` and notes, for each of `plots` that it painted, its paints and how many of
    // them recomputed: a paint recomputed when the module's current record after it (at the next
    // paint, or at the end) is another than the one it found. The records seen are held until
    // the end, so that a new record cannot take the address of an old one. Paints that the X
    // server still owes are let through first, and the count ends once no paint has come for a
    // while. Under load the server may add a paint of the whole window of its own, so a test
    // compares recomputations with paints rather than paints with one.
    Repainted PaintsByPlot(const std::vector<wxWindow*>& plots,
                           const std::function<void()>& repaint) const {
        std::vector<std::pair<wxWindow*, std::shared_ptr<LltSolver>>> painted;
        // Unbind finds a handler by the address of the functor that was bound.
        std::vector<std::function<void(wxPaintEvent&)>> hooks;
        hooks.reserve(plots.size());
        for (wxWindow* plot : plots) {
            // Bound handlers run before the plot's own one, which Skip() lets run.
            hooks.push_back([&painted, plot](wxPaintEvent& e) {
                painted.emplace_back(plot, llt::currentSolver);
                e.Skip();
            });
            plot->Bind(wxEVT_PAINT, hooks.back());
        }
        auto settle = [&painted] {
            for (int slice = 0; slice < 30; ++slice) {
                const size_t before = painted.size();
                luvo::test::Pump(150);
                if (painted.size() == before) return;
            }
            ADD_FAILURE() << "the plots do not stop painting";
        };
        settle();
        painted.clear();
        std::filesystem::remove(DefaultFile());
        repaint();
        settle();
        for (size_t i = 0; i < plots.size(); ++i) plots[i]->Unbind(wxEVT_PAINT, hooks[i]);

        Repainted seen;
        seen.fileWritten = std::filesystem::exists(DefaultFile());
        for (size_t i = 0; i < painted.size(); ++i) {
            const std::shared_ptr<LltSolver>& after =
                i + 1 < painted.size() ? painted[i + 1].second : llt::currentSolver;
            PlotPaints& c = seen.plots[painted[i].first];
            ++c.paints;
            if (after != painted[i].second) ++c.recomputations;
        }
        return seen;
    }

    // A repaint of the whole window (covering and uncovering it), and then each plot's repaint on
    // its own, paints the plot, and every paint of it runs one recomputation (`recomputes` true)
    // or none, which writes the result file again.
    void ExpectRepaintsOfThePlots(Frame* f, const std::vector<std::pair<wxWindow*, bool>>& plots) {
        std::vector<wxWindow*> all;
        for (const auto& plot : plots) all.push_back(plot.first);
        // Every paint runs one recomputation or none; the file is written by a recomputation
        // only, whichever plot's paint ran it.
        auto expectPaints = [](const Repainted& seen, wxWindow* plot, bool recomputes) {
            ASSERT_EQ(seen.plots.count(plot), 1u) << "not painted";
            const PlotPaints p = seen.plots.at(plot);
            EXPECT_EQ(p.recomputations, recomputes ? p.paints : 0);
            int recomputations = 0;
            for (const auto& other : seen.plots) recomputations += other.second.recomputations;
            EXPECT_EQ(seen.fileWritten, recomputations > 0);
        };
        const Repainted whole = PaintsByPlot(all, [f] {
            f->Refresh();
            f->Update();
        });
        for (const auto& [plot, recomputes] : plots) {
            SCOPED_TRACE(plot->GetToolTipText().utf8_str().data());
            expectPaints(whole, plot, recomputes);
            const Repainted alone = PaintsByPlot(all, [plot = plot] {
                plot->Refresh();
                plot->Update();
            });
            expectPaints(alone, plot, recomputes);
        }
    }

    // What the window shows and has written while the box of a rejected input is open.
    struct WhileOpen {
        luvo::test::ShownBox box;
        std::string file;
        std::vector<wxString> results;
    };
    // Runs `change`, which must raise one message box. While the box is open, the whole window
    // and one plot repaint, then the result file and the result labels are noted; the box is
    // answered with OK.
    WhileOpen RepaintWhileBoxOpen(Frame* f, const std::function<void()>& change) {
        WhileOpen seen;
        wxTEST_DIALOG(change(), luvo::test::ExpectBox(&seen.box, [&] {
                          f->Refresh();
                          f->Update();
                          Repaint(f);
                          luvo::test::Pump(100);
                          seen.file = FileBytes();
                          seen.results = Results(f);
                      }));
        return seen;
    }

    // A text that failed its check, left in `field` without a check pass: a repaint draws but
    // writes no file.
    void ExpectRepaintWritesNothing(Frame* f, wxTextCtrl* field, const wxString& rejected) {
        std::filesystem::remove(DefaultFile());
        field->ChangeValue(rejected);
        Repaint(f);
        EXPECT_FALSE(std::filesystem::exists(DefaultFile()));
    }

    // Chooses the file `path` in the window's dialog, which changes only the label; the
    // recomputation that `recompute` brings writes that file, with `lines` lines, instead of the
    // default one, and the module's file name follows the label.
    void ExpectChosenFileAtTheNextRecomputation(Frame* f, const std::string& path,
                                                const std::function<void()>& recompute,
                                                size_t lines) {
        wxTEST_DIALOG(luvo::test::Click(f->chooseFileButton),
                      luvo::test::ExpectFile(wxString::FromUTF8(path)));
        EXPECT_EQ(f->fileNameLabel->GetLabelText(), wxString::FromUTF8(path));
        EXPECT_FALSE(std::filesystem::exists(path));

        // A repaint while the dialog was open may still have written under the old name.
        std::filesystem::remove(DefaultFile());
        recompute();
        EXPECT_TRUE(std::filesystem::exists(path));
        EXPECT_EQ(Lines(luvo::test::ReadFileBytes(path)).size(), lines);
        EXPECT_FALSE(std::filesystem::exists(DefaultFile()));
        EXPECT_EQ(moduleFileName_, wxString::FromUTF8(path));
    }

    // Opens the info box: "Info" in the status line while it is open, the caption and the
    // information icon, `statusAfter` once it is closed. Returns the box for its text.
    luvo::test::ShownBox ExpectInfoBox(Frame* f, const wxString& caption,
                                       const wxString& statusAfter) {
        wxString statusWhileOpen;
        const luvo::test::ShownBox seen = luvo::test::ShowInfoBox(f, &statusWhileOpen);
        EXPECT_EQ(statusWhileOpen, wxS("Info"));
        EXPECT_EQ(seen.caption, caption);
        EXPECT_TRUE(seen.HasIcon(wxICON_INFORMATION));
        EXPECT_EQ(Status(f), statusAfter);
        return seen;
    }

    // `close` makes the module's `open` answer false at once; the window goes at the next idle
    // time.
    static void ExpectClosingForgetsTheWindow(Frame* f, const std::function<void()>& close,
                                              bool (*open)()) {
        wxWeakRef<wxFrame> weak(f);
        close();
        EXPECT_FALSE(open());
        wxTheApp->ProcessIdle();
        EXPECT_FALSE(weak);
    }

    // Where a point of a plot lies in the window's screenshot.
    static wxPoint InShot(Frame* f, wxWindow* plot, wxPoint p) {
        return plot->ClientToScreen(p) - f->GetScreenPosition();
    }

    // The red root handle of a design window's circulation plot, at (50, 110 - 60) from its
    // origin, is on screen.
    static void ExpectRedRootHandle(Frame* f, const wxImage& shot) {
        const wxPoint red = InShot(f, f->circulationCanvas, wxPoint(50 - 2, 110 - 60));
        EXPECT_EQ(shot.GetRed(red.x, red.y), 255);
        EXPECT_EQ(shot.GetGreen(red.x, red.y), 0);
    }

  private:
    std::string defaultFile_;
    wxString& moduleFileName_;
};

}  // namespace llt_test
