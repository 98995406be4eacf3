// The results windows of the panel method on real small runs: values, warnings, info boxes, the
// cp scale, the speed-polar choice, and windows that keep their own run.

#include <wx/app.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "common/core/CpPlot.h"
#include "common/gui/WxPlotPainter.h"
#include "panel3d/core/Panel3dEvaluationRecord.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/gui/Panel3dPolarResultsFrame.h"
#include "panel3d/gui/Panel3dResultsFrame.h"
#include "panel3d/gui/Panel3dShowResultsWindow.h"
#include "tests/panel3d/core/Panel3dSolverFixtures.h"
#include "tests/support/GuiHarness.h"
#include "tests/support/InfoBox.h"

namespace {

using namespace luvo::test;

wxString Status(wxFrame* f) { return f->GetStatusBar()->GetStatusText(0); }

void Settle() {
    wxTheApp->ProcessIdle();
    Pump(20);
}

// The default wing (changed by `change` when given) with N chordwise and M spanwise panels
// solved at each angle (flat wake, half model), evaluated in the task mode as a run does it.
Panel3dRun SolvedRun(int n, int m, int mode, std::vector<double> alphas,
                     void (*change)(Panel3dModel&) = nullptr) {
    Panel3dRun run;
    run.evaluator = std::make_shared<Panel3dPolarEvaluator>();
    run.evaluator->SetFlowState(30, 1.5e-5, mode, alphas.front(), 2, alphas.size(), 90, 30, 5, 300,
                                0.8);
    for (size_t p = 0; p < alphas.size(); ++p) {
        run.model = panel3d_test::PreparedWing(n, m, 5, 1, alphas[p], change);
        EXPECT_TRUE(run.model && panel3d_test::SolveRun(*run.model, 0));
        run.evaluator->SetOperatingPoint(alphas[p], static_cast<int>(p) + 1);
        run.evaluator->EvaluateProfileDrag(*run.model);
    }
    run.record = run.evaluator->Record();
    return run;
}

Panel3dRun SingleState(double k = -1) {
    Panel3dRun run = SolvedRun(4, 4, 0, {4.0});
    if (k >= 0 || std::isnan(k)) run.model->kFactor = k;
    return run;
}

// A speed polar of five speeds, its series written by hand on a lift-polar run's record.
Panel3dRun SpeedPolar() {
    Panel3dRun run = SolvedRun(4, 4, 1, {-4.0, 0.0});
    std::array<double, 9> flow = run.record->FlowState();
    flow[4] = 5;
    auto r = std::make_shared<Panel3dEvaluationRecord>(4, 4, flow, 2);
    const std::vector<double> vh = {30, 45, 60, 75, 90};
    for (auto* v : {&r->flightSpeedFlatPlate, &r->flightSpeedIntegral, &r->flightSpeedInduced,
                    &r->flightSpeedXfoil}) {
        *v = vh;
    }
    for (auto* v : {&r->sinkSpeedFlatPlate, &r->sinkSpeedIntegral, &r->sinkSpeedInduced,
                    &r->sinkSpeedXfoil}) {
        *v = {-0.9, -0.8, -1.0, -1.5, -2.2};
    }
    for (auto* v : {&r->powerFlatPlate, &r->powerIntegral, &r->powerInduced, &r->powerXfoil,
                    &r->thrustFlatPlate, &r->thrustIntegral, &r->thrustInduced, &r->thrustXfoil}) {
        *v = {300, 250, 320, 500, 800};
    }
    run.record = r;
    return run;
}

// Repaints the canvas through its own paint handler, as uncovering the window does.
void Repaint(wxWindow* canvas) {
    canvas->Refresh();
    canvas->Update();
}

const wxColour kCurveRed(255, 0, 0);
const wxColour kCurveGreen(0, 255, 0);
const wxColour kEllipseGrey(192, 192, 192);
// Canvas pixels of the centred plots (origin 160, 110): the plot above its x axis (between the
// arrow heads and the labels of the x axis), the axis row, and the part below the axis left of
// the legend.
const wxRect kAboveAxis(41, 40, 238, 46);
const wxRect kAxisRow(41, 110, 238, 1);
const wxRect kBelowAxisLeft(41, 113, 94, 65);

class Panel3dResultsTest : public GuiTest {};

// A symmetric wing at 0 degrees has no lift, at -4 degrees negative lift. The window's plots
// paint in their own handlers without a failed check; without lift ca and Gamma lie on the axis
// and there is no elliptic comparison, with negative lift it is drawn below the axis.
TEST_F(Panel3dResultsTest, SpanPlotOfAWingWithoutAndWithNegativeLift) {
    const struct {
        double alpha;
        bool below;
    } cases[] = {{0.0, false}, {-4.0, true}};
    for (const auto& c : cases) {
        const Panel3dRun run = SolvedRun(4, 4, 0, {c.alpha}, panel3d_test::MakeSymmetric);
        EXPECT_EQ(std::fabs(run.model->totalLift) < 1e-12, !c.below) << run.model->totalLift;
        auto* f = dynamic_cast<Panel3dResultsFrame*>(Panel3dShowResultsWindow(0, run));
        ASSERT_NE(f, nullptr);
        Pump();
        Repaint(f->spanLoadCanvas);
        Repaint(f->pressureCanvas);
        const wxImage img = RenderToImage(330, 200, [&](wxDC& dc) {
            luvo::DrawOn(dc, DrawPanel3dSpanLoad, Panel3dSpanSeriesOf(f->Run()));
        });
        EXPECT_EQ(CountPixels(img, kEllipseGrey, kAboveAxis), 0) << c.alpha;
        for (const wxColour& colour : {kCurveRed, kCurveGreen}) {
            EXPECT_EQ(CountPixels(img, colour, kAboveAxis), 0) << c.alpha;
        }
        if (c.below) {
            EXPECT_GT(CountPixels(img, kEllipseGrey, kBelowAxisLeft), 20);
            EXPECT_GT(CountPixels(img, kCurveGreen, kBelowAxisLeft), 20);
        } else {
            EXPECT_EQ(CountPixels(img, kEllipseGrey, kBelowAxisLeft), 0);
            EXPECT_EQ(CountPixels(img, kCurveGreen, kBelowAxisLeft), 0);
            EXPECT_GT(CountPixels(img, kCurveGreen, kAxisRow), 100);
        }
        f->Destroy();
    }
}

// A lift polar of a symmetric wing through zero lift: the window paints without a failed check,
// and the pressure-point curve leaves out the point at 0 degrees, which has no position, instead
// of dipping to the axis there.
TEST_F(Panel3dResultsTest, LiftPolarThroughZeroLiftLeavesOutThePressurePointThere) {
    const Panel3dRun run = SolvedRun(4, 3, 1, {-4, -2, 0, 2, 4}, panel3d_test::MakeSymmetric);
    auto* f = dynamic_cast<Panel3dPolarResultsFrame*>(Panel3dShowResultsWindow(1, run));
    ASSERT_NE(f, nullptr);
    Pump();
    Repaint(f->liftAlphaCanvas);
    Repaint(f->dragPolarCanvas);
    const wxImage img = RenderToImage(330, 200, [&](wxDC& dc) {
        luvo::DrawOn(dc, DrawPanel3dLiftAlpha, Panel3dPolarSeriesOf(f->Run()));
    });
    // alpha -4 to 4 spans x 40 to 280, the point at 0 degrees lies at x 160; the legend is
    // further down.
    EXPECT_EQ(CountPixels(img, kCurveGreen, wxRect(105, 0, 111, 140)), 0);
    EXPECT_GT(CountPixels(img, kCurveGreen, wxRect(41, 0, 58, 140)), 10);
    EXPECT_GT(CountPixels(img, kCurveGreen, wxRect(222, 0, 58, 140)), 10);
    // cA runs straight through zero at 0 degrees.
    EXPECT_GT(CountPixels(img, kCurveRed, wxRect(105, 0, 111, 140)), 50);
}

TEST_F(Panel3dResultsTest, SingleStateShowsItsRunsValues) {
    const Panel3dRun run = SingleState();
    auto* f = dynamic_cast<Panel3dResultsFrame*>(Panel3dShowResultsWindow(0, run));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->GetTitle(), wxS("Ergebnisse"));
    EXPECT_EQ(f->GetSize(), wxSize(640, 565));
    EXPECT_EQ(Status(f), wxS("Ergebnisse"));
    const Panel3dModel& m = *run.model;
    const double values[9] = {m.totalLift,      m.totalInducedDrag, m.momentX,
                              m.momentY,        m.momentZ,          m.referenceArea,
                              m.referenceChord, m.kFactor,          run.record->totals[1]};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(f->valueTexts[i]->GetLabel(), wxString::Format("%1.3f", values[i])) << i;
    }
    // "cWr gesamt" is the integral method's total (1), which differs from the flat plate's (0).
    EXPECT_NE(wxString::Format("%1.3f", run.record->totals[0]),
              wxString::Format("%1.3f", run.record->totals[1]));
    EXPECT_EQ(f->valueTexts[8]->GetPosition().y, 100);
    EXPECT_GT(m.totalLift, 0.1);

    EXPECT_EQ(f->spanLoadCanvas->GetToolTipText(), wxS("ca über y"));
    EXPECT_EQ(f->pressureCanvas->GetToolTipText(), wxS("cp über x"));
    EXPECT_EQ(f->closeButton->GetToolTipText(), wxS("Schließen"));
    EXPECT_EQ(f->pressureCanvas->GetPosition(), wxPoint(10, 225));
    EXPECT_EQ(f->spanLoadCanvas->GetSize(), wxSize(330, 200));
    EXPECT_EQ(f->xfoilButton->GetLabel(), wxS("X&FOIL starten"));
    EXPECT_EQ(f->xfoilButton->GetId(), 17);
    EXPECT_EQ(f->cpScaleRadioBox->GetSelection(), 0);
    EXPECT_EQ(f->cpScaleRadioBox->GetString(1), wxS("cp-Skala nicht skaliert"));
    const std::vector<wxString> texts = StaticTexts(f);
    for (const wxChar* t : {L"Detaillierte Widerstandsberechnung mit XFOIL ", L"cWr gesamt  [-]:",
                            L"Bezugsflügelfläche  [m²]:", L"k-Faktor [-]:"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), wxString(t)), texts.end()) << t;
    }

    wxString statusWhileOpen;
    const ShownBox box = ShowInfoBox(f, &statusWhileOpen);
    EXPECT_EQ(box.caption, wxS("INFO Ausgabe der Ergebnisse"));
    EXPECT_TRUE(box.message.StartsWith(wxS("Hier wird ein Teil der errechneten Ergebnisse")));
    EXPECT_TRUE(box.message.EndsWith(
        wxS("Hier kann die Widerstandsberechnung mit dem Programm XFOIL gestartet werden.")));
    EXPECT_TRUE(box.HasIcon(wxICON_INFORMATION));
    EXPECT_EQ(statusWhileOpen, wxS("Info"));
    EXPECT_EQ(Status(f), wxS("Ergebnisse"));

    wxWeakRef<wxFrame> ref(f);
    Click(f->closeButton);
    Settle();
    EXPECT_FALSE(ref);
}

