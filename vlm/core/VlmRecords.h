#pragma once
// The records a vortex-lattice solver owns: segments, strips, lattice elements and wake rows.
// Coordinates x downstream along the chord, y spanwise, z upwards, in metres. Edge A of a
// segment or strip is its edge of lower y, edge B its edge of higher y.

#include <array>
#include <vector>

#include "vlm/core/VlmValues.h"

using VlmPoint = std::array<double, 3>;

// One horseshoe vortex of the lattice: trailingEdgeA -> boundA -> boundB -> trailingEdgeB,
// closed downstream by the wake.
struct VlmLatticeElement {
    VlmPoint boundA{};  // a quarter of the element length behind its front station, edge A
    VlmPoint boundMid{};
    VlmPoint boundB{};
    VlmPoint trailingEdgeA{};
    VlmPoint trailingEdgeB{};
    VlmPoint frontA{}, frontMid{}, frontB{};  // front station (towards the leading edge)
    VlmPoint rearA{}, rearMid{}, rearB{};     // rear station
    VlmPoint colloc{};  // on the mid line, three quarters of the length behind the front station
    VlmPoint normal{};  // unit normal at the collocation point
    VlmPoint legMidA{}, legMidB{}, legMid{};  // middles of the trailing legs on the wing
};

struct VlmStrip {
    explicit VlmStrip(int chordwiseCount) : elements(static_cast<size_t>(chordwiseCount)) {}

    // The strip's elements from its edges and the chord fractions X(0..nx) of the stations
    // (1 at the trailing edge, 0 at the leading edge); all but the normals.
    void BuildElements(const std::vector<double>& chordFraction);

    std::vector<VlmLatticeElement> elements;
    VlmPoint leadingEdgeA{}, trailingEdgeA{};
    VlmPoint leadingEdgeB{}, trailingEdgeB{};
    VlmPoint leadingEdgeMid{}, trailingEdgeMid{};
};

struct VlmSegment {
    explicit VlmSegment(int chordwiseCount)
        : camberSlopeA(static_cast<size_t>(chordwiseCount)),
          camberSlopeB(static_cast<size_t>(chordwiseCount)) {}

    // The normals of the segment's elements from the first `birnbaumCount` coefficients of its
    // two edge sections, interpolated linearly in y, tilted by the dihedral [deg].
    void ComputeNormals(const std::vector<double>& collocAngle, int birnbaumCount,
                        double dihedralDeg);
    // The integral of the chord squared over the segment's span, the chord linear in y.
    void ComputeChordSquareIntegral();

    std::vector<VlmStrip> strips;
    VlmPoint leadingEdgeA{}, trailingEdgeA{};
    VlmPoint leadingEdgeB{}, trailingEdgeB{};
    // Inclination pi/2 + atan(dz/dx) of the sections' normals at the collocation positions [rad].
    std::vector<double> camberSlopeA, camberSlopeB;
    std::array<double, kVlmBirnbaumTerms> birnbaumA{};
    std::array<double, kVlmBirnbaumTerms> birnbaumB{};
    double area = 0.0;
    double chordSquareIntegral = 0.0;
};

// Wake points on the ny+1 trailing filaments at one distance behind the trailing edge.
struct VlmWakeRow {
    explicit VlmWakeRow(int points)
        : x(static_cast<size_t>(points)),
          y(static_cast<size_t>(points)),
          z(static_cast<size_t>(points)) {}
    std::vector<double> x, y, z;
};

// Work values of the wake elements between two rows, per filament.
struct VlmWakeWorkRow {
    explicit VlmWakeWorkRow(int points)
        : midX(static_cast<size_t>(points)),
          midY(static_cast<size_t>(points)),
          midZ(static_cast<size_t>(points)),
          velX(static_cast<size_t>(points)),
          velY(static_cast<size_t>(points)),
          velZ(static_cast<size_t>(points)),
          slopeZ(static_cast<size_t>(points)),
          slopeY(static_cast<size_t>(points)) {}
    std::vector<double> midX, midY, midZ;
    std::vector<double> velX, velY, velZ;
    std::vector<double> slopeZ, slopeY;  // velZ/velX and velY/velX
};

// One coordinate array per axis, indexed by element e = i + nx*j.
struct VlmPointArrays {
    explicit VlmPointArrays(size_t count = 0) : x(count), y(count), z(count) {}
    VlmPoint At(size_t e) const { return {x[e], y[e], z[e]}; }
    void Set(size_t e, const VlmPoint& p) {
        x[e] = p[0];
        y[e] = p[1];
        z[e] = p[2];
    }
    std::vector<double> x, y, z;
};

// A square influence matrix, one contiguous column-major block (entry (row, column) at
// row + column * n) as LAPACK takes it.
struct VlmMatrix {
    int n = 0;
    std::vector<double> values;

    void Resize(int order) {
        n = order;
        values.assign(static_cast<size_t>(order) * static_cast<size_t>(order), 0.0);
    }
    double& operator()(int row, int column) {
        return values[static_cast<size_t>(row) + static_cast<size_t>(column) * n];
    }
    double operator()(int row, int column) const {
        return values[static_cast<size_t>(row) + static_cast<size_t>(column) * n];
    }
};
