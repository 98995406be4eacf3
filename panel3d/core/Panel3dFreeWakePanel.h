#pragma once

#include "panel3d/core/Panel3dPanel.h"

// A panel of a free-wake row: row r of strip j is element j + 2M*r of the model's free wake.
// It carries only a doublet, and the wake relaxation moves its given corners.
class Panel3dFreeWakePanel : public Panel3dPanel {};
