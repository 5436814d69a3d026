// Rating of one size: side mapping, ranges and their boundaries, the pressure-drop window, the
// fouling branches, the two oversize rules and the cases that yield no result.
#include "engine/rating.h"
#include "sizefixture.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace velor {
namespace {

using V = SizeValue;
using enginetest::makeRecord;

// Water-like liquids whose viscosity falls with temperature, so the wall correction matters.
// Keys: 1 hot liquid, 2 cold liquid; vapor key 5.
class FakeProperties : public PropertySource
{
public:
    std::optional<TLiquidRow> LiquidProps(std::int32_t key, long double p, long double t) override
    {
        ++liquidCalls;
        lastPressure[key] = p;
        if (missingLiquid == key)
            return std::nullopt;
        return TLiquidRow{t, 990 - 0.4L * t, 4.18L, 0.6L + 0.001L * t, 0.0018L * std::exp(-0.02L * t)};
    }
    std::optional<TVaporRow> VaporProps(std::int32_t key, long double t) override
    {
        if (key != 5 || missingVapor)
            return std::nullopt;
        return TVaporRow{t, 100 + t, 2200, 2.0L, 0.025L, 1.2e-5L + 1e-8L * t};
    }
    int liquidCalls = 0;
    std::int32_t missingLiquid = 0;
    bool missingVapor = false;
    std::map<std::int32_t, long double> lastPressure;
};

TLiquidRow row(long double t)
{
    FakeProperties p;
    return *p.LiquidProps(1, 100, t);
}

LiquidSizeInput liquidDuty()
{
    LiquidSizeInput in;
    in.typeFile = "X.dat";
    in.sizeName = "X-20";
    in.wallMaterial = "316L";
    in.q = 100;
    in.tHotIn = 90;
    in.tHotOut = 60;
    in.tColdIn = 20;
    in.tColdOut = 50;
    in.pHotIn = 300;
    in.pColdIn = 200;
    in.lmtd = Lmtd(90, 20, 60, 50);
    in.mHot = 0.8L;
    in.mCold = 0.8L;
    in.dpMaxHot = 1000;
    in.dpMaxCold = 1000;
    in.oversizeMin = -1000;
    in.lambdaWall = 14.65L;
    in.hotMean = row(75);
    in.coldMean = row(35);
    in.hotIn = row(90);
    in.hotOut = row(60);
    in.coldIn = row(20);
    in.coldOut = row(50);
    in.hotKey = 1;
    in.coldKey = 2;
    return in;
}

// The geometry of one side of makeRecord(), written out independently of the record accessors.
struct SideFixture
{
    long double dh, flowArea, connArea, dpFactor, zeta, kScale, reDpScale, htcScale;
};
constexpr SideFixture kTube{0.004L, 0.002L, 0.0005L, 0.05L, 0.0015L, 1, 1, 1};
constexpr SideFixture kShell{0.006L, 0.003L, 0.0008L, 0.04L, 0.003L, 1.5L, 2, 1.2L};

// Pressure drop of one side of makeRecord() for a Reynolds number in the second friction range.
long double expectedDrop(const SideFixture& s, long double m, const TLiquidRow& r, long double nSeries)
{
    const long double re = Reynolds(m, s.flowArea, s.dh, r.viscosity, r.density);
    EXPECT_GT(re, 200 * s.reDpScale);
    EXPECT_LE(re, 5000 * s.reDpScale);
    return (FrictionDrop(m, s.dpFactor, re, 0.25L, 11.7L * s.kScale, 0.002L, r.density) +
            ConnectionDrop(m, s.connArea, s.zeta, r.density)) *
           nSeries;
}

TEST(RateLiquidSize, ReportsTheHotFluidUnderHsOnEitherSide)
{
    for (FlowLocation hot : {FlowLocation::Tubes, FlowLocation::Shell}) {
        SCOPED_TRACE(hot == FlowLocation::Tubes ? "hot in tubes" : "hot in shell");
        LiquidSizeInput in = liquidDuty();
        in.hotLocation = hot;
        in.nSeries = 2;
        in.nParallel = 2;
        in.mHot = 1.6L;
        in.mCold = 1.6L;
        FakeProperties props;
        const auto r = RateLiquidSize(makeRecord(), in, props);
        ASSERT_TRUE(r);
        const SideFixture& hs = hot == FlowLocation::Tubes ? kTube : kShell;
        const SideFixture& cs = hot == FlowLocation::Tubes ? kShell : kTube;
        const long double m = 0.8L; // per unit
        EXPECT_EQ(r->SizeName, "X-20");
        EXPECT_EQ(r->TypeFile, "X.dat");
        EXPECT_EQ(r->TechDataName, "");
        EXPECT_DOUBLE_EQ(r->Area, 8.0);
        EXPECT_DOUBLE_EQ(r->ReynoldsHS,
                         Reynolds(m, hs.flowArea, hs.dh, in.hotMean.viscosity, in.hotMean.density));
        EXPECT_DOUBLE_EQ(r->ReynoldsCS,
                         Reynolds(m, cs.flowArea, cs.dh, in.coldMean.viscosity, in.coldMean.density));
        EXPECT_DOUBLE_EQ(r->PressDropHS, expectedDrop(hs, m, in.hotMean, 2));
        EXPECT_DOUBLE_EQ(r->PressDropCS, expectedDrop(cs, m, in.coldMean, 2));
        EXPECT_DOUBLE_EQ(r->PrandtlHS, Prandtl(in.hotMean.viscosity, in.hotMean.conductivity, 4.18L));
        EXPECT_DOUBLE_EQ(r->AlphaHS, r->NusseltHS * in.hotMean.conductivity / hs.dh);
        EXPECT_DOUBLE_EQ(r->AlphaCS, r->NusseltCS * in.coldMean.conductivity / cs.dh);
        // Heat-transfer range 4 (1000 < Re <= 5000) on both sides; the wall correction makes the
        // reported Nusselt number differ from the bulk correlation.
        const long double nu0Hot =
            0.17L * hs.htcScale * std::pow(r->ReynoldsHS, 0.73L) * std::pow(r->PrandtlHS, 1.0L / 3);
        EXPECT_NE(r->NusseltHS, nu0Hot);
        EXPECT_NEAR(r->NusseltHS / nu0Hot, 1.0, 0.1);
        EXPECT_DOUBLE_EQ(r->OHTCClean, 1 / (1 / r->AlphaHS + 1 / r->AlphaCS + 0.0004L / 14.65L));
        const long double kRequired = 100 * 1000 / (8 * in.lmtd);
        EXPECT_DOUBLE_EQ(r->OHTCFouled, kRequired);
        EXPECT_DOUBLE_EQ(r->Oversize, (r->OHTCClean / kRequired - 1) * 100);
        // rf = 0: the fouling the size can absorb is reported, not 0.
        EXPECT_DOUBLE_EQ(r->FoulingFactor, (1 / kRequired - 1 / r->OHTCClean) * 1000);
        EXPECT_DOUBLE_EQ(r->NTUHS, in.lmtd / 30);
        EXPECT_DOUBLE_EQ(r->NTUCS, in.lmtd / 30);
        EXPECT_DOUBLE_EQ(r->InVelConHS, Velocity(m, hs.connArea, in.hotIn.density));
        EXPECT_DOUBLE_EQ(r->OutVelConHS, Velocity(m, hs.connArea, in.hotOut.density));
        EXPECT_DOUBLE_EQ(r->VelTubeSpHS, Velocity(m, hs.flowArea, in.hotMean.density));
        EXPECT_DOUBLE_EQ(r->InVelConCS, Velocity(m, cs.connArea, in.coldIn.density));
        EXPECT_DOUBLE_EQ(r->OutVelConCS, Velocity(m, cs.connArea, in.coldOut.density));
        EXPECT_DOUBLE_EQ(r->VelTubeSpCS, Velocity(m, cs.flowArea, in.coldMean.density));
        EXPECT_EQ(r->VapVelConHS, 0);
        // Each wall row is asked at its own fluid's inlet pressure.
        EXPECT_EQ(props.lastPressure[1], 300);
        EXPECT_EQ(props.lastPressure[2], 200);
    }
}

TEST(RateLiquidSize, WindowAndOversizeBoundsAreInclusive)
{
    FakeProperties props;
    const auto base = RateLiquidSize(makeRecord(), liquidDuty(), props);
    ASSERT_TRUE(base);
    const long double dpHot = base->PressDropHS;
    const long double dpCold = base->PressDropCS;
    const long double over = base->Oversize;
    const long double below = -INFINITY;
    struct Case
    {
        const char* what;
        long double dpMinHot, dpMaxHot, dpMinCold, dpMaxCold, oversizeMin;
        bool qualifies;
    };
    const Case cases[] = {
        {"drops equal to both bounds", dpHot, dpHot, dpCold, dpCold, over, true},
        {"hot max just below", 0, std::nextafter(dpHot, below), 0, 1000, -1000, false},
        {"hot min just above", std::nextafter(dpHot, INFINITY), 1000, 0, 1000, -1000, false},
        {"cold max just below", 0, 1000, 0, std::nextafter(dpCold, below), -1000, false},
        {"cold min just above", 0, 1000, std::nextafter(dpCold, INFINITY), 1000, -1000, false},
        {"oversize minimum just above", 0, 1000, 0, 1000, std::nextafter(over, INFINITY), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LiquidSizeInput in = liquidDuty();
        in.dpMinHot = c.dpMinHot;
        in.dpMaxHot = c.dpMaxHot;
        in.dpMinCold = c.dpMinCold;
        in.dpMaxCold = c.dpMaxCold;
        in.oversizeMin = c.oversizeMin;
        EXPECT_EQ(RateLiquidSize(makeRecord(), in, props).has_value(), c.qualifies);
    }
    // The window is tested before any heat-transfer work: no wall rows are looked up.
    LiquidSizeInput in = liquidDuty();
    in.dpMaxHot = 0;
    FakeProperties counting;
    EXPECT_FALSE(RateLiquidSize(makeRecord(), in, counting));
    EXPECT_EQ(counting.liquidCalls, 0);
}

TEST(RateLiquidSize, ReynoldsOnAHeatTransferLimitUsesTheLowerRange)
{
    // With HtA = HtB = HtD = 0 the Nusselt number is the range's HtC: 1, 2, 3, 4 or 5.
    TSizeRecord rec = makeRecord();
    for (int range = 1; range <= 5; ++range)
        for (Side side : {Side::Tube, Side::Shell}) {
            rec.Values[heatTransferIndex(range, side, HtCoefficient::A)] = 1e-300L;
            rec.Values[heatTransferIndex(range, side, HtCoefficient::B)] = 1e-300L;
            rec.Values[heatTransferIndex(range, side, HtCoefficient::C)] = range;
            rec.Values[heatTransferIndex(range, side, HtCoefficient::D)] = 1e-300L;
        }
    FakeProperties props;
    const long double re = RateLiquidSize(rec, liquidDuty(), props)->ReynoldsHS;
    const long double below = std::nextafter(re, 0.0L);
    struct Case
    {
        std::array<long double, 4> limits; // ReHtTube1 ... ReHtTube4
        long double nusselt;
    };
    const Case cases[] = {
        {{re, 1e9L, 2e9L, 3e9L}, 1},    {{below, 1e9L, 2e9L, 3e9L}, 2},    {{1e-9L, 2e-9L, re, 1e9L}, 3},
        {{1e-9L, 2e-9L, 3e-9L, re}, 4}, {{1e-9L, 2e-9L, 3e-9L, below}, 5},
    };
    for (const Case& c : cases) {
        TSizeRecord r = rec;
        for (int k = 0; k < 4; ++k)
            r.value(static_cast<V>(static_cast<int>(V::ReHtTube1) + k)) =
                c.limits[static_cast<std::size_t>(k)];
        const auto res = RateLiquidSize(r, liquidDuty(), props);
        ASSERT_TRUE(res);
        EXPECT_NEAR(res->NusseltHS, c.nusselt, 1e-9) << "expected range " << c.nusselt;
    }
}

TEST(RateLiquidSize, FouledBranch)
{
    FakeProperties props;
    LiquidSizeInput in = liquidDuty();
    const auto clean = RateLiquidSize(makeRecord(), in, props);
    ASSERT_TRUE(clean);
    in.rf = clean->FoulingFactor * 3; // more than the size can absorb
    const auto r = RateLiquidSize(makeRecord(), in, props);
    ASSERT_TRUE(r);
    const long double kRequired = clean->OHTCFouled;
    const long double rf = in.rf * 0.001L;
    EXPECT_DOUBLE_EQ(r->FoulingFactor, in.rf);
    EXPECT_DOUBLE_EQ(r->OHTCFouled, 1 / (1 / r->OHTCClean + rf));
    EXPECT_LT(r->OHTCFouled, kRequired);
    EXPECT_DOUBLE_EQ(r->Oversize, (r->OHTCClean / kRequired - 1 - kRequired * rf) * 100);
    EXPECT_LT(r->Oversize, clean->Oversize);
}

TEST(RateLiquidSize, SizesThatCannotBeRatedGiveNoResult)
{
    struct Case
    {
        const char* what;
        void (*change)(TSizeRecord&, LiquidSizeInput&, FakeProperties&);
    };
    const Case cases[] = {
        {"Aux1 = 0", [](TSizeRecord& r, LiquidSizeInput&, FakeProperties&) { r.value(V::Aux1) = 0; }},
        {"record not found",
         [](TSizeRecord& r, LiquidSizeInput&, FakeProperties&) { r = TSizeRecord::notFound(); }},
        {"AreaUnit < 0",
         [](TSizeRecord& r, LiquidSizeInput&, FakeProperties&) { r.value(V::AreaUnit) = -1; }},
        {"heat-transfer factor 0",
         [](TSizeRecord& r, LiquidSizeInput&, FakeProperties&) {
             r.Values[heatTransferIndex(5, Side::Shell, HtCoefficient::C)] = 0;
         }},
        {"wall conductivity 0",
         [](TSizeRecord&, LiquidSizeInput& in, FakeProperties&) { in.lambdaWall = 0; }},
        {"LMTD 0", [](TSizeRecord&, LiquidSizeInput& in, FakeProperties&) { in.lmtd = 0; }},
        {"no hot flow", [](TSizeRecord&, LiquidSizeInput& in, FakeProperties&) { in.mHot = 0; }},
        {"cold liquid without rows at the wall",
         [](TSizeRecord&, LiquidSizeInput&, FakeProperties& p) { p.missingLiquid = 2; }},
        {"oversize below the minimum",
         [](TSizeRecord&, LiquidSizeInput& in, FakeProperties&) { in.oversizeMin = 1e6; }},
        // Equal hot temperatures would make the hot NTU infinite.
        {"no hot temperature change",
         [](TSizeRecord&, LiquidSizeInput& in, FakeProperties&) { in.tHotOut = in.tHotIn; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSizeRecord rec = makeRecord();
        LiquidSizeInput in = liquidDuty();
        FakeProperties props;
        c.change(rec, in, props);
        EXPECT_FALSE(RateLiquidSize(rec, in, props));
    }
}

CondensingSizeInput condensingDuty()
{
    CondensingSizeInput in;
    in.typeFile = "X.dat";
    in.sizeName = "X-20";
    in.q = 100;
    in.tHotIn = 120;
    in.tHotOut = 100;
    in.tColdIn = 40;
    in.tColdOut = 80;
    in.pHotIn = 200;
    in.pColdIn = 300;
    in.lmtd = LmtdCondensing(120, 40, 100, 80);
    in.mHot = 0.05L;
    in.mCold = 0.6L;
    in.dpMaxCold = 1000;
    in.oversizeMin = -1000;
    in.lambdaWall = 14.65L;
    in.rhoVapor = 1.2L;
    in.vapor = TVaporRow{120, 200, 2200, 2.0L, 0.025L, 1.32e-5L};
    in.condensate = row(100);
    in.coldIn = row(40);
    in.coldOut = row(80);
    in.coldMean = row(60);
    in.steam = TSteamFactorRow{100, {-1.0L / 3, 9.36L, 0.8L, 6.2L}};
    in.vaporKey = 5;
    in.coldKey = 2;
    return in;
}

TEST(RateCondensingSize, CondensingRules)
{
    for (FlowLocation vap : {FlowLocation::Tubes, FlowLocation::Shell}) {
        SCOPED_TRACE(vap == FlowLocation::Tubes ? "vapor in tubes" : "vapor in shell");
        CondensingSizeInput in = condensingDuty();
        in.hotLocation = vap;
        in.nParallel = 2;
        in.mHot = 0.1L;
        in.mCold = 1.2L;
        FakeProperties props;
        const auto r = RateCondensingSize(makeRecord(), in, props);
        ASSERT_TRUE(r);
        const SideFixture& vs = vap == FlowLocation::Tubes ? kTube : kShell;
        const SideFixture& cs = vap == FlowLocation::Tubes ? kShell : kTube;
        const long double m = 0.05L;
        EXPECT_DOUBLE_EQ(r->AlphaHS, CondensingCoefficient(in.steam, m, vs.flowArea));
        EXPECT_DOUBLE_EQ(r->ReynoldsHS, Reynolds(m, vs.flowArea, vs.dh, 1.32e-5L, 1.2L));
        EXPECT_DOUBLE_EQ(r->ReynoldsCS,
                         Reynolds(0.6L, cs.flowArea, cs.dh, in.coldMean.viscosity, in.coldMean.density));
        EXPECT_DOUBLE_EQ(r->PrandtlHS, Prandtl(1.32e-5L, 0.025L, 2.0L));
        EXPECT_DOUBLE_EQ(r->AlphaCS, r->NusseltCS * in.coldMean.conductivity / cs.dh);
        const long double kRequired = 100 * 1000 / (2 * 2 * in.lmtd);
        EXPECT_DOUBLE_EQ(r->Oversize, (1 - kRequired / r->OHTCClean) * 100);
        EXPECT_LT(r->Oversize, 100);
        EXPECT_DOUBLE_EQ(r->OHTCFouled, kRequired);
        EXPECT_DOUBLE_EQ(r->NTUHS, in.lmtd / 20);
        EXPECT_DOUBLE_EQ(r->InVelConHS, Velocity(m, vs.connArea, 1.2L));
        EXPECT_DOUBLE_EQ(r->OutVelConHS, Velocity(m, vs.connArea, in.condensate.density));
        EXPECT_DOUBLE_EQ(r->VelTubeSpHS, Velocity(m, vs.flowArea, 1.2L));
        EXPECT_DOUBLE_EQ(r->VapVelConHS, 0.1L / (1.2L * 2) / vs.connArea);
        EXPECT_DOUBLE_EQ(r->InVelConCS, Velocity(0.6L, cs.connArea, in.coldIn.density));
    }
}

TEST(RateCondensingSize, OnlyTheColdDropIsLimitedAndEqualTemperaturesAreValid)
{
    FakeProperties props;
    CondensingSizeInput in = condensingDuty();
    const auto base = RateCondensingSize(makeRecord(), in, props);
    ASSERT_TRUE(base);
    in.dpMaxHot = base->PressDropHS / 10; // not a limit for the vapor
    in.dpMinCold = base->PressDropCS;
    in.dpMaxCold = base->PressDropCS;
    EXPECT_TRUE(RateCondensingSize(makeRecord(), in, props));
    in.dpMaxCold = std::nextafter(base->PressDropCS, 0.0L);
    EXPECT_FALSE(RateCondensingSize(makeRecord(), in, props));

    // Vapor and condensate at 100 deg.C: the hot NTU is 0, not a division by zero.
    CondensingSizeInput equal = condensingDuty();
    equal.tHotIn = 100;
    equal.lmtd = LmtdCondensing(100, 40, 100, 80);
    const auto r = RateCondensingSize(makeRecord(), equal, props);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->NTUHS, 0);

    // Fouled branch of the condenser rule.
    CondensingSizeInput fouled = condensingDuty();
    fouled.rf = base->FoulingFactor * 2;
    const auto f = RateCondensingSize(makeRecord(), fouled, props);
    ASSERT_TRUE(f);
    const long double kRequired = base->OHTCFouled;
    const long double rf = fouled.rf * 0.001L;
    EXPECT_DOUBLE_EQ(f->Oversize, (1 - kRequired * rf - kRequired / f->OHTCClean) * 100);
    EXPECT_DOUBLE_EQ(f->OHTCFouled, 1 / (1 / f->OHTCClean + rf));

    // A minimum oversizing of 100 rejects every condenser.
    CondensingSizeInput strict = condensingDuty();
    strict.oversizeMin = 100;
    EXPECT_FALSE(RateCondensingSize(makeRecord(), strict, props));
    // A vapor without rows at the wall temperature cannot be rated.
    props.missingVapor = true;
    EXPECT_FALSE(RateCondensingSize(makeRecord(), condensingDuty(), props));
}

TEST(RateCondensingSize, SameOverallCoefficientsGiveHalfTheLiquidOversize)
{
    // kClean = 2 kRequired with rf = 0: the liquid rule reports 100, the condenser rule 50.
    // Found by scaling the heat load of a first rating so that kRequired = kClean / 2.
    FakeProperties props;
    CondensingSizeInput in = condensingDuty();
    const auto first = RateCondensingSize(makeRecord(), in, props);
    ASSERT_TRUE(first);
    in.q = first->OHTCClean / 2 * 2 * in.lmtd / 1000;
    const auto r = RateCondensingSize(makeRecord(), in, props);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->Oversize, 50, 1e-9);
    EXPECT_NEAR((r->OHTCClean / r->OHTCFouled - 1) * 100, 100, 1e-9);
}

} // namespace
} // namespace velor
