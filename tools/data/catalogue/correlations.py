"""Heat-transfer and friction correlations of the catalogue families and the power-law fits
that turn them into the per-range coefficients of a size record.

Fit conventions (shared by every family):
  * each range is sampled at 40 log-spaced Reynolds numbers strictly inside it (the end points
    moved inwards by a relative 1e-9), so a source with a jump at a range limit is fitted with
    the law that holds in the range; the lowest friction range starts at Re = 10, the lowest
    heat-transfer range at a tenth of its upper limit, the open top range of either kind ends at
    ten times its lower limit;
  * friction: ln F = ln k - n ln Re; where F is flat or rising (n < 0.01) the fit is replaced
    by n = 0.01 with k matched at the range's geometric centre (the engine needs n > 0);
  * heat transfer: ln Nu = ln C + a ln Re (+ b ln Pr when the source is not a pure Pr power),
    on the Prandtl grid 1.5, 3, 7, 20, 50.
"""
import math

N_POINTS = 40
PR_GRID = (1.5, 3.0, 7.0, 20.0, 50.0)
FRICTION_LOW = 10.0
MIN_EXPONENT = 0.01


def logspace(lo, hi, n=N_POINTS):
    return [lo * (hi / lo) ** (i / (n - 1)) for i in range(n)]


INSIDE = 1e-9


def samples(lo, hi):
    """The Reynolds numbers a range (lo, hi] is fitted on."""
    return logspace(lo * (1.0 + INSIDE), hi * (1.0 - INSIDE))


def solve(a, b):
    """Gaussian elimination with partial pivoting for a small dense system."""
    n = len(b)
    m = [row[:] + [b[i]] for i, row in enumerate(a)]
    for c in range(n):
        p = max(range(c, n), key=lambda r: abs(m[r][c]))
        m[c], m[p] = m[p], m[c]
        for r in range(c + 1, n):
            f = m[r][c] / m[c][c]
            for k in range(c, n + 1):
                m[r][k] -= f * m[c][k]
    x = [0.0] * n
    for r in range(n - 1, -1, -1):
        x[r] = (m[r][n] - sum(m[r][k] * x[k] for k in range(r + 1, n))) / m[r][r]
    return x


def least_squares(rows, ys):
    """Coefficients minimising |rows . x - ys|^2 (normal equations)."""
    n = len(rows[0])
    ata = [[sum(r[i] * r[j] for r in rows) for j in range(n)] for i in range(n)]
    aty = [sum(r[i] * y for r, y in zip(rows, ys)) for i in range(n)]
    return solve(ata, aty)


def ranges(limits, lowest):
    """(lo, hi) pairs of the ranges cut by `limits`, from `lowest` to ten times the last limit."""
    edges = [lowest] + list(limits) + [limits[-1] * 10.0]
    return list(zip(edges[:-1], edges[1:]))


def fit_friction(f, limits):
    """(k, n) per friction range of F(Re) ~ k Re^-n; limits are the three range boundaries."""
    out = []
    for lo, hi in ranges(limits, FRICTION_LOW):
        res = samples(lo, hi)
        lnk, slope = least_squares([[1.0, math.log(r)] for r in res], [math.log(f(r)) for r in res])
        n = -slope
        if n < MIN_EXPONENT:
            centre = math.sqrt(lo * hi)
            out.append((f(centre) * centre ** MIN_EXPONENT, MIN_EXPONENT))
        else:
            out.append((math.exp(lnk), n))
    return out


def fit_heat_pure(nu, limits, pr_exponent):
    """(a, b, C) per heat range of Nu(Re) * Pr^b with b fixed (the source is a pure Pr power):
    `nu(re)` returns Nu / Pr^b."""
    out = []
    for lo, hi in ranges(limits, limits[0] / 10.0):
        res = samples(lo, hi)
        lnc, a = least_squares([[1.0, math.log(r)] for r in res], [math.log(nu(r)) for r in res])
        out.append((a, pr_exponent, math.exp(lnc)))
    return out


def fit_heat_fixed_pr(nu, limits, pr_exponent):
    """(a, b, C) per heat range with b fixed, fitted over the Prandtl grid: nu(re, pr) is Nu."""
    out = []
    for lo, hi in ranges(limits, limits[0] / 10.0):
        rows, ys = [], []
        for r in samples(lo, hi):
            for pr in PR_GRID:
                rows.append([1.0, math.log(r)])
                ys.append(math.log(nu(r, pr)) - pr_exponent * math.log(pr))
        lnc, a = least_squares(rows, ys)
        out.append((a, pr_exponent, math.exp(lnc)))
    return out


def fit_heat_re_pr(nu, ranges_lohi):
    """(a, b, C) fitted in Re and Pr over the given (lo, hi) ranges: nu(re, pr) is Nu."""
    out = []
    for lo, hi in ranges_lohi:
        rows, ys = [], []
        for r in samples(lo, hi):
            for pr in PR_GRID:
                rows.append([1.0, math.log(r), math.log(pr)])
                ys.append(math.log(nu(r, pr)))
        lnc, a, b = least_squares(rows, ys)
        out.append((a, b, math.exp(lnc)))
    return out


