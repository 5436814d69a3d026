"""Water and saturated steam from IAPWS-IF97 (IAPWS R7-97(2012)) with the IAPWS 2008 viscosity
(R12-08) and IAPWS 2011 thermal conductivity (R15-11) releases, as computed by Debian's
python3-iapws (IAPWS97 class).

Liquid rule for the isobars: the row (t, p) holds compressed liquid at (t, p) when p is above the
saturation pressure at t, otherwise the saturated liquid at t. Every isobar therefore covers the
whole temperature range: above the boiling point of a low isobar it carries the liquid at the
lowest pressure at which water is liquid (pressurised hot water), so a duty at 120 deg.C and
100 kPa gets liquid water at 120 deg.C instead of the clamped end of a shorter isobar."""

from iapws import IAPWS97

KELVIN = 273.15
TRIPLE_POINT_K = 273.16  # IF97 region 1 starts at 273.15 K; 0 deg.C rows use the triple point
WATER_KEY = 1
STEAM_KEY = 1
ISOBARS_KPA = (100, 1000, 2500, 4000)
LIQUID_T_C = range(0, 251, 5)
STEAM_T_C = range(5, 301, 5)


def _kelvin(t_c):
    return TRIPLE_POINT_K if t_c == 0 else t_c + KELVIN


def saturation_pressure_kpa(t_c):
    return IAPWS97(T=_kelvin(t_c), x=0).P * 1000.0


def liquid_state(t_c, p_kpa):
    """IF97 state of liquid water at t (deg.C) on the isobar p (kPa), by the rule above."""
    t_k = _kelvin(t_c)
    saturated = IAPWS97(T=t_k, x=0)
    if p_kpa > saturated.P * 1000.0:
        return IAPWS97(T=t_k, P=p_kpa / 1000.0)
    return saturated


def liquid_rows():
    """Rows (key, t deg.C, p kPa, density kg/m3, cp kJ/kgK, conductivity W/mK, viscosity Pa s)."""
    rows = []
    for p in ISOBARS_KPA:
        for t in LIQUID_T_C:
            s = liquid_state(t, p)
            rows.append((str(WATER_KEY), t, p, s.rho, s.cp, s.k, s.mu))
    return rows


def steam_rows():
    """Saturated-vapour rows (key, t deg.C, psat kPa, latent heat kJ/kg, cp'' kJ/kgK,
    conductivity'' W/mK, viscosity'' Pa s); latent heat r = h'' - h'."""
    rows = []
    for t in STEAM_T_C:
        liquid = IAPWS97(T=t + KELVIN, x=0)
        vapour = IAPWS97(T=t + KELVIN, x=1)
        rows.append((str(STEAM_KEY), t, vapour.P * 1000.0, vapour.h - liquid.h, vapour.cp, vapour.k,
                     vapour.mu))
    return rows


def saturated_liquid(t_c):
    """(psat kPa, density kg/m3, cp kJ/kgK, conductivity W/mK, viscosity Pa s) at t deg.C."""
    s = IAPWS97(T=t_c + KELVIN, x=0)
    return s.P * 1000.0, s.rho, s.cp, s.k, s.mu
