#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <string>

#include "common/WxPlotPainter.h"
#include "support/GuiHarness.h"

namespace {

// A white 100 x 100 bitmap with the painter's steps drawn into it.
template <class Draw>
wxImage Render(Draw draw) {
    wxBitmap bmp(100, 100, 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        WxPlotPainter p(dc);
        draw(p);
    }
    return bmp.ConvertToImage();
}

wxColour At(const wxImage& img, int x, int y) {
    return wxColour(img.GetRed(x, y), img.GetGreen(x, y), img.GetBlue(x, y));
}

PlotColour Of(const wxColour& c) { return {c.Red(), c.Green(), c.Blue()}; }

// The colours are the library's stock colours and what the plots' colour names give, so plots
// that moved from stock objects or colour names to these values draw exactly as before.
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
        p.SetPen(PlotPen::StockRed());
        p.Line(0, 0, 80, 0);  // y 10 on the bitmap
        p.SetPen(PlotPen::LightGrey());
        p.SetBrush(PlotBrush::Solid(PlotColour::Blue()));
        p.Ellipse(0, 10, 20, 20);  // filled: its centre is blue
        p.SetPen(PlotPen::StockBlack());
        p.SetBrush(PlotBrush::Transparent());
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

TEST(WxPlotPainter, DottedPenLeavesGapsWhereASolidOneDoesNot) {
    auto blackOnRow = [](PlotPenStyle style) {
        const wxImage img = Render([style](PlotPainter& p) {
            p.SetPen({PlotColour::Black(), 1, style});
            p.Line(0, 50, 100, 50);
        });
        int n = 0;
        for (int x = 0; x < 100; ++x) n += img.GetRed(x, 50) < 128 ? 1 : 0;
        return n;
    };
    EXPECT_GE(blackOnRow(PlotPenStyle::Solid), 99);
    EXPECT_LT(blackOnRow(PlotPenStyle::Dot), 80);
    EXPECT_LT(blackOnRow(PlotPenStyle::ShortDash), 90);
}

}  // namespace
