#include <wx/app.h>
#include <wx/tooltip.h>

#include <cmath>

#include "camber/gui/CamberFields.h"
#include "camber/gui/CamberLineFrame.h"
#include "camber/gui/CamberMethodFrame.h"
#include "common/gui/WxNumber.h"
#include "tests/camber/gui/CamberGuiHelpers.h"

namespace {

using namespace luvo::test;
using namespace camber_test;

class CamberLineFrameTest : public GuiTest {
  protected:
    CamberLineFrame* Open() { return dynamic_cast<CamberLineFrame*>(OpenCamberTask(1)); }
    static std::vector<SvgRect> Markers(CamberLineFrame* f) {
        return DrawToSvg([&](wxDC& dc) { f->DrawCamberPlot(dc, f->CurrentState()); }).rects;
    }
    static void ExpectAllFinite(CamberLineFrame* f) {
        for (const std::string& label : Labels(f->ResultTexts())) {
            EXPECT_NE(label, "---");
            EXPECT_TRUE(std::isfinite(luvo::ToNumber(wxString::FromUTF8(label))));
        }
    }
};

TEST_F(CamberLineFrameTest, NewWindowShowsTheNacaDefaultAndThreeRedSquares) {
    CamberLineFrame::camberPoints[1] = {0.5, 0.05};  // left over from an earlier window
    CamberLineFrame* f = Open();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->GetTitle(), wxS("Skelett-Theorie - Interaktive Variation der Skelettlinie"));
    EXPECT_EQ(Status(f), wxS("Eingabe des Winkels"));
    EXPECT_EQ(Labels(f->ResultTexts()), NacaDefaultLabels());
    EXPECT_EQ(f->AngleField()->GetValue(), wxS("5.0"));
    EXPECT_EQ(f->AngleField()->GetPosition(), wxPoint(496, 60));
    ASSERT_NE(f->AngleField()->GetToolTip(), nullptr);
    EXPECT_EQ(f->AngleField()->GetToolTip()->GetTip(), wxS("Winkel alpha* in Grad eingeben"));
    EXPECT_EQ(f->ResultTexts()[kResultA0]->GetPosition(), wxPoint(560, 180));
    EXPECT_EQ(f->ResultTexts()[kResultPressurePoint]->GetPosition(), wxPoint(560, 385));
    // The computation of the default points gives the labels the window starts with.
    EXPECT_EQ(luvo::FormatLabel("%.3f", CamberComputeResults(f->CurrentState())[kResultCa]),
              wxS("0.776"));
    const std::vector<SvgRect> squares = Markers(f);
    ASSERT_EQ(squares.size(), 3u);
    const wxPoint corners[] = {{100, 149}, {140, 144}, {200, 149}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(wxPoint(squares[k].x, squares[k].y), corners[k]);
        EXPECT_EQ(squares[k].width, 4);
        EXPECT_EQ(squares[k].height, 4);
        EXPECT_EQ(squares[k].stroke, "#FF0000");
    }
}

TEST_F(CamberLineFrameTest, AngleMovesOnlyTheLiftTerms) {
    CamberLineFrame* f = Open();
    const double a0 = Value(f, kResultA0);
    const auto camberPlot = [&] {
        return DrawToSvg([&](wxDC& dc) { f->DrawCamberPlot(dc, f->CurrentState()); });
    };
    const auto pressurePlot = [&] {
        return DrawToSvg([&](wxDC& dc) { f->DrawPressurePlot(dc, f->CurrentState()); });
    };
    const SvgDrawing camberBefore = camberPlot();
    const SvgDrawing pressureBefore = pressurePlot();
    SetText(f->AngleField(), wxS("6.0"));
    std::vector<std::string> expected = NacaDefaultLabels();
    std::vector<std::string> labels = Labels(f->ResultTexts());
    EXPECT_NEAR(Value(f, kResultA0) - a0, M_PI / 180.0, 0.001);
    expected[kResultA0] = labels[kResultA0];
    expected[kResultCm] = labels[kResultCm];
    expected[kResultAlpha] = "6.000";
    expected[kResultCa] = "0.886";
    expected[kResultPressurePoint] = "0.310";
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(CamberLineFrame::camberPoints[0].v, kDefaultCamberPoints[0].v);
    // In the plots only the arrow and the pressure curves move; camber line and points stay.
    const auto lines = [](const SvgDrawing& d, const std::string& stroke) {
        std::vector<std::vector<int>> out;
        for (const SvgLine& l : d.lines) {
            if (l.stroke == stroke) out.push_back({l.x0, l.y0, l.x1, l.y1});
        }
        return out;
    };
    const SvgDrawing camberAfter = camberPlot();
    EXPECT_FALSE(lines(camberBefore, "#FF0000").empty());
    EXPECT_EQ(lines(camberAfter, "#FF0000"), lines(camberBefore, "#FF0000"));
    ASSERT_EQ(camberAfter.rects.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(camberAfter.rects[k].x, camberBefore.rects[k].x);
        EXPECT_EQ(camberAfter.rects[k].y, camberBefore.rects[k].y);
    }
    EXPECT_NE(lines(camberAfter, "#0000FF"), lines(camberBefore, "#0000FF"));
    EXPECT_NE(lines(pressurePlot(), "#FF0000"), lines(pressureBefore, "#FF0000"));

    // A rejected angle empties the field and leaves the results of 0 degrees.
    ShownBox box;
    wxTEST_DIALOG(SetText(f->AngleField(), wxS("20")), ExpectBox(&box));
    EXPECT_EQ(box.caption, wxS("Eingabe des Winkels"));
    EXPECT_EQ(f->ResultTexts()[kResultAlpha]->GetLabel(), wxS("0.000"));
    EXPECT_TRUE(f->AngleField()->GetValue().empty());
}

