// The groups and keys of the settings store with their types and defaults.
#include "app/settings_keys.h"

#include "app/settings.h"

#include <algorithm>
#include <array>

namespace velor {
namespace {

using G = SettingsGroupId;
using T = SettingType;

struct GroupPath
{
    SettingsGroupId id;
    std::string_view path;
};

constexpr std::array<GroupPath, kSettingsGroupCount> kGroups{{
    {G::UnitsInput, "Units\\Calculations\\Input"},
    {G::UnitsOutput, "Units\\Calculations\\Output"},
    {G::UnitsFluids, "Units\\Fluids"},
    {G::UnitsFluidsTable, "Units\\Fluids Table"},
    {G::DecimalsCalc, "Settings\\DecimalPoint\\Calculations"},
    {G::DecimalsFluids, "Settings\\DecimalPoint\\Fluids"},
    {G::DecimalsPrint, "Settings\\DecimalPoint\\Printouts"},
    {G::DecimalsFluidsTable, "Settings\\DecimalPoint\\Fluids Table"},
    {G::ProjectContact, "Project\\Contact"},
    {G::Language, "Settings\\Language"},
    {G::Location, "Location"},
    {G::PrintUnits, "Settings\\Printouts\\TechData\\Units"},
    {G::Data, "Data"},
    {G::Device, "Settings\\Device"},
    {G::Printouts, "Settings\\Printouts"},
    {G::Project, "Settings\\Project"},
    {G::Report, "Settings\\Report"},
    {G::WindowState, "Settings\\WindowState"},
    {G::Fonts, "Settings\\Fonts"},
    {G::MaterialStandard, "Settings\\Printouts\\TechData\\MatStd"},
    {G::PrintContact, "Settings\\Printouts\\Contact"},
}};

constexpr std::array<SettingsGroupId, kSettingsGroupCount> kGroupIds = [] {
    std::array<SettingsGroupId, kSettingsGroupCount> ids{};
    for (std::size_t i = 0; i < ids.size(); ++i)
        ids[i] = kGroups[i].id;
    return ids;
}();

// Every key, grouped by group in the order of kGroups (settingKeys() relies on it).
// Integers of the unit groups are positions in the unit lists; floats of "Data" are the last
// duty in base units (kW, deg.C, kPa, m2K/kW; MinOversize in percent).
constexpr SettingKey kKeys[] = {
    // Units\Calculations\Input
    {G::UnitsInput, "Capacity", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "FoulingFactor", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "InletTemp_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "OutletTemp_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "InletTemp_ColdSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "OutletTemp_ColdSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "InletPress_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "InletPress_ColdSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "MassFlow_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "MassFlow_ColdSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "InletVolumeFlow_HotSide", T::Integer, 2, 0.0, {}},
    {G::UnitsInput, "OutletVolumeFlow_HotSide", T::Integer, 2, 0.0, {}},
    {G::UnitsInput, "InletVolumeFlow_ColdSide", T::Integer, 2, 0.0, {}},
    {G::UnitsInput, "OutletVolumeFlow_ColdSide", T::Integer, 2, 0.0, {}},
    {G::UnitsInput, "MinPressDrop_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "MaxPressDrop_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "MinPressDrop_ColdSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "MaxPressDrop_ColdSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "VCInletTemp_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "VCOutletTemp_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "VCInletPress_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "VCMassFlow_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsInput, "VCInletVolumeFlow_HotSide", T::Integer, 2, 0.0, {}},
    {G::UnitsInput, "VCOutletVolumeFlow_HotSide", T::Integer, 2, 0.0, {}},
    {G::UnitsInput, "UnitsStandard", T::Integer, 0, 0.0, {}},
    // Units\Calculations\Output
    {G::UnitsOutput, "CalcCapacity", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcFoulingFactor", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcHTA", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcOHTC", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcOHTCFoul", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcLMTD", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcPressDrop_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcPressDrop_ColdSide", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcInletTemp_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcOutletTemp_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcInletTemp_ColdSide", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcOutletTemp_ColdSide", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcInletPress_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcInletPress_ColdSide", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcMassFlow_HotSide", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcMassFlow_ColdSide", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "CalcInletVolumeFlow_HotSide", T::Integer, 2, 0.0, {}},
    {G::UnitsOutput, "CalcOutletVolumeFlow_HotSide", T::Integer, 2, 0.0, {}},
    {G::UnitsOutput, "CalcInletVolumeFlow_ColdSide", T::Integer, 2, 0.0, {}},
    {G::UnitsOutput, "CalcOutletVolumeFlow_ColdSide", T::Integer, 2, 0.0, {}},
    {G::UnitsOutput, "InVelConHS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "OutVelConHS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "VelTubeSpHS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "AlphaTubeSpHS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "InVelConCS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "OutVelConCS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "VelTubeSpCS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "AlphaTubeSpCS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "UnitsStandardOR", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidPressHS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidPressCS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidRefTempHS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidRefTempCS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidDensityHS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidDensityCS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidHeatCapHS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidHeatCapCS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidCondHS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidCondCS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidDynViscHS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "FluidDynViscCS", T::Integer, 0, 0.0, {}},
    {G::UnitsOutput, "UnitsStandardFC", T::Integer, 0, 0.0, {}},
    // Units\Fluids
    {G::UnitsFluids, "LiquidHS", T::String, 0, 0.0, "Water", true},
    {G::UnitsFluids, "LiquidCS", T::String, 0, 0.0, "Water", true},
    {G::UnitsFluids, "VaporHS", T::String, 0, 0.0, "Saturated steam", true},
    {G::UnitsFluids, "LiquidTemp", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "LiquidPress", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "LiquidDensity", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "LiquidHeatCap", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "LiquidCond", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "LiquidDynVisc", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "VaporCrPress", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "VaporCrTemp", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "VaporTemp", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "VaporPress", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "VaporLatHeat", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "VaporHeatCap", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "VaporCond", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "VaporDynVisc", T::Integer, 0, 0.0, {}},
    {G::UnitsFluids, "UnitsStandard", T::Integer, 0, 0.0, {}},
    // Units\Fluids Table
    // Settings\DecimalPoint\Calculations
    {G::DecimalsCalc, "OptionCalc", T::Integer, 2, 0.0, {}},
    {G::DecimalsCalc, "AllCalc", T::Integer, 2, 0.0, {}},
    {G::DecimalsCalc, "CapacityCalc", T::Integer, 2, 0.0, {}},
    {G::DecimalsCalc, "TempCalc", T::Integer, 2, 0.0, {}},
    {G::DecimalsCalc, "PressCalc", T::Integer, 2, 0.0, {}},
    {G::DecimalsCalc, "DropPressCalc", T::Integer, 2, 0.0, {}},
    {G::DecimalsCalc, "FlowCalc", T::Integer, 6, 0.0, {}},
    {G::DecimalsCalc, "OversurfCalc", T::Integer, 0, 0.0, {}},
    {G::DecimalsCalc, "FoulFactCalc", T::Integer, 0, 0.0, {}},
    {G::DecimalsCalc, "HTACalc", T::Integer, 1, 0.0, {}},
    {G::DecimalsCalc, "OHTCCalc", T::Integer, 2, 0.0, {}},
    {G::DecimalsCalc, "AlphaCalc", T::Integer, 2, 0.0, {}},
    {G::DecimalsCalc, "ReynNoCalc", T::Integer, 0, 0.0, {}},
    {G::DecimalsCalc, "NussNoCalc", T::Integer, 0, 0.0, {}},
    {G::DecimalsCalc, "VelocityCalc", T::Integer, 2, 0.0, {}},
    {G::DecimalsCalc, "NTUCalc", T::Integer, 0, 0.0, {}},
    // Settings\DecimalPoint\Fluids
    {G::DecimalsFluids, "OptionFluids", T::Integer, 2, 0.0, {}},
    {G::DecimalsFluids, "AllFluids", T::Integer, 2, 0.0, {}},
    {G::DecimalsFluids, "TempFluids", T::Integer, 2, 0.0, {}},
    {G::DecimalsFluids, "PressFluids", T::Integer, 2, 0.0, {}},
    {G::DecimalsFluids, "MolWeightFluids", T::Integer, 2, 0.0, {}},
    {G::DecimalsFluids, "DensityFluids", T::Integer, 4, 0.0, {}},
    {G::DecimalsFluids, "LatHeatFluids", T::Integer, 4, 0.0, {}},
    {G::DecimalsFluids, "HeatCapFluids", T::Integer, 4, 0.0, {}},
    {G::DecimalsFluids, "ConductFluids", T::Integer, 4, 0.0, {}},
    {G::DecimalsFluids, "DynViscFluids", T::Integer, 4, 0.0, {}},
    {G::DecimalsFluids, "PrandNoFluids", T::Integer, 0, 0.0, {}},
    {G::DecimalsFluids, "ConcentrFluids", T::Integer, 0, 0.0, {}},
    // Settings\DecimalPoint\Printouts
    {G::DecimalsPrint, "OptionPrint", T::Integer, 2, 0.0, {}},
    {G::DecimalsPrint, "AllPrint", T::Integer, 1, 0.0, {}},
    {G::DecimalsPrint, "TempPrint", T::Integer, 0, 0.0, {}},
    {G::DecimalsPrint, "PressPrint", T::Integer, 1, 0.0, {}},
    {G::DecimalsPrint, "LengthPrint", T::Integer, 0, 0.0, {}},
    {G::DecimalsPrint, "AreaPrint", T::Integer, 1, 0.0, {}},
    {G::DecimalsPrint, "VolPrint", T::Integer, 1, 0.0, {}},
    {G::DecimalsPrint, "WeightPrint", T::Integer, 1, 0.0, {}},
    // Settings\DecimalPoint\Fluids Table
    // Project\Contact
    {G::ProjectContact, "ContactPerson", T::String, 0, 0.0, ""},
    {G::ProjectContact, "Initial", T::String, 0, 0.0, ""},
    // Settings\Language
    {G::Language, "Language", T::String, 0, 0.0, "English", true},
    // Location
    {G::Location, "Location", T::String, 0, 0.0, "Poland"},
    // Settings\Printouts\TechData\Units
    {G::PrintUnits, "PressPrintUnit", T::Integer, 3, 0.0, {}},
    {G::PrintUnits, "TempPrintUnit", T::Integer, 0, 0.0, {}},
    {G::PrintUnits, "LengthPrintUnit", T::Integer, 0, 0.0, {}},
    {G::PrintUnits, "AreaPrintUnit", T::Integer, 0, 0.0, {}},
    {G::PrintUnits, "VolPrintUnit", T::Integer, 0, 0.0, {}},
    {G::PrintUnits, "WeightPrintUnit", T::Integer, 0, 0.0, {}},
    {G::PrintUnits, "UnitsStandard", T::Integer, 4, 0.0, {}},
    // Data
    {G::Data, "ActivePage", T::Float, 0, 0.0, {}},
    {G::Data, "ActivePageHS", T::Float, 0, 0.0, {}},
    {G::Data, "ActiveTubesS", T::Float, 0, 1.0, {}},
    {G::Data, "ActiveShellS", T::Float, 0, 1.0, {}},
    {G::Data, "MinOversize", T::Float, 0, 0.0, {}},
    {G::Data, "FoulFactor", T::Float, 0, 0.0, {}},
    {G::Data, "Capacity", T::Float, 0, 200.0, {}},
    {G::Data, "PressHS", T::Float, 0, 100.0, {}},
    {G::Data, "VCPressHS", T::Float, 0, 100.0, {}},
    {G::Data, "PressCS", T::Float, 0, 100.0, {}},
    {G::Data, "InTempHS", T::Float, 0, 120.0, {}},
    {G::Data, "OutTempHS", T::Float, 0, 75.0, {}},
    {G::Data, "VCInTempHS", T::Float, 0, 150.0, {}},
    {G::Data, "VCOutTempHS", T::Float, 0, 90.0, {}},
    {G::Data, "InTempCS", T::Float, 0, 70.0, {}},
    {G::Data, "OutTempCS", T::Float, 0, 90.0, {}},
    {G::Data, "MinPressDropHS", T::Float, 0, 0.0, {}},
    {G::Data, "MaxPressDropHS", T::Float, 0, 25.0, {}},
    {G::Data, "MinPressDropCS", T::Float, 0, 0.0, {}},
    {G::Data, "MaxPressDropCS", T::Float, 0, 25.0, {}},
    // Settings\Device
    {G::Device, "HotSide", T::String, 0, 0.0, "Tubes", true},
    {G::Device, "ColdSide", T::String, 0, 0.0, "Shell", true},
    {G::Device, "AutoCalc", T::String, 0, 0.0, "Yes", true},
    // Settings\Printouts
    {G::Printouts, "Printout", T::String, 0, 0.0, "Standard"},
    // Settings\Project
    {G::Project, "Path", T::String, 0, 0.0, "", false, DynamicDefault::ProjectsFolder},
    // Settings\Report
    {G::Report, "Path", T::String, 0, 0.0, "", false, DynamicDefault::ReportsFolder},
    // Settings\WindowState
    {G::WindowState, "WindowState", T::String, 0, 0.0, "Normal"},
    // Settings\Fonts
    {G::Fonts, "ScrFName", T::String, 0, 0.0, "MS Sans Serif"},
    {G::Fonts, "ScrFSize", T::Integer, 8, 0.0, {}},
    {G::Fonts, "ScrFCharset", T::Integer, 1, 0.0, {}},
    {G::Fonts, "ScrFStyle", T::String, 0, 0.0, ""},
    {G::Fonts, "MainProgF", T::String, 0, 0.0, "Automatic"},
    {G::Fonts, "MainProgFName", T::String, 0, 0.0, "MS Sans Serif"},
    {G::Fonts, "MainProgFSize", T::Integer, 8, 0.0, {}},
    {G::Fonts, "MainProgFCharset", T::Integer, 1, 0.0, {}, false, DynamicDefault::ScreenCharset},
    {G::Fonts, "MainProgFStyle", T::String, 0, 0.0, ""},
    {G::Fonts, "PrintTF", T::String, 0, 0.0, "Automatic"},
    {G::Fonts, "PrintTFName", T::String, 0, 0.0, "Courier New"},
    {G::Fonts, "PrintTFSize", T::Integer, 16, 0.0, {}},
    {G::Fonts, "PrintTFCharset", T::Integer, 1, 0.0, {}, false, DynamicDefault::ScreenCharset},
    {G::Fonts, "PrintTFStyle", T::String, 0, 0.0, ""},
    {G::Fonts, "SectTF", T::String, 0, 0.0, "Automatic"},
    {G::Fonts, "SectTFName", T::String, 0, 0.0, "Courier New"},
    {G::Fonts, "SectTFSize", T::Integer, 10, 0.0, {}},
    {G::Fonts, "SectTFCharset", T::Integer, 1, 0.0, {}, false, DynamicDefault::ScreenCharset},
    {G::Fonts, "SectTFStyle", T::String, 0, 0.0, ""},
    {G::Fonts, "HeatExchTF", T::String, 0, 0.0, "Automatic"},
    {G::Fonts, "HeatExchTFName", T::String, 0, 0.0, "Courier New"},
    {G::Fonts, "HeatExchTFSize", T::Integer, 20, 0.0, {}},
    {G::Fonts, "HeatExchTFCharset", T::Integer, 1, 0.0, {}, false, DynamicDefault::ScreenCharset},
    {G::Fonts, "HeatExchTFStyle", T::String, 0, 0.0, ""},
    {G::Fonts, "ParamNF", T::String, 0, 0.0, "Automatic"},
    {G::Fonts, "ParamNFName", T::String, 0, 0.0, "Arial"},
    {G::Fonts, "ParamNFSize", T::Integer, 9, 0.0, {}},
    {G::Fonts, "ParamNFCharset", T::Integer, 1, 0.0, {}, false, DynamicDefault::ScreenCharset},
    {G::Fonts, "ParamNFStyle", T::String, 0, 0.0, ""},
    {G::Fonts, "DataUnitsF", T::String, 0, 0.0, "Automatic"},
    {G::Fonts, "DataUnitsFName", T::String, 0, 0.0, "Courier New"},
    {G::Fonts, "DataUnitsFSize", T::Integer, 9, 0.0, {}},
    {G::Fonts, "DataUnitsFCharset", T::Integer, 1, 0.0, {}, false, DynamicDefault::ScreenCharset},
    {G::Fonts, "DataUnitsFStyle", T::String, 0, 0.0, ""},
    // Settings\Printouts\TechData\MatStd
    {G::MaterialStandard, "MatStd", T::String, 0, 0.0, "EN"},
    // Settings\Printouts\Contact
    {G::PrintContact, "Contact", T::String, 0, 0.0, "Poland"},
};

} // namespace

std::string_view settingsGroupPath(SettingsGroupId id)
{
    return kGroups[static_cast<std::size_t>(id)].path;
}

std::span<const SettingsGroupId> allSettingsGroups()
{
    return kGroupIds;
}

std::optional<SettingsGroupId> settingsGroupFromPath(std::string_view path)
{
    std::string normal(path);
    std::replace(normal.begin(), normal.end(), '/', '\\');
    while (!normal.empty() && normal.front() == '\\')
        normal.erase(normal.begin());
    while (!normal.empty() && normal.back() == '\\')
        normal.pop_back();
    for (const GroupPath& g : kGroups)
        if (equalNoCase(g.path, normal))
            return g.id;
    return std::nullopt;
}

std::span<const SettingKey> allSettingKeys()
{
    return kKeys;
}

std::span<const SettingKey> settingKeys(SettingsGroupId group)
{
    const auto first = std::find_if(std::begin(kKeys), std::end(kKeys),
                                    [group](const SettingKey& k) { return k.group == group; });
    const auto last =
        std::find_if(first, std::end(kKeys), [group](const SettingKey& k) { return k.group != group; });
    return {first, last};
}

const SettingKey* findSettingKey(SettingsGroupId group, std::string_view name)
{
    for (const SettingKey& k : settingKeys(group))
        if (equalNoCase(k.name, name))
            return &k;
    return nullptr;
}

} // namespace velor
