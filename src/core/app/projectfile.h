// The project file (*.dca): one fixed-size binary record holding the Project page, the duty as
// last calculated with its units, and the one selected result.
#pragma once

#include "base/binary.h"
#include "base/codepage.h"
#include "base/result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace velor {

/// Size of the record the program writes (with the technical-data designation).
inline constexpr std::size_t kProjectRecordSize = 3472;
/// Size of the earlier record, still read: no designation, everything from the result values on
/// lies 101 bytes lower.
inline constexpr std::size_t kEarlierProjectRecordSize = 3371;

enum class ProjectLayout
{
    Current, ///< 3472 bytes
    Earlier, ///< 3371 bytes, no technical-data designation
};

/// The values of the saved result, in base units (the project's copy of a result record).
struct ProjectResultValues
{
    long double Area = 0;        // m2
    long double LMTD = 0;        // K
    long double OHTCClean = 0;   // W/m2K
    long double OHTCFouled = 0;  // W/m2K
    long double Oversize = 0;    // percent
    long double PressDropHS = 0; // kPa
    long double PressDropCS = 0; // kPa
    long double AlphaHS = 0;     // W/m2K
    long double AlphaCS = 0;     // W/m2K
    long double ReynoldsHS = 0;  // plain number
    long double ReynoldsCS = 0;  // plain number
    long double PrandtlHS = 0;   // plain number
    long double PrandtlCS = 0;   // plain number
    long double NusseltHS = 0;   // plain number
    long double NusseltCS = 0;   // plain number
    long double InVelConHS = 0;  // m/s
    long double OutVelConHS = 0; // m/s
    long double VelTubeSpHS = 0; // m/s
    long double InVelConCS = 0;  // m/s
    long double OutVelConCS = 0; // m/s
    long double VelTubeSpCS = 0; // m/s
    long double NTUHS = 0;       // plain number
    long double NTUCS = 0;       // plain number

    bool operator==(const ProjectResultValues&) const = default;
};

/// Hot-side kinds stored in the record.
inline constexpr std::int32_t kSideLiquid = 0;
inline constexpr std::int32_t kSideVaporCondenser = 1;

/// Where a side flows, as stored in the record.
inline constexpr const char* kSideTubes = "Tubes";
inline constexpr const char* kSideShell = "Shell";

/// One project file record. Strings are UTF-8 in memory (the file holds them in the single-byte
/// code page); physical values are in base units; unit fields are positions in the unit lists.
struct TProjectFileRec
{
    double Date = 0; // OLE Automation date: days since 30 Dec 1899, fraction = time of day

    // Project page.
    std::string ProjectName;
    std::string CalcNo;
    std::string PreparedBy; // display name of the person who prepared the offer
    std::string CustomerName;
    std::string Description;
    std::string Street;
    std::string Zip;
    std::string City;
    std::string State;
    std::string Country;
    std::string Phone;
    std::string Fax;
    std::string Email;
    std::string HomePage;
    std::string ContactLastName;
    std::string ContactFirstName;
    std::string ContactPhone;
    std::string ContactMobile;
    std::string ContactEmail;

    // Duty.
    std::string FluidHS;                 // hot-side liquid, or the vapor of a condensing hot side
    std::string FluidCS;                 // cold-side liquid
    long double HeatLoad = 0;            // kW
    long double UnitsInSeries = 0;       // plain number
    long double UnitsInParallel = 0;     // plain number
    long double MinOversizing = 0;       // percent
    long double FoulingFactor = 0;       // m2K/kW, the input
    long double ResultFoulingFactor = 0; // m2K/kW, the one the saved result used
    long double PressureHS = 0;          // kPa, inlet
    long double TempInHS = 0;            // deg.C
    long double MassFlowHS = 0;          // kg/s
    long double VolFlowInHS = 0;         // m3/s
    long double TempOutHS = 0;           // deg.C (condensate temperature for a condenser)
    long double VolFlowOutHS = 0;        // m3/s
    long double PressDropMinHS = 0;      // kPa
    long double PressDropMaxHS = 0;      // kPa
    long double PressureCS = 0;          // kPa, inlet
    long double TempInCS = 0;            // deg.C
    long double MassFlowCS = 0;          // kg/s
    long double VolFlowInCS = 0;         // m3/s
    long double TempOutCS = 0;           // deg.C
    long double VolFlowOutCS = 0;        // m3/s
    long double PressDropMinCS = 0;      // kPa
    long double PressDropMaxCS = 0;      // kPa

