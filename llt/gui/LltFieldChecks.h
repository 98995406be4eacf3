#pragma once
// The input checks of one task window of the simple lifting-line method on its text fields
// (common/gui/FieldChecks.h), with the window's check order (llt/core/LltInputChecks.h).

#include "common/gui/FieldChecks.h"
#include "llt/core/LltInputChecks.h"

class LltFieldChecks : public luvo::FieldChecks {
  public:
    LltFieldChecks(LltTaskWindow window, std::function<void()> recompute)
        : luvo::FieldChecks(LltCheckTable(window), std::move(recompute)) {}

    // The field that holds an input of the window's check order.
    void Declare(LltInput input, wxTextCtrl* field) {
        luvo::FieldChecks::Declare(LltIndex(input), field);
    }
    wxTextCtrl* Field(LltInput input) const { return luvo::FieldChecks::Field(LltIndex(input)); }
};
