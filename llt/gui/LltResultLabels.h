#pragma once
// The six result values that every window of the simple lifting-line method that shows a wing's
// results has: area, mean chord, aspect ratio, lift and induced-drag coefficients, k-factor.

#include <wx/stattext.h>

#include "llt/core/LltSolver.h"

class LltResultLabels {
  public:
    wxStaticText* areaLabel = nullptr;
    wxStaticText* meanChordLabel = nullptr;
    wxStaticText* aspectRatioLabel = nullptr;
    wxStaticText* liftLabel = nullptr;
    wxStaticText* inducedDragLabel = nullptr;
    wxStaticText* kFactorLabel = nullptr;

  protected:
    // Creates the six static texts on `panel`, in the order above, at x and the rows' y; their
    // initial texts stand only until the first results are shown.
    void CreateResultLabels(wxWindow* panel, int x, const int (&y)[6], const wxString& areaText,
                            const wxString& otherText);

    // Takes six static texts made elsewhere, in the order above.
    void UseResultLabels(wxStaticText* const (&labels)[6]);

    // Sets the six texts, in the order above. A repaint sets them again: an unchanged text need
    // not lay its label out anew.
    void SetResultTexts(const wxString& area, const wxString& meanChord,
                        const wxString& aspectRatio, const wxString& lift,
                        const wxString& inducedDrag, const wxString& kFactor);

    // The results of a wing solved for its circulation (analysis, wing file), each "%.3f".
    void ShowSolvedResults(const LltSolver& s);
};
