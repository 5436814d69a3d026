// One size of one exchanger type: the 925-byte record of a type file in "HeatExch", with named
// accessors for its geometry and its pressure-drop and heat-transfer correlation coefficients.
#pragma once

#include "base/binary.h"
#include "base/codepage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velor {

/// Bytes of one size record.
inline constexpr std::size_t kSizeRecordSize = 925;
/// Capacity of the size name (string[50]).
inline constexpr std::size_t kSizeNameCapacity = 50;
/// Number of reals of a size record, stored at byte offset 55 + 10·k.
inline constexpr std::size_t kSizeValueCount = 87;

/// The two flow sides of an exchanger (for plate types the two channel groups).
enum class Side
{
    Tube = 0,
    Shell = 1,
};

/// Index k of each named value among the 87 reals (byte offset 55 + 10·k). Lengths in m, areas in m2.
/// The heat-transfer table (k = 38 ... 77) is addressed through `heatTransferIndex`.
enum class SizeValue : int
{
    Aux1 = 0, ///< not used by any calculation; must be > 0
    DhTube = 1,
    Wall = 2,
    DhShell = 3,
    Aux2 = 4,
    Aux3 = 5,
    FlowAreaTube = 6,
    FlowAreaShell = 7,
    ConnAreaTube = 8,
    ConnAreaShell = 9,
    ReDpTube1 = 10,
    ReDpShell1 = 11,
    ReDpTube2 = 12,
    ReDpShell2 = 13,
    ReDpTube3 = 14,
    ReDpShell3 = 15,
    DpFactorTube = 16,
    DpFactorShell = 17,
    DpKTube1 = 18,
    DpKShell1 = 19,
    DpKTube2 = 20,
    DpKShell2 = 21,
    DpKTube3 = 22,
    DpKShell3 = 23,
    DpKTube4 = 24,
    DpKShell4 = 25,
    DpExpTube1 = 26,
    DpExpShell1 = 27,
    DpExpTube2 = 28,
    DpExpShell2 = 29,
    DpExpTube3 = 30,
    DpExpShell3 = 31,
    DpExpTube4 = 32,
    DpExpShell4 = 33,
    ZetaTube = 34,
    ZetaShell = 35,
    DpArea = 36,
    Aux4 = 37,
    HeatTransferTable = 38, ///< first of the 40 heat-transfer values
    ReHtTube1 = 78,
    ReHtTube2 = 79,
    ReHtTube3 = 80,
    ReHtTube4 = 81,
    ReHtShell1 = 82,
    ReHtShell2 = 83,
    ReHtShell3 = 84,
    ReHtShell4 = 85,
    AreaUnit = 86,
};

/// The four coefficients of one heat-transfer range and side, in file order:
/// Nu = HtC · Re^HtA · Pr^HtB · (mu / muWall)^HtD.
enum class HtCoefficient
{
    A = 0, ///< `HtA`, exponent of the Reynolds number
    B = 1, ///< `HtB`, exponent of the Prandtl number
    C = 2, ///< `HtC`, factor
    D = 3, ///< `HtD`, exponent of the bulk-to-wall viscosity ratio
};

/// Number of heat-transfer ranges per side, and of friction ranges.
inline constexpr int kHeatTransferRanges = 5;
inline constexpr int kPressureDropRanges = 4;

/// Index among the 87 values of coefficient `c` of heat-transfer range `range` (1 ... 5) on `side`:
/// byte offset 435 + 80·(range − 1) + 40·side + 10·c.
constexpr std::size_t heatTransferIndex(int range, Side side, HtCoefficient c)
{
    return 38 + 8 * static_cast<std::size_t>(range - 1) + 4 * static_cast<std::size_t>(side) +
           static_cast<std::size_t>(c);
}

/// Byte offset of value k within the record.
constexpr std::size_t sizeValueOffset(std::size_t k)
{
    return 55 + 10 * k;
}

/// The name of value k (0 ... 86) as listed by the catalogue tools, e.g. "DhTube", "ReDpShell2",
/// "HtCTube3" (heat-transfer coefficient C, tube side, range 3). Empty for k out of range.
std::string_view sizeValueName(std::size_t k);

