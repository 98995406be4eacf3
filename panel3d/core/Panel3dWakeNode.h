#pragma once

#include <array>

// A node of the free wake during a relaxation step: station s of row r is element s + (2M+1)*r
// of the model's wake nodes. Every relaxation step fills the nodes anew.
struct Panel3dWakeNode {
    std::array<double, 3> step{};      // displacement along the local velocity
    std::array<double, 3> position{};  // where the velocity is taken
    std::array<double, 3> velocity{};  // free stream plus induced velocity
};
