// The table of the 30 exchanger types in their fixed order.
#include "catalogue/exchangertypes.h"

#include <array>

namespace velor {
namespace {

using F = ExchangerFamily;

// Fixed order: PG55 and PG55-2 come after PH90-2.
constexpr std::array<ExchangerType, kExchangerTypeCount> kTypes{{
    {"M", "M.dat", F::ShellAndTube, true},        {"GT", "GT.dat", F::ShellAndTube, false},
    {"GV", "GV.dat", F::ShellAndTube, false},     {"ND", "ND.dat", F::ShellAndCoil, true},
    {"T", "T.dat", F::ShellAndCoil, true},        {"TD", "TD.dat", F::ShellAndCoil, true},
    {"TW", "TW.dat", F::ShellAndCoil, true},      {"TWD", "TWD.dat", F::ShellAndCoil, true},
    {"RUV", "RUV.dat", F::ShellAndCoil, true},    {"RUV D", "RUVD.dat", F::ShellAndCoil, true},
    {"RUV W", "RUVW.dat", F::ShellAndCoil, true}, {"RUV WD", "RUVWD.dat", F::ShellAndCoil, true},
    {"E12", "E12.dat", F::Plate, false},          {"E57", "E57.dat", F::Plate, false},
    {"PF10", "PF10.dat", F::BrazedPlate, true},   {"PF10-2", "PF10-2.dat", F::BrazedPlate, true},
    {"PF20", "PF20.dat", F::BrazedPlate, true},   {"PF20-2", "PF20-2.dat", F::BrazedPlate, true},
    {"PF30", "PF30.dat", F::BrazedPlate, true},   {"PF30-2", "PF30-2.dat", F::BrazedPlate, true},
    {"PG25", "PG25.dat", F::BrazedPlate, true},   {"PG25-2", "PG25-2.dat", F::BrazedPlate, true},
    {"PG40", "PG40.dat", F::BrazedPlate, true},   {"PG40-2", "PG40-2.dat", F::BrazedPlate, true},
    {"PH90", "PH90.dat", F::BrazedPlate, true},   {"PH90-2", "PH90-2.dat", F::BrazedPlate, true},
    {"PG55", "PG55.dat", F::BrazedPlate, true},   {"PG55-2", "PG55-2.dat", F::BrazedPlate, true},
    {"PH150", "PH150.dat", F::BrazedPlate, true}, {"PH150-2", "PH150-2.dat", F::BrazedPlate, true},
}};

} // namespace

std::span<const ExchangerType> exchangerTypes()
{
    return kTypes;
}

const ExchangerType* findExchangerType(std::string_view code)
{
    for (const ExchangerType& t : kTypes)
        if (t.code == code)
            return &t;
    return nullptr;
}

const ExchangerType* findExchangerTypeByFile(std::string_view file)
{
    for (const ExchangerType& t : kTypes)
        if (t.file == file)
            return &t;
    return nullptr;
}

std::optional<int> exchangerTypeIndex(std::string_view code)
{
    for (std::size_t i = 0; i < kTypes.size(); ++i)
        if (kTypes[i].code == code)
            return static_cast<int>(i);
    return std::nullopt;
}

int tubularFlag(ExchangerFamily family)
{
    return family == ExchangerFamily::ShellAndTube || family == ExchangerFamily::ShellAndCoil ? 1 : 0;
}

std::string_view familyCaption(ExchangerFamily family)
{
    switch (family) {
    case ExchangerFamily::ShellAndTube:
        return "Shell & Tube";
    case ExchangerFamily::ShellAndCoil:
        return "Shell & Coil";
    case ExchangerFamily::BrazedPlate:
        return "Brazed Plate";
    case ExchangerFamily::Plate:
        break;
    }
    return {};
}

std::string catalogueFileName(std::string_view code)
{
    std::string name;
    for (char c : code)
        if (c != ' ')
            name += c;
    return name + ".dat";
}

} // namespace velor
