// A text that is still being typed, and the actions that end it, through real keys and clicks:
// a correction that would rewrite other fields waits for the finished text, and a pending text is
// checked once, before a menu entry, a button, a radio button or a press on a plot handle.

#include <wx/app.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>

#include "app/MainFrame.h"
#include "camber/gui/CamberLineFrame.h"
#include "camber/gui/CamberMethodFrame.h"
#include "camber/gui/CamberNacaFrame.h"
#include "camber/gui/CamberRadios.h"
#include "common/core/NumberText.h"
#include "etl/gui/EtlAnalysisFrame.h"
#include "etl/gui/EtlModule.h"
#include "llt/gui/LltAnalysisFrame.h"
#include "llt/gui/LltChordDesignFrame.h"
#include "llt/gui/LltModule.h"
#include "llt/gui/LltTwistDesignFrame.h"
#include "supersonic/gui/SupersonicCanvases.h"
#include "supersonic/gui/SupersonicMethodFrame.h"
#include "supersonic/gui/SupersonicPartsFrame.h"
#include "tests/support/GuiHarness.h"

namespace {

using namespace luvo::test;

double NumberOf(const wxTextCtrl* field) {
    return luvo::ParseLeadingNumber(std::string(field->GetValue().utf8_str()));
}

void Focus(wxTextCtrl* field) {
    field->SetFocus();
    WaitFor([&] { return wxWindow::FindFocus() == field; }, 1000);
}

// Selects the field's whole text and types `text` over it, key by key.
void TypeOver(wxTextCtrl* field, const char* text) {
    Focus(field);
    field->SelectAll();
    wxUIActionSimulator().Text(text);
    WaitFor([&] { return field->GetValue() == wxString(text); }, 2000);
    Pump(100);
}

void FailOnBoxes(const BoxRecorder& boxes) {
    for (const ShownBox& b : boxes.boxes()) ADD_FAILURE() << b.message.utf8_str();
}

// The segment lengths and the tip section of a lifting-line analysis window.
struct SegmentWindow {
    const char* name;
    std::function<wxFrame*()> open;
    // 0 AB, 1 BC, 2 CD, 3 chord D, 4 angle D; null for an input the window does not have
    std::function<wxTextCtrl*(int)> field;
};

class ScreenPendingText : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        llt::currentSolver.reset();
        etl::EtlCurrentSolver.reset();
    }
    void TearDown() override {
        CloseSupersonicDesignFrame();
        GuiTest::TearDown();
        llt::currentSolver.reset();
        etl::EtlCurrentSolver.reset();
    }
    // A window shown at the top left once it has painted and written its result file.
    template <class Frame>
    Frame* Shown(Frame* f, const char* file) {
        f->Move(0, 0);
        Present(f);
        EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(dir().file(file)); }));
        Pump(200);
        return f;
    }
    LltAnalysisFrame* OpenLlt() {
        auto* f = new LltAnalysisFrame(wxS("Probe"), wxDefaultPosition, wxSize(755, 690),
                                       wxDEFAULT_FRAME_STYLE);
        llt::analysisFrame = f;
        return Shown(f, " GammaUndCa.dat");
    }
    EtlAnalysisFrame* OpenEtl() {
        auto* f = new EtlAnalysisFrame(wxS("Probe"), wxDefaultPosition, wxSize(860, 680));
        etl::EtlAnalysisWindow = f;
        return Shown(f, "GammaUndCa.dat");
    }
    template <class Frame>
    Frame* OpenLltTask(wxWeakRef<Frame>& moduleWindow, wxSize size, const char* file) {
        auto* f = new Frame(wxS("Probe"), wxDefaultPosition, size, wxDEFAULT_FRAME_STYLE);
        moduleWindow = f;
        return Shown(f, file);
    }
    std::vector<SegmentWindow> SegmentWindows() {
        return {
            {"simple lifting line", [this] { return OpenLlt(); },
             [](int k) -> wxTextCtrl* {
                 LltAnalysisFrame* f = llt::analysisFrame;
                 wxTextCtrl* fields[] = {f->segmentABField, f->segmentBCField, f->segmentCDField,
                                         f->chordDField, f->angleDField};
                 return fields[k];
             }},
            {"twist design",
             [this] {
                 return OpenLltTask(llt::twistDesignFrame, wxSize(775, 680), "alfaGeom.dat");
             },
             [](int k) -> wxTextCtrl* {
                 LltTwistDesignFrame* f = llt::twistDesignFrame;
                 wxTextCtrl* fields[] = {f->segmentABField, f->segmentBCField, f->segmentCDField,
                                         f->chordDField, nullptr};
                 return fields[k];
             }},
            {"chord design",
             [this] { return OpenLltTask(llt::chordDesignFrame, wxSize(845, 700), " tiefe.dat"); },
             [](int k) -> wxTextCtrl* {
                 LltChordDesignFrame* f = llt::chordDesignFrame;
                 wxTextCtrl* fields[] = {f->segmentABField, f->segmentBCField, f->segmentCDField,
                                         nullptr, f->angleDField};
                 return fields[k];
             }},
            {"extended lifting line", [this] { return OpenEtl(); },
             [](int k) -> wxTextCtrl* {
                 EtlAnalysisFrame* f = etl::EtlAnalysisWindow;
                 wxTextCtrl* fields[] = {f->lengthABField, f->lengthBCField, f->lengthCDField,
                                         f->chordDField, f->angleDField};
                 return fields[k];
             }},
        };
    }
};

