#pragma once
// "Ergebnisse" of a wing-file run: three boxes, six result rows, a circulation and lift plot and
// "S&chließen". The lifting-line methods differ only in the parameters below and in how they
// fill the values and the plot from their own record.

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/window.h>

#include <memory>

#include "common/gui/LuvoFrame.h"

namespace luvo {

struct WingResultsLayout {
    int valueX = 570;    // column of the six values
    wxString areaText;   // what the area row shows until the first results
    wxString otherText;  // what the other five rows show until then
    wxString infoText;   // the text of "&Info..."
};

// The plot area; it draws the results of the window it belongs to at every repaint.
class WingResultsCanvas : public wxWindow {
  public:
    WingResultsCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size);

  private:
    void OnPaint(wxPaintEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class WingResultsFrame : public LuvoFrame {
  public:
    WingResultsFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                     const WingResultsLayout& layout);

    // Clears the context, draws the plot's title and the plot of the window's own record.
    virtual void PaintPlot(wxDC& dc) const = 0;
    // Rewrites the six values from the window's own record.
    virtual void WriteValues() = 0;

    wxPanel* panel = nullptr;
    wxButton* closeButton = nullptr;
    WingResultsCanvas* plotCanvas = nullptr;
    // area, mean chord, aspect ratio, lift, induced drag, k-factor
    wxStaticText* valueLabels[6] = {};

  protected:
    // Writes the values and has the plot repainted; only the canvas's own paint handler draws.
    void ShowNow();
    // Clears the context and draws the plot's title.
    static void StartResultsPlot(wxDC& dc);

  private:
    void OnInfo(wxCommandEvent& event);

    wxString infoText_;

    wxDECLARE_EVENT_TABLE();
};

// A results window that holds on to the record of its own run, so that later runs, which replace
// the method's current record, change nothing in it.
template <class Record>
class WingRecordResultsFrame : public WingResultsFrame {
  public:
    using WingResultsFrame::WingResultsFrame;

    // Shows the record of the run: the six values and the plot.
    void ShowResults(std::shared_ptr<const Record> record) {
        record_ = std::move(record);
        ShowNow();
    }

    // The record this window shows (null before ShowResults).
    const std::shared_ptr<const Record>& GetRecord() const { return record_; }

  protected:
    std::shared_ptr<const Record> record_;
};

}  // namespace luvo
