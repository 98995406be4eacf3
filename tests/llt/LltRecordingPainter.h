#pragma once
// A plot painter that records every drawing step, so the plots' coordinates can be checked
// without a display.

#include <string>
#include <vector>

#include "llt/LltPlotPaint.h"

namespace llt_test {

struct DrawStep {
    enum Kind { Origin, Line, Rect, Text } kind;
    LltPen pen;          // the pen active at this step
    int x1, y1, x2, y2;  // Line: both ends; Rect: corner and size; Text, Origin: (x1, y1)
    std::string text;
};

class RecordingPainter : public LltPlotPainter {
  public:
    void SetOrigin(int x, int y) override {
        steps.push_back({DrawStep::Origin, pen_, x, y, 0, 0, {}});
    }
    void SetPen(LltPen pen) override { pen_ = pen; }
    void UseSmallFont() override { ++smallFontSelections; }
    void Line(int x1, int y1, int x2, int y2) override {
        steps.push_back({DrawStep::Line, pen_, x1, y1, x2, y2, {}});
    }
    void Rectangle(int x, int y, int w, int h) override {
        steps.push_back({DrawStep::Rect, pen_, x, y, w, h, {}});
    }
    void Text(const std::string& text, int x, int y) override {
        steps.push_back({DrawStep::Text, pen_, x, y, 0, 0, text});
    }

    std::vector<DrawStep> Of(DrawStep::Kind kind) const {
        std::vector<DrawStep> out;
        for (const DrawStep& s : steps) {
            if (s.kind == kind) out.push_back(s);
        }
        return out;
    }
    std::vector<DrawStep> LinesIn(LltPen pen) const {
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

  private:
    LltPen pen_ = LltPen::StockBlack;
};

}  // namespace llt_test
