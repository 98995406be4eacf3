#include "panel3d/input/Panel3dFlapView.h"

// The flap view window is not part of the program yet: there is nothing to open or close.
void Panel3dShowFlapView(const std::shared_ptr<Panel3dModel>&) {}

void Panel3dCloseFlapView() {}
