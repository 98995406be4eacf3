#include "vlm/VlmDiscretisationFrame.h"

// The interactive run is not built yet: a start that passed its checks does nothing.
void VlmDiscretisationFrame::Run() {}
