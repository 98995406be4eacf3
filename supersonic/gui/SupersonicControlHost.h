#pragma once
// The design window as its controls and canvases see it. They act on the window they lie in, and
// only while it is the live one; what they read and call of it is this, so that they need not
// know the window classes that create them.

#include <wx/string.h>
#include <wx/window.h>

#include "supersonic/core/SupersonicPlots.h"
#include "supersonic/core/SupersonicProfile.h"

// The edit canvases of the parts window that a recalculation redraws: the camber part's, the
// thickness part's or both. The contour window redraws all of its canvases whatever it is given.
enum class SupersonicRedraw { Camber, Thickness, Both };

class SupersonicControlHost {
  public:
    virtual ~SupersonicControlHost() = default;

    // Built, and still the window the module state names.
    virtual bool IsLive() const = 0;
    // Reads the inputs, computes, shows the results and redraws the edit canvases that `which`
    // names and every other canvas of the window.
    virtual void Recalculate(SupersonicRedraw which) = 0;
    virtual void SetStatus(const wxString& text) = 0;
    virtual SupersonicProfile& Profile() = 0;
    virtual SupersonicPressureOptions PressureOptions() const = 0;
    // Switches the "Linear"/"Spline" pair that `radio` belongs to over to the other method,
    // enables or disables its end values, recomputes and names the method in the status line.
    // `selectedByToolkit`: the toolkit has just selected `radio` on its own, which is undone
    // first. Nothing happens for a radio button of no pair.
    virtual void SwitchMode(const wxWindow* radio, bool selectedByToolkit) = 0;
    // The alpha* that the arrow shows: what the field reads now.
    virtual double ArrowAlpha() const = 0;

    // Only the parts window has the camber part's Birnbaum coefficients and shows the parts.
    virtual bool HasCoefficientInputs() const { return false; }
    // "Koeffizienten eingeben?" is set.
    virtual bool CoefficientsEntered() const { return false; }
    // The coefficient fields take the input (on) or the antimetric count and alpha* do.
    virtual void EnableCoefficientInputs(bool /*on*/) {}
    // The result plot shows the camber and thickness parts too.
    virtual bool ShowsParts() const { return false; }
};

// The design window a control or canvas lies in, when it is the live one.
SupersonicControlHost* ControlHostOf(wxWindow* control);
