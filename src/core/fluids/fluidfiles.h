// The fluid database folder: reads, writes, deletions, key allocation and working copies of the
// liquid and vapor list files, their property files and the steam-factor table.
#pragma once

#include "base/codepage.h"
#include "base/result.h"
#include "fluids/fluidrecords.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velor {

// File names inside the fluids folder. Every operation takes one of these bare names, so the
// same operation serves the master and its working copy.
inline constexpr std::string_view kLiquidsDat = "Liquids.dat";
inline constexpr std::string_view kPropLiquidsDat = "PropLiquids.dat";
inline constexpr std::string_view kVaporsDat = "Vapors.dat";
inline constexpr std::string_view kPropVaporsDat = "PropVapors.dat";
inline constexpr std::string_view kSteamFDat = "SteamF.dat";
inline constexpr std::string_view kLiquidsTmp = "Liquids.tmp";
inline constexpr std::string_view kPropLiquidsTmp = "PropLiquids.tmp";
inline constexpr std::string_view kVaporsTmp = "Vapors.tmp";
inline constexpr std::string_view kPropVaporsTmp = "PropVapors.tmp";
// Scratch files of the safe rewrite of a list or property file.
inline constexpr std::string_view kOldLiquidsDat = "OldLiquids.dat";
inline constexpr std::string_view kOldPropLiquidsDat = "OldPropLiquids.dat";
inline constexpr std::string_view kOldPropVaporsDat = "OldPropVapors.dat";

/// Names of fluids, as shown to the user (UTF-8).
using TTableS = std::vector<std::string>;
/// A column of reals.
using TTableF = std::vector<long double>;

/// A tabulated (temperature, pressure) point of a liquid.
struct TPropPoint
{
    long double temperature = 0; ///< deg.C
    long double pressure = 0;    ///< kPa

    bool operator==(const TPropPoint&) const = default;
};
using TTableProp = std::vector<TPropPoint>;

using TTablePropL = std::vector<TLiquidPropRec>;
using TTablePropV = std::vector<TVaporPropRec>;

/// A liquid's properties at one temperature.
struct TLiquidRow
{
    long double temperature = 0;  ///< deg.C
    long double density = 0;      ///< kg/m3
    long double heatCapacity = 0; ///< kJ/kgK
    long double conductivity = 0; ///< W/mK
    long double viscosity = 0;    ///< Ns/m2

    bool operator==(const TLiquidRow&) const = default;
};
using TTableAllPropL = std::vector<TLiquidRow>;

/// A vapor's saturation data at one saturation temperature.
struct TVaporRow
{
    long double temperature = 0;  ///< saturation temperature, deg.C
    long double pressure = 0;     ///< saturation pressure, kPa
    long double latentHeat = 0;   ///< kJ/kg
    long double heatCapacity = 0; ///< kJ/kgK
    long double conductivity = 0; ///< W/mK
    long double viscosity = 0;    ///< Ns/m2

    bool operator==(const TVaporRow&) const = default;
};
using TTableAllPropV = std::vector<TVaporRow>;

/// The vapor whose property rows the next `WriteVaporRows` belongs to.
struct TKeyVapor
{
    std::int32_t key = 0;
    std::int32_t condensateKey = 0;
    std::string name;

    bool operator==(const TKeyVapor&) const = default;
};

/// Key and condensate key of a vapor found by name.
struct FoundVapor
{
    std::int32_t key = 0;
    std::int32_t condensateKey = 0;
};

/// The fluid database folder ("Fluids" beside the executable, or any folder for tests and the CLI).
///
/// Every operation opens its file, works and closes it; nothing stays open between calls.
/// Lookups open files for reading only, so a read-only installation still evaluates properties;
/// a missing folder or file gives the empty result ("empty": no records, 0, false, an all-zero
/// record). Record counts are the file size divided by the record size, so a trailing partial
/// record is never read; lookups return the first match in file order. Names are compared byte
/// for byte, case-sensitive.
///
/// Writers return a Status: a file that cannot be written is an error the caller reports.
/// Deletions and replacements write the kept records to the scratch file ("Old" + target name)
/// and rename it over the target in one step, so the target is never missing or half-written.
///
/// Decoded files are remembered between calls, so that the many lookups of a property evaluation
/// do not decode the same file again. A remembered file is used only while no fluid file has been
/// written through any FluidFiles object of the process since it was read, and while the file's
/// size and modification time are unchanged; otherwise it is read again. A FluidFiles object is
/// meant for one thread at a time.
///
/// The object also holds the "current vapor" of the vapor editor session (`CurrentVapor`): set by
/// the editor, updated by `WriteVapor` and `SetVaporLink`, read by `WriteVaporRows`. It belongs
/// to this object, so each editor session (and each test) has its own.
class FluidFiles
{
public:
    explicit FluidFiles(std::filesystem::path fluidsFolder, CodePage codePage = systemCodePage());

