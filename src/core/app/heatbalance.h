// The duty of the Parameters page and its heat balance: field values in base units, driver marks,
// the property caches of both sides, the seven recalculations, the condenser saturation coupling,
// the hot-side switch, the tube/shell arrangement and the choice of fluids with their working copies.
#pragma once

#include "app/settings.h"
#include "catalogue/sizeselection.h"
#include "engine/run.h"
#include "fluids/fluidfiles.h"
#include "units/units.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velor {

/// The value fields of the duty, named after their controls.
enum class DutyField
{
    Capacity,          ///< heat load, kW
    Oversurfacing,     ///< min. oversizing, percent
    NoUnitsSeries,     ///< count
    NoUnitsParallel,   ///< count
    FoulingFactor,     ///< m2K/kW
    InletPressHSide,   ///< kPa
    InletTempHSide,    ///< deg.C
    MassFlowHSide,     ///< kg/s
    InletVolFlowHSide, ///< m3/s
    OutletTempHSide,   ///< deg.C
    OutletVolFlowHSide,
    MinPressDropHSide, ///< kPa
    MaxPressDropHSide,
    InletTempHSideVC,  ///< vapor inlet, deg.C
    InletPressHSideVC, ///< vapor inlet, kPa
    MassFlowHSideVC,   ///< kg/s
    InletVolFlowHSideVC,
    OutletTempHSideVC, ///< condensate, deg.C
    OutletVolFlowHSideVC,
    InletPressCSide,
    InletTempCSide,
    MassFlowCSide,
    InletVolFlowCSide,
    OutletTempCSide,
    OutletVolFlowCSide,
    MinPressDropCSide,
    MaxPressDropCSide,
};
inline constexpr int kDutyFieldCount = 27;

/// What one duty field is: its control name, quantity, base range and its settings keys.
struct DutyFieldInfo
{
    DutyField field;
    std::string_view control;         ///< object name of the value field
    std::optional<Quantity> quantity; ///< nullopt: a plain number without a unit box
    long double minValue;             ///< lower bound, base unit
    long double maxValue;             ///< upper bound, base unit
    std::string_view unitKey;         ///< "Units\Calculations\Input" key of its unit box, or empty
    std::string_view dataKey;         ///< "Data" key of the last duty, or empty (flows, counts)
    std::string_view precisionKey;    ///< decimals key ("CapacityCalc", ...)
    long double initialValue;         ///< base value of a new page
};

/// Every duty field in enum order.
std::span<const DutyFieldInfo> dutyFields();
const DutyFieldInfo& dutyFieldInfo(DutyField field);

/// The seven driver marks.
enum class Driver
{
    HeatLoad,
    MassFlowHot,
    MassFlowCold,
    InletVolumeHot,
    OutletVolumeHot,
    InletVolumeCold,
    OutletVolumeCold,
};
inline constexpr int kDriverCount = 7;

/// The mark a heat-load, mass-flow or volume-flow field drives; nullopt for any other field.
std::optional<Driver> driverOf(DutyField field);

/// One property cache entry: entry 0 is the inlet, entry 1 the outlet of a side.
struct TFluidProp
{
    std::string FluidName;       ///< fluid the entry was computed for (the vapor for the condenser)
    long double Temp = 0;        ///< deg.C
    long double Press = 0;       ///< kPa
    long double HeatCap = 0;     ///< kJ/kgK at (Temp, Press)
    long double Density = 0;     ///< kg/m3 at (Temp, Press)
    long double HeatCapMean = 0; ///< entry 0 only: kJ/kgK at the side's mean temperature
    bool valid = false;          ///< false until first filled (an empty entry matches nothing)
    // Key of HeatCapMean, kept apart from the inlet key so that the mean is never stale.
    std::string meanFluid;
    long double meanTemp = 0;
    long double meanPress = 0;
    bool meanValid = false;
    std::int32_t condensateKey = 0; ///< condenser entries: the condensate they were fetched with
};
using TFluidPropCache = std::array<TFluidProp, 2>;

/// Which fluid list.
enum class FluidList
{
    LiquidHot,
    LiquidCold,
    VaporHot,
};

