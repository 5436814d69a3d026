// Records of the working-limit file "ParamW.dat", the connection table "DiameterP.dat" and the
// technical-data file "he.dat", with their field-by-field codecs.
#pragma once

#include "base/binary.h"
#include "base/codepage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace velor {

// ---- Working limits ("HeatExch/ParamW.dat") ----

inline constexpr std::size_t kParamRecSize = 362;
/// Room of the name field (its length byte announces at most 255 characters).
inline constexpr std::size_t kParamNameCapacity = 301;

/// Working limits of one size or size variant.
struct TParamRec
{
    std::string Name;             ///< a size name or a variant name (size + "." + letter)
    long double MaxTempHot = 0;   ///< highest hot-side inlet temperature, deg.C
    long double MaxTempCold = 0;  ///< highest cold-side outlet temperature, deg.C
    long double MinTempHot = 0;   ///< lowest hot-side outlet temperature, deg.C
    long double MinTempCold = 0;  ///< lowest cold-side inlet temperature, deg.C
    long double MaxPressHot = 0;  ///< highest hot-side inlet pressure, bar
    long double MaxPressCold = 0; ///< highest cold-side inlet pressure, bar
};
using TParamRecList = std::vector<TParamRec>;

TParamRec decodeParamRec(const std::uint8_t* at, CodePage codePage = systemCodePage());
Bytes encodeParamRec(const TParamRec& record, CodePage codePage = systemCodePage());

// ---- Connection diameters ("HeatExch/DiameterP.dat") ----

inline constexpr std::size_t kDiamRecSize = 65;
inline constexpr std::size_t kDiamNameCapacity = 50;

/// One nominal connection diameter.
struct TDiamRec
{
    std::int32_t Id = 0;  ///< not read by the program
    std::string Name;     ///< designation, e.g. "DN25"
    long double Area = 0; ///< flow cross-section, m2
};

/// The connection table in memory: (designation, cross-section m2) in file order.
using TDiamP = std::vector<std::pair<std::string, long double>>;

TDiamRec decodeDiamRec(const std::uint8_t* at, CodePage codePage = systemCodePage());
Bytes encodeDiamRec(const TDiamRec& record, CodePage codePage = systemCodePage());

// ---- Technical data ("TechData/he.dat") ----

inline constexpr std::size_t kHERecSize = 6402;
inline constexpr int kHEConnectionCount = 10;
inline constexpr int kHEMediaRowCount = 10;
inline constexpr int kHEDimensionCount = 9;

/// One connection group (each string[50]).
struct THEConnection
{
    std::string ConnLabel;    ///< designation in the list of connections, e.g. "K1"
    std::string ConnType;     ///< kind of connection (a word of the connection-type list)
    std::string ConnMaterial; ///< material of the connection
    std::string ConnSize;     ///< size, e.g. "G 1\"" or "DN80 PN25"
};

/// One row of medium texts (each string[100]).
struct THEMediaRow
{
    std::string MediumText1;    ///< medium of the tube side (or of the plate)
    std::string MediumText2;    ///< medium of the shell side
    std::string MediumLanguage; ///< language the row is written in
};

/// Technical data of one variant of a size.
struct THERec
{
    std::string CatalogNumber;    ///< string[100]
    std::string Name;             ///< variant name, the key of every lookup; read by its length byte
    std::string SurfaceType;      ///< string[100], a word translated before printing
    std::string Material;         ///< material group; read by its length byte, never past its field
    std::string Drawing;          ///< base name of "TechData/Drawing/<Drawing>.wmf"
    long double MaxTempHot = 0;   ///< deg.C
    long double MaxTempCold = 0;  ///< deg.C
    long double MinTempHot = 0;   ///< deg.C
    long double MinTempCold = 0;  ///< deg.C
    long double MaxPressHot = 0;  ///< bar
    long double MaxPressCold = 0; ///< bar
    long double SurfaceSize = 0;  ///< tube or coil size printed after SurfaceType, mm
    long double SurfaceArea = 0;  ///< heat-transfer area, m2
    long double Volume1 = 0;      ///< tube side (hot side on the plate sheet), l
    long double Volume2 = 0;      ///< shell side (cold side on the plate sheet), l
    long double Weight = 0;       ///< kg
    /// Groups 0 ... 3 are K1 ... K4, groups 6 and 7 the plate connections D3 and D4.
    std::array<THEConnection, kHEConnectionCount> Connections{};
    std::array<THEMediaRow, kHEMediaRowCount> Media{};
    std::array<std::string, kHEDimensionCount> DimName{};   ///< string[50] each
    std::array<std::int32_t, kHEDimensionCount> DimValue{}; ///< mm; printed only when > 0
    bool Standard = false;                                  ///< the standard variant of its size
};
using THERecList = std::vector<THERec>;

/// Decodes the 6402 bytes at `at`; the two unread reals at 766 and 776 are skipped.
THERec decodeHERec(const std::uint8_t* at, CodePage codePage = systemCodePage());
/// Encodes a record into its 6402 bytes; the two unread reals are written as 0.
Bytes encodeHERec(const THERec& record, CodePage codePage = systemCodePage());

} // namespace velor
