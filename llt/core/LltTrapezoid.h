#pragma once
// Piecewise-linear distribution over the half span of a wing of three trapezoids A (root) - B -
// C - D (tip), used for the chord and for the twist.

class LltTrapezoid {
  public:
    // b: span [m]; f1..f3: segment lengths as fractions of b/2; vA..vD: values at the sections.
    LltTrapezoid(double b, double f1, double f2, double f3, double vA, double vB, double vC,
                 double vD)
        : vA_(vA), vB_(vB), vC_(vC), vD_(vD), y1_(f1 * b * 0.5), y2_((f1 + f2) * b * 0.5) {
        const double length2 = f2 * b * 0.5;
        const double length3 = f3 * b * 0.5;
        // A segment of zero length would divide by zero; a station beyond its start then takes
        // the value at the segment's end (for the tip segment: the value at D).
        flat1_ = y1_ == 0.0;
        flat2_ = length2 == 0.0;
        flat3_ = length3 == 0.0;
        slope1_ = flat1_ ? 0.0 : (vB - vA) / y1_;
        slope2_ = flat2_ ? 0.0 : (vC - vB) / length2;
        slope3_ = flat3_ ? 0.0 : (vD - vC) / length3;
    }

    // Value at the spanwise position yi >= 0; a station exactly at a segment end belongs to the
    // segment that ends there.
    double At(double yi) const {
        if (yi <= y1_) {
            return flat1_ ? vB_ : vA_ + slope1_ * yi;
        }
        if (yi <= y2_) {
            return flat2_ ? vC_ : vB_ + slope2_ * (yi - y1_);
        }
        return flat3_ ? vD_ : vC_ + slope3_ * (yi - y2_);
    }

  private:
    double vA_, vB_, vC_, vD_;
    double y1_, y2_;
    double slope1_ = 0, slope2_ = 0, slope3_ = 0;
    bool flat1_ = false, flat2_ = false, flat3_ = false;
};
