#include "supersonic/core/SupersonicResultTexts.h"

#include <algorithm>
#include <cmath>

#include "common/core/NumberText.h"

namespace {

// A coefficient as the labels show it: "0" when it is below 0.0001 or not a number.
std::string Coefficient(const char* format, double value) {
    if (std::isnan(value) || std::fabs(value) < 0.0001) return "0";
    return luvo::FormatResult(format, value);
}

// The largest z of the first count points, starting from 0.
double LargestZ(const std::vector<SupersonicPoint>& points, int count) {
    double largest = 0.0;
    for (int i = 0; i < count && i < static_cast<int>(points.size()); ++i) {
        largest = std::max(largest, points[i].z);
    }
    return largest;
}

}  // namespace

SupersonicResultTexts SupersonicFormatResults(const SupersonicProfile& p) {
    SupersonicResultTexts t;
    // The parts window measures its parts, the contour window the profile's arrays.
    const double camber = p.partsMode ? LargestZ(p.part1.points, p.part1.pointCount)
                                      : LargestZ(p.camberLine, p.pointCount);
    const double halfThickness = p.partsMode ? LargestZ(p.part2.points, p.part2.pointCount)
                                             : LargestZ(p.thickness, p.pointCount);
    t.camber = luvo::FormatResult("%.2f", 100.0 * camber);
    t.thickness = luvo::FormatResult("%.2f", 200.0 * halfThickness);

    t.subsonic = p.subsonic;
    if (p.subsonic) {
        t.shock = {" -", " -", " -", " -"};
    } else {
        t.shock.waveDrag = Coefficient("%.4f", p.seDrag);
        t.shock.lift = Coefficient("%.4f", p.seLift);
        t.shock.moment = Coefficient("%.4f", p.seMoment);
        t.shock.pressurePoint = Coefficient("%.3f", p.sePressurePoint);
    }

    t.waveDragLinear = Coefficient("%.4f", p.linDragAlphaCamber + p.linDragThickness);
    t.waveDragAntimetric = Coefficient("%.4f", p.linDragAlphaCamber);
    t.waveDragSymmetric = Coefficient("%.4f", p.linDragThickness);
    t.liftLinear = Coefficient("%.4f", p.linLift);
    t.momentLinear = Coefficient("%.4f", p.linMoment);
    t.pressurePointLinear = Coefficient("%.3f", -p.linMoment / p.linLift);
    if (p.linLift == 0.0) t.pressurePointLinear = " - ";

    t.alpha = luvo::FormatResult("%.2f", p.alpha);
    for (size_t i = 0; i < t.coefficients.size() && i < p.part1.coefficients.size(); ++i) {
        t.coefficients[i] = luvo::FormatResult("%.5f", p.part1.coefficients[i]);
    }
    return t;
}
