#pragma once
// The one evaluation object that all windows of the 3D panel method share. The main window
// creates it; every panel window holds a reference, so it outlives "&Beenden..." for as long
// as such a window is open.

#include <array>
#include <memory>

class Panel3dPolarEvaluator {
  public:
    // The program's evaluator, or nullptr once it was released and before it was created.
    static std::shared_ptr<Panel3dPolarEvaluator> Shared();
    static void Create();
    // Drops the module's reference; windows that still hold one keep it alive.
    static void Release();

    // The operating parameters of the panel method window's last "&OK": speed V [m/s],
    // kinematic viscosity nu [m^2/s], task mode, first angle alpha* [deg], angle step [deg],
    // number of operating points, highest and lowest speed [m/s], number of speeds (not kept;
    // the point count already says it for a speed polar), wing loading [N/m^2], propulsive
    // efficiency.
    void SetFlowState(double speed, double viscosity, int taskMode, double alphaStar,
                      double alphaStep, double pointCount, double speedMax, double speedMin,
                      int speedCount, double wingLoading, double efficiency);

    // Task mode of the last SetFlowState: 0 single state, 1 lift polars, 2 speed polars.
    int GetMode() const { return mode; }
    // Number of operating points of the last SetFlowState.
    double GetPointCount() const { return flowState[4]; }

    // V, nu, alpha*, delta alpha, count, v_max, v_min, wing loading, efficiency, in this order.
    std::array<double, 9> flowState{};
    int mode = 0;
};