TEST_F(Panel3dResultsTest, KFactorWarningBelowOneAndWithoutNumber) {
    const struct {
        double k;
        const wchar_t* label;
        bool warning;
    } cases[] = {{0.999, L"0.999", true},
                 {1.0, L"1.000", false},
                 {9999, L"9999.000", false},
                 {std::numeric_limits<double>::quiet_NaN(), L"---", true}};
    for (const auto& c : cases) {
        auto* f = dynamic_cast<Panel3dResultsFrame*>(Panel3dShowResultsWindow(0, SingleState(c.k)));
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->valueTexts[7]->GetLabel(), wxString(c.label));
        ASSERT_EQ(f->kFactorWarningCanvas != nullptr, c.warning) << c.k;
        if (c.warning) {
            EXPECT_EQ(f->kFactorWarningCanvas->GetPosition(), wxPoint(349, 340));
            EXPECT_EQ(f->kFactorWarningCanvas->GetSize(), wxSize(272, 50));
            EXPECT_EQ(f->kFactorWarningCanvas->GetBackgroundColour(), *wxLIGHT_GREY);
            EXPECT_EQ(f->kFactorWarningCanvas->Lines(),
                      (std::vector<std::string>{"ACHTUNG: Der k-Faktor ist wegen zu",
                                                "grober  Diskretisierung sehr ungenau"}));
        }
        f->Destroy();
    }
}

