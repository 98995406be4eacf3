#pragma once
// The corner terms of a panel and its arctangent sum (the solid angle it fills seen from a
// point), two corners or two sides at a time, with each side's pair atan(a) - atan(b) taken as
// one arctangent of (a - b)/(1 + ab), plus pi on the far branch: half the arctangents of the
// term-by-term sum, all four through the C library's two-wide vector maths where it has them.
// The vector maths may round the last bit differently from one processor to the next. For the
// solver's own sources, which link the vector maths.

#include <cmath>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace panel3d_kernels {

// Two doubles: corners (or sides) 0 and 1, or 2 and 3.
using V2 = double __attribute__((vector_size(16)));
// A lane mask of two comparisons (all bits set where true).
using M2 = std::int64_t __attribute__((vector_size(16)));

}  // namespace panel3d_kernels

#ifdef LUVO_HAVE_LIBMVEC
extern "C" panel3d_kernels::V2 _ZGVbN2v_atan(panel3d_kernels::V2);
extern "C" panel3d_kernels::V2 _ZGVbN2v_log(panel3d_kernels::V2);
#endif

namespace panel3d_kernels {

inline V2 Splat(double x) { return V2{x, x}; }

inline V2 Sqrt(V2 a) {
#ifdef __SSE2__
    return _mm_sqrt_pd(a);
#else
    return V2{std::sqrt(a[0]), std::sqrt(a[1])};
#endif
}

inline V2 Atan(V2 a) {
#ifdef LUVO_HAVE_LIBMVEC
    return _ZGVbN2v_atan(a);
#else
    return V2{std::atan(a[0]), std::atan(a[1])};
#endif
}

inline V2 Log(V2 a) {
#ifdef LUVO_HAVE_LIBMVEC
    return _ZGVbN2v_log(a);
#else
    return V2{std::log(a[0]), std::log(a[1])};
#endif
}

// The bits of the lanes, for their sign bits.
inline M2 Bits(V2 a) {
    M2 m;
    std::memcpy(&m, &a, sizeof m);
    return m;
}

// Lanes of `a` where the mask is set, else of `b`.
inline V2 Select(M2 mask, V2 a, V2 b) { return mask ? a : b; }

// The lanes after a pair: {a1, b0} (corners 1, 2 after 0, 1; corners 3, 0 after 2, 3 with a, b
// swapped).
inline V2 Next(V2 a, V2 b) { return V2{a[1], b[0]}; }

// r_k = |p - corner k|, e_k = dx^2 + z^2, h_k = dx dy, for corners k, k+1 as lanes; dx, dy in
// the panel's axes.
struct CornerTerms {
    V2 r[2], e[2], h[2];
};

inline CornerTerms LocalCornerTerms(double x, double y, double z, const V2 (&localX)[2],
                                    const V2 (&localY)[2]) {
    CornerTerms c;
    const V2 zz = Splat(z * z);
    for (int i = 0; i < 2; ++i) {
        const V2 dx = Splat(x) - localX[i];
        const V2 dy = Splat(y) - localY[i];
        c.r[i] = Sqrt(dx * dx + dy * dy + zz);
        c.e[i] = dx * dx + zz;
        c.h[i] = dx * dy;
    }
    return c;
}

// The sum over the sides k (corner k to k+1) of atan((m e_k - h_k)/(z r_k)) -
// atan((m e_k1 - h_k1)/(z r_k1)), m the side's slope; a side of infinite slope adds nothing (both
// arctangents tend to the same right angle). Needs z != 0 and r_k > 0.
inline double PairedArctangentSum(double z, const CornerTerms& c, const V2 (&slope)[2]) {
    constexpr double kPi = 3.14159265358979323846;
    const V2 zv = Splat(z);
    V2 w[2];
    for (int i = 0; i < 2; ++i) {
        const V2 rNext = i == 0 ? Next(c.r[0], c.r[1]) : Next(c.r[1], c.r[0]);
        const V2 eNext = i == 0 ? Next(c.e[0], c.e[1]) : Next(c.e[1], c.e[0]);
        const V2 hNext = i == 0 ? Next(c.h[0], c.h[1]) : Next(c.h[1], c.h[0]);
        const V2 m = slope[i];
        // a = A/(z r_k) and b = B/(z r_k1); both fractions scaled by z^2 r_k r_k1 > 0 keep the
        // signs of sin and cos of the difference.
        const V2 A = m * c.e[i] - c.h[i];
        const V2 B = m * eNext - hNext;
        const V2 num = zv * (A * rNext - B * c.r[i]);
        const V2 den = zv * zv * c.r[i] * rNext + A * B;
        const M2 finite = (m - m) == 0;
        const V2 angle = Atan(Select(finite, num / den, Splat(0)));
        // The far branch where the sign bit of the cosine is set (1 + ab < 0, or -0).
        const M2 far = finite & (Bits(den) < 0);
        const V2 pi = Select(Bits(num) < 0, Splat(-kPi), Splat(kPi));
        w[i] = angle + Select(far, pi, Splat(0));
    }
    return ((w[0][0] + w[0][1]) + w[1][0]) + w[1][1];
}

}  // namespace panel3d_kernels

