// The 30 exchanger types of the catalogue: code, catalogue file, family, tree node, fixed order.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velor {

/// The families the types belong to.
enum class ExchangerFamily
{
    ShellAndTube,
    ShellAndCoil,
    Plate,       ///< gasketed plates (E12, E57)
    BrazedPlate, ///< PF, PG, PH and their two-pass "-2" types
};

/// One exchanger type of the catalogue.
struct ExchangerType
{
    std::string_view code; ///< type code and caption of its tree node, e.g. "RUV D"
    std::string_view file; ///< catalogue file in "HeatExch": code + ".dat" with spaces removed
    ExchangerFamily family;
    bool inTree; ///< whether the type tree has a node for it (GT, GV, E12, E57 have none)
};

/// Number of exchanger types.
inline constexpr int kExchangerTypeCount = 30;

/// All types in the fixed order used wherever the program walks all types (loading the name
/// lists, running a calculation): M, GT, GV, ND, ..., PH90, PH90-2, PG55, PG55-2, PH150, PH150-2.
std::span<const ExchangerType> exchangerTypes();

/// The type with this code (exact, case-sensitive), or nullptr.
const ExchangerType* findExchangerType(std::string_view code);
/// The type whose catalogue file is `file` (e.g. "RUVD.dat"), or nullptr.
const ExchangerType* findExchangerTypeByFile(std::string_view file);
/// Position of the type in the fixed order (0 = M ... 29 = PH150-2), or nullopt for an unknown code.
std::optional<int> exchangerTypeIndex(std::string_view code);

/// The family flag `Tubular` of a result: 1 for shell-and-tube and shell-and-coil types, 0 for plates.
int tubularFlag(ExchangerFamily family);
inline int tubularFlag(const ExchangerType& type)
{
    return tubularFlag(type.family);
}

/// Caption of the family's node in the type tree ("Shell & Tube", "Shell & Coil", "Brazed Plate");
/// empty for the gasketed plates, which have no node.
std::string_view familyCaption(ExchangerFamily family);

/// Catalogue file name of a type code: the code without spaces, plus ".dat".
std::string catalogueFileName(std::string_view code);

} // namespace velor
