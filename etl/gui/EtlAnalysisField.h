#pragma once
// The validating input field of the extended lifting-line analysis window: every change, typed,
// dragged or written back by a check, runs the window's checks (etl/core/EtlAnalysisChecks.h).

#include "common/gui/CheckedField.h"

class EtlAnalysisField : public luvo::CheckedField {
  public:
    using luvo::CheckedField::CheckedField;
    using luvo::CheckedField::OnTextChanged;
};
