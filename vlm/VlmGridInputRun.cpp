#include "vlm/VlmGridInputFrame.h"

// The run of the grid-file path is not built yet: a start that passed its checks does nothing.
void VlmGridInputFrame::RunFromGridFile() {}