TEST_F(CamberLineFrameTest, DraggingMovesThePointInItsBandOnly) {
    CamberLineFrame* f = Open();
    wxWindow* canvas = f->CamberCanvas();
    SendMouse(canvas, wxEVT_MOTION, wxPoint(140, 130), false);
    EXPECT_EQ(Status(f), wxS("Position: 0.400000, 0.030000"));
    EXPECT_EQ(CamberLineFrame::camberPoints[1].v, kDefaultCamberPoints[1].v);

    // Point 2 upwards: more camber, new coefficients, the angle stays.
    Drag(canvas, wxPoint(140, 144), wxPoint(140, 130), 5);
    EXPECT_EQ(Status(f), wxS("Drag-Position: 0.400000, 0.030000"));
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[1].x, 0.4);
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[1].v, 0.03);
    EXPECT_GT(Value(f, kResultCamber), 0.02);
    EXPECT_NE(f->ResultTexts()[kResultA0]->GetLabel(), wxS("0.083"));
    EXPECT_NE(f->ResultTexts()[kResultA2]->GetLabel(), wxS("-0.014"));
    EXPECT_EQ(f->ResultTexts()[kResultAlpha]->GetLabel(), wxS("5.000"));
    EXPECT_EQ(Markers(f)[1].y, 130);

    // Outside every band nothing moves, but the window still recalculates.
    const CamberPointSet before = CamberLineFrame::camberPoints;
    const std::vector<std::string> labels = Labels(f->ResultTexts());
    const wxPoint nowhere[] = {{50, 140}, {270, 150}, {120, 150}, {100, 120}, {100, 20}};
    for (const wxPoint& p : nowhere) {
        f->ResultTexts()[kResultCa]->SetLabel(wxS("x"));
        Drag(canvas, p, p + wxPoint(1, 1), 1);
        EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxString::FromUTF8(labels[kResultCa]));
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(CamberLineFrame::camberPoints[k].x, before[k].x);
            EXPECT_EQ(CamberLineFrame::camberPoints[k].v, before[k].v);
        }
    }
    // A click without motion changes nothing.
    f->ResultTexts()[kResultCa]->SetLabel(wxS("x"));
    SendMouse(canvas, wxEVT_LEFT_DOWN, wxPoint(100, 149), true);
    SendMouse(canvas, wxEVT_LEFT_UP, wxPoint(100, 149), false);
    EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxS("x"));
}

