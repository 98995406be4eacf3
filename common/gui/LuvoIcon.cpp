#include "common/gui/LuvoIcon.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>

namespace luvo {

namespace {

// A cambered profile in a blue field with a red streamline: small enough for any title bar.
wxIcon DrawIcon() {
    const int n = 32;
    wxBitmap bmp(n, n, 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(wxBrush(wxColour(30, 80, 160)));
        dc.Clear();
        dc.SetPen(wxPen(wxColour(220, 40, 40), 2));
        dc.DrawLine(2, 24, 30, 24);
        wxPoint profile[] = {{3, 17},  {6, 13},  {11, 11}, {18, 11}, {24, 13},
                             {29, 16}, {24, 16}, {18, 16}, {11, 17}, {6, 18}};
        dc.SetPen(wxPen(*wxWHITE, 1));
        dc.SetBrush(*wxWHITE_BRUSH);
        dc.DrawPolygon(static_cast<int>(sizeof profile / sizeof profile[0]), profile);
        dc.SetPen(wxPen(wxColour(250, 210, 40), 2));
        dc.DrawLine(4, 6, 12, 6);
        dc.DrawLine(9, 3, 12, 6);
        dc.DrawLine(9, 9, 12, 6);
    }
    wxIcon icon;
    icon.CopyFromBitmap(bmp);
    return icon;
}

}  // namespace

const wxIcon& LuvoIcon() {
    static const wxIcon icon = DrawIcon();
    return icon;
}

}  // namespace luvo
