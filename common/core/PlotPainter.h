#pragma once
// The drawing steps of every plot and preview, free of the window library: routines draw into a
// `PlotPainter`, the window library's device contexts are one painter (common/gui/WxPlotPainter.h),
// and the tests record the steps to check every coordinate.
//
// `PlotPixels` is the side that the plot routines use: coordinates computed in floating point,
// truncated toward zero, and any primitive with a coordinate that is not finite or lies beyond a
// limit, or an ellipse without extent, left out, so no input can make a plot fail.

#include <string>

namespace luvo {

struct PlotColour {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;

    friend bool operator==(const PlotColour& a, const PlotColour& b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(const PlotColour& a, const PlotColour& b) { return !(a == b); }

    // The window library's stock colours.
    static constexpr PlotColour Black() { return {0, 0, 0}; }
    static constexpr PlotColour White() { return {255, 255, 255}; }
    static constexpr PlotColour Red() { return {255, 0, 0}; }
    static constexpr PlotColour Green() { return {0, 255, 0}; }
    static constexpr PlotColour Blue() { return {0, 0, 255}; }
    static constexpr PlotColour Cyan() { return {0, 255, 255}; }
    static constexpr PlotColour LightGrey() { return {192, 192, 192}; }
    // What the colour names "grey" and "green" give, as the plots that name their colours use
    // them ("green" is darker than the stock green).
    static constexpr PlotColour Grey() { return {128, 128, 128}; }
    static constexpr PlotColour GreenByName() { return {0, 128, 0}; }
};

// Sizes and rectangles in pixels; a rectangle covers x .. x + width - 1 and y .. y + height - 1.
struct PlotSize {
    int width = 0;
    int height = 0;
};

struct PlotRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int Right() const { return x + width; }  // first column after it
    int Bottom() const { return y + height; }
    bool Intersects(const PlotRect& o) const {
        return x < o.Right() && o.x < Right() && y < o.Bottom() && o.y < Bottom();
    }
    bool Contains(const PlotRect& o) const {
        return o.x >= x && o.y >= y && o.Right() <= Right() && o.Bottom() <= Bottom();
    }
};

enum class PlotPenStyle { Solid, Dot, ShortDash, LongDash };

struct PlotPen {
    PlotColour colour;
    int width = 1;  // 0: the thinnest line the device draws
    PlotPenStyle style = PlotPenStyle::Solid;

    friend bool operator==(const PlotPen& a, const PlotPen& b) {
        return a.colour == b.colour && a.width == b.width && a.style == b.style;
    }
    friend bool operator!=(const PlotPen& a, const PlotPen& b) { return !(a == b); }

    // The library's stock pens: solid, one pixel wide.
    static constexpr PlotPen Stock(PlotColour c) { return {c, 1, PlotPenStyle::Solid}; }
    static constexpr PlotPen StockBlack() { return Stock(PlotColour::Black()); }
    static constexpr PlotPen StockRed() { return Stock(PlotColour::Red()); }
    static constexpr PlotPen StockGreen() { return Stock(PlotColour::Green()); }
    static constexpr PlotPen StockCyan() { return Stock(PlotColour::Cyan()); }
    static constexpr PlotPen LightGrey() { return Stock(PlotColour::LightGrey()); }
    // Solid pens of width 0, as the plots build them from a colour name.
    static constexpr PlotPen Thin(PlotColour c) { return {c, 0, PlotPenStyle::Solid}; }
    static constexpr PlotPen Axis() { return Thin(PlotColour::Black()); }
    static constexpr PlotPen Red() { return Thin(PlotColour::Red()); }
    static constexpr PlotPen Grey() { return Thin(PlotColour::Grey()); }
    static constexpr PlotPen Blue() { return Thin(PlotColour::Blue()); }
    static constexpr PlotPen Green() { return Thin(PlotColour::GreenByName()); }
};

struct PlotBrush {
    bool transparent = false;
    PlotColour colour = PlotColour::White();

    friend bool operator==(const PlotBrush& a, const PlotBrush& b) {
        return a.transparent == b.transparent && (a.transparent || a.colour == b.colour);
    }
    friend bool operator!=(const PlotBrush& a, const PlotBrush& b) { return !(a == b); }

