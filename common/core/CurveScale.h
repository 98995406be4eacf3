#pragma once
// The scale of a curve drawn from a horizontal axis: the largest magnitude of its values stands
// at the far end of its band, above the axis when it belongs to a positive value and below it
// when it belongs to a negative one (a wing with negative lift).

#include <cmath>

namespace luvo {

struct CurveScale {
    double magnitude = 0;  // 0 when there is nothing to scale: all values 0 or not finite
    bool below = false;
    // The value at the far end of the band, with its sign.
    double Signed() const { return below ? -magnitude : magnitude; }
};

// Over v[first..last]; values that are not finite are left out.
template <class Values>
CurveScale ScaleOfCurve(const Values& v, int first, int last) {
    double high = 0.0;
    double low = 0.0;
    for (int i = first; i <= last; ++i) {
        if (!std::isfinite(v[i])) continue;
        high = std::fmax(high, v[i]);
        low = std::fmin(low, v[i]);
    }
    return -low > high ? CurveScale{-low, true} : CurveScale{high, false};
}

}  // namespace luvo
