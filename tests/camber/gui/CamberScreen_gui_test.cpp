// Windows of the thin-airfoil theory on the screen: pictures for the tour, and real mouse
// and keyboard input through the X server.

#include <wx/app.h>
#include <wx/uiaction.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "app/MainFrame.h"
#include "camber/core/CamberThreePoints.h"
#include "camber/gui/CamberFields.h"
#include "camber/gui/CamberLineFrame.h"
#include "camber/gui/CamberMethodFrame.h"
#include "camber/gui/CamberNacaFrame.h"
#include "camber/gui/CamberPressureFrame.h"
#include "camber/gui/CamberRadios.h"
#include "tests/camber/gui/CamberGuiHelpers.h"

namespace {

using namespace luvo::test;
using namespace camber_test;

class ScreenCamberTour : public GuiTest {};

TEST_F(ScreenCamberTour, MethodAndTaskWindows) {
    struct Shot {
        int task;  // -1: the method window
        const char* name;
    };
    const Shot shots[] = {
        {-1, "camber_method"}, {0, "camber_naca"}, {1, "camber_line"}, {2, "camber_pressure"}};
    for (const Shot& s : shots) {
        wxFrame* f = s.task < 0 ? OpenMethodWindow(0) : OpenCamberTask(s.task);
        const wxImage image = CaptureFrame(f);
        EXPECT_TRUE(image.IsOk());
        SaveTourShot(f, s.name);
        f->Destroy();
        wxTheApp->ProcessIdle();
    }
}

class ScreenCamberInput : public GuiTest {
  protected:
    static bool IsRed(const wxImage& image, wxPoint p) {
        return image.GetRed(p.x, p.y) > 200 && image.GetGreen(p.x, p.y) < 60;
    }
};

TEST_F(ScreenCamberInput, RealDragMovesThePointOnTheScreen) {
    CamberLineFrame* f = dynamic_cast<CamberLineFrame*>(OpenCamberTask(1));
    Present(f);
    wxWindow* canvas = f->CamberCanvas();
    wxUIActionSimulator sim;
    const wxPoint from = canvas->ClientToScreen(wxPoint(141, 145));
    sim.MouseMove(from);
    Pump(50);
    sim.MouseDown();
    for (int i = 1; i <= 10; ++i) {
        sim.MouseMove(from + wxPoint(0, -2 * i));
        Pump(20);
    }
    sim.MouseUp();
    ASSERT_TRUE(WaitFor([] { return CamberLineFrame::camberPoints[1].v > 0.03; }, 2000));
    EXPECT_DOUBLE_EQ(CamberLineFrame::camberPoints[1].x, 0.405);
    EXPECT_NE(f->ResultTexts()[kResultCamber]->GetLabel(), wxS("0.020"));
    // The red square stands at its new place on the screen.
    const wxImage shot = CaptureFrame(f);
    const wxPoint corner = canvas->GetScreenPosition() - f->GetScreenPosition();
    const int y = static_cast<int>(160 - CamberLineFrame::camberPoints[1].v * 1000);
    EXPECT_TRUE(IsRed(shot, corner + wxPoint(141 + 1, y)));
}

// A fast drag: the motions come faster than the window recalculates. The point ends at the
// pointer's last position, 1000 pixels per unit z/t above the chord line at y = 160.
TEST_F(ScreenCamberInput, FastRealDragEndsWhereThePointerEnds) {
    CamberLineFrame* f = dynamic_cast<CamberLineFrame*>(OpenCamberTask(1));
    Present(f);
    wxWindow* canvas = f->CamberCanvas();
    int from = 160 - static_cast<int>(std::lround(CamberLineFrame::camberPoints[1].v * 1000));
    for (int y : {130, 145, 125}) {
        SCOPED_TRACE(y);
        RealFastDrag(canvas, wxPoint(141, from), wxPoint(141, y));
        EXPECT_NEAR(CamberLineFrame::camberPoints[1].v, (160 - y) * 0.001, 1e-12);
        EXPECT_EQ(f->GetStatusBar()->GetStatusText(),
                  wxS("Drag-Position: 0.405000, ") + luvo::FormatWx("%f", (160 - y) * 0.001));
        from = y;
    }
}

// A brisk drag past the top of the plot (z/t = 0.1, 60 pixels down the canvas) to z/t = 0.12:
// however the toolkit merged the motions, the point stops at the edge, at 0.1 exactly.
TEST_F(ScreenCamberInput, BriskDragPastTheTopStopsAtTheEdge) {
    CamberLineFrame* f = dynamic_cast<CamberLineFrame*>(OpenCamberTask(1));
    Present(f);
    const int from = 160 - static_cast<int>(std::lround(CamberLineFrame::camberPoints[1].v * 1000));
    RealBriskDrag(f->CamberCanvas(), wxPoint(141, from), wxPoint(141, 40), 6);
    EXPECT_EQ(CamberLineFrame::camberPoints[1].x, 0.405);
    EXPECT_EQ(CamberLineFrame::camberPoints[1].v, 0.1);
}

// The coefficients that put a model through three points, each point giving the row `row(x)`
// of its equation row . s = value; solved by Gaussian elimination with partial pivoting, a way of
// its own beside the window's rule of Cramer.
using Row = std::array<double, 3>;
Row SolveThroughPoints(const CamberPointSet& points, const std::function<Row(double)>& row) {
    std::array<Row, 3> m{};
    Row rhs{};
    for (int k = 0; k < 3; ++k) {
        m[k] = row(points[k].x);
        rhs[k] = points[k].v;
    }
    for (int col = 0; col < 3; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 3; ++r) {
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
        }
        std::swap(m[col], m[pivot]);
        std::swap(rhs[col], rhs[pivot]);
        for (int r = col + 1; r < 3; ++r) {
            const double f = m[r][col] / m[col][col];
            for (int k = col; k < 3; ++k) m[r][k] -= f * m[col][k];
            rhs[r] -= f * rhs[col];
        }
    }
    Row s{};
    for (int r = 2; r >= 0; --r) {
        double sum = rhs[r];
        for (int k = r + 1; k < 3; ++k) sum -= m[r][k] * s[k];
        s[r] = sum / m[r][r];
    }
    return s;
}

