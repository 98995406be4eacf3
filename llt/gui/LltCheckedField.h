#pragma once
// The validating input fields of the three task windows of the simple lifting-line method: each
// change, typed, dragged or written back by a check, runs the checks of its window.

#include "common/gui/CheckedField.h"
#include "llt/gui/LltFieldChecks.h"

using LltCheckedField = luvo::CheckedField;

// The analysis window's fields (its lift-slope factor field is one of them but not checked).
class LltAnalysisField : public LltCheckedField {
  public:
    using LltCheckedField::LltCheckedField;
};

class LltTwistDesignField : public LltCheckedField {
  public:
    using LltCheckedField::LltCheckedField;
};

class LltChordDesignField : public LltCheckedField {
  public:
    using LltCheckedField::LltCheckedField;
};
