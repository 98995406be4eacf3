#pragma once
// The inputs of a design window as texts and values: what its fields show, what a configuration
// file holds, and what the profile record is built from. The windows fill their fields from the
// texts; `ApplySettings` puts the values into the record.

#include <array>
#include <string>

#include "supersonic/core/SupersonicProfile.h"

// The design window a configuration belongs to: camber and thickness parts, or the contours.
enum class SupersonicWindow { Parts, Contour };

// How far a support point may lie above or below the chord line [chord lengths]: the drags stop
// there, and a configuration file holds no point beyond.
inline constexpr double kSupersonicSupportZLimit = 1.0;

// One curve part's inputs: the camber or thickness part, or the upper or lower contour.
struct SupersonicSide {
    std::string countText;
    int count = 0;
    std::array<SupersonicPoint, SupersonicProfile::kSupportSlots> supportPoints{};
    bool spline = false;             // "Spline" selected (not used by the camber part)
    std::string curvatureStartText;  // spline end value at x/t = 0
    std::string curvatureEndText;    // at x/t = 1
    double curvatureStart = 0.0;
    double curvatureEnd = 0.0;
};

struct SupersonicSettings {
    std::string machText;
    std::string alphaText;
    std::string kappaText;
    double mach = 0.0;
    double alpha = 0.0;  // alpha* [deg]
    double kappa = 0.0;
    SupersonicSide part1;  // camber part, or upper contour
    SupersonicSide part2;  // thickness part, or lower contour
    // Parts window only: "Koeffizienten eingeben?" and the six Birnbaum coefficients A0..A5.
    bool coefficientMode = false;
    std::array<std::string, SupersonicProfile::kSupportSlots> coefficientTexts;
    std::array<double, SupersonicProfile::kSupportSlots> coefficients{};
};

// The inputs a design window starts with when no file names others.
SupersonicSettings SupersonicDefaultSettings(SupersonicWindow window);

// Flow values, counts, support points, the spline choices and end values and, in the parts
// window, the coefficient mode and the coefficients. Sides read from a coordinate file (not
// rebuilt) keep their points and settings.
void ApplySettings(const SupersonicSettings& settings, SupersonicProfile& profile);

// A contour read from a profile-coordinate file: both sides sorted by x.
struct SupersonicContour {
    std::vector<SupersonicPoint> upper;
    std::vector<SupersonicPoint> lower;
};

// The profile a design window starts with, computed once: its settings applied, and in the
// contour window with a coordinate file, both sides taken from it as they stand.
SupersonicProfile SupersonicStartProfile(SupersonicWindow window,
                                         const SupersonicSettings& settings,
                                         const SupersonicContour* contour = nullptr);
