#include "app/App.h"

#include "app/MainFrame.h"
#include "common/Platform.h"

bool App::OnInit() {
    luvo::ApplyUiStyle();
    mainFrame_ = ShowMainWindow();
    return true;
}
