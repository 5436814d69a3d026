// velor-cli settings: the values the program will use from the per-user settings store.
#include "app/settings.h"
#include "app/settings_display.h"
#include "cli.h"
#include "platform_settings.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <memory>

namespace velor::cli {
namespace {

const QString kHelp = QStringLiteral(
    "Usage: velor-cli settings show [GROUP] [--store FILE] [--root DIR] [--json]\n\n"
    "Prints every value of the settings store as the program will use it: the stored value, or\n"
    "its default when it is missing or cannot be read as its type. Nothing is written.\n"
    "GROUP is a group path such as \"Units\\Fluids\" or \"settings/decimalpoint/calculations\"\n"
    "(letter case and / or \\ do not matter), or its last part when that names one group\n"
    "(\"Fonts\"); without it every group is shown.\n\n"
    "Options:\n"
    "  --store FILE  read an INI file instead of the user's store\n"
    "  --root DIR    program folder for the folder defaults (default: the executable's folder)\n"
    "  --json        print JSON instead of text\n");

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

/// One value as the program will use it.
struct Effective
{
    QString text;        // the value as text
    QJsonValue json;     // the value as JSON
    bool stored = false; // the stored value is used
    QString note;        // why a stored value is not used
};

Effective effective(const SettingsGroup& group, const SettingsStore& store, const SettingKey& key)
{
    Effective e;
    const auto raw = store.value(group.path(), kDefaultsSection, key.name);
    const std::string fallback = group.defaultText(key);
    switch (key.type) {
    case SettingType::Integer: {
        const auto parsed = raw ? parseStoredInteger(*raw) : std::nullopt;
        const int value = parsed ? *parsed : parseStoredInteger(fallback).value_or(key.intDefault);
        e.text = QString::number(value);
        e.json = value;
        e.stored = parsed.has_value();
        if (raw && !parsed)
            e.note = QStringLiteral("stored \"%1\" is not a whole number").arg(qs(*raw));
        break;
    }
    case SettingType::Float: {
        const auto parsed = raw ? parseStoredFloat(*raw) : std::nullopt;
        const double value = parsed ? *parsed : key.floatDefault;
        e.text = qs(storedFloatText(value));
        e.json = value;
        e.stored = parsed.has_value();
        if (raw && !parsed)
            e.note = QStringLiteral("stored \"%1\" is not a number").arg(qs(*raw));
        break;
    }
    case SettingType::String: {
        // An empty write-back value is replaced by its default when the program reads it.
        e.stored = raw && !(key.writeBack && raw->empty());
        e.text = qs(e.stored ? *raw : fallback);
        e.json = e.text;
        if (raw && !e.stored)
            e.note = QStringLiteral("stored value is empty");
        break;
    }
    }
    return e;
}

QString typeName(SettingType type)
{
    switch (type) {
    case SettingType::Integer:
        return QStringLiteral("integer");
    case SettingType::Float:
        return QStringLiteral("float");
    case SettingType::String:
        break;
    }
    return QStringLiteral("string");
}

// A group by its path, or by its last path segment when only one group ends with it ("Fonts").
std::optional<SettingsGroupId> findGroup(const QString& name)
{
    if (const auto id = settingsGroupFromPath(name.toStdString()))
        return id;
    std::optional<SettingsGroupId> found;
    for (SettingsGroupId g : allSettingsGroups()) {
        const QString path = qs(settingsGroupPath(g));
        if (path.section(QLatin1Char('\\'), -1).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (found)
            return std::nullopt; // ambiguous
        found = g;
    }
    return found;
}

int show(const QCommandLineParser& parser, const QStringList& positional)
{
    if (positional.size() > 1)
        return usageError(QStringLiteral("'settings show' takes at most one group"));
    std::vector<SettingsGroupId> groups(allSettingsGroups().begin(), allSettingsGroups().end());
    if (positional.size() == 1) {
        const auto id = findGroup(positional.front());
        if (!id) {
            QStringList names;
            for (SettingsGroupId g : allSettingsGroups())
                names << qs(settingsGroupPath(g));
            return usageError(QStringLiteral("unknown or ambiguous settings group '%1' (groups: %2)")
                                  .arg(positional.front(), names.join(QStringLiteral(", "))));
        }
        groups = {*id};
    }

    std::unique_ptr<QtSettingsStore> store;
    if (parser.isSet(QStringLiteral("store"))) {
        const QString path = parser.value(QStringLiteral("store"));
        if (!QFileInfo(path).isFile())
            return failure(QStringLiteral("no settings file '%1'").arg(path));
        store = std::make_unique<QtSettingsStore>(path);
    } else {
        store = std::make_unique<QtSettingsStore>();
    }
    const Settings settings(*store, rootFolder(parser));
    const bool json = parser.isSet(QStringLiteral("json"));

    QString out =
        QStringLiteral("Store: %1%2\n")
            .arg(store->location(), store->rootExists() ? QString() : QStringLiteral(" (not created yet)"));
    QJsonArray jsonGroups;
    for (SettingsGroupId id : groups) {
        const SettingsGroup& group = settings.group(id);
        out += QStringLiteral("\n[%1]\n").arg(qs(group.path()));
        QJsonArray values;
        const auto keys = settingKeys(id);
        if (keys.empty())
            out += QStringLiteral("  (holds no values)\n");
        for (const SettingKey& key : keys) {
            const Effective e = effective(group, *store, key);
            out +=
                QStringLiteral("  %1 = %2%3\n")
                    .arg(qs(key.name),
                         key.type == SettingType::String ? QLatin1Char('"') + e.text + QLatin1Char('"')
                                                         : e.text,
                         e.stored ? QString()
                                  : QStringLiteral("  (default%1)")
                                        .arg(e.note.isEmpty() ? QString() : QStringLiteral("; ") + e.note));
            QJsonObject v{
                {QStringLiteral("name"), qs(key.name)},
                {QStringLiteral("type"), typeName(key.type)},
                {QStringLiteral("value"), e.json},
                {QStringLiteral("source"), e.stored ? QStringLiteral("stored") : QStringLiteral("default")}};
            if (!e.note.isEmpty())
                v.insert(QStringLiteral("note"), e.note);
            values.append(v);
        }
        // The precision groups: say when one "All" value stands for every quantity.
        if (const auto precision = precisionGroupOf(id)) {
            const std::string_view optionKey = precisionOptionKey(*precision);
            const std::string_view allKey = precisionAllKey(*precision);
            if (group.integer(optionKey) == kPrecisionOptionAll)
                out += QStringLiteral("  (%1 = 1: every quantity is shown with %2 = %3 decimals)\n")
                           .arg(qs(optionKey), qs(allKey))
                           .arg(group.integer(allKey));
        }
        // Stored values the program does not read.
        for (const std::string& name : store->valueNames(group.path(), kDefaultsSection)) {
            if (findSettingKey(id, name))
                continue;
            const QString text = qs(store->value(group.path(), kDefaultsSection, name).value_or(""));
            out += QStringLiteral("  %1 = \"%2\"  (not used)\n").arg(qs(name), text);
            values.append(QJsonObject{{QStringLiteral("name"), qs(name)},
                                      {QStringLiteral("value"), text},
                                      {QStringLiteral("source"), QStringLiteral("unused")}});
        }
        jsonGroups.append(
            QJsonObject{{QStringLiteral("group"), qs(group.path())}, {QStringLiteral("values"), values}});
    }
    if (json)
        printJson(QJsonDocument(QJsonObject{{QStringLiteral("store"), store->location()},
                                            {QStringLiteral("groups"), jsonGroups}}));
    else
        printOut(out);
    return kExitOk;
}

int run(const QStringList& args)
{
    if (args.contains(QStringLiteral("-h")) || args.contains(QStringLiteral("--help"))) {
        printOut(kHelp);
        return kExitOk;
    }
    QCommandLineParser parser;
    addRootOption(parser);
    parser.addOption({QStringLiteral("store"),
                      QStringLiteral("INI file to read instead of the user's store."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("json"), QStringLiteral("Print JSON.")});
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("show"));
    int exitCode = kExitOk;
    if (!parseArgs(parser, QStringLiteral("settings"), args, exitCode))
        return exitCode;
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(QStringLiteral("'settings' needs 'show'; see 'velor-cli settings --help'"));
    const QString verb = positional.takeFirst();
    if (verb == QLatin1String("show"))
        return show(parser, positional);
    return usageError(QStringLiteral("unknown 'settings' action '%1' (valid: show)").arg(verb));
}

const CommandRegistrar registrar(QStringLiteral("settings"),
                                 QStringLiteral("Show the values of the settings store"), run);

} // namespace
} // namespace velor::cli
