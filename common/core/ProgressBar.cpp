#include "common/core/ProgressBar.h"

namespace luvo {

void DrawProgressBar(PlotPainter& painter, int filled) {
    painter.UseSmallFont();
    painter.SetPen(PlotPen::StockBlack());
    painter.SetBrush(PlotBrush::Solid(PlotColour::White()));
    painter.Rectangle(5, 5, kProgressBarWidth, 15);
    painter.SetBrush(PlotBrush::Solid(PlotColour::Blue()));
    // An empty bar is the outline alone.
    if (filled > 0) painter.Rectangle(5, 5, filled, 15);
}

}  // namespace luvo
