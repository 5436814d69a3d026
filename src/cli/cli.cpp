// Sub-command registry and shared helpers of velor-cli.
#include "cli.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

namespace velor::cli {

std::vector<Command>& commands()
{
    static std::vector<Command> list;
    return list;
}

CommandRegistrar::CommandRegistrar(QString name, QString summary, std::function<int(const QStringList&)> run)
{
    commands().push_back({std::move(name), std::move(summary), std::move(run)});
}

void printOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void printErr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

int usageError(const QString& message)
{
    printErr(QStringLiteral("velor-cli: %1\n").arg(message));
    return kExitUsage;
}

int failure(const QString& message)
{
    printErr(QStringLiteral("velor-cli: %1\n").arg(message));
    return kExitFailure;
}

void printJson(const QJsonDocument& doc)
{
    printOut(QString::fromUtf8(doc.toJson(QJsonDocument::Indented)));
}

bool parseArgs(QCommandLineParser& parser, const QString& commandLine, const QStringList& args, int& exitCode)
{
    parser.addHelpOption();
    QStringList full = args;
    full.prepend(QStringLiteral("velor-cli %1").arg(commandLine));
    if (!parser.parse(full)) {
        exitCode = usageError(parser.errorText());
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        printOut(parser.helpText());
        exitCode = kExitOk;
        return false;
    }
    return true;
}

void addRootOption(QCommandLineParser& parser)
{
    parser.addOption(
        {QStringLiteral("root"),
         QStringLiteral("Program folder holding Fluids, HeatExch, ... (default: the executable's folder)."),
         QStringLiteral("DIR")});
}

ProgramFolder rootFolder(const QCommandLineParser& parser)
{
    if (parser.isSet(QStringLiteral("root")))
        return ProgramFolder(QDir(parser.value(QStringLiteral("root"))).absolutePath().toStdString());
    return ProgramFolder(QCoreApplication::applicationDirPath().toStdString());
}

QString jsonNumber(long double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Lg", value);
    return QString::fromLatin1(buffer);
}

} // namespace velor::cli
