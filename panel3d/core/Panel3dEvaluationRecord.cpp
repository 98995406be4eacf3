#include "panel3d/core/Panel3dEvaluationRecord.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double At(const std::vector<double>& a, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < a.size() ? a[static_cast<std::size_t>(i)] : kNaN;
}

std::vector<double> Unset(int n) { return std::vector<double>(static_cast<std::size_t>(n), kNaN); }

// The count of a flow state as the arrays use it: truncated, at least 1, at most the cap.
int PointsOf(double count) {
    if (!(count >= 1.0)) {
        return 1;
    }
    return static_cast<int>(
        std::min(count, static_cast<double>(Panel3dEvaluationRecord::kMaxPoints)));
}

}  // namespace

Panel3dEvaluationRecord::Panel3dEvaluationRecord(int chordPanels, int spanPanels,
                                                 const std::array<double, 9>& runFlowState,
                                                 int taskMode)
    : referenceChord(kNaN),
      referenceArea(kNaN),
      chordPanels_(std::max(chordPanels, 0)),
      spanPanels_(std::max(spanPanels, 0)),
      flowState_(runFlowState),
      mode_(taskMode),
      points_(PointsOf(runFlowState[4])) {
    const int k = StationCount();
    for (std::vector<double>* a :
         {&sectionLengthX, &sectionLeadingEdgeY, &sectionCfFlatPlate, &sectionCfIntegral,
          &sectionCfTurbulent, &sectionCa, &sectionCwi, &sectionEta, &sectionCdXfoil,
          &sectionCdfXfoil, &sectionCdpXfoil}) {
        *a = Unset(k);
    }
    sectionReynolds = Unset(points_ * StripCount());
    sectionX = Unset(k * ContourPointCount());
    sectionZ = Unset(k * ContourPointCount());
    totals.fill(kNaN);
    xfoilTotals = Unset(3 * points_);
    if (points_ > 1) {
        for (std::vector<double>* a : {&pointCa, &pointCwi, &pointCfFlatPlate, &pointCfIntegral,
                                       &pointAlpha, &pointPressurePoint, &pointCmy}) {
            *a = Unset(points_);
        }
    }
    if (mode_ == 2) {
        for (std::vector<double>* a :
             {&sinkSpeedFlatPlate, &sinkSpeedIntegral, &sinkSpeedInduced, &sinkSpeedXfoil,
              &flightSpeedFlatPlate, &flightSpeedIntegral, &flightSpeedInduced, &flightSpeedXfoil,
              &powerFlatPlate, &powerIntegral, &powerInduced, &powerXfoil, &thrustFlatPlate,
              &thrustIntegral, &thrustInduced, &thrustXfoil, &pointSpeed}) {
            *a = Unset(points_);
        }
    }
    pointStripLift.resize(static_cast<std::size_t>(points_));
}

double Panel3dEvaluationRecord::GetSectionLengthX(int s) const { return At(sectionLengthX, s); }
double Panel3dEvaluationRecord::GetSectionLeadingEdgeY(int s) const {
    return At(sectionLeadingEdgeY, s);
}
double Panel3dEvaluationRecord::GetSectionEta(int s) const { return At(sectionEta, s); }
double Panel3dEvaluationRecord::GetSectionCwi(int s) const { return At(sectionCwi, s); }
double Panel3dEvaluationRecord::GetSectionCa(int s) const { return At(sectionCa, s); }
double Panel3dEvaluationRecord::GetSectionCfEp(int s) const { return At(sectionCfFlatPlate, s); }
double Panel3dEvaluationRecord::GetSectionCfInt(int s) const { return At(sectionCfIntegral, s); }
double Panel3dEvaluationRecord::GetSectionCfTurbulent(int s) const {
    return At(sectionCfTurbulent, s);
}
double Panel3dEvaluationRecord::GetSectionCwXfoil(int s) const { return At(sectionCdXfoil, s); }
double Panel3dEvaluationRecord::GetSectionCwrXfoil(int s) const { return At(sectionCdfXfoil, s); }
double Panel3dEvaluationRecord::GetSectionCwpXfoil(int s) const { return At(sectionCdpXfoil, s); }

double Panel3dEvaluationRecord::GetSectionX(int s, int k) const {
    const int l = ContourPointCount();
    return k >= 0 && k < l && s >= 0 ? At(sectionX, l * s + k) : kNaN;
}

double Panel3dEvaluationRecord::GetSectionZ(int s, int k) const {
    const int l = ContourPointCount();
    return k >= 0 && k < l && s >= 0 ? At(sectionZ, l * s + k) : kNaN;
}

