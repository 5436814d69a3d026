// The per-user settings store on QSettings, with names matched without regard to letter case.
#include "platform_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>
#include <algorithm>

namespace velor {
namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QStringList pathSegments(std::string_view group, std::string_view section)
{
    QStringList segments;
    for (const QString& part :
         qs(group).split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts))
        segments << part;
    if (!section.empty())
        segments << qs(section);
    return segments;
}

QString matchNoCase(const QStringList& names, const QString& wanted)
{
    const auto it = std::find_if(names.begin(), names.end(), [&wanted](const QString& n) {
        return n.compare(wanted, Qt::CaseInsensitive) == 0;
    });
    return it == names.end() ? QString() : *it;
}

// Enters the groups of `segments` one by one, each under the spelling already stored (matched
// without regard to case). A missing level is entered as spelled when `create` is set; otherwise
// the walk stops and returns false. The caller leaves the groups with `leave`.
class GroupWalk
{
public:
    GroupWalk(QSettings& settings, const QStringList& segments, bool create) : m_settings(settings)
    {
        for (const QString& segment : segments) {
            QString actual = matchNoCase(m_settings.childGroups(), segment);
            if (actual.isEmpty()) {
                if (!create) {
                    m_found = false;
                    return;
                }
                actual = segment;
            }
            m_settings.beginGroup(actual);
            ++m_depth;
        }
    }
    ~GroupWalk()
    {
        for (int i = 0; i < m_depth; ++i)
            m_settings.endGroup();
    }
    GroupWalk(const GroupWalk&) = delete;
    GroupWalk& operator=(const GroupWalk&) = delete;

    bool found() const { return m_found; }

private:
    QSettings& m_settings;
    int m_depth = 0;
    bool m_found = true;
};

} // namespace

QtSettingsStore::QtSettingsStore()
#if defined(Q_OS_WIN)
    : m_settings(std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\VELOR 3.4.0"),
                                             QSettings::NativeFormat))
#else
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("VELOR 3.4.0")))
#endif
{
}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<std::string> QtSettingsStore::value(std::string_view group, std::string_view section,
                                                  std::string_view name) const
{
    GroupWalk walk(*m_settings, pathSegments(group, section), false);
    if (!walk.found())
        return std::nullopt;
    const QString key = matchNoCase(m_settings->childKeys(), qs(name));
    if (key.isEmpty())
        return std::nullopt;
    const QVariant v = m_settings->value(key);
    if (!v.isValid())
        return std::nullopt;
    // An INI line holding an unquoted comma reads back as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", ")).toStdString();
    return v.toString().toStdString();
}

void QtSettingsStore::setValue(std::string_view group, std::string_view section, std::string_view name,
                               std::string_view text)
{
    GroupWalk walk(*m_settings, pathSegments(group, section), true);
    QString key = matchNoCase(m_settings->childKeys(), qs(name));
    if (key.isEmpty())
        key = qs(name);
    m_settings->setValue(key, qs(text));
}

std::vector<std::string> QtSettingsStore::valueNames(std::string_view group, std::string_view section) const
{
    std::vector<std::string> names;
    GroupWalk walk(*m_settings, pathSegments(group, section), false);
    if (!walk.found())
        return names;
    for (const QString& key : m_settings->childKeys())
        names.push_back(key.toStdString());
    return names;
}

bool QtSettingsStore::rootExists() const
{
#if defined(Q_OS_WIN)
    QSettings software(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat);
    return !matchNoCase(software.childGroups(), QStringLiteral("VELOR 3.4.0")).isEmpty();
#else
    return QFileInfo::exists(m_settings->fileName()) || !m_settings->allKeys().isEmpty();
#endif
}

void QtSettingsStore::createRoot()
{
#if defined(Q_OS_WIN)
    // Opening the store for writing creates its registry key.
    m_settings->sync();
#else
    if (rootExists())
        return;
    const QFileInfo info(m_settings->fileName());
    QDir().mkpath(info.absolutePath());
    QFile file(info.absoluteFilePath());
    if (file.open(QIODevice::WriteOnly))
        file.close();
#endif
}

QString QtSettingsStore::location() const
{
    return m_settings->fileName();
}

void QtSettingsStore::sync()
{
    m_settings->sync();
}

} // namespace velor
