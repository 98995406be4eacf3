#pragma once
// The sketch of the chordwise point spacing in the discretisation windows of both 3D methods: the
// circle construction that places the stations of a strip, drawn for twelve intervals on a chord
// of 100 pixels.

#include "common/core/PlotPainter.h"

namespace luvo {

struct ChordwiseSpacingSketch {
    int k = 0;          // the slider value, 1..100
    double radius = 0;  // R = 50 + k/2
    double height = 0;  // h, the circle's height above the trailing edge
    double phi0 = 0;    // angle of the first ray (trailing edge)
    double deltaPhi = 0;
};

ChordwiseSpacingSketch ChordwiseSpacingSketchFor(int k);

// Chord, arc, the twelve rays with their feet and a small symmetric profile below, with the
// leading edge at (20, 110) of the canvas.
void DrawChordwiseSpacingSketch(PlotPainter& painter, const ChordwiseSpacingSketch& c);

}  // namespace luvo
