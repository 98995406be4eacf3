#pragma once
// Where the texts of a plot go so that they keep clear of each other, of the plot's lines and
// marks and of the edges of the drawing area: each at the free place nearest to the one that the
// plot gives it, so that texts move only where they would collide.

#include <string>
#include <vector>

#include "common/core/PlotPainter.h"

namespace luvo {

// A text and the place of its top-left corner.
struct PlotText {
    std::string text;
    double x = 0;
    double y = 0;
};

class PlotTextLayout {
  public:
    // The farthest a text moves along each axis.
    static constexpr int kReach = 60;

    // `area`: where texts may go, in the coordinates that the texts are given in.
    explicit PlotTextLayout(const PlotRect& area) : area_(area) {}

    // Something drawn (or still to be drawn) that no text may cover.
    void Keep(const PlotRect& r) { kept_.push_back(r); }
    // A horizontal or vertical line from (x1, y1) to (x2, y2), both ends included.
    void KeepLine(int x1, int y1, int x2, int y2);

    // The box of this size at the corner (x, y) when it lies inside the area and, with its
    // spacing, clear of all that is kept; else at the nearest corner where it does (fewest pixels
    // moved). When there is none within kReach, the same search starts from (x, y) moved into the
    // area, and the box stays there when it finds nothing either. The box is kept from then on,
    // with its spacing.
    PlotRect Place(PlotSize size, int x, int y);

    // Whether a box is clear of all that is kept.
    bool Free(const PlotRect& r) const;

    // A text's box with the room that keeps it from reading as one word with a neighbour on its
    // left or right.
    static PlotRect Spaced(const PlotRect& r) {
        return r.width > 0 ? PlotRect{r.x - 2, r.y, r.width + 4, r.height} : r;
    }

  private:
    PlotRect area_;
    std::vector<PlotRect> kept_;
};

// Keeps the boxes of texts drawn (or to be drawn) where they are; places that are not finite are
// left out.
void KeepTexts(PlotPixels& px, PlotTextLayout& layout, const std::vector<PlotText>& texts);

// Draws the text at the place that the layout gives it (nothing for a place that is not finite)
// and returns the box it took.
PlotRect PlaceText(PlotPixels& px, PlotTextLayout& layout, const std::string& text, double x,
                   double y);
PlotRect PlaceNumber(PlotPixels& px, PlotTextLayout& layout, const char* fmt, double value,
                     double x, double y);

// The span labels b/4, b/2 and "y" below the span axis (at height `axis`) of the lifting lines'
// circulation and lift plot, whose axes stand at x = 0 and x = 200 from -90 to 15 with the right
// axis's labels at x = 210. They keep clear of the `fixed` texts, already drawn, which they meet
// when the axis stands at the top (negative lift).
void PlaceCirculationSpanLabels(PlotPixels& px, const std::vector<PlotText>& fixed, double axis,
                                double span);

}  // namespace luvo