// The shown coefficients and lift, to the three decimals of the texts.
template <class Window>
void ExpectCoefficients(Window* f, double a0, double a1, double a2) {
    EXPECT_NEAR(Value(f, kResultA0), a0, 0.00051);
    EXPECT_NEAR(Value(f, kResultA1), a1, 0.00051);
    EXPECT_NEAR(Value(f, kResultA2), a2, 0.00051);
    EXPECT_NEAR(Value(f, kResultCa), (2 * a0 + a1) * M_PI, 0.00051);
}

// A brisk drag, eight moves 8 ms apart (about 300 pixels per second) while the window is busy:
// the toolkit merges the motions, and the point picked at the press must still end at the
// pointer's last position, far outside the 6 pixels in which a press picks it. The results are
// those of the camber line z = c0 (1 - x) + A1 x (1 - x) - A2 x (1 - 4x + 8/3 x^2) through the
// points, solved here on its own.
TEST_F(ScreenCamberInput, BriskDragOfACamberPointEndsAtThePointer) {
    CamberLineFrame* f = dynamic_cast<CamberLineFrame*>(OpenCamberTask(1));
    Present(f);
    // Point 2 (0.4, 0.015902) has its square's corner at (140, 144); up 20 pixels, right 10.
    const wxPoint to(150, 124);
    RealBriskDrag(f->CamberCanvas(), wxPoint(140, 144), to);
    CamberPointSet points = kDefaultCamberPoints;
    points[1] = {(to.x - 60) / 200.0, (160 - to.y) / 1000.0};
    EXPECT_NEAR(CamberLineFrame::camberPoints[1].x, points[1].x, 1e-12);
    EXPECT_NEAR(CamberLineFrame::camberPoints[1].v, points[1].v, 1e-12);
    const auto [c0, a1, a2] = SolveThroughPoints(points, [](double x) {
        return Row{1 - x, x * (1 - x), -x * (1 - 4 * x + 8.0 / 3.0 * x * x)};
    });
    ExpectCoefficients(f, c0 + 5 * M_PI / 180, a1, a2);
    EXPECT_NEAR(Value(f, kResultCamber), a1 / 4, 0.00051);
}

// The same for the pressure task: point 2 (0.5, -0.328538), its square's corner at (160, 146),
// dragged 20 pixels up (more suction) and 6 to the right, where the press's window of 4 pixels
// above the point no longer reaches. The coefficients put the upper-side pressure
// p(x) = -(2 A0 sqrt((1 - x)/x) + 4 A1 sqrt(x (1 - x)) + 8 A2 (2x - 1) sqrt(x (1 - x)))
// through the points.
TEST_F(ScreenCamberInput, BriskDragOfAPressurePointEndsAtThePointer) {
    CamberPressureFrame* f = dynamic_cast<CamberPressureFrame*>(OpenCamberTask(2));
    Present(f);
    const wxPoint to(166, 127);
    RealBriskDrag(f->PressureCanvas(), wxPoint(160, 147), to);
    CamberPointSet points = kDefaultPressurePoints;
    points[1] = {(to.x - 60) / 200.0, (to.y - 160) / 40.0};
    EXPECT_NEAR(CamberPressureFrame::pressurePoints[1].x, points[1].x, 1e-12);
    EXPECT_NEAR(CamberPressureFrame::pressurePoints[1].v, points[1].v, 1e-12);
    const auto [a0, a1, a2] = SolveThroughPoints(points, [](double x) {
        const double root = std::sqrt(x * (1 - x));
        return Row{-2 * std::sqrt((1 - x) / x), -4 * root, -8 * (2 * x - 1) * root};
    });
    ExpectCoefficients(f, a0, a1, a2);
}

