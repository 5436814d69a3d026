// Heat balance of the Parameters page: property caches, recalculations, saturation coupling,
// hot-side switch, arrangement and fluid choice.
#include "app/heatbalance.h"

#include "fluids/properties.h"

#include <algorithm>
#include <cmath>

namespace velor {
namespace {

constexpr long double kBig = 1e10L;

using F = DutyField;
using Q = Quantity;

// clang-format off
const std::array<DutyFieldInfo, kDutyFieldCount> kFields{{
    {F::Capacity, "edCapacity", Q::HeatLoad, 0, kBig, "Capacity", "Capacity", "CapacityCalc", 200},
    {F::Oversurfacing, "edOversurfacing", std::nullopt, -10000, 10000, "", "MinOversize", "OversurfCalc", 0},
    {F::NoUnitsSeries, "edNoUnitsSeries", std::nullopt, 1, 10000, "", "", "", 1},
    {F::NoUnitsParallel, "edNoUnitsParallel", std::nullopt, 1, 10000, "", "", "", 1},
    {F::FoulingFactor, "edFoulingFactor", Q::Fouling, 0, 2, "FoulingFactor", "FoulFactor", "FoulFactCalc", 0},
    {F::InletPressHSide, "edInletPressHSide", Q::Pressure, -kBig, kBig, "InletPress_HotSide", "PressHS", "PressCalc", 100},
    {F::InletTempHSide, "edInletTempHSide", Q::Temperature, -kBig, kBig, "InletTemp_HotSide", "InTempHS", "TempCalc", 120},
    {F::MassFlowHSide, "edMassFlowHSide", Q::MassFlow, 0, 10000, "MassFlow_HotSide", "", "FlowCalc", 0},
    {F::InletVolFlowHSide, "edInletVolFlowHSide", Q::VolumeFlow, 0, 10000, "InletVolumeFlow_HotSide", "", "FlowCalc", 0},
    {F::OutletTempHSide, "edOutletTempHSide", Q::Temperature, -kBig, kBig, "OutletTemp_HotSide", "OutTempHS", "TempCalc", 75},
    {F::OutletVolFlowHSide, "edOutletVolFlowHSide", Q::VolumeFlow, 0, 10000, "OutletVolumeFlow_HotSide", "", "FlowCalc", 0},
    {F::MinPressDropHSide, "edMinPressDropHSide", Q::PressureDrop, 0, 10000, "MinPressDrop_HotSide", "MinPressDropHS", "DropPressCalc", 0},
    {F::MaxPressDropHSide, "edMaxPressDropHSide", Q::PressureDrop, 0, 10000, "MaxPressDrop_HotSide", "MaxPressDropHS", "DropPressCalc", 25},
    {F::InletTempHSideVC, "edInletTempHSideVC", Q::Temperature, -kBig, kBig, "VCInletTemp_HotSide", "VCInTempHS", "TempCalc", 150},
    {F::InletPressHSideVC, "edInletPressHSideVC", Q::Pressure, -kBig, kBig, "VCInletPress_HotSide", "VCPressHS", "PressCalc", 100},
    {F::MassFlowHSideVC, "edMassFlowHSideVC", Q::MassFlow, 0, 10000, "VCMassFlow_HotSide", "", "FlowCalc", 0},
    {F::InletVolFlowHSideVC, "edInletVolFlowHSideVC", Q::VolumeFlow, 0, 10000, "VCInletVolumeFlow_HotSide", "", "FlowCalc", 0},
    {F::OutletTempHSideVC, "edOutletTempHSideVC", Q::Temperature, -kBig, kBig, "VCOutletTemp_HotSide", "VCOutTempHS", "TempCalc", 90},
    {F::OutletVolFlowHSideVC, "edOutletVolFlowHSideVC", Q::VolumeFlow, 0, 10000, "VCOutletVolumeFlow_HotSide", "", "FlowCalc", 0},
    {F::InletPressCSide, "edInletPressCSide", Q::Pressure, -kBig, kBig, "InletPress_ColdSide", "PressCS", "PressCalc", 100},
    {F::InletTempCSide, "edInletTempCSide", Q::Temperature, -kBig, kBig, "InletTemp_ColdSide", "InTempCS", "TempCalc", 70},
    {F::MassFlowCSide, "edMassFlowCSide", Q::MassFlow, 0, 10000, "MassFlow_ColdSide", "", "FlowCalc", 0},
    {F::InletVolFlowCSide, "edInletVolFlowCSide", Q::VolumeFlow, 0, 10000, "InletVolumeFlow_ColdSide", "", "FlowCalc", 0},
    {F::OutletTempCSide, "edOutletTempCSide", Q::Temperature, -kBig, kBig, "OutletTemp_ColdSide", "OutTempCS", "TempCalc", 90},
    {F::OutletVolFlowCSide, "edOutletVolFlowCSide", Q::VolumeFlow, 0, 10000, "OutletVolumeFlow_ColdSide", "", "FlowCalc", 0},
    {F::MinPressDropCSide, "edMinPressDropCSide", Q::PressureDrop, 0, 10000, "MinPressDrop_ColdSide", "MinPressDropCS", "DropPressCalc", 0},
    {F::MaxPressDropCSide, "edMaxPressDropCSide", Q::PressureDrop, 0, 10000, "MaxPressDrop_ColdSide", "MaxPressDropCS", "DropPressCalc", 25},
}};
// clang-format on

long double clampToField(const DutyFieldInfo& info, long double v)
{
    if (info.minValue == info.maxValue)
        return v;
    return std::clamp(v, info.minValue, info.maxValue);
}

// m = Q / h, VIn = m / ρIn, ...: a zero divisor gives 0.
long double safeDivide(long double a, long double b)
{
    return b == 0 ? 0 : a / b;
}

bool isTemperatureOrPressure(DutyField f)
{
    const auto& q = dutyFieldInfo(f).quantity;
    return q && (*q == Q::Temperature || *q == Q::Pressure);
}

} // namespace

std::span<const DutyFieldInfo> dutyFields()
{
    return kFields;
}

const DutyFieldInfo& dutyFieldInfo(DutyField field)
{
    return kFields[static_cast<std::size_t>(field)];
}

std::optional<Driver> driverOf(DutyField field)
{
    switch (field) {
    case F::Capacity:
        return Driver::HeatLoad;
    case F::MassFlowHSide:
    case F::MassFlowHSideVC:
        return Driver::MassFlowHot;
    case F::MassFlowCSide:
        return Driver::MassFlowCold;
    case F::InletVolFlowHSide:
    case F::InletVolFlowHSideVC:
        return Driver::InletVolumeHot;
    case F::OutletVolFlowHSide:
    case F::OutletVolFlowHSideVC:
        return Driver::OutletVolumeHot;
    case F::InletVolFlowCSide:
        return Driver::InletVolumeCold;
    case F::OutletVolFlowCSide:
        return Driver::OutletVolumeCold;
    default:
        return std::nullopt;
    }
}

HeatBalance::HeatBalance(FluidFiles& files, Settings& settings, SizeSelection* selection)
    : m_files(&files), m_settings(&settings), m_selection(selection)
{
    for (const DutyFieldInfo& info : kFields)
        m_values[index(info.field)] = info.initialValue;
}

void HeatBalance::setValue(DutyField field, long double baseValue)
{
    m_values[index(field)] = clampToField(dutyFieldInfo(field), baseValue);
}

void HeatBalance::clearDrivers()
{
    m_drivers.fill(false);
}

// ---- Sections and caches ----

HeatBalance::SectionFields HeatBalance::fieldsOf(Section s)
{
    switch (s) {
    case Section::HotLiquid:
        return {F::InletTempHSide, F::OutletTempHSide,   F::InletPressHSide,
                F::MassFlowHSide,  F::InletVolFlowHSide, F::OutletVolFlowHSide};
    case Section::Condenser:
        return {F::InletTempHSideVC, F::OutletTempHSideVC,   F::InletPressHSideVC,
                F::MassFlowHSideVC,  F::InletVolFlowHSideVC, F::OutletVolFlowHSideVC};
    case Section::Cold:
        break;
    }
    return {F::InletTempCSide, F::OutletTempCSide,   F::InletPressCSide,
            F::MassFlowCSide,  F::InletVolFlowCSide, F::OutletVolFlowCSide};
}

void HeatBalance::fetchLiquidEntry(TFluidProp& e, const std::string& name, long double t, long double p)
{
    if (e.valid && e.FluidName == name && e.Temp == t && e.Press == p)
        return;
    e.HeatCap = LiquidProperty(*m_files, name, true, 0, false, kPropLiquidsTmp, kLiquidsTmp, t, p);
    e.Density = LiquidProperty(*m_files, name, false, 0, false, kPropLiquidsTmp, kLiquidsTmp, t, p);
    e.FluidName = name;
    e.Temp = t;
    e.Press = p;
    e.valid = true;
}

void HeatBalance::fetchLiquidMean(TFluidProp& e, const std::string& name, long double t, long double p)
{
    if (e.meanValid && e.meanFluid == name && e.meanTemp == t && e.meanPress == p)
        return;
    e.HeatCapMean = LiquidProperty(*m_files, name, true, 0, false, kPropLiquidsTmp, kLiquidsTmp, t, p);
    e.meanFluid = name;
    e.meanTemp = t;
    e.meanPress = p;
    e.meanValid = true;
}

std::optional<SideDuty> HeatBalance::evaluate(Section s)
{
    const SectionFields f = fieldsOf(s);
    const long double tIn = value(f.tIn);
    const long double tOut = value(f.tOut);
    const long double p = value(f.pIn);
    const long double tMean = (tIn + tOut) / 2;
    const long double dt = std::fabs(tIn - tOut);

    if (s != Section::Condenser) {
        const std::string name = s == Section::HotLiquid ? liquidHot() : liquidCold();
        if (name.empty())
            return std::nullopt; // nothing chosen in the side's list
        TFluidPropCache& cache = s == Section::HotLiquid ? m_hotCache : m_coldCache;
        fetchLiquidEntry(cache[0], name, tIn, p);
        fetchLiquidMean(cache[0], name, tMean, p);
        fetchLiquidEntry(cache[1], name, tOut, p);
        return SideDuty{cache[0].HeatCapMean * dt, cache[0].Density, cache[1].Density};
    }

    const std::string name = vapor();
    if (name.empty())
        return std::nullopt;
    const std::int32_t kV = m_files->VaporKey(name, kVaporsTmp);
    if (kV <= 0)
        return std::nullopt;
    const std::int32_t kL = m_files->ReadVapor(kV, kVaporsTmp).condensateKey;
    if (kL <= 0)
        return std::nullopt;
    auto condensate = [&](bool heatCapacity, long double t) {
        return LiquidProperty(*m_files, "", heatCapacity, kL, true, kPropLiquidsTmp, kLiquidsTmp, t, p);
    };
    TFluidProp& in = m_condCache[0];
    if (!(in.valid && in.FluidName == name && in.condensateKey == kL && in.Temp == tIn && in.Press == p)) {
        in.HeatCap = condensate(true, tIn);
        in.Density = VaporDensity(*m_files, kV, kVaporsTmp, tIn, p).value_or(0);
        in.FluidName = name;
        in.condensateKey = kL;
        in.Temp = tIn;
        in.Press = p;
        in.valid = true;
    }
    if (!(in.meanValid && in.meanFluid == name && in.meanTemp == tMean && in.meanPress == p)) {
        in.HeatCapMean = condensate(true, tMean);
        in.meanFluid = name;
        in.meanTemp = tMean;
        in.meanPress = p;
        in.meanValid = true;
    }
    TFluidProp& out = m_condCache[1];
    if (!(out.valid && out.FluidName == name && out.condensateKey == kL && out.Temp == tOut &&
          out.Press == p)) {
        out.HeatCap = condensate(true, tOut);
        out.Density = condensate(false, tOut);
        out.FluidName = name;
        out.condensateKey = kL;
        out.Temp = tOut;
        out.Press = p;
        out.valid = true;
    }
    m_latentHeat = VaporProperty(*m_files, name, false, kPropVaporsTmp, kVaporsTmp, tIn);
    return SideDuty{in.HeatCapMean * dt + m_latentHeat, in.Density, out.Density};
}

std::optional<SideDuty> HeatBalance::EvaluateHotLiquid()
{
    return evaluate(Section::HotLiquid);
}

std::optional<SideDuty> HeatBalance::EvaluateCondenser()
{
    return evaluate(Section::Condenser);
}

std::optional<SideDuty> HeatBalance::EvaluateColdLiquid()
{
    return evaluate(Section::Cold);
}

void HeatBalance::invalidateCaches()
{
    for (TFluidPropCache* cache : {&m_hotCache, &m_coldCache, &m_condCache})
        *cache = TFluidPropCache{};
}

// ---- Recalculations ----

void HeatBalance::SetComputed(DutyField field, long double baseValue)
{
    const auto mark = driverOf(field);
    if (mark)
        setDriver(*mark, false);
    setValue(field, baseValue);
    if (onWrite)
        onWrite(field, value(field));
    if (mark)
        setDriver(*mark, false);
}

void HeatBalance::runRecalculation(Driver driver)
{
    if (!this->driver(driver))
        return;

    // The field of the driver's kind on a section: its displayed value must not be negative.
    auto driverField = [driver](const SectionFields& f) {
        switch (driver) {
        case Driver::HeatLoad:
            return F::Capacity;
        case Driver::MassFlowHot:
        case Driver::MassFlowCold:
            return f.mass;
        case Driver::InletVolumeHot:
        case Driver::InletVolumeCold:
            return f.volIn;
        case Driver::OutletVolumeHot:
        case Driver::OutletVolumeCold:
            break;
        }
        return f.volOut;
    };
    // A side that takes its mass flow from a heat load.
    auto fromHeatLoad = [&](Section s, long double q) {
        const SectionFields f = fieldsOf(s);
        if (value(driverField(f)) < 0)
            return;
        const auto side = evaluate(s);
        if (!side)
            return;
        const long double m = safeDivide(q, side->h);
        SetComputed(f.mass, m);
        SetComputed(f.volIn, safeDivide(m, side->rhoIn));
        SetComputed(f.volOut, safeDivide(m, side->rhoOut));
    };

    if (driver == Driver::HeatLoad) {
        const long double q = value(F::Capacity);
        fromHeatLoad(hotSection(), q);
        fromHeatLoad(Section::Cold, q);
        return;
    }

    const bool hotDrives = driver == Driver::MassFlowHot || driver == Driver::InletVolumeHot ||
                           driver == Driver::OutletVolumeHot;
    const Section own = hotDrives ? hotSection() : Section::Cold;
    const Section other = hotDrives ? Section::Cold : hotSection();
    const SectionFields f = fieldsOf(own);
    if (value(driverField(f)) < 0)
        return;
    const auto side = evaluate(own);
    if (!side)
        return; // no heat load derived: the other side keeps its values
    long double m = 0;
    switch (driver) {
    case Driver::MassFlowHot:
    case Driver::MassFlowCold:
        m = value(f.mass);
        break;
    case Driver::InletVolumeHot:
    case Driver::InletVolumeCold:
        m = value(f.volIn) * side->rhoIn;
        break;
    default:
        m = value(f.volOut) * side->rhoOut;
        break;
    }
    const long double q = m * side->h;
    SetComputed(F::Capacity, q);
    if (driver != Driver::MassFlowHot && driver != Driver::MassFlowCold)
        SetComputed(f.mass, m);
    if (driver != Driver::InletVolumeHot && driver != Driver::InletVolumeCold)
        SetComputed(f.volIn, safeDivide(m, side->rhoIn));
    if (driver != Driver::OutletVolumeHot && driver != Driver::OutletVolumeCold)
        SetComputed(f.volOut, safeDivide(m, side->rhoOut));
    fromHeatLoad(other, q);
}

void HeatBalance::CapacityChange()
{
    runRecalculation(Driver::HeatLoad);
}
void HeatBalance::MassFlowHotSideChange()
{
    runRecalculation(Driver::MassFlowHot);
}
void HeatBalance::MassFlowColdSideChange()
{
    runRecalculation(Driver::MassFlowCold);
}
void HeatBalance::InVolumeFlowHotSideChange()
{
    runRecalculation(Driver::InletVolumeHot);
}
void HeatBalance::OutVolumeFlowHotSideChange()
{
    runRecalculation(Driver::OutletVolumeHot);
}
void HeatBalance::InVolumeFlowColdSideChange()
{
    runRecalculation(Driver::InletVolumeCold);
}
void HeatBalance::OutVolumeFlowColdSideChange()
{
    runRecalculation(Driver::OutletVolumeCold);
}

// ---- Change events ----

void HeatBalance::FieldChanged(DutyField field)
{
    if (const auto mark = driverOf(field)) {
        runRecalculation(*mark);
        if (!m_unitChangeActive)
            setDriver(*mark, true);
        return;
    }
    switch (field) {
    case F::InletTempHSideVC:
        condenserInletTemperatureChanged();
        return;
    case F::InletPressHSideVC:
        condenserInletPressureChanged();
        return;
    case F::OutletTempHSideVC:
        CapacityChange();
        if (!m_unitChangeActive)
            setDriver(Driver::HeatLoad, true);
        recheckLimits();
        return;
    default:
        break;
    }
    if (isTemperatureOrPressure(field))
        temperatureOrPressureChanged(field);
}

void HeatBalance::temperatureOrPressureChanged(DutyField field)
{
    CapacityChange();
    if (!m_unitChangeActive)
        setDriver(Driver::HeatLoad, true);
    const DutyFieldInfo& info = dutyFieldInfo(field);
    const long double v = value(field);
    if (v != info.minValue && v != info.maxValue)
        recheckLimits();
}

bool HeatBalance::vaporHasRows(const std::string& name) const
{
    if (name.empty())
        return false;
    const std::int32_t key = m_files->VaporKey(name, kVaporsTmp);
    return key > 0 && !m_files->VaporRows(key, kPropVaporsTmp).empty();
}

void HeatBalance::condenserInletTemperatureChanged()
{
    if (!m_unitChangeActive) {
        m_satFromTemperature = true;
        // Without saturation data there is no pressure to couple to: the field keeps its value.
        if (!m_satFromPressure && vaporHasRows(vapor())) {
            const long double p =
                Saturation(*m_files, vapor(), true, kPropVaporsTmp, kVaporsTmp, value(F::InletTempHSideVC));
            setValue(F::InletPressHSideVC, p);
            if (onWrite)
                onWrite(F::InletPressHSideVC, value(F::InletPressHSideVC));
        }
        m_satFromTemperature = false;
    }
    CapacityChange();
    if (!m_unitChangeActive)
        setDriver(Driver::HeatLoad, true);
    recheckLimits();
}

void HeatBalance::condenserInletPressureChanged()
{
    if (!m_unitChangeActive) {
        m_satFromPressure = true;
        if (!m_satFromTemperature && vaporHasRows(vapor())) {
            const long double t =
                Saturation(*m_files, vapor(), false, kPropVaporsTmp, kVaporsTmp, value(F::InletPressHSideVC));
            setValue(F::InletTempHSideVC, t);
            if (onWrite)
                onWrite(F::InletTempHSideVC, value(F::InletTempHSideVC));
            // The write is a change of the inlet temperature: its own coupling is skipped.
            condenserInletTemperatureChanged();
        }
        m_satFromPressure = false;
    }
    recheckLimits();
}

void HeatBalance::UnitBoxChanged(DutyField field)
{
    const auto& quantity = dutyFieldInfo(field).quantity;
    if (!quantity)
        return;
    const auto mark = driverOf(field);
    const bool balanceBox = field == F::Capacity || isTemperatureOrPressure(field);
    if (!mark && !balanceBox)
        return; // fouling factor and pressure-drop limits: the unit only
    m_unitChangeActive = true;
    setDriver(mark ? *mark : Driver::HeatLoad, false);
    // The redisplay in the new unit raises the field's change event; with the mark clear and
    // the unit change active it recomputes nothing and sets no mark.
    FieldChanged(field);
    m_unitChangeActive = false;
}

void HeatBalance::BeginPreset()
{
    m_unitChangeActive = true;
    clearDrivers();
}

void HeatBalance::EndPreset()
{
    clearDrivers();
    m_unitChangeActive = false;
}

// ---- Selection rechecks ----

SelectionDuty HeatBalance::selectionDuty() const
{
    SelectionDuty d;
    d.hotSide = m_hotSide;
    const SectionFields hot = fieldsOf(hotSection());
    d.tHotIn = value(hot.tIn);
    d.tHotOut = value(hot.tOut);
    d.pHotIn = value(hot.pIn);
    d.tColdIn = value(F::InletTempCSide);
    d.tColdOut = value(F::OutletTempCSide);
    d.pColdIn = value(F::InletPressCSide);
    d.hotLocation = m_hotLocation;
    d.coldLocation = coldLocation();
    return d;
}

Duty HeatBalance::runDuty() const
{
    Duty d;
    d.hotSide = m_hotSide;
    const SectionFields hot = fieldsOf(hotSection());
    d.hotFluid = m_hotSide == HotSideKind::Liquid ? liquidHot() : vapor();
    d.coldFluid = liquidCold();
    d.q = value(F::Capacity);
    d.tHotIn = value(hot.tIn);
    d.tHotOut = value(hot.tOut);
    d.pHotIn = value(hot.pIn);
    d.mHot = value(hot.mass);
    d.dpMinHot = value(F::MinPressDropHSide);
    d.dpMaxHot = value(F::MaxPressDropHSide);
    d.volumeFlowHotIn = value(hot.volIn);
    d.tColdIn = value(F::InletTempCSide);
    d.tColdOut = value(F::OutletTempCSide);
    d.pColdIn = value(F::InletPressCSide);
    d.mCold = value(F::MassFlowCSide);
    d.dpMinCold = value(F::MinPressDropCSide);
    d.dpMaxCold = value(F::MaxPressDropCSide);
    d.fouling = value(F::FoulingFactor);
    d.oversizeMin = value(F::Oversurfacing);
    d.nSeries = value(F::NoUnitsSeries);
    d.nParallel = value(F::NoUnitsParallel);
    d.hotLocation = m_hotLocation;
    return d;
}

void HeatBalance::recheckLimits()
{
    if (!m_selection)
        return;
    m_selection->setDuty(selectionDuty());
    m_selection->RecheckLimits();
}

void HeatBalance::recheckArrangement()
{
    if (!m_selection)
        return;
    m_selection->setDuty(selectionDuty());
    m_selection->RecheckArrangement();
}

// ---- Hot side and arrangement ----

void HeatBalance::SwitchHotSide(HotSideKind kind)
{
    m_hotSide = kind;
    if (kind == HotSideKind::Condensing) {
        // Vapors of the working copy that the list lacks are added; no entry is replaced.
        FluidChoice& list = m_lists[static_cast<std::size_t>(FluidList::VaporHot)];
        const TTableS work = m_files->VaporNames(kVaporsTmp);
        if (!work.empty()) {
            for (const std::string& name : work)
                if (std::find(list.names.begin(), list.names.end(), name) == list.names.end())
                    list.names.push_back(name);
            const std::string stored = m_settings->group(SettingsGroupId::UnitsFluids).string("VaporHS");
            const auto it = std::find(list.names.begin(), list.names.end(), stored);
            list.selected = it != list.names.end() ? static_cast<int>(it - list.names.begin()) : 0;
            if (onFluidListChanged)
                onFluidListChanged(FluidList::VaporHot);
        }
        if (!vapor().empty())
            (void)m_files->CopyVaporToWork(vapor());
        copyCondensateToWork();
    } else {
        copyLiquidsToWork();
    }
    setDriver(Driver::HeatLoad, true);
    for (int d = 1; d < kDriverCount; ++d)
        setDriver(static_cast<Driver>(d), false);
    m_unitChangeActive = true;
    CapacityChange();
    m_unitChangeActive = false;
    recheckArrangement();
}

void HeatBalance::SelectLocation(bool hotSideClicked, FlowLocation location)
{
    if (hotSideClicked)
        m_hotLocation = location;
    else
        m_hotLocation = location == FlowLocation::Tubes ? FlowLocation::Shell : FlowLocation::Tubes;
    SettingsGroup& device = m_settings->group(SettingsGroupId::Device);
    const bool hotInTubes = m_hotLocation == FlowLocation::Tubes;
    device.WriteString(kDefaultsSection, "HotSide", hotInTubes ? "Tubes" : "Shell");
    device.WriteString(kDefaultsSection, "ColdSide", hotInTubes ? "Shell" : "Tubes");
    recheckArrangement();
}

// ---- Fluids ----

std::string_view HeatBalance::storedKey(FluidList list) const
{
    switch (list) {
    case FluidList::LiquidHot:
        return "LiquidHS";
    case FluidList::LiquidCold:
        return "LiquidCS";
    case FluidList::VaporHot:
        break;
    }
    return "VaporHS";
}

void HeatBalance::refillList(FluidList list, TTableS names, std::string_view preferred)
{
    FluidChoice& choice = m_lists[static_cast<std::size_t>(list)];
    choice.names = std::move(names);
    const auto it = std::find(choice.names.begin(), choice.names.end(), preferred);
    choice.selected = it != choice.names.end() ? static_cast<int>(it - choice.names.begin())
                                               : (choice.names.empty() ? -1 : 0);
    if (onFluidListChanged)
        onFluidListChanged(list);
}

void HeatBalance::copyCondensateToWork()
{
    const std::string name = vapor();
    if (name.empty())
        return;
    const TVaporRec rec = m_files->ReadVapor(m_files->VaporKey(name, kVaporsTmp), kVaporsTmp);
    if (rec.key <= 0 || rec.condensateKey <= 0)
        return;
    const TLiquidRec liquid = m_files->ReadLiquid(rec.condensateKey, kLiquidsDat);
    if (liquid.key > 0)
        (void)m_files->CopyLiquidToWork(liquid.name);
}

void HeatBalance::copyLiquidsToWork()
{
    const std::string hot = liquidHot();
    const std::string cold = liquidCold();
    if (!hot.empty())
        (void)m_files->CopyLiquidToWork(hot);
    if (!cold.empty() && cold != hot)
        (void)m_files->CopyLiquidToWork(cold);
}

void HeatBalance::DropDownList(FluidList list)
{
    const bool isVapor = list == FluidList::VaporHot;
    TTableS names = isVapor ? m_files->VaporNames(kVaporsDat) : m_files->LiquidNames(kLiquidsDat);
    if (names.empty())
        return; // an empty master list leaves the list as it was
    const std::string before = fluidList(list).selectedName();
    const std::string stored = m_settings->group(SettingsGroupId::UnitsFluids).string(storedKey(list));
    refillList(list, SortNames(std::move(names), m_files->codePage()), stored);
    // A list that had lost its fluid now shows another one: its working copy must follow.
    if (fluidList(list).selectedName() != before) {
        if (isVapor) {
            (void)m_files->CopyVaporToWork(vapor());
            copyCondensateToWork();
        } else {
            copyLiquidsToWork();
        }
        invalidateCaches();
    }
}

void HeatBalance::SelectFluid(FluidList list, int index)
{
    FluidChoice& choice = m_lists[static_cast<std::size_t>(list)];
    if (index < 0 || index >= static_cast<int>(choice.names.size()))
        return;
    choice.selected = index;
    const std::string name = choice.selectedName();
    m_settings->group(SettingsGroupId::UnitsFluids).WriteString(kDefaultsSection, storedKey(list), name);
    if (list == FluidList::VaporHot) {
        (void)m_files->DeleteFluidFile(kVaporsTmp);
        (void)m_files->DeleteFluidFile(kPropVaporsTmp);
        if (m_files->VaporKey(name, kVaporsDat) > 0) {
            (void)m_files->CopyVaporToWork(name);
            copyCondensateToWork();
        }
    } else {
        (void)m_files->DeleteFluidFile(kLiquidsTmp);
        (void)m_files->DeleteFluidFile(kPropLiquidsTmp);
        copyLiquidsToWork();
        // The condensate of the vapor lives in the same working files and must stay there.
        copyCondensateToWork();
    }
    invalidateCaches();
    setDriver(Driver::HeatLoad, true);
    CapacityChange();
}

void HeatBalance::LiquidEditorClosed(std::optional<FluidList> side, bool parametersActive)
{
    (void)m_files->DeleteFluidFile(kLiquidsTmp);
    (void)m_files->DeleteFluidFile(kPropLiquidsTmp);
    if (side && *side != FluidList::VaporHot) {
        FluidChoice& choice = m_lists[static_cast<std::size_t>(*side)];
        if (!choice.selectedName().empty() && m_files->LiquidKey(choice.selectedName(), kLiquidsDat) == 0) {
            choice.selected = -1;
            if (onFluidListChanged)
                onFluidListChanged(*side);
        }
    }
    copyLiquidsToWork();
    copyCondensateToWork();
    invalidateCaches(); // the edited tables may hold new values under the same names
    if (parametersActive) {
        setDriver(Driver::HeatLoad, true);
        CapacityChange();
    }
}

void HeatBalance::VaporEditorClosed(bool parametersActive)
{
    (void)m_files->DeleteFluidFile(kVaporsTmp);
    (void)m_files->DeleteFluidFile(kPropVaporsTmp);
    FluidChoice& choice = m_lists[static_cast<std::size_t>(FluidList::VaporHot)];
    const std::string name = choice.selectedName();
    if (!name.empty()) {
        if (m_files->VaporKey(name, kVaporsDat) == 0) {
            choice.selected = -1;
            if (onFluidListChanged)
                onFluidListChanged(FluidList::VaporHot);
        } else {
            (void)m_files->CopyVaporToWork(name);
            copyCondensateToWork(); // the editor may have linked another condensate
        }
    }
    invalidateCaches();
    if (parametersActive) {
        setDriver(Driver::HeatLoad, true);
        CapacityChange();
    }
}

void HeatBalance::RebuildWorkingCopies()
{
    for (std::string_view file : {kLiquidsTmp, kPropLiquidsTmp, kVaporsTmp, kPropVaporsTmp})
        (void)m_files->DeleteFluidFile(file);
    copyLiquidsToWork();
    if (!vapor().empty())
        (void)m_files->CopyVaporToWork(vapor());
    copyCondensateToWork();
    invalidateCaches();
}

// ---- Start-up and shut-down ----

void HeatBalance::RestoreFluids()
{
    SettingsGroup& fluids = m_settings->group(SettingsGroupId::UnitsFluids);
    const TTableS liquids = SortNames(m_files->LiquidNames(kLiquidsDat), m_files->codePage());
    const TTableS vapors = SortNames(m_files->VaporNames(kVaporsDat), m_files->codePage());
    // A stored name that is not in the database leaves its list without a selection.
    auto restore = [&](FluidList list, const TTableS& names) {
        FluidChoice& choice = m_lists[static_cast<std::size_t>(list)];
        choice.names = names;
        const std::string stored = fluids.string(storedKey(list));
        const auto it = std::find(names.begin(), names.end(), stored);
        choice.selected = it != names.end() ? static_cast<int>(it - names.begin()) : -1;
        if (onFluidListChanged)
            onFluidListChanged(list);
    };
    restore(FluidList::LiquidHot, liquids);
    restore(FluidList::LiquidCold, liquids);
    restore(FluidList::VaporHot, vapors);
    RebuildWorkingCopies();
}

void HeatBalance::RestoreDuty()
{
    const SettingsGroup& data = m_settings->group(SettingsGroupId::Data);
    m_unitChangeActive = true;
    clearDrivers();
    m_hotSide = data.real("ActivePageHS") == 1 ? HotSideKind::Condensing : HotSideKind::Liquid;
    const bool hotInShell = data.real("ActiveTubesS") == 0 && data.real("ActiveShellS") == 0;
    m_hotLocation = hotInShell ? FlowLocation::Shell : FlowLocation::Tubes;
    for (const DutyFieldInfo& info : kFields)
        if (!info.dataKey.empty())
            SetComputed(info.field, static_cast<long double>(data.real(info.dataKey)));
    if (onSidesChanged)
        onSidesChanged();
    // The flows are not stored: they follow from the restored heat load.
    setDriver(Driver::HeatLoad, true);
    CapacityChange();
    clearDrivers();
    m_unitChangeActive = false;
    if (m_selection)
        m_selection->setDuty(selectionDuty());
}

void HeatBalance::StoreDuty()
{
    SettingsGroup& data = m_settings->group(SettingsGroupId::Data);
    data.WriteFloat(kDefaultsSection, "ActivePageHS", m_hotSide == HotSideKind::Condensing ? 1 : 0);
    const double tubes = m_hotLocation == FlowLocation::Tubes ? 1 : 0;
    data.WriteFloat(kDefaultsSection, "ActiveTubesS", tubes);
    data.WriteFloat(kDefaultsSection, "ActiveShellS", tubes);
    for (const DutyFieldInfo& info : kFields)
        if (!info.dataKey.empty())
            data.WriteFloat(kDefaultsSection, info.dataKey, static_cast<double>(value(info.field)));
}

} // namespace velor
