// Binary records of the fluid database: liquid and vapor lists, their tabulated property points
// and the steam-factor table, with explicit field-by-field encoders and decoders.
#pragma once

#include "base/binary.h"
#include "base/codepage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velor {

/// Capacity of a fluid name field (one length byte plus this many characters).
inline constexpr std::size_t kFluidNameCapacity = 100;

/// One liquid of a liquid list file ("Liquids.dat", "Liquids.tmp"), 116 bytes on disk.
struct TLiquidRec
{
    std::int32_t key = 0;          ///< positive key within the list file; 0 = no liquid
    std::string name;              ///< UTF-8 in memory, the user's code page on disk
    bool waterSolution = false;    ///< true for a solution of another liquid in water
    long double concentration = 0; ///< % by mass of the solute liquid; 0 when not a solution

    bool operator==(const TLiquidRec&) const = default;
};
inline constexpr std::size_t kLiquidRecSize = 116;

/// One vapor of a vapor list file ("Vapors.dat", "Vapors.tmp"), 139 bytes on disk.
struct TVaporRec
{
    std::int32_t key = 0;                ///< positive key within the list file; 0 = no vapor
    std::int32_t condensateKey = 0;      ///< key of the liquid it condenses to; 0 = none assigned
    std::string name;                    ///< UTF-8 in memory, the user's code page on disk
    long double molecularWeight = 0;     ///< kg/kmol
    long double criticalTemperature = 0; ///< deg.C
    long double criticalPressure = 0;    ///< kPa

    bool operator==(const TVaporRec&) const = default;
};
inline constexpr std::size_t kVaporRecSize = 139;

/// One tabulated point of a liquid ("PropLiquids.dat", "PropLiquids.tmp"), 64 bytes on disk.
struct TLiquidPropRec
{
    std::int32_t key = 0;         ///< liquid key
    long double temperature = 0;  ///< deg.C
    long double pressure = 0;     ///< kPa (absolute)
    long double density = 0;      ///< kg/m3
    long double heatCapacity = 0; ///< kJ/kgK
    long double conductivity = 0; ///< W/mK
    long double viscosity = 0;    ///< Ns/m2

    bool operator==(const TLiquidPropRec&) const = default;
};
inline constexpr std::size_t kLiquidPropRecSize = 64;

/// One saturation point of a vapor ("PropVapors.dat", "PropVapors.tmp"), 64 bytes on disk.
struct TVaporPropRec
{
    std::int32_t key = 0;         ///< vapor key
    long double temperature = 0;  ///< saturation temperature, deg.C
    long double pressure = 0;     ///< saturation pressure, kPa
    long double latentHeat = 0;   ///< latent heat of condensation, kJ/kg
    long double heatCapacity = 0; ///< kJ/kgK
    long double conductivity = 0; ///< W/mK
    long double viscosity = 0;    ///< Ns/m2

    bool operator==(const TVaporPropRec&) const = default;
};
inline constexpr std::size_t kVaporPropRecSize = 64;

/// One row of the steam-factor table ("SteamF.dat"), 54 bytes on disk.
struct TSteamFactorRec
{
    std::int32_t index = 0;               ///< stored but not used by the program
    long double temperature = 0;          ///< deg.C
    std::array<long double, 4> factors{}; ///< factors 1 to 4 of the condenser rating

    bool operator==(const TSteamFactorRec&) const = default;
};
inline constexpr std::size_t kSteamFactorRecSize = 54;

// Encoders write exactly the record's size at `at`; decoders read exactly that many bytes.
// Names are converted between UTF-8 and `codePage`; unused name bytes are written as zeros.
void encodeLiquidRec(const TLiquidRec& rec, std::uint8_t* at, CodePage codePage);
TLiquidRec decodeLiquidRec(const std::uint8_t* at, CodePage codePage);
void encodeVaporRec(const TVaporRec& rec, std::uint8_t* at, CodePage codePage);
TVaporRec decodeVaporRec(const std::uint8_t* at, CodePage codePage);
void encodeLiquidPropRec(const TLiquidPropRec& rec, std::uint8_t* at);
TLiquidPropRec decodeLiquidPropRec(const std::uint8_t* at);
void encodeVaporPropRec(const TVaporPropRec& rec, std::uint8_t* at);
TVaporPropRec decodeVaporPropRec(const std::uint8_t* at);
void encodeSteamFactorRec(const TSteamFactorRec& rec, std::uint8_t* at);
TSteamFactorRec decodeSteamFactorRec(const std::uint8_t* at);

/// The bytes of a whole record sequence, as they are stored in a file.
Bytes encodeLiquidRecs(const std::vector<TLiquidRec>& recs, CodePage codePage);
Bytes encodeVaporRecs(const std::vector<TVaporRec>& recs, CodePage codePage);
Bytes encodeLiquidPropRecs(const std::vector<TLiquidPropRec>& recs);
Bytes encodeVaporPropRecs(const std::vector<TVaporPropRec>& recs);
Bytes encodeSteamFactorRecs(const std::vector<TSteamFactorRec>& recs);

} // namespace velor
