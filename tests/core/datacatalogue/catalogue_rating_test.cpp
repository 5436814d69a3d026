// The delivered catalogue rated end to end with the delivered fluids: the program's default duty
// and further reference duties over every size, so that a change of the data or of the rating that
// leaves the program selecting nothing useful fails here.
#include "catalogue/catalogue.h"
#include "catalogue/exchangertypes.h"
#include "engine/properties.h"
#include "engine/run.h"
#include "fluids/fluidfiles.h"
#include "fluids/properties.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velor {
namespace {

namespace fs = std::filesystem;
constexpr CodePage kCodePage = CodePage::Windows1252;

/// Qualifying sizes of one type for one duty, with the ranges of their figures.
struct TypeOutcome
{
    int qualifying = 0;
    int rated = 0;
    double oversizeMin = 1e300, oversizeMax = -1e300; // percent
    double uMin = 1e300, uMax = -1e300;               // W/m2K, clean
    double dpHotMax = 0, dpColdMax = 0;               // kPa
};

/// A copy of the shipped catalogue and fluids in a fresh folder, with the working copies of the
/// fluids the duties use.
class ShippedProgram : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        s_root = fs::temp_directory_path() / ("velor_catalogue_rating_" + std::to_string(stamp));
        const fs::path shipped(VELOR_RUNTIME_DIR);
        for (const char* folder : {"HeatExch", "Fluids"}) {
            fs::create_directories(s_root / folder);
            for (const auto& entry : fs::directory_iterator(shipped / folder))
                if (entry.path().extension() == ".dat")
                    fs::copy_file(entry.path(), s_root / folder / entry.path().filename());
        }
        FluidFiles fluids(s_root / "Fluids", kCodePage);
        for (const char* liquid : {"Water", "Ethylene glycol 30%"})
            ASSERT_TRUE(fluids.CopyLiquidToWork(liquid).ok());
        ASSERT_TRUE(fluids.CopyVaporToWork("Saturated steam").ok());
    }
    static void TearDownTestSuite()
    {
        std::error_code ec;
        fs::remove_all(s_root, ec);
    }

    static ProgramFolder folder() { return ProgramFolder(s_root); }
    static FluidFiles fluids() { return FluidFiles(s_root / "Fluids", kCodePage); }

    /// A liquid duty with both flows from the heat balance at the mean temperatures.
    static Duty liquidDuty(double q, const char* hot, double tHotIn, double tHotOut, double tColdIn,
                           double tColdOut, double dpMaxHot, double dpMaxCold)
    {
        const FluidFiles f = fluids();
        Duty d;
        d.hotSide = HotSideKind::Liquid;
        d.hotFluid = hot;
        d.coldFluid = "Water";
        d.q = q;
        d.tHotIn = tHotIn;
        d.tHotOut = tHotOut;
        d.tColdIn = tColdIn;
        d.tColdOut = tColdOut;
        d.pHotIn = d.pColdIn = 100;
        d.dpMaxHot = dpMaxHot;
        d.dpMaxCold = dpMaxCold;
        const auto hotRow = LiquidProps(f, f.LiquidKey(hot, kLiquidsTmp), d.pHotIn, (tHotIn + tHotOut) / 2);
        const auto coldRow =
            LiquidProps(f, f.LiquidKey("Water", kLiquidsTmp), d.pColdIn, (tColdIn + tColdOut) / 2);
        EXPECT_TRUE(hotRow && coldRow);
        if (hotRow && coldRow) {
            d.mHot = d.q / (hotRow->heatCapacity * (tHotIn - tHotOut));
            d.mCold = d.q / (coldRow->heatCapacity * (tColdOut - tColdIn));
        }
        return d;
    }

    /// Saturated steam condensing at tHotIn and leaving as condensate at tHotOut, water heated.
    static Duty condensingDuty(double q, double tHotIn, double tHotOut, double tColdIn, double tColdOut,
                               FlowLocation vapor)
    {
        const FluidFiles f = fluids();
        Duty d;
        d.hotSide = HotSideKind::Condensing;
        d.hotFluid = "Saturated steam";
        d.coldFluid = "Water";
        d.q = q;
        d.tHotIn = tHotIn;
        d.tHotOut = tHotOut;
        d.tColdIn = tColdIn;
        d.tColdOut = tColdOut;
        d.pColdIn = 100;
        d.dpMaxHot = 0;
        d.dpMaxCold = 25;
        d.hotLocation = vapor;
        const auto vaporKey = f.FindVapor("Saturated steam", kVaporsTmp);
        EXPECT_TRUE(vaporKey.has_value());
        if (!vaporKey)
            return d;
        const auto sat = VaporProps(f, vaporKey->key, tHotIn);
        const auto cond = LiquidProps(f, vaporKey->condensateKey, 100, (tHotIn + tHotOut) / 2);
        const auto cold = LiquidProps(f, f.LiquidKey("Water", kLiquidsTmp), 100, (tColdIn + tColdOut) / 2);
        EXPECT_TRUE(sat && cond && cold);
        if (sat && cond && cold) {
            d.pHotIn = sat->pressure;
            d.mHot = q / (sat->latentHeat + cond->heatCapacity * (tHotIn - tHotOut));
            d.mCold = q / (cold->heatCapacity * (tColdOut - tColdIn));
            const auto rho = VaporDensity(f, vaporKey->key, kVaporsTmp, tHotIn, d.pHotIn);
            d.volumeFlowHotIn = rho ? d.mHot / *rho : 0;
        }
        return d;
    }

    /// Rates `selected` (every size of every type when empty) and gathers the outcome per type code.
    static std::map<std::string, TypeOutcome> rate(const Duty& duty, std::vector<std::string> selected = {})
    {
        const TypeLists names = ReadTypeNames(folder());
        if (selected.empty())
            for (const auto& list : names)
                selected.insert(selected.end(), list.begin(), list.end());
        std::map<std::string, TypeOutcome> out;
        TypeLists rated = DistributeSizes(selected, names);
        ApplyDutyFilter(rated, duty.hotSide);
        const auto types = exchangerTypes();
        for (std::size_t t = 0; t < types.size(); ++t)
            if (!rated[t].empty())
                out[std::string(types[t].code)].rated = static_cast<int>(rated[t].size());
        const FluidFiles f = fluids();
        for (const TResultTypeB& r : Calculate(folder(), f, duty, selected).results) {
            const ExchangerType* type = findExchangerTypeByFile(r.TypeFile);
            if (!type) {
                ADD_FAILURE() << "result of unknown type file " << r.TypeFile;
                continue;
            }
            TypeOutcome& o = out[std::string(type->code)];
            ++o.qualifying;
            o.oversizeMin = std::min(o.oversizeMin, static_cast<double>(r.Oversize));
            o.oversizeMax = std::max(o.oversizeMax, static_cast<double>(r.Oversize));
            o.uMin = std::min(o.uMin, static_cast<double>(r.OHTCClean));
            o.uMax = std::max(o.uMax, static_cast<double>(r.OHTCClean));
            o.dpHotMax = std::max(o.dpHotMax, static_cast<double>(r.PressDropHS));
            o.dpColdMax = std::max(o.dpColdMax, static_cast<double>(r.PressDropCS));
        }
        return out;
    }

    /// The rating table of a duty, for the log of the test run.
    static void print(const char* duty, const std::map<std::string, TypeOutcome>& outcome)
    {
        std::printf("%s\n", duty);
        for (const ExchangerType& type : exchangerTypes()) {
            const auto it = outcome.find(std::string(type.code));
            if (it == outcome.end())
                continue;
            const TypeOutcome& o = it->second;
            if (o.qualifying == 0)
                std::printf("  %-8s %2d/%-2d\n", it->first.c_str(), o.qualifying, o.rated);
            else
                std::printf(
                    "  %-8s %2d/%-2d oversize %6.0f..%-6.0f%% U %5.0f..%-5.0f dp max %5.1f / %5.1f kPa\n",
                    it->first.c_str(), o.qualifying, o.rated, o.oversizeMin, o.oversizeMax, o.uMin, o.uMax,
                    o.dpHotMax, o.dpColdMax);
        }
    }

    static int qualifying(const std::map<std::string, TypeOutcome>& outcome,
                          std::initializer_list<const char*> types)
    {
        int n = 0;
        for (const char* t : types)
            if (const auto it = outcome.find(t); it != outcome.end())
                n += it->second.qualifying;
        return n;
    }

    static inline fs::path s_root;
};

