#include "panel3d/solver/Panel3dPolarEvaluator.h"

namespace {
std::shared_ptr<Panel3dPolarEvaluator> g_evaluator;
}

std::shared_ptr<Panel3dPolarEvaluator> Panel3dPolarEvaluator::Shared() { return g_evaluator; }

void Panel3dPolarEvaluator::Create() { g_evaluator = std::make_shared<Panel3dPolarEvaluator>(); }

void Panel3dPolarEvaluator::Release() { g_evaluator.reset(); }

void Panel3dPolarEvaluator::SetFlowState(double speed, double viscosity, int taskMode,
                                         double alphaStar, double alphaStep, double pointCount,
                                         double speedMax, double speedMin, int /*speedCount*/,
                                         double wingLoading, double efficiency) {
    flowState = {speed,    viscosity, alphaStar,   alphaStep, pointCount,
                 speedMax, speedMin,  wingLoading, efficiency};
    mode = taskMode;
}