// For the flat plate the grey NACA line and the red approximation both run along the chord.
// The recalculation draws the grey line first, so red stays on top; the paint handler always
// draws red before grey.
TEST_F(ScreenCamberInput, FlatPlateRecalculationDrawsTheGreyLineBeforeTheRedOne) {
    CamberNacaFrame* f = dynamic_cast<CamberNacaFrame*>(OpenCamberTask(0));
    Present(f);
    wxWindow* canvas = f->LineCanvas();
    const auto chordPixel = [&] {
        const wxImage shot = ReadScreen(canvas);
        const wxPoint at = canvas->ClientToScreen(wxPoint(200, 160)) - canvas->GetScreenPosition();
        return wxColour(shot.GetRed(at.x, at.y), shot.GetGreen(at.x, at.y),
                        shot.GetBlue(at.x, at.y));
    };
    const auto isRed = [](const wxColour& c) { return c.Red() > 200 && c.Green() < 60; };
    const auto isGrey = [](const wxColour& c) {
        return c.Red() > 90 && c.Red() < 170 && std::abs(c.Red() - c.Green()) < 20 &&
               std::abs(c.Red() - c.Blue()) < 20;
    };
    const auto expectRedThenGreyAfterRepaint = [&] {
        EXPECT_TRUE(isRed(chordPixel()));
        canvas->Refresh();
        canvas->Update();
        Pump(100);
        EXPECT_TRUE(isGrey(chordPixel()));
    };
    {
        SCOPED_TRACE("camber 0");
        SetText(f->CamberDigitField(), wxS("0"));
        expectRedThenGreyAfterRepaint();
    }
    {
        SCOPED_TRACE("position 0");
        SetText(f->CamberDigitField(), wxS("3"));
        SetText(f->PositionField(), wxS("0"));
        expectRedThenGreyAfterRepaint();
    }
}

TEST_F(ScreenCamberInput, RealClicksSwitchToLiftModeAndTypeIntoTheField) {
    CamberNacaFrame* f = dynamic_cast<CamberNacaFrame*>(OpenCamberTask(0));
    Present(f);
    wxUIActionSimulator sim;
    wxWindow* radio = f->LiftRadio();
    sim.MouseMove(radio->GetScreenPosition() + wxPoint(6, radio->GetSize().y / 2));
    Pump(50);
    sim.MouseClick();
    ASSERT_TRUE(WaitFor([&] { return f->LiftField()->IsEnabled(); }, 2000));
    EXPECT_TRUE(f->LiftRadio()->GetValue());
    EXPECT_FALSE(f->AngleRadio()->GetValue());
    // A click into the field gives it the focus and selects its first five characters, all of
    // "0.500": typing replaces them.
    wxWindow* field = f->LiftField();
    sim.MouseMove(field->GetScreenPosition() + wxPoint(5, field->GetSize().y / 2));
    Pump(50);
    sim.MouseClick();
    ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == field; }, 2000));
    sim.Text("1");
    WaitFor([&] { return f->LiftField()->GetValue() == wxS("1"); }, 2000);
    EXPECT_EQ(f->LiftField()->GetValue(), wxS("1"));
    EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxS("1.000"));
}