    const std::filesystem::path& folder() const { return m_folder; }
    CodePage codePage() const { return m_codePage; }
    /// The full path of a bare file name in the folder.
    std::filesystem::path pathOf(std::string_view file) const;

    // ---- Whole files, in file order (empty for a missing file) ----
    std::vector<TLiquidRec> ReadLiquidList(std::string_view file) const;
    std::vector<TVaporRec> ReadVaporList(std::string_view file) const;
    TTablePropL ReadLiquidPropFile(std::string_view file) const;
    TTablePropV ReadVaporPropFile(std::string_view file) const;
    std::vector<TSteamFactorRec> ReadSteamFactorFile(std::string_view file = kSteamFDat) const;
    /// The same records without a copy, for evaluations that scan a file many times.
    std::shared_ptr<const TTablePropL> SharedLiquidPropFile(std::string_view file) const;
    std::shared_ptr<const TTablePropV> SharedVaporPropFile(std::string_view file) const;
    std::shared_ptr<const std::vector<TSteamFactorRec>>
    SharedSteamFactorFile(std::string_view file = kSteamFDat) const;

    // ---- Liquid list ("Liquids.dat" / "Liquids.tmp") ----
    TTableS LiquidNames(std::string_view file) const;
    /// The key of the first liquid named `name`; nullopt when there is none.
    std::optional<std::int32_t> FindLiquid(std::string_view name, std::string_view file) const;
    /// The key of the first liquid named `name`; 0 when there is none.
    std::int32_t LiquidKey(std::string_view name, std::string_view file) const;
    /// The first record with `key`; the all-zero record when there is none.
    TLiquidRec ReadLiquid(std::int32_t key, std::string_view file) const;
    /// The first record named `name` if it is not a water solution; otherwise the all-zero record.
    TLiquidRec ReadPlainLiquid(std::string_view name, std::string_view file) const;
    /// 1 + the largest key in the file; 1 for a missing or empty file.
    std::int32_t NewLiquidKey(std::string_view file) const;
    /// Missing file: creates it with `rec`. replace false: appends `rec`. replace true: overwrites
    /// the first record with `rec.key`, or writes nothing when there is none.
    Status WriteLiquid(const TLiquidRec& rec, bool replace, std::string_view file);
    /// Appends `rec`, creating the file if missing.
    Status AppendLiquid(const TLiquidRec& rec, std::string_view file);
    /// Removes every record with `key` (safe rewrite through "OldLiquids.dat").
    Status DeleteLiquid(std::int32_t key, std::string_view file);

    // ---- Vapor list ("Vapors.dat" / "Vapors.tmp") ----
    TTableS VaporNames(std::string_view file) const;
    std::optional<FoundVapor> FindVapor(std::string_view name, std::string_view file) const;
    std::int32_t VaporKey(std::string_view name, std::string_view file) const;
    TVaporRec ReadVapor(std::int32_t key, std::string_view file) const;
    /// The first vapor whose condensate key is `liquidKey`; the all-zero record when none.
    TVaporRec ReadVaporByCondensate(std::int32_t liquidKey, std::string_view file) const;
    std::int32_t NewVaporKey(std::string_view file) const;
    /// As `WriteLiquid`, but an appended record gets condensate key 0, and `CurrentVapor().key`
    /// becomes `rec.key` whenever a record was written.
    Status WriteVapor(const TVaporRec& rec, bool replace, std::string_view file);
    /// Appends `rec` unchanged, creating the file if missing.
    Status AppendVapor(const TVaporRec& rec, std::string_view file);
    /// Sets the condensate key of the first record with `key` to `liquidKey` and records it in
    /// `CurrentVapor()`; nothing changes when the file or the record is missing.
    Status SetVaporLink(std::int32_t key, std::int32_t liquidKey, std::string_view file);

    const TKeyVapor& CurrentVapor() const { return m_currentVapor; }
    void SetCurrentVapor(TKeyVapor vapor) { m_currentVapor = std::move(vapor); }

