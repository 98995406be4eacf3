// Layout of the lifting-line windows in GTK's fonts: boxes, labels and plot texts keep clear of
// each other and inside their canvases, also with unusual values.

#include <wx/dcmemory.h>
#include <wx/statbox.h>

#include <string>
#include <vector>

#include "common/gui/WxPlotPainter.h"
#include "llt/core/LltAnalysisRun.h"
#include "llt/core/LltPlotPaint.h"
#include "llt/gui/LltAnalysisFrame.h"
#include "llt/gui/LltChordDesignFrame.h"
#include "llt/gui/LltPlots.h"
#include "llt/gui/LltResultsFrame.h"
#include "llt/gui/LltTwistDesignFrame.h"
#include "tests/llt/core/LltTestWings.h"
#include "tests/support/GuiHarness.h"
#include "tests/support/PlotTexts.h"
#include "tests/support/RecordingPainter.h"

namespace {

using namespace luvo::test;

// The boxes of a window with this label.
std::vector<wxStaticBox*> BoxesLabelled(wxWindow* root, const wxString& label) {
    std::vector<wxStaticBox*> out;
    for (wxStaticBox* box : FindAll<wxStaticBox>(root)) {
        if (box->GetLabel() == label) out.push_back(box);
    }
    return out;
}

// Where each text of a plot lands in its canvas, in the plots' small font.
std::vector<std::pair<std::string, wxRect>> TextRects(const RecordingPainter& rec) {
    wxBitmap bitmap(10, 10, 24);
    wxMemoryDC dc(bitmap);
    dc.SetFont(luvo::PlotSmallFont());
    std::vector<std::pair<std::string, wxRect>> out;
    wxPoint origin(0, 0);
    for (const DrawStep& s : rec.steps) {
        if (s.kind == DrawStep::Origin) origin = wxPoint(s.x1, s.y1);
        if (s.kind != DrawStep::Text) continue;
        const wxSize extent = dc.GetTextExtent(wxString::FromUTF8(s.text));
        out.push_back({s.text, wxRect(origin + wxPoint(s.x1, s.y1), extent)});
    }
    return out;
}

class LltLayout : public GuiTest {};

TEST_F(LltLayout, TwistDesignResultsBoxAndScalingRadioDoNotOverlap) {
    auto* f = new LltTwistDesignFrame(wxS("Probe"), wxDefaultPosition, wxSize(775, 680),
                                      wxDEFAULT_FRAME_STYLE);
    wxStaticBox* results = nullptr;
    for (wxStaticBox* box : BoxesLabelled(f->GetPanel(), wxS("Ergebnisse:"))) {
        if (box->GetPosition().x == 25) results = box;
    }
    ASSERT_NE(results, nullptr);
    EXPECT_FALSE(results->GetRect().Intersects(f->twistScalingRadio->GetRect()));
    EXPECT_TRUE(results->GetRect().Contains(f->twistCanvas->GetRect()));
    EXPECT_LE(f->twistScalingRadio->GetRect().GetBottom(), f->GetPanel()->GetClientSize().y);
}

TEST_F(LltLayout, ResultsWindowHeadingStandsAboveTheGeometryBox) {
    auto* f = new LltResultsFrame(wxS("Ergebnisse"), wxDefaultPosition, wxSize(640, 390),
                                  wxDEFAULT_FRAME_STYLE);
    const std::vector<wxStaticBox*> heading = BoxesLabelled(f->GetPanel(), wxS("Ergebnisse:"));
    const std::vector<wxStaticBox*> geometry =
        BoxesLabelled(f->GetPanel(), wxS("Geometrische Ergebnisse:"));
    ASSERT_EQ(heading.size(), 1u);
    ASSERT_EQ(geometry.size(), 1u);
    const int headingBottom =
        heading[0]->GetPosition().y + heading[0]->GetTextExtent(heading[0]->GetLabel()).y;
    EXPECT_LE(headingBottom, geometry[0]->GetPosition().y);
}

// The twist result plot of a large twist, both scalings: every label inside the canvas.
TEST_F(LltLayout, TwistResultLabelsOfALargeTwistFitTheirCanvas) {
    auto* f = new LltTwistDesignFrame(wxS("Probe"), wxDefaultPosition, wxSize(775, 680),
                                      wxDEFAULT_FRAME_STYLE);
    const wxSize canvas = f->twistCanvas->GetClientSize();
    LltSolver s;
    s.SetStations(8.0);
    for (int i = 0; i <= 51; ++i) s.twistDeg[i] = -123.4 + 2.5 * i;  // root 4.1, tip -123.4
    s.twistMax = s.twistDeg[51];
    s.twistMin = s.twistDeg[0];
    for (double scaling : {0.0, 1.0}) {
        SCOPED_TRACE(scaling);
        RecordingPainter rec;
        PaintTwistResultPlot(rec, s, scaling);
        for (const auto& [text, rect] : TextRects(rec)) {
            if (rect.x > canvas.x / 2) {
                EXPECT_LE(rect.GetRight(), canvas.x) << text;
            }
        }
    }
}

// The chord result plot in true scale: "Profiltiefe [m]" keeps clear of the top label as the
// largest chord grows towards half the half span, and stays inside the canvas.
TEST_F(LltLayout, ChordResultCaptionKeepsClearOfTheTopLabel) {
    auto* f = new LltChordDesignFrame(wxS("Probe"), wxDefaultPosition, wxSize(845, 700),
                                      wxDEFAULT_FRAME_STYLE);
    const wxSize canvas = f->chordCanvas->GetClientSize();
    for (double ratio : {0.3, 0.44, 0.47, 0.49, 0.52}) {
        SCOPED_TRACE(ratio);
        LltSolver s;
        s.SetStations(10.0);
        s.chordMax = ratio * 5.0;
        RecordingPainter rec;
        PaintChordResultPlot(rec, s, 0.0);
        const auto rects = TextRects(rec);
        wxRect caption;
        for (const auto& [text, rect] : rects) {
            if (text == "Profiltiefe [m]") caption = rect;
        }
        ASSERT_FALSE(caption.IsEmpty());
        EXPECT_GE(caption.GetTop(), 0);
        for (const auto& [text, rect] : rects) {
            if (text != "Profiltiefe [m]") {
                EXPECT_FALSE(caption.Intersects(rect)) << text;
            }
        }
        EXPECT_LE(caption.GetBottom(), canvas.y);
    }
}

// The left caption of the twist plots: "alfa" with the subscripts written over its gaps.
const CaptionPieces kCaption = {"alfa", "rel              g_y          g_y=0",
                                "[°] = alfa       - alfa"};

// The twist plots of the analysis and chord design windows with their handles, in the small
// font on the canvas: at both windows' defaults, with a handle right under or above the span
// labels, with coinciding sections and with AB over the whole half span, no text covers
// another (the title the window writes included), a handle, an axis or a tick, or leaves the
// canvas.
TEST_F(LltLayout, TwistInputPlotTextsKeepClear) {
    auto* analysis = new LltAnalysisFrame(wxS("Probe"), wxDefaultPosition, wxSize(755, 690),
                                          wxDEFAULT_FRAME_STYLE);
    auto* design = new LltChordDesignFrame(wxS("Probe"), wxDefaultPosition, wxSize(845, 700),
                                           wxDEFAULT_FRAME_STYLE);
    const struct {
        const char* name;
        wxSize canvas;
        luvo::PlotText title;
        double b, alphaA, dB, dC, dD, s1, s2, s3;
    } cases[] = {
        {"analysis defaults", analysis->twistCanvas->GetClientSize(), kLltAnalysisTwistTitle, 8,
         5.0, -0.5, -0.8, -1.5, 50, 25, 25},
        {"chord design defaults", design->twistCanvas->GetClientSize(), kLltChordDesignTwistTitle,
         15, 5.0, -0.4, -0.75, -1.5, 50, 25, 25},
        {"B under the span label", design->twistCanvas->GetClientSize(), kLltChordDesignTwistTitle,
         15, 5.0, -1.0, -0.75, -1.5, 50, 25, 25},
        {"everything at 3 degrees", design->twistCanvas->GetClientSize(), kLltChordDesignTwistTitle,
         15, 5.0, 3.0, 3.0, 3.0, 50, 25, 25},
        {"B and C in one column", design->twistCanvas->GetClientSize(), kLltChordDesignTwistTitle,
         10, 2.0, -0.2, -0.2, -1.0, 50, 0, 50},
        {"AB over the half span", design->twistCanvas->GetClientSize(), kLltChordDesignTwistTitle,
         10, 2.0, -0.1, -0.1, -0.1, 100, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LltSolver s;
        s.SetStations(c.b);
        s.SetTrapezoidTwist(c.b, c.alphaA, c.dB, c.dC, c.dD, c.s1, c.s2, c.s3);
        RecordingPainter rec = MeasuringPainter(c.canvas);
        PaintTwistPlot(rec, s, c.title);
        PaintTwistHandles(rec, c.b, c.alphaA, c.dB, c.dC, c.dD, c.s1, c.s2, c.s3, c.title);
        const luvo::PlotSize title = SmallFontTextSize(c.title.text);
        const wxRect titleBox(c.title.x, c.title.y, title.width, title.height);
        EXPECT_EQ(CrowdedTexts(rec, c.canvas, {{"title", titleBox}}, kCaption),
                  std::vector<std::string>());
        EXPECT_EQ(TextsOnLines(rec, luvo::PlotPen::Axis(), kCaption), std::vector<std::string>());
        EXPECT_EQ(TextsOnHandles(rec), std::vector<std::string>());
    }
}

// The twist design's result plot of a twist spread over 793 degrees (a sixth: "132.2"): its
// left labels, five and six characters wide, end before the ticks and the axis in both
// scalings, and the curve, on the fixed axis far beyond it, stays below the title.
TEST_F(LltLayout, TwistResultOfALargeTwistKeepsLabelsAndCurveInPlace) {
    auto* f = new LltTwistDesignFrame(wxS("Probe"), wxDefaultPosition, wxSize(775, 680),
                                      wxDEFAULT_FRAME_STYLE);
    const wxSize canvas = f->twistCanvas->GetClientSize();
    LltSolver s;
    s.SetStations(8.0);
    // Root -700, tip 93.2: on the fixed axis the curve climbs far above the plot.
    for (int i = 0; i <= 51; ++i) s.twistDeg[i] = -700.0 + 793.2 * (51 - i) / 51.0;
    s.twistMax = s.twistDeg[0];
    s.twistMin = s.twistDeg[51];
    for (double scaling : {0.0, 1.0}) {
        SCOPED_TRACE(scaling);
        RecordingPainter rec = MeasuringPainter(canvas);
        PaintTwistResultPlot(rec, s, scaling);
        if (scaling == 0.0) {
            ASSERT_NE(rec.FindText("132.2"), nullptr);
        }
        EXPECT_EQ(TextsOnLines(rec, luvo::PlotPen::Axis(), kCaption), std::vector<std::string>());
        EXPECT_EQ(CrowdedTexts(rec, canvas, {}, kCaption), std::vector<std::string>());

        // No red above the top tick (30 pixels down the canvas), where the title stands.
        const wxImage image = RenderToImage(canvas.x, canvas.y, [&](wxDC& dc) {
            LltStartPlot(dc, wxS("Schränkungsverteilung"), 85, 17);
            DrawTwistResultPlot(dc, s, scaling);
        });
        int red = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < canvas.x; ++x) {
                red += image.GetRed(x, y) > 200 && image.GetGreen(x, y) < 100;
            }
        }
        EXPECT_EQ(red, 0);
    }
}