# --- Chevron plates: Martin (VDI Heat Atlas 2010, ch. N6) ----------------------------------

def martin_xi(re, phi_deg=60.0):
    """Darcy friction factor of a chevron plate channel."""
    phi = math.radians(phi_deg)
    if re < 2000.0:
        xi0, xi1 = 64.0 / re, 597.0 / re + 3.85
    else:
        xi0, xi1 = (1.8 * math.log10(re) - 1.5) ** -2, 39.0 * re ** -0.289
    c = math.cos(phi)
    inv = c / math.sqrt(0.18 * math.tan(phi) + 0.36 * math.sin(phi) + xi0 / c) \
        + (1.0 - c) / math.sqrt(3.8 * xi1)
    return 1.0 / inv ** 2


def martin_nu_over_pr(re, phi_deg=60.0):
    """Nusselt number / Pr^(1/3) of a chevron plate channel (viscosity ratio 1)."""
    phi = math.radians(phi_deg)
    return 0.122 * (martin_xi(re, phi_deg) * re * re * math.sin(2.0 * phi)) ** 0.374


# --- Plain tubes -----------------------------------------------------------------------------

def filonenko(re):
    return (1.82 * math.log10(re) - 1.64) ** -2


def gnielinski(re, pr, d_over_l):
    f = (0.79 * math.log(re) - 1.64) ** -2
    return (f / 8.0) * (re - 1000.0) * pr / (1.0 + 12.7 * math.sqrt(f / 8.0) * (pr ** (2.0 / 3.0) - 1.0)) \
        * (1.0 + d_over_l ** (2.0 / 3.0))


# --- Ideal tube banks: Taborek (HEDH 3.3), 30 deg staggered and 90 deg in-line -------------

BANK_30 = dict(
    sets=[(10.0, (1.40, -0.667, 48.0, -1.0)), (100.0, (1.36, -0.657, 45.1, -0.973)),
          (1000.0, (0.593, -0.477, 4.57, -0.476)), (1e4, (0.321, -0.388, 0.486, -0.152)),
          (math.inf, (0.321, -0.388, 0.372, -0.123))],
    a=(1.45, 0.519), b=(7.0, 0.5))
BANK_90 = dict(
    sets=[(10.0, (0.970, -0.667, 35.0, -1.0)), (100.0, (0.900, -0.631, 32.1, -0.963)),
          (1000.0, (0.408, -0.460, 6.09, -0.602)), (1e4, (0.107, -0.266, 0.0815, 0.022)),
          (math.inf, (0.370, -0.395, 0.391, -0.148))],
    a=(1.187, 0.370), b=(6.30, 0.378))


def _bank_set(bank, re):
    for limit, coeffs in bank["sets"]:
        if re < limit:
            return coeffs
    raise ValueError(re)


def bank_j(bank, re, pitch_ratio):
    a1, a2, _, _ = _bank_set(bank, re)
    num, ex = bank["a"]
    a = num / (1.0 + 0.14 * re ** ex)
    return a1 * (1.33 / pitch_ratio) ** a * re ** a2


def bank_f(bank, re, pitch_ratio):
    _, _, b1, b2 = _bank_set(bank, re)
    num, ex = bank["b"]
    b = num / (1.0 + 0.14 * re ** ex)
    return b1 * (1.33 / pitch_ratio) ** b * re ** b2


# --- Helical coils: Schmidt (1967) -----------------------------------------------------------

def schmidt_re_crit(dd):
    return 2300.0 * (1.0 + 8.6 * dd ** 0.45)


def schmidt_f(re, dd):
    if re <= schmidt_re_crit(dd):
        return 64.0 / re * (1.0 + 0.14 * dd ** 0.97 * re ** (1.0 - 0.644 * dd ** 0.312))
    if re <= 2.2e4:
        return 0.3164 * re ** -0.25 * (1.0 + 2.88e4 / re * dd ** 0.62)
    return 0.3164 * re ** -0.25 * (1.0 + 0.0823 * (1.0 + dd) * dd ** 0.53 * re ** 0.25)


def schmidt_nu(re, pr, dd):
    if re <= schmidt_re_crit(dd):
        m = 0.5 + 0.2903 * dd ** 0.194
        return 3.65 + 0.08 * (1.0 + 0.8 * dd ** 0.9) * re ** m * pr ** (1.0 / 3.0)
    if re <= 2.2e4:
        return 0.023 * (1.0 + 14.8 * (1.0 + dd) * dd ** (1.0 / 3.0)) * re ** (0.8 - 0.22 * dd ** 0.1) \
            * pr ** (1.0 / 3.0)
    return 0.023 * (1.0 + 3.6 * (1.0 - dd) * dd ** 0.8) * re ** 0.8 * pr ** (1.0 / 3.0)
