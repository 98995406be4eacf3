#include <wx/app.h>

#include <cmath>

#include "camber/gui/CamberFields.h"
#include "camber/gui/CamberMethodFrame.h"
#include "camber/gui/CamberPressureFrame.h"
#include "common/gui/WxNumber.h"
#include "tests/camber/gui/CamberGuiHelpers.h"

namespace {

using namespace luvo::test;
using namespace camber_test;

class CamberPressureFrameTest : public GuiTest {
  protected:
    CamberPressureFrame* Open() { return dynamic_cast<CamberPressureFrame*>(OpenCamberTask(2)); }
    static std::vector<SvgRect> Markers(CamberPressureFrame* f) {
        return DrawToSvg([&](wxDC& dc) { f->DrawPressurePlot(dc, f->DraggedState()); }).rects;
    }
};

TEST_F(CamberPressureFrameTest, NewWindowShowsTheNacaDefaultAndThreeRedSquares) {
    CamberPressureFrame::pressurePoints[0] = {0.3, -1.0};
    CamberPressureFrame::pointsAngle = 0.2;
    CamberPressureFrame* f = Open();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->GetTitle(), wxS("Skelett-Theorie - Interaktive Variation der Druckverteilung"));
    EXPECT_EQ(Status(f), wxS("Eingabe des Winkels"));
    EXPECT_EQ(Labels(f->ResultTexts()), NacaDefaultLabels());
    EXPECT_EQ(CamberPressureFrame::pointsAngle, 0.087267);
    const std::vector<SvgRect> squares = Markers(f);
    ASSERT_EQ(squares.size(), 3u);
    const wxPoint corners[] = {{100, 140}, {160, 146}, {220, 152}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(wxPoint(squares[k].x, squares[k].y), corners[k]);
        EXPECT_EQ(squares[k].stroke, "#FF0000");
    }
}

TEST_F(CamberPressureFrameTest, AngleKeepsTheCamberLineAndMovesThePoints) {
    CamberPressureFrame* f = Open();
    const double a0 = Value(f, kResultA0);
    SetText(f->AngleField(), wxS("6.0"));
    std::vector<std::string> labels = Labels(f->ResultTexts());
    std::vector<std::string> expected = NacaDefaultLabels();
    EXPECT_NEAR(Value(f, kResultA0) - a0, M_PI / 180.0, 0.001);
    expected[kResultA0] = labels[kResultA0];
    expected[kResultCm] = labels[kResultCm];
    expected[kResultAlpha] = "6.000";
    expected[kResultCa] = "0.886";
    expected[kResultPressurePoint] = "0.310";
    EXPECT_EQ(labels, expected);
    EXPECT_DOUBLE_EQ(CamberPressureFrame::pointsAngle, 6.0 * kCamberRadPerDeg);
    // More suction at the same chord positions: the squares move up on the new curve.
    const std::vector<SvgRect> squares = Markers(f);
    const wxPoint before[] = {{100, 140}, {160, 146}, {220, 152}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(squares[k].x, before[k].x);
        EXPECT_LT(squares[k].y, before[k].y);
        EXPECT_EQ(CamberPressureFrame::pressurePoints[k].x, kDefaultPressurePoints[k].x);
    }
    // The points lie on the distribution: solving them again gives the same A0 without shift.
    EXPECT_EQ(luvo::FormatLabel("%.3f", f->DraggedState().A0), wxString::FromUTF8(labels[0]));

    // An emptied field counts as 0 degrees, in the results and in the camber plot.
    ShownBox box;
    wxTEST_DIALOG(SetText(f->AngleField(), wxS("-20")), ExpectBox(&box));
    EXPECT_EQ(f->ResultTexts()[kResultAlpha]->GetLabel(), wxS("0.000"));
    const SvgDrawing camber =
        DrawToSvg([&](wxDC& dc) { f->DrawCamberPlot(dc, f->ShiftedState()); });
    bool horizontalShaft = false;
    for (const SvgLine& l : camber.lines) {
        if (l.stroke == "#0000FF" && l.x0 == 50 && l.y0 == 160 && l.x1 == 10 && l.y1 == 160) {
            horizontalShaft = true;
        }
    }
    EXPECT_TRUE(horizontalShaft);
    EXPECT_EQ(camber.arcs, 0);
}