// A minus sign begins a negative angle: the window keeps its last angle until a digit follows,
// and a sign left alone gets the range box when the field is left.
TEST_F(ScreenCamberInput, ALoneMinusWaitsForItsDigits) {
    CamberNacaFrame* f = dynamic_cast<CamberNacaFrame*>(OpenCamberTask(0));
    Present(f);
    wxTextCtrl* field = f->AngleField();
    wxStaticText* alpha = f->ResultTexts()[kResultAlpha];
    wxUIActionSimulator sim;
    BoxRecorder boxes;
    auto typeOver = [&](const char* text) {
        field->SetFocus();
        WaitFor([&] { return wxWindow::FindFocus() == field; }, 1000);
        field->SelectAll();
        sim.Text(text);
        WaitFor([&] { return field->GetValue() == wxString(text); }, 2000);
        Pump(100);
    };
    typeOver("-");
    EXPECT_EQ(alpha->GetLabel(), wxS("5.000"));
    sim.Text("7");
    WaitFor([&] { return field->GetValue() == wxS("-7"); }, 2000);
    Pump(100);
    EXPECT_EQ(alpha->GetLabel(), wxS("-7.000"));
    EXPECT_TRUE(boxes.boxes().empty());

    typeOver("-");
    EXPECT_EQ(alpha->GetLabel(), wxS("-7.000"));
    RealKey(WXK_TAB);
    WaitFor([&] { return !boxes.boxes().empty(); }, 2000);
    Pump(100);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, wxS("Eingabe des Winkels"));
    // Emptied, as after any rejected angle: the empty field reads as 0.
    EXPECT_EQ(field->GetValue(), wxEmptyString);
    EXPECT_EQ(alpha->GetLabel(), wxS("0.000"));
}

// The zero-lift angle of NACA 2412 in degrees from Glauert's integral, computed here on its own:
// alpha0 = -1/pi * integral over theta of dz/dx * (cos(theta) - 1).
double Naca2412ZeroLiftDegrees() {
    const double m = 0.02;
    const double p = 0.4;
    const int n = 20000;
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const double theta = M_PI * (i + 0.5) / n;
        const double x = 0.5 * (1 - std::cos(theta));
        const double slope =
            x < p ? 2 * m / (p * p) * (p - x) : 2 * m / ((1 - p) * (1 - p)) * (p - x);
        sum += slope * (std::cos(theta) - 1) * M_PI / n;
    }
    return -sum / M_PI * 180 / M_PI;
}

// Keyboard on the radio buttons through the X server: Down from the angle radio selects the
// lift radio natively, Up goes back, Space selects the focused radio.
TEST_F(ScreenCamberInput, ArrowKeysAndSpaceOnTheRadiosSwitchTheWholeMode) {
    CamberNacaFrame* f = dynamic_cast<CamberNacaFrame*>(OpenCamberTask(0));
    Present(f);
    const double ca = 0.5;  // the lift field's text
    const double alphaForCa = ca / (2 * M_PI) * 180 / M_PI + Naca2412ZeroLiftDegrees();
    const auto expectMode = [&](bool angleMode) {
        EXPECT_EQ(f->AngleRadio()->GetValue(), angleMode);
        EXPECT_EQ(f->LiftRadio()->GetValue(), !angleMode);
        EXPECT_EQ(f->AngleField()->IsEnabled(), angleMode);
        EXPECT_EQ(f->LiftField()->IsEnabled(), !angleMode);
        EXPECT_EQ(Status(f), angleMode ? wxS("Gewählt: Eingabe des Winkels")
                                       : wxS("Gewählt: Eingabe des Auftriebsbeiwertes"));
        if (angleMode) {
            EXPECT_EQ(f->ResultTexts()[kResultAlpha]->GetLabel(), wxS("5.000"));
        } else {
            EXPECT_NEAR(Value(f, kResultAlpha), alphaForCa, 0.0015);
            EXPECT_EQ(f->ResultTexts()[kResultCa]->GetLabel(), wxS("0.500"));
        }
    };
    f->AngleRadio()->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == f->AngleRadio(); }, 2000));
    {
        SCOPED_TRACE("Down");
        RealKey(WXK_DOWN);
        ASSERT_TRUE(WaitFor([&] { return f->LiftRadio()->GetValue(); }, 2000));
        expectMode(false);
        // Typing into the now enabled lift field shows its results, not the angle field's.
        f->LiftField()->SetFocus();
        ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == f->LiftField(); }, 2000));
        f->LiftField()->SelectAll();
        wxUIActionSimulator().Text("0.5");
        WaitFor([&] { return f->LiftField()->GetValue() == wxS("0.5"); }, 2000);
        expectMode(false);
    }
    // From the lift radio: Up selects the angle radio, Space then the focused lift radio.
    const struct {
        const char* name;
        int key;
        bool angleMode;
    } keys[] = {{"Up", WXK_UP, true}, {"Space", WXK_SPACE, false}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.name);
        f->LiftRadio()->SetFocus();
        ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == f->LiftRadio(); }, 2000));
        RealKey(k.key);
        ASSERT_TRUE(WaitFor([&] { return f->AngleRadio()->GetValue() == k.angleMode; }, 2000));
        expectMode(k.angleMode);
    }
}

}  // namespace
