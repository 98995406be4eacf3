// Program entry: the X11 backend has to be chosen before the toolkit starts.

#include <wx/init.h>

#include "app/App.h"
#include "common/Platform.h"

wxIMPLEMENT_APP_NO_MAIN(App);

int main(int argc, char** argv) {
    luvo::PrepareDisplayBackend();
    return wxEntry(argc, argv);
}
