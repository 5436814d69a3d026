// Decimals lookup of the precision groups and the font slots' Automatic/Manual rule.
#include "app/settings_display.h"

#include <array>
#include <string>

namespace velor {
namespace {

struct PrecisionGroupDef
{
    PrecisionGroup group;
    SettingsGroupId settingsGroup;
    std::string_view optionKey;
    std::string_view allKey;
};

constexpr std::array<PrecisionGroupDef, 3> kPrecisionGroups{{
    {PrecisionGroup::Calculations, SettingsGroupId::DecimalsCalc, "OptionCalc", "AllCalc"},
    {PrecisionGroup::Fluids, SettingsGroupId::DecimalsFluids, "OptionFluids", "AllFluids"},
    {PrecisionGroup::Printouts, SettingsGroupId::DecimalsPrint, "OptionPrint", "AllPrint"},
}};

constexpr std::array<FontSlotDef, 6> kFontSlots{{
    {FontSlot::MainProgF, "MainProgF", "MS Sans Serif", 8},
    {FontSlot::PrintTF, "PrintTF", "Courier New", 16},
    {FontSlot::SectTF, "SectTF", "Courier New", 10},
    {FontSlot::HeatExchTF, "HeatExchTF", "Courier New", 20},
    {FontSlot::ParamNF, "ParamNF", "Arial", 9},
    {FontSlot::DataUnitsF, "DataUnitsF", "Courier New", 9},
}};

const SettingsGroup& fonts(const Settings& s)
{
    return s.group(SettingsGroupId::Fonts);
}
SettingsGroup& fonts(Settings& s)
{
    return s.group(SettingsGroupId::Fonts);
}

std::string slotName(const FontSlotDef& def, std::string_view suffix)
{
    return std::string(def.prefix) + std::string(suffix);
}

} // namespace

std::optional<PrecisionGroup> precisionGroupOf(std::string_view precisionKey)
{
    for (const PrecisionGroupDef& g : kPrecisionGroups)
        if (findSettingKey(g.settingsGroup, precisionKey))
            return g.group;
    return std::nullopt;
}

SettingsGroupId settingsGroupOf(PrecisionGroup group)
{
    return kPrecisionGroups[static_cast<std::size_t>(group)].settingsGroup;
}

std::optional<PrecisionGroup> precisionGroupOf(SettingsGroupId group)
{
    for (const PrecisionGroupDef& g : kPrecisionGroups)
        if (g.settingsGroup == group)
            return g.group;
    return std::nullopt;
}

std::string_view precisionOptionKey(PrecisionGroup group)
{
    return kPrecisionGroups[static_cast<std::size_t>(group)].optionKey;
}

std::string_view precisionAllKey(PrecisionGroup group)
{
    return kPrecisionGroups[static_cast<std::size_t>(group)].allKey;
}

int decimals(const Settings& settings, std::string_view precisionKey)
{
    const auto group = precisionGroupOf(precisionKey);
    if (!group)
        return 0;
    const PrecisionGroupDef& def = kPrecisionGroups[static_cast<std::size_t>(*group)];
    const SettingsGroup& g = settings.group(def.settingsGroup);
    if (g.integer(def.optionKey) == kPrecisionOptionAll)
        return g.integer(def.allKey);
    return g.integer(precisionKey);
}

std::span<const FontSlotDef> fontSlots()
{
    return kFontSlots;
}

const FontSlotDef& fontSlotDef(FontSlot slot)
{
    return kFontSlots[static_cast<std::size_t>(slot)];
}

std::string_view fontStyleText(bool bold, bool italic)
{
    if (bold && italic)
        return "fsBold..fsItalic";
    if (bold)
        return "fsBold";
    if (italic)
        return "fsItalic";
    return "";
}

void parseFontStyle(std::string_view text, bool& bold, bool& italic)
{
    bold = text == "fsBold" || text == "fsBold..fsItalic";
    italic = text == "fsItalic" || text == "fsBold..fsItalic";
}

FontSpec screenFont(const Settings& settings)
{
    const SettingsGroup& g = fonts(settings);
    FontSpec font;
    font.name = g.ReadString(kDefaultsSection, "ScrFName", "MS Sans Serif");
    font.size = g.integer("ScrFSize");
    font.charset = g.integer("ScrFCharset");
    parseFontStyle(g.ReadString(kDefaultsSection, "ScrFStyle", ""), font.bold, font.italic);
    return font;
}

void recordScreenFont(Settings& settings, const FontSpec& font)
{
    SettingsGroup& g = fonts(settings);
    g.WriteString(kDefaultsSection, "ScrFName", font.name);
    g.WriteInteger(kDefaultsSection, "ScrFSize", font.size);
    g.WriteInteger(kDefaultsSection, "ScrFCharset", font.charset);
    g.WriteString(kDefaultsSection, "ScrFStyle", fontStyleText(font.bold, font.italic));
}

int screenCharset(const Settings& settings)
{
    return fonts(settings).integer("ScrFCharset");
}

bool fontSlotManual(const Settings& settings, FontSlot slot)
{
    const FontSlotDef& def = fontSlotDef(slot);
    return fonts(settings).ReadString(kDefaultsSection, def.prefix, kFontModeAutomatic) == kFontModeManual;
}

void setFontSlotManual(Settings& settings, FontSlot slot, bool manual)
{
    fonts(settings).WriteString(kDefaultsSection, fontSlotDef(slot).prefix,
                                manual ? kFontModeManual : kFontModeAutomatic);
}

FontSpec storedSlotFont(const Settings& settings, FontSlot slot)
{
    const FontSlotDef& def = fontSlotDef(slot);
    const SettingsGroup& g = fonts(settings);
    FontSpec font;
    font.name = g.ReadString(kDefaultsSection, slotName(def, "Name"), def.builtInName);
    font.size = g.ReadInteger(kDefaultsSection, slotName(def, "Size"), def.builtInSize);
    font.charset = g.ReadInteger(kDefaultsSection, slotName(def, "Charset"), screenCharset(settings));
    parseFontStyle(g.ReadString(kDefaultsSection, slotName(def, "Style"), ""), font.bold, font.italic);
    return font;
}

void storeSlotFont(Settings& settings, FontSlot slot, const FontSpec& font)
{
    const FontSlotDef& def = fontSlotDef(slot);
    SettingsGroup& g = fonts(settings);
    g.WriteString(kDefaultsSection, slotName(def, "Name"), font.name);
    g.WriteInteger(kDefaultsSection, slotName(def, "Size"), font.size);
    g.WriteInteger(kDefaultsSection, slotName(def, "Charset"), font.charset);
    g.WriteString(kDefaultsSection, slotName(def, "Style"), fontStyleText(font.bold, font.italic));
}

FontSpec effectiveSlotFont(const Settings& settings, FontSlot slot)
{
    if (fontSlotManual(settings, slot))
        return storedSlotFont(settings, slot);
    if (slot == FontSlot::MainProgF)
        return screenFont(settings);
    const FontSlotDef& def = fontSlotDef(slot);
    FontSpec font;
    font.name = std::string(def.builtInName);
    font.size = def.builtInSize;
    font.charset = screenCharset(settings);
    return font;
}

} // namespace velor
