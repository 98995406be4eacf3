#pragma once
// The arctangent sum of a panel's sides (the solid angle it fills seen from a point) with each
// side's pair atan(a) - atan(b) taken as one arctangent of (a - b)/(1 + ab), plus pi on the far
// branch, the four sides at once through the C library's two-wide vector maths: half the
// arctangents of the term-by-term sum at a fraction of their cost. The vector maths may round
// the last bit differently from one processor to the next. For the solver's own sources, which
// link the vector maths.

#include <cmath>

#ifdef LUVO_HAVE_LIBMVEC
#include <emmintrin.h>

extern "C" __m128d _ZGVbN2v_atan(__m128d);
extern "C" __m128d _ZGVbN2v_log(__m128d);
#endif

namespace panel3d_kernels {

inline void Atan4(double (&x)[4]) {
#ifdef LUVO_HAVE_LIBMVEC
    _mm_storeu_pd(x, _ZGVbN2v_atan(_mm_loadu_pd(x)));
    _mm_storeu_pd(x + 2, _ZGVbN2v_atan(_mm_loadu_pd(x + 2)));
#else
    for (double& v : x) v = std::atan(v);
#endif
}

inline void Log4(double (&x)[4]) {
#ifdef LUVO_HAVE_LIBMVEC
    _mm_storeu_pd(x, _ZGVbN2v_log(_mm_loadu_pd(x)));
    _mm_storeu_pd(x + 2, _ZGVbN2v_log(_mm_loadu_pd(x + 2)));
#else
    for (double& v : x) v = std::log(v);
#endif
}

// The sum over the sides k (corner k to k+1) of atan((m e_k - h_k)/(z r_k)) -
// atan((m e_k1 - h_k1)/(z r_k1)), m the side's slope; a side of infinite slope adds nothing (both
// arctangents tend to the same right angle). Needs z != 0 and r_k > 0.
inline double PairedArctangentSum(double z, const double* r, const double* e, const double* h,
                                  const double* slope) {
    static const double kPi = std::acos(-1.0);
    double angles[4], branch[4];
    for (int k = 0; k < 4; ++k) {
        const int k1 = (k + 1) % 4;
        angles[k] = 0;
        branch[k] = 0;
        const double m = slope[k];
        if (std::isfinite(m)) {
            // a = A/(z r_k) and b = B/(z r_k1); both fractions scaled by z^2 r_k r_k1 > 0 keep
            // the signs of sin and cos of the difference.
            const double A = m * e[k] - h[k];
            const double B = m * e[k1] - h[k1];
            const double num = z * (A * r[k1] - B * r[k]);
            const double den = z * z * r[k] * r[k1] + A * B;
            angles[k] = num / den;
            if (std::signbit(den)) {
                branch[k] = std::copysign(kPi, num);
            }
        }
    }
    Atan4(angles);
    double t = 0;
    for (int k = 0; k < 4; ++k) t += angles[k] + branch[k];
    return t;
}

}  // namespace panel3d_kernels
