// Rating of one catalogue size against a liquid-to-liquid or a condensing duty.
#pragma once

#include "catalogue/sizerecord.h"
#include "catalogue/sizeselection.h"
#include "engine/primitives.h"
#include "engine/properties.h"
#include "engine/result.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velor {

/// A liquid-to-liquid duty as one size is rated against it; property rows evaluated once per run.
struct LiquidSizeInput
{
    std::string typeFile;                           // e.g. "M.dat"
    std::string sizeName;                           // size name
    std::string wallMaterial;                       // carried along, not used
    FlowLocation hotLocation = FlowLocation::Tubes; // the cold fluid flows on the other side
    long double q = 0;                              // kW, heat load
    long double tHotIn = 0;                         // deg.C
    long double tColdIn = 0;                        // deg.C
    long double tHotOut = 0;                        // deg.C
    long double tColdOut = 0;                       // deg.C
    long double pHotIn = 0;                         // kPa
    long double pColdIn = 0;                        // kPa
    long double lmtd = 0;                           // K, Lmtd of the run
    long double mHot = 0;                           // kg/s, total
    long double mCold = 0;                          // kg/s, total
    long double dpMinHot = 0;                       // kPa
    long double dpMinCold = 0;                      // kPa
    long double dpMaxHot = 0;                       // kPa
    long double dpMaxCold = 0;                      // kPa
    long double oversizeMin = 0;                    // percent
    long double rf = 0;                             // m2K/kW, fouling factor
    long double lambdaWall = 0;                     // W/mK
    TLiquidRow hotMean;                             // hot fluid at |tHotIn + tHotOut| / 2 and pHotIn
    TLiquidRow coldMean;                            // cold fluid at |tColdIn + tColdOut| / 2 and pColdIn
    TLiquidRow hotIn;                               // hot fluid at tHotIn
    TLiquidRow hotOut;                              // hot fluid at tHotOut
    TLiquidRow coldIn;                              // cold fluid at tColdIn
    TLiquidRow coldOut;                             // cold fluid at tColdOut
    long double nSeries = 1;                        // units in series
    long double nParallel = 1;                      // units in parallel
    std::int32_t hotKey = 0;                        // liquid keys for the wall-temperature rows
    std::int32_t coldKey = 0;
};

/// A condensing duty as one size is rated against it; property rows evaluated once per run.
struct CondensingSizeInput
{
    std::string typeFile;
    std::string sizeName;
    std::string wallMaterial; // carried along, not used
    FlowLocation hotLocation =
        FlowLocation::Tubes;     // where the vapor flows; the cold liquid on the other side
    long double q = 0;           // kW
    long double tHotIn = 0;      // deg.C, vapor inlet
    long double tHotOut = 0;     // deg.C, condensate outlet
    long double tColdIn = 0;     // deg.C
    long double tColdOut = 0;    // deg.C
    long double pHotIn = 0;      // kPa, vapor inlet
    long double pColdIn = 0;     // kPa
    long double lmtd = 0;        // K, LmtdCondensing of the run
    long double mHot = 0;        // kg/s, vapor, total
    long double mCold = 0;       // kg/s, total
    long double dpMinHot = 0;    // kPa, not used
    long double dpMaxHot = 0;    // kPa, not used
    long double dpMinCold = 0;   // kPa
    long double dpMaxCold = 0;   // kPa
    long double oversizeMin = 0; // percent
    long double rf = 0;          // m2K/kW
    long double lambdaWall = 0;  // W/mK
    long double rhoVapor = 0;    // kg/m3, vapor density at (tHotIn, pHotIn)
    TVaporRow vapor;             // vapor at tHotIn
    TLiquidRow condensate;       // condensate at (tHotOut, pHotIn); only its density is used
    TLiquidRow coldIn;           // cold fluid at tColdIn
    TLiquidRow coldOut;          // cold fluid at tColdOut
    TLiquidRow coldMean;         // cold fluid at |tColdIn + tColdOut| / 2
    TSteamFactorRow steam;       // steam factors at tHotOut
    long double nSeries = 1;
    long double nParallel = 1;
    std::int32_t vaporKey = 0;
    std::int32_t coldKey = 0;
};

/// Rates a size with the values of its catalogue record against a liquid duty. Empty when the
/// size does not qualify or cannot be rated. `props` gives the rows at the wall temperatures.
std::optional<TResultTypeB> RateLiquidSize(const TSizeRecord& record, const LiquidSizeInput& in,
                                           PropertySource& props);

/// Rates a size against a condensing duty; empty when it does not qualify or cannot be rated.
std::optional<TResultTypeB> RateCondensingSize(const TSizeRecord& record, const CondensingSizeInput& in,
                                               PropertySource& props);

} // namespace velor