TEST_F(CamberPressureFrameTest, DraggingMovesThePointAndTheCamberLineFollows) {
    CamberPressureFrame* f = Open();
    wxWindow* canvas = f->PressureCanvas();
    SendMouse(canvas, wxEVT_MOTION, wxPoint(160, 140), false);
    EXPECT_EQ(Status(f), wxS("Position: 0.500000, -0.500000"));

    // Point 2 upwards by a pixel at a time: more suction.
    Drag(canvas, wxPoint(160, 146), wxPoint(160, 140), 6);
    EXPECT_EQ(Status(f), wxS("Drag-Position: 0.500000, -0.500000"));
    EXPECT_DOUBLE_EQ(CamberPressureFrame::pressurePoints[1].v, -0.5);
    EXPECT_NE(f->ResultTexts()[kResultA0]->GetLabel(), wxS("0.083"));
    EXPECT_NE(f->ResultTexts()[kResultA1]->GetLabel(), wxS("0.081"));
    EXPECT_EQ(f->ResultTexts()[kResultAlpha]->GetLabel(), wxS("5.000"));
    EXPECT_EQ(f->AngleField()->GetValue(), wxS("5.0"));
    EXPECT_EQ(CamberPressureFrame::pointsAngle, kDefaultPointsAngle);
    EXPECT_EQ(Markers(f)[1].y, 140);

    // Outside every band nothing moves, but the results are written again.
    const CamberPointSet before = CamberPressureFrame::pressurePoints;
    const std::string ca = f->ResultTexts()[kResultCa]->GetLabel().utf8_string();
    const wxPoint nowhere[] = {{60, 140}, {260, 150}, {130, 150}, {100, 120}, {160, 100}};
    for (const wxPoint& p : nowhere) {
        f->ResultTexts()[kResultCa]->SetLabel(wxS("x"));
        Drag(f->PressureCanvas(), p, p + wxPoint(1, 0), 1);
        EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxString::FromUTF8(ca));
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(CamberPressureFrame::pressurePoints[k].x, before[k].x);
            EXPECT_EQ(CamberPressureFrame::pressurePoints[k].v, before[k].v);
        }
    }

    // Dragged onto the column of point 2 and past it: the point waits a pixel, nothing breaks.
    SendMouse(canvas, wxEVT_LEFT_DOWN, wxPoint(100, 140), true);
    for (int x = 100; x <= 170; ++x) {
        SendMouse(canvas, wxEVT_MOTION, wxPoint(x, 140), true);
        for (const std::string& label : Labels(f->ResultTexts())) EXPECT_NE(label, "---");
        EXPECT_NE(CamberPressureFrame::pressurePoints[0].x,
                  CamberPressureFrame::pressurePoints[1].x);
    }
    EXPECT_DOUBLE_EQ(CamberPressureFrame::pressurePoints[0].x, 0.55);
}

// The point picked at the press follows the pointer until the release: point 2 dragged in one
// motion into point 1's column, where a press would pick point 1; point 1 stays.
TEST_F(CamberPressureFrameTest, ThePressedPointFollowsThePointerUntilTheRelease) {
    CamberPressureFrame* f = Open();
    wxWindow* canvas = f->PressureCanvas();
    SendMouse(canvas, wxEVT_LEFT_DOWN, wxPoint(160, 147), true);
    SendMouse(canvas, wxEVT_MOTION, wxPoint(108, 141), true);
    SendMouse(canvas, wxEVT_LEFT_UP, wxPoint(108, 141), false);
    EXPECT_DOUBLE_EQ(CamberPressureFrame::pressurePoints[1].x, 0.24);
    EXPECT_DOUBLE_EQ(CamberPressureFrame::pressurePoints[1].v, -0.475);
    EXPECT_EQ(CamberPressureFrame::pressurePoints[0].x, kDefaultPressurePoints[0].x);
    EXPECT_EQ(CamberPressureFrame::pressurePoints[0].v, kDefaultPressurePoints[0].v);
    EXPECT_EQ(Status(f), wxS("Drag-Position: 0.240000, -0.475000"));
}

TEST_F(CamberPressureFrameTest, WindowsShareThePointsAndTheirAngle) {
    CamberPressureFrame* older = Open();
    CamberPressureFrame* newer = Open();
    SetText(newer->AngleField(), wxS("8"));
    EXPECT_DOUBLE_EQ(CamberPressureFrame::pointsAngle, 8.0 * kCamberRadPerDeg);
    // The older window's pressure plot shows the points that the newer one moved.
    EXPECT_LT(Markers(older)[0].y, 140);
    // Its angle edit to 8 degrees now starts from the shared angle: nothing shifts.
    SetText(older->AngleField(), wxS("8"));
    EXPECT_EQ(Labels(older->ResultTexts()), Labels(newer->ResultTexts()));
    Open();
    EXPECT_EQ(CamberPressureFrame::pointsAngle, kDefaultPointsAngle);
    EXPECT_EQ(CamberPressureFrame::pressurePoints[0].v, kDefaultPressurePoints[0].v);
}

TEST_F(CamberPressureFrameTest, InfoAndClose) {
    CamberPressureFrame* f = Open();
    ShownBox box;
    wxTEST_DIALOG(SendMenu(f, luvo::kIdMenuInfo), ExpectBox(&box));
    EXPECT_EQ(box.caption, wxS("Info Interaktive Variation der Druckverteilung"));
    EXPECT_EQ(box.message,
              wxS("Entwurfsaufgabe\n\nHier ist die Druckverteilung an drei diskreten Punkten "
                  "gege-\nben und die Form der entsprechenden Skelettlinie gesucht.\n\nAnalog "
                  "zur Variation der Skelettlinie können die drei Punkte\nder Druckverteilung "
                  "mittels Maus variiert sowie der Winkel\nalpha* verändert werden.\n\n"));
    EXPECT_EQ(Status(f), wxS("Eingabe des Winkels"));
    wxWeakRef<wxFrame> ref(f);
    Click(FindButton(f, wxS("&Schließen")));
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(ref);
}

}  // namespace
