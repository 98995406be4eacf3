// The checks on real text fields: the modal box, the write-back that is itself a change, and the
// plot routines drawing into a device context.

#include "common/gui/LuvoFrame.h"
#include "llt/gui/LltCheckedField.h"
#include "llt/gui/LltPlots.h"
#include "tests/support/GuiHarness.h"
#include "tests/support/InfoBox.h"

namespace {

using namespace luvo::test;
using In = LltInput;

// A window that only declares its inputs, as the task windows do, and counts recomputations.
class ChecksWindow : public luvo::LuvoFrame {
  public:
    explicit ChecksWindow(LltTaskWindow kind)
        : luvo::LuvoFrame(wxS("checks"), wxDefaultPosition, wxSize(400, 500)),
          checks(kind, [this] { ++recomputes; }) {
        const std::pair<LltInput, const char*> texts[] = {
            {In::Span, "8.0"},        {In::TotalLift, "0.3"}, {In::LiftSlope, "1"},
            {In::AspectRatio, "6.0"}, {In::A1, "0.03"},       {In::A3, "0.00"},
            {In::A5, "0.00"},         {In::SegmentAB, "50"},  {In::SegmentBC, "25"},
            {In::SegmentCD, "25"},    {In::ChordA, "2.00"},   {In::ChordB, "1.70"},
            {In::ChordC, "1.30"},     {In::ChordD, "0.60"},   {In::AngleA, "5.0"},
            {In::AngleB, "-0.5"},     {In::AngleC, "-0.8"},   {In::AngleD, "-1.5"}};
        int y = 5;
        for (const auto& [input, text] : texts) {
            if (!LltWindowChecks(kind, input)) continue;
            auto* field =
                new LltTwistDesignField(panel_, checks, wxString::FromUTF8(text), wxPoint(10, y));
            checks.Declare(input, field);
            y += 25;
        }
        checks.Arm();
    }
    ~ChecksWindow() override {
        checks.Disarm();
        DestroyChildren();
    }
    wxTextCtrl* Field(LltInput input) { return checks.Field(input); }

    LltFieldChecks checks;
    int recomputes = 0;
};

// Catches the box and notes whether the window counted its inputs as accepted meanwhile.
ExpectBox BoxProbe(ShownBox* seen, bool* acceptedWhileOpen, ChecksWindow* window) {
    return ExpectBox(seen, [=] { *acceptedWhileOpen = window->checks.Accepted(); });
}

class LltFieldChecksTest : public GuiTest {};

TEST_F(LltFieldChecksTest, CreatingTheFieldsRunsNoCheck) {
    auto* window = new ChecksWindow(LltTaskWindow::TwistDesign);
    EXPECT_EQ(window->recomputes, 0);
    EXPECT_TRUE(window->checks.Accepted());
    window->Destroy();
}

TEST_F(LltFieldChecksTest, ViolationShowsItsBoxOnTheFieldAndWritesTheResetBack) {
    auto* window = new ChecksWindow(LltTaskWindow::TwistDesign);
    wxTextCtrl* span = window->Field(In::Span);
    ShownBox seen;
    bool acceptedWhileOpen = true;
    wxTEST_DIALOG(SetText(span, wxS("12.55")), BoxProbe(&seen, &acceptedWhileOpen, window));
    EXPECT_EQ(seen.caption, wxS("Eingabe der Spannweite"));
    EXPECT_EQ(seen.message,
              wxS("Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
                  "Bitte wiederholen Sie die Eingabe der Spannweite.\n\n"));
    EXPECT_TRUE(seen.HasIcon(wxICON_ERROR));
    EXPECT_FALSE(acceptedWhileOpen);
    // The write-back is a change: its nested pass recomputes the window.
    EXPECT_EQ(span->GetValue(), wxS("10.0"));
    EXPECT_EQ(window->recomputes, 1);
    EXPECT_TRUE(window->checks.Accepted());
}

TEST_F(LltFieldChecksTest, TwoWrongInputsAreReportedInTheWindowsOrder) {
    auto* window = new ChecksWindow(LltTaskWindow::ChordDesign);
    // Both texts in place without a change event; then an ordinary change runs the checks.
    window->Field(In::SegmentAB)->ChangeValue(wxS("123"));
    window->Field(In::Span)->ChangeValue(wxS(""));
    EXPECT_FALSE(window->checks.Accepted());
    BoxRecorder boxes;
    SetText(window->Field(In::AngleB), wxS("-0.3"));
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].caption, wxS("Eingabe der Spannweite"));
    EXPECT_EQ(boxes.boxes()[1].caption, wxS("Eingabe der Länge des Abschnittes"));
    EXPECT_EQ(window->Field(In::Span)->GetValue(), wxS("10.0"));
    EXPECT_EQ(window->Field(In::SegmentAB)->GetValue(), wxS("50.0"));
    EXPECT_EQ(window->recomputes, 1);
}

