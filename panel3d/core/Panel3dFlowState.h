#pragma once
// The flow state of the 3D panel method: what the panel method window's last "&OK" set, read by
// the runs. The free-stream speed and the viscosity are not kept here; they go only to the
// polar evaluator.

#include <array>
#include <vector>

#include "common/core/RangeCheck.h"

struct Panel3dFlowState {
    int taskMode = 0;          // 0 single flow state, 1 lift polars, 2 speed polars
    double alphaStar = 0.0;    // angle of attack of the (first) operating point [deg]
    double alphaStep = 0.0;    // increment between operating points [deg]
    int angleCount = 0;        // angles solved in one run
    int pointCount = 0;        // operating points of the polar evaluation
    double speedMin = 0.0;     // lowest speed of the speed polars [m/s]
    double speedMax = 0.0;     // highest speed [m/s]
    int speedCount = 0;        // speeds of the speed polars
    double wingLoading = 0.0;  // [N/m^2]
    double efficiency = 0.0;   // propulsive efficiency of the power polar
};

namespace panel3d {
// The module's flow state, zero until the first "&OK".
inline Panel3dFlowState Panel3dCurrentFlowState;
}  // namespace panel3d

// The eleven fields of the panel method window, in window order.
enum Panel3dFlowField {
    kPanel3dAlpha,        // alfa* [deg], task 0
    kPanel3dAlphaMin,     // alfa*_min [deg], task 1
    kPanel3dAlphaStep,    // delta_alfa [deg], task 1
    kPanel3dPointCount,   // number of angles, task 1
    kPanel3dSpeed,        // V [m/s], tasks 0 and 1
    kPanel3dViscosity,    // [1e-6 m^2/s], all tasks
    kPanel3dSpeedMin,     // [m/s], task 2
    kPanel3dSpeedMax,     // [m/s], task 2
    kPanel3dSpeedCount,   // task 2
    kPanel3dWingLoading,  // [N/m^2], task 2
    kPanel3dEfficiency,   // task 2
    kPanel3dFlowFieldCount
};

// The fields' numbers as read from their texts.
using Panel3dFlowInputs = std::array<double, kPanel3dFlowFieldCount>;

// Whether a field takes part in the task (0, 1 or 2).
bool Panel3dFieldUsedByTask(int task, Panel3dFlowField field);

// The checks of the task's inputs in window order, for the common range check: the first that
// fails is the one reported. A polar of one point, one speed or an empty speed range would
// divide by zero in the run; the angles, the angle step and the wing loading break no run.
std::vector<luvo::RangeCheck> Panel3dFlowChecks(int task, const Panel3dFlowInputs& in);

// The flow state of the task from checked inputs; counts are truncated toward zero.
Panel3dFlowState MakePanel3dFlowState(int task, const Panel3dFlowInputs& in);

// The arguments that the "&OK" hands to the polar evaluator besides the flow state: the speed
// V [m/s] (the lowest speed for a speed polar, where each speed point brings its own) and the
// kinematic viscosity [m^2/s].
double Panel3dEvaluatorSpeed(int task, const Panel3dFlowInputs& in);
double Panel3dKinematicViscosity(const Panel3dFlowInputs& in);
