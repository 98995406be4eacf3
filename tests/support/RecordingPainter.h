#pragma once
// A plot painter that records every drawing step with the pen, brush and text colour active at
// that step, so the plots' coordinates can be checked without a display.

#include <functional>
#include <string>
#include <vector>

#include "common/core/PlotPainter.h"

namespace luvo::test {

struct DrawStep {
    enum Kind { Origin, Line, Rect, Ellipse, Arc, EllipticArc, Text, Clip, Unclip } kind;
    PlotPen pen;                // the pen active at this step
    PlotBrush brush;            // the brush active at this step
    PlotColour textColour;      // the text colour active at this step
    int x1, y1, x2, y2;         // Line: both ends; Rect, Ellipse, EllipticArc, Clip: corner and
                                // size; Arc: both ends; Text, Origin: (x1, y1)
    int xc = 0, yc = 0;         // Arc: centre
    double start = 0, end = 0;  // EllipticArc: angles in degrees
    std::string text;
};

class RecordingPainter : public PlotPainter {
  public:
    void SetOrigin(int x, int y) override {
        originX_ = x;
        originY_ = y;
        Add(DrawStep::Origin, x, y, 0, 0);
    }
    void SetPen(const PlotPen& pen) override { pen_ = pen; }
    void SetBrush(const PlotBrush& brush) override { brush_ = brush; }
    void SetTextColour(PlotColour colour) override { textColour_ = colour; }
    void UseSmallFont() override { ++smallFontSelections; }
    void Line(int x1, int y1, int x2, int y2) override { Add(DrawStep::Line, x1, y1, x2, y2); }
    void Rectangle(int x, int y, int w, int h) override { Add(DrawStep::Rect, x, y, w, h); }
    void Ellipse(int x, int y, int w, int h) override { Add(DrawStep::Ellipse, x, y, w, h); }
    void Arc(int x1, int y1, int x2, int y2, int xc, int yc) override {
        DrawStep& s = Add(DrawStep::Arc, x1, y1, x2, y2);
        s.xc = xc;
        s.yc = yc;
    }
    void EllipticArc(int x, int y, int w, int h, double start, double end) override {
        DrawStep& s = Add(DrawStep::EllipticArc, x, y, w, h);
        s.start = start;
        s.end = end;
    }
    void Text(const std::string& text, int x, int y) override {
        Add(DrawStep::Text, x, y, 0, 0).text = text;
    }
    PlotSize TextSize(const std::string& text) override { return measure(text); }
    PlotRect Area() override {
        return {canvas.x - originX_, canvas.y - originY_, canvas.width, canvas.height};
    }
    void Clip(const PlotRect& r) override { Add(DrawStep::Clip, r.x, r.y, r.width, r.height); }
    void Unclip() override { Add(DrawStep::Unclip, 0, 0, 0, 0); }

    // Texts that take no room: nothing ever has to make way for them, so every text stays at the
    // place the plot gives it.
    static PlotSize NoRoom(const std::string&) { return {0, 0}; }
    // Without a display: 6 pixels per character and 13 pixels high, about the plots' small font.
    static PlotSize EstimatedTextSize(const std::string& text) {
        int characters = 0;
        for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
        return {6 * characters, 13};
    }

    std::vector<DrawStep> Of(DrawStep::Kind kind) const {
        std::vector<DrawStep> out;
        for (const DrawStep& s : steps) {
            if (s.kind == kind) out.push_back(s);
        }
        return out;
    }
    std::vector<DrawStep> LinesIn(const PlotPen& pen) const {
        std::vector<DrawStep> out;
        for (const DrawStep& s : steps) {
            if (s.kind == DrawStep::Line && s.pen == pen) out.push_back(s);
        }
        return out;
    }
    // The texts drawn at this x, top to bottom in drawing order.
    std::vector<DrawStep> TextsAtX(int x) const {
        std::vector<DrawStep> out;
        for (const DrawStep& s : steps) {
            if (s.kind == DrawStep::Text && s.x1 == x) out.push_back(s);
        }
        return out;
    }
    const DrawStep* FindText(const std::string& text) const {
        for (const DrawStep& s : steps) {
            if (s.kind == DrawStep::Text && s.text == text) return &s;
        }
        return nullptr;
    }

    std::vector<DrawStep> steps;
    int smallFontSelections = 0;
    // What TextSize answers; window tests put the real font's extents here.
    std::function<PlotSize(const std::string&)> measure = EstimatedTextSize;
    // The drawing area that Area() reports, in device pixels; by default far around the origin.
    PlotRect canvas{-5000, -5000, 10000, 10000};

  private:
    DrawStep& Add(DrawStep::Kind kind, int x1, int y1, int x2, int y2) {
        DrawStep s{kind, pen_, brush_, textColour_, x1, y1, x2, y2, 0, 0, 0.0, 0.0, {}};
        steps.push_back(s);
        return steps.back();
    }

    int originX_ = 0;
    int originY_ = 0;
    // A fresh device context's defaults.
    PlotPen pen_ = PlotPen::StockBlack();
    PlotBrush brush_ = PlotBrush::Solid(PlotColour::White());
    PlotColour textColour_ = PlotColour::Black();
};

}  // namespace luvo::test
