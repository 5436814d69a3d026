// Rating of one catalogue size against a liquid-to-liquid or a condensing duty.
#include "engine/rating.h"

#include <cmath>

namespace velor {

namespace {

// Friction range 1..4 of a Reynolds number; empty when the limits leave it in none.
std::optional<int> frictionRange(long double re, const TSizeRecord& r, Side side)
{
    const long double l1 = r.ReDp(side, 1), l2 = r.ReDp(side, 2), l3 = r.ReDp(side, 3);
    if (re <= l1)
        return 1;
    if (l1 < re && re <= l2)
        return 2;
    if (l2 < re && re <= l3)
        return 3;
    if (re > l3)
        return 4;
    return std::nullopt;
}

// Heat-transfer range 1..5; a Reynolds number <= 0 (no flow) lies in none.
std::optional<int> heatRange(long double re, const TSizeRecord& r, Side side)
{
    long double lower = 0;
    for (int k = 1; k <= kHeatTransferRanges - 1; ++k) {
        const long double upper = r.ReHt(side, k);
        if (lower < re && re <= upper)
            return k;
        lower = upper;
    }
    if (re > lower)
        return kHeatTransferRanges;
    return std::nullopt;
}

bool usableRow(const TLiquidRow& r)
{
    return r.density > 0 && r.heatCapacity > 0 && r.conductivity > 0 && r.viscosity > 0;
}

struct HeatTransferCoefficients
{
    long double HtA = 0, HtB = 0, HtC = 0, HtD = 0;
};

// Hydraulics of one side: per-unit flow, Reynolds number, pressure drop and the coefficients of
// the heat-transfer range the Reynolds number falls in.
struct SideFlow
{
    Side side = Side::Tube;
    long double m = 0;  // kg/s per unit
    long double re = 0; // Reynolds number
    long double dp = 0; // kPa, over all units in series
    HeatTransferCoefficients ht;
};

std::optional<SideFlow> sideFlow(const TSizeRecord& r, Side side, long double m, long double mu,
                                 long double rho, long double nSeries)
{
    SideFlow f;
    f.side = side;
    f.m = m;
    f.re = Reynolds(m, r.FlowArea(side), r.Dh(side), mu, rho);
    if (!(f.re > 0) || !std::isfinite(f.re))
        return std::nullopt;
    const auto fr = frictionRange(f.re, r, side);
    const auto hr = heatRange(f.re, r, side);
    if (!fr || !hr)
        return std::nullopt;
    const long double friction =
        FrictionDrop(m, r.DpFactor(side), f.re, r.DpExp(side, *fr), r.DpK(side, *fr), r.DpArea(), rho);
    const long double connection = ConnectionDrop(m, r.ConnArea(side), r.Zeta(side), rho);
    f.dp = (friction + connection) * nSeries;
    f.ht = {r.HtA(*hr, side), r.HtB(*hr, side), r.HtC(*hr, side), r.HtD(*hr, side)};
    return f;
}

bool withinWindow(long double dp, long double dpMin, long double dpMax)
{
    return dpMin <= dp && dp <= dpMax;
}

long double nusselt(const HeatTransferCoefficients& c, long double re, long double pr)
{
    return c.HtC * Power(re, c.HtA) * Power(pr, c.HtB);
}

// Overall coefficients, fouling and oversize of a size whose film coefficients are known.
struct Overall
{
    long double kClean = 0;
    long double kService = 0;
    long double foulingUsed = 0; // m2K/W
    long double kRequired = 0;
    long double rf = 0;   // m2K/W
    bool absorbs = false; // the size can absorb the requested fouling
};

Overall overall(long double alphaA, long double alphaB, long double wallResistance, long double q,
                long double nSeries, long double nParallel, long double areaUnit, long double lmtd,
                long double rfInput)
{
    Overall o;
    o.kClean = 1.0L / (1.0L / alphaA + 1.0L / alphaB + wallResistance);
    o.kRequired = q * 1000.0L / (nSeries * nParallel * areaUnit * lmtd);
    const long double rAvailable = 1.0L / o.kRequired - 1.0L / o.kClean;
    o.rf = rfInput * 0.001L;
    o.absorbs = rAvailable >= o.rf;
    if (o.absorbs) {
        o.foulingUsed = rAvailable;
        o.kService = o.kRequired;
    } else {
        o.foulingUsed = o.rf;
        o.kService = o.kRequired * (o.kClean * rAvailable + 1.0L) / (o.kClean * o.rf + 1.0L);
    }
    return o;
}

struct WallTemperatures
{
    long double hot = 0;  // deg.C, the hot fluid's (or the vapor's) wall
    long double cold = 0; // deg.C, the cold fluid's wall
};

// Wall temperatures from one heat-flux balance per unit area between the mean temperatures: the
// hot fluid's wall is cooler than its bulk, the cold fluid's warmer. None when either is not a
// number, so the size cannot be rated.
template<typename Input>
std::optional<WallTemperatures> wallTemperatures(const Input& in, long double alphaHot, long double alphaCold,
                                                 long double wallResistance)
{
    const long double tMeanHot = (in.tHotIn + in.tHotOut) / 2.0L;
    const long double tMeanCold = (in.tColdIn + in.tColdOut) / 2.0L;
    const long double flux =
        std::fabs(tMeanHot - tMeanCold) / (1.0L / alphaHot + 1.0L / alphaCold + wallResistance);
    const WallTemperatures w{tMeanHot - flux / alphaHot, tMeanCold + flux / alphaCold};
    if (!std::isfinite(w.hot) || !std::isfinite(w.cold))
        return std::nullopt;
    return w;
}

// A size qualifies when its oversize is a number and reaches the requested minimum.
bool qualifies(long double oversize, long double oversizeMin)
{
    return std::isfinite(oversize) && !(oversizeMin > oversize);
}

// The result fields both ratings fill alike: the size, its area and the overall coefficients.
template<typename Input>
TResultTypeB sizedResult(const TSizeRecord& record, const Input& in, const Overall& o, long double oversize)
{
    TResultTypeB r;
    r.SizeName = in.sizeName;
    r.TypeFile = in.typeFile;
    r.Area = in.nSeries * in.nParallel * record.AreaUnit();
    r.LMTD = in.lmtd;
    r.OHTCClean = o.kClean;
    r.OHTCFouled = o.kService;
    r.Oversize = oversize;
    r.FoulingFactor = o.foulingUsed * 1000.0L;
    return r;
}

std::optional<TResultTypeB> finished(TResultTypeB r)
{
    // A result never carries a NaN or an infinity: such a size cannot be rated.
    if (!allFinite(r))
        return std::nullopt;
    return r;
}

} // namespace

std::optional<TResultTypeB> RateLiquidSize(const TSizeRecord& record, const LiquidSizeInput& in,
                                           PropertySource& props)
{
    if (!record.ratingValuesPositive() || !(in.lambdaWall > 0) || !(in.lmtd > 0))
        return std::nullopt;
    if (!usableRow(in.hotMean) || !usableRow(in.coldMean) || !(in.nParallel > 0))
        return std::nullopt;
    const bool hotInTubes = in.hotLocation == FlowLocation::Tubes;
    const Side hotSide = hotInTubes ? Side::Tube : Side::Shell;
    const Side coldSide = hotInTubes ? Side::Shell : Side::Tube;
    const TLiquidRow& h = in.hotMean;
    const TLiquidRow& c = in.coldMean;

    // Pressure drops and their windows come before any heat-transfer work.
    const auto hot = sideFlow(record, hotSide, in.mHot / in.nParallel, h.viscosity, h.density, in.nSeries);
    const auto cold = sideFlow(record, coldSide, in.mCold / in.nParallel, c.viscosity, c.density, in.nSeries);
    if (!hot || !cold)
        return std::nullopt;
    if (!withinWindow(hot->dp, in.dpMinHot, in.dpMaxHot) ||
        !withinWindow(cold->dp, in.dpMinCold, in.dpMaxCold))
        return std::nullopt;

    // First pass, without the viscosity correction.
    const long double prHot = Prandtl(h.viscosity, h.conductivity, h.heatCapacity);
    const long double prCold = Prandtl(c.viscosity, c.conductivity, c.heatCapacity);
    const long double nu0Hot = nusselt(hot->ht, hot->re, prHot);
    const long double nu0Cold = nusselt(cold->ht, cold->re, prCold);
    const long double alpha0Hot = nu0Hot * h.conductivity / record.Dh(hotSide);
    const long double alpha0Cold = nu0Cold * c.conductivity / record.Dh(coldSide);

    const long double wallResistance = record.Wall() / in.lambdaWall;
    const auto wall = wallTemperatures(in, alpha0Hot, alpha0Cold, wallResistance);
    if (!wall)
        return std::nullopt;
    const auto wallHot = props.LiquidProps(in.hotKey, in.pHotIn, wall->hot);
    const auto wallCold = props.LiquidProps(in.coldKey, in.pColdIn, wall->cold);
    if (!wallHot || !wallCold || !(wallHot->viscosity > 0) || !(wallCold->viscosity > 0))
        return std::nullopt;

    const long double nuHot = nu0Hot * Power(h.viscosity / wallHot->viscosity, hot->ht.HtD);
    const long double nuCold = nu0Cold * Power(c.viscosity / wallCold->viscosity, cold->ht.HtD);
    const long double alphaHot = nuHot * h.conductivity / record.Dh(hotSide);
    const long double alphaCold = nuCold * c.conductivity / record.Dh(coldSide);
    if (!(alphaHot > 0) || !(alphaCold > 0))
        return std::nullopt;

    const Overall o = overall(alphaHot, alphaCold, wallResistance, in.q, in.nSeries, in.nParallel,
                              record.AreaUnit(), in.lmtd, in.rf);
    const long double oversize = o.absorbs ? (o.kClean / o.kRequired - 1.0L) * 100.0L
                                           : (o.kClean / o.kRequired - 1.0L - o.kRequired * o.rf) * 100.0L;
    if (!qualifies(oversize, in.oversizeMin))
        return std::nullopt;

    TResultTypeB r = sizedResult(record, in, o, oversize);
    r.PressDropHS = hot->dp;
    r.PressDropCS = cold->dp;
    r.AlphaHS = alphaHot;
    r.AlphaCS = alphaCold;
    r.ReynoldsHS = hot->re;
    r.ReynoldsCS = cold->re;
    r.PrandtlHS = prHot;
    r.PrandtlCS = prCold;
    r.NusseltHS = nuHot;
    r.NusseltCS = nuCold;
    r.NTUHS = in.lmtd / std::fabs(in.tHotIn - in.tHotOut);
    r.NTUCS = in.lmtd / std::fabs(in.tColdOut - in.tColdIn);
    r.InVelConHS = Velocity(hot->m, record.ConnArea(hotSide), in.hotIn.density);
    r.OutVelConHS = Velocity(hot->m, record.ConnArea(hotSide), in.hotOut.density);
    r.VelTubeSpHS = Velocity(hot->m, record.FlowArea(hotSide), h.density);
    r.InVelConCS = Velocity(cold->m, record.ConnArea(coldSide), in.coldIn.density);
    r.OutVelConCS = Velocity(cold->m, record.ConnArea(coldSide), in.coldOut.density);
    r.VelTubeSpCS = Velocity(cold->m, record.FlowArea(coldSide), c.density);
    r.VapVelConHS = 0;
    return finished(std::move(r));
}

std::optional<TResultTypeB> RateCondensingSize(const TSizeRecord& record, const CondensingSizeInput& in,
                                               PropertySource& props)
{
    if (!record.ratingValuesPositive() || !(in.lambdaWall > 0) || !(in.lmtd > 0))
        return std::nullopt;
    const TVaporRow& v = in.vapor;
    const TLiquidRow& c = in.coldMean;
    if (!usableRow(c) || !(v.viscosity > 0) || !(v.conductivity > 0) || !(in.rhoVapor > 0) ||
        !(in.nParallel > 0))
        return std::nullopt;
    const bool vaporInTubes = in.hotLocation == FlowLocation::Tubes;
    const Side vapSide = vaporInTubes ? Side::Tube : Side::Shell;
    const Side coldSide = vaporInTubes ? Side::Shell : Side::Tube;

    // The vapor side's drop is reported, only the cold side's is limited.
    const auto vap = sideFlow(record, vapSide, in.mHot / in.nParallel, v.viscosity, in.rhoVapor, in.nSeries);
    const auto cold = sideFlow(record, coldSide, in.mCold / in.nParallel, c.viscosity, c.density, in.nSeries);
    if (!vap || !cold)
        return std::nullopt;
    if (!withinWindow(cold->dp, in.dpMinCold, in.dpMaxCold))
        return std::nullopt;

    // The vapor's film coefficient comes from the steam factors at the condensate temperature;
    // the catalogue correlation of the vapor side only yields the reported Nusselt number.
    const long double prVap = Prandtl(v.viscosity, v.conductivity, v.heatCapacity);
    const long double alphaVap = CondensingCoefficient(in.steam, vap->m, record.FlowArea(vapSide));
    const long double prCold = Prandtl(c.viscosity, c.conductivity, c.heatCapacity);
    const long double nu0Cold = nusselt(cold->ht, cold->re, prCold);
    const long double alpha0Cold = nu0Cold * c.conductivity / record.Dh(coldSide);

    const long double wallResistance = record.Wall() / in.lambdaWall;
    const auto wall = wallTemperatures(in, alphaVap, alpha0Cold, wallResistance);
    if (!wall)
        return std::nullopt;
    const auto wallVap = props.VaporProps(in.vaporKey, wall->hot);
    const auto wallCold = props.LiquidProps(in.coldKey, in.pColdIn, wall->cold);
    if (!wallVap || !wallCold || !(wallVap->viscosity > 0) || !(wallCold->viscosity > 0))
        return std::nullopt;

    const long double nuVap =
        nusselt(vap->ht, vap->re, prVap) * Power(v.viscosity / wallVap->viscosity, vap->ht.HtD);
    const long double nuCold = nu0Cold * Power(c.viscosity / wallCold->viscosity, cold->ht.HtD);
    const long double alphaCold = nuCold * c.conductivity / record.Dh(coldSide);
    if (!(alphaVap > 0) || !(alphaCold > 0))
        return std::nullopt;

    const Overall o = overall(alphaVap, alphaCold, wallResistance, in.q, in.nSeries, in.nParallel,
                              record.AreaUnit(), in.lmtd, in.rf);
    // Measured against the clean coefficient, so a condenser's oversize stays below 100.
    const long double oversize = o.absorbs ? (1.0L - o.kRequired / o.kClean) * 100.0L
                                           : (1.0L - o.kRequired * o.rf - o.kRequired / o.kClean) * 100.0L;
    if (!qualifies(oversize, in.oversizeMin))
        return std::nullopt;

    const long double hotChange = std::fabs(in.tHotIn - in.tHotOut);
    TResultTypeB r = sizedResult(record, in, o, oversize);
    r.PressDropHS = vap->dp;
    r.PressDropCS = cold->dp;
    r.AlphaHS = alphaVap;
    r.AlphaCS = alphaCold;
    r.ReynoldsHS = vap->re;
    r.ReynoldsCS = cold->re;
    r.PrandtlHS = prVap;
    r.PrandtlCS = prCold;
    r.NusseltHS = nuVap;
    r.NusseltCS = nuCold;
    r.NTUHS = hotChange == 0 ? 0.0L : in.lmtd / hotChange;
    r.NTUCS = in.lmtd / std::fabs(in.tColdOut - in.tColdIn);
    r.InVelConHS = Velocity(vap->m, record.ConnArea(vapSide), in.rhoVapor);
    r.OutVelConHS = Velocity(vap->m, record.ConnArea(vapSide), in.condensate.density);
    r.VelTubeSpHS = Velocity(vap->m, record.FlowArea(vapSide), in.rhoVapor);
    r.InVelConCS = Velocity(cold->m, record.ConnArea(coldSide), in.coldIn.density);
    r.OutVelConCS = Velocity(cold->m, record.ConnArea(coldSide), in.coldOut.density);
    r.VelTubeSpCS = Velocity(cold->m, record.FlowArea(coldSide), c.density);
    r.VapVelConHS = (in.mHot / (in.rhoVapor * in.nParallel)) / record.ConnArea(vapSide);
    return finished(std::move(r));
}

} // namespace velor
