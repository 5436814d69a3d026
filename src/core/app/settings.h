// The per-user settings store: the back-end interface, an in-memory back end, and the access
// objects of the 21 groups with their typed reads (missing or unreadable values give defaults).
#pragma once

#include "app/settings_keys.h"
#include "base/programfolder.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velor {

/// The root of the store in the user's area, and the one section every group uses.
inline constexpr std::string_view kSettingsRoot = "Software\\VELOR 3.4.0";
inline constexpr std::string_view kDefaultsSection = "Defaults";

/// True when `a` and `b` are equal without regard to ASCII letter case (value names, group paths).
bool equalNoCase(std::string_view a, std::string_view b);

/// A hierarchical per-user store of named values. Every value is kept as text; the typed reads
/// and writes of `SettingsGroup` convert. Group paths use backslashes ("Units\Calculations\Input",
/// relative to the root); group, section and value names are matched without regard to letter
/// case, and a write to an existing value keeps the spelling it was first stored with.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    /// The stored text of a value; nullopt when it is missing (nothing is created).
    virtual std::optional<std::string> value(std::string_view group, std::string_view section,
                                             std::string_view name) const = 0;
    /// Stores a value, creating its group and section as needed. Failures are not reported.
    virtual void setValue(std::string_view group, std::string_view section, std::string_view name,
                          std::string_view text) = 0;
    /// The names of the values stored in a section, in the store's order.
    virtual std::vector<std::string> valueNames(std::string_view group, std::string_view section) const = 0;
    /// Whether the root exists; `createRoot` makes it (errors ignored).
    virtual bool rootExists() const = 0;
    virtual void createRoot() = 0;
};

/// A store held in memory, for tests and for a program run without a user store.
class MemorySettingsStore final : public SettingsStore
{
public:
    std::optional<std::string> value(std::string_view group, std::string_view section,
                                     std::string_view name) const override;
    void setValue(std::string_view group, std::string_view section, std::string_view name,
                  std::string_view text) override;
    std::vector<std::string> valueNames(std::string_view group, std::string_view section) const override;
    bool rootExists() const override { return m_rootExists || !m_values.empty(); }
    void createRoot() override { m_rootExists = true; }

    /// Number of stored values over all groups (tests check that reads create nothing).
    std::size_t size() const { return m_values.size(); }
    /// Number of calls of `setValue` so far.
    std::size_t writeCount() const { return m_writes; }

private:
    struct Entry
    {
        std::string name; // spelling of the first write
        std::string text;
    };
    // Key: group, section and name folded to lower case and joined by '\n'.
    std::map<std::string, Entry> m_values;
    bool m_rootExists = false;
    std::size_t m_writes = 0;
};

/// The access object of one group: the six typed reads and writes on (section, name, default),
/// plus reads that take the default (and the write-back rule) from the key table.
class SettingsGroup
{
public:
    SettingsGroup(SettingsStore& store, SettingsGroupId id, std::filesystem::path programRoot = {});

    SettingsGroupId id() const { return m_id; }
    std::string_view path() const;

    /// A missing value, or one that is not a whole number in the 32-bit range, gives `defaultValue`.
    int ReadInteger(std::string_view section, std::string_view name, int defaultValue) const;
    void WriteInteger(std::string_view section, std::string_view name, int value);
    /// A missing value gives `defaultValue`; every stored value reads as text.
    std::string ReadString(std::string_view section, std::string_view name,
                           std::string_view defaultValue) const;
    void WriteString(std::string_view section, std::string_view name, std::string_view value);
    /// A missing value, or one that is not a finite number, gives `defaultValue`.
    double ReadFloat(std::string_view section, std::string_view name, double defaultValue) const;
    /// Stored as the shortest text that reads back as the same double.
    void WriteFloat(std::string_view section, std::string_view name, double value);

    /// Reads of a key of this group's table in section "Defaults" with the table's default.
    /// A name that is not in the table reads as 0 / "" / 0.0. A string key marked write-back that
    /// is missing or empty is stored with its default at once (the only reads that create values).
    int integer(std::string_view name) const;
    std::string string(std::string_view name);
    double real(std::string_view name) const;
    /// Whether a value of this name is stored in section "Defaults".
    bool contains(std::string_view name) const;

    /// The default of a table key as text ("" for a name not in the table); defaults that depend
    /// on the program folder ("Projects", "Reports") are resolved against it.
    std::string defaultText(const SettingKey& key) const;

private:
    SettingsStore* m_store;
    SettingsGroupId m_id;
    std::filesystem::path m_programRoot;
};

/// The 21 group access objects of one program run, over one store.
class Settings
{
public:
    /// `programFolder` resolves the folder defaults of `Settings\Project` and `Settings\Report`.
    explicit Settings(SettingsStore& store, ProgramFolder programFolder = {});

    SettingsGroup& group(SettingsGroupId id) { return m_groups[static_cast<std::size_t>(id)]; }
    const SettingsGroup& group(SettingsGroupId id) const { return m_groups[static_cast<std::size_t>(id)]; }
    SettingsStore& store() const { return *m_store; }
    const ProgramFolder& programFolder() const { return m_folder; }

    /// The stored language folder name (`Settings\Language`, default "English"), read without
    /// writing anything back.
    std::string language() const;
    /// The language value ensured at start-up: stored as "English" when missing or empty.
    std::string ensureLanguage();

private:
    SettingsStore* m_store;
    ProgramFolder m_folder;
    std::vector<SettingsGroup> m_groups;
};

/// Integer and float values as stored text, and back; nullopt for text that is not one.
std::optional<int> parseStoredInteger(std::string_view text);
std::optional<double> parseStoredFloat(std::string_view text);
std::string storedFloatText(double value);

} // namespace velor