/// One size of one type (type file record, 925 bytes).
struct TSizeRecord
{
    std::int32_t Id = 0; ///< record number; −1 marks "not found"
    std::string Name;    ///< size name, the key of every lookup
    std::array<long double, kSizeValueCount> Values{};

    long double& value(SizeValue v) { return Values[static_cast<std::size_t>(v)]; }
    long double value(SizeValue v) const { return Values[static_cast<std::size_t>(v)]; }

    // Named values (lengths m, areas m2; pressure-drop coefficients give kPa in the rating).
    long double Aux1() const { return value(SizeValue::Aux1); }
    long double Aux2() const { return value(SizeValue::Aux2); }
    long double Aux3() const { return value(SizeValue::Aux3); }
    long double Aux4() const { return value(SizeValue::Aux4); }
    long double DhTube() const { return value(SizeValue::DhTube); }               ///< m
    long double DhShell() const { return value(SizeValue::DhShell); }             ///< m
    long double Wall() const { return value(SizeValue::Wall); }                   ///< wall thickness, m
    long double FlowAreaTube() const { return value(SizeValue::FlowAreaTube); }   ///< m2, one unit
    long double FlowAreaShell() const { return value(SizeValue::FlowAreaShell); } ///< m2, one unit
    long double ConnAreaTube() const { return value(SizeValue::ConnAreaTube); }   ///< m2
    long double ConnAreaShell() const { return value(SizeValue::ConnAreaShell); } ///< m2
    long double DpFactorTube() const { return value(SizeValue::DpFactorTube); }
    long double DpFactorShell() const { return value(SizeValue::DpFactorShell); }
    long double ZetaTube() const { return value(SizeValue::ZetaTube); }
    long double ZetaShell() const { return value(SizeValue::ZetaShell); }
    long double DpArea() const { return value(SizeValue::DpArea); }     ///< m2, both sides
    long double AreaUnit() const { return value(SizeValue::AreaUnit); } ///< m2, one unit

    // The same values addressed by side; `k` / `range` count from 1 as in the field names.
    long double Dh(Side side) const;       ///< hydraulic diameter, m
    long double FlowArea(Side side) const; ///< flow cross-section of one unit, m2
    long double ConnArea(Side side) const; ///< connection cross-section, m2
    long double DpFactor(Side side) const; ///< friction pressure-drop multiplier
    long double Zeta(Side side) const;     ///< connection loss coefficient
    /// Reynolds limit k (1 ... 3) between the friction ranges k and k + 1.
    long double ReDp(Side side, int k) const;
    /// Friction coefficient of friction range 1 ... 4.
    long double DpK(Side side, int range) const;
    /// Reynolds exponent of friction range 1 ... 4.
    long double DpExp(Side side, int range) const;
    /// Reynolds limit k (1 ... 4) between the heat-transfer ranges k and k + 1.
    long double ReHt(Side side, int k) const;
    /// Heat-transfer table: coefficient of range 1 ... 5 on `side`.
    long double Ht(int range, Side side, HtCoefficient c) const
    {
        return Values[heatTransferIndex(range, side, c)];
    }
    long double HtA(int range, Side side) const { return Ht(range, side, HtCoefficient::A); }
    long double HtB(int range, Side side) const { return Ht(range, side, HtCoefficient::B); }
    long double HtC(int range, Side side) const { return Ht(range, side, HtCoefficient::C); }
    long double HtD(int range, Side side) const { return Ht(range, side, HtCoefficient::D); }

    /// True when every value the rating requires to be positive is > 0: all values except the
    /// eight heat-transfer Reynolds limits (offsets 835 ... 905). A NaN counts as not positive.
    bool ratingValuesPositive() const;

    /// The record a lookup returns when it finds nothing: `Id` −1, empty name, all values 0.
    static TSizeRecord notFound();
};

/// Decodes the 925 bytes at `at`. Strings are converted from `codePage` to UTF-8.
TSizeRecord decodeSizeRecord(const std::uint8_t* at, CodePage codePage = systemCodePage());
/// Encodes a record into its 925 bytes (unused name bytes zero).
Bytes encodeSizeRecord(const TSizeRecord& record, CodePage codePage = systemCodePage());

} // namespace velor
