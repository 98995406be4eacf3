#pragma once
// The validating input field of the extended lifting-line analysis window: every change, typed,
// dragged or written back by a check, runs the window's checks (etl/EtlAnalysisChecks.h).

#include "common/CheckedField.h"

class EtlAnalysisField : public luvo::CheckedField {
  public:
    using luvo::CheckedField::CheckedField;
    using luvo::CheckedField::OnTextChanged;
};
