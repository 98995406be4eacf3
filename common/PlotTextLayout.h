#pragma once
// Where the texts of a plot go so that they keep clear of each other, of the plot's lines and
// marks and of the edges of the drawing area: each at the free place nearest to the one that the
// plot gives it, so that texts move only where they would collide.

#include <string>
#include <vector>

#include "common/PlotPainter.h"

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

    // The box of this size at the corner (x, y) when it lies inside the area and clear of all that
    // is kept; else at the nearest corner where it does (fewest pixels moved), or, when there is
    // none within kReach, at (x, y) moved into the area. The box is kept from then on.
    PlotRect Place(PlotSize size, int x, int y);

    // Whether a box lies inside the area and clear of all that is kept.
    bool Free(const PlotRect& r) const;

  private:
    PlotRect area_;
    std::vector<PlotRect> kept_;
};

// Draws the text at the place that the layout gives it (nothing for a place that is not finite)
// and returns the box it took.
PlotRect PlaceText(PlotPixels& px, PlotTextLayout& layout, const std::string& text, double x,
                   double y);
PlotRect PlaceNumber(PlotPixels& px, PlotTextLayout& layout, const char* fmt, double value,
                     double x, double y);
