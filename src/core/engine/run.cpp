// The calculation run and the sorts of its result list.
#include "engine/run.h"

#include "catalogue/catalogue.h"
#include "engine/primitives.h"
#include "engine/rating.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <span>

namespace velor {

CheckMark CheckDuty(const Duty& d, bool selectionEmpty)
{
    const bool condensing = d.hotSide == HotSideKind::Condensing;
    // Written as "the condition that must hold", so a temperature that is not a number fails.
    const bool hotCools = condensing ? d.tHotIn >= d.tHotOut : d.tHotIn > d.tHotOut;
    const bool coldOutletOk = d.tColdOut > d.tColdIn && d.tColdOut < d.tHotIn;
    const bool coldInletOk = d.tColdIn < d.tColdOut && d.tColdIn < d.tHotOut;
    const bool hotOutletOk = hotCools && d.tHotOut > d.tColdIn;
    const bool hotInletOk = hotCools && d.tHotIn > d.tColdOut;
    if (!coldOutletOk)
        return CheckMark::ColdOutlet;
    if (!coldInletOk)
        return CheckMark::ColdInlet;
    if (!hotOutletOk)
        return CheckMark::HotOutlet;
    if (!hotInletOk)
        return CheckMark::HotInlet;
    if (selectionEmpty)
        return CheckMark::Selection;
    return CheckMark::None;
}

TypeLists ReadTypeNames(const ProgramFolder& folder)
{
    TypeLists names;
    const auto types = exchangerTypes();
    for (std::size_t i = 0; i < types.size(); ++i)
        names[i] = SizeNames(folder, types[i].file);
    return names;
}

TypeLists DistributeSizes(const std::vector<std::string>& selected, const TypeLists& typeNames)
{
    TypeLists lists;
    for (const std::string& name : selected) {
        for (std::size_t i = 0; i < typeNames.size(); ++i) {
            const auto& names = typeNames[i];
            if (std::find(names.begin(), names.end(), name) != names.end()) {
                lists[i].push_back(name);
                break;
            }
        }
    }
    return lists;
}

void ApplyDutyFilter(TypeLists& lists, HotSideKind hotSide)
{
    static constexpr std::string_view kNotForLiquids[] = {"GT"};
    static constexpr std::string_view kNotForCondensing[] = {
        "M",      "GV",   "E12",    "E57",  "PF10",   "PF10-2", "PF20",   "PF20-2", "PG25",
        "PG25-2", "PG40", "PG40-2", "PG55", "PG55-2", "PH90",   "PH90-2", "PH150",  "PH150-2"};
    auto clear = [&lists](std::span<const std::string_view> codes) {
        for (std::string_view code : codes)
            if (const auto index = exchangerTypeIndex(code))
                lists[static_cast<std::size_t>(*index)].clear();
    };
    if (hotSide == HotSideKind::Liquid)
        clear(kNotForLiquids);
    else
        clear(kNotForCondensing);
}

bool allEmpty(const TypeLists& lists)
{
    return std::all_of(lists.begin(), lists.end(), [](const auto& l) { return l.empty(); });
}

namespace {

// Size records of the run: one read per type file, or a fresh file scan per size.
class SizeReader
{
public:
    SizeReader(const ProgramFolder& folder, bool fileScans) : m_folder(folder), m_fileScans(fileScans) {}

    void startType(const ExchangerType& type)
    {
        m_type = &type;
        if (!m_fileScans)
            m_records = readSizeFile(typeFilePath(m_folder, type.file));
    }