/// The entries of a fluid drop-down list and its selection (−1: none).
struct FluidChoice
{
    TTableS names;
    int selected = -1;

    std::string selectedName() const
    {
        return selected >= 0 && selected < static_cast<int>(names.size())
                   ? names[static_cast<std::size_t>(selected)]
                   : std::string();
    }
};

/// Specific duty and densities of one side.
struct SideDuty
{
    long double h = 0;      ///< specific duty, kJ/kg
    long double rhoIn = 0;  ///< kg/m3
    long double rhoOut = 0; ///< kg/m3
};

/// The duty of the Parameters page. Holds every field as a base value; the view mirrors it.
///
/// Views forward user changes as `setValue` followed by `FieldChanged`; programmatic writes of
/// the balance reach the view through `onWrite`, and are never fed back. All property lookups
/// go to the working copies in the fluids folder.
class HeatBalance
{
public:
    /// `selection` (may be null) is kept in step with the duty and rechecked as the duty changes.
    HeatBalance(FluidFiles& files, Settings& settings, SizeSelection* selection = nullptr);

    // ---- Field values ----
    long double value(DutyField field) const { return m_values[index(field)]; }
    /// Stores a base value clamped to the field's range (equal bounds: no clamping), no events.
    void setValue(DutyField field, long double baseValue);
    /// Called for every value the balance writes (base value, already clamped).
    std::function<void(DutyField, long double)> onWrite;
    /// Called when a fluid list's entries or selection changed.
    std::function<void(FluidList)> onFluidListChanged;
    /// Called when the hot-side kind or the arrangement changed by the program (restore).
    std::function<void()> onSidesChanged;

    // ---- Marks ----
    bool driver(Driver d) const { return m_drivers[static_cast<std::size_t>(d)]; }
    void setDriver(Driver d, bool on) { m_drivers[static_cast<std::size_t>(d)] = on; }
    void clearDrivers();
    bool UnitChangeActive() const { return m_unitChangeActive; }
    void setUnitChangeActive(bool on) { m_unitChangeActive = on; }
    bool SatFromTemperatureActive() const { return m_satFromTemperature; }
    bool SatFromPressureActive() const { return m_satFromPressure; }

    // ---- Events ----
    /// A user change of a field (after `setValue`): the rules of the field's kind.
    void FieldChanged(DutyField field);
    /// A user change of the field's unit box (the field's base value is unchanged).
    void UnitBoxChanged(DutyField field);
    /// A unit-set preset being applied: every mark cleared, no recalculation until `EndPreset`.
    void BeginPreset();
    void EndPreset();

    // ---- The seven recalculations ----
    void CapacityChange();
    void MassFlowHotSideChange();
    void MassFlowColdSideChange();
    void InVolumeFlowHotSideChange();
    void OutVolumeFlowHotSideChange();
    void InVolumeFlowColdSideChange();
    void OutVolumeFlowColdSideChange();
    /// Writes a computed value: the field's mark is clear afterwards.
    void SetComputed(DutyField field, long double baseValue);

    // ---- Hot side and arrangement ----
    HotSideKind hotSide() const { return m_hotSide; }
    /// The switch of the hot-side page control, with working copies, balance and recheck.
    void SwitchHotSide(HotSideKind kind);
    FlowLocation hotLocation() const { return m_hotLocation; }
    FlowLocation coldLocation() const
    {
        return m_hotLocation == FlowLocation::Tubes ? FlowLocation::Shell : FlowLocation::Tubes;
    }
    /// A click on a tube/shell radio button: `side` hot or cold is put at `location`, the other
    /// side opposite; the choice is stored and the selection rechecked.
    void SelectLocation(bool hotSideClicked, FlowLocation location);

