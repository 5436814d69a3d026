"""Steam factors f1..f4 of the condensing film coefficient
    alpha = max(exp(f2) * G**f1, exp(f4) * G**f3)    [W/m2K, G = vapour mass flux kg/m2s]
tabulated against the condensate temperature t, from the saturation properties of water at t and
a reference hydraulic diameter of the vapour passages.

Gravity-controlled branch: Nusselt film condensation (Nusselt 1916; film-Reynolds form as in
Incropera et al., ch. 10), mean coefficient for complete condensation with the outlet film
Reynolds number Re_f = 4 Gamma / mu_l = G d / mu_l:
    alpha = 1.47 lambda_l (g / nu_l^2)^(1/3) Re_f^(-1/3)
    => f1 = -1/3, f2 = ln(1.47 lambda_l (g / nu_l^2)^(1/3) (d / mu_l)^(-1/3)).
Shear-controlled branch: Shah (1979), Int. J. Heat Mass Transfer 22, 547-556, integrated over the
quality from 1 to 0 at uniform heat flux:
    alpha = alpha_LO (0.55 + 2.09 / p_r^0.38), alpha_LO = 0.023 Re_LO^0.8 Pr_l^0.4 lambda_l / d
    => f3 = 0.8, f4 = ln(0.023 (d / mu_l)^0.8 Pr_l^0.4 (lambda_l / d) (0.55 + 2.09 p_r^-0.38)),
with the reduced pressure p_r = psat / pc floored at 0.002, the lower end of Shah's data base."""

import math

import water

D_REF_M = 0.020  # typical bore of the catalogue's vapour passages, m
GRAVITY = 9.80665  # m/s2
CRITICAL_PRESSURE_KPA = 22064.0  # IAPWS-IF97
MIN_REDUCED_PRESSURE = 0.002
TEMPERATURES_C = range(20, 251, 10)


def factors(t_c):
    """(f1, f2, f3, f4) at condensate temperature t (deg.C)."""
    psat, rho, cp, lam, mu = water.saturated_liquid(t_c)
    nu = mu / rho
    f1 = -1.0 / 3.0
    f2 = math.log(1.47 * lam * (GRAVITY / nu**2) ** (1.0 / 3.0) * (D_REF_M / mu) ** f1)
    prandtl = mu * cp * 1000.0 / lam
    reduced = max(psat / CRITICAL_PRESSURE_KPA, MIN_REDUCED_PRESSURE)
    f3 = 0.8
    f4 = math.log(0.023 * (D_REF_M / mu) ** f3 * prandtl**0.4 * (lam / D_REF_M)
                  * (0.55 + 2.09 * reduced**-0.38))
    return f1, f2, f3, f4


def rows():
    """Rows (row number, t deg.C, f1, f2, f3, f4); the row number fills the record's integer."""
    return [(str(i + 1), t) + factors(t) for i, t in enumerate(TEMPERATURES_C)]