TEST_F(Panel3dResultsTest, LiftPolarsShowTheirNeutralPointOnce) {
    Panel3dRun run = SolvedRun(4, 3, 1, {-4, -2, 0, 2});
    auto* f = dynamic_cast<Panel3dPolarResultsFrame*>(Panel3dShowResultsWindow(1, run));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->GetTitle(), wxS("Polaren"));
    EXPECT_EQ(f->GetSize(), wxSize(640, 565));
    EXPECT_EQ(Status(f), wxS("Ergebnisse"));
    const Panel3dEvaluationRecord& r = *run.record;
    const double lnp = (r.GetPointCmy(0) - r.GetPointCmy(3)) * run.model->referenceChord /
                       (r.GetPointCa(3) - r.GetPointCa(0));
    EXPECT_EQ(f->neutralPointText->GetLabel(), wxString::Format("%1.3f", lnp));
    EXPECT_EQ(f->dragPolarCanvas->GetToolTipText(), wxS("cA über cW"));
    EXPECT_EQ(f->liftAlphaCanvas->GetToolTipText(), wxS("cA über alpha"));
    EXPECT_EQ(f->liftAlphaCanvas->GetPosition(), wxPoint(10, 225));
    const std::vector<wxString> texts = StaticTexts(f);
    for (const wxChar* t :
         {L"Lage desNeutralpunkts l_NP [m]:", L"Detailierte Widerstandsberechnung mit XFOIL "}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), wxString(t)), texts.end()) << t;
    }
    wxString statusWhileOpen;
    const ShownBox box = ShowInfoBox(f, &statusWhileOpen);
    EXPECT_EQ(box.caption, wxS("INFO Ausgabe der Ergebnisse"));
    EXPECT_EQ(box.message, wxS("Hier wird ein Teil der errechneten Ergebnisse ausgegeben: \n\n - "
                               "Die Lilienthalpolare ( cA / cW ) \n - cA / alpha  Polare\n - "
                               "Druckpunktwanderung\n - Neutralpunkt"));
    EXPECT_EQ(statusWhileOpen, wxS("Info"));
    EXPECT_EQ(Status(f), wxS("Ergebnisse"));

    // Equal lifts at both ends have no neutral point.
    auto equalEnds = std::make_shared<Panel3dEvaluationRecord>(*run.record);
    equalEnds->pointCa[3] = equalEnds->pointCa[0];
    run.record = equalEnds;
    auto* equal = dynamic_cast<Panel3dPolarResultsFrame*>(Panel3dShowResultsWindow(1, run));
    EXPECT_EQ(equal->neutralPointText->GetLabel(), wxS("---"));
}

