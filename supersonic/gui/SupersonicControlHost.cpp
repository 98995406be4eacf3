#include "supersonic/gui/SupersonicControlHost.h"

#include <wx/toplevel.h>

SupersonicControlHost* ControlHostOf(wxWindow* control) {
    auto* host = dynamic_cast<SupersonicControlHost*>(wxGetTopLevelParent(control));
    return host != nullptr && host->IsLive() ? host : nullptr;
}
