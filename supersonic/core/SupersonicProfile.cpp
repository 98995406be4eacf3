#include "supersonic/core/SupersonicProfile.h"

#include <algorithm>

#include "supersonic/core/SupersonicCurveBuilder.h"
#include "supersonic/core/SupersonicSolver.h"

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
        SupersonicCurveBuilder::BirnbaumCamber(*this, alphaDegrees);
    } else if (!curved) {
        // The straight-line rule always gives the grid's 191 points.
        SupersonicCurveBuilder::LinearCurve(supportCount, supportPoints, points, true);
        pointCount = SupersonicProfile::kGridPoints;
    } else if (lagrange) {
        SupersonicCurveBuilder::LagrangeCurve(supportCount, supportPoints, pointCount, points,
                                              true);
        SupersonicCurveBuilder::BirnbaumCoefficients(*this, alphaDegrees);
    } else {
        SupersonicCurveBuilder::CurvatureSpline(supportCount, supportPoints, endCurvature0,
                                                endCurvature1, pointCount, points, true);
    }
}

SupersonicProfile::SupersonicProfile(bool partsModeIn, int part1PointCount, int part2PointCount)
    : SupersonicProfileRecord(partsModeIn, part1PointCount, part2PointCount) {}

void SupersonicProfile::Compute() {
    if (partsMode) {
        part1.Build(alpha);
        part2.Build(alpha);
        SupersonicCurveBuilder::ResampleCurve(part1.points, part1.pointCount, camberLine,
                                              pointCount);
        SupersonicCurveBuilder::ResampleCurve(part2.points, part2.pointCount, thickness,
                                              pointCount);
        for (int i = 0; i < pointCount; ++i) {
            upper[i] = {camberLine[i].x, camberLine[i].z + thickness[i].z};
            lower[i] = {camberLine[i].x, camberLine[i].z - thickness[i].z};
        }
    } else {
        if (part1.rebuild) part1.Build(alpha);
        if (part2.rebuild) part2.Build(alpha);
        SupersonicCurveBuilder::ResampleCurve(part1.points, part1.pointCount, upper, pointCount);
        SupersonicCurveBuilder::ResampleCurve(part2.points, part2.pointCount, lower, pointCount);
        for (int i = 0; i < pointCount; ++i) {
            camberLine[i] = {upper[i].x, 0.5 * (upper[i].z + lower[i].z)};
            thickness[i] = {upper[i].x, 0.5 * (upper[i].z - lower[i].z)};
        }
    }
    SupersonicSolver::ShockExpansion(*this);
    SupersonicSolver::LinearTheory(*this);
}
