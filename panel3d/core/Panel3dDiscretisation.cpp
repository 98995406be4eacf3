#include "panel3d/core/Panel3dDiscretisation.h"

#include <cmath>
#include <limits>

#include "panel3d/core/Panel3dGridHeader.h"

namespace {

constexpr double kOpen = std::numeric_limits<double>::infinity();
// Bounds that leave out the end itself, for the checks that need "<" rather than "<=".
const double kAboveZero = std::numeric_limits<double>::denorm_min();
const double kBelowHundred = std::nextafter(100.0, 0.0);

}  // namespace

std::vector<luvo::RangeCheck> Panel3dFlapChecks(const Panel3dGeometryInputs& in) {
    if (in.leftDeflection == 0.0 && in.rightDeflection == 0.0) return {};
    return {
        {in.flapInner, 0, 100,
         "Der Wert der Klappenposition in Richtung Flügelwurzel liegt in einem unzulässigen "
         "Bereich:\n\n0 <= Position in Richtung Flügelwurzel <= 100\n"},
        {in.flapOuter, 0, 100,
         "Der Wert der Klappenposition in Richtung Flügeltip liegt in einem unzulässigen "
         "Bereich:\n\n0 <= Position in Richtung Flügeltip <= 100\n"},
        {std::abs(in.flapOuter - in.flapInner), kAboveZero, kOpen,
         "Der Wert der Klappenbreite liegt in einem unzulässigen Bereich:\n\n"
         "Position in Richtung Flügelwurzel != Position in Richtung Flügeltip\n"},
        {in.hingePosition, kAboveZero, kBelowHundred,
         "Der Wert der Position des Klappendrehpunktes liegt in einem unzulässigen Bereich:\n\n"
         "0 < Position des Klappendrehpunktes < 100\n"},
        {in.hingeHeight, 0, 100,
         "Der Wert der Höhe des Klappendrehpunktes liegt in einem unzulässigen Bereich:\n\n"
         "0 <= Höhe des Klappendrehpunktes <= 100\n"},
        {in.leftDeflection, -30, 30,
         "Der Wert des linken Klappenausschlags liegt in einem unzulässigen Bereich:\n\n"
         "-30 <= Klappenausschlag links <= 30\n"},
        {in.rightDeflection, -30, 30,
         "Der Wert des rechten Klappenausschlags liegt in einem unzulässigen Bereich:\n\n"
         "-30 <= Klappenausschlag rechts <= 30\n"},
    };
}

std::vector<luvo::RangeCheck> Panel3dDiscretisationChecks(double chordPanels, double spanPanels,
                                                          const Panel3dGeometryInputs& in,
                                                          double alphaStar, bool forRun) {
    std::vector<luvo::RangeCheck> checks = {
        {chordPanels, 2, kOpen,
         "Die Panelzahl in x-Richtung ist zu niedrig:\n\n2 <= Panelzahl in x-Richtung \n"},
        {spanPanels, 2, kOpen,
         "Die Panelzahl in y-Richtung ist zu niedrig:\n\n2 <= Panelzahl in y-Richtung \n"},
        {4.0 * std::trunc(chordPanels) * std::trunc(spanPanels), -kOpen, kPanel3dMaxWingPanels,
         "Die Gesamtzahl aller Panels ist zu hoch:\n\n4*nx*ny <= 6000\n"},
    };
    std::vector<luvo::RangeCheck> geometry = Panel3dGeometryChecks(in, alphaStar);
    // The angle of attack and the sideslip come last; the grid does not use them.
    if (!forRun) geometry.resize(geometry.size() - 2);
    checks.insert(checks.end(), geometry.begin(), geometry.end());
    const std::vector<luvo::RangeCheck> flaps = Panel3dFlapChecks(in);
    checks.insert(checks.end(), flaps.begin(), flaps.end());
    return checks;
}
