#include "panel3d/core/Panel3dResultSeries.h"

#include "panel3d/core/Panel3dEvaluationRecord.h"
#include "panel3d/core/Panel3dModel.h"

namespace {

using Getter = double (Panel3dEvaluationRecord::*)(int) const;

std::vector<double> Read(const Panel3dEvaluationRecord& r, Getter get, int count, int step = 1,
                         int offset = 0) {
    std::vector<double> out(count > 0 ? count : 0);
    for (int i = 0; i < count; ++i) out[i] = (r.*get)(step * i + offset);
    return out;
}

}  // namespace

Panel3dSpanSeries Panel3dSpanSeriesOf(const Panel3dRun& run) {
    Panel3dSpanSeries s;
    if (!run.model || !run.record) return s;
    const Panel3dModel& m = *run.model;
    const Panel3dEvaluationRecord& r = *run.record;
    const int strips = m.StripCount();
    const int n = m.ChordPanels();
    s.halfSpan = m.halfSpan;
    s.totalLiftCirculation = m.totalLiftCirculation;
    s.stripLift = m.stripLift;
    s.stripCirculation = m.stripCirculation;
    for (int j = 0; j < strips; ++j) {
        const size_t first = static_cast<size_t>(2 * n * j);
        if (first < m.wingPanels.size()) s.stripY.push_back(m.wingPanels[first].centroid[1]);
    }
    s.eta = Read(r, &Panel3dEvaluationRecord::GetSectionEta, strips);
    s.cwi = Read(r, &Panel3dEvaluationRecord::GetSectionCwi, strips);
    s.cfEp = Read(r, &Panel3dEvaluationRecord::GetSectionCfEp, strips);
    s.cfInt = Read(r, &Panel3dEvaluationRecord::GetSectionCfInt, strips);
    s.cdfXfoil = Read(r, &Panel3dEvaluationRecord::GetSectionCwrXfoil, strips);
    return s;
}

Panel3dPolarSeries Panel3dPolarSeriesOf(const Panel3dRun& run) {
    Panel3dPolarSeries s;
    if (!run.record) return s;
    const Panel3dEvaluationRecord& r = *run.record;
    const int n = r.Points();
    using R = Panel3dEvaluationRecord;
    s.alpha = Read(r, &R::GetPointAlpha, n);
    s.ca = Read(r, &R::GetPointCa, n);
    s.cwi = Read(r, &R::GetPointCwi, n);
    s.cwrEp = Read(r, &R::GetPointCfEp, n);
    s.cwrInt = Read(r, &R::GetPointCfInt, n);
    s.cwrXfoil = Read(r, &R::GetXfoilTotalCoefficient, n, 3, 1);  // cWr_xf of point p at 3p+1
    s.ldp = Read(r, &R::GetPointLdp, n);
    const Getter vh[4] = {&R::GetVhEp, &R::GetVhInt, &R::GetVhInduced, &R::GetVhXfoil};
    const Getter vv[4] = {&R::GetVvEp, &R::GetVvInt, &R::GetVvInduced, &R::GetVvXfoil};
    const Getter power[4] = {&R::GetPowerEp, &R::GetPowerInt, &R::GetPowerInduced,
                             &R::GetPowerXfoil};
    const Getter thrust[4] = {&R::GetThrustEp, &R::GetThrustInt, &R::GetThrustInduced,
                              &R::GetThrustXfoil};
    for (int c = 0; c < 4; ++c) {
        s.speed[c].vh = Read(r, vh[c], n);
        s.speed[c].vv = Read(r, vv[c], n);
        s.speed[c].power = Read(r, power[c], n);
        s.speed[c].thrust = Read(r, thrust[c], n);
    }
    return s;
}
