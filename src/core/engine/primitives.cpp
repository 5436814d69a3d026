// Thermal primitives of the rating engine.
#include "engine/primitives.h"

#include "base/numtext.h"

#include <cmath>

namespace velor {

namespace {

// Log-mean of two positive differences with a != b: (a - b) / ln(a / b), always positive.
long double logMean(long double a, long double b)
{
    return std::fabs((a - b) / std::log(a / b));
}

} // namespace

long double Lmtd(long double tHotIn, long double tColdIn, long double tHotOut, long double tColdOut)
{
    const long double dt1 = tHotIn - tColdOut;
    const long double dt2 = tHotOut - tColdIn;
    // A balanced exchanger (dt1 = dt2 up to rounding noise) must not divide 0 by ln(1).
    if (equalAsText(dt1, dt2))
        return dt2;
    // Both ends need a positive difference: with dt1 <= 0 the logarithm is undefined.
    if (dt2 > 0 && dt1 > 0)
        return logMean(dt1, dt2);
    return 0;
}

long double LmtdCondensing(long double tHotIn, long double tColdIn, long double tHotOut, long double tColdOut)
{
    const long double dt1 = tHotIn - tColdOut;
    const long double dt2 = tHotOut - tColdIn;
    if (equalAsText(dt1, dt2))
        return dt2;
    // A crossed duty (a difference <= 0) has no log-mean; two negative differences would
    // otherwise give a positive, meaningless value.
    if (dt1 <= 0 || dt2 <= 0)
        return 0;
    if (dt2 < dt1)
        return logMean(dt1, dt2);
    if (dt2 > dt1)
        return logMean(dt2, dt1);
    return 0;
}

long double Power(long double x, long double y)
{
    // Through the exponential, as the condensing coefficient is written; with extended precision
    // it is accurate far beyond the digits the results carry, and several times faster than powl.
    return std::exp(y * std::log(x));
}

long double Velocity(long double m, long double area, long double rho)
{
    return m / (area * rho);
}

long double Reynolds(long double m, long double area, long double d, long double mu, long double rho)
{
    const long double w = Velocity(m, area, rho);
    return w * d * rho / mu;
}

long double Prandtl(long double mu, long double lambda, long double cp)
{
    return mu * cp * 1000.0L / lambda;
}

long double FrictionDrop(long double m, long double factor, long double re, long double n, long double k,
                         long double refArea, long double rho)
{
    return factor * k * m * m / (refArea * refArea * Power(re, n) * rho);
}

long double ConnectionDrop(long double m, long double area, long double zeta, long double rho)
{
    const long double w = Velocity(m, area, rho);
    return zeta * rho * w * w / 2.0L;
}

long double CondensingCoefficient(const TSteamFactorRow& factors, long double m, long double area)
{
    const auto& f = factors.factors;
    const long double g = m / area;
    const long double lnG = std::log(g);
    const long double a = std::exp(lnG * f[0] + f[1]); // gravity-controlled film
    const long double b = std::exp(lnG * f[2] + f[3]); // shear-controlled film
    return b > a ? b : a;
}

} // namespace velor