    // The first record of the type file with this name, or the "not found" record.
    TSizeRecord read(std::string_view name) const
    {
        if (m_fileScans)
            return ReadSize(m_folder, m_type->file, name);
        for (const TSizeRecord& r : m_records)
            if (r.Name == name)
                return r;
        return TSizeRecord::notFound();
    }

private:
    const ProgramFolder& m_folder;
    bool m_fileScans;
    const ExchangerType* m_type = nullptr;
    std::vector<TSizeRecord> m_records;
};

std::unique_ptr<PropertySource> makeSource(const FluidFiles& fluids, const RunOptions& options)
{
    if (options.fileScans)
        return std::make_unique<FilePropertySource>(fluids);
    return std::make_unique<CachedPropertySource>(fluids);
}

// Walks the types in the fixed order and rates each listed size with `rate`, which returns the
// result record or nothing.
template<typename Rate>
std::vector<TResultTypeB> rateAll(const ProgramFolder& folder, const TypeLists& lists,
                                  const RunOptions& options, Rate rate)
{
    std::vector<TResultTypeB> results;
    SizeReader reader(folder, options.fileScans);
    const auto types = exchangerTypes();
    for (std::size_t i = 0; i < types.size(); ++i) {
        const auto& names = lists[i];
        if (names.empty())
            continue;
        reader.startType(types[i]);
        for (std::size_t k = 0; k < names.size(); ++k) {
            if (options.progress)
                options.progress({types[i].code, names[k], k + 1, names.size()});
            const TSizeRecord record = reader.read(names[k]);
            if (auto r = rate(record, std::string(types[i].file), names[k])) {
                r->Tubular = static_cast<std::uint8_t>(tubularFlag(types[i]));
                results.push_back(std::move(*r));
            }
        }
    }
    return results;
}

long double meanTemperature(long double tIn, long double tOut)
{
    return std::fabs(tIn + tOut) / 2.0L;
}

// Copies the duty and the wall options that a liquid and a condensing size input share.
template<typename Input>
void copyDuty(Input& in, const Duty& duty, const RunOptions& options)
{
    in.wallMaterial = std::string(options.wallMaterial);
    in.hotLocation = duty.hotLocation;
    in.q = duty.q;
    in.tHotIn = duty.tHotIn;
    in.tHotOut = duty.tHotOut;
    in.tColdIn = duty.tColdIn;
    in.tColdOut = duty.tColdOut;
    in.pHotIn = duty.pHotIn;
    in.pColdIn = duty.pColdIn;
    in.mHot = duty.mHot;
    in.mCold = duty.mCold;
    in.dpMinCold = duty.dpMinCold;
    in.dpMaxCold = duty.dpMaxCold;
    in.oversizeMin = duty.oversizeMin;
    in.rf = duty.fouling;
    in.lambdaWall = options.wallConductivity;
    in.nSeries = duty.nSeries;
    in.nParallel = duty.nParallel;
}

} // namespace

std::vector<TResultTypeB> RunLiquid(const ProgramFolder& folder, const FluidFiles& fluids,
                                    const TypeLists& lists, const Duty& duty, const RunOptions& options)
{
    LiquidSizeInput in;
    in.lmtd = Lmtd(duty.tHotIn, duty.tColdIn, duty.tHotOut, duty.tColdOut);
    in.hotKey = fluids.LiquidKey(duty.hotFluid, kLiquidsTmp);
    in.coldKey = fluids.LiquidKey(duty.coldFluid, kLiquidsTmp);
    if (in.hotKey <= 0 || in.coldKey <= 0)
        return {};

    auto props = makeSource(fluids, options);
    const auto hotIn = props->LiquidProps(in.hotKey, duty.pHotIn, duty.tHotIn);
    const auto hotOut = props->LiquidProps(in.hotKey, duty.pHotIn, duty.tHotOut);
    const auto hotMean =
        props->LiquidProps(in.hotKey, duty.pHotIn, meanTemperature(duty.tHotIn, duty.tHotOut));
    const auto coldIn = props->LiquidProps(in.coldKey, duty.pColdIn, duty.tColdIn);
    const auto coldOut = props->LiquidProps(in.coldKey, duty.pColdIn, duty.tColdOut);
    const auto coldMean =
        props->LiquidProps(in.coldKey, duty.pColdIn, meanTemperature(duty.tColdIn, duty.tColdOut));
    // A liquid without rows cannot be rated at all.
    if (!hotIn || !hotOut || !hotMean || !coldIn || !coldOut || !coldMean)
        return {};

    copyDuty(in, duty, options);
    in.dpMinHot = duty.dpMinHot;
    in.dpMaxHot = duty.dpMaxHot;
    in.hotMean = *hotMean;
    in.coldMean = *coldMean;
    in.hotIn = *hotIn;
    in.hotOut = *hotOut;
    in.coldIn = *coldIn;
    in.coldOut = *coldOut;

    return rateAll(folder, lists, options,
                   [&](const TSizeRecord& record, std::string typeFile, const std::string& name) {
                       in.typeFile = std::move(typeFile);
                       in.sizeName = name;
                       return RateLiquidSize(record, in, *props);
                   });
}

std::vector<TResultTypeB> RunCondensing(const ProgramFolder& folder, const FluidFiles& fluids,
                                        const TypeLists& lists, const Duty& duty, const RunOptions& options)
{
    CondensingSizeInput in;
    in.lmtd = LmtdCondensing(duty.tHotIn, duty.tColdIn, duty.tHotOut, duty.tColdOut);
    in.vaporKey = fluids.VaporKey(duty.hotFluid, kVaporsTmp);
    const std::int32_t condensateKey =
        in.vaporKey > 0 ? std::max<std::int32_t>(fluids.ReadVapor(in.vaporKey, kVaporsTmp).condensateKey, 0)
                        : 0;
    in.coldKey = fluids.LiquidKey(duty.coldFluid, kLiquidsTmp);
    if (in.vaporKey <= 0 || in.coldKey <= 0)
        return {};

    auto props = makeSource(fluids, options);
    const auto vapor = props->VaporProps(in.vaporKey, duty.tHotIn);
    // Without a condensate there is no outlet density: nothing can be rated.
    const auto condensate =
        condensateKey > 0 ? props->LiquidProps(condensateKey, duty.pHotIn, duty.tHotOut) : std::nullopt;
    const auto coldIn = props->LiquidProps(in.coldKey, duty.pColdIn, duty.tColdIn);
    const auto coldOut = props->LiquidProps(in.coldKey, duty.pColdIn, duty.tColdOut);
    const auto coldMean =
        props->LiquidProps(in.coldKey, duty.pColdIn, meanTemperature(duty.tColdIn, duty.tColdOut));
    const auto rhoVapor = VaporDensity(fluids, in.vaporKey, kVaporsTmp, duty.tHotIn, duty.pHotIn);
    // The vapor's film coefficient depends on the condensate temperature only through these factors.
    const auto steam = SteamFactors(fluids, duty.tHotOut);
    if (!vapor || !condensate || !coldIn || !coldOut || !coldMean || !rhoVapor || !steam)
        return {};

    copyDuty(in, duty, options);
    in.rhoVapor = *rhoVapor;
    in.vapor = *vapor;
    in.condensate = *condensate;
    in.coldIn = *coldIn;
    in.coldOut = *coldOut;
    in.coldMean = *coldMean;
    in.steam = *steam;

    return rateAll(folder, lists, options,
                   [&](const TSizeRecord& record, std::string typeFile, const std::string& name) {
                       in.typeFile = std::move(typeFile);
                       in.sizeName = name;
                       return RateCondensingSize(record, in, *props);
                   });
}

CalculationOutcome Calculate(const ProgramFolder& folder, const FluidFiles& fluids, const Duty& duty,
                             const std::vector<std::string>& selected, const RunOptions& options)
{
    CalculationOutcome outcome;
    TypeLists lists = DistributeSizes(selected, ReadTypeNames(folder));
    ApplyDutyFilter(lists, duty.hotSide);
    if (allEmpty(lists)) {
        outcome.noTypes = true;
        return outcome;
    }
    if (duty.hotSide == HotSideKind::Liquid) {
        outcome.results = RunLiquid(folder, fluids, lists, duty, options);
    } else {
        outcome.vaporConnection = ConnectionForFlow(folder, duty.volumeFlowHotIn);
        outcome.results = RunCondensing(folder, fluids, lists, duty, options);
    }
    return outcome;
}

std::vector<std::string> PrepareWorkingCopies(FluidFiles& files, const Duty& duty)
{
    std::vector<std::string> problems;
    auto check = [&problems](const Status& s) {
        if (!s)
            problems.push_back(s.error().message);
    };
    check(files.DeleteFluidFile(kLiquidsTmp));
    check(files.DeleteFluidFile(kPropLiquidsTmp));
    const bool condensing = duty.hotSide == HotSideKind::Condensing;
    if (!condensing) {
        if (files.LiquidKey(duty.hotFluid, kLiquidsDat) <= 0)
            problems.push_back("hot liquid '" + duty.hotFluid + "' is not in the fluid database");
        check(files.CopyLiquidToWork(duty.hotFluid));
    }
    if (condensing || duty.coldFluid != duty.hotFluid) {
        if (files.LiquidKey(duty.coldFluid, kLiquidsDat) <= 0)
            problems.push_back("cold liquid '" + duty.coldFluid + "' is not in the fluid database");
        check(files.CopyLiquidToWork(duty.coldFluid));
    }
    if (!condensing)
        return problems;
    check(files.DeleteFluidFile(kVaporsTmp));
    check(files.DeleteFluidFile(kPropVaporsTmp));
    if (files.VaporKey(duty.hotFluid, kVaporsDat) <= 0) {
        problems.push_back("vapor '" + duty.hotFluid + "' is not in the fluid database");
        return problems;
    }
    check(files.CopyVaporToWork(duty.hotFluid));
    const TVaporRec vapor = files.ReadVapor(files.VaporKey(duty.hotFluid, kVaporsTmp), kVaporsTmp);
    const TLiquidRec condensate =
        vapor.condensateKey > 0 ? files.ReadLiquid(vapor.condensateKey, kLiquidsDat) : TLiquidRec{};
    if (condensate.key > 0)
        check(files.CopyLiquidToWork(condensate.name));
    else
        problems.push_back("vapor '" + duty.hotFluid + "' has no condensate liquid");
    return problems;
}

std::vector<std::size_t> SortResults(const std::vector<TResultTypeB>& results, std::size_t count, SortKey key,
                                     bool ascending)
{
    count = std::min(count, results.size());
    long double TResultTypeB::*member = &TResultTypeB::Oversize;
    switch (key) {
    case SortKey::Oversize:
        member = &TResultTypeB::Oversize;
        break;
    case SortKey::Area:
        member = &TResultTypeB::Area;
        break;
    case SortKey::Clean:
        member = &TResultTypeB::OHTCClean;
        break;
    case SortKey::Fouled:
        member = &TResultTypeB::OHTCFouled;
        break;
    }
    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = i;
    // Exchange sort over the shrinking unsorted part; only strictly misordered neighbours swap.
    for (std::size_t end = count; end > 1; --end) {
        for (std::size_t i = 0; i + 1 < end; ++i) {
            const long double a = results[order[i]].*member;
            const long double b = results[order[i + 1]].*member;
            if (ascending ? a > b : a < b)
                std::swap(order[i], order[i + 1]);
        }
    }
    return order;
}

std::size_t lineToSelect(const std::vector<std::string>& lines, std::string_view remembered)
{
    for (std::size_t i = lines.size(); i > 0; --i)
        if (lines[i - 1] == remembered)
            return i - 1;
    return 0;
}

TResultTypeB UnratedDisplay(std::string_view sizeName, long double fouling, const TypeLists& typeNames)
{
    TResultTypeB r;
    r.SizeName = std::string(sizeName);
    r.FoulingFactor = fouling;
    r.Tubular = 1;
    const auto types = exchangerTypes();
    for (std::size_t i = 0; i < typeNames.size(); ++i) {
        const auto& names = typeNames[i];
        if (std::find(names.begin(), names.end(), sizeName) != names.end()) {
            r.TypeFile = std::string(types[i].file);
            break;
        }
    }
    return r;
}

} // namespace velor
