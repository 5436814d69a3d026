// Sub-command registry and shared helpers of velor-cli.
#pragma once

#include "base/programfolder.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace velor::cli {

/// Exit statuses of every sub-command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; ///< the request was understood but cannot be served
inline constexpr int kExitUsage = 2;   ///< bad arguments or a malformed input file

struct Command
{
    QString name;
    QString summary;
    /// Receives the arguments after the sub-command's name.
    std::function<int(const QStringList& args)> run;
};

std::vector<Command>& commands();

/// Registers a sub-command at static-initialisation time (one per source file).
struct CommandRegistrar
{
    CommandRegistrar(QString name, QString summary, std::function<int(const QStringList&)> run);
};

/// Prints "velor-cli: <message>" to standard error and returns kExitUsage.
int usageError(const QString& message);
/// Prints "velor-cli: <message>" to standard error and returns kExitFailure.
int failure(const QString& message);
void printOut(const QString& text);
void printErr(const QString& text);
void printJson(const QJsonDocument& doc);

/// Parses `args` (prefixed with a program name for QCommandLineParser). On a parse error prints
/// it and returns false with `exitCode` = kExitUsage; on --help prints help, exit code kExitOk.
bool parseArgs(QCommandLineParser& parser, const QString& commandLine, const QStringList& args,
               int& exitCode);

/// Adds the common "--root DIR" option.
void addRootOption(QCommandLineParser& parser);
/// The program folder named by --root, or the executable's folder.
ProgramFolder rootFolder(const QCommandLineParser& parser);

/// A real as JSON text with 17 significant digits.
QString jsonNumber(long double value);

} // namespace velor::cli
