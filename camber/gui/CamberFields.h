#pragma once
// The validating fields of the thin-airfoil task windows. A field checks only its own text:
// an accepted edit recalculates its window at once; a rejected one empties the field (which
// is itself an edit, so the window recalculates with 0) and then explains the limit in a
// message box. A typed text on its way to an accepted one waits for Enter or for the field to be
// left (common/gui/NumericField.h). Clicking into a field, or tabbing into it, selects its leading
// characters and names the input in the status line.

#include "common/gui/NumericField.h"

class CamberField : public luvo::NumericField {
  public:
    // selectCount: how many leading characters a click or a TAB selects; statusText: what the
    // status line then shows.
    CamberField(wxWindow* parent, const wxString& value, const wxPoint& pos, const wxSize& size,
                const wxString& toolTip, long selectCount, const wxString& statusText);

  protected:
    // The check of the field's text after every change.
    virtual void CheckText() = 0;
    // The values and length the check accepts.
    virtual luvo::FieldRange Range() const = 0;
    luvo::FieldTextState JudgeTyped(const wxString& text) const override;
    // Whether the field's text passes the check's range (a text without a number does not).
    bool InRange() const;
    // Extra action when the TAB key that brought the focus here is released.
    virtual void OnTabArrived() {}
    // Empties the field (its own check runs again, for the empty text) and then shows the box.
    void Reject(const wxString& message, const wxString& caption);
    void RecalculateWindow();

  private:
    void OnTextChanged(wxCommandEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void SelectLeading();

    long selectCount_;
    wxString statusText_;
    wxDECLARE_EVENT_TABLE();
};

// A number field with a length limit and a range.
struct CamberRangeRule {
    size_t maxLength;
    double lo;
    double hi;
    const wchar_t* caption;
    const wchar_t* lengthMessage;
    const wchar_t* rangeMessage;
};

class CamberRangeField : public CamberField {
  public:
    CamberRangeField(wxWindow* parent, const wxString& value, const wxPoint& pos,
                     const wxSize& size, const wxString& toolTip, long selectCount,
                     const wxString& statusText, const CamberRangeRule& rule);

  protected:
    void CheckText() override;
    luvo::FieldRange Range() const override;

  private:
    CamberRangeRule rule_;
};

// Angle alpha* [deg] of the NACA task.
class CamberNacaAngleField : public CamberRangeField {
  public:
    CamberNacaAngleField(wxWindow* parent, const wxPoint& pos, const wxSize& size);

  protected:
    void OnTabArrived() override;
};

// Lift coefficient Ca of the NACA task.
class CamberNacaLiftField : public CamberRangeField {
  public:
    CamberNacaLiftField(wxWindow* parent, const wxPoint& pos, const wxSize& size);

  protected:
    void OnTabArrived() override;
};

// Camber digit of the NACA task, per cent of the chord.
class CamberNacaCamberField : public CamberField {
  public:
    CamberNacaCamberField(wxWindow* parent, const wxPoint& pos, const wxSize& size);

  protected:
    void CheckText() override;
    luvo::FieldRange Range() const override;
};

// Camber-position digit of the NACA task, tenths of the chord.
class CamberNacaPositionField : public CamberField {
  public:
    CamberNacaPositionField(wxWindow* parent, const wxPoint& pos, const wxSize& size);

  protected:
    void CheckText() override;
    luvo::FieldRange Range() const override;
};

// Angle alpha* [deg] of the interactive camber-line task.
class CamberLineAngleField : public CamberRangeField {
  public:
    CamberLineAngleField(wxWindow* parent, const wxPoint& pos, const wxSize& size);
};

// Angle alpha* [deg] of the interactive pressure-distribution task.
class CamberPressureAngleField : public CamberRangeField {
  public:
    CamberPressureAngleField(wxWindow* parent, const wxPoint& pos, const wxSize& size);
};
