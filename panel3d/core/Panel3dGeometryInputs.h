#pragma once
// The interactive wing of the panel method as its geometry window's texts convert: the one set
// of values that the preview, "&Weiter", the discretisation window, the flap view and the run
// read. Angles in degrees, lengths in metres, section and flap data in per cent.

#include <vector>

#include "common/core/RangeCheck.h"
#include "common/core/WingPreview.h"

struct Panel3dGeometryInputs {
    double span = 0;
    double sweep = 0;  // leading edge
    double dihedral = 0;
    double rootChord = 0;
    double rootIncidence = 0;
    double rootThickness = 0;
    double rootCamber = 0;
    double rootCamberPosition = 0;
    double tipChord = 0;
    double tipIncidence = 0;
    double tipThickness = 0;
    double tipCamber = 0;
    double tipCamberPosition = 0;
    double beta = 0;          // sideslip
    bool flapActive = false;  // governs only the preview's outline and the fields' enabling
    double flapInner = 0;     // spanwise ends, per cent of the half span from the root
    double flapOuter = 0;
    double hingePosition = 0;  // per cent of the local chord
    double hingeHeight = 0;    // per cent of the local thickness above the lower contour
    double leftDeflection = 0;
    double rightDeflection = 0;
};

// The checks of "&Weiter" in their order: thirteen geometry values, the angle of attack of the
// flow state, the sideslip.
std::vector<luvo::RangeCheck> Panel3dGeometryChecks(const Panel3dGeometryInputs& in,
                                                    double alphaStar);

// What the preview draws: the flap outline only while "aktiv" is set; `alphaStar` is the flow
// state's angle of attack.
luvo::WingPreviewInputs Panel3dPreviewInputs(const Panel3dGeometryInputs& in, double alphaStar);
