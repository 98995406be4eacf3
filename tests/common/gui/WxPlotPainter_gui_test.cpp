#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <cmath>
#include <functional>
#include <string>

#include "common/gui/WxPlotPainter.h"
#include "tests/support/GuiHarness.h"

namespace {

using luvo::PlotColour;
using luvo::PlotPainter;

// A white 100 x 100 bitmap with the painter's steps drawn into it.
template <class Draw>
wxImage Render(Draw draw) {
    wxBitmap bmp(100, 100, 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        luvo::WxPlotPainter p(dc);
        draw(p);
    }
    return bmp.ConvertToImage();
}

wxColour At(const wxImage& img, int x, int y) {
    return wxColour(img.GetRed(x, y), img.GetGreen(x, y), img.GetBlue(x, y));
}

PlotColour Of(const wxColour& c) { return {c.Red(), c.Green(), c.Blue()}; }

// The colours are the library's stock colours and what the plots' colour names give, so a plot
// drawn through the painter looks as one drawn with the stock objects or colour names.
TEST(WxPlotPainter, ColoursAreTheLibrarysStockAndNamedColours) {
    EXPECT_EQ(Of(*wxBLACK), PlotColour::Black());
    EXPECT_EQ(Of(*wxWHITE), PlotColour::White());
    EXPECT_EQ(Of(*wxRED), PlotColour::Red());
    EXPECT_EQ(Of(*wxGREEN), PlotColour::Green());
    EXPECT_EQ(Of(*wxBLUE), PlotColour::Blue());
    EXPECT_EQ(Of(*wxCYAN), PlotColour::Cyan());
    EXPECT_EQ(Of(*wxLIGHT_GREY), PlotColour::LightGrey());
    EXPECT_EQ(Of(wxColour(wxS("red"))), PlotColour::Red());
    EXPECT_EQ(Of(wxColour(wxS("blue"))), PlotColour::Blue());
    EXPECT_EQ(Of(wxColour(wxS("grey"))), PlotColour::Grey());
    EXPECT_EQ(Of(wxColour(wxS("green"))), PlotColour::GreenByName());
}

TEST(WxPlotPainter, DrawsWithTheChosenPenBrushAndTextColour) {
    const wxImage img = Render([](PlotPainter& p) {
        p.SetOrigin(10, 10);
        p.SetPen(luvo::PlotPen::StockRed());
        p.Line(0, 0, 80, 0);  // y 10 on the bitmap
        p.SetPen(luvo::PlotPen::LightGrey());
        p.SetBrush(luvo::PlotBrush::Solid(PlotColour::Blue()));
        p.Ellipse(0, 10, 20, 20);  // filled: its centre is blue
        p.SetPen(luvo::PlotPen::StockBlack());
        p.SetBrush(luvo::PlotBrush::Transparent());
        p.EllipticArc(40, 10, 40, 40, 0, 180);  // only the upper half's outline
        p.SetTextColour(PlotColour::Red());
        p.UseSmallFont();
        p.Text("WWW", 0, 60);
    });
    EXPECT_EQ(At(img, 50, 10), *wxRED);
    EXPECT_EQ(At(img, 20, 30), *wxBLUE);
    EXPECT_EQ(At(img, 70, 35), *wxWHITE);  // inside the arc: not filled
    bool arcDrawn = false;
    for (int y = 18; y <= 24 && !arcDrawn; ++y) arcDrawn = At(img, 70, y) == *wxBLACK;
    EXPECT_TRUE(arcDrawn);
    int redInText = 0;
    for (int y = 70; y < 85; ++y) {
        for (int x = 10; x < 40; ++x)
            redInText += img.GetRed(x, y) > 200 && img.GetGreen(x, y) < 120 ? 1 : 0;
    }
    EXPECT_GT(redInText, 10);
}

// What the device cannot draw (an ellipse without extent, angles without number, coordinates
// that overflow its arithmetic once the plot's origin is added) draws nothing instead of failing a
// check of the library or stopping the drawing library.
TEST(WxPlotPainter, WhatTheDeviceCannotDrawDrawsNothing) {
    const int far = 2147483000;
    const double nan = std::nan("");
    const struct {
        const char* what;
        std::function<void(PlotPainter&)> draw;
    } cases[] = {
        {"arc of no height", [](PlotPainter& p) { p.EllipticArc(-40, 0, 80, 0, 0, 180); }},
        {"arc of no width", [](PlotPainter& p) { p.EllipticArc(0, -40, 0, 80, 0, 180); }},
        {"arc of no size", [](PlotPainter& p) { p.EllipticArc(0, 0, 0, 0, 0, 180); }},
        {"arc of negative height", [](PlotPainter& p) { p.EllipticArc(-40, 20, 80, -40, 0, 180); }},
        {"arc without angle", [nan](PlotPainter& p) { p.EllipticArc(-20, -20, 40, 40, nan, 180); }},
        {"ellipse of no height", [](PlotPainter& p) { p.Ellipse(-10, 0, 20, 0); }},
        {"line far out", [far](PlotPainter& p) { p.Line(-far, 0, far, 0); }},
        {"text far out", [far](PlotPainter& p) { p.Text("WWW", far, 0); }},
        {"rectangle far out", [far](PlotPainter& p) { p.Rectangle(far, far, 4, 4); }},
    };
    for (const auto& c : cases) {
        const wxImage img = Render([&](PlotPainter& p) {
            p.SetOrigin(50, 50);
            p.SetPen(luvo::PlotPen::StockBlack());
            p.SetBrush(luvo::PlotBrush::Transparent());
            c.draw(p);
        });
        int drawn = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) drawn += img.GetRed(x, y) < 250;
        }
        EXPECT_EQ(drawn, 0) << c.what;
    }
}

TEST(WxPlotPainter, DottedPenLeavesGapsWhereASolidOneDoesNot) {
    auto blackOnRow = [](luvo::PlotPenStyle style) {
        const wxImage img = Render([style](PlotPainter& p) {
            p.SetPen({PlotColour::Black(), 1, style});
            p.Line(0, 50, 100, 50);
        });
        int n = 0;
        for (int x = 0; x < 100; ++x) n += img.GetRed(x, 50) < 128 ? 1 : 0;
        return n;
    };
    EXPECT_GE(blackOnRow(luvo::PlotPenStyle::Solid), 99);
    EXPECT_LT(blackOnRow(luvo::PlotPenStyle::Dot), 80);
    EXPECT_LT(blackOnRow(luvo::PlotPenStyle::ShortDash), 90);
}

}  // namespace
