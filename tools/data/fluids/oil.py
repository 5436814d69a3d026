"""Thermal oil "Thermal oil VG32": a generic mineral heat-transfer oil of ISO 3448 grade VG 32
(viscosity index about 100), defined by rho15 = 870 kg/m3, nu40 = 32 mm2/s, nu100 = 5.4 mm2/s.

* Density: API MPMS ch. 11.1 (1980) / ASTM D1250-80 table 54D for lubricating oils
  (K0 = 0, K1 = 0.6278): rho = rho15 exp(-a dt (1 + 0.8 a dt)), dt = t - 15, a = K1 / rho15 per K.
* Heat capacity and conductivity: Cragoe (1929), Thermal Properties of Petroleum Products, U.S.
  Bureau of Standards Misc. Publ. 97, in SI form with the specific gravity s = rho15 / 999:
  cp = (1.6848 + 0.003391 t) / sqrt(s) kJ/kgK, lambda = 0.1172 (1 - 0.00054 t) / s W/mK.
* Viscosity: ASTM D341 (Walther) log10 log10(nu + 0.7) = A - B log10 T through (313.15 K, 32)
  and (373.15 K, 5.4); mu = nu rho 1e-6 Pa s."""

import math

NAME = "Thermal oil VG32"
RHO15 = 870.0  # kg/m3
K1 = 0.6278  # API table 54D constant for lubricating oils, K0 = 0
NU40 = 32.0  # mm2/s at 40 deg.C
NU100 = 5.4  # mm2/s at 100 deg.C
T_RANGE_C = range(0, 301, 5)


def _walther(nu):
    return math.log10(math.log10(nu + 0.7))


_T40 = math.log10(313.15)
_T100 = math.log10(373.15)
WALTHER_B = (_walther(NU40) - _walther(NU100)) / (_T100 - _T40)
WALTHER_A = _walther(NU40) + WALTHER_B * _T40


def properties(t_c):
    """(density kg/m3, cp kJ/kgK, conductivity W/mK, viscosity Pa s) at t (deg.C)."""
    alpha = K1 / RHO15  # 1/K, thermal expansion coefficient at 15 deg.C
    dt = t_c - 15.0
    density = RHO15 * math.exp(-alpha * dt * (1.0 + 0.8 * alpha * dt))
    s = RHO15 / 999.0
    cp = (1.6848 + 0.003391 * t_c) / math.sqrt(s)
    conductivity = 0.1172 * (1.0 - 0.00054 * t_c) / s
    nu = 10.0 ** (10.0 ** (WALTHER_A - WALTHER_B * math.log10(t_c + 273.15))) - 0.7  # mm2/s
    return density, cp, conductivity, nu * density * 1e-6


def liquid(key):
    """List entry (key, name, solution flag, concentration %) and property rows."""
    rows = [(str(key), t, 100) + properties(t) for t in T_RANGE_C]
    return (key, NAME, False, 0), rows