TEST_F(Panel3dResultsTest, SpeedPolarChoiceReplacesTheLowerCanvas) {
    auto* f =
        dynamic_cast<Panel3dSpeedPolarResultsFrame*>(Panel3dShowResultsWindow(2, SpeedPolar()));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->GetTitle(), wxS("Polaren"));
    EXPECT_EQ(f->speedPolarCanvas->GetToolTipText(), wxS("Sinkflugpolare"));
    EXPECT_EQ(f->lowerCanvas->GetToolTipText(), wxS("Leistungspolare"));
    EXPECT_NE(dynamic_cast<Panel3dPowerPolarCanvas*>(f->lowerCanvas), nullptr);
    EXPECT_EQ(f->polarRadioBox->GetName(), wxS("radioBox"));
    EXPECT_EQ(f->polarRadioBox->GetString(1), wxS("Schubpolare"));

    wxWeakRef<wxWindow> power(f->lowerCanvas);
    SelectRadio(f->polarRadioBox, 1);
    Settle();
    EXPECT_FALSE(power);
    EXPECT_NE(dynamic_cast<Panel3dThrustPolarCanvas*>(f->lowerCanvas), nullptr);
    EXPECT_EQ(f->lowerCanvas->GetPosition(), wxPoint(10, 225));
    EXPECT_EQ(f->lowerCanvas->GetSize(), wxSize(330, 200));
    EXPECT_EQ(f->lowerCanvas->GetToolTipText(), wxString());
    wxWeakRef<wxWindow> thrust(f->lowerCanvas);
    SelectRadio(f->polarRadioBox, 0);
    Settle();
    EXPECT_FALSE(thrust);
    EXPECT_NE(dynamic_cast<Panel3dPowerPolarCanvas*>(f->lowerCanvas), nullptr);
    EXPECT_EQ(FindAll<Panel3dPlotCanvas>(f).size(), 2u);

    wxString statusWhileOpen;
    const ShownBox box = ShowInfoBox(f, &statusWhileOpen);
    EXPECT_TRUE(box.message.EndsWith(wxS("die mit Tecplot ausgewertet werden können.")));
    EXPECT_EQ(Status(f), wxS("Ergebnisse"));
}

