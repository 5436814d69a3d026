// The user's locale identifier for the font rule of Cyrillic languages.
#include "platform_locale.h"

#include "app/language.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSettings>

namespace velor {

std::optional<std::string> userLocaleId()
{
#if defined(Q_OS_WIN)
    const QSettings international(QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\International"),
                                  QSettings::NativeFormat);
    const QString id = international.value(QStringLiteral("Locale")).toString();
    static const QRegularExpression eightHex(QStringLiteral("^[0-9A-Fa-f]{8}$"));
    if (!eightHex.match(id).hasMatch())
        return std::nullopt;
    return id.toUpper().toStdString();
#else
    // QLocale::system() follows LC_ALL, then LC_NUMERIC, then LANG: the user's regional formats.
    return localeIdForLocaleName(QLocale::system().name().toStdString());
#endif
}

} // namespace velor
