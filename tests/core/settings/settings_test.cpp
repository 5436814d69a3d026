// Settings store: defaults without side effects, case-insensitive names, typed reads, the key
// table, the decimals lookup and the font slots.
#include "app/settings.h"
#include "app/settings_display.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace velor {
namespace {

TEST(SettingsTable, GroupsAndKeysAreConsistent)
{
    EXPECT_EQ(allSettingsGroups().size(), 21u);
    std::set<std::string> paths;
    std::size_t keyCount = 0;
    for (SettingsGroupId id : allSettingsGroups()) {
        EXPECT_TRUE(paths.insert(std::string(settingsGroupPath(id))).second) << settingsGroupPath(id);
        // A group is found by its path in any letter case and with '/' for '\'.
        std::string other(settingsGroupPath(id));
        for (char& c : other)
            c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(settingsGroupFromPath(other), id) << other;
        const auto keys = settingKeys(id);
        keyCount += keys.size();
        for (const SettingKey& k : keys) {
            EXPECT_EQ(k.group, id);
            EXPECT_EQ(findSettingKey(id, k.name), &k) << k.name; // names unique without case
        }
    }
    // settingKeys() spans cover the whole table only if the table is grouped in order.
    EXPECT_EQ(keyCount, allSettingKeys().size());
    EXPECT_TRUE(settingKeys(SettingsGroupId::UnitsFluidsTable).empty());
    EXPECT_FALSE(settingsGroupFromPath("Units\\Nowhere"));
}

TEST(SettingsStore, MissingValuesGiveDefaultsAndCreateNothing)
{
    MemorySettingsStore store;
    Settings settings(store, ProgramFolder("/opt/velor"));
    for (const SettingKey& k : allSettingKeys()) {
        if (k.writeBack)
            continue;
        SettingsGroup& g = settings.group(k.group);
        switch (k.type) {
        case SettingType::Integer:
            if (k.dynamicDefault == DynamicDefault::None) {
                EXPECT_EQ(g.integer(k.name), k.intDefault) << k.name;
            }
            EXPECT_EQ(g.ReadInteger(kDefaultsSection, k.name, -7), -7) << k.name;
            break;
        case SettingType::Float:
            EXPECT_EQ(g.real(k.name), k.floatDefault) << k.name;
            break;
        case SettingType::String:
            EXPECT_EQ(g.string(k.name), g.defaultText(k)) << k.name;
            break;
        }
    }
    EXPECT_EQ(store.size(), 0u);
    EXPECT_EQ(store.writeCount(), 0u);
    EXPECT_FALSE(store.rootExists());

    // A few defaults spelled out, so that a wrong table row shows.
    EXPECT_EQ(settings.group(SettingsGroupId::UnitsInput).integer("InletVolumeFlow_HotSide"), 2);
    EXPECT_EQ(settings.group(SettingsGroupId::PrintUnits).integer("PressPrintUnit"), 3);
    EXPECT_EQ(settings.group(SettingsGroupId::Data).real("Capacity"), 200.0);
    EXPECT_EQ(settings.group(SettingsGroupId::Data).real("OutTempHS"), 75.0);
    EXPECT_EQ(settings.group(SettingsGroupId::Data).real("ActiveTubesS"), 1.0);
    EXPECT_EQ(settings.group(SettingsGroupId::Project).string("Path"), "/opt/velor/Projects");
    EXPECT_EQ(settings.group(SettingsGroupId::Report).string("Path"), "/opt/velor/Reports");
    EXPECT_EQ(settings.group(SettingsGroupId::PrintContact).string("Contact"), "Poland");
    EXPECT_EQ(store.size(), 0u);
}

TEST(SettingsStore, NamesAreMatchedWithoutRegardToCase)
{
    MemorySettingsStore store;
    Settings settings(store);
    SettingsGroup& calc = settings.group(SettingsGroupId::DecimalsCalc);
    calc.WriteInteger("Defaults", "NTUCalc", 3);
    EXPECT_EQ(calc.ReadInteger("Defaults", "NtuCalc", 0), 3);
    EXPECT_EQ(calc.ReadInteger("DEFAULTS", "ntucalc", 0), 3);
    EXPECT_EQ(calc.integer("NtuCalc"), 3);
    EXPECT_EQ(store.value("settings/decimalpoint/CALCULATIONS", "defaults", "NTUCALC"), "3");

    // A write under another spelling changes the same value and keeps the first spelling.
    calc.WriteInteger("Defaults", "ntucalc", 5);
    EXPECT_EQ(store.size(), 1u);
    EXPECT_EQ(store.valueNames("Settings\\DecimalPoint\\Calculations", "Defaults"),
              std::vector<std::string>{"NTUCalc"});
    EXPECT_EQ(calc.integer("NTUCalc"), 5);
}

TEST(SettingsStore, UnreadableValuesGiveTheDefault)
{
    MemorySettingsStore store;
    Settings settings(store);
    SettingsGroup& g = settings.group(SettingsGroupId::Data);
    struct Case
    {
        const char* text;
        std::optional<int> integer;
        std::optional<double> real;
    };
    const Case cases[] = {
        {"12", 12, 12.0},
        {" -3 ", -3, -3.0},
        {"+7", 7, 7.0},
        {"2.5", std::nullopt, 2.5},
        {"1e-3", std::nullopt, 0.001},
        {"", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
        {"12abc", std::nullopt, std::nullopt},
        {"2147483648", std::nullopt, 2147483648.0},
        {"-2147483648", -2147483647 - 1, -2147483648.0},
        {"nan", std::nullopt, std::nullopt},
        {"inf", std::nullopt, std::nullopt},
        {"1e400", std::nullopt, std::nullopt},
        {"0x10", std::nullopt, std::nullopt},
        {"1,5", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        g.WriteString("Defaults", "Value", c.text);
        EXPECT_EQ(g.ReadInteger("Defaults", "Value", -99), c.integer.value_or(-99)) << '"' << c.text << '"';
        EXPECT_EQ(g.ReadFloat("Defaults", "Value", -99.0), c.real.value_or(-99.0)) << '"' << c.text << '"';
        EXPECT_EQ(g.ReadString("Defaults", "Value", "x"), c.text);
    }
}

TEST(SettingsStore, FloatsRoundTripExactly)
{
    MemorySettingsStore store;
    Settings settings(store);
    SettingsGroup& g = settings.group(SettingsGroupId::Data);
    for (double v : {0.0, 200.0, 0.1, 1.0 / 3.0, -273.15, 1e-300, 6.02214076e23, 0.0002}) {
        g.WriteFloat("Defaults", "Capacity", v);
        EXPECT_EQ(g.real("Capacity"), v) << *store.value("Data", "Defaults", "Capacity");
    }
    g.WriteFloat("Defaults", "Capacity", 200.0);
    EXPECT_EQ(store.value("Data", "Defaults", "Capacity"), "200");
}

TEST(SettingsStore, OnlyWriteBackKeysAreCreatedOnReading)
{
    MemorySettingsStore store;
    Settings settings(store);
    SettingsGroup& fluids = settings.group(SettingsGroupId::UnitsFluids);

    EXPECT_EQ(fluids.string("LiquidHS"), "Water");
    EXPECT_EQ(store.value("Units\\Fluids", "Defaults", "LiquidHS"), "Water");
    EXPECT_EQ(fluids.string("vaporhs"), "Saturated steam");
    EXPECT_EQ(store.value("Units\\Fluids", "Defaults", "VaporHS"), "Saturated steam");

    fluids.WriteString("Defaults", "LiquidCS", ""); // an empty name is put right as well
    EXPECT_EQ(fluids.string("LiquidCS"), "Water");
    EXPECT_EQ(store.value("Units\\Fluids", "Defaults", "LiquidCS"), "Water");

    fluids.WriteString("Defaults", "LiquidHS", "Glycol 30%");
    const std::size_t writes = store.writeCount();
    EXPECT_EQ(fluids.string("LiquidHS"), "Glycol 30%");
    EXPECT_EQ(store.writeCount(), writes);

    SettingsGroup& device = settings.group(SettingsGroupId::Device);
    EXPECT_EQ(device.string("HotSide"), "Tubes");
    EXPECT_EQ(device.string("ColdSide"), "Shell");
    EXPECT_EQ(device.string("AutoCalc"), "Yes");
    EXPECT_EQ(store.valueNames("Settings\\Device", "Defaults").size(), 3u);

    // Not a write-back key: read, not stored.
    EXPECT_EQ(settings.group(SettingsGroupId::WindowState).string("WindowState"), "Normal");
    EXPECT_FALSE(store.value("Settings\\WindowState", "Defaults", "WindowState"));

    // The language: plain reads never write, the start-up read stores "English".
    EXPECT_EQ(settings.language(), "English");
    EXPECT_FALSE(store.value("Settings\\Language", "Defaults", "Language"));
    EXPECT_EQ(settings.ensureLanguage(), "English");
    EXPECT_EQ(store.value("Settings\\Language", "Defaults", "Language"), "English");
}

TEST(SettingsDecimals, OptionAllOverridesEveryQuantity)
{
    MemorySettingsStore store;
    Settings settings(store);
    const char* calcKeys[] = {"CapacityCalc", "TempCalc",     "PressCalc",    "DropPressCalc", "FlowCalc",
                              "OversurfCalc", "FoulFactCalc", "HTACalc",      "OHTCCalc",      "AlphaCalc",
                              "ReynNoCalc",   "NussNoCalc",   "VelocityCalc", "NTUCalc"};
    const int calcDefaults[] = {2, 2, 2, 2, 6, 0, 0, 1, 2, 2, 0, 0, 2, 0};

    // Fresh store: "Custom", each quantity's own default.
    for (std::size_t i = 0; i < std::size(calcKeys); ++i)
        EXPECT_EQ(decimals(settings, calcKeys[i]), calcDefaults[i]) << calcKeys[i];

    SettingsGroup& calc = settings.group(SettingsGroupId::DecimalsCalc);
    calc.WriteInteger("Defaults", "OptionCalc", 1);
    calc.WriteInteger("Defaults", "AllCalc", 4);
    calc.WriteInteger("Defaults", "FlowCalc", 5);
    for (const char* key : calcKeys)
        EXPECT_EQ(decimals(settings, key), 4) << key;
    // The other groups are not affected.
    EXPECT_EQ(decimals(settings, "DensityFluids"), 4);
    EXPECT_EQ(decimals(settings, "PressPrint"), 1);

    calc.WriteInteger("Defaults", "OptionCalc", 2);
    EXPECT_EQ(decimals(settings, "FlowCalc"), 5);
    EXPECT_EQ(decimals(settings, "TempCalc"), 2);

    // Print group with "All" = 3; values outside 0-6 are used as stored.
    SettingsGroup& print = settings.group(SettingsGroupId::DecimalsPrint);
    print.WriteInteger("Defaults", "OptionPrint", 1);
    print.WriteInteger("Defaults", "AllPrint", 3);
    for (const char* key : {"TempPrint", "PressPrint", "LengthPrint", "AreaPrint", "VolPrint", "WeightPrint"})
        EXPECT_EQ(decimals(settings, key), 3) << key;
    print.WriteInteger("Defaults", "AllPrint", 9);
    EXPECT_EQ(decimals(settings, "AreaPrint"), 9);

    // "All" with its default when only the option is stored.
    SettingsGroup& fluids = settings.group(SettingsGroupId::DecimalsFluids);
    fluids.WriteInteger("Defaults", "OptionFluids", 1);
    EXPECT_EQ(decimals(settings, "DensityFluids"), 2);

    EXPECT_EQ(precisionGroupOf("ntucalc"), PrecisionGroup::Calculations);
    EXPECT_FALSE(precisionGroupOf("Capacity"));
    EXPECT_EQ(precisionGroupOf(SettingsGroupId::DecimalsPrint), PrecisionGroup::Printouts);
    EXPECT_FALSE(precisionGroupOf(SettingsGroupId::DecimalsFluidsTable));
}

TEST(SettingsFonts, AutomaticAndManualSlots)
{
    MemorySettingsStore store;
    Settings settings(store);

    // Fresh store: every slot "Automatic", built-in fonts with the screen charset default 1.
    for (const FontSlotDef& def : fontSlots()) {
        EXPECT_FALSE(fontSlotManual(settings, def.slot));
        const FontSpec f = effectiveSlotFont(settings, def.slot);
        EXPECT_EQ(f.name, def.builtInName) << def.prefix;
        EXPECT_EQ(f.size, def.builtInSize) << def.prefix;
        EXPECT_EQ(f.charset, 1) << def.prefix;
    }

    recordScreenFont(settings, {"DejaVu Sans", 10, 238, false, true});
    EXPECT_EQ(effectiveSlotFont(settings, FontSlot::MainProgF),
              (FontSpec{"DejaVu Sans", 10, 238, false, true}));
    EXPECT_EQ(effectiveSlotFont(settings, FontSlot::ParamNF), (FontSpec{"Arial", 9, 238, false, false}));

    // "Manual" with nothing stored: the slot's defaults, the charset from the screen font.
    setFontSlotManual(settings, FontSlot::PrintTF, true);
    EXPECT_EQ(store.value("Settings\\Fonts", "Defaults", "PrintTF"), "Manual");
    EXPECT_EQ(effectiveSlotFont(settings, FontSlot::PrintTF),
              (FontSpec{"Courier New", 16, 238, false, false}));
    setFontSlotManual(settings, FontSlot::MainProgF, true);
    EXPECT_EQ(effectiveSlotFont(settings, FontSlot::MainProgF),
              (FontSpec{"MS Sans Serif", 8, 238, false, false}));

    const FontSpec chosen{"Liberation Mono", 12, 204, true, true};
    storeSlotFont(settings, FontSlot::PrintTF, chosen);
    EXPECT_EQ(store.value("Settings\\Fonts", "Defaults", "PrintTFStyle"), "fsBold..fsItalic");
    EXPECT_EQ(effectiveSlotFont(settings, FontSlot::PrintTF), chosen);
    setFontSlotManual(settings, FontSlot::PrintTF, false);
    EXPECT_EQ(effectiveSlotFont(settings, FontSlot::PrintTF),
              (FontSpec{"Courier New", 16, 238, false, false}));
    EXPECT_EQ(storedSlotFont(settings, FontSlot::PrintTF), chosen); // kept for the chooser
}

TEST(SettingsFonts, StyleText)
{
    struct Case
    {
        bool bold, italic;
        const char* text;
    };
    for (const Case& c : {Case{false, false, ""}, Case{false, true, "fsItalic"}, Case{true, false, "fsBold"},
                          Case{true, true, "fsBold..fsItalic"}}) {
        EXPECT_EQ(fontStyleText(c.bold, c.italic), c.text);
        bool bold = !c.bold, italic = !c.italic;
        parseFontStyle(c.text, bold, italic);
        EXPECT_EQ(bold, c.bold) << c.text;
        EXPECT_EQ(italic, c.italic) << c.text;
    }
    bool bold = true, italic = true;
    parseFontStyle("fsUnderline", bold, italic);
    EXPECT_FALSE(bold || italic);
}

} // namespace
} // namespace velor