double Panel3dEvaluationRecord::GetSectionReynolds(int p, int s) const {
    const int strips = StripCount();
    return p >= 1 && s >= 0 && s < strips ? At(sectionReynolds, (p - 1) * strips + s) : kNaN;
}

double Panel3dEvaluationRecord::GetPointStripLift(int p, int s) const {
    return p >= 1 && p <= points_ ? At(pointStripLift[static_cast<std::size_t>(p - 1)], s) : kNaN;
}

double Panel3dEvaluationRecord::GetTotalCoefficient(int k) const {
    return k >= 0 && k < static_cast<int>(totals.size()) ? totals[static_cast<std::size_t>(k)]
                                                         : kNaN;
}

double Panel3dEvaluationRecord::GetXfoilTotalCoefficient(int i) const { return At(xfoilTotals, i); }

double Panel3dEvaluationRecord::GetPointCa(int p) const { return At(pointCa, p); }
double Panel3dEvaluationRecord::GetPointCwi(int p) const { return At(pointCwi, p); }
double Panel3dEvaluationRecord::GetPointCfEp(int p) const { return At(pointCfFlatPlate, p); }
double Panel3dEvaluationRecord::GetPointCfInt(int p) const { return At(pointCfIntegral, p); }
double Panel3dEvaluationRecord::GetPointAlpha(int p) const { return At(pointAlpha, p); }
double Panel3dEvaluationRecord::GetPointLdp(int p) const { return At(pointPressurePoint, p); }
double Panel3dEvaluationRecord::GetPointCmy(int p) const { return At(pointCmy, p); }
double Panel3dEvaluationRecord::GetPointSpeed(int p) const { return At(pointSpeed, p); }
double Panel3dEvaluationRecord::GetVvEp(int p) const { return At(sinkSpeedFlatPlate, p); }
double Panel3dEvaluationRecord::GetVvInt(int p) const { return At(sinkSpeedIntegral, p); }
double Panel3dEvaluationRecord::GetVvInduced(int p) const { return At(sinkSpeedInduced, p); }
double Panel3dEvaluationRecord::GetVvXfoil(int p) const { return At(sinkSpeedXfoil, p); }
double Panel3dEvaluationRecord::GetVhEp(int p) const { return At(flightSpeedFlatPlate, p); }
double Panel3dEvaluationRecord::GetVhInt(int p) const { return At(flightSpeedIntegral, p); }
double Panel3dEvaluationRecord::GetVhInduced(int p) const { return At(flightSpeedInduced, p); }
double Panel3dEvaluationRecord::GetVhXfoil(int p) const { return At(flightSpeedXfoil, p); }
double Panel3dEvaluationRecord::GetPowerEp(int p) const { return At(powerFlatPlate, p); }
double Panel3dEvaluationRecord::GetPowerInt(int p) const { return At(powerIntegral, p); }
double Panel3dEvaluationRecord::GetPowerInduced(int p) const { return At(powerInduced, p); }
double Panel3dEvaluationRecord::GetPowerXfoil(int p) const { return At(powerXfoil, p); }
double Panel3dEvaluationRecord::GetThrustEp(int p) const { return At(thrustFlatPlate, p); }
double Panel3dEvaluationRecord::GetThrustInt(int p) const { return At(thrustIntegral, p); }
double Panel3dEvaluationRecord::GetThrustInduced(int p) const { return At(thrustInduced, p); }
double Panel3dEvaluationRecord::GetThrustXfoil(int p) const { return At(thrustXfoil, p); }

double Panel3dEvaluationRecord::NeutralPoint() const {
    const int q = points_ - 1;
    const double liftRise = GetPointCa(q) - GetPointCa(0);
    // One point, or a polar whose end lifts agree, has no neutral point.
    if (q < 1 || !(liftRise != 0.0)) {
        return kNaN;
    }
    return (GetPointCmy(0) - GetPointCmy(q)) * referenceChord / liftRise;
}

double Panel3dEvaluationRecord::RequiredLift(double speed, double wingLoading) {
    return 2.0 * wingLoading / (1.225 * speed * speed);
}

bool Panel3dEvaluationRecord::LiftMeetsDemand(double lift, double required) {
    return std::fabs(lift - required) <= std::max(0.005 * std::fabs(required), 1e-6);
}

bool Panel3dEvaluationRecord::PointLiftReached(int p) const {
    if (mode_ != 2) {
        return true;
    }
    const double lift = p == 0 && points_ == 1 ? totals[3] : GetPointCa(p);
    const double speed = GetPointSpeed(p);
    // A point not evaluated claims nothing.
    if (!std::isfinite(lift) || !std::isfinite(speed)) {
        return true;
    }
    return LiftMeetsDemand(lift, RequiredLift(speed, flowState_[7]));
}
