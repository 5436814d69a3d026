// velor-cli: the command-line tool. Dispatches to the registered sub-commands.
#include "cli.h"

#include <QCoreApplication>
#include <algorithm>

using namespace velor::cli;

namespace {

QString overallHelp()
{
    QString text =
        QStringLiteral("Usage: velor-cli <command> [options]\n\n"
                       "Selects and rates heat exchangers from the command line, on the same data\n"
                       "and engine as the VELOR program.\n\nCommands:\n");
    auto list = commands();
    std::sort(list.begin(), list.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
    for (const Command& c : list)
        text += QStringLiteral("  %1%2\n").arg(c.name.leftJustified(12), c.summary);
    text += QStringLiteral(
        "\nOptions:\n  -h, --help     Show this help (or a command's help: velor-cli <command> --help)\n"
        "  -v, --version  Show the version\n\n"
        "Exit status: 0 success, 1 the request cannot be served, 2 bad arguments.\n");
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velor-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELOR_VERSION));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given; try 'velor-cli --help'"));
    const QString first = args.takeFirst();
    if (first == QLatin1String("-h") || first == QLatin1String("--help") || first == QLatin1String("help")) {
        printOut(overallHelp());
        return kExitOk;
    }
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        printOut(QStringLiteral("velor-cli %1\n").arg(QStringLiteral(VELOR_VERSION)));
        return kExitOk;
    }
    for (const Command& c : commands())
        if (c.name == first)
            return c.run(args);
    QStringList names;
    for (const Command& c : commands())
        names << c.name;
    names.sort();
    return usageError(
        QStringLiteral("unknown command '%1' (commands: %2)").arg(first, names.join(QStringLiteral(", "))));
}
