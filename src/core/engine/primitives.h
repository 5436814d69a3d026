// Thermal primitives of the rating engine: log-mean temperature differences, velocity, Reynolds
// and Prandtl numbers, the two pressure-drop terms and the condensing film coefficient.
#pragma once

#include "fluids/properties.h"

namespace velor {

/// Log-mean temperature difference of a counter-flow liquid duty, K (temperatures in deg.C).
/// Differences that agree to 15 significant digits count as equal (the result is then dt2);
/// 0 when a difference is not positive.
long double Lmtd(long double tHotIn, long double tColdIn, long double tHotOut, long double tColdOut);

/// Log-mean temperature difference of a condensing duty, K (temperatures in deg.C). Like `Lmtd`,
/// but the log-mean is taken of the larger over the smaller difference.
long double LmtdCondensing(long double tHotIn, long double tColdIn, long double tHotOut,
                           long double tColdOut);

/// Mean flow velocity, m/s: m (kg/s) / (area (m2) * rho (kg/m3)).
long double Velocity(long double m, long double area, long double rho);

/// Reynolds number w * d * rho / mu with w = Velocity(m, area, rho); d in m, mu in Ns/m2.
long double Reynolds(long double m, long double area, long double d, long double mu, long double rho);

/// Prandtl number mu * cp * 1000 / lambda; mu in Ns/m2, lambda in W/mK, cp in kJ/kgK.
long double Prandtl(long double mu, long double lambda, long double cp);

/// Friction pressure drop, kPa: factor * k * m^2 / (refArea^2 * re^n * rho); m in kg/s, refArea in
/// m2, rho in kg/m3, factor/k/n from the size catalogue.
long double FrictionDrop(long double m, long double factor, long double re, long double n, long double k,
                         long double refArea, long double rho);

/// Pressure drop of a connection, kPa: zeta * rho * w^2 / 2 with w = Velocity(m, area, rho).
long double ConnectionDrop(long double m, long double area, long double zeta, long double rho);

/// The general power x^y = e^(y ln x) for x > 0 (Reynolds and Prandtl numbers, viscosity ratios).
long double Power(long double x, long double y);

/// Film coefficient of a condensing vapor, W/m2K: max(e^f2 * G^f1, e^f4 * G^f3) with the mass flux
/// G = m (kg/s) / area (m2) and the factors f1 ... f4 of the steam-factor row at the condensate
/// temperature.
long double CondensingCoefficient(const TSteamFactorRow& factors, long double m, long double area);

} // namespace velor