TEST_F(LltFieldChecksTest, SegmentCorrectionsWriteIntoTheFields) {
    auto* window = new ChecksWindow(LltTaskWindow::Analysis);
    SetText(window->Field(In::SegmentAB), wxS("70"));
    EXPECT_EQ(window->Field(In::SegmentCD)->GetValue(), wxS("5.00"));
    EXPECT_EQ(window->recomputes, 1);

    // A correction that cannot settle: one box, no recomputation, and the checks come to rest.
    BoxRecorder boxes;
    window->Field(In::SegmentBC)->ChangeValue(wxS("70"));
    window->Field(In::SegmentCD)->ChangeValue(wxS("25"));
    window->recomputes = 0;
    SetText(window->Field(In::SegmentAB), wxS("33.33"));
    EXPECT_EQ(window->Field(In::SegmentBC)->GetValue(), wxS("66.7"));
    EXPECT_EQ(window->Field(In::SegmentCD)->GetValue(), wxS("0.0"));
    EXPECT_EQ(window->recomputes, 0);
    EXPECT_FALSE(window->checks.Accepted());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes().back().caption, wxS("Die Eingaben sind nicht korrekt!"));
}

std::string PixelAt(const wxImage& image, int x, int y) {
    return std::string(wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y))
                           .GetAsString(wxC2S_HTML_SYNTAX)
                           .utf8_str());
}
std::string Html(const wxColour& c) {
    return std::string(c.GetAsString(wxC2S_HTML_SYNTAX).utf8_str());
}

TEST_F(LltFieldChecksTest, HandlesAreDrawnInTheirColoursWhereThePlotPutsThem) {
    LltSolver s;
    s.SetStations(8);
    s.SetTrapezoidChord(8, 50, 25, 25, 2.00, 1.70, 1.30, 0.6);
    s.SetTrapezoidTwist(8, 5.0, -0.5, -0.8, -1.5, 50, 25, 25);
    const wxImage chord = RenderToImage(280, 155, [&](wxDC& dc) {
        LltStartPlot(dc, wxS("Tiefenverteilung"), 115, 10);
        DrawChordPlot(dc, s, LltChordPlotLayout::Analysis);
        DrawChordHandles(dc, 8, 50, 25, 25, 2.00, 1.70, 1.30, 0.6, LltChordPlotLayout::Analysis);
    });
    // Handle B: corner (98, 61) after the origin (45, 55); its top edge, off the blended corner.
    const wxColour grey(wxS("grey"));
    EXPECT_EQ(PixelAt(chord, 45 + 98 + 2, 55 + 61), Html(grey));
    EXPECT_EQ(PixelAt(chord, 45 + 98 + 2, 55 + 61 - 2), Html(*wxWHITE));
    EXPECT_EQ(PixelAt(chord, 5, 150), Html(*wxWHITE));

    const wxImage twist = RenderToImage(280, 155, [&](wxDC& dc) {
        LltStartPlot(dc, wxS("Schränkungsverteilung"), 95, 23);
        DrawTwistPlot(dc, s);
        DrawTwistHandles(dc, 8, 5.0, -0.5, -0.8, -1.5, 50, 25, 25);
    });
    const wxColour blue(wxS("blue"));
    EXPECT_EQ(PixelAt(twist, 45 + 198 + 2, 90 + 28), Html(blue));  // D at the tip
    EXPECT_EQ(PixelAt(twist, 45 + 0, 90 - 60), Html(*wxBLACK));    // a tick of the left axis
}

}  // namespace
