#include "common/gui/RangeCheckBox.h"

#include "common/gui/LuvoFrame.h"

namespace luvo {

bool PassRangeChecks(wxWindow* parent, const std::vector<RangeCheck>& checks) {
    const char* failure = FirstRangeFailure(checks);
    if (failure == nullptr) return true;
    ShowErrorBox(parent, wxString::FromUTF8(failure), wxString::FromUTF8(kInvalidInputCaption));
    return false;
}

}  // namespace luvo
