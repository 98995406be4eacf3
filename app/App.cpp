#include "app/App.h"

#include <cstdio>

#include "app/MainFrame.h"
#include "common/gui/Platform.h"

bool App::OnInit() {
    luvo::ApplyUiStyle();
    mainFrame_ = ShowMainWindow();
    return true;
}

void ReportAssertionOnStderr(const wxString& file, int line, const wxString& function,
                             const wxString& condition, const wxString& message) {
    std::fprintf(stderr, "luvo: failed check \"%s\" in %s (%s:%d): %s\n",
                 condition.utf8_str().data(), function.utf8_str().data(), file.utf8_str().data(),
                 line, message.utf8_str().data());
    std::fflush(stderr);
}
