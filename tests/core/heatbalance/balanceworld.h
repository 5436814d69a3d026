// A small program folder for the heat balance and Parameters page tests: two liquids, two
// condensing vapors, a few exchanger sizes with their working limits. Written through the core's
// fluid and catalogue writers.
#pragma once

#include "catalogue/catalogue.h"
#include "fluids/fluidfiles.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velor::test {

// Water: cp 4.19 kJ/kgK everywhere, density 983.2 at 60 and 971.8 at 80 deg.C (100 kPa).
// Condensate: cp 4.2 kJ/kgK everywhere, density 965.3 at 90 and 958.4 at 100 deg.C.
// "Saturated steam" condenses to Condensate, r = 2257 kJ/kg at 100 deg.C (101.325 kPa).
// "Light vapor" condenses to Condensate too, r = 1000 kJ/kg at every temperature.
inline void writeBalanceFluids(const std::filesystem::path& fluidsFolder)
{
    std::filesystem::create_directories(fluidsFolder);
    FluidFiles f(fluidsFolder);
    (void)f.AppendLiquid(TLiquidRec{1, "Water", false, 0}, kLiquidsDat);
    (void)f.AppendLiquid(TLiquidRec{2, "Condensate", false, 0}, kLiquidsDat);
    TTablePropL props;
    const long double waterT[] = {20, 40, 60, 70, 80, 100, 120};
    const long double waterRho[] = {998.2, 992.2, 983.2, 977.8, 971.8, 958.4, 943.1};
    for (int i = 0; i < 7; ++i)
        props.push_back(TLiquidPropRec{1, waterT[i], 100, waterRho[i], 4.19L, 0.6L, 0.0005L});
    const long double condT[] = {80, 90, 95, 100, 110, 150};
    const long double condRho[] = {971.8, 965.3, 961.9, 958.4, 951.0, 917.0};
    for (int i = 0; i < 6; ++i)
        props.push_back(TLiquidPropRec{2, condT[i], 100, condRho[i], 4.2L, 0.68L, 0.0003L});
    (void)f.AppendLiquidRecords(props, kPropLiquidsDat);

    (void)f.AppendVapor(TVaporRec{1, 2, "Saturated steam", 18.015L, 374.15L, 22120}, kVaporsDat);
    (void)f.AppendVapor(TVaporRec{2, 2, "Light vapor", 30, 200, 5000}, kVaporsDat);
    TTablePropV vprops{
        {1, 80, 47.39L, 2308, 1.95L, 0.022L, 0.000011L},    {1, 90, 70.14L, 2283, 1.98L, 0.023L, 0.000012L},
        {1, 100, 101.325L, 2257, 2.03L, 0.025L, 0.000012L}, {1, 120, 198.5L, 2202, 2.1L, 0.026L, 0.000013L},
        {1, 150, 476.2L, 2114, 2.3L, 0.029L, 0.000014L},    {2, 80, 60, 1000, 1.5L, 0.02L, 0.00001L},
        {2, 100, 150, 1000, 1.5L, 0.02L, 0.00001L},         {2, 150, 400, 1000, 1.5L, 0.02L, 0.00001L},
    };
    (void)f.AppendVaporRecords(vprops, kPropVaporsDat);
}

// Sizes "T 10" (type T), "TW 10" (type TW) and "ND 10" (type ND), each admitting hot inlets up to
// 130 deg.C and 16 bar on both sides.
inline void writeBalanceCatalogue(const ProgramFolder& folder)
{
    std::filesystem::create_directories(folder.heatExch());
    auto size = [](const char* name) {
        TSizeRecord r;
        r.Id = 1;
        r.Name = name;
        return r;
    };
    (void)writeTypeFile(folder, "T.dat", {size("T 10")});
    (void)writeTypeFile(folder, "TW.dat", {size("TW 10")});
    (void)writeTypeFile(folder, "ND.dat", {size("ND 10")});
    TParamRecList limits;
    for (const char* name : {"T 10", "TW 10", "ND 10"})
        limits.push_back(TParamRec{name, 130, 130, -20, -20, 16, 16});
    (void)writeWorkingLimits(folder, limits);
}

} // namespace velor::test
