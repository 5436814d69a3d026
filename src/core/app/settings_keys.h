// The table of the settings store: its 21 groups and every key with its type, default and
// write-back rule, in one place.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace velor {

/// The groups below the settings root, in their documented order.
enum class SettingsGroupId
{
    UnitsInput,          ///< Units\Calculations\Input: unit indexes of the Parameters page
    UnitsOutput,         ///< Units\Calculations\Output: result, more-results and fluid-reference units
    UnitsFluids,         ///< Units\Fluids: last fluids and the fluid editors' units
    UnitsFluidsTable,    ///< Units\Fluids Table: holds no values
    DecimalsCalc,        ///< Settings\DecimalPoint\Calculations
    DecimalsFluids,      ///< Settings\DecimalPoint\Fluids
    DecimalsPrint,       ///< Settings\DecimalPoint\Printouts
    DecimalsFluidsTable, ///< Settings\DecimalPoint\Fluids Table: holds no values
    ProjectContact,      ///< Project\Contact: Prepared-by person and project-name initial
    Language,            ///< Settings\Language
    Location,            ///< Location
    PrintUnits,          ///< Settings\Printouts\TechData\Units: units of the technical data sheets
    Data,                ///< Data: the last duty (floats, base units)
    Device,              ///< Settings\Device: tube/shell sides and automatic calculation
    Printouts,           ///< Settings\Printouts: calculation sheet variant
    Project,             ///< Settings\Project: folder of the last saved project
    Report,              ///< Settings\Report: folder of the last saved report
    WindowState,         ///< Settings\WindowState
    Fonts,               ///< Settings\Fonts: screen font and the six font slots
    MaterialStandard,    ///< Settings\Printouts\TechData\MatStd
    PrintContact,        ///< Settings\Printouts\Contact
};

inline constexpr int kSettingsGroupCount = 21;

enum class SettingType
{
    Integer,
    String,
    Float,
};

/// Defaults that are not a constant.
enum class DynamicDefault
{
    None,
    ProjectsFolder, ///< the folder "Projects" beside the program
    ReportsFolder,  ///< the folder "Reports" beside the program
    ScreenCharset,  ///< the stored `ScrFCharset` (itself default 1)
};

/// One named value of a group (always in section "Defaults").
struct SettingKey
{
    SettingsGroupId group;
    std::string_view name;
    SettingType type;
    int intDefault = 0;             ///< Integer keys
    double floatDefault = 0.0;      ///< Float keys
    std::string_view textDefault{}; ///< String keys
    bool writeBack = false;         ///< stored with its default when read missing or empty
    DynamicDefault dynamicDefault = DynamicDefault::None;
};

/// The path of a group relative to the root, with backslashes ("Units\Calculations\Input").
std::string_view settingsGroupPath(SettingsGroupId id);
/// All groups in order.
std::span<const SettingsGroupId> allSettingsGroups();
/// The group whose path equals `path` without regard to letter case ('/' accepted for '\').
std::optional<SettingsGroupId> settingsGroupFromPath(std::string_view path);

/// Every key of every group, grouped by group in the documented order.
std::span<const SettingKey> allSettingKeys();
/// The keys of one group (empty for the two groups that hold no values).
std::span<const SettingKey> settingKeys(SettingsGroupId group);
/// The key of `group` named `name` without regard to letter case; nullptr when there is none.
const SettingKey* findSettingKey(SettingsGroupId group, std::string_view name);

} // namespace velor
