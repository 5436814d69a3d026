// Size record codec, value names and side-addressed accessors.
#include "catalogue/sizerecord.h"

#include <array>
#include <cassert>

namespace velor {
namespace {

constexpr std::size_t kIdOffset = 0;
constexpr std::size_t kNameOffset = 4;

std::size_t idx(SizeValue v)
{
    return static_cast<std::size_t>(v);
}

// Interleaved pairs (tube at even, shell at odd offset from the first tube value).
std::size_t sided(SizeValue firstTube, Side side, int k)
{
    return idx(firstTube) + 2 * static_cast<std::size_t>(k - 1) + static_cast<std::size_t>(side);
}

std::array<std::string, kSizeValueCount> buildNames()
{
    std::array<std::string, kSizeValueCount> n;
    const char* fixed[] = {"Aux1", "DhTube",       "Wall",          "DhShell",      "Aux2",
                           "Aux3", "FlowAreaTube", "FlowAreaShell", "ConnAreaTube", "ConnAreaShell"};
    for (std::size_t i = 0; i < 10; ++i)
        n[i] = fixed[i];
    const char* sides[] = {"Tube", "Shell"};
    for (int k = 1; k <= 3; ++k)
        for (int s = 0; s < 2; ++s)
            n[sided(SizeValue::ReDpTube1, Side(s), k)] = std::string("ReDp") + sides[s] + std::to_string(k);
    n[idx(SizeValue::DpFactorTube)] = "DpFactorTube";
    n[idx(SizeValue::DpFactorShell)] = "DpFactorShell";
    for (int k = 1; k <= 4; ++k)
        for (int s = 0; s < 2; ++s) {
            n[sided(SizeValue::DpKTube1, Side(s), k)] = std::string("DpK") + sides[s] + std::to_string(k);
            n[sided(SizeValue::DpExpTube1, Side(s), k)] = std::string("DpExp") + sides[s] + std::to_string(k);
        }
    n[idx(SizeValue::ZetaTube)] = "ZetaTube";
    n[idx(SizeValue::ZetaShell)] = "ZetaShell";
    n[idx(SizeValue::DpArea)] = "DpArea";
    n[idx(SizeValue::Aux4)] = "Aux4";
    const char* coef[] = {"HtA", "HtB", "HtC", "HtD"};
    for (int r = 1; r <= kHeatTransferRanges; ++r)
        for (int s = 0; s < 2; ++s)
            for (int c = 0; c < 4; ++c)
                n[heatTransferIndex(r, Side(s), HtCoefficient(c))] =
                    std::string(coef[c]) + sides[s] + std::to_string(r);
    for (int k = 1; k <= 4; ++k) {
        n[idx(SizeValue::ReHtTube1) + static_cast<std::size_t>(k - 1)] = "ReHtTube" + std::to_string(k);
        n[idx(SizeValue::ReHtShell1) + static_cast<std::size_t>(k - 1)] = "ReHtShell" + std::to_string(k);
    }
    n[idx(SizeValue::AreaUnit)] = "AreaUnit";
    return n;
}

} // namespace

std::string_view sizeValueName(std::size_t k)
{
    static const std::array<std::string, kSizeValueCount> names = buildNames();
    return k < names.size() ? std::string_view(names[k]) : std::string_view();
}

long double TSizeRecord::Dh(Side side) const
{
    return value(side == Side::Tube ? SizeValue::DhTube : SizeValue::DhShell);
}

long double TSizeRecord::FlowArea(Side side) const
{
    return value(side == Side::Tube ? SizeValue::FlowAreaTube : SizeValue::FlowAreaShell);
}

long double TSizeRecord::ConnArea(Side side) const
{
    return value(side == Side::Tube ? SizeValue::ConnAreaTube : SizeValue::ConnAreaShell);
}

long double TSizeRecord::DpFactor(Side side) const
{
    return value(side == Side::Tube ? SizeValue::DpFactorTube : SizeValue::DpFactorShell);
}

long double TSizeRecord::Zeta(Side side) const
{
    return value(side == Side::Tube ? SizeValue::ZetaTube : SizeValue::ZetaShell);
}

long double TSizeRecord::ReDp(Side side, int k) const
{
    assert(k >= 1 && k <= kPressureDropRanges - 1);
    return Values.at(sided(SizeValue::ReDpTube1, side, k));
}

long double TSizeRecord::DpK(Side side, int range) const
{
    assert(range >= 1 && range <= kPressureDropRanges);
    return Values.at(sided(SizeValue::DpKTube1, side, range));
}

long double TSizeRecord::DpExp(Side side, int range) const
{
    assert(range >= 1 && range <= kPressureDropRanges);
    return Values.at(sided(SizeValue::DpExpTube1, side, range));
}

long double TSizeRecord::ReHt(Side side, int k) const
{
    assert(k >= 1 && k <= kHeatTransferRanges - 1);
    const SizeValue first = side == Side::Tube ? SizeValue::ReHtTube1 : SizeValue::ReHtShell1;
    return Values.at(idx(first) + static_cast<std::size_t>(k - 1));
}

bool TSizeRecord::ratingValuesPositive() const
{
    for (std::size_t k = 0; k < kSizeValueCount; ++k) {
        if (k >= idx(SizeValue::ReHtTube1) && k <= idx(SizeValue::ReHtShell4))
            continue; // the heat-transfer Reynolds limits are not checked
        if (!(Values[k] > 0))
            return false;
    }
    return true;
}

TSizeRecord TSizeRecord::notFound()
{
    TSizeRecord r;
    r.Id = -1;
    return r;
}

TSizeRecord decodeSizeRecord(const std::uint8_t* at, CodePage codePage)
{
    TSizeRecord r;
    r.Id = getInt32(at + kIdOffset);
    r.Name = getShortString(at + kNameOffset, kSizeNameCapacity, codePage);
    for (std::size_t k = 0; k < kSizeValueCount; ++k)
        r.Values[k] = getExtended(at + sizeValueOffset(k));
    return r;
}

Bytes encodeSizeRecord(const TSizeRecord& record, CodePage codePage)
{
    Bytes b(kSizeRecordSize, 0);
    putInt32(b.data() + kIdOffset, record.Id);
    putShortString(b.data() + kNameOffset, kSizeNameCapacity, record.Name, codePage);
    for (std::size_t k = 0; k < kSizeValueCount; ++k)
        putExtended(b.data() + sizeValueOffset(k), record.Values[k]);
    return b;
}

} // namespace velor
