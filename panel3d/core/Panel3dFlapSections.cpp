#include "panel3d/core/Panel3dFlapSections.h"

#include <cmath>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"

namespace {

constexpr double kPixelLimit = 32767;

// A row exists in the model: the choosers keep the entries of the model they were built for,
// a later model may have fewer rows.
bool RowInModel(const Panel3dModel* model, int row) {
    return model != nullptr && row >= 0 && row <= 2 * model->SpanPanels() &&
           model->SpanPanels() > 0 && model->ChordPanels() > 0 &&
           model->wingPanels.size() == static_cast<std::size_t>(model->WingPanelCount());
}

// The cut of one row in the x-z plane, from its own leading edge and scaled so that the
// distance from the point next to the trailing edge to the leading edge fills the width.
void DrawCut(luvo::PlotPixels& p, const Panel3dModel& model, int row, double width) {
    const int n = model.ChordPanels();
    const int m = model.SpanPanels();
    // The last row is only the second side of the last strip.
    const int strip = row == 2 * m ? 2 * m - 1 : row;
    const int a = row == 2 * m ? 0 : 1;
    const int b = row == 2 * m ? 3 : 2;
    const Panel3dPanel* panels = &model.wingPanels[static_cast<std::size_t>(2 * n * strip)];
    const double xR = panels[n - 1].cornerX[a];
    const double zR = panels[n - 1].cornerZ[a];
    const double l = (width - 50) / (panels[0].cornerX[a] - xR);
    for (int i = 0; i < 2 * n; ++i) {
        const Panel3dPanel& q = panels[i];
        const double xa = l * (q.cornerX[a] - xR);
        const double za = -l * (q.cornerZ[a] - zR);
        p.Line(xa, za, l * (q.cornerX[b] - xR), -l * (q.cornerZ[b] - zR));
        p.Dot(xa + 1, za, 4);
    }
}

// Plan-view pixels: 80 per half span, root trailing edge at the origin, y downstream.
struct PlanPixels {
    double rootLe = 0;  // L_r
    double tipLe = 0;   // L_t
    double tipTe = 0;   // T_t
};

// y of the leading-edge point of row r <= M (the right half).
double LeadingEdgeY(const Panel3dModel& model, int row) {
    const int n = model.ChordPanels();
    return model.wingPanels[static_cast<std::size_t>(2 * n * row + n - 1)].cornerY[1];
}

// The line across the plan view where the cut of `row` lies. Its place comes from the
// leading-edge y of the row (or its mirror on the left half) against the tip's, which stays
// defined on an unswept wing.
void DrawMarker(luvo::PlotPixels& p, const Panel3dModel& model, int row, const PlanPixels& px) {
    const int m = model.SpanPanels();
    const int mirrored = row <= m ? row : 2 * m - row;
    const double b = 80.0 * LeadingEdgeY(model, mirrored) / LeadingEdgeY(model, 0);
    const double side = row <= m ? b : -b;
    p.Line(side, px.rootLe + (px.tipLe - px.rootLe) * b / 80.0, side, px.tipTe * b / 80.0);
}

}  // namespace

Panel3dSectionRows Panel3dChosenRows(int firstChoice, int secondChoice, int spanPanels) {
    Panel3dSectionRows rows{firstChoice - 1, secondChoice - 1};
    if (rows.first < 0 && rows.second < 0) rows.first = spanPanels;
    return rows;
}

void PaintFlapSections(luvo::PlotPainter& painter, const Panel3dSectionView& view) {
    luvo::PlotPixels p(painter, kPixelLimit);
    const double w = std::trunc(view.width);
    const double h = std::trunc(view.height);
    p.Origin(0, 0);
    p.SmallFont();
    p.Text("Schnitt durch Tragflügel entlang Panelkanten:", 60, 10);

    p.Origin(20, static_cast<int>(h) - 20);
    p.Pen(luvo::PlotPen::Red());
    p.Line(0, 0, 41, 0);
    p.Line(35, 5, 40, 0);
    p.Line(35, -5, 40, 0);
    p.Line(0, 0, 0, -41);
    p.Line(-5, -35, 0, -40);
    p.Line(5, -35, 0, -40);
    p.Pen(luvo::PlotPen::StockBlack());
    p.TextColour(luvo::PlotColour::Red());
    p.Text("X", 50, -6);
    p.Text("Z", -3, -55);
    p.TextColour(luvo::PlotColour::Black());

    const Panel3dModel* model = view.model;
    const int m = model != nullptr ? model->SpanPanels() : 0;
    const Panel3dSectionRows rows = Panel3dChosenRows(view.firstChoice, view.secondChoice, m);
    p.Origin(25, 165);
    if (rows.second >= 0) {
        p.Brush(luvo::PlotBrush::Solid(luvo::PlotColour::Blue()));
        p.Pen(luvo::PlotPen::Stock(luvo::PlotColour::Blue()));
        if (RowInModel(model, rows.second)) DrawCut(p, *model, rows.second, w);
    }
    if (rows.first >= 0) {
        p.Brush(luvo::PlotBrush::Solid(luvo::PlotColour::Black()));
        p.Pen(luvo::PlotPen::StockBlack());
        if (RowInModel(model, rows.first)) DrawCut(p, *model, rows.first, w);
    }

    if (view.geometry == nullptr) return;
    const Panel3dGeometryInputs& g = *view.geometry;
    const double scale = 160.0 / g.span;
    PlanPixels px;
    px.rootLe = -g.rootChord * scale;
    px.tipLe = px.rootLe + 80.0 * std::tan(panel3d::Panel3dPi * g.sweep / 180.0);
    px.tipTe = px.tipLe + g.tipChord * scale;
    // Edited geometry fields can make the plan view meaningless (a span of 0): then it is left
    // out, the cuts stay.
    const double originY = std::trunc(10.0 - px.rootLe);
    if (!p.Drawable(originY) || !p.Drawable(px.tipLe) || !p.Drawable(px.tipTe)) return;
    p.Origin(static_cast<int>(w) - 100, static_cast<int>(originY));
    p.Text("Draufsicht", -130, px.rootLe);
    // The outline keeps the pen of the last cut.
    for (double side : {80.0, -80.0}) {
        p.Line(0, 0, side, px.tipTe);
        p.Line(side, px.tipTe, side, px.tipLe);
        p.Line(side, px.tipLe, 0, px.rootLe);
    }

    if (g.leftDeflection != 0.0 || g.rightDeflection != 0.0) {
        const double x1 = 0.8 * g.flapInner;
        const double x2 = 0.8 * g.flapOuter;
        const double h0 = px.rootLe * (100.0 - g.hingePosition) / 100.0;
        const double h1 = px.tipTe + (px.tipLe - px.tipTe) * (100.0 - g.hingePosition) / 100.0;
        auto trailingEdge = [&](double x) { return px.tipTe * x / 80.0; };
        auto hinge = [&](double x) { return h0 + (h1 - h0) * x / 80.0; };
        for (double sign : {1.0, -1.0}) {
            p.Line(sign * x1, trailingEdge(x1), sign * x1, hinge(x1));
            p.Line(sign * x1, hinge(x1), sign * x2, hinge(x2));
            p.Line(sign * x2, hinge(x2), sign * x2, trailingEdge(x2));
        }
    }

    if (rows.second >= 0 && RowInModel(model, rows.second)) {
        p.Pen(luvo::PlotPen::Blue());
        DrawMarker(p, *model, rows.second, px);
    }
    if (rows.first >= 0 && RowInModel(model, rows.first)) {
        p.Pen(luvo::PlotPen::Red());
        DrawMarker(p, *model, rows.first, px);
    }
}