// The point picked at the press follows the pointer until the release: in one motion point 2
// goes 20 pixels up and then into point 1's column, near enough to point 1 that a press there
// would pick point 1; point 1 stays.
TEST_F(CamberLineFrameTest, ThePressedPointFollowsThePointerUntilTheRelease) {
    CamberLineFrame* f = Open();
    wxWindow* canvas = f->CamberCanvas();
    SendMouse(canvas, wxEVT_LEFT_DOWN, wxPoint(140, 144), true);
    SendMouse(canvas, wxEVT_MOTION, wxPoint(140, 124), true);
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[1].v, 0.036);
    SendMouse(canvas, wxEVT_MOTION, wxPoint(110, 149), true);
    SendMouse(canvas, wxEVT_LEFT_UP, wxPoint(110, 149), false);
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[1].x, 0.25);
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[1].v, 0.011);
    EXPECT_EQ(CamberLineFrame::camberPoints[0].x, kDefaultCamberPoints[0].x);
    EXPECT_EQ(CamberLineFrame::camberPoints[0].v, kDefaultCamberPoints[0].v);
    // After the release a motion with a button held, without a press, moves nothing.
    SendMouse(canvas, wxEVT_MOTION, wxPoint(110, 140), true);
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[1].v, 0.011);
    EXPECT_EQ(Markers(f)[1].y, 149);
}

TEST_F(CamberLineFrameTest, WindowsOfTheTaskShareTheirPoints) {
    CamberLineFrame* older = Open();
    CamberLineFrame* newer = Open();
    Drag(newer->CamberCanvas(), wxPoint(140, 144), wxPoint(140, 134), 5);
    EXPECT_NE(Labels(newer->ResultTexts()), NacaDefaultLabels());
    // The older one keeps its texts until it recalculates, but draws the moved point.
    EXPECT_EQ(Labels(older->ResultTexts()), NacaDefaultLabels());
    EXPECT_EQ(Markers(older)[1].y, 134);
    SetText(older->AngleField(), wxS("5"));
    EXPECT_EQ(Labels(older->ResultTexts()), Labels(newer->ResultTexts()));
    // Closing one leaves the points; a new window resets them.
    newer->Destroy();
    wxTheApp->ProcessIdle();
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[1].v, 0.026);
    Open();
    EXPECT_EQ(CamberLineFrame::camberPoints[1].v, kDefaultCamberPoints[1].v);
}

TEST_F(CamberLineFrameTest, DraggingAcrossAnotherPointsColumnKeepsEverythingFinite) {
    CamberLineFrame* f = Open();
    wxWindow* canvas = f->CamberCanvas();
    // Point 1 dragged along its height, one pixel at a time, past point 2 at x = 0.4.
    SendMouse(canvas, wxEVT_LEFT_DOWN, wxPoint(100, 149), true);
    for (int x = 100; x <= 150; ++x) {
        SendMouse(canvas, wxEVT_MOTION, wxPoint(x, 149), true);
        ExpectAllFinite(f);
        EXPECT_NE(CamberLineFrame::camberPoints[0].x, CamberLineFrame::camberPoints[1].x);
    }
    SendMouse(canvas, wxEVT_LEFT_UP, wxPoint(150, 149), false);
    // It stopped once, in point 2's column, and then passed it.
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[0].x, 0.45);
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[1].x, 0.4);
    // Three points on a straight line through the trailing edge: c0 = s, no camber.
    CamberLineFrame::camberPoints = {{{0.2, 0.008}, {0.5, 0.005}, {0.9, 0.001}}};
    SetText(f->AngleField(), wxS("0"));
    EXPECT_NEAR(Value(f, kResultA1), 0.0, 1e-9);
    EXPECT_NEAR(Value(f, kResultA2), 0.0, 1e-9);
    EXPECT_EQ(f->ResultTexts()[kResultA0]->GetLabel(), wxS("0.010"));
}

TEST_F(CamberLineFrameTest, InfoAndClose) {
    CamberLineFrame* f = Open();
    ShownBox box;
    wxTEST_DIALOG(SendMenu(f, luvo::kIdMenuInfo), ExpectBox(&box));
    EXPECT_EQ(box.caption, wxS("Info Interaktive Variation der Skelettlinie"));
    EXPECT_TRUE(box.message.StartsWith(
        wxS("Nachrechenaufgabe\n\nIst die Skelettlinie nicht analytisch gegeben, so müssen\n"
            "die Koordinaten der exakten Skelettlinie mit den Koordina-\nten des durch die "
            "Birnbaum-Ackermann\u00b4schen Normalver-\nteilungen approximierten Skeletts in drei "
            "diskreten Punk-\nten übereinstimmen.")));
    EXPECT_TRUE(box.message.EndsWith(wxS("\n\n")));
    EXPECT_EQ(Status(f), wxS("Eingabe des Winkels"));
    wxWeakRef<wxFrame> ref(f);
    SendMenu(f, luvo::kIdMenuQuit);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(ref);
}

}  // namespace