// A wing at a negative angle of attack: the circulation and the local lift of the analysis and
// the results plots lie below the span axis, which moves to the top of the band, with negative
// tick labels; nothing red above the axis, the curve's pixels between the axis and the band's
// bottom, and no text on another.
TEST_F(LltLayout, NegativeLiftIsDrawnBelowTheAxis) {
    LltAnalysisInputs in = llt_test::AnalysisWindowInputs();
    in.angleA = -6;
    const std::shared_ptr<LltSolver> s = LltSolveAnalysis(in);
    ASSERT_LT(s->clSolved, 0.0);
    auto* f = new LltAnalysisFrame(wxS("Probe"), wxDefaultPosition, wxSize(755, 690),
                                   wxDEFAULT_FRAME_STYLE);
    const wxSize canvas = f->circulationCanvas->GetClientSize();
    const struct {
        const char* name;
        wxPoint origin;
        void (*draw)(wxDC&, const LltSolver&);
        void (*paint)(luvo::PlotPainter&, const LltSolver&);
    } plots[] = {
        {"analysis", wxPoint(40, 113), DrawCirculationLiftPlot, PaintCirculationLiftPlot},
        {"results", wxPoint(60, 143), DrawResultsCirculationLiftPlot,
         PaintResultsCirculationLiftPlot},
    };
    for (const auto& plot : plots) {
        SCOPED_TRACE(plot.name);
        const wxImage image = RenderToImage(320, 230, [&](wxDC& dc) { plot.draw(dc, *s); });
        const int axis = plot.origin.y - 80;
        // Both curves in the band from the axis down to the largest magnitude; above the axis
        // only the captions.
        for (const wxColour& colour : {wxColour(255, 0, 0), wxColour(wxS("green"))}) {
            EXPECT_GT(CountPixels(image, colour, wxRect(plot.origin.x, axis + 2, 201, 80)), 100);
            EXPECT_EQ(CountPixels(image, colour, wxRect(0, 0, 320, axis - 1)), 0);
        }

        RecordingPainter rec = MeasuringPainter(canvas);
        plot.paint(rec, *s);
        // The bottom label of each scale is the largest magnitude, negative.
        int negative = 0;
        for (const PlacedText& t : TextBoxes(rec)) negative += t.text.rfind("-", 0) == 0;
        EXPECT_EQ(negative, 8);
        if (plot.origin == wxPoint(40, 113)) {
            EXPECT_EQ(CrowdedTexts(rec, canvas), std::vector<std::string>());
        }
    }
}

