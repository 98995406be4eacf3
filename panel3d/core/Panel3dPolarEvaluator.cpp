#include "panel3d/core/Panel3dPolarEvaluator.h"

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"

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

void Panel3dPolarEvaluator::SetXfoilFileNames(const std::string& profile, const std::string& result,
                                              const std::string& program,
                                              const std::string& command,
                                              const std::string& coefficients,
                                              const std::string& log, const std::string& batch) {
    xfoilNames = {profile, result, program, command, coefficients, log, batch};
}

void Panel3dPolarEvaluator::SetOperatingPoint(double alpha, int point) {
    currentAlpha = alpha;
    currentPoint = point;
}

void Panel3dPolarEvaluator::SetSpeedPoint(int index, double speed, double requiredLift,
                                          double alpha) {
    speedPointIndex = index;
    speedPoint = {speed, requiredLift, alpha};
}

void Panel3dPolarEvaluator::EvaluateProfileDrag() {
    if (panel3d::Panel3dPanelModel) {
        EvaluateProfileDrag(*panel3d::Panel3dPanelModel);
    }
}