TEST_F(Panel3dResultsTest, SpeedPolarStatusNamesTheSpeedsFlownShortOfTheirDemandedLift) {
    struct Case {
        std::vector<double> liftFactor;  // flown lift over the demand, per speed 30 .. 90 m/s
        wxString status;
    };
    const Case cases[] = {
        {{1.0, 1.004, 0.996, 1.0, 1.0}, wxS("Ergebnisse")},
        {{0.5, 1.0, 1.0, 1.0, 1.0},
         wxS("Ergebnisse - geforderter Auftrieb nicht erreicht bei v = 30.0 m/s")},
        {{0.2, 0.7, 1.0, 1.006, 1.0},
         wxS("Ergebnisse - geforderter Auftrieb nicht erreicht bei 3 Geschwindigkeiten (v = 30.0 "
             "bis 75.0 m/s)")},
    };
    for (const Case& c : cases) {
        Panel3dRun run = SpeedPolar();
        auto r = std::make_shared<Panel3dEvaluationRecord>(*run.record);
        ASSERT_EQ(r->FlowState()[7], 300);  // the wing loading [N/m^2]
        r->pointSpeed = {30, 45, 60, 75, 90};
        for (int p = 0; p < 5; ++p) {
            const double v = r->pointSpeed[p];
            r->pointCa[p] = c.liftFactor[p] * 2 * 300 / (1.225 * v * v);
        }
        r->evaluatedPoints = 5;
        run.record = r;
        auto* f = dynamic_cast<Panel3dSpeedPolarResultsFrame*>(Panel3dShowResultsWindow(2, run));
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(Status(f), c.status);
        // The info box borrows the line and gives it back.
        wxString statusWhileOpen;
        ShowInfoBox(f, &statusWhileOpen);
        EXPECT_EQ(statusWhileOpen, wxS("Info"));
        EXPECT_EQ(Status(f), c.status);
        f->Destroy();
        Settle();
    }
}

TEST_F(Panel3dResultsTest, OlderWindowKeepsItsRunAfterARunWithOtherCounts) {
    auto* first = dynamic_cast<Panel3dResultsFrame*>(Panel3dShowResultsWindow(0, SingleState()));
    const wxString lift = first->valueTexts[0]->GetLabel();
    const Panel3dRun second = SolvedRun(6, 2, 0, {8.0});
    Panel3dShowResultsWindow(0, second);
    EXPECT_EQ(first->valueTexts[0]->GetLabel(), lift);
    EXPECT_EQ(first->Run().model->SpanPanels(), 4);
    EXPECT_EQ(first->Run().record->SpanPanels(), 4);
    // Its plots still draw the first run: eight strips, cp of strip 2 and strip 3.
    EXPECT_EQ(Panel3dSpanSeriesOf(first->Run()).stripLift.size(), 8u);
    EXPECT_EQ(Panel3dSpanSeriesOf(first->Run()).eta.size(), 8u);
    first->Show();
    first->spanLoadCanvas->Refresh();
    first->spanLoadCanvas->Update();
    first->pressureCanvas->DrawFixedScale();
    Pump();
}

