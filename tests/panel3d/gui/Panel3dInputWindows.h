#pragma once
// The panel method's input side as at program start, for window tests: the evaluator that the
// main window creates, a zero flow state, no input windows.

#include "panel3d/core/Panel3dFlowState.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/gui/Panel3dInputModule.h"
#include "tests/support/GuiHarness.h"

namespace panel3d_test {

// The input side of the module as the program starts: no window, no run, the flow state zero.
inline void ResetInputModule() {
    panel3d::Panel3dCurrentFlowState = Panel3dFlowState{};
    panel3d::Panel3dSourceWindow.Release();
    panel3d::Panel3dGridInputWindow.Release();
    panel3d::Panel3dGeometryWindow.Release();
    panel3d::Panel3dDiscretisationWindow.Release();
    panel3d::Panel3dFlapWindow.Release();
    panel3d::Panel3dRunActive = false;
}

class Panel3dInputTest : public luvo::test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        ResetModule();
        Panel3dPolarEvaluator::Create();
    }
    void TearDown() override {
        GuiTest::TearDown();
        ResetModule();
        Panel3dPolarEvaluator::Release();
    }
    static void ResetModule() { ResetInputModule(); }
};

}  // namespace panel3d_test
