// The in-memory settings store and the typed group access objects.
#include "app/settings.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace velor {
namespace {

char foldChar(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string fold(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = foldChar(c);
    return out;
}

std::string memoryKey(std::string_view group, std::string_view section, std::string_view name)
{
    std::string key = fold(group);
    for (char& c : key)
        if (c == '/')
            c = '\\';
    return key + '\n' + fold(section) + '\n' + fold(name);
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldChar(a[i]) != foldChar(b[i]))
            return false;
    return true;
}

std::optional<int> parseStoredInteger(std::string_view text)
{
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<double> parseStoredFloat(std::string_view text)
{
    text = trimBlanks(text);
    if (text.empty())
        return std::nullopt;
    // strtod accepts "inf", "nan" and hex forms; only plain decimal text is a stored float.
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return std::nullopt;
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string storedFloatText(double value)
{
    // The shortest of 15..17 significant digits that reads back as the same double.
    char buffer[40];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    return buffer;
}

// ---- MemorySettingsStore

std::optional<std::string> MemorySettingsStore::value(std::string_view group, std::string_view section,
                                                      std::string_view name) const
{
    const auto it = m_values.find(memoryKey(group, section, name));
    if (it == m_values.end())
        return std::nullopt;
    return it->second.text;
}

void MemorySettingsStore::setValue(std::string_view group, std::string_view section, std::string_view name,
                                   std::string_view text)
{
    ++m_writes;
    const auto [it, inserted] =
        m_values.try_emplace(memoryKey(group, section, name), Entry{std::string(name), {}});
    it->second.text = std::string(text);
    (void)inserted;
}

std::vector<std::string> MemorySettingsStore::valueNames(std::string_view group,
                                                         std::string_view section) const
{
    const std::string prefix = memoryKey(group, section, "");
    std::vector<std::string> names;
    for (auto it = m_values.lower_bound(prefix); it != m_values.end() && it->first.starts_with(prefix); ++it)
        names.push_back(it->second.name);
    return names;
}

// ---- SettingsGroup

SettingsGroup::SettingsGroup(SettingsStore& store, SettingsGroupId id, std::filesystem::path programRoot)
    : m_store(&store), m_id(id), m_programRoot(std::move(programRoot))
{
}

std::string_view SettingsGroup::path() const
{
    return settingsGroupPath(m_id);
}

int SettingsGroup::ReadInteger(std::string_view section, std::string_view name, int defaultValue) const
{
    const auto text = m_store->value(path(), section, name);
    if (!text)
        return defaultValue;
    return parseStoredInteger(*text).value_or(defaultValue);
}

void SettingsGroup::WriteInteger(std::string_view section, std::string_view name, int value)
{
    m_store->setValue(path(), section, name, std::to_string(value));
}

std::string SettingsGroup::ReadString(std::string_view section, std::string_view name,
                                      std::string_view defaultValue) const
{
    auto text = m_store->value(path(), section, name);
    return text ? std::move(*text) : std::string(defaultValue);
}

void SettingsGroup::WriteString(std::string_view section, std::string_view name, std::string_view value)
{
    m_store->setValue(path(), section, name, value);
}

double SettingsGroup::ReadFloat(std::string_view section, std::string_view name, double defaultValue) const
{
    const auto text = m_store->value(path(), section, name);
    if (!text)
        return defaultValue;
    return parseStoredFloat(*text).value_or(defaultValue);
}

void SettingsGroup::WriteFloat(std::string_view section, std::string_view name, double value)
{
    m_store->setValue(path(), section, name, storedFloatText(value));
}

std::string SettingsGroup::defaultText(const SettingKey& key) const
{
    switch (key.dynamicDefault) {
    case DynamicDefault::ProjectsFolder:
        return m_programRoot.empty() ? std::string() : (m_programRoot / "Projects").string();
    case DynamicDefault::ReportsFolder:
        return m_programRoot.empty() ? std::string() : (m_programRoot / "Reports").string();
    case DynamicDefault::ScreenCharset: {
        const SettingKey* screen = findSettingKey(SettingsGroupId::Fonts, "ScrFCharset");
        return std::to_string(ReadInteger(kDefaultsSection, screen->name, screen->intDefault));
    }
    case DynamicDefault::None:
        break;
    }
    switch (key.type) {
    case SettingType::Integer:
        return std::to_string(key.intDefault);
    case SettingType::Float:
        return storedFloatText(key.floatDefault);
    case SettingType::String:
        break;
    }
    return std::string(key.textDefault);
}

int SettingsGroup::integer(std::string_view name) const
{
    const SettingKey* key = findSettingKey(m_id, name);
    if (!key)
        return 0;
    const int fallback = key->dynamicDefault == DynamicDefault::None
                             ? key->intDefault
                             : parseStoredInteger(defaultText(*key)).value_or(key->intDefault);
    return ReadInteger(kDefaultsSection, key->name, fallback);
}

std::string SettingsGroup::string(std::string_view name)
{
    const SettingKey* key = findSettingKey(m_id, name);
    if (!key)
        return {};
    const std::string fallback = defaultText(*key);
    auto text = m_store->value(path(), kDefaultsSection, key->name);
    if (text && !(key->writeBack && text->empty()))
        return std::move(*text);
    if (key->writeBack)
        WriteString(kDefaultsSection, key->name, fallback);
    return fallback;
}

double SettingsGroup::real(std::string_view name) const
{
    const SettingKey* key = findSettingKey(m_id, name);
    if (!key)
        return 0.0;
    return ReadFloat(kDefaultsSection, key->name, key->floatDefault);
}

bool SettingsGroup::contains(std::string_view name) const
{
    return m_store->value(path(), kDefaultsSection, name).has_value();
}

// ---- Settings

Settings::Settings(SettingsStore& store, ProgramFolder programFolder)
    : m_store(&store), m_folder(std::move(programFolder))
{
    m_groups.reserve(kSettingsGroupCount);
    for (SettingsGroupId id : allSettingsGroups())
        m_groups.emplace_back(store, id, m_folder.root());
}

std::string Settings::language() const
{
    // An empty value names no folder; it reads like a missing one.
    std::string name = group(SettingsGroupId::Language).ReadString(kDefaultsSection, "Language", "English");
    return name.empty() ? std::string("English") : name;
}

std::string Settings::ensureLanguage()
{
    return group(SettingsGroupId::Language).string("Language");
}

} // namespace velor
