// Speed of the calculation run over the whole shipped catalogue: the default liquid duty and a
// steam condenser duty, with the run's in-memory reads and with a file scan for every lookup.
#include "catalogue/catalogue.h"
#include "engine/run.h"
#include "fluids/properties.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace velor;

// A private copy of the shipped fluids and catalogue, so the working copies the run needs do not
// touch the program folder.
struct Catalogue
{
    fs::path root;
    ProgramFolder folder;
    std::optional<FluidFiles> fluids;
    std::vector<std::string> sizes; // every size of every type, in type and file order
    bool ok = false;

    Catalogue()
    {
        const fs::path shipped = VELOR_RUNTIME_DIR;
        if (!fs::exists(shipped / "HeatExch" / "M.dat") || !fs::exists(shipped / "Fluids" / "Liquids.dat"))
            return;
        root = fs::temp_directory_path() / "velor-engine-bench";
        fs::remove_all(root);
        fs::create_directories(root);
        for (const char* sub : {"Fluids", "HeatExch"})
            fs::copy(shipped / sub, root / sub, fs::copy_options::recursive);
        folder = ProgramFolder(root);
        fluids.emplace(folder.fluids());
        for (const auto& names : ReadTypeNames(folder))
            sizes.insert(sizes.end(), names.begin(), names.end());
        ok = !sizes.empty();
    }
    ~Catalogue()
    {
        if (!root.empty())
            fs::remove_all(root);
    }
};

Catalogue& catalogue()
{
    static Catalogue c;
    return c;
}

// The default duty of the settings store: water 120 -> 75 deg.C against water 70 -> 90 deg.C,
// 200 kW, 100 kPa, pressure drops up to 25 kPa; mass flows from each side's heat balance.
Duty defaultDuty(FluidFiles& f)
{
    Duty d;
    d.hotFluid = "Water";
    d.coldFluid = "Water";
    d.q = 200;
    d.tHotIn = 120;
    d.tHotOut = 75;
    d.pHotIn = 100;
    d.dpMaxHot = 25;
    d.tColdIn = 70;
    d.tColdOut = 90;
    d.pColdIn = 100;
    d.dpMaxCold = 25;
    PrepareWorkingCopies(f, d);
    auto cp = [&f](long double t, long double p) {
        return LiquidProperty(f, "Water", true, 0, false, kPropLiquidsTmp, kLiquidsTmp, t, p);
    };
    d.mHot = d.q / (cp((d.tHotIn + d.tHotOut) / 2, d.pHotIn) * (d.tHotIn - d.tHotOut));
    d.mCold = d.q / (cp((d.tColdIn + d.tColdOut) / 2, d.pColdIn) * (d.tColdOut - d.tColdIn));
    return d;
}

// Saturated steam at 150 deg.C condensing to 90 deg.C against water 70 -> 90 deg.C, 200 kW.
Duty condenserDuty(FluidFiles& f)
{
    Duty d = defaultDuty(f);
    d.hotSide = HotSideKind::Condensing;
    d.hotFluid = "Saturated steam";
    d.tHotIn = 150;
    d.tHotOut = 90;
    d.dpMaxHot = 0;
    PrepareWorkingCopies(f, d);
    d.pHotIn = Saturation(f, d.hotFluid, true, kPropVaporsTmp, kVaporsTmp, d.tHotIn);
    const long double r = VaporProperty(f, d.hotFluid, false, kPropVaporsTmp, kVaporsTmp, d.tHotIn);
    const std::int32_t condensate = f.ReadVapor(f.VaporKey(d.hotFluid, kVaporsTmp), kVaporsTmp).condensateKey;
    const long double cp = LiquidProperty(f, "", true, condensate, true, kPropLiquidsTmp, kLiquidsTmp,
                                          (d.tHotIn + d.tHotOut) / 2, d.pHotIn);
    d.mHot = d.q / (cp * (d.tHotIn - d.tHotOut) + r);
    const auto rho = VaporDensity(f, f.VaporKey(d.hotFluid, kVaporsTmp), kVaporsTmp, d.tHotIn, d.pHotIn);
    d.volumeFlowHotIn = rho ? d.mHot / *rho : 0;
    return d;
}

bool identical(const std::vector<TResultTypeB>& a, const std::vector<TResultTypeB>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].SizeName != b[i].SizeName || a[i].TypeFile != b[i].TypeFile || a[i].Tubular != b[i].Tubular)
            return false;
        for (const ResultRealField& f : kResultRealFields)
            if (a[i].*f.member != b[i].*f.member)
                return false;
    }
    return true;
}

// Arguments: 0 = liquid duty, 1 = condenser duty; 0 = in-memory reads, 1 = file scans.
void BM_RateCatalogue(benchmark::State& state)
{
    Catalogue& c = catalogue();
    if (!c.ok) {
        state.SkipWithError("the shipped catalogue and fluids are not built");
        return;
    }
    const bool condensing = state.range(0) == 1;
    const Duty duty = condensing ? condenserDuty(*c.fluids) : defaultDuty(*c.fluids);
    RunOptions options;
    options.fileScans = state.range(1) == 1;
    RunOptions scans;
    scans.fileScans = true;
    const auto reference = Calculate(c.folder, *c.fluids, duty, c.sizes, scans).results;
    if (!identical(Calculate(c.folder, *c.fluids, duty, c.sizes, options).results, reference)) {
        state.SkipWithError("results differ from the file-scan run");
        return;
    }
    TypeLists lists = DistributeSizes(c.sizes, ReadTypeNames(c.folder));
    ApplyDutyFilter(lists, duty.hotSide);
    std::size_t rated = 0;
    for (const auto& l : lists)
        rated += l.size();
    for (auto _ : state) {
        auto results = condensing ? RunCondensing(c.folder, *c.fluids, lists, duty, options)
                                  : RunLiquid(c.folder, *c.fluids, lists, duty, options);
        benchmark::DoNotOptimize(results.data());
    }
    state.counters["sizes"] = static_cast<double>(rated);
    state.counters["fitting"] = static_cast<double>(reference.size());
    state.counters["per_size"] =
        benchmark::Counter(static_cast<double>(rated),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RateCatalogue)
    ->ArgNames({"condenser", "file_scans"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