// "0.5" typed into BC: its first key "0" would let the sum rule end C at the tip and copy C's
// chord and angle to D. It waits for Enter, and then only CD takes up the rest of the half span.
TEST_F(ScreenPendingText, ASegmentLengthTypedKeyByKeyRewritesNothingOnTheWay) {
    for (const SegmentWindow& w : SegmentWindows()) {
        SCOPED_TRACE(w.name);
        w.open();
        // The tip's chord and angle differ from those at C.
        const struct {
            wxTextCtrl* field;
            wxString text;
        } tip[] = {{w.field(3), wxS("1.5")}, {w.field(4), wxS("-3.0")}};
        for (const auto& t : tip) {
            if (t.field) SetText(t.field, t.text);
        }
        auto expectTipKept = [&] {
            for (const auto& t : tip) {
                if (t.field) {
                    EXPECT_EQ(t.field->GetValue(), t.text);
                }
            }
        };
        Pump(100);
        const double ab = NumberOf(w.field(0));
        const wxString cd = w.field(2)->GetValue();
        BoxRecorder boxes;
        TypeOver(w.field(1), "0.5");
        EXPECT_EQ(w.field(1)->GetValue(), wxS("0.5"));
        EXPECT_EQ(w.field(2)->GetValue(), cd);
        expectTipKept();

        RealKey(WXK_RETURN);
        Pump(100);
        EXPECT_EQ(w.field(1)->GetValue(), wxS("0.5"));
        EXPECT_DOUBLE_EQ(NumberOf(w.field(2)), 100.0 - ab - 0.5);
        expectTipKept();
        FailOnBoxes(boxes);
        wxWindow* top = wxGetTopLevelParent(w.field(0));
        top->Destroy();
        wxTheApp->ProcessIdle();
    }
    ASSERT_TRUE(llt::currentSolver);
    ASSERT_TRUE(etl::EtlCurrentSolver);
}

// A pending chord that cannot be taken, then a press on the handle of chord B: the chord's box
// once, and no drag.
TEST_F(ScreenPendingText, APressOnAPlotHandleChecksThePendingTextOnce) {
    LltAnalysisFrame* f = OpenLlt();
    const wxPoint origin(45, 55);  // the plot's device origin in the canvas
    const double halfSpan = 0.5 * NumberOf(f->spanField);
    const int handleB = static_cast<int>(NumberOf(f->chordBField) * 150.0 / halfSpan);
    const wxString chordB = f->chordBField->GetValue();
    BoxRecorder boxes;
    TypeOver(f->chordAField, "0.");
    EXPECT_TRUE(boxes.boxes().empty());
    RealFastDrag(f->chordCanvas, origin + wxPoint(100, handleB), origin + wxPoint(100, 30));
    Pump(200);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, wxS("Eingabe der Tiefe an der Wurzel"));
    EXPECT_EQ(f->chordAField->GetValue(), wxS("2.0"));
    EXPECT_EQ(f->chordBField->GetValue(), chordB);
    ASSERT_TRUE(llt::currentSolver);
    EXPECT_DOUBLE_EQ(llt::currentSolver->chordA, 2.0);

    // The camber-line window, whose canvas takes the focus on a press: one box, no drag either.
    auto* camber = dynamic_cast<CamberLineFrame*>(OpenCamberTask(1));
    ASSERT_NE(camber, nullptr);
    Present(camber);
    const CamberPoint point = CamberLineFrame::camberPoints[1];
    BoxRecorder camberBoxes;
    TypeOver(camber->AngleField(), "-");
    EXPECT_TRUE(camberBoxes.boxes().empty());
    const int y = 160 - static_cast<int>(std::lround(point.v * 1000));
    RealFastDrag(camber->CamberCanvas(), wxPoint(141, y), wxPoint(141, y - 30));
    Pump(200);
    EXPECT_EQ(camberBoxes.boxes().size(), 1u);
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[1].v, point.v);
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[1].x, point.x);

    // The supersonic parts window: a pending Mach number, then the camber point.
    SupersonicPartsFrame* parts = OpenSupersonicPartsFrame(wxEmptyString);
    Present(parts);
    const SupersonicPoint support = parts->Profile().part1.supportPoints[0];
    BoxRecorder partsBoxes;
    TypeOver(parts->machField, "1");
    EXPECT_TRUE(partsBoxes.boxes().empty());
    RealFastDrag(parts->camberCanvas, wxPoint(240, 90), wxPoint(259, 80));
    Pump(200);
    EXPECT_EQ(partsBoxes.boxes().size(), 1u);
    EXPECT_DOUBLE_EQ(parts->Profile().part1.supportPoints[0].x, support.x);
    EXPECT_DOUBLE_EQ(parts->Profile().part1.supportPoints[0].z, support.z);
}

