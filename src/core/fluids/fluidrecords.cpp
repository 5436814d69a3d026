// Field-by-field codecs of the fluid database records.
#include "fluids/fluidrecords.h"

namespace velor {
namespace {

template<typename Rec, typename Encode>
Bytes encodeAll(const std::vector<Rec>& recs, std::size_t size, Encode encode)
{
    Bytes bytes(recs.size() * size, 0);
    for (std::size_t i = 0; i < recs.size(); ++i)
        encode(recs[i], bytes.data() + i * size);
    return bytes;
}

// A property point is the key followed by six extended reals, temperature first, ten bytes each.
template<typename Rec>
using PropFields = std::array<long double Rec::*, 6>;

constexpr PropFields<TLiquidPropRec> kLiquidPropFields{
    &TLiquidPropRec::temperature,  &TLiquidPropRec::pressure,     &TLiquidPropRec::density,
    &TLiquidPropRec::heatCapacity, &TLiquidPropRec::conductivity, &TLiquidPropRec::viscosity};
constexpr PropFields<TVaporPropRec> kVaporPropFields{
    &TVaporPropRec::temperature,  &TVaporPropRec::pressure,     &TVaporPropRec::latentHeat,
    &TVaporPropRec::heatCapacity, &TVaporPropRec::conductivity, &TVaporPropRec::viscosity};

template<typename Rec>
void encodePropRec(const Rec& rec, const PropFields<Rec>& fields, std::uint8_t* at)
{
    putInt32(at + 0, rec.key);
    for (std::size_t i = 0; i < fields.size(); ++i)
        putExtended(at + 4 + 10 * i, rec.*fields[i]);
}

template<typename Rec>
Rec decodePropRec(const PropFields<Rec>& fields, const std::uint8_t* at)
{
    Rec rec;
    rec.key = getInt32(at + 0);
    for (std::size_t i = 0; i < fields.size(); ++i)
        rec.*fields[i] = getExtended(at + 4 + 10 * i);
    return rec;
}

} // namespace

void encodeLiquidRec(const TLiquidRec& rec, std::uint8_t* at, CodePage codePage)
{
    putInt32(at + 0, rec.key);
    putShortString(at + 4, kFluidNameCapacity, rec.name, codePage);
    putBool(at + 105, rec.waterSolution);
    putExtended(at + 106, rec.concentration);
}

TLiquidRec decodeLiquidRec(const std::uint8_t* at, CodePage codePage)
{
    TLiquidRec rec;
    rec.key = getInt32(at + 0);
    rec.name = getShortString(at + 4, kFluidNameCapacity, codePage);
    rec.waterSolution = getBool(at + 105);
    rec.concentration = getExtended(at + 106);
    return rec;
}

void encodeVaporRec(const TVaporRec& rec, std::uint8_t* at, CodePage codePage)
{
    putInt32(at + 0, rec.key);
    putInt32(at + 4, rec.condensateKey);
    putShortString(at + 8, kFluidNameCapacity, rec.name, codePage);
    putExtended(at + 109, rec.molecularWeight);
    putExtended(at + 119, rec.criticalTemperature);
    putExtended(at + 129, rec.criticalPressure);
}

TVaporRec decodeVaporRec(const std::uint8_t* at, CodePage codePage)
{
    TVaporRec rec;
    rec.key = getInt32(at + 0);
    rec.condensateKey = getInt32(at + 4);
    rec.name = getShortString(at + 8, kFluidNameCapacity, codePage);
    rec.molecularWeight = getExtended(at + 109);
    rec.criticalTemperature = getExtended(at + 119);
    rec.criticalPressure = getExtended(at + 129);
    return rec;
}

void encodeLiquidPropRec(const TLiquidPropRec& rec, std::uint8_t* at)
{
    encodePropRec(rec, kLiquidPropFields, at);
}

TLiquidPropRec decodeLiquidPropRec(const std::uint8_t* at)
{
    return decodePropRec(kLiquidPropFields, at);
}

void encodeVaporPropRec(const TVaporPropRec& rec, std::uint8_t* at)
{
    encodePropRec(rec, kVaporPropFields, at);
}

TVaporPropRec decodeVaporPropRec(const std::uint8_t* at)
{
    return decodePropRec(kVaporPropFields, at);
}

void encodeSteamFactorRec(const TSteamFactorRec& rec, std::uint8_t* at)
{
    putInt32(at + 0, rec.index);
    putExtended(at + 4, rec.temperature);
    for (std::size_t i = 0; i < rec.factors.size(); ++i)
        putExtended(at + 14 + 10 * i, rec.factors[i]);
}

TSteamFactorRec decodeSteamFactorRec(const std::uint8_t* at)
{
    TSteamFactorRec rec;
    rec.index = getInt32(at + 0);
    rec.temperature = getExtended(at + 4);
    for (std::size_t i = 0; i < rec.factors.size(); ++i)
        rec.factors[i] = getExtended(at + 14 + 10 * i);
    return rec;
}

Bytes encodeLiquidRecs(const std::vector<TLiquidRec>& recs, CodePage codePage)
{
    return encodeAll(recs, kLiquidRecSize,
                     [codePage](const TLiquidRec& r, std::uint8_t* at) { encodeLiquidRec(r, at, codePage); });
}

Bytes encodeVaporRecs(const std::vector<TVaporRec>& recs, CodePage codePage)
{
    return encodeAll(recs, kVaporRecSize,
                     [codePage](const TVaporRec& r, std::uint8_t* at) { encodeVaporRec(r, at, codePage); });
}

Bytes encodeLiquidPropRecs(const std::vector<TLiquidPropRec>& recs)
{
    return encodeAll(recs, kLiquidPropRecSize, encodeLiquidPropRec);
}

Bytes encodeVaporPropRecs(const std::vector<TVaporPropRec>& recs)
{
    return encodeAll(recs, kVaporPropRecSize, encodeVaporPropRec);
}

Bytes encodeSteamFactorRecs(const std::vector<TSteamFactorRec>& recs)
{
    return encodeAll(recs, kSteamFactorRecSize, encodeSteamFactorRec);
}

} // namespace velor
