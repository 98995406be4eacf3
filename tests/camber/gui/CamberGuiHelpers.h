#pragma once
// Helpers of the thin-airfoil window tests: the result and status texts, key and mouse
// events straight into a control, a message-box expectation that looks at the window while
// the box is up, and drawing into an SVG context to read back exact coordinates.

#include <wx/dc.h>
#include <wx/dcsvg.h>
#include <wx/statusbr.h>

#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "camber/gui/CamberTaskWindow.h"
#include "common/gui/WxNumber.h"
#include "tests/support/GuiHarness.h"

namespace camber_test {

inline std::vector<std::string> Labels(const CamberResultTexts& texts) {
    std::vector<std::string> out;
    for (wxStaticText* t : texts) out.push_back(t->GetLabel().utf8_string());
    return out;
}

// A task window's result text read back as its number.
template <typename Window>
double Value(Window* window, int result) {
    return luvo::ToNumber(window->ResultTexts()[result]->GetLabel());
}

// Status field 0 of a window.
inline wxString Status(wxFrame* frame) { return frame->GetStatusBar()->GetStatusText(); }

inline const std::vector<std::string>& NacaDefaultLabels() {
    static const std::vector<std::string> labels = {"0.083",  "0.081",  "-0.014", "-0.257",
                                                    "0.020",  "0.265",  "5.000",  "0.776",
                                                    "-0.247", "-0.053", "-2.077", "0.318"};
    return labels;
}

// The release of a key at a control (TAB: the key that brought the focus there).
inline void KeyUp(wxWindow* window, int keyCode) {
    wxKeyEvent event(wxEVT_KEY_UP);
    event.m_keyCode = keyCode;
    event.SetEventObject(window);
    event.SetId(window->GetId());
    window->ProcessWindowEvent(event);
}

inline void LeftDown(wxWindow* window) {
    luvo::test::SendMouse(window, wxEVT_LEFT_DOWN, wxPoint(3, 3), true);
}

// What a drawing put into an SVG context, in drawing order.
struct SvgLine {
    int x0, y0, x1, y1;
    std::string stroke;  // "#RRGGBB"
};
struct SvgRect {
    int x, y, width, height;
    std::string stroke;
};
struct SvgText {
    double x, y;
    std::string text;
};
struct SvgDrawing {
    std::vector<SvgLine> lines;
    std::vector<SvgRect> rects;
    std::vector<SvgText> texts;
    int arcs = 0;
};

inline SvgDrawing DrawToSvg(const std::function<void(wxDC&)>& draw) {
    const wxString file = wxS("plot.svg");  // in the test's temporary working directory
    {
        wxSVGFileDC dc(file, 330, 260);
        draw(dc);
    }
    std::ifstream in(file.utf8_string());
    SvgDrawing out;
    std::string stroke;
    const std::regex group(R"re(<g style=".*stroke:(#[0-9A-Fa-f]{6});)re");
    const std::regex line(R"re(<path d="M(-?\d+) (-?\d+) L(-?\d+) (-?\d+)")re");
    const std::regex rect(R"re(<rect x="(-?\d+)" y="(-?\d+)" width="(\d+)" height="(\d+)")re");
    const std::regex text(R"re(<text x="([-\d.]+)" y="([-\d.]+)".*>(.*)</text>)re");
    std::string row;
    std::smatch m;
    while (std::getline(in, row)) {
        if (std::regex_search(row, m, group)) {
            stroke = m[1];
        } else if (std::regex_search(row, m, line)) {
            out.lines.push_back(
                {std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4]), stroke});
        } else if (std::regex_search(row, m, rect)) {
            out.rects.push_back(
                {std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4]), stroke});
        } else if (std::regex_search(row, m, text)) {
            out.texts.push_back({std::stod(m[1]), std::stod(m[2]), m[3]});
        } else if (row.find("<path d=\"M") != std::string::npos &&
                   row.find(" A") != std::string::npos) {
            ++out.arcs;
        }
    }
    return out;
}

}  // namespace camber_test
