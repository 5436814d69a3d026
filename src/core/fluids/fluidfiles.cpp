// Reads, writes and safe rewrites of the fluid database files.
#include "fluids/fluidfiles.h"

#include "base/numtext.h"
#include "base/recordfile.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#endif

namespace velor {
namespace {

// Counts the writes to fluid files made in this process; remembered files read before the last
// write are read again.
std::atomic<std::uint64_t> g_writeGeneration{1};

struct WriteMark
{
    WriteMark() { ++g_writeGeneration; }
    ~WriteMark() { ++g_writeGeneration; }
};

// What identifies a file's content without reading it; nullopt for a missing file.
std::optional<std::array<std::uint64_t, 4>> fileStamp(const std::filesystem::path& path)
{
#if defined(__unix__) || defined(__APPLE__)
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
#if defined(__APPLE__)
    const auto ns = [](const timespec& t) {
        return std::uint64_t(t.tv_sec) * 1000000000u + std::uint64_t(t.tv_nsec);
    };
    return std::array<std::uint64_t, 4>{std::uint64_t(st.st_size), ns(st.st_mtimespec),
                                        std::uint64_t(st.st_ino), ns(st.st_ctimespec)};
#else
    const auto ns = [](const timespec& t) {
        return std::uint64_t(t.tv_sec) * 1000000000u + std::uint64_t(t.tv_nsec);
    };
    return std::array<std::uint64_t, 4>{std::uint64_t(st.st_size), ns(st.st_mtim), std::uint64_t(st.st_ino),
                                        ns(st.st_ctim)};
#endif
#else
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    const auto size = std::filesystem::file_size(path, ec);
    const auto time = std::filesystem::last_write_time(path, ec);
    if (ec)
        return std::nullopt;
    return std::array<std::uint64_t, 4>{std::uint64_t(size), std::uint64_t(time.time_since_epoch().count()),
                                        0, 0};
#endif
}

// A file's whole records as raw bytes; a trailing partial record is cut off.
struct RawRecords
{
    Bytes data;
    std::size_t size = 0;  // bytes per record
    std::size_t count = 0; // whole records

