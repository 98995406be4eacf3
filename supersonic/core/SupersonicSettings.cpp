#include "supersonic/core/SupersonicSettings.h"

namespace {

void SetFlow(SupersonicSettings& s, const char* machText, double mach, const char* alphaText,
             double alpha) {
    s.machText = machText;
    s.mach = mach;
    s.alphaText = alphaText;
    s.alpha = alpha;
    s.kappaText = "1.4";
    s.kappa = 1.4;
}

void SetSide(SupersonicSide& side, const char* countText, int count,
             std::initializer_list<SupersonicPoint> slots, bool spline, const char* startText,
             double start, const char* endText, double end) {
    side.countText = countText;
    side.count = count;
    int slot = 0;
    for (const SupersonicPoint& p : slots) side.supportPoints[slot++] = p;
    side.spline = spline;
    side.curvatureStartText = startText;
    side.curvatureStart = start;
    side.curvatureEndText = endText;
    side.curvatureEnd = end;
}

void ApplySide(const SupersonicSide& side, SupersonicCurve& curve, bool withSpline) {
    if (!curve.rebuild) return;
    curve.supportCount = side.count;
    for (size_t i = 0; i < side.supportPoints.size() && i < curve.supportPoints.size(); ++i) {
        curve.supportPoints[i] = side.supportPoints[i];
    }
    if (withSpline) {
        curve.curved = side.spline;
        curve.endCurvature0 = side.curvatureStart;
        curve.endCurvature1 = side.curvatureEnd;
    }
}

}  // namespace

SupersonicSettings SupersonicDefaultSettings(SupersonicWindow window) {
    SupersonicSettings s;
    if (window == SupersonicWindow::Parts) {
        SetFlow(s, "3.0", 3.0, "3", 3.0);
        SetSide(s.part1, "1", 1,
                {{0.5, 0.02}, {0.25, 0.01}, {0.75, 0.01}, {0.4, 0.015}, {0.6, 0.015}}, false, "0",
                0.0, "0", 0.0);
        SetSide(s.part2, "1", 1,
                {{0.5, 0.04}, {0.75, 0.02}, {0.25, 0.02}, {0.4, 0.03}, {0.6, 0.03}}, false, "0",
                0.0, "0", 0.0);
        s.coefficientTexts.fill("0");
    } else {
        SetFlow(s, "3", 3.0, "4", 4.0);
        SetSide(s.part1, "3", 3,
                {{0.333, 0.052}, {0.055, 0.023}, {0.637, 0.026}, {0.4, 0.03}, {0.6, 0.03}}, true,
                "-2", -2.0, "0", 0.0);
        SetSide(s.part2, "2", 2,
                {{0.058, -0.013}, {0.25, -0.02}, {0.75, -0.02}, {0.4, -0.03}, {0.6, -0.03}}, true,
                "1", 1.0, "0", 0.0);
    }
    return s;
}

void ApplySettings(const SupersonicSettings& settings, SupersonicProfile& profile) {
    profile.mach = settings.mach;
    profile.alpha = settings.alpha;
    profile.kappa = settings.kappa;
    if (profile.partsMode) {
        // The camber part is always the Lagrange curve or the coefficient series.
        ApplySide(settings.part1, profile.part1, false);
        profile.part1.coefficientMode = settings.coefficientMode;
        for (size_t i = 0; i < settings.coefficients.size(); ++i) {
            profile.part1.coefficients[i] = settings.coefficients[i];
        }
    } else {
        ApplySide(settings.part1, profile.part1, true);
    }
    ApplySide(settings.part2, profile.part2, true);
}

SupersonicProfile SupersonicStartProfile(SupersonicWindow window,
                                         const SupersonicSettings& settings,
                                         const SupersonicContour* contour) {
    const bool parts = window == SupersonicWindow::Parts;
    const bool fromFile = !parts && contour != nullptr;
    SupersonicProfile profile(
        parts, fromFile ? static_cast<int>(contour->upper.size()) : SupersonicProfile::kGridPoints,
        fromFile ? static_cast<int>(contour->lower.size()) : SupersonicProfile::kGridPoints);
    if (fromFile) {
        profile.part1.points = contour->upper;
        profile.part2.points = contour->lower;
        for (SupersonicCurve* side : {&profile.part1, &profile.part2}) {
            side->rebuild = false;
            side->supportCount = 0;
            side->curved = true;
        }
    }
    ApplySettings(settings, profile);
    profile.Compute();
    return profile;
}
