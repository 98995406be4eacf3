#include "panel3d/input/Panel3dFlowState.h"

#include <cmath>

namespace {

// Counts between 2 and 99: a polar of one point divides by zero, and the point number of the
// XFOIL file names has two digits.
constexpr double kMinCount = 2.0;
constexpr double kMaxCount = 99.0;

bool Positive(double v) { return std::isfinite(v) && v > 0.0; }

bool CountInRange(double v) { return std::isfinite(v) && v >= kMinCount && v <= kMaxCount; }

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

std::optional<Panel3dFlowViolation> CheckPanel3dFlowInputs(int task, const Panel3dFlowInputs& in) {
    struct Rule {
        Panel3dFlowField field;
        bool (*passes)(const Panel3dFlowInputs&);
        const char* message;
    };
    // In window order; angles, the angle step and the wing loading break no run.
    static const Rule rules[] = {
        {kPanel3dPointCount,
         [](const Panel3dFlowInputs& v) { return CountInRange(v[kPanel3dPointCount]); },
         "Die Anzahl der Punkte liegt in einem unzulässigen Bereich:\n\n"
         "2 <= Anzahl der Punkte <= 99\n"},
        {kPanel3dSpeed, [](const Panel3dFlowInputs& v) { return Positive(v[kPanel3dSpeed]); },
         "Der Wert der Geschwindigkeit liegt in einem unzulässigen Bereich:\n\n"
         "0 < Geschwindigkeit\n"},
        {kPanel3dViscosity,
         [](const Panel3dFlowInputs& v) { return Positive(v[kPanel3dViscosity]); },
         "Der Wert der kinematischen Viskosität liegt in einem unzulässigen Bereich:\n\n"
         "0 < Kinematische Viskosität\n"},
        {kPanel3dSpeedMin,
         [](const Panel3dFlowInputs& v) {
             return Positive(v[kPanel3dSpeedMin]) && std::isfinite(v[kPanel3dSpeedMax]) &&
                    v[kPanel3dSpeedMin] < v[kPanel3dSpeedMax];
         },
         "Der Wert der minimalen Geschwindigkeit liegt in einem unzulässigen Bereich:\n\n"
         "0 < minimale Geschwindigkeit < maximale Geschwindigkeit\n"},
        {kPanel3dSpeedCount,
         [](const Panel3dFlowInputs& v) { return CountInRange(v[kPanel3dSpeedCount]); },
         "Die Anzahl der Geschwindigkeiten liegt in einem unzulässigen Bereich:\n\n"
         "2 <= Anzahl der Geschwindigkeiten <= 99\n"},
        {kPanel3dEfficiency,
         [](const Panel3dFlowInputs& v) { return Positive(v[kPanel3dEfficiency]); },
         "Der Wert des Wirkungsgrades liegt in einem unzulässigen Bereich:\n\n"
         "0 < Wirkungsgrad\n"},
    };
    for (const Rule& rule : rules) {
        if (Panel3dFieldUsedByTask(task, rule.field) && !rule.passes(in)) {
            return Panel3dFlowViolation{rule.field, rule.message};
        }
    }
    return std::nullopt;
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
