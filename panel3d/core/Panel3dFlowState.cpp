#include "panel3d/core/Panel3dFlowState.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr double kOpen = std::numeric_limits<double>::infinity();
// The least value above 0: "0 < x" as an inclusive lower bound.
constexpr double kAboveZero = std::numeric_limits<double>::denorm_min();

const char* const kPointCountText =
    "Die Anzahl der Punkte liegt in einem unzulässigen Bereich:\n\n"
    "2 <= Anzahl der Punkte <= 99\n";
const char* const kSpeedText =
    "Der Wert der Geschwindigkeit liegt in einem unzulässigen Bereich:\n\n"
    "0 < Geschwindigkeit\n";
const char* const kViscosityText =
    "Der Wert der kinematischen Viskosität liegt in einem unzulässigen Bereich:\n\n"
    "0 < Kinematische Viskosität\n";
const char* const kSpeedRangeText =
    "Der Wert der minimalen Geschwindigkeit liegt in einem unzulässigen Bereich:\n\n"
    "0 < minimale Geschwindigkeit < maximale Geschwindigkeit\n";
const char* const kSpeedCountText =
    "Die Anzahl der Geschwindigkeiten liegt in einem unzulässigen Bereich:\n\n"
    "2 <= Anzahl der Geschwindigkeiten <= 99\n";
const char* const kEfficiencyText =
    "Der Wert des Wirkungsgrades liegt in einem unzulässigen Bereich:\n\n"
    "0 < Wirkungsgrad\n";

// Counts are compared as read. At least two points: the run divides by the count less one. At
// most 99: the point number in the XFOIL file names has two digits.
constexpr double kMinCount = 2.0;
constexpr double kMaxCount = 99.0;

int Truncate(double v) {
    // Checked inputs lie far inside int; anything else must not overflow the conversion.
    if (!(v > -2147483648.0 && v < 2147483648.0)) return 0;
    return static_cast<int>(v);
}

}  // namespace

bool Panel3dFieldUsedByTask(int task, Panel3dFlowField field) {
    switch (field) {
        case kPanel3dAlpha:
            return task == 0;
        case kPanel3dAlphaMin:
        case kPanel3dAlphaStep:
        case kPanel3dPointCount:
            return task == 1;
        case kPanel3dSpeed:
            return task == 0 || task == 1;
        case kPanel3dViscosity:
            return true;
        case kPanel3dSpeedMin:
        case kPanel3dSpeedMax:
        case kPanel3dSpeedCount:
        case kPanel3dWingLoading:
        case kPanel3dEfficiency:
            return task == 2;
        case kPanel3dFlowFieldCount:
            break;
    }
    return false;
}

std::vector<luvo::RangeCheck> Panel3dFlowChecks(int task, const Panel3dFlowInputs& in) {
    const double speedMax = in[kPanel3dSpeedMax];
    const std::pair<Panel3dFlowField, luvo::RangeCheck> all[] = {
        {kPanel3dPointCount, {in[kPanel3dPointCount], kMinCount, kMaxCount, kPointCountText}},
        {kPanel3dSpeed, {in[kPanel3dSpeed], kAboveZero, kOpen, kSpeedText}},
        {kPanel3dViscosity, {in[kPanel3dViscosity], kAboveZero, kOpen, kViscosityText}},
        // Below the highest speed, which must itself be a number.
        {kPanel3dSpeedMin,
         {in[kPanel3dSpeedMin], kAboveZero, std::nextafter(speedMax, -kOpen), kSpeedRangeText}},
        {kPanel3dSpeedMax, {speedMax, -kOpen, kOpen, kSpeedRangeText}},
        {kPanel3dSpeedCount, {in[kPanel3dSpeedCount], kMinCount, kMaxCount, kSpeedCountText}},
        {kPanel3dEfficiency, {in[kPanel3dEfficiency], kAboveZero, kOpen, kEfficiencyText}},
    };
    std::vector<luvo::RangeCheck> checks;
    for (const auto& [field, check] : all) {
        if (Panel3dFieldUsedByTask(task, field)) checks.push_back(check);
    }
    return checks;
}

Panel3dFlowState MakePanel3dFlowState(int task, const Panel3dFlowInputs& in) {
    Panel3dFlowState s;
    s.taskMode = task;
    if (task == 2) {
        // The run first solves -10 and +10 degrees for the lift slope, then one point per speed.
        const int speeds = Truncate(in[kPanel3dSpeedCount]);
        s.alphaStar = -10.0;
        s.alphaStep = 20.0;
        s.angleCount = 2;
        s.pointCount = speeds;
        s.speedMin = in[kPanel3dSpeedMin];
        s.speedMax = in[kPanel3dSpeedMax];
        s.speedCount = speeds;
        s.wingLoading = in[kPanel3dWingLoading];
        s.efficiency = in[kPanel3dEfficiency];
        return s;
    }
    if (task == 1) {
        const int points = Truncate(in[kPanel3dPointCount]);
        s.alphaStar = in[kPanel3dAlphaMin];
        s.alphaStep = in[kPanel3dAlphaStep];
        s.angleCount = points;
        s.pointCount = points;
    } else {
        s.alphaStar = in[kPanel3dAlpha];
        s.alphaStep = 1.0;
        s.angleCount = 1;
        s.pointCount = 1;
    }
    s.speedMin = 1.0;
    s.speedMax = 1.0;
    s.speedCount = 1;
    s.wingLoading = 1.0;
    s.efficiency = 1.0;
    return s;
}

double Panel3dEvaluatorSpeed(int task, const Panel3dFlowInputs& in) {
    return task == 2 ? in[kPanel3dSpeedMin] : in[kPanel3dSpeed];
}

double Panel3dKinematicViscosity(const Panel3dFlowInputs& in) {
    return in[kPanel3dViscosity] * 0.000001;
}
