#pragma once
// Event-table entries for the mouse events that the drag canvases and the controls with a click
// handling of their own take: press, release and double click of the three buttons, motion,
// entering and leaving; the wheel stays with the toolkit.

#include <wx/event.h>

#define LUVO_EVT_MOUSE_BUTTONS_AND_MOTION(func) \
    EVT_LEFT_DOWN(func)                         \
    EVT_LEFT_UP(func)                           \
    EVT_LEFT_DCLICK(func)                       \
    EVT_MIDDLE_DOWN(func)                       \
    EVT_MIDDLE_UP(func)                         \
    EVT_MIDDLE_DCLICK(func)                     \
    EVT_RIGHT_DOWN(func)                        \
    EVT_RIGHT_UP(func)                          \
    EVT_RIGHT_DCLICK(func)                      \
    EVT_MOTION(func)                            \
    EVT_ENTER_WINDOW(func)                      \
    EVT_LEAVE_WINDOW(func)
