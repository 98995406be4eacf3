#include "llt/gui/LltResultLabels.h"

#include "common/gui/WxNumber.h"

namespace {

void SetIfChanged(wxStaticText* label, const wxString& text) {
    if (label->GetLabel() != text) label->SetLabel(text);
}

}  // namespace

void LltResultLabels::CreateResultLabels(wxWindow* panel, int x, const int (&y)[6],
                                         const wxString& areaText, const wxString& otherText) {
    auto label = [&](const wxString& text, int row) {
        return new wxStaticText(panel, wxID_ANY, text, wxPoint(x, y[row]));
    };
    areaLabel = label(areaText, 0);
    meanChordLabel = label(otherText, 1);
    aspectRatioLabel = label(otherText, 2);
    liftLabel = label(otherText, 3);
    inducedDragLabel = label(otherText, 4);
    kFactorLabel = label(otherText, 5);
}

void LltResultLabels::UseResultLabels(wxStaticText* const (&labels)[6]) {
    areaLabel = labels[0];
    meanChordLabel = labels[1];
    aspectRatioLabel = labels[2];
    liftLabel = labels[3];
    inducedDragLabel = labels[4];
    kFactorLabel = labels[5];
}

void LltResultLabels::SetResultTexts(const wxString& area, const wxString& meanChord,
                                     const wxString& aspectRatio, const wxString& lift,
                                     const wxString& inducedDrag, const wxString& kFactor) {
    SetIfChanged(areaLabel, area);
    SetIfChanged(meanChordLabel, meanChord);
    SetIfChanged(aspectRatioLabel, aspectRatio);
    SetIfChanged(liftLabel, lift);
    SetIfChanged(inducedDragLabel, inducedDrag);
    SetIfChanged(kFactorLabel, kFactor);
}

void LltResultLabels::ShowSolvedResults(const LltSolver& s) {
    SetResultTexts(luvo::FormatLabel("%.3f", s.area), luvo::FormatLabel("%.3f", s.meanChord),
                   luvo::FormatLabel("%.3f", s.aspectRatio), luvo::FormatLabel("%.3f", s.clSolved),
                   luvo::FormatLabel("%.3f", s.cdi), luvo::FormatLabel("%.3f", s.kFactor));
}