// The chord plots of the analysis and twist design windows with their handles, in the small
// font on the canvas: at the defaults, at spans of 20 m and 100 m, where the chord axis's ticks
// stand 7.5 and 1.5 pixels apart and the handles sit on the span labels, and with every chord at
// its largest value, 50 m, on a span of 100 m: no text covers another, a handle or an axis, or
// leaves the canvas.
TEST_F(LltLayout, ChordPlotTextsKeepClear) {
    auto* analysis = new LltAnalysisFrame(wxS("Probe"), wxDefaultPosition, wxSize(755, 690),
                                          wxDEFAULT_FRAME_STYLE);
    auto* design = new LltTwistDesignFrame(wxS("Probe"), wxDefaultPosition, wxSize(775, 680),
                                           wxDEFAULT_FRAME_STYLE);
    const struct {
        const char* name;
        const char* tour;  // the tour picture's name
        double b, cA, cB, cC, cD;
    } wings[] = {
        {"defaults", "defaults", 8, 2.0, 1.7, 1.3, 0.6},
        {"span 20 m", "span_20", 20, 1.5, 1.5, 1.0, 0.5},
        {"span 100 m", "span_100", 100, 1.5, 1.5, 1.0, 0.5},
        {"chords of 50 m", "chords_50", 100, 50, 50, 50, 50},
    };
    const struct {
        const char* name;
        LltChordPlotLayout layout;
        wxSize canvas;
    } plots[] = {
        {"analysis", LltChordPlotLayout::Analysis, analysis->chordCanvas->GetClientSize()},
        {"twist design", LltChordPlotLayout::TwistDesign, design->chordCanvas->GetClientSize()},
    };
    for (const auto& plot : plots) {
        for (const auto& w : wings) {
            SCOPED_TRACE(std::string(plot.name) + ", " + w.name);
            LltSolver s;
            s.SetStations(w.b);
            s.SetTrapezoidChord(w.b, 50, 25, 25, w.cA, w.cB, w.cC, w.cD);
            RecordingPainter rec = MeasuringPainter(plot.canvas);
            PaintChordPlot(rec, s, plot.layout);
            PaintChordHandles(rec, w.b, 50, 25, 25, w.cA, w.cB, w.cC, w.cD, plot.layout);
            EXPECT_EQ(CrowdedTexts(rec, plot.canvas), std::vector<std::string>());
            EXPECT_EQ(TextsOnHandles(rec), std::vector<std::string>());
            EXPECT_EQ(TextsOnLines(rec, luvo::PlotPen::StockBlack()), std::vector<std::string>());
            // The handles' labels are all there.
            for (const char* label : {" A ", " B ", " C ", " D "}) {
                EXPECT_NE(rec.FindText(label), nullptr) << label;
            }
            if (plot.layout == LltChordPlotLayout::Analysis) {
                SaveTourImage(RenderToImage(plot.canvas.x, plot.canvas.y,
                                            [&](wxDC& dc) {
                                                LltStartPlot(dc, wxS("Tiefenverteilung"), 115, 10);
                                                DrawChordPlot(dc, s, plot.layout);
                                                DrawChordHandles(dc, w.b, 50, 25, 25, w.cA, w.cB,
                                                                 w.cC, w.cD, plot.layout);
                                            }),
                              std::string("llt_chord_plot_") + w.tour);
            }
        }
    }
}

}  // namespace
