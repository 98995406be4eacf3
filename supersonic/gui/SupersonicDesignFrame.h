#pragma once
// What the parts window and the contour window share: the profile they own, the flow fields,
// the result labels, the display options, the "Linear"/"Spline" pairs, and what their controls
// and canvases call (SupersonicControlHost).

#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/gui/LuvoFrame.h"
#include "supersonic/core/SupersonicFiles.h"
#include "supersonic/core/SupersonicPlots.h"
#include "supersonic/core/SupersonicProfile.h"
#include "supersonic/core/SupersonicSettings.h"
#include "supersonic/gui/SupersonicControlHost.h"
#include "supersonic/gui/SupersonicControls.h"

class SupersonicPlotCanvas;

class SupersonicDesignFrame : public luvo::LuvoFrame, public SupersonicControlHost {
  public:
    SupersonicDesignFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                          SupersonicWindow window);
    ~SupersonicDesignFrame() override;

    void Recalculate(SupersonicRedraw which) override = 0;
    // Field values into the profile (only what the fields own; flow values are stored by their
    // fields, support points by drags).
    virtual void ReadInputs() = 0;
    void ShowResults();

    SupersonicProfile& Profile() override { return *profile_; }
    SupersonicWindow Window() const { return window_; }
    bool IsLive() const override;
    // Ends the window at once: no handler of it runs afterwards, its profile is freed.
    void Detach();

    // Shows the box of a file that could not be read; called by the method window once this
    // window is shown.
    void ReportFileProblems();

    void SetStatus(const wxString& text) override { SetStatusText(text, 0); }
    SupersonicPressureOptions PressureOptions() const override;
    void SwitchMode(const wxWindow* radio, bool selectedByToolkit) override;
    double ArrowAlpha() const override;

    SupersonicRangeField* machField = nullptr;
    SupersonicRangeField* alphaField = nullptr;
    SupersonicRangeField* kappaField = nullptr;
    wxStaticText* waveDragLinearText = nullptr;
    wxStaticText* waveDragSymmetricText = nullptr;
    wxStaticText* waveDragAntimetricText = nullptr;
    wxStaticText* momentLinearText = nullptr;
    wxStaticText* momentShockText = nullptr;
    wxStaticText* liftLinearText = nullptr;
    wxStaticText* pressurePointLinearText = nullptr;
    wxStaticText* pressurePointShockText = nullptr;
    wxStaticText* thicknessText = nullptr;
    wxStaticText* camberText = nullptr;
    wxStaticText* waveDragShockText = nullptr;
    wxStaticText* liftShockText = nullptr;
    wxStaticText* subsonicWarningText = nullptr;
    SupersonicOptionCheckBox* showLinearUpperCheckBox = nullptr;
    SupersonicOptionCheckBox* showLinearLowerCheckBox = nullptr;
    SupersonicOptionCheckBox* showLinearDeltaCheckBox = nullptr;
    SupersonicOptionCheckBox* showShockUpperCheckBox = nullptr;
    SupersonicOptionCheckBox* showShockLowerCheckBox = nullptr;
    SupersonicOptionCheckBox* showShockDeltaCheckBox = nullptr;
    wxPanel* panel = nullptr;

  protected:
    // The settings and profile the window starts with: defaults, then what the file gives.
    SupersonicSettings StartSettings(const wxString& fileName);
    void MarkBuilt() { built_ = true; }
    // The module state names this window as the open design window.
    virtual bool IsCurrent() const { return false; }

    // The three flow fields in their box: labels at labelX from firstY down in steps of 22,
    // fields 3 pixels higher at fieldX, units at unitX.
    void CreateFlowFields(int boxX, int boxY, int labelX, int fieldX, int unitX, int firstY,
                          const SupersonicSettings& s);
    // The "Ausgabe" box: f/t and d/t, the column heads, the six coefficient rows and the neutral
    // point, 20 pixels apart.
    void CreateResultRows(int boxX, int boxY, int boxHeight, int linX, int shockX, int unitX,
                          bool neutralBothColumns);
    // The six display options, linearised and shock-expansion rows; the first two start set.
    void CreateOptions(int boxY, int boxHeight, int linLabelY, int linY, int shockLabelY,
                       int shockY);
    void CreateWarning(const wxPoint& pos);
    // What a window shows of its computed inputs (the parts window's coefficients or alpha*).
    virtual void ShowComputedInputs() {}
    // The count, end-value or coefficient field a configuration key fills, null for other keys.
    virtual luvo::NumericField* FieldForKey(const std::string& key) = 0;
    // The box of the field whose text a configuration line of `key` would hold.
    void ReportRefusedText(const std::string& key);
    // A count field's value as the curve takes it: truncated, and never more than four slots.
    static int SupportCount(const luvo::NumericField* field);
    static void FillSide(SupersonicSide& side, const SupersonicCurve& curve,
                         const wxTextCtrl* count, const SupersonicModePair* pair);
    // The current settings as the fields and the profile hold them (for the configuration file).
    virtual SupersonicSettings CurrentSettings() const = 0;
    SupersonicSettings FlowSettings() const;
    SupersonicShockTexts ShockTexts() const;
    // The save dialog and the writers.
    void Save(const wxString& wildcard);
    // Frees the profile and destroys the window (the module's reference is released by the
    // window's close handler first).
    void CloseWindow();

    void RedrawCanvas(SupersonicPlotCanvas* canvas);

    std::unique_ptr<SupersonicProfile> profile_;
    std::vector<SupersonicModePair> pairs_;
    // File problems waiting for the window to be shown.
    bool fileUnreadable_ = false;
    SupersonicWindow window_;

  private:
    // The pair a radio button belongs to, null when none.
    SupersonicModePair* PairOf(const wxWindow* radio);
    // The "Ausgabe" box's columns as the window places them and the texts in each.
    struct ResultColumns {
        int boxRight = 0;
        int linX = 0;
        int shapeUnitX = 0;
        int shockX = 0;
        int unitX = 0;
        std::vector<wxStaticText*> rowLabels;
        wxStaticText* linHead = nullptr;         // 15 pixels left of the linearised column
        std::vector<wxStaticText*> shapeValues;  // rows whose unit stands in the shape-unit column
        std::vector<wxStaticText*> shapeUnits;
        std::vector<wxStaticText*> linValues;  // rows with a shock-expansion column
        wxStaticText* shockHead = nullptr;
        std::vector<wxStaticText*> shockColumn;  // values and fixed texts
        std::vector<wxStaticText*> units;
    };
    // Each column stays at its place unless the widest text of the column before it reaches
    // it; then it moves right just far enough. When the last column would leave the box, all
    // value columns move left instead, no further than the row labels allow.
    void LayoutResultColumns();

    ResultColumns resultColumns_;
    bool built_ = false;
    bool detached_ = false;
};

// The design window a control or canvas lies in, when it is the live one.
SupersonicDesignFrame* DesignFrameOf(wxWindow* control);