#if defined(LUVO_HAVE_LIBMVEC) && defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
// The same four lanes wide (corners or sides 0 to 3 at once), for processors with AVX2, in GCC
// builds (the target pragmas are GCC's; other compilers take the two lanes). No fused
// multiply-add: every lane rounds as the two-lane and the term-by-term forms do, which matters
// where the closed forms amplify rounding (a point in a panel's plane on a side's line).
// Callers check Wide() first.
#define LUVO_WIDE_KERNELS
#include <immintrin.h>

namespace panel3d_kernels {

inline bool Wide() {
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
}

using V4 = double __attribute__((vector_size(32)));
using M4 = std::int64_t __attribute__((vector_size(32)));

}  // namespace panel3d_kernels

#pragma GCC push_options
#pragma GCC target("avx2")

extern "C" panel3d_kernels::V4 _ZGVdN4v_atan(panel3d_kernels::V4);
extern "C" panel3d_kernels::V4 _ZGVdN4v_log(panel3d_kernels::V4);

namespace panel3d_kernels {

// Four doubles from memory, e.g. a pair of pairs.
inline V4 Load4(const void* p) {
    V4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline V4 Splat4(double x) { return V4{x, x, x, x}; }

// Lane k + 1 in lane k.
inline V4 Rotate(V4 a) { return __builtin_shufflevector(a, a, 1, 2, 3, 0); }

inline M4 Bits4(V4 a) {
    M4 m;
    std::memcpy(&m, &a, sizeof m);
    return m;
}

inline double Sum4(V4 a) { return ((a[0] + a[1]) + a[2]) + a[3]; }

struct CornerTerms4 {
    V4 r, e, h;
};

inline CornerTerms4 LocalCornerTerms4(double x, double y, double z, V4 localX, V4 localY) {
    const V4 dx = Splat4(x) - localX;
    const V4 dy = Splat4(y) - localY;
    const V4 zz = Splat4(z * z);
    return {_mm256_sqrt_pd(dx * dx + dy * dy + zz), dx * dx + zz, dx * dy};
}

inline double PairedArctangentSum4(double z, const CornerTerms4& c, V4 slope) {
    constexpr double kPi = 3.14159265358979323846;
    const V4 zv = Splat4(z);
    const V4 rNext = Rotate(c.r);
    const V4 A = slope * c.e - c.h;
    const V4 B = slope * Rotate(c.e) - Rotate(c.h);
    const V4 num = zv * (A * rNext - B * c.r);
    const V4 den = zv * zv * c.r * rNext + A * B;
    const M4 finite = (slope - slope) == 0;
    const V4 angle = _ZGVdN4v_atan(finite ? num / den : Splat4(0));
    const M4 far = finite & (Bits4(den) < 0);
    const V4 pi = Bits4(num) < 0 ? Splat4(-kPi) : Splat4(kPi);
    return Sum4(angle + (far ? pi : Splat4(0)));
}

}  // namespace panel3d_kernels

#pragma GCC pop_options
#endif
