// What the settings mean for display: the decimals of a quantity from the three precision groups,
// and the six font slots with their built-in fonts and the "Automatic"/"Manual" rule.
#pragma once

#include "app/settings.h"

#include <span>
#include <string>
#include <string_view>

namespace velor {

/// The three precision groups.
enum class PrecisionGroup
{
    Calculations, ///< `OptionCalc`, `AllCalc`, ... in Settings\DecimalPoint\Calculations
    Fluids,       ///< `OptionFluids`, `AllFluids`, ...
    Printouts,    ///< `OptionPrint`, `AllPrint`, ...
};

/// The option value that makes one "All" value apply to every quantity of a group.
inline constexpr int kPrecisionOptionAll = 1;
inline constexpr int kPrecisionOptionCustom = 2;

/// Decimals of a quantity: the group's option value 1 gives the group's "All" value, anything
/// else the quantity's own key (e.g. "FlowCalc", "DensityFluids", "PressPrint"), each with its
/// default. Values are used as stored, also outside 0-6. The group is the one holding the key;
/// a name that is no precision key of any group gives 0.
int decimals(const Settings& settings, std::string_view precisionKey);
/// The group of a precision key, or nullopt.
std::optional<PrecisionGroup> precisionGroupOf(std::string_view precisionKey);
SettingsGroupId settingsGroupOf(PrecisionGroup group);
/// The precision group stored in a settings group, or nullopt.
std::optional<PrecisionGroup> precisionGroupOf(SettingsGroupId group);
/// The option key ("OptionCalc", ...) and the "All" key ("AllCalc", ...) of a precision group.
std::string_view precisionOptionKey(PrecisionGroup group);
std::string_view precisionAllKey(PrecisionGroup group);

/// The six font slots.
enum class FontSlot
{
    MainProgF,  ///< main window and every dialog
    PrintTF,    ///< printout title
    SectTF,     ///< section titles of printouts
    HeatExchTF, ///< exchanger type on technical data sheets
    ParamNF,    ///< parameter names on printouts
    DataUnitsF, ///< values and units on printouts
};

/// Font character sets as stored (the Windows numbering).
inline constexpr int kCharsetWestern = 1; ///< the "default" character set
inline constexpr int kCharsetCyrillic = 204;

/// A font as the store keeps it. Style is bold/italic; stored as "", "fsItalic", "fsBold" or
/// "fsBold..fsItalic".
struct FontSpec
{
    std::string name;
    int size = 8; // points
    int charset = kCharsetWestern;
    bool bold = false;
    bool italic = false;

    bool operator==(const FontSpec&) const = default;
};

struct FontSlotDef
{
    FontSlot slot;
    std::string_view prefix;      ///< value-name prefix, e.g. "PrintTF"
    std::string_view builtInName; ///< built-in font (for `MainProgF`: the defaults of a manual slot)
    int builtInSize;              // points
};

inline constexpr std::string_view kFontModeAutomatic = "Automatic";
inline constexpr std::string_view kFontModeManual = "Manual";

std::span<const FontSlotDef> fontSlots();
const FontSlotDef& fontSlotDef(FontSlot slot);

/// The stored style text of a bold/italic pair, and back (unknown text reads as regular).
std::string_view fontStyleText(bool bold, bool italic);
void parseFontStyle(std::string_view text, bool& bold, bool& italic);

/// The recorded screen font (`ScrFName`, `ScrFSize`, `ScrFCharset`, `ScrFStyle`); defaults
/// "MS Sans Serif", 8, charset 1, regular.
FontSpec screenFont(const Settings& settings);
/// Records the screen font (done at every start).
void recordScreenFont(Settings& settings, const FontSpec& font);
/// `ScrFCharset`, default 1.
int screenCharset(const Settings& settings);

/// True when the slot's mode is "Manual" (anything else, or missing, is "Automatic").
bool fontSlotManual(const Settings& settings, FontSlot slot);
void setFontSlotManual(Settings& settings, FontSlot slot, bool manual);
/// The slot's stored name, size, charset and style, each with the slot's default when missing
/// (charset default: `ScrFCharset`). This is what a font chooser is loaded with.
FontSpec storedSlotFont(const Settings& settings, FontSlot slot);
/// Stores name, size, charset and style of a slot (its mode is left as it is).
void storeSlotFont(Settings& settings, FontSlot slot, const FontSpec& font);
/// The font a screen or report applies: "Manual" → the stored font; "Automatic" → the built-in
/// font with charset `ScrFCharset` (for `MainProgF`: the recorded screen font).
FontSpec effectiveSlotFont(const Settings& settings, FontSlot slot);

} // namespace velor
