// Speed of the property evaluation the rating engine calls several times per rated size: a
// one-row LiquidTable and a VaporRow on working copies of the delivered fluid database.
#include "fluids/fluidfiles.h"
#include "fluids/properties.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// Working copies of Water and Saturated steam, built as the program builds them, in a
// temporary folder that holds copies of the delivered masters.
class WorkingCopies
{
public:
    WorkingCopies()
    {
        const std::filesystem::path masters = std::filesystem::path(VELOR_RUNTIME_DIR) / "Fluids";
        m_dir = std::filesystem::temp_directory_path() / ("velor-fluids-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        for (const char* name :
             {"Liquids.dat", "PropLiquids.dat", "Vapors.dat", "PropVapors.dat", "SteamF.dat"})
            if (std::filesystem::exists(masters / name))
                std::filesystem::copy_file(masters / name, m_dir / name,
                                           std::filesystem::copy_options::overwrite_existing);
        velor::FluidFiles f(m_dir);
        ok = f.CopyLiquidToWork("Water") && f.CopyVaporToWork("Saturated steam");
        waterKey = f.LiquidKey("Water", velor::kLiquidsTmp);
        steamKey = f.VaporKey("Saturated steam", velor::kVaporsTmp);
        ok = ok && waterKey > 0 && steamKey > 0;
    }
    ~WorkingCopies() { std::filesystem::remove_all(m_dir); }
    velor::FluidFiles files() const { return velor::FluidFiles(m_dir); }

    bool ok = false;
    std::int32_t waterKey = 0;
    std::int32_t steamKey = 0;

private:
    std::filesystem::path m_dir;
};

const WorkingCopies& copies()
{
    static const WorkingCopies c;
    return c;
}

void BM_LiquidTableOneRow(benchmark::State& state)
{
    const auto& c = copies();
    if (!c.ok) {
        state.SkipWithError("the delivered fluid database is not built (target velor_data_fluids)");
        return;
    }
    const velor::FluidFiles f = c.files();
    long double t = 60;
    for (auto _ : state) {
        // Between the 100 and 1000 kPa isobars, as for a typical duty.
        benchmark::DoNotOptimize(velor::LiquidTable(f, c.waterKey, velor::kPropLiquidsTmp, t, t, 1, 550));
        t = t < 200 ? t + 0.7L : 10;
    }
}
BENCHMARK(BM_LiquidTableOneRow);

void BM_VaporRow(benchmark::State& state)
{
    const auto& c = copies();
    if (!c.ok) {
        state.SkipWithError("the delivered fluid database is not built (target velor_data_fluids)");
        return;
    }
    const velor::FluidFiles f = c.files();
    long double t = 60;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velor::VaporRow(f, c.steamKey, velor::kPropVaporsTmp, t));
        t = t < 200 ? t + 0.7L : 10;
    }
}
BENCHMARK(BM_VaporRow);

} // namespace
