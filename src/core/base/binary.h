// Explicit little-endian encoding of the fields of the program's fixed-size binary records:
// 32-bit integers, 80-bit extended reals and length-prefixed single-byte strings.
#pragma once

#include "base/codepage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velor {

using Bytes = std::vector<std::uint8_t>;

/// Size of an 80-bit extended real in the files.
inline constexpr std::size_t kExtendedSize = 10;

/// Encodes `value` as the 10-byte x87 double-extended layout: bytes 0-7 the 64-bit significand
/// with explicit integer bit, bytes 8-9 the sign and the 15-bit exponent biased by 16383.
/// Works from the value's mathematical form (frexp/ldexp), so it is exact whatever the compiler's
/// long double is. Infinities keep their sign; a NaN is written as the default quiet NaN
/// (sign 1, exponent 7FFF, significand C000000000000000, as the x87 produces it).
std::array<std::uint8_t, kExtendedSize> encodeExtended(long double value);

/// Decodes the 10-byte x87 layout. Zeros, normals and denormals decode to their value (rounded
/// to the nearest long double where that type is narrower). Exponent 7FFF decodes to an infinity
/// when the significand's fraction bits are zero, otherwise to a quiet NaN. "Unnormals" (a
/// non-zero exponent with the integer bit clear), which the x87 rejects as invalid operands,
/// also decode to a quiet NaN.
long double decodeExtended(const std::uint8_t* bytes);

void putInt32(std::uint8_t* at, std::int32_t value);
std::int32_t getInt32(const std::uint8_t* at);
void putUInt16(std::uint8_t* at, std::uint16_t value);
std::uint16_t getUInt16(const std::uint8_t* at);
void putDouble(std::uint8_t* at, double value);
double getDouble(const std::uint8_t* at);
inline void putExtended(std::uint8_t* at, long double value)
{
    const auto bytes = encodeExtended(value);
    for (std::size_t i = 0; i < kExtendedSize; ++i)
        at[i] = bytes[i];
}
inline long double getExtended(const std::uint8_t* at)
{
    return decodeExtended(at);
}
inline void putBool(std::uint8_t* at, bool value)
{
    *at = value ? 1 : 0;
}
/// Any non-zero byte reads as true.
inline bool getBool(const std::uint8_t* at)
{
    return *at != 0;
}

/// Reads a length-prefixed single-byte string of `capacity` characters (capacity + 1 bytes):
/// the length byte is honoured but clamped to `capacity`, so nothing past the field is read.
/// The bytes are converted from `codePage` to UTF-8.
std::string getShortString(const std::uint8_t* at, std::size_t capacity, CodePage codePage);

/// Writes `text` (UTF-8) as a length-prefixed single-byte string of `capacity` characters:
/// converted to `codePage`, cut to `capacity` bytes, the rest of the field zero-filled.
void putShortString(std::uint8_t* at, std::size_t capacity, std::string_view text, CodePage codePage);

} // namespace velor
