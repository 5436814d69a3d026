// The calculation run: the pre-calculation temperature check, the distribution of the selected
// sizes over the exchanger types, the liquid and condensing runs, and the sorts of the result list.
#pragma once

#include "base/programfolder.h"
#include "catalogue/exchangertypes.h"
#include "catalogue/sizeselection.h"
#include "engine/properties.h"
#include "engine/result.h"
#include "fluids/fluidfiles.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velor {

/// Wall material and wall conductivity (W/mK) the run rates every size with.
inline constexpr std::string_view kWallMaterial = "316L";
inline constexpr long double kWallConductivity = 14.65L;

/// The duty as the run reads it from the Parameters page, in base units.
struct Duty
{
    HotSideKind hotSide = HotSideKind::Liquid;
    std::string hotFluid;                           // hot liquid, or the condensing vapor
    std::string coldFluid;                          // cold liquid
    long double q = 0;                              // kW, heat load
    long double tHotIn = 0;                         // deg.C, hot inlet (vapor inlet)
    long double tHotOut = 0;                        // deg.C, hot outlet (condensate outlet)
    long double pHotIn = 0;                         // kPa, hot (vapor) inlet pressure
    long double mHot = 0;                           // kg/s, hot (vapor) mass flow
    long double dpMinHot = 0;                       // kPa; not used for a condensing hot side
    long double dpMaxHot = 0;                       // kPa; not used for a condensing hot side
    long double volumeFlowHotIn = 0;                // m3/s, vapor inlet volume flow (connection designation)
    long double tColdIn = 0;                        // deg.C
    long double tColdOut = 0;                       // deg.C
    long double pColdIn = 0;                        // kPa
    long double mCold = 0;                          // kg/s
    long double dpMinCold = 0;                      // kPa
    long double dpMaxCold = 0;                      // kPa
    long double fouling = 0;                        // m2K/kW
    long double oversizeMin = 0;                    // percent
    long double nSeries = 1;                        // units in series
    long double nParallel = 1;                      // units in parallel
    FlowLocation hotLocation = FlowLocation::Tubes; // the cold side flows on the other side
};

/// The group the pre-calculation check marks red when the run is refused.
enum class CheckMark
{
    None,       // the run may start
    ColdOutlet, // cold outlet temperature
    ColdInlet,  // cold inlet temperature
    HotOutlet,  // hot (condensate) outlet temperature
    HotInlet,   // hot (vapor) inlet temperature
    Selection,  // no size selected: the type tree
};

/// The temperature and selection check of the Calculate command. The hot side must cool, the
/// cold side warm, and each end keep the hot fluid above the cold one; a condensing hot side may
/// keep its temperature. Returns the first wrong group in the order cold outlet, cold inlet, hot
/// outlet, hot inlet, selection.
CheckMark CheckDuty(const Duty& duty, bool selectionEmpty);

/// One list of size names per exchanger type, in the fixed type order.
using TypeLists = std::array<std::vector<std::string>, kExchangerTypeCount>;

/// The size names of every type file under the folder's "HeatExch" (empty for a missing file).
TypeLists ReadTypeNames(const ProgramFolder& folder);

/// Appends each selected name, in list order, to the list of the first type (fixed order) whose
/// names contain it; names found in no type are dropped.
TypeLists DistributeSizes(const std::vector<std::string>& selected, const TypeLists& typeNames);

/// Empties the lists of the types not rated for the duty: GT for a liquid hot side; M, GV, E12,
/// E57 and every brazed plate type except PF30 and PF30-2 for a condensing hot side.
void ApplyDutyFilter(TypeLists& lists, HotSideKind hotSide);

/// True when every list is empty.
bool allEmpty(const TypeLists& lists);

/// Where a run stands: the size about to be rated and its step within its type (from 1).
struct RunProgress
{
    std::string_view typeCode;
    std::string_view sizeName;
    std::size_t step = 0;
    std::size_t stepsOfType = 0;
};
using ProgressCallback = std::function<void(const RunProgress&)>;

/// How a run reads the catalogue and the property rows. By default each type file is read once
/// and the fluids' records are held in memory; `fileScans` reads a type file for every size and
/// evaluates every property row from the files. Both give identical results.
struct RunOptions
{
    bool fileScans = false;
    ProgressCallback progress;
    std::string_view wallMaterial = kWallMaterial;
    long double wallConductivity = kWallConductivity; // W/mK
};

/// Rates the sizes of a liquid duty, type by type in the fixed order. Fluids are looked up by
/// name in the working copies; empty when either is missing or no size qualifies.
std::vector<TResultTypeB> RunLiquid(const ProgramFolder& folder, const FluidFiles& fluids,
                                    const TypeLists& lists, const Duty& duty, const RunOptions& options = {});

/// Rates the sizes of a condensing duty. Empty when the vapor, its condensate rows, the cold
/// liquid, the steam factors or the vapor density are missing, or no size qualifies.
std::vector<TResultTypeB> RunCondensing(const ProgramFolder& folder, const FluidFiles& fluids,
                                        const TypeLists& lists, const Duty& duty,
                                        const RunOptions& options = {});

/// The outcome of a calculation.
struct CalculationOutcome
{
    std::vector<TResultTypeB> results; // rating order
    std::string vaporConnection;       // connection designation of a condensing duty
    bool noTypes = false;              // no selected size belongs to a type rated for the duty
};

/// Distributes and filters the selected sizes and runs the liquid or condensing rating. A
/// condensing run first designates the vapor connection from the vapor inlet volume flow.
CalculationOutcome Calculate(const ProgramFolder& folder, const FluidFiles& fluids, const Duty& duty,
                             const std::vector<std::string>& selected, const RunOptions& options = {});

/// Rebuilds the fluid working copies for the duty's fluids as choosing them on the Parameters
/// page does: the liquid working files with the hot liquid (liquid hot side) and the cold liquid;
/// for a condensing hot side then the vapor working files with the vapor, and its condensate
/// added to the liquid working files. Returns what is missing or failed, in plain words.
std::vector<std::string> PrepareWorkingCopies(FluidFiles& files, const Duty& duty);

/// The value sorts of the result list.
enum class SortKey
{
    Oversize,
    Area,
    Clean,  // OHTCClean
    Fouled, // OHTCFouled
};

/// The order (indices into `results`) of its first `count` records sorted by `key` with a stable
/// exchange sort: neighbours swap only when strictly out of order, so ties keep rating order.
std::vector<std::size_t> SortResults(const std::vector<TResultTypeB>& results, std::size_t count, SortKey key,
                                     bool ascending);

/// The line to select after the list was refilled: the last line whose text equals
/// `remembered`, or line 0 when none does.
std::size_t lineToSelect(const std::vector<std::string>& lines, std::string_view remembered);

/// The one-record result list shown for a size double-clicked in the selected list, without
/// rating: all values 0, the fouling factor input (m2K/kW), `Tubular` 1 and the type file of the
/// first type (fixed order) whose names contain the size.
TResultTypeB UnratedDisplay(std::string_view sizeName, long double fouling, const TypeLists& typeNames);

} // namespace velor