// Alt+I with a pending text: a refused text gets its box and no info box; a text whose
// correction is accepted is corrected first, then the info box comes.
TEST_F(ScreenPendingText, AMenuShortcutChecksThePendingTextFirst) {
    LltAnalysisFrame* f = OpenLlt();
    {
        BoxRecorder boxes;
        TypeOver(f->chordAField, "0.");
        RealKey('i', wxMOD_ALT);
        WaitFor([&] { return !boxes.boxes().empty(); }, 2000);
        Pump(200);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].caption, wxS("Eingabe der Tiefe an der Wurzel"));
        EXPECT_EQ(f->chordAField->GetValue(), wxS("2.0"));
    }
    BoxRecorder boxes;
    TypeOver(f->segmentBCField, "0.5");
    RealKey('i', wxMOD_ALT);
    WaitFor([&] { return !boxes.boxes().empty(); }, 2000);
    Pump(200);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(boxes.boxes()[0].caption.StartsWith(wxS("Info")));
    EXPECT_EQ(f->segmentCDField->GetValue(), wxS("49.50"));

    // Closing drops a pending text without a word.
    BoxRecorder closing;
    TypeOver(f->chordAField, "0.");
    RealKey('s', wxMOD_ALT);
    Pump(200);
    EXPECT_TRUE(closing.boxes().empty());
    EXPECT_FALSE(llt::analysisOpen());
}

// A pending Mach number that cannot be taken, then "Speichern": the Mach box, and neither a file
// dialog (the test would fail on it) nor a file.
TEST_F(ScreenPendingText, SavingWithAPendingMachShowsItsBoxAndSavesNothing) {
    SupersonicPartsFrame* f = OpenSupersonicPartsFrame(wxEmptyString);
    Present(f);
    for (const auto& entry : std::filesystem::directory_iterator(dir().path())) {
        std::filesystem::remove(entry.path());
    }
    BoxRecorder boxes;
    TypeOver(f->machField, "1");
    EXPECT_TRUE(boxes.boxes().empty());
    RealClick(FindButton(f, wxS("S&peichern")), wxPoint(8, 8));
    WaitFor([&] { return !boxes.boxes().empty(); }, 2000);
    Pump(200);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].message,
              wxS("Ungültige Eingabe!\n\nBereich für Machzahl : 1 < Ma <= 5 \n\n"));
    for (const auto& entry : std::filesystem::directory_iterator(dir().path())) {
        ADD_FAILURE() << "written: " << entry.path().filename().string();
    }
}

// A pending alpha* "-" in the NACA window, then a click on the lift radio: the angle's box once,
// and the window stays in angle mode.
TEST_F(ScreenPendingText, AClickOnARadioChecksThePendingTextFirst) {
    auto* f = dynamic_cast<CamberNacaFrame*>(OpenCamberTask(0));
    ASSERT_NE(f, nullptr);
    Present(f);
    BoxRecorder boxes;
    TypeOver(f->AngleField(), "-");
    EXPECT_TRUE(boxes.boxes().empty());
    wxWindow* radio = f->LiftRadio();
    RealClick(radio, wxPoint(6, radio->GetSize().y / 2));
    WaitFor([&] { return !boxes.boxes().empty(); }, 2000);
    Pump(200);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(f->AngleRadio()->GetValue());
    EXPECT_FALSE(f->LiftRadio()->GetValue());
    EXPECT_FALSE(f->LiftField()->IsEnabled());
}

}  // namespace
