// Program entry: the X11 backend has to be chosen before the toolkit starts, and failed checks
// of the toolkit go to standard error from the very start.

#include <wx/init.h>

#include "app/App.h"
#include "common/gui/Platform.h"

wxIMPLEMENT_APP_NO_MAIN(App);

int main(int argc, char** argv) {
    luvo::PrepareDisplayBackend();
    wxSetAssertHandler(ReportAssertionOnStderr);
    return wxEntry(argc, argv);
}