    // Unit indexes.
    std::int32_t UnitHeatLoad = 0;
    std::int32_t UnitFoulingInput = 0;
    std::int32_t UnitFoulingResult = 0;
    std::int32_t UnitPressureHS = 0;
    std::int32_t UnitTempInHS = 0;
    std::int32_t UnitMassFlowHS = 0;
    std::int32_t UnitVolFlowInHS = 0;
    std::int32_t UnitTempOutHS = 0;
    std::int32_t UnitVolFlowOutHS = 0;
    std::int32_t UnitPressDropMinHS = 0;
    std::int32_t UnitPressDropMaxHS = 0; // also the hot side's calculated pressure drop
    std::int32_t UnitPressureCS = 0;
    std::int32_t UnitTempInCS = 0;
    std::int32_t UnitMassFlowCS = 0;
    std::int32_t UnitVolFlowInCS = 0;
    std::int32_t UnitTempOutCS = 0;
    std::int32_t UnitVolFlowOutCS = 0;
    std::int32_t UnitPressDropMinCS = 0;
    std::int32_t UnitPressDropMaxCS = 0; // also the cold side's calculated pressure drop

    // The saved result.
    std::string SizeName;     // empty = no result saved
    std::string SideHS;       // "Tubes" or "Shell"
    std::string SideCS;       // "Tubes" or "Shell"
    std::string TypeFile;     // e.g. "M.dat"
    std::string TechDataName; // technical-data designation; always empty in the earlier layout
    ProjectResultValues Result;
    std::uint8_t Tubular = 1; // 1 shell-and-tube / coil, 0 plate; 1 when no result is saved

    std::int32_t KindHS = kSideLiquid; // 0 liquid, 1 vapor condenser
    std::int32_t KindCS = kSideLiquid; // 0 liquid
    std::string CondenserNote;         // up to 200 characters

    bool operator==(const TProjectFileRec&) const = default;
};

/// A record as read, with the layout it was found in.
struct ProjectFileContents
{
    TProjectFileRec record;
    ProjectLayout layout = ProjectLayout::Current;
};

/// Encodes the record in the current 3472-byte layout. Strings are converted to `codePage` and
/// cut to their capacity; the reserved field and unused string bytes are zero.
Bytes encodeProjectRecord(const TProjectFileRec& rec, CodePage codePage);

/// Decodes the first bytes of `data` in `layout`; nullopt when `data` is shorter than that layout.
std::optional<TProjectFileRec> decodeProjectRecord(const Bytes& data, ProjectLayout layout,
                                                   CodePage codePage);

/// Decodes a whole file's bytes: the current layout when there are at least 3472 bytes, otherwise
/// the earlier one when there are at least 3371; an error for anything shorter.
Result<ProjectFileContents> decodeProjectFile(const Bytes& data, CodePage codePage);

/// Reads a project file (see decodeProjectFile). Missing, unreadable and short files are errors.
Result<ProjectFileContents> loadProjectFile(const std::filesystem::path& path,
                                            CodePage codePage = systemCodePage());

/// Writes the record as the only content of `path`, replacing the file atomically. The folder
/// must exist and an existing file must be writable (a read-only project is not replaced); the
/// error names the file when it cannot be written.
Status saveProjectFile(const std::filesystem::path& path, const TProjectFileRec& rec,
                       CodePage codePage = systemCodePage());

/// Applies the rule for saving without a result list: keeps the date, the project, customer and
/// contact texts, the unit indexes, the side kinds, the numbers of units in series and in parallel
/// and the minimum oversizing; every other value becomes 0, every other text empty, `Tubular` 1.
TProjectFileRec withoutResult(const TProjectFileRec& rec);

/// The condenser note stored with a condensing result: `prefix` + " " + `designation` + ".",
/// or empty when either part is empty.
std::string condenserNote(const std::string& prefix, const std::string& designation);

/// The technical-data designation from the Design page's exchanger-type text
/// (Name + " (" + CatalogNumber + ")"): the text inside the last brackets, up to 100 characters;
/// empty when the text has no "(". The whole catalogue number is kept ("01.0001.01" has ten
/// characters), so the variant is found again when the project is opened.
std::string techDataDesignation(const std::string& exchangerTypeText);

/// Side placement of a restored result: true = hot in tubes / cold in shell, false = hot in shell
/// / cold in tubes, nullopt = leave the radios as they are. Hot "Tubes" or cold "Shell" wins.
std::optional<bool> hotSideInTubes(const std::string& sideHS, const std::string& sideCS);

} // namespace velor
