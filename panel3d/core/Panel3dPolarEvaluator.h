#pragma once
// The one evaluation object that all windows of the 3D panel method share. The main window
// creates it; every panel window holds a reference, so it outlives "&Beenden..." for as long
// as such a window is open. It keeps the operating parameters of the method window, the
// current operating point and the XFOIL file names; the numbers a run evaluates go into that
// run's own record (Panel3dEvaluationRecord), of which it holds the newest.

#include <array>
#include <limits>
#include <memory>
#include <string>

#include "panel3d/core/Panel3dEvaluationRecord.h"

class Panel3dModel;

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
    // Profile base name, result base name, program path, command file, coefficient file,
    // error log, batch file.
    void SetXfoilFileNames(const std::string& profile, const std::string& result,
                           const std::string& program, const std::string& command,
                           const std::string& coefficients, const std::string& log,
                           const std::string& batch);
    // The operating point about to be evaluated: alpha [deg] and its number from 1.
    void SetOperatingPoint(double alpha, int point);
    // The speed-polar point: index from 0, flight speed v [m/s], required lift cA_req, alpha.
    void SetSpeedPoint(int index, double speed, double requiredLift, double alpha);

    // Profile drag of the solved operating point set last, from the module's current model
    // (or the given one): section values, span means, the point's entries of the polar series
    // and in a speed polar its speeds, power and thrust. Point 1 starts a new record for the
    // model's counts and the flow state as it stands; later points add to it. Nothing happens
    // without a model.
    void EvaluateProfileDrag();
    void EvaluateProfileDrag(const Panel3dModel& model);

    // The record of the newest run, or nullptr before the first evaluation.
    std::shared_ptr<Panel3dEvaluationRecord> Record() const { return record_; }

    // Task mode of the last SetFlowState: 0 single state, 1 lift polars, 2 speed polars.
    int GetMode() const { return mode; }
    // Number of operating points of the last SetFlowState.
    double GetPointCount() const { return flowState[4]; }

    // The newest record's values (NaN without a record or outside its arrays); see
    // Panel3dEvaluationRecord for the meaning of each.
    double GetSectionEta(int s) const { return Read(&Panel3dEvaluationRecord::GetSectionEta, s); }
    double GetSectionCwi(int s) const { return Read(&Panel3dEvaluationRecord::GetSectionCwi, s); }
    double GetSectionCfEp(int s) const { return Read(&Panel3dEvaluationRecord::GetSectionCfEp, s); }
    double GetSectionCfInt(int s) const {
        return Read(&Panel3dEvaluationRecord::GetSectionCfInt, s);
    }
    double GetSectionCwXfoil(int s) const {
        return Read(&Panel3dEvaluationRecord::GetSectionCwXfoil, s);
    }
    double GetSectionCwrXfoil(int s) const {
        return Read(&Panel3dEvaluationRecord::GetSectionCwrXfoil, s);
    }
    double GetSectionCwpXfoil(int s) const {
        return Read(&Panel3dEvaluationRecord::GetSectionCwpXfoil, s);
    }
    double GetTotalCoefficient(int k) const {
        return Read(&Panel3dEvaluationRecord::GetTotalCoefficient, k);
    }
    double GetXfoilTotalCoefficient(int i) const {
        return Read(&Panel3dEvaluationRecord::GetXfoilTotalCoefficient, i);
    }
    double GetPointCa(int p) const { return Read(&Panel3dEvaluationRecord::GetPointCa, p); }
    double GetPointCwi(int p) const { return Read(&Panel3dEvaluationRecord::GetPointCwi, p); }
    double GetPointCfEp(int p) const { return Read(&Panel3dEvaluationRecord::GetPointCfEp, p); }
    double GetPointCfInt(int p) const { return Read(&Panel3dEvaluationRecord::GetPointCfInt, p); }
    double GetPointAlpha(int p) const { return Read(&Panel3dEvaluationRecord::GetPointAlpha, p); }
    double GetPointLdp(int p) const { return Read(&Panel3dEvaluationRecord::GetPointLdp, p); }
    double GetVvEp(int p) const { return Read(&Panel3dEvaluationRecord::GetVvEp, p); }
    double GetVvInt(int p) const { return Read(&Panel3dEvaluationRecord::GetVvInt, p); }
    double GetVvInduced(int p) const { return Read(&Panel3dEvaluationRecord::GetVvInduced, p); }
    double GetVvXfoil(int p) const { return Read(&Panel3dEvaluationRecord::GetVvXfoil, p); }
    double GetVhEp(int p) const { return Read(&Panel3dEvaluationRecord::GetVhEp, p); }
    double GetVhInt(int p) const { return Read(&Panel3dEvaluationRecord::GetVhInt, p); }
    double GetVhInduced(int p) const { return Read(&Panel3dEvaluationRecord::GetVhInduced, p); }
    double GetVhXfoil(int p) const { return Read(&Panel3dEvaluationRecord::GetVhXfoil, p); }
    double GetPowerEp(int p) const { return Read(&Panel3dEvaluationRecord::GetPowerEp, p); }
    double GetPowerInt(int p) const { return Read(&Panel3dEvaluationRecord::GetPowerInt, p); }
    double GetPowerInduced(int p) const {
        return Read(&Panel3dEvaluationRecord::GetPowerInduced, p);
    }
    double GetPowerXfoil(int p) const { return Read(&Panel3dEvaluationRecord::GetPowerXfoil, p); }
    double GetThrustEp(int p) const { return Read(&Panel3dEvaluationRecord::GetThrustEp, p); }
    double GetThrustInt(int p) const { return Read(&Panel3dEvaluationRecord::GetThrustInt, p); }
    double GetThrustInduced(int p) const {
        return Read(&Panel3dEvaluationRecord::GetThrustInduced, p);
    }
    double GetThrustXfoil(int p) const { return Read(&Panel3dEvaluationRecord::GetThrustXfoil, p); }
    // l_NP [m] of the newest record's lift polar; NaN when it has none.
    double NeutralPoint() const {
        return record_ ? record_->NeutralPoint() : std::numeric_limits<double>::quiet_NaN();
    }

    // V, nu, alpha*, delta alpha, count, v_max, v_min, wing loading, efficiency, in this order.
    std::array<double, 9> flowState{};
    int mode = 0;
    double currentAlpha = 0;  // [deg]
    int currentPoint = 0;     // from 1
    // v [m/s], cA_req, alpha [deg] of the current speed-polar point, and its index from 0.
    std::array<double, 3> speedPoint{};
    int speedPointIndex = 0;
    // Profile base, result base, program, command file, coefficient file, error log, batch.
    std::array<std::string, 7> xfoilNames{
        "profil.pol",   "xfoil_results.dat",      "xfoilP4.exe", "command.cmd",
        "beiwerte.dat", "XFOIL_abnormalties.txt", "batch.bat"};
    // Built for the current point and section by the XFOIL file writer.
    std::string lastProfileFileName;
    std::string lastResultFileName;

  private:
    double Read(double (Panel3dEvaluationRecord::*get)(int) const, int i) const {
        return record_ ? (record_.get()->*get)(i) : std::numeric_limits<double>::quiet_NaN();
    }

    std::shared_ptr<Panel3dEvaluationRecord> record_;
};