    // ---- Liquid property file ("PropLiquids.dat" / "PropLiquids.tmp") ----
    // Temperatures and pressures are compared exactly, except in LiquidRowsAt.
    /// Pressure of every record of the key, file order, repeats included; kPa.
    TTableF LiquidPressures(std::int32_t key, std::string_view file) const;
    bool HasLiquidPressure(std::int32_t key, long double p, std::string_view file) const;
    TTableProp LiquidPoints(std::int32_t key, std::string_view file) const;
    TTableF LiquidTemperatures(std::int32_t key, std::string_view file) const;
    TTableF LiquidTemperaturesAt(std::int32_t key, long double p, std::string_view file) const;
    /// Rows of the key whose pressure gives the same 15-significant-digit text as `p`.
    TTableAllPropL LiquidRowsAt(std::int32_t key, long double p, std::string_view file) const;
    TTablePropL LiquidRecords(std::int32_t key, std::string_view file) const;
    /// Density, heat capacity, conductivity, viscosity of the first record at (t, p); empty if none.
    TTableF LiquidValuesAt(std::int32_t key, long double t, long double p, std::string_view file) const;
    /// Heat capacity (heatCapacity true) or density of the first record at (t, p); 0 if none.
    long double LiquidValueAt(std::int32_t key, bool heatCapacity, long double t, long double p,
                              std::string_view file) const;
    /// Writes each row as a record (key, t, p, ...) when p > 0 and its four properties are > 0;
    /// other rows are skipped. replace true first removes the key's records at pressure p.
    Status WriteLiquidRows(std::int32_t key, const TTableAllPropL& rows, long double p, bool replace,
                           std::string_view file);
    Status AppendLiquidRecords(const TTablePropL& records, std::string_view file);
    /// Removes the key's records (only those at pressure p when byPressure is true).
    Status DeleteLiquidRows(std::int32_t key, bool byPressure, long double p, std::string_view file);

    // ---- Vapor property file ("PropVapors.dat" / "PropVapors.tmp") ----
    TTableAllPropV VaporRows(std::int32_t key, std::string_view file) const;
    TTablePropV VaporRecords(std::int32_t key, std::string_view file) const;
    /// Saturation temperatures (temperatures true) or pressures of the key's records, file order.
    TTableF VaporColumn(std::int32_t key, bool temperatures, std::string_view file) const;
    /// Latent heat, heat capacity, conductivity, viscosity, pressure of the first record at t.
    TTableF VaporValuesAt(std::int32_t key, long double t, std::string_view file) const;
    /// Heat capacity (heatCapacity true) or latent heat of the first record at t; 0 if none.
    long double VaporValueAt(std::int32_t key, bool heatCapacity, long double t, std::string_view file) const;
    /// fromTemperature true: pressure of the first record at temperature x; otherwise the
    /// temperature of the first record at pressure x; 0 if none.
    long double SaturationValueAt(std::int32_t key, bool fromTemperature, long double x,
                                  std::string_view file) const;
    /// Writes each row as a record of `CurrentVapor().key` when its pressure and four
    /// properties are > 0. replace true first removes every record of that key.
    Status WriteVaporRows(const TTableAllPropV& rows, bool replace, std::string_view file);
    Status AppendVaporRecords(const TTablePropV& records, std::string_view file);

    // ---- Steam factors ("SteamF.dat") ----
    TTableF SteamTemperatures() const;
    /// The four factors of the first record at temperature t; empty if none.
    TTableF SteamFactorsAt(long double t) const;
    /// Appends steam-factor records (for the data generator), creating the file if missing.
    Status AppendSteamFactorRecords(const std::vector<TSteamFactorRec>& records,
                                    std::string_view file = kSteamFDat);

    // ---- Files and working copies ----
    /// Deletes the file if it exists; an error only when an existing file cannot be deleted.
    Status DeleteFluidFile(std::string_view file);
    /// Copies the liquid named `name` (and its property records) from the masters into the
    /// working copies, unless "Liquids.tmp" already holds that name.
    Status CopyLiquidToWork(std::string_view name);
    /// The same for a vapor: "Vapors.dat"/"PropVapors.dat" into "Vapors.tmp"/"PropVapors.tmp".
    Status CopyVaporToWork(std::string_view name);

private:
    struct CacheEntry
    {
        std::array<std::uint64_t, 4> stamp{}; // size, modification time, file id, change time
        std::uint64_t generation = 0;
        std::shared_ptr<const void> records;
    };
    template<typename Record, typename Decode>
    std::shared_ptr<const std::vector<Record>> cached(std::string_view file, std::size_t recordSize,
                                                      Decode decode) const;
    std::shared_ptr<const std::vector<TLiquidRec>> sharedLiquidList(std::string_view file) const;
    std::shared_ptr<const std::vector<TVaporRec>> sharedVaporList(std::string_view file) const;
    /// The files of one fluid kind, for the copy into the working files.
    struct KindFiles;
    Status copyToWork(std::string_view name, const KindFiles& kind);

    std::filesystem::path m_folder;
    CodePage m_codePage;
    TKeyVapor m_currentVapor;
    mutable std::unordered_map<std::string, CacheEntry> m_cache;
};

} // namespace velor