const std::initializer_list<const char*> kBrazedPlates = {
    "PF10", "PF10-2", "PF20", "PF20-2", "PF30", "PF30-2", "PG25",  "PG25-2",
    "PG40", "PG40-2", "PH90", "PH90-2", "PG55", "PG55-2", "PH150", "PH150-2"};
const std::initializer_list<const char*> kLiquidCoils = {"T",   "TD",    "TW",    "TWD",
                                                         "RUV", "RUV D", "RUV W", "RUV WD"};
const std::initializer_list<const char*> kSteamTypes = {"ND", "TW", "TWD", "RUV W", "RUV WD"};

/// Every qualifying size lies in a believable band of overall coefficients and inside the windows.
void expectBelievable(const std::map<std::string, TypeOutcome>& outcome, double uLow, double uHigh,
                      double dpHot, double dpCold)
{
    for (const auto& [code, o] : outcome) {
        if (o.qualifying == 0)
            continue;
        EXPECT_GE(o.uMin, uLow) << code;
        EXPECT_LE(o.uMax, uHigh) << code;
        EXPECT_GE(o.oversizeMin, 0.0) << code;
        EXPECT_LE(o.dpHotMax, dpHot) << code;
        EXPECT_LE(o.dpColdMax, dpCold) << code;
    }
}

