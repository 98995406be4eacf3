#pragma once
// The one evaluation object that all windows of the 3D panel method share. The main window
// creates it; every panel window holds a reference, so it outlives "&Beenden..." for as long
// as such a window is open.

#include <memory>

class Panel3dPolarEvaluator {
  public:
    // The program's evaluator, or nullptr once it was released and before it was created.
    static std::shared_ptr<Panel3dPolarEvaluator> Shared();
    static void Create();
    // Drops the module's reference; windows that still hold one keep it alive.
    static void Release();
};
