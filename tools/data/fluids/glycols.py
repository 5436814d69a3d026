"""Ethylene and propylene glycol, pure and as stored water solutions.

Solutions: Melinder, A. (2010) Properties of Secondary Working Fluids for Indirect Systems,
IIR/IIF, Paris. Each property is the double polynomial
    f = sum_i sum_j a_ij (x - xm)^i (t - tm)^j,  x mass %, t deg.C,
with i = 0..5 carrying 4, 4, 4, 3, 2, 1 terms in j; density kg/m3, cp J/kgK, conductivity W/mK,
viscosity = 1e-3 exp(f) Pa s, freezing point deg.C. The coefficients are Melinder's as reproduced
in the LBNL Modelica Buildings library (Buildings.Media.Antifreeze.Functions.*.proCoe).
Valid up to 100 deg.C; each solution is tabulated from the first multiple of 5 K above its
freezing point + 0.5 K.

Pure glycols: the DIPPR equations of Perry's Chemical Engineers' Handbook, 8th ed. (2008),
section 2 (T in K): density eq. 105, heat capacity eq. 100, conductivity polynomial, viscosity
eq. 101."""

import math

TERMS_PER_POWER = (4, 4, 4, 3, 2, 1)
SOLUTION_CONCENTRATIONS = (20, 30, 40, 50)
SOLUTION_T_MAX_C = 100
PURE_T_MAX_C = 180

MELINDER = {
    "Ethylene glycol": {
        "xm": 30.8462,
        "tm": 31.728,
        "density": (1.034e3, -4.781e-1, -2.692e-3, 4.725e-6, 1.311e0, -6.876e-3, 4.805e-5,
                    1.690e-8, 7.490e-5, 7.855e-5, -3.995e-7, 4.982e-9, -1.062e-4, 1.229e-6,
                    -1.153e-8, -9.623e-7, -7.221e-8, 4.891e-8),
        "viscosity": (4.705e-1, -2.550e-2, 1.782e-4, -7.669e-7, 2.471e-2, -1.171e-4, 1.052e-6,
                      -1.634e-8, 3.328e-6, -1.086e-6, -1.051e-8, -6.475e-10, 1.695e-6, 3.157e-9,
                      4.063e-10, 3.089e-8, 1.831e-10, -1.865e-9),
        "freezing": (-1.525e1, -1.566e-6, -2.278e-7, 2.169e-9, -8.080e-1, -1.339e-6, 2.047e-08,
                     -2.717e-11, -1.334e-2, 6.332e-8, 2.373e-10, -2.183e-12, -7.293e-5, -1.764e-9,
                     -2.442e-11, 1.006e-6, -7.662e-11, 1.140e-9),
        "cp": (3.737e3, 2.930e0, -4.675e-3, -1.389e-5, -1.799e1, 1.046e-1, -4.147e-4, 1.847e-7,
               -9.933e-2, 3.516e-4, 5.109e-6, -7.138e-8, 2.610e-3, -1.189e-6, -1.643e-7, 1.537e-5,
               -4.272e-7, -1.618e-6),
        "conductivity": (4.720e-1, 8.903e-4, -1.058e-6, -2.789e-9, -4.286e-3, -1.473e-5, 1.059e-7,
                         -1.142e-10, 1.747e-5, 6.814e-8, -3.612e-9, 2.365e-12, 3.017e-8,
                         -2.412e-9, 4.004e-11, -1.322e-09, 2.555e-11, 2.678e-11),
    },
    "Propylene glycol": {
        "xm": 30.7031,
        "tm": 32.7083,
        "density": (1.018e3, -5.406e-1, -2.666e-3, 1.347e-5, 7.604e-1, -9.450e-3, 5.541e-5,
                    -1.343e-7, -2.498e-3, 2.700e-5, -4.018e-7, 3.376e-9, -1.550e-4, 2.829e-6,
                    -7.175e-9, -1.131e-6, -2.221e-8, 2.342e-8),
        "viscosity": (6.837e-1, -3.045e-2, 2.525e-4, -1.399e-6, 3.328e-2, -3.984e-4, 4.332e-6,
                      -1.860e-8, 5.453e-5, -8.600e-8, -1.593e-8, -4.465e-11, -3.900e-6, 1.054e-7,
                      -1.589e-9, -1.587e-8, 4.475e-10, 3.564e-9),
        "freezing": (-1.325e1, -3.820e-5, 7.865e-7, -1.733e-9, -6.631e-1, 6.774e-6, -6.242e-8,
                     -7.819e-10, -1.094e-2, 5.332e-8, -4.169e-9, 3.288e-11, -2.283e-4, -1.131e-8,
                     1.918e-10, -3.409e-6, 8.035e-11, 1.465e-8),
        "cp": (3.882e3, 2.699e0, -1.659e-3, -1.032e-5, -1.304e1, 5.070e-2, -4.752e-5, 1.522e-6,
               -1.598e-1, 9.534e-5, 1.167e-5, -4.870e-8, 3.539e-4, 3.102e-5, -2.950e-7, 5.000e-5,
               -7.135e-7, -4.959e-7),
        "conductivity": (4.513e-1, 7.955e-4, 3.482e-8, -5.966e-9, -4.795e-3, -1.678e-5, 8.941e-8,
                         1.493e-10, 2.076e-5, 1.563e-7, -4.615e-9, 9.897e-12, -9.083e-8,
                         -2.518e-9, 6.543e-11, -5.952e-10, -3.605e-11, 2.104e-11),
    },
}

