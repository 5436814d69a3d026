// Lookups in the exchanger catalogue files (type files, working limits, connection table,
// technical data) and their writers. Every call opens, reads and closes its file; nothing is
// cached. A missing file is not an error: it reads as an empty list or a "not found" record.
#pragma once

#include "base/programfolder.h"
#include "base/result.h"
#include "catalogue/catalogrecords.h"
#include "catalogue/exchangertypes.h"
#include "catalogue/sizerecord.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velor {

/// File names inside the program folder.
inline constexpr std::string_view kWorkingLimitsFile = "ParamW.dat"; // in HeatExch
inline constexpr std::string_view kDiametersFile = "DiameterP.dat";  // in HeatExch
inline constexpr std::string_view kTechDataFile = "he.dat";          // in TechData

/// Highest connection velocity accepted by `ConnectionForFlow`, m/s.
inline constexpr long double kMaxConnectionVelocity = 60.0L;

std::filesystem::path typeFilePath(const ProgramFolder& folder, std::string_view typeFile);
std::filesystem::path workingLimitsPath(const ProgramFolder& folder);
std::filesystem::path diametersPath(const ProgramFolder& folder);
std::filesystem::path techDataPath(const ProgramFolder& folder);

// ---- Variant names ----

/// True for a one-character text "A" ... "Z", false for anything else.
bool IsVariantLetter(std::string_view text);

/// Whether a working-limit or technical-data record named `recordName` belongs to size `sizeName`:
/// the names are equal, or the record name starts with the size name, continues with "." and the
/// character after the dot is a capital letter (only that one character is examined, so
/// "N.AB" belongs to "N" as well).
bool belongsToSize(std::string_view recordName, std::string_view sizeName);

// ---- Type files ----

/// The `Name` of every whole record of the type file (e.g. "M.dat"), in file order; empty when
/// the file is missing.
std::vector<std::string> SizeNames(const ProgramFolder& folder, std::string_view typeFile,
                                   CodePage codePage = systemCodePage());

/// The first record of the type file named exactly `sizeName`; `TSizeRecord::notFound()` (Id −1,
/// all values 0) when the file is missing or holds no such record.
TSizeRecord ReadSize(const ProgramFolder& folder, std::string_view typeFile, std::string_view sizeName,
                     CodePage codePage = systemCodePage());

/// The first type, in the fixed type order, whose type file lists `sizeName`; nullptr when none does.
const ExchangerType* findSizeType(const ProgramFolder& folder, std::string_view sizeName,
                                  CodePage codePage = systemCodePage());

/// Every whole record of a type file, in file order.
std::vector<TSizeRecord> readSizeFile(const std::filesystem::path& path,
                                      CodePage codePage = systemCodePage());

// ---- Working limits and duty test ----

/// All records of "ParamW.dat" in file order; empty when the file is missing.
TParamRecList ReadWorkingLimits(const ProgramFolder& folder, CodePage codePage = systemCodePage());

/// The six duty values the working limits are compared with.
struct LimitDuty
{
    long double tHotIn = 0;   ///< hot inlet (vapor inlet) temperature, deg.C
    long double tHotOut = 0;  ///< hot outlet (condensate outlet) temperature, deg.C
    long double tColdIn = 0;  ///< deg.C
    long double tColdOut = 0; ///< deg.C
    long double pHotBar = 0;  ///< hot inlet pressure, bar
    long double pColdBar = 0; ///< cold inlet pressure, bar
};

/// True when the limits admit the duty: MaxTempHot ≥ hot inlet, MinTempHot ≤ hot outlet,
/// MinTempCold ≤ cold inlet, MaxTempCold ≥ cold outlet, MaxPressHot ≥ hot pressure and
/// MaxPressCold ≥ cold pressure. A NaN anywhere refuses.
bool limitsAdmit(const TParamRec& limits, const LimitDuty& duty);
bool limitsAdmit(const THERec& limits, const LimitDuty& duty);

// ---- Connection table ----

/// The connection table in file order; empty when the file is missing.
TDiamP ReadDiameters(const ProgramFolder& folder, CodePage codePage = systemCodePage());

/// The `Name` of the first connection (file order) whose velocity flow / `Area` is at most 60 m/s;
/// empty when none qualifies or the file is missing. `flow` in m3/s.
std::string ConnectionForFlow(const ProgramFolder& folder, long double flow,
                              CodePage codePage = systemCodePage());

// ---- Technical data ----

/// All records of "he.dat" in file order; empty when the file is missing.
THERecList readTechData(const ProgramFolder& folder, CodePage codePage = systemCodePage());

/// The technical-data records that belong to the size (all records when `sizeName` is empty) and
/// whose limits admit the duty (temperatures deg.C, pressures bar), in file order.
THERecList TechDataForDuty(const ProgramFolder& folder, std::string_view sizeName, long double tHotIn,
                           long double tHotOut, long double tColdIn, long double tColdOut,
                           long double pHotBar, long double pColdBar, CodePage codePage = systemCodePage());

/// All technical-data records that belong to the size, in file order.
THERecList TechDataVariants(const ProgramFolder& folder, std::string_view sizeName,
                            CodePage codePage = systemCodePage());

/// The records that belong to the size and are marked `Standard`, in file order.
THERecList StandardTechData(const ProgramFolder& folder, std::string_view sizeName,
                            CodePage codePage = systemCodePage());

// ---- Writers (data tools and tests); each replaces its file atomically ----

Status writeSizeFile(const std::filesystem::path& path, const std::vector<TSizeRecord>& records,
                     CodePage codePage = systemCodePage());
/// Writes the type file `typeFile` (e.g. "M.dat") into the folder's "HeatExch", creating the folder.
Status writeTypeFile(const ProgramFolder& folder, std::string_view typeFile,
                     const std::vector<TSizeRecord>& records, CodePage codePage = systemCodePage());
Status writeWorkingLimits(const ProgramFolder& folder, const TParamRecList& records,
                          CodePage codePage = systemCodePage());
Status writeDiameters(const ProgramFolder& folder, const std::vector<TDiamRec>& records,
                      CodePage codePage = systemCodePage());
Status writeTechData(const ProgramFolder& folder, const THERecList& records,
                     CodePage codePage = systemCodePage());

} // namespace velor
