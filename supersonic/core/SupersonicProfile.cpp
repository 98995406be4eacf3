#include "supersonic/core/SupersonicProfile.h"

#include "supersonic/core/SupersonicCurveBuilder.h"
#include "supersonic/core/SupersonicSolver.h"

SupersonicProfile::SupersonicProfile(bool partsModeIn, int part1PointCount, int part2PointCount)
    : SupersonicProfileRecord(partsModeIn, part1PointCount, part2PointCount) {}

void SupersonicProfile::Compute() {
    if (partsMode) {
        SupersonicCurveBuilder::Build(part1, alpha);
        SupersonicCurveBuilder::Build(part2, alpha);
        SupersonicCurveBuilder::ResampleCurve(part1.points, part1.pointCount, camberLine,
                                              pointCount);
        SupersonicCurveBuilder::ResampleCurve(part2.points, part2.pointCount, thickness,
                                              pointCount);
        for (int i = 0; i < pointCount; ++i) {
            upper[i] = {camberLine[i].x, camberLine[i].z + thickness[i].z};
            lower[i] = {camberLine[i].x, camberLine[i].z - thickness[i].z};
        }
    } else {
        if (part1.rebuild) SupersonicCurveBuilder::Build(part1, alpha);
        if (part2.rebuild) SupersonicCurveBuilder::Build(part2, alpha);
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
