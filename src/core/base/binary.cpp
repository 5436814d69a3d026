// Explicit little-endian encoding of record fields.
#include "base/binary.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace velor {
namespace {

constexpr int kExponentBias = 16383;
constexpr std::uint16_t kExponentMax = 0x7FFF;
constexpr std::uint64_t kIntegerBit = 0x8000000000000000ULL;

// floor(x) for 0 <= x < 2^64 as an integer, exact for every long double format.
std::uint64_t toUInt64(long double x)
{
    const long double hi = std::floor(std::ldexp(x, -32));
    const long double lo = x - std::ldexp(hi, 32);
    return (static_cast<std::uint64_t>(hi) << 32) + static_cast<std::uint64_t>(lo);
}

long double fromUInt64(std::uint64_t v)
{
    return std::ldexp(static_cast<long double>(v >> 32), 32) + static_cast<long double>(v & 0xFFFFFFFFULL);
}

void store(std::array<std::uint8_t, kExtendedSize>& out, std::uint64_t significand, std::uint16_t signExp)
{
    for (int i = 0; i < 8; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(significand >> (8 * i));
    out[8] = static_cast<std::uint8_t>(signExp & 0xFF);
    out[9] = static_cast<std::uint8_t>(signExp >> 8);
}

} // namespace

std::array<std::uint8_t, kExtendedSize> encodeExtended(long double value)
{
    std::array<std::uint8_t, kExtendedSize> out{};
    if (std::isnan(value)) {
        store(out, 0xC000000000000000ULL, 0xFFFF);
        return out;
    }
    const std::uint16_t sign = std::signbit(value) ? 0x8000 : 0;
    if (std::isinf(value)) {
        store(out, kIntegerBit, sign | kExponentMax);
        return out;
    }
    const long double magnitude = std::fabs(value);
    if (magnitude == 0) {
        store(out, 0, sign);
        return out;
    }
    int exp = 0;
    const long double mantissa = std::frexp(magnitude, &exp); // magnitude = mantissa * 2^exp, 0.5 <= m < 1
    // value = significand * 2^(E - bias - 63) with significand = mantissa * 2^64.
    const int biased = exp + kExponentBias - 1;
    if (biased >= kExponentMax) {
        store(out, kIntegerBit, sign | kExponentMax);
        return out;
    }
    if (biased <= 0) {
        // Denormal: exponent field 0, value = significand * 2^(1 - bias - 63).
        const long double scaled = std::ldexp(magnitude, kExponentBias - 1 + 63);
        store(out, toUInt64(std::nearbyint(scaled)), sign);
        return out;
    }
    store(out, toUInt64(std::ldexp(mantissa, 64)), static_cast<std::uint16_t>(sign | biased));
    return out;
}

long double decodeExtended(const std::uint8_t* bytes)
{
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[i];
    const std::uint16_t signExp = static_cast<std::uint16_t>(bytes[8] | (bytes[9] << 8));
    const bool negative = (signExp & 0x8000) != 0;
    const int exponent = signExp & kExponentMax;

    // Where long double is the x87 format itself, a normal value's bytes are the value: copy
    // them (the type files hold thousands of reals, and this is most of their decoding time).
    // Everything else takes the portable path below.
    if constexpr (std::numeric_limits<long double>::digits == 64 &&
                  std::endian::native == std::endian::little && sizeof(long double) >= kExtendedSize) {
        if (exponent != 0 && exponent != kExponentMax && (significand & kIntegerBit) != 0) {
            long double value = 0;
            std::memcpy(&value, bytes, kExtendedSize);
            return value;
        }
    }

    long double magnitude = 0;
    if (exponent == kExponentMax) {
        if ((significand << 1) == 0)
            magnitude = std::numeric_limits<long double>::infinity();
        else
            return std::numeric_limits<long double>::quiet_NaN();
    } else if (exponent == 0) {
        magnitude = std::ldexp(fromUInt64(significand), 1 - kExponentBias - 63);
    } else if ((significand & kIntegerBit) == 0) {
        return std::numeric_limits<long double>::quiet_NaN(); // unnormal
    } else {
        magnitude = std::ldexp(fromUInt64(significand), exponent - kExponentBias - 63);
    }
    return negative ? -magnitude : magnitude;
}

void putInt32(std::uint8_t* at, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::int32_t getInt32(const std::uint8_t* at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | at[i];
    return static_cast<std::int32_t>(v);
}

void putUInt16(std::uint8_t* at, std::uint16_t value)
{
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t getUInt16(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

void putDouble(std::uint8_t* at, double value)
{
    static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

double getDouble(const std::uint8_t* at)
{
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | at[i];
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string getShortString(const std::uint8_t* at, std::size_t capacity, CodePage codePage)
{
    std::size_t length = at[0];
    if (length > capacity)
        length = capacity;
    return toUtf8(std::string_view(reinterpret_cast<const char*>(at + 1), length), codePage);
}

void putShortString(std::uint8_t* at, std::size_t capacity, std::string_view text, CodePage codePage)
{
    std::string bytes = fromUtf8(text, codePage);
    if (bytes.size() > capacity)
        bytes.resize(capacity);
    if (capacity > 255 && bytes.size() > 255)
        bytes.resize(255);
    std::memset(at, 0, capacity + 1);
    at[0] = static_cast<std::uint8_t>(bytes.size());
    std::memcpy(at + 1, bytes.data(), bytes.size());
}

} // namespace velor
