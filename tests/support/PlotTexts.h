#pragma once
// Where the texts of a recorded plot land on its canvas, measured in the plots' small font (a
// display is needed for the font), and what they run into: each other, the canvas edges, lines.

#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "common/gui/WxPlotPainter.h"
#include "tests/support/RecordingPainter.h"

namespace luvo::test {

// The extent of a text in the plots' small font.
inline PlotSize SmallFontTextSize(const std::string& text) {
    wxBitmap bitmap(10, 10, 24);
    wxMemoryDC dc(bitmap);
    dc.SetFont(PlotSmallFont());
    const wxSize extent = dc.GetTextExtent(wxString::FromUTF8(text));
    return {extent.x, extent.y};
}

// A recording painter on a canvas of this size that measures in the small font.
inline RecordingPainter MeasuringPainter(wxSize canvas) {
    RecordingPainter p;
    p.measure = SmallFontTextSize;
    p.canvas = {0, 0, canvas.x, canvas.y};
    return p;
}

struct PlacedText {
    std::string text;
    wxRect box;  // canvas pixels
};

// Every text drawn, in drawing order, with its box on the canvas.
inline std::vector<PlacedText> TextBoxes(const RecordingPainter& rec) {
    std::vector<PlacedText> out;
    wxPoint origin(0, 0);
    for (const DrawStep& s : rec.steps) {
        if (s.kind == DrawStep::Origin) origin = wxPoint(s.x1, s.y1);
        if (s.kind != DrawStep::Text) continue;
        const PlotSize size = SmallFontTextSize(s.text);
        out.push_back(
            {s.text, wxRect(origin + wxPoint(s.x1, s.y1), wxSize(size.width, size.height))});
    }
    return out;
}

// Pieces of one caption (a letter with its subscripts written over it in blanks): they lie on
// each other by design and are checked as a whole against the rest only.
using CaptionPieces = std::vector<std::string>;

inline bool InCaption(const CaptionPieces& caption, const std::string& text) {
    return std::find(caption.begin(), caption.end(), text) != caption.end();
}

// Texts that overlap another one ("a / b") or leave the canvas ("a: outside"), together with
// `extra` boxes (a title the window draws, for instance) taken as texts too.
inline std::vector<std::string> CrowdedTexts(const RecordingPainter& rec, wxSize canvas,
                                             const std::vector<PlacedText>& extra = {},
                                             const CaptionPieces& caption = {}) {
    std::vector<PlacedText> texts = TextBoxes(rec);
    texts.insert(texts.end(), extra.begin(), extra.end());
    const wxRect area(wxPoint(0, 0), canvas);
    std::vector<std::string> out;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (!area.Contains(texts[i].box)) out.push_back(texts[i].text + ": outside");
        for (size_t j = i + 1; j < texts.size(); ++j) {
            if (InCaption(caption, texts[i].text) && InCaption(caption, texts[j].text)) continue;
            if (texts[i].box.Intersects(texts[j].box)) {
                out.push_back(texts[i].text + " / " + texts[j].text);
            }
        }
    }
    return out;
}

// Whether the line from a to b passes through the box (tested pixel by pixel).
inline bool LineCrosses(wxPoint a, wxPoint b, const wxRect& box) {
    const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    for (int i = 0; i <= steps; ++i) {
        const double t = steps == 0 ? 0.0 : static_cast<double>(i) / steps;
        const wxPoint p(a.x + static_cast<int>(std::lround((b.x - a.x) * t)),
                        a.y + static_cast<int>(std::lround((b.y - a.y) * t)));
        if (box.Contains(p)) return true;
    }
    return false;
}

// Texts that a line drawn with this pen runs through, as "text / line (x1, y1)-(x2, y2)"; the
// caption's pieces are left out.
inline std::vector<std::string> TextsOnLines(const RecordingPainter& rec, const PlotPen& pen,
                                             const CaptionPieces& caption = {}) {
    std::vector<std::string> out;
    const std::vector<PlacedText> texts = TextBoxes(rec);
    wxPoint origin(0, 0);
    for (const DrawStep& s : rec.steps) {
        if (s.kind == DrawStep::Origin) origin = wxPoint(s.x1, s.y1);
        if (s.kind != DrawStep::Line || s.pen != pen) continue;
        for (const PlacedText& t : texts) {
            if (InCaption(caption, t.text)) continue;
            if (LineCrosses(origin + wxPoint(s.x1, s.y1), origin + wxPoint(s.x2, s.y2), t.box)) {
                out.push_back(t.text + " / line (" + std::to_string(s.x1) + ", " +
                              std::to_string(s.y1) + ")-(" + std::to_string(s.x2) + ", " +
                              std::to_string(s.y2) + ")");
            }
        }
    }
    return out;
}

// Texts of a recorded plot that cover a handle square (a rectangle it drew).
inline std::vector<std::string> TextsOnHandles(const RecordingPainter& rec) {
    std::vector<std::string> out;
    wxPoint origin(0, 0);
    std::vector<wxRect> squares;
    for (const DrawStep& s : rec.steps) {
        if (s.kind == DrawStep::Origin) origin = wxPoint(s.x1, s.y1);
        if (s.kind == DrawStep::Rect) {
            squares.emplace_back(origin + wxPoint(s.x1, s.y1), wxSize(s.x2, s.y2));
        }
    }
    for (const PlacedText& t : TextBoxes(rec)) {
        for (const wxRect& r : squares) {
            if (t.box.Intersects(r)) out.push_back(t.text + " / handle");
        }
    }
    return out;
}

}  // namespace luvo::test