    static constexpr PlotBrush Transparent() { return {true, PlotColour::White()}; }
    static constexpr PlotBrush Solid(PlotColour c) { return {false, c}; }
};

class PlotPainter {
  public:
    virtual ~PlotPainter() = default;
    virtual void SetOrigin(int x, int y) = 0;
    virtual void SetPen(const PlotPen& pen) = 0;
    virtual void SetBrush(const PlotBrush& brush) = 0;
    virtual void SetTextColour(PlotColour colour) = 0;
    // The small 8-point sans-serif font and a white text background.
    virtual void UseSmallFont() = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // Drawn with the current pen and whatever brush the context holds.
    virtual void Rectangle(int x, int y, int width, int height) = 0;
    // The ellipse inside the box (x, y, width, height), filled with the current brush.
    virtual void Ellipse(int x, int y, int width, int height) = 0;
    // Circular arc about (xc, yc) from (x1, y1) counter-clockwise (on screen) to (x2, y2).
    virtual void Arc(int x1, int y1, int x2, int y2, int xc, int yc) = 0;
    // Part of the ellipse inside the box, from start to end angle in degrees (0 = east,
    // counter-clockwise on screen).
    virtual void EllipticArc(int x, int y, int width, int height, double start, double end) = 0;
    // Top-left corner at (x, y); UTF-8 text.
    virtual void Text(const std::string& text, int x, int y) = 0;
    // The extent of a text in the current font.
    virtual PlotSize TextSize(const std::string& text) = 0;
    // The whole drawing area, in the coordinates of the current origin.
    virtual PlotRect Area() = 0;
    // Until Unclip(), nothing is drawn outside this rectangle (coordinates of the current origin).
    virtual void Clip(const PlotRect& rect) = 0;
    virtual void Unclip() = 0;
};

// Floating-point coordinates onto a painter: truncated toward zero, and every primitive that has
// a coordinate that is not finite or beyond `limit` in magnitude is left out.
class PlotPixels {
  public:
    PlotPixels(PlotPainter& painter, double limit) : p_(painter), limit_(limit) {}

    bool Drawable(double v) const;

    void Origin(int x, int y) { p_.SetOrigin(x, y); }
    void Pen(const PlotPen& pen) { p_.SetPen(pen); }
    void Brush(const PlotBrush& brush) { p_.SetBrush(brush); }
    void TextColour(PlotColour c) { p_.SetTextColour(c); }
    void SmallFont() { p_.UseSmallFont(); }

    void Line(double x1, double y1, double x2, double y2);
    void Rectangle(double x, double y, int width, int height);
    // A 4 x 4 handle with its top-left corner at (x, y).
    void Handle(double x, double y) { Rectangle(x, y, 4, 4); }
    // A filled dot of the given size centred at (x, y) (centre truncated first).
    void Dot(double x, double y, int size);
    void Arc(double x1, double y1, double x2, double y2, double xc, double yc);
    // Nothing when the box, truncated, is not at least a pixel wide and high.
    void EllipticArc(double x, double y, double width, double height, double start, double end);
    // The half of the ellipse on the axis y = 0 from x = left, `width` wide, whose peak lies
    // `peak` pixels above the axis; a negative peak gives its mirror image below the axis.
    // Nothing where the curve would be less than a pixel high.
    void HalfEllipseOverAxis(double left, double width, double peak);
    void Text(const std::string& text, double x, double y);
    // A number label; a value that is not finite reads "---".
    void Number(const char* fmt, double value, double x, double y);
    PlotSize TextSize(const std::string& text) { return p_.TextSize(text); }
    PlotRect Area() { return p_.Area(); }

    // Curves drawn from here on stay inside the rectangle from (x1, y1) to (x2, y2), both
    // included, until Unclip(); a rectangle that cannot be drawn leaves everything unclipped.
    void ClipTo(double x1, double y1, double x2, double y2);
    void Unclip() { p_.Unclip(); }

    // Runs of 2-pixel dashes that start every 4 pixels, from the first to the last pixel they
    // cover, along y = y0 (x from x1 to x2) or along x = x0 (y from y1 to y2), either direction.
    void HorizontalDashes(double x1, double x2, double y0);
    void VerticalDashes(double x0, double y1, double y2);

  private:
    PlotPainter& p_;
    double limit_;
};

}  // namespace luvo
