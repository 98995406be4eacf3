#include "supersonic/SupersonicProfile.h"

#include <algorithm>

#include "supersonic/SupersonicSolver.h"

SupersonicCurve::SupersonicCurve(int capacityIn, int pointCountIn, bool curvedIn, bool lagrangeIn)
    : capacity(std::max(capacityIn, 0)),
      pointCount(std::max(pointCountIn, 0)),
      curved(curvedIn),
      supportPoints(static_cast<size_t>(capacity)),
      points(static_cast<size_t>(pointCount)),
      coefficients(static_cast<size_t>(capacity), 0.0),
      lagrange(lagrangeIn) {}

void SupersonicCurve::Build(double& alphaDegrees) {
    if (coefficientMode) {
        SupersonicSolver::BirnbaumCamber(*this, alphaDegrees);
    } else if (!curved) {
        // The straight-line rule always gives the grid's 191 points.
        SupersonicSolver::LinearCurve(supportCount, supportPoints, points, true);
        pointCount = SupersonicProfile::kGridPoints;
    } else if (lagrange) {
        SupersonicSolver::LagrangeCurve(supportCount, supportPoints, pointCount, points, true);
        SupersonicSolver::BirnbaumCoefficients(*this, alphaDegrees);
    } else {
        SupersonicSolver::CurvatureSpline(supportCount, supportPoints, endCurvature0, endCurvature1,
                                          pointCount, points, true);
    }
}

SupersonicProfile::SupersonicProfile(bool partsModeIn, int part1PointCount, int part2PointCount)
    : partsMode(partsModeIn),
      part1(kSupportSlots, part1PointCount, true, partsModeIn),
      part2(kSupportSlots, part2PointCount, false, false),
      camberLine(kGridPoints),
      thickness(kGridPoints),
      upper(kGridPoints),
      lower(kGridPoints),
      rows(kGridPoints + 1) {}

void SupersonicProfile::Compute() {
    if (partsMode) {
        part1.Build(alpha);
        part2.Build(alpha);
        SupersonicSolver::ResampleCurve(part1.points, part1.pointCount, camberLine, pointCount);
        SupersonicSolver::ResampleCurve(part2.points, part2.pointCount, thickness, pointCount);
        for (int i = 0; i < pointCount; ++i) {
            upper[i] = {camberLine[i].x, camberLine[i].z + thickness[i].z};
            lower[i] = {camberLine[i].x, camberLine[i].z - thickness[i].z};
        }
    } else {
        if (part1.rebuild) part1.Build(alpha);
        if (part2.rebuild) part2.Build(alpha);
        SupersonicSolver::ResampleCurve(part1.points, part1.pointCount, upper, pointCount);
        SupersonicSolver::ResampleCurve(part2.points, part2.pointCount, lower, pointCount);
        for (int i = 0; i < pointCount; ++i) {
            camberLine[i] = {upper[i].x, 0.5 * (upper[i].z + lower[i].z)};
            thickness[i] = {upper[i].x, 0.5 * (upper[i].z - lower[i].z)};
        }
    }
    SupersonicSolver::ShockExpansion(*this);
    SupersonicSolver::LinearTheory(*this);
}