TEST_F(ShippedProgram, DefaultDutySelectsPlatesShellAndTubeAndCoilsWithBelievableFigures)
{
    // 200 kW, water 120 -> 75 deg.C against water 70 -> 90 deg.C, at most 25 kPa on each side.
    const auto outcome = rate(liquidDuty(200, "Water", 120, 75, 70, 90, 25, 25));
    print("200 kW water 120->75 / water 70->90, 25/25 kPa", outcome);
    EXPECT_GE(qualifying(outcome, kBrazedPlates), 30);
    EXPECT_GE(qualifying(outcome, {"M"}), 4);
    EXPECT_GE(qualifying(outcome, kLiquidCoils), 10);
    expectBelievable(outcome, 100, 7000, 25, 25);
    // Well-loaded plates reach the water/water band of brazed plates, tubes and coils theirs.
    EXPECT_GE(outcome.at("PG40").uMax, 3500);
    EXPECT_GE(outcome.at("M").uMax, 1500);
    EXPECT_GE(outcome.at("RUV D").uMax, 1200);
}

TEST_F(ShippedProgram, EveryLiquidTypeQualifiesForOneOfTheWaterAndGlycolDuties)
{
    const std::pair<const char*, Duty> duties[] = {
        {"50 kW water 70->40 / water 10->55, 25/25 kPa", liquidDuty(50, "Water", 70, 40, 10, 55, 25, 25)},
        {"20 kW water 70->40 / water 10->55, 25/25 kPa", liquidDuty(20, "Water", 70, 40, 10, 55, 25, 25)},
        {"1 MW water 90->60 / water 50->70, 50/50 kPa", liquidDuty(1000, "Water", 90, 60, 50, 70, 50, 50)},
        {"100 kW ethylene glycol 30% 40->30 / water 20->30, 40/40 kPa",
         liquidDuty(100, "Ethylene glycol 30%", 40, 30, 20, 30, 40, 40)},
    };
    std::map<std::string, int> anyDuty;
    for (const auto& [name, duty] : duties) {
        const auto outcome = rate(duty);
        print(name, outcome);
        expectBelievable(outcome, 40, 7500, duty.dpMaxHot, duty.dpMaxCold);
        for (const auto& [code, o] : outcome)
            anyDuty[code] += o.qualifying;
        if (duty.q >= 1000) {
            EXPECT_GE(qualifying(outcome, kBrazedPlates), 10);
            EXPECT_GE(qualifying(outcome, {"M"}), 1);
        } else {
            EXPECT_GE(qualifying(outcome, kBrazedPlates), 20) << name;
        }
    }
    for (const ExchangerType& type : exchangerTypes())
        if (type.code != "GT") {
            EXPECT_GT(anyDuty[std::string(type.code)], 0) << type.code;
        }
}