// The pressure plot on the screen: the row of the cp = 0 axis, 110 pixels down the canvas on
// the fixed scale and 60 - 120 / n further on the fitted one.
class ScreenPanel3dResults : public Panel3dResultsTest {
  protected:
    static int AxisRow(wxWindow* canvas, std::vector<int> rows) {
        const wxImage shot = ReadScreen(canvas);
        for (int y : rows) {
            int dark = 0;
            for (int x = 60; x < 260; ++x) {
                dark += shot.GetRed(x, y) < 100 && shot.GetGreen(x, y) < 100;
            }
            if (dark > 150) return y;
        }
        return -1;
    }
};

TEST_F(ScreenPanel3dResults, ScaleChoiceDrawsAtOnceAndAnExposeBringsTheFittedAxisBack) {
    wxUIActionSimulator().MouseMove(1270, 1010);
    const Panel3dRun run = SingleState();
    const int n =
        luvo::CpPlotScaledSteps(Panel3dTipCpStrip(*run.model), Panel3dRootCpStrip(*run.model));
    ASSERT_GE(n, 3);  // the fitted axis lies apart from the fixed one
    const int fitted = 110 + 60 - 120 / n;
    auto* f = dynamic_cast<Panel3dResultsFrame*>(Panel3dShowResultsWindow(0, run));
    CaptureFrame(f);
    EXPECT_EQ(AxisRow(f->pressureCanvas, {fitted, 110}), fitted);
    SelectRadio(f->cpScaleRadioBox, 1);
    EXPECT_EQ(AxisRow(f->pressureCanvas, {fitted, 110}), 110);
    f->pressureCanvas->Refresh();
    f->pressureCanvas->Update();
    EXPECT_EQ(f->cpScaleRadioBox->GetSelection(), 1);
    EXPECT_EQ(AxisRow(f->pressureCanvas, {fitted, 110}), fitted);
    SelectRadio(f->cpScaleRadioBox, 1);
    EXPECT_EQ(AxisRow(f->pressureCanvas, {fitted, 110}), 110);
    SelectRadio(f->cpScaleRadioBox, 0);
    EXPECT_EQ(AxisRow(f->pressureCanvas, {fitted, 110}), fitted);
}

TEST_F(ScreenPanel3dResults, Tour) {
    wxUIActionSimulator().MouseMove(1270, 1010);
    auto* single = dynamic_cast<Panel3dResultsFrame*>(Panel3dShowResultsWindow(0, SingleState()));
    SaveTourShot(single, "panel3d_results");
    single->Destroy();
    // A symmetric wing at 0 degrees: no lift, so no elliptic comparison curve.
    auto* zeroLift =
        Panel3dShowResultsWindow(0, SolvedRun(4, 4, 0, {0.0}, panel3d_test::MakeSymmetric));
    SaveTourShot(zeroLift, "panel3d_results_zero_lift");
    zeroLift->Destroy();
    auto* coarse =
        dynamic_cast<Panel3dResultsFrame*>(Panel3dShowResultsWindow(0, SingleState(0.95)));
    CaptureFrame(coarse);
    SelectRadio(coarse->cpScaleRadioBox, 1);
    // As drawn at the choice: a tour shot's own repaint would bring the fitted scale back. The
    // radio box repaints itself meanwhile; the canvas is not invalidated.
    Pump(100);
    if (const char* folder = std::getenv("LUVO_SCREENSHOT_DIR")) {
        ReadScreen(coarse).SaveFile(
            wxString::FromUTF8(folder) + "/panel3d_results_warning_fixed_cp.png",
            wxBITMAP_TYPE_PNG);
    }
    coarse->Destroy();
    auto* polars = Panel3dShowResultsWindow(1, SolvedRun(4, 3, 1, {-4, -2, 0, 2}));
    SaveTourShot(polars, "panel3d_lift_polars");
    polars->Destroy();
    auto* speed =
        dynamic_cast<Panel3dSpeedPolarResultsFrame*>(Panel3dShowResultsWindow(2, SpeedPolar()));
    SaveTourShot(speed, "panel3d_speed_polars");
    SelectRadio(speed->polarRadioBox, 1);
    SaveTourShot(speed, "panel3d_speed_polars_thrust");
}

}  // namespace
