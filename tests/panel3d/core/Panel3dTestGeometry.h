#pragma once
// The geometry window's initial texts as numbers, for the drawing tests and benchmarks.

#include "panel3d/core/Panel3dGeometryInputs.h"

namespace panel3d_test {

inline Panel3dGeometryInputs DefaultGeometry() {
    Panel3dGeometryInputs in;
    in.span = 6;
    in.sweep = 32;
    in.dihedral = 5;
    in.rootChord = 1.0;
    in.rootIncidence = 2.5;
    in.rootThickness = 15;
    in.rootCamber = 4;
    in.rootCamberPosition = 40;
    in.tipChord = 0.5;
    in.tipIncidence = -2.5;
    in.tipThickness = 15;
    in.tipCamber = 4;
    in.tipCamberPosition = 40;
    in.flapInner = 50;
    in.flapOuter = 80;
    in.hingePosition = 75;
    in.hingeHeight = 50;
    return in;
}

}  // namespace panel3d_test
