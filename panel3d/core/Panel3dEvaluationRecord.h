#pragma once
// What the profile-drag evaluation of one panel run leaves behind: section values of the point
// last evaluated, the per-point series of a polar, the speed-polar series and the XFOIL slots.
// Every run makes its own record, sized for its counts; the results and XFOIL windows of a run
// keep that run's record, so none of them ever reads with another run's sizes.
//
// Sizes (K = 2M+1 stations, 2M strips, L = 2N+1 contour points, count = operating points):
// section arrays K (strip s at s; entry 2M stays unset), `sectionReynolds` count*2M (point p
// from 1, strip s at (p-1)*2M + s), `sectionX`/`sectionZ` K*L (strip s, point k at L*s + k),
// point and speed series count. Values not yet computed are NaN, and so is every getter's
// answer outside its array.

#include <array>
#include <string>
#include <vector>

class Panel3dEvaluationRecord {
  public:
    // A record for N chordwise and M spanwise panels, the flow state (V, nu, alpha*, delta
    // alpha, count, v_max, v_min, wing loading, efficiency) and the task mode of its run. The
    // point series exist when the count is above 1, the speed series in mode 2.
    Panel3dEvaluationRecord(int chordPanels, int spanPanels,
                            const std::array<double, 9>& runFlowState, int taskMode);

    // Largest number of operating points a record makes room for.
    static constexpr int kMaxPoints = 10000;

    int ChordPanels() const { return chordPanels_; }
    int SpanPanels() const { return spanPanels_; }
    int StripCount() const { return 2 * spanPanels_; }
    int StationCount() const { return 2 * spanPanels_ + 1; }        // K
    int ContourPointCount() const { return 2 * chordPanels_ + 1; }  // L
    // Operating points of the run: the flow state's count truncated, at least 1.
    int Points() const { return points_; }
    // Points evaluated so far: the number of the last point evaluated (0 before the first).
    int EvaluatedPoints() const { return evaluatedPoints; }
    int GetMode() const { return mode_; }
    const std::array<double, 9>& FlowState() const { return flowState_; }
    // The flow state's count as a double, as the windows show it.
    double GetPointCount() const { return flowState_[4]; }

    // ---- section values of the point last evaluated, strip s ----
    double GetSectionLengthX(int s) const;
    double GetSectionLeadingEdgeY(int s) const;
    double GetSectionEta(int s) const;
    double GetSectionCwi(int s) const;
    double GetSectionCa(int s) const;
    double GetSectionCfEp(int s) const;
    double GetSectionCfInt(int s) const;
    double GetSectionCfTurbulent(int s) const;
    double GetSectionCwXfoil(int s) const;
    double GetSectionCwrXfoil(int s) const;
    double GetSectionCwpXfoil(int s) const;
    // Normalised contour point k (0..2N) of strip s for the XFOIL profile files.
    double GetSectionX(int s, int k) const;
    double GetSectionZ(int s, int k) const;
    // Reynolds number of strip s at point p (from 1).
    double GetSectionReynolds(int p, int s) const;
    // Strip lift ca of strip s at point p (from 1): each point's own.
    double GetPointStripLift(int p, int s) const;

    // ---- totals of the point last evaluated, k = 0..5: CWr_ep, CWr_int, CWi, cA, cMy, l_DP ----
    double GetTotalCoefficient(int k) const;
    // XFOIL totals at 3p + k: cW_xf, cWr_xf, cWp_xf of point p (from 0).
    double GetXfoilTotalCoefficient(int i) const;

    // ---- per point p (from 0) ----
    double GetPointCa(int p) const;
    double GetPointCwi(int p) const;
    double GetPointCfEp(int p) const;
    double GetPointCfInt(int p) const;
    double GetPointAlpha(int p) const;
    double GetPointLdp(int p) const;
    double GetPointCmy(int p) const;
    double GetPointSpeed(int p) const;
    double GetVvEp(int p) const;
    double GetVvInt(int p) const;
    double GetVvInduced(int p) const;
    double GetVvXfoil(int p) const;
    double GetVhEp(int p) const;
    double GetVhInt(int p) const;
    double GetVhInduced(int p) const;
    double GetVhXfoil(int p) const;
    double GetPowerEp(int p) const;
    double GetPowerInt(int p) const;
    double GetPowerInduced(int p) const;
    double GetPowerXfoil(int p) const;
    double GetThrustEp(int p) const;
    double GetThrustInt(int p) const;
    double GetThrustInduced(int p) const;
    double GetThrustXfoil(int p) const;

    // Neutral point l_NP [m] of a lift polar from its first and last point; NaN with fewer than
    // two points or equal end lifts.
    double NeutralPoint() const;

    // ---- speed polar: the lift each speed demands ----
    // cA = 2 (m g / S) / (rho v^2) for the wing loading m g / S [N/m^2] at the speed v [m/s].
    static double RequiredLift(double speed, double wingLoading);
    // Whether a lift meets its demand: within half a per cent (and 1e-6 for a demand of 0).
    static bool LiftMeetsDemand(double lift, double required);
    // False when speed-polar point p (from 0) flew with a lift that misses what its speed
    // demands (beyond the wing's reach); true for every point of the other modes.
    bool PointLiftReached(int p) const;

    // ---- the arrays (NaN until written) ----
    std::vector<double> sectionLengthX;       // K: x(trailing edge) - x(leading edge) [m]
    std::vector<double> sectionLeadingEdgeY;  // K [m]
    std::vector<double> sectionCfFlatPlate;   // K
    std::vector<double> sectionCfIntegral;    // K
    std::vector<double> sectionCfTurbulent;   // K
    std::vector<double> sectionCa;            // K
    std::vector<double> sectionCwi;           // K
    std::vector<double> sectionReynolds;      // count*2M
    std::vector<double> sectionEta;           // K
    std::array<double, 6> totals;
    std::vector<double> xfoilTotals;                                       // 3*count
    std::vector<double> sectionCdXfoil, sectionCdfXfoil, sectionCdpXfoil;  // K
    // Per point (count values each when the count is above 1, else empty).
    std::vector<double> pointCa, pointCwi, pointCfFlatPlate, pointCfIntegral, pointAlpha,
        pointPressurePoint, pointCmy;
    // Speed polar (count values each in mode 2, else empty).
    std::vector<double> sinkSpeedFlatPlate, sinkSpeedIntegral, sinkSpeedInduced, sinkSpeedXfoil;
    std::vector<double> flightSpeedFlatPlate, flightSpeedIntegral, flightSpeedInduced,
        flightSpeedXfoil;
    std::vector<double> powerFlatPlate, powerIntegral, powerInduced, powerXfoil;
    std::vector<double> thrustFlatPlate, thrustIntegral, thrustInduced, thrustXfoil;
    std::vector<double> pointSpeed;
    std::vector<double> sectionX, sectionZ;  // K*L
    // The model's strip lifts at each point: count rows of 2M.
    std::vector<std::vector<double>> pointStripLift;

    // Of the model last evaluated, for the neutral point and the speed-polar values.
    double referenceChord;  // [m]
    double referenceArea;   // [m^2]
    int evaluatedPoints = 0;

  private:
    int chordPanels_;
    int spanPanels_;
    std::array<double, 9> flowState_;
    int mode_;
    int points_;
};
