// The real per-user settings store on QSettings in the platform's native format: the registry
// below HKEY_CURRENT_USER\Software\VELOR 3.4.0 on Windows, an INI file "VELOR 3.4.0.conf" in the
// user's configuration folder elsewhere.
#pragma once

#include "app/settings.h"

#include <QString>
#include <memory>

class QSettings;

namespace velor {

/// QSettings keeps names case-sensitively (INI files); this store matches groups, sections and
/// value names without regard to case itself and writes to the spelling already stored. Groups
/// map "\" to QSettings' "/" nesting; the section is one more level: "Units/Fluids/Defaults/LiquidHS".
class QtSettingsStore final : public SettingsStore
{
public:
    /// The user's store of the program.
    QtSettingsStore();
    /// A store in the INI file `iniPath` (tests, or a store given on the command line).
    explicit QtSettingsStore(const QString& iniPath);
    ~QtSettingsStore() override;

    std::optional<std::string> value(std::string_view group, std::string_view section,
                                     std::string_view name) const override;
    void setValue(std::string_view group, std::string_view section, std::string_view name,
                  std::string_view text) override;
    std::vector<std::string> valueNames(std::string_view group, std::string_view section) const override;
    bool rootExists() const override;
    void createRoot() override;

    /// Where the values live (file path or registry path), for messages.
    QString location() const;
    /// Writes pending changes to permanent storage now.
    void sync();

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace velor
