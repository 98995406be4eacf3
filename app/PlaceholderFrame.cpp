#include "app/PlaceholderFrame.h"

wxBEGIN_EVENT_TABLE(PlaceholderFrame, luvo::LuvoFrame)
    EVT_MENU(luvo::kIdMenuClose, PlaceholderFrame::OnClose) wxEND_EVENT_TABLE()
