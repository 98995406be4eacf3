#pragma once
// One flat quadrilateral panel of the wing surface or of the wake, with the geometry derived from
// its four corners. Corner order of a wing panel (i, j), between grid points i and i+1 of strip
// j: corner 0 = point (i+1, j+1), 1 = (i+1, j), 2 = (i, j), 3 = (i, j+1); with this order the
// normal (corner 2 - corner 0) x (corner 1 - corner 3) points out of the wing on both surfaces.
// Every field starts at 0 (`minDistance` at 1e-8); a field is meaningful once its writer ran.
// The influence kernels keep their intermediate values in locals, so the record holds only
// what several steps share.

#include <array>

#include "panel3d/core/Panel3dVector.h"

class Panel3dPanel {
  public:
    using Corners = std::array<double, 4>;
    using Triple = std::array<double, 3>;

    // Corners as the grid source delivered them (grid file, generator, free-wake builder).
    Corners cornerX{}, cornerY{}, cornerZ{};
    // Corners in the panel's mean plane; the wake builders write them directly.
    Corners planarX{}, planarY{}, planarZ{};
    // Mean of the four corners (not the area centroid): the collocation point.
    Triple centroid{};
    double sourceStrength = 0;
    double doubletStrength = 0;
    double sourcePotential = 0;   // of the unit source at the last field point
    double doubletPotential = 0;  // of the unit doublet at the last field point
    double meanDiagonal = 0;
    double area = 0;
    double pressureCoefficient = 0;
    Triple sourceNormalVelocity{};
    Triple chordTangent{}, spanTangent{}, crossTangent{}, surfaceNormal{};
    double spanDoubletGradient = 0;
    double chordDoubletGradient = 0;
    double crossVelocity = 0;
    // Unit vectors l, m, n by component: x of l, m, n; y of l, m, n; z of l, m, n.
    std::array<double, 9> axes{};
    double diagonalLength = 0;  // |diagonal1|
    double normalLength = 0;    // |diagonal1 x diagonal2| before normalising
    Triple velocity{};
    double velocityMagnitude = 0;
    double minDistance = 1e-8;                        // lower bound of distances in the kernels
    double angle3 = 0, angle1 = 0, halfAngleSum = 0;  // interior angles at corners 3 and 1 [rad]
    Corners sideLength{};  // sides 0-1, 1-2, 2-3, 3-0 from all three local components
    double semiPerimeter = 0;
    Corners localX{}, localY{}, localZ{};  // planar corners in the axes l, m, n about the centroid
    Triple diagonal1{};                    // corner 2 - corner 0
    Triple diagonal2{};                    // corner 1 - corner 3
    Corners sideSlope{};                   // dy/dx of the sides in the local x-y plane
    Corners planarSideLength{};            // side lengths in the local x-y plane
    Triple inducedVelocity{};              // last velocity a velocity kernel computed

    // The geometry from the given corners: the planar corners become their projection into
    // the mean plane through the centroid. Once per wing panel after the grid is in place.
    void ComputeGeometry();
    // The geometry from the planar corners as they stand (no projection, `planarSideLength`
    // kept): for the wake panels, whose builders write the planar corners.
    void ComputePlanarGeometry();
    // As ComputeGeometry, but `planarSideLength` kept: for free-wake panels moved by the wake
    // relaxation, which only the doublet kernels read.
    void UpdateGeometry();

    // ---- influence kernels: field point in global axes, nothing of the panel changes ----
    // Potential of a unit source / unit doublet spread over the panel. `farField` selects the
    // point-source and point-doublet forms, which callers choose from 5 mean diagonals on.
    double SourcePotential(const Panel3dVector& p, bool farField) const;
    double DoubletPotential(const Panel3dVector& p, bool farField) const;
    // DoubletPotential(p, false) with the arctangents of each side paired through the vector
    // maths: equal to rounding and several times faster, but its last bit may depend on the
    // processor.
    double PairedDoubletPotential(const Panel3dVector& p) const;
    // Both potentials at once, with the far-field forms from FarFieldDistance on: what the
    // assembly of the wing's own influences needs of each pair, from one transform into the
    // panel's axes. The same numbers as the two calls above with IsFarField.
    struct Potentials {
        double source = 0;
        double doublet = 0;
    };
    Potentials UnitPotentials(const Panel3dVector& p) const;
    // Velocity of a wing panel: its source sigma and its doublet as a closed vortex ring of
    // strength -mu, so that the velocity is the gradient of sigma*S - mu*D, the potential the
    // linear system makes vanish inside the wing. Segments inside the core radius are damped
    // linearly.
    Panel3dVector SourceVelocity(const Panel3dVector& p, double coreRadius) const;
    // Trailing-edge wake panel: open ring of strength mu without its downstream edge.
    Panel3dVector DoubletVelocity(const Panel3dVector& p, double coreRadius) const;
    // Free-wake panel: its two streamwise sides of strength mu, core damping exponent 0.4.
    Panel3dVector WakeDoubletVelocity(const Panel3dVector& p, double coreRadius) const;
    // Distance from the field point to the centroid at which the far-field forms take over.
    double FarFieldDistance() const { return 5.0 * meanDiagonal; }
    bool IsFarField(const Panel3dVector& p) const {
        return Length(p - Centroid()) >= FarFieldDistance();
    }

    Panel3dVector Corner(int k) const { return {cornerX[k], cornerY[k], cornerZ[k]}; }
    Panel3dVector PlanarCorner(int k) const { return {planarX[k], planarY[k], planarZ[k]}; }
    void SetCorner(int k, const Panel3dVector& p);
    void SetPlanarCorner(int k, const Panel3dVector& p);
    Panel3dVector Centroid() const { return {centroid[0], centroid[1], centroid[2]}; }
    Panel3dVector AxisL() const { return {axes[0], axes[3], axes[6]}; }
    Panel3dVector AxisM() const { return {axes[1], axes[4], axes[7]}; }
    // The unit normal n.
    Panel3dVector Normal() const { return {axes[2], axes[5], axes[8]}; }

  private:
    void Derive(const std::array<Panel3dVector, 4>& p, bool project, bool planarSides);
};