TEST_F(ShippedProgram, SteamCondensesInTheSteamCoilsAndInGtWithBelievableFigures)
{
    std::vector<std::string> inCoils = {"RUV 26.480", "RUV D 26.480"};
    for (const char* file : {"ND.dat", "TW.dat", "TWD.dat", "RUVW.dat", "RUVWD.dat"})
        for (auto& n : SizeNames(folder(), file, kCodePage))
            inCoils.push_back(n);

    // 200 kW, steam 150 deg.C to condensate 90 deg.C, water 70 -> 90 deg.C.
    const auto large = rate(condensingDuty(200, 150, 90, 70, 90, FlowLocation::Tubes), inCoils);
    print("200 kW steam 150->90 in the coil / water 70->90, 25 kPa", large);
    for (const char* type : kSteamTypes)
        EXPECT_GE(qualifying(large, {type}), 1) << type;
    expectBelievable(large, 800, 4000, 1e9, 25);

    // 60 kW, steam 120 -> 100 deg.C, water 40 -> 80 deg.C: the steam-rated liquid coils qualify.
    const auto small = rate(condensingDuty(60, 120, 100, 40, 80, FlowLocation::Tubes), inCoils);
    print("60 kW steam 120->100 in the coil / water 40->80, 25 kPa", small);
    EXPECT_EQ(qualifying(small, {"RUV"}), 1);
    EXPECT_EQ(qualifying(small, {"RUV D"}), 1);
    EXPECT_GE(qualifying(small, kSteamTypes), 20);
    expectBelievable(small, 300, 4000, 1e9, 25);

    // The horizontal condenser with the steam in the shell.
    const auto shell = rate(condensingDuty(200, 150, 90, 70, 90, FlowLocation::Shell),
                            SizeNames(folder(), "GT.dat", kCodePage));
    print("200 kW steam 150->90 in the shell / water 70->90, 25 kPa", shell);
    EXPECT_GE(qualifying(shell, {"GT"}), 4);
    expectBelievable(shell, 500, 4000, 1e9, 25);
}

TEST_F(ShippedProgram, ReferenceRatingsOfSingleSizes)
{
    const Duty d1 = liquidDuty(200, "Water", 120, 75, 70, 90, 25, 25);
    const Duty d3 = liquidDuty(1000, "Water", 90, 60, 50, 70, 50, 50);
    const Duty d4 = liquidDuty(100, "Ethylene glycol 30%", 40, 30, 20, 30, 40, 40);
    const Duty d5 = condensingDuty(200, 150, 90, 70, 90, FlowLocation::Tubes);
    const Duty d7 = condensingDuty(60, 120, 100, 40, 80, FlowLocation::Tubes);
    const Duty d6 = condensingDuty(200, 150, 90, 70, 90, FlowLocation::Shell);
    const struct
    {
        const Duty* duty;
        const char* size;
        double oversize, uClean, dpHot, dpCold; // %, W/m2K, kPa, kPa
    } cases[] = {
        {&d1, "PG40-40", 25.4, 4394, 1.87, 10.52},    {&d1, "PG40-2-80", 155.8, 4368, 3.73, 20.10},
        {&d1, "M 20.3000-4", 89.2, 2141, 4.86, 7.21}, {&d1, "RUV D 50.1200", 42.3, 1387, 4.58, 0.16},
        {&d1, "E12-61", 14.7, 2294, 0.37, 1.64},      {&d3, "PH90-100", 77.6, 5113, 10.21, 23.32},
        {&d4, "PG40-60", 63.7, 2622, 6.81, 5.53},     {&d5, "TW 40.1200", 34.9, 2415, 8.93, 0.61},
        {&d7, "RUV 26.480", 7.6, 958, 2.08, 0.03},    {&d6, "GT 20.2000", 67.2, 2253, 0.18, 1.30},
    };
    // 1 % on oversize and U, 2 % on the pressure drops, never finer than the reference's last digit.
    auto near = [](long double actual, double expected, double relative, double digit) {
        return std::fabs(static_cast<double>(actual) - expected) <=
               std::max(relative * std::fabs(expected), digit);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        const auto results = Calculate(folder(), fluids(), *c.duty, {c.size}).results;
        ASSERT_EQ(results.size(), 1u);
        const TResultTypeB& r = results[0];
        EXPECT_TRUE(near(r.Oversize, c.oversize, 0.01, 0.05)) << static_cast<double>(r.Oversize);
        EXPECT_TRUE(near(r.OHTCClean, c.uClean, 0.01, 0.5)) << static_cast<double>(r.OHTCClean);
        EXPECT_TRUE(near(r.PressDropHS, c.dpHot, 0.02, 0.005)) << static_cast<double>(r.PressDropHS);
        EXPECT_TRUE(near(r.PressDropCS, c.dpCold, 0.02, 0.005)) << static_cast<double>(r.PressDropCS);
    }
}

} // namespace
} // namespace velor