# Perry's 8th ed. DIPPR constants: molar mass kg/kmol; density C1..C4 (C1 in mol/m3); cp A, B, C
# (J/kmol K); conductivity C1..C3 (W/mK); viscosity C1..C5 (Pa s).
DIPPR = {
    "Ethylene glycol": {
        "M": 62.068,
        "density": (1315.0, 0.25125, 720.0, 0.21868),
        "cp": (35540.0, 436.78, -0.18486),
        "conductivity": (0.088067, 9.4712e-4, -1.3114e-6),
        "viscosity": (-20.515, 2468.5, 1.2435, 2.4998e12, -5.0),
        "t_min_c": -10,
    },
    "Propylene glycol": {
        "M": 76.094,
        "density": (1092.3, 0.26106, 626.0, 0.20459),
        "cp": (58080.0, 445.2, 0.0),
        "conductivity": (0.2152, -4.97e-5, 0.0),
        "viscosity": (-804.54, 30487.0, 130.79, -0.15449, 1.0),
        "t_min_c": -20,
    },
}


def melinder(coefficients, xm, tm, x, t):
    """Melinder's double polynomial at x (mass %) and t (deg.C)."""
    f = 0.0
    n = 0
    for i, terms in enumerate(TERMS_PER_POWER):
        for j in range(terms):
            f += coefficients[n] * (x - xm) ** i * (t - tm) ** j
            n += 1
    return f


def solution_properties(glycol, x, t):
    """(density kg/m3, cp kJ/kgK, conductivity W/mK, viscosity Pa s) of x mass % in water at t."""
    c = MELINDER[glycol]
    value = lambda name: melinder(c[name], c["xm"], c["tm"], x, t)
    return value("density"), value("cp") / 1000.0, value("conductivity"), 1e-3 * math.exp(
        value("viscosity"))


def freezing_point_c(glycol, x):
    c = MELINDER[glycol]
    return melinder(c["freezing"], c["xm"], c["tm"], x, 0.0)


def solution_start_c(glycol, x):
    """First multiple of 5 deg.C above the freezing point + 0.5 K."""
    return 5 * (math.floor((freezing_point_c(glycol, x) + 0.5) / 5.0) + 1)


def pure_properties(glycol, t_c):
    """(density kg/m3, cp kJ/kgK, conductivity W/mK, viscosity Pa s) of the pure glycol at t."""
    d = DIPPR[glycol]
    t = t_c + 273.15
    c1, c2, c3, c4 = d["density"]
    density = c1 / c2 ** (1.0 + (1.0 - t / c3) ** c4) * d["M"] / 1000.0  # mol/m3 -> kg/m3
    a, b, c = d["cp"]
    cp = (a + b * t + c * t * t) / d["M"] / 1000.0
    l1, l2, l3 = d["conductivity"]
    conductivity = l1 + l2 * t + l3 * t * t
    v1, v2, v3, v4, v5 = d["viscosity"]
    viscosity = math.exp(v1 + v2 / t + v3 * math.log(t) + v4 * t**v5)
    return density, cp, conductivity, viscosity


def liquids(first_key):
    """List entries (key, name, solution flag, concentration %) and property rows (key, t, p,
    density, cp, conductivity, viscosity) of both glycols and their solutions, keys from
    `first_key` in the order: pure EG, EG 20..50 %, pure PG, PG 20..50 %."""
    entries = []
    rows = []
    key = first_key
    for glycol in ("Ethylene glycol", "Propylene glycol"):
        entries.append((key, glycol, False, 0))
        for t in range(DIPPR[glycol]["t_min_c"], PURE_T_MAX_C + 1, 5):
            rows.append((str(key), t, 100) + pure_properties(glycol, t))
        key += 1
        for x in SOLUTION_CONCENTRATIONS:
            entries.append((key, f"{glycol} {x}%", True, x))
            for t in range(solution_start_c(glycol, x), SOLUTION_T_MAX_C + 1, 5):
                rows.append((str(key), t, 100) + solution_properties(glycol, x, t))
            key += 1
    return entries, rows