    // ---- Fluids ----
    const FluidChoice& fluidList(FluidList list) const { return m_lists[static_cast<std::size_t>(list)]; }
    std::string liquidHot() const { return fluidList(FluidList::LiquidHot).selectedName(); }
    std::string liquidCold() const { return fluidList(FluidList::LiquidCold).selectedName(); }
    std::string vapor() const { return fluidList(FluidList::VaporHot).selectedName(); }
    /// Dropping down a list: refilled from the master file, the stored name (or the first) selected.
    void DropDownList(FluidList list);
    /// The user selects entry `index` of a list.
    void SelectFluid(FluidList list, int index);
    /// After the liquid editor opened from a side's "Liquid" button (or the toolbar's "Fluids",
    /// `side` nullopt) has closed: the liquid working copies are rebuilt from the edited masters,
    /// a side whose liquid was deleted loses its selection, and with the Parameters page active
    /// the balance runs from the heat load.
    void LiquidEditorClosed(std::optional<FluidList> side, bool parametersActive);
    /// After the vapor editor has closed: the vapor working copies are rebuilt (the selection is
    /// cleared when the vapor was deleted) and with the Parameters page active the balance runs.
    void VaporEditorClosed(bool parametersActive);
    /// Rebuilds the four working copies from the masters: hot and cold liquid, the vapor and its
    /// condensate liquid.
    void RebuildWorkingCopies();

    // ---- Caches ----
    const TFluidPropCache& HotLiquidCache() const { return m_hotCache; }
    const TFluidPropCache& ColdLiquidCache() const { return m_coldCache; }
    const TFluidPropCache& CondenserCache() const { return m_condCache; }
    /// Latent heat of the last condenser evaluation, kJ/kg.
    long double latentHeat() const { return m_latentHeat; }
    /// Refreshes a side's cache from its fields and gives its specific duty; nullopt when the
    /// side cannot be evaluated (no fluid selected, vapor or condensate missing).
    std::optional<SideDuty> EvaluateHotLiquid();
    std::optional<SideDuty> EvaluateCondenser();
    std::optional<SideDuty> EvaluateColdLiquid();

    // ---- Start-up and shut-down ----
    /// Restores the fluids (lists, selection, working copies) from "Units\Fluids".
    void RestoreFluids();
    /// Restores the last duty from "Data" (hot-side page, arrangement, values; flows are not
    /// stored) and evaluates it: the flows are computed from the heat load, all marks stay clear.
    void RestoreDuty();
    /// Stores the last duty under "Data".
    void StoreDuty();

    /// The duty values the size selection reads.
    SelectionDuty selectionDuty() const;
    /// The duty as the calculation run reads it.
    Duty runDuty() const;

private:
    static std::size_t index(DutyField f) { return static_cast<std::size_t>(f); }
    enum class Section
    {
        HotLiquid,
        Condenser,
        Cold,
    };
    struct SectionFields
    {
        DutyField tIn, tOut, pIn, mass, volIn, volOut;
    };
    static SectionFields fieldsOf(Section s);
    std::optional<SideDuty> evaluate(Section s);
    void runRecalculation(Driver driver);
    /// The section that carries the hot side now.
    Section hotSection() const
    {
        return m_hotSide == HotSideKind::Liquid ? Section::HotLiquid : Section::Condenser;
    }
    void fetchLiquidEntry(TFluidProp& e, const std::string& name, long double t, long double p);
    void fetchLiquidMean(TFluidProp& e, const std::string& name, long double t, long double p);
    void temperatureOrPressureChanged(DutyField field);
    void condenserInletTemperatureChanged();
    void condenserInletPressureChanged();
    void recheckLimits();
    void recheckArrangement();
    void invalidateCaches();
    void copyLiquidsToWork();
    void copyCondensateToWork();
    void refillList(FluidList list, TTableS names, std::string_view preferred);
    std::string_view storedKey(FluidList list) const;
    /// True when `name` names a vapor of the working copy that has saturation rows.
    bool vaporHasRows(const std::string& name) const;

    FluidFiles* m_files;
    Settings* m_settings;
    SizeSelection* m_selection;
    std::array<long double, kDutyFieldCount> m_values{};
    std::array<bool, kDriverCount> m_drivers{};
    bool m_unitChangeActive = false;
    bool m_satFromTemperature = false;
    bool m_satFromPressure = false;
    HotSideKind m_hotSide = HotSideKind::Liquid;
    FlowLocation m_hotLocation = FlowLocation::Tubes;
    std::array<FluidChoice, 3> m_lists;
    TFluidPropCache m_hotCache;
    TFluidPropCache m_coldCache;
    TFluidPropCache m_condCache;
    long double m_latentHeat = 0;
};

} // namespace velor
