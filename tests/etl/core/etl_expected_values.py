#!/usr/bin/env python3
"""Expected values of the extended lifting-line tests (EtlSolverIndependent in EtlSolver_test.cpp).

Written from the method's equations alone, without the program's code: Multhopp's quadrature over
101 stations of the full span plus the sweep and sideslip matrix, solved by Gaussian elimination
with row pivoting (the program factors without pivoting, so the two share no solve either).

    python3 tests/etl/core/etl_expected_values.py

prints, for each wing of the table, the lines to paste into the test's table.
"""

import math

N = 101  # stations 1..101 of the system; 0 and 102 are the tips


def piecewise(values, fractions, half, y):
    """Linear between section values v_0..v_n over pieces of the fractions of b/2."""
    start = 0.0
    for m, frac in enumerate(fractions, start=1):
        end = start + frac * half
        last = m == len(fractions)
        if (y <= end or last) and (m == 1 or y > start or last) and frac > 0:
            return values[m - 1] + (values[m] - values[m - 1]) * (y - start) / (frac * half)
        start = end
    raise ValueError("station beyond the wing")


def piece_of(fractions, half, y):
    start = 0.0
    for m, frac in enumerate(fractions, start=1):
        end = start + frac * half
        if y <= end or m == len(fractions):
            if frac > 0 or m == len(fractions):
                return m
        start = end
    return len(fractions)


def solve(a, rhs):
    """Gaussian elimination with partial pivoting."""
    n = len(rhs)
    m = [row[:] + [rhs[i]] for i, row in enumerate(a)]
    for col in range(n):
        p = max(range(col, n), key=lambda r: abs(m[r][col]))
        m[col], m[p] = m[p], m[col]
        for r in range(col + 1, n):
            factor = m[r][col] / m[col][col]
            if factor:
                row_r, row_c = m[r], m[col]
                for c in range(col, n + 1):
                    row_r[c] -= factor * row_c[c]
    x = [0.0] * n
    for r in range(n - 1, -1, -1):
        x[r] = (m[r][n] - sum(m[r][c] * x[c] for c in range(r + 1, n))) / m[r][r]
    return x


def wing(b, lengths_percent, chords, le_sweeps_deg, twists_deg, beta_deg, f):
    half = b / 2
    frac = [l / 100 for l in lengths_percent]
    theta = [k * math.pi / 102 for k in range(103)]
    y = [half * math.cos(t) for t in theta]  # signed, positive on the first half
    chord = [piecewise(chords, frac, half, abs(v)) for v in y]
    alpha = [math.radians(piecewise(twists_deg, frac, half, abs(v))) for v in y]

    # Quarter-chord sweep of each piece from its inner quarter-chord point.
    tan25 = []
    for m in range(3):
        if frac[m] == 0:
            tan25.append(0.0)
        else:
            l = frac[m] * half
            tan25.append(math.tan(math.radians(le_sweeps_deg[m])) + (chords[m + 1] - chords[m]) / (4 * l))

    # Planform by the trapezoidal rule over the first half.
    area = 0.0
    mean = 0.0
    for k in range(1, 52):
        c = (chord[k] + chord[k - 1]) / 2
        dy = abs(y[k - 1]) - abs(y[k])
        area += c * dy
        mean += c * c * dy
    area *= 2
    mean *= 2 / area
    ar = b * b / area

    beta = math.radians(beta_deg)
    sb, cb = math.sin(beta), math.cos(beta)
    idx = range(1, N + 1)
    B = [[0.0] * (N + 1) for _ in range(N + 1)]
    C = [[0.0] * (N + 1) for _ in range(N + 1)]
    for i in idx:
        ai = f * chord[i] * cb / 2
        for j in idx:
            if i == j:
                B[i][j] = 102 / (4 * math.sin(theta[i]))
                C[i][j] = math.sin(theta[i]) / 408 / (2 * ai / half) ** 2
                continue
            if (i - j) % 2:
                B[i][j] = math.sin(theta[j]) / (102 * (math.cos(theta[j]) - math.cos(theta[i])) ** 2)
            t = tan25[piece_of(frac, half, abs(y[j])) - 1]
            w = (y[i] - y[j]) / half
            d = (ai + (abs(y[i]) - abs(y[j])) * (t - sb)) / half
            C[i][j] = math.sin(theta[j]) * (1 - d / math.sqrt(d * d + w * w)) / (408 * w * w)

    M = []
    for i in idx:
        row = []
        for j in idx:
            if i == j:
                row.append(2 * (B[i][j] + C[i][j]))
            elif (i - j) % 2 == 0:
                row.append(2 * C[i][j])
            else:
                row.append(-2 * (B[i][j] - C[i][j]))
        M.append(row)
    g = [0.0] + solve(M, [alpha[i] for i in idx])

    induced = [0.0] * (N + 1)
    for i in idx:
        induced[i] = B[i][i] * g[i] - sum(B[i][j] * g[j] for j in idx if j != i)
    cl = math.pi * ar / 102 * sum(g[k] * math.sin(theta[k]) for k in idx)
    cdi = math.pi * ar / 102 * sum(g[k] * induced[k] * math.sin(theta[k]) for k in idx)
    k_factor = cdi / (cl * cl / (math.pi * ar))
    return cl, cdi, k_factor, g


WINGS = [
    # name, b, lengths [% of b/2], chords A..D, leading-edge sweeps [deg], twists A..D [deg],
    # beta [deg], f
    ("unswept rectangular", 10, (50, 40, 10), (2, 2, 2, 2), (0, 0, 0), (5, 5, 5, 5), 0, 1),
    ("swept tapered, washed out", 12, (30, 30, 40), (3, 2.5, 1.5, 1), (30, 25, 20), (6, 5, 4, 2), 0,
     0.95),
    ("window wing in sideslip", 10, (50, 40, 10), (2, 2, 2, 2), (15, 15, 15), (10, 10, 10, 10), 10,
     1),
]

STATIONS = (1, 13, 26, 40, 51)

if __name__ == "__main__":
    for name, b, lengths, chords, sweeps, twists, beta, f in WINGS:
        cl, cdi, k, g = wing(b, lengths, chords, sweeps, twists, beta, f)
        print(f"// {name}")
        print(f"cA {cl:.12g}  cWi {cdi:.12g}  k {k:.12g}")
        print("gamma " + "  ".join(f"{s}: {g[s]:.12g}" for s in STATIONS))