    const std::uint8_t* at(std::size_t i) const { return data.data() + i * size; }
};

// The whole records of a file's bytes.
RawRecords wholeRecords(Bytes data, std::size_t recordSize)
{
    RawRecords raw;
    raw.size = recordSize;
    raw.count = recordCount(data, recordSize);
    data.resize(raw.count * recordSize);
    raw.data = std::move(data);
    return raw;
}

RawRecords readRaw(const std::filesystem::path& path, std::size_t recordSize)
{
    if (!path.empty())
        if (auto data = readWholeFile(path))
            return wholeRecords(std::move(*data), recordSize);
    return RawRecords{{}, recordSize, 0};
}

bool fileExists(const std::filesystem::path& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(path, ec);
}

Error noFolder()
{
    return Error{"the fluids folder is unknown"};
}

// Reads an existing file for a rewrite; an error when it exists but cannot be read.
Result<RawRecords> readForRewrite(const std::filesystem::path& path, std::size_t recordSize)
{
    auto data = readWholeFile(path);
    if (!data)
        return Error{"cannot read " + path.string()};
    return wholeRecords(std::move(*data), recordSize);
}

// Appends whole records. A file whose length is not a whole number of records (an interrupted
// earlier write) would shift every appended record out of alignment, so such a file is first
// cut back to its whole records, in one atomic replacement together with the new ones.
Status appendRecords(const std::filesystem::path& path, const Bytes& bytes, std::size_t recordSize)
{
    const WriteMark mark;
    if (path.empty())
        return noFolder();
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (exists) {
        const auto length = std::filesystem::file_size(path, ec);
        if (ec)
            return Error{"cannot read " + path.string() + ": " + ec.message()};
        if (length % recordSize != 0) {
            auto raw = readForRewrite(path, recordSize);
            if (!raw)
                return raw.error();
            Bytes all = std::move(raw->data);
            all.insert(all.end(), bytes.begin(), bytes.end());
            return replaceFile(path, all);
        }
    }
    return appendToFile(path, bytes);
}

// Writes the kept records of `path` followed by `added` to the scratch file and renames it over
// the target in one step: at every moment the target holds either its old or its new content.
template<typename Drop>
Status safeRewrite(const std::filesystem::path& path, std::string_view scratchName, std::size_t recordSize,
                   Drop drop, const Bytes& added)
{
    const WriteMark mark;
    auto raw = readForRewrite(path, recordSize);
    if (!raw)
        return raw.error();
    Bytes kept;
    kept.reserve(raw->data.size() + added.size());
    for (std::size_t i = 0; i < raw->count; ++i)
        if (!drop(raw->at(i)))
            kept.insert(kept.end(), raw->at(i), raw->at(i) + recordSize);
    kept.insert(kept.end(), added.begin(), added.end());
    return replaceFile(path, kept, path.parent_path() / std::filesystem::path(std::string(scratchName)));
}

// Overwrites record `index` of an existing file with `record` through an atomic replacement.
Status overwriteRecord(const std::filesystem::path& path, RawRecords raw, std::size_t index,
                       const Bytes& record)
{
    const WriteMark mark;
    std::copy(record.begin(), record.end(), raw.data.begin() + static_cast<std::ptrdiff_t>(index * raw.size));
    return replaceFile(path, raw.data);
}

bool positive(long double v)
{
    return v > 0;
}

// Lookups shared by the liquid and the vapor list.
template<typename Rec>
TTableS namesOf(const std::vector<Rec>& list)
{
    TTableS names;
    for (const auto& rec : list)
        names.push_back(rec.name);
    return names;
}

// The first record with `key`; the all-zero record when there is none.
template<typename Rec>
Rec firstWithKey(const std::vector<Rec>& list, std::int32_t key)
{
    for (const auto& rec : list)
        if (rec.key == key)
            return rec;
    return {};
}

// 1 + the largest key of the list; 1 for an empty list.
template<typename Rec>
std::int32_t nextKey(const std::vector<Rec>& list)
{
    std::int32_t largest = 0;
    for (const auto& rec : list)
        largest = std::max(largest, rec.key);
    return largest + 1;
}

} // namespace

FluidFiles::FluidFiles(std::filesystem::path fluidsFolder, CodePage codePage)
    : m_folder(std::move(fluidsFolder)), m_codePage(codePage)
{
}

std::filesystem::path FluidFiles::pathOf(std::string_view file) const
{
    if (m_folder.empty())
        return {};
    return m_folder / std::filesystem::path(std::string(file));
}

// ---- Whole files ----

template<typename Record, typename Decode>
std::shared_ptr<const std::vector<Record>> FluidFiles::cached(std::string_view file, std::size_t recordSize,
                                                              Decode decode) const
{
    static const auto empty = std::make_shared<const std::vector<Record>>();
    const auto path = pathOf(file);
    std::string key(file);
    key += '\n' + std::to_string(recordSize);
    const auto stamp = path.empty() ? std::nullopt : fileStamp(path);
    if (!stamp) {
        m_cache.erase(key);
        return empty;
    }
    const std::uint64_t generation = g_writeGeneration.load();
    if (const auto it = m_cache.find(key);
        it != m_cache.end() && it->second.stamp == *stamp && it->second.generation == generation)
        return std::static_pointer_cast<const std::vector<Record>>(it->second.records);
    auto records = std::make_shared<const std::vector<Record>>(readRecords<Record>(path, recordSize, decode));
    m_cache[key] = CacheEntry{*stamp, generation, records};
    return records;
}

std::shared_ptr<const std::vector<TLiquidRec>> FluidFiles::sharedLiquidList(std::string_view file) const
{
    return cached<TLiquidRec>(file, kLiquidRecSize,
                              [this](const std::uint8_t* at) { return decodeLiquidRec(at, m_codePage); });
}

std::shared_ptr<const std::vector<TVaporRec>> FluidFiles::sharedVaporList(std::string_view file) const
{
    return cached<TVaporRec>(file, kVaporRecSize,
                             [this](const std::uint8_t* at) { return decodeVaporRec(at, m_codePage); });
}

std::shared_ptr<const TTablePropL> FluidFiles::SharedLiquidPropFile(std::string_view file) const
{
    return cached<TLiquidPropRec>(file, kLiquidPropRecSize, decodeLiquidPropRec);
}

std::shared_ptr<const TTablePropV> FluidFiles::SharedVaporPropFile(std::string_view file) const
{
    return cached<TVaporPropRec>(file, kVaporPropRecSize, decodeVaporPropRec);
}

std::shared_ptr<const std::vector<TSteamFactorRec>>
FluidFiles::SharedSteamFactorFile(std::string_view file) const
{
    return cached<TSteamFactorRec>(file, kSteamFactorRecSize, decodeSteamFactorRec);
}

std::vector<TLiquidRec> FluidFiles::ReadLiquidList(std::string_view file) const
{
    return *sharedLiquidList(file);
}

std::vector<TVaporRec> FluidFiles::ReadVaporList(std::string_view file) const
{
    return *sharedVaporList(file);
}

TTablePropL FluidFiles::ReadLiquidPropFile(std::string_view file) const
{
    return *SharedLiquidPropFile(file);
}

TTablePropV FluidFiles::ReadVaporPropFile(std::string_view file) const
{
    return *SharedVaporPropFile(file);
}

std::vector<TSteamFactorRec> FluidFiles::ReadSteamFactorFile(std::string_view file) const
{
    return *SharedSteamFactorFile(file);
}

// ---- Liquid list ----

TTableS FluidFiles::LiquidNames(std::string_view file) const
{
    return namesOf(*sharedLiquidList(file));
}

std::optional<std::int32_t> FluidFiles::FindLiquid(std::string_view name, std::string_view file) const
{
    for (const auto& rec : *sharedLiquidList(file))
        if (rec.name == name)
            return rec.key;
    return std::nullopt;
}

std::int32_t FluidFiles::LiquidKey(std::string_view name, std::string_view file) const
{
    return FindLiquid(name, file).value_or(0);
}

TLiquidRec FluidFiles::ReadLiquid(std::int32_t key, std::string_view file) const
{
    return firstWithKey(*sharedLiquidList(file), key);
}

TLiquidRec FluidFiles::ReadPlainLiquid(std::string_view name, std::string_view file) const
{
    for (const auto& rec : *sharedLiquidList(file))
        if (rec.name == name)
            return rec.waterSolution ? TLiquidRec{} : rec;
    return {};
}

std::int32_t FluidFiles::NewLiquidKey(std::string_view file) const
{
    return nextKey(*sharedLiquidList(file));
}

Status FluidFiles::WriteLiquid(const TLiquidRec& rec, bool replace, std::string_view file)
{
    const auto path = pathOf(file);
    const Bytes bytes = encodeLiquidRecs({rec}, m_codePage);
    if (!fileExists(path) || !replace)
        return appendRecords(path, bytes, kLiquidRecSize);
    auto raw = readForRewrite(path, kLiquidRecSize);
    if (!raw)
        return raw.error();
    for (std::size_t i = 0; i < raw->count; ++i)
        if (getInt32(raw->at(i)) == rec.key)
            return overwriteRecord(path, std::move(*raw), i, bytes);
    return Status::success();
}

Status FluidFiles::AppendLiquid(const TLiquidRec& rec, std::string_view file)
{
    return appendRecords(pathOf(file), encodeLiquidRecs({rec}, m_codePage), kLiquidRecSize);
}

Status FluidFiles::DeleteLiquid(std::int32_t key, std::string_view file)
{
    const auto path = pathOf(file);
    if (!fileExists(path))
        return Status::success();
    return safeRewrite(path, kOldLiquidsDat, kLiquidRecSize,
                       [key](const std::uint8_t* r) { return getInt32(r) == key; }, {});
}

// ---- Vapor list ----

TTableS FluidFiles::VaporNames(std::string_view file) const
{
    return namesOf(*sharedVaporList(file));
}

std::optional<FoundVapor> FluidFiles::FindVapor(std::string_view name, std::string_view file) const
{
    for (const auto& rec : *sharedVaporList(file))
        if (rec.name == name)
            return FoundVapor{rec.key, rec.condensateKey};
    return std::nullopt;
}

std::int32_t FluidFiles::VaporKey(std::string_view name, std::string_view file) const
{
    const auto found = FindVapor(name, file);
    return found ? found->key : 0;
}

TVaporRec FluidFiles::ReadVapor(std::int32_t key, std::string_view file) const
{
    return firstWithKey(*sharedVaporList(file), key);
}

TVaporRec FluidFiles::ReadVaporByCondensate(std::int32_t liquidKey, std::string_view file) const
{
    for (const auto& rec : *sharedVaporList(file))
        if (rec.condensateKey == liquidKey)
            return rec;
    return {};
}

std::int32_t FluidFiles::NewVaporKey(std::string_view file) const
{
    return nextKey(*sharedVaporList(file));
}

Status FluidFiles::WriteVapor(const TVaporRec& rec, bool replace, std::string_view file)
{
    const auto path = pathOf(file);
    if (!fileExists(path) || !replace) {
        // A vapor gets its condensate only through SetVaporLink.
        TVaporRec appended = rec;
        appended.condensateKey = 0;
        Status s = appendRecords(path, encodeVaporRecs({appended}, m_codePage), kVaporRecSize);
        if (s)
            m_currentVapor.key = rec.key;
        return s;
    }
    auto raw = readForRewrite(path, kVaporRecSize);
    if (!raw)
        return raw.error();
    for (std::size_t i = 0; i < raw->count; ++i)
        if (getInt32(raw->at(i)) == rec.key) {
            Status s = overwriteRecord(path, std::move(*raw), i, encodeVaporRecs({rec}, m_codePage));
            if (s)
                m_currentVapor.key = rec.key;
            return s;
        }
    return Status::success();
}

Status FluidFiles::AppendVapor(const TVaporRec& rec, std::string_view file)
{
    return appendRecords(pathOf(file), encodeVaporRecs({rec}, m_codePage), kVaporRecSize);
}

Status FluidFiles::SetVaporLink(std::int32_t key, std::int32_t liquidKey, std::string_view file)
{
    const auto path = pathOf(file);
    if (!fileExists(path))
        return Status::success();
    auto raw = readForRewrite(path, kVaporRecSize);
    if (!raw)
        return raw.error();
    for (std::size_t i = 0; i < raw->count; ++i)
        if (getInt32(raw->at(i)) == key) {
            Bytes record(raw->at(i), raw->at(i) + kVaporRecSize);
            putInt32(record.data() + 4, liquidKey);
            Status s = overwriteRecord(path, std::move(*raw), i, record);
            if (s)
                m_currentVapor.condensateKey = liquidKey;
            return s;
        }
    return Status::success();
}

// ---- Liquid property file ----

TTableF FluidFiles::LiquidPressures(std::int32_t key, std::string_view file) const
{
    TTableF out;
    for (const auto& r : *SharedLiquidPropFile(file))
        if (r.key == key)
            out.push_back(r.pressure);
    return out;
}

bool FluidFiles::HasLiquidPressure(std::int32_t key, long double p, std::string_view file) const
{
    const auto recs = SharedLiquidPropFile(file);
    return std::any_of(recs->begin(), recs->end(),
                       [&](const TLiquidPropRec& r) { return r.key == key && r.pressure == p; });
}

TTableProp FluidFiles::LiquidPoints(std::int32_t key, std::string_view file) const
{
    TTableProp out;
    for (const auto& r : *SharedLiquidPropFile(file))
        if (r.key == key)
            out.push_back({r.temperature, r.pressure});
    return out;
}

TTableF FluidFiles::LiquidTemperatures(std::int32_t key, std::string_view file) const
{
    TTableF out;
    for (const auto& r : *SharedLiquidPropFile(file))
        if (r.key == key)
            out.push_back(r.temperature);
    return out;
}

TTableF FluidFiles::LiquidTemperaturesAt(std::int32_t key, long double p, std::string_view file) const
{
    TTableF out;
    for (const auto& r : *SharedLiquidPropFile(file))
        if (r.key == key && r.pressure == p)
            out.push_back(r.temperature);
    return out;
}

TTableAllPropL FluidFiles::LiquidRowsAt(std::int32_t key, long double p, std::string_view file) const
{
    const std::string wanted = formatGeneral(p, 15);
    TTableAllPropL out;
    for (const auto& r : *SharedLiquidPropFile(file))
        if (r.key == key && formatGeneral(r.pressure, 15) == wanted)
            out.push_back({r.temperature, r.density, r.heatCapacity, r.conductivity, r.viscosity});
    return out;
}

TTablePropL FluidFiles::LiquidRecords(std::int32_t key, std::string_view file) const
{
    TTablePropL out;
    for (const auto& r : *SharedLiquidPropFile(file))
        if (r.key == key)
            out.push_back(r);
    return out;
}

TTableF FluidFiles::LiquidValuesAt(std::int32_t key, long double t, long double p,
                                   std::string_view file) const
{
    for (const auto& r : *SharedLiquidPropFile(file))
        if (r.key == key && r.temperature == t && r.pressure == p)
            return {r.density, r.heatCapacity, r.conductivity, r.viscosity};
    return {};
}

long double FluidFiles::LiquidValueAt(std::int32_t key, bool heatCapacity, long double t, long double p,
                                      std::string_view file) const
{
    const auto values = LiquidValuesAt(key, t, p, file);
    if (values.empty())
        return 0;
    return heatCapacity ? values[1] : values[0];
}

Status FluidFiles::WriteLiquidRows(std::int32_t key, const TTableAllPropL& rows, long double p, bool replace,
                                   std::string_view file)
{
    TTablePropL recs;
    if (positive(p))
        for (const auto& row : rows)
            if (positive(row.density) && positive(row.heatCapacity) && positive(row.conductivity) &&
                positive(row.viscosity))
                recs.push_back({key, row.temperature, p, row.density, row.heatCapacity, row.conductivity,
                                row.viscosity});
    const auto path = pathOf(file);
    const Bytes added = encodeLiquidPropRecs(recs);
    if (!fileExists(path) || !replace)
        return appendRecords(path, added, kLiquidPropRecSize);
    return safeRewrite(
        path, kOldPropLiquidsDat, kLiquidPropRecSize,
        [key, p](const std::uint8_t* r) { return getInt32(r) == key && getExtended(r + 14) == p; }, added);
}

Status FluidFiles::AppendLiquidRecords(const TTablePropL& records, std::string_view file)
{
    return appendRecords(pathOf(file), encodeLiquidPropRecs(records), kLiquidPropRecSize);
}

Status FluidFiles::DeleteLiquidRows(std::int32_t key, bool byPressure, long double p, std::string_view file)
{
    const auto path = pathOf(file);
    if (!fileExists(path))
        return Status::success();
    return safeRewrite(path, kOldPropLiquidsDat, kLiquidPropRecSize,
                       [key, byPressure, p](const std::uint8_t* r) {
                           return getInt32(r) == key && (!byPressure || getExtended(r + 14) == p);
                       },
                       {});
}

// ---- Vapor property file ----

TTableAllPropV FluidFiles::VaporRows(std::int32_t key, std::string_view file) const
{
    TTableAllPropV out;
    for (const auto& r : *SharedVaporPropFile(file))
        if (r.key == key)
            out.push_back(
                {r.temperature, r.pressure, r.latentHeat, r.heatCapacity, r.conductivity, r.viscosity});
    return out;
}

TTablePropV FluidFiles::VaporRecords(std::int32_t key, std::string_view file) const
{
    TTablePropV out;
    for (const auto& r : *SharedVaporPropFile(file))
        if (r.key == key)
            out.push_back(r);
    return out;
}

TTableF FluidFiles::VaporColumn(std::int32_t key, bool temperatures, std::string_view file) const
{
    TTableF out;
    for (const auto& r : *SharedVaporPropFile(file))
        if (r.key == key)
            out.push_back(temperatures ? r.temperature : r.pressure);
    return out;
}

TTableF FluidFiles::VaporValuesAt(std::int32_t key, long double t, std::string_view file) const
{
    for (const auto& r : *SharedVaporPropFile(file))
        if (r.key == key && r.temperature == t)
            return {r.latentHeat, r.heatCapacity, r.conductivity, r.viscosity, r.pressure};
    return {};
}

long double FluidFiles::VaporValueAt(std::int32_t key, bool heatCapacity, long double t,
                                     std::string_view file) const
{
    const auto values = VaporValuesAt(key, t, file);
    if (values.empty())
        return 0;
    return heatCapacity ? values[1] : values[0];
}

long double FluidFiles::SaturationValueAt(std::int32_t key, bool fromTemperature, long double x,
                                          std::string_view file) const
{
    for (const auto& r : *SharedVaporPropFile(file)) {
        if (r.key != key)
            continue;
        if (fromTemperature && r.temperature == x)
            return r.pressure;
        if (!fromTemperature && r.pressure == x)
            return r.temperature;
    }
    return 0;
}

Status FluidFiles::WriteVaporRows(const TTableAllPropV& rows, bool replace, std::string_view file)
{
    const std::int32_t key = m_currentVapor.key;
    // Rows of key 0 would belong to no vapor and could never be read back.
    if (key <= 0)
        return Error{"no vapor is chosen for the saturation rows"};
    TTablePropV recs;
    for (const auto& row : rows)
        if (positive(row.pressure) && positive(row.latentHeat) && positive(row.heatCapacity) &&
            positive(row.conductivity) && positive(row.viscosity))
            recs.push_back({key, row.temperature, row.pressure, row.latentHeat, row.heatCapacity,
                            row.conductivity, row.viscosity});
    const auto path = pathOf(file);
    const Bytes added = encodeVaporPropRecs(recs);
    if (!fileExists(path) || !replace)
        return appendRecords(path, added, kVaporPropRecSize);
    return safeRewrite(
        path, kOldPropVaporsDat, kVaporPropRecSize,
        [key](const std::uint8_t* r) { return getInt32(r) == key; }, added);
}

Status FluidFiles::AppendVaporRecords(const TTablePropV& records, std::string_view file)
{
    return appendRecords(pathOf(file), encodeVaporPropRecs(records), kVaporPropRecSize);
}

// ---- Steam factors ----

TTableF FluidFiles::SteamTemperatures() const
{
    TTableF out;
    for (const auto& r : *SharedSteamFactorFile())
        out.push_back(r.temperature);
    return out;
}

TTableF FluidFiles::SteamFactorsAt(long double t) const
{
    for (const auto& r : *SharedSteamFactorFile())
        if (r.temperature == t)
            return TTableF(r.factors.begin(), r.factors.end());
    return {};
}

Status FluidFiles::AppendSteamFactorRecords(const std::vector<TSteamFactorRec>& records,
                                            std::string_view file)
{
    return appendRecords(pathOf(file), encodeSteamFactorRecs(records), kSteamFactorRecSize);
}

// ---- Files and working copies ----

Status FluidFiles::DeleteFluidFile(std::string_view file)
{
    const auto path = pathOf(file);
    if (!fileExists(path))
        return Status::success();
    const WriteMark mark;
    std::error_code ec;
    std::filesystem::remove(path, ec);
    if (ec)
        return Error{"cannot delete " + path.string() + ": " + ec.message()};
    return Status::success();
}

struct FluidFiles::KindFiles
{
    std::string_view listMaster, listWork, rowsMaster, rowsWork;
    std::size_t listRecordSize;
    std::size_t nameOffset; // offset of the name in a list record
    std::size_t rowRecordSize;
};

// Copies the first list record named `name` and every property row of its key from the masters
// to the working files, unless the working list already holds that name. The records are copied
// byte for byte, keys and all.
Status FluidFiles::copyToWork(std::string_view name, const KindFiles& kind)
{
    // Already there: the first working record of that name has a key (as LiquidKey / VaporKey).
    const auto work = readRaw(pathOf(kind.listWork), kind.listRecordSize);
    for (std::size_t i = 0; i < work.count; ++i) {
        if (getShortString(work.at(i) + kind.nameOffset, kFluidNameCapacity, m_codePage) != name)
            continue;
        if (getInt32(work.at(i)) != 0)
            return Status::success();
        break;
    }
    const auto list = readRaw(pathOf(kind.listMaster), kind.listRecordSize);
    for (std::size_t i = 0; i < list.count; ++i) {
        if (getShortString(list.at(i) + kind.nameOffset, kFluidNameCapacity, m_codePage) != name)
            continue;
        const std::int32_t key = getInt32(list.at(i));
        if (key <= 0)
            return Status::success();
        // The first record with that key, as ReadLiquid / ReadVapor find it.
        std::size_t first = 0;
        while (getInt32(list.at(first)) != key)
            ++first;
        if (Status s = appendRecords(pathOf(kind.listWork),
                                     Bytes(list.at(first), list.at(first) + kind.listRecordSize),
                                     kind.listRecordSize);
            !s)
            return s;
        const auto props = readRaw(pathOf(kind.rowsMaster), kind.rowRecordSize);
        Bytes rows;
        for (std::size_t j = 0; j < props.count; ++j)
            if (getInt32(props.at(j)) == key)
                rows.insert(rows.end(), props.at(j), props.at(j) + kind.rowRecordSize);
        return appendRecords(pathOf(kind.rowsWork), rows, kind.rowRecordSize);
    }
    return Status::success();
}

Status FluidFiles::CopyLiquidToWork(std::string_view name)
{
    return copyToWork(name, {kLiquidsDat, kLiquidsTmp, kPropLiquidsDat, kPropLiquidsTmp, kLiquidRecSize, 4,
                             kLiquidPropRecSize});
}

Status FluidFiles::CopyVaporToWork(std::string_view name)
{
    return copyToWork(
        name, {kVaporsDat, kVaporsTmp, kPropVaporsDat, kPropVaporsTmp, kVaporRecSize, 8, kVaporPropRecSize});
}

} // namespace velor
