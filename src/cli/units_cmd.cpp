// velor-cli units: the unit lists and conversions through the base unit.
#include "base/numtext.h"
#include "cli.h"
#include "units/units.h"

namespace velor::cli {
namespace {

const QString kHelp =
    QStringLiteral("Usage: velor-cli units list [QUANTITY]\n"
                   "       velor-cli units convert QUANTITY VALUE --from UNIT --to UNIT\n\n"
                   "Lists the display units of every quantity (or of one), or converts a value between two\n"
                   "units of a quantity through its base unit.\n\n"
                   "Quantities: %1\n");

QString quantityNames()
{
    QStringList names;
    for (Quantity q : allQuantities())
        names << QString::fromUtf8(quantityKey(q).data(), static_cast<qsizetype>(quantityKey(q).size()));
    return names.join(QStringLiteral(", "));
}

QString unitNames(Quantity q)
{
    QStringList names;
    for (const UnitDef& u : unitList(q))
        names << QStringLiteral("\"%1\"").arg(
            QString::fromUtf8(u.name.data(), static_cast<qsizetype>(u.name.size())));
    return names.join(QStringLiteral(", "));
}

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::optional<Quantity> parseQuantity(const QString& name, int& exitCode)
{
    const auto q = quantityFromKey(name.toStdString());
    if (!q)
        exitCode = usageError(QStringLiteral("unknown quantity '%1' (valid: %2)").arg(name, quantityNames()));
    return q;
}

int list(const QStringList& positional)
{
    if (positional.size() > 1)
        return usageError(QStringLiteral("'units list' takes at most one quantity"));
    std::vector<Quantity> quantities(allQuantities().begin(), allQuantities().end());
    if (positional.size() == 1) {
        int exitCode = kExitOk;
        const auto q = parseQuantity(positional.front(), exitCode);
        if (!q)
            return exitCode;
        quantities = {*q};
    }
    QString out;
    for (Quantity q : quantities) {
        out += qs(quantityKey(q)) + QLatin1Char('\n');
        const auto units = unitList(q);
        for (std::size_t i = 0; i < units.size(); ++i) {
            const UnitTriple& t = units[i].triple;
            out += QStringLiteral("  %1 %2 M=%3 D=%4 S=%5%6\n")
                       .arg(i)
                       .arg(qs(units[i].name).leftJustified(10))
                       .arg(qs(formatGeneral(t.multiply)))
                       .arg(qs(formatGeneral(t.division)))
                       .arg(qs(formatGeneral(t.displacement)))
                       .arg(static_cast<int>(i) == baseUnitIndex(q) ? QStringLiteral("  (base)") : QString());
        }
    }
    printOut(out);
    return kExitOk;
}

int convert(const QStringList& positional, const QString& from, const QString& to)
{
    if (positional.size() != 2)
        return usageError(QStringLiteral("'units convert' needs QUANTITY and VALUE"));
    int exitCode = kExitOk;
    const auto q = parseQuantity(positional[0], exitCode);
    if (!q)
        return exitCode;
    const auto value = parseNumber(positional[1].toStdString());
    if (!value)
        return usageError(QStringLiteral("'%1' is not a number").arg(positional[1]));
    if (from.isEmpty() || to.isEmpty())
        return usageError(QStringLiteral("'units convert' needs --from UNIT and --to UNIT"));
    const auto fromIndex = unitIndex(*q, from.toStdString());
    const auto toIndex = unitIndex(*q, to.toStdString());
    for (const auto& [index, name] : {std::pair{fromIndex, from}, std::pair{toIndex, to}})
        if (!index)
            return usageError(QStringLiteral("unknown unit '%1' of %2 (valid: %3)")
                                  .arg(name, positional[0], unitNames(*q)));
    const long double base = convertToBase(*q, *fromIndex, *value);
    printOut(qs(formatGeneral(convertFromBase(*q, *toIndex, base))) + QLatin1Char('\n'));
    return kExitOk;
}

// Arguments are scanned by hand: a negative VALUE ("-40") must not be taken for an option.
int run(const QStringList& args)
{
    QStringList positional;
    QString from;
    QString to;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            printOut(kHelp.arg(quantityNames()));
            return kExitOk;
        }
        QString* target = nullptr;
        QString value;
        for (auto [option, slot] :
             {std::pair{QStringLiteral("--from"), &from}, std::pair{QStringLiteral("--to"), &to}}) {
            if (a == option) {
                if (i + 1 >= args.size())
                    return usageError(QStringLiteral("%1 needs a unit name").arg(option));
                target = slot;
                value = args[++i];
            } else if (a.startsWith(option + QLatin1Char('='))) {
                target = slot;
                value = a.mid(option.size() + 1);
            }
        }
        if (target) {
            *target = value;
            continue;
        }
        if (a.startsWith(QLatin1String("--")))
            return usageError(QStringLiteral("unknown option '%1'").arg(a));
        positional << a;
    }
    if (positional.isEmpty())
        return usageError(QStringLiteral("'units' needs 'list' or 'convert'; see 'velor-cli units --help'"));
    const QString verb = positional.takeFirst();
    if (verb == QLatin1String("list")) {
        if (!from.isEmpty() || !to.isEmpty())
            return usageError(QStringLiteral("'units list' takes no --from or --to"));
        return list(positional);
    }
    if (verb == QLatin1String("convert"))
        return convert(positional, from, to);
    return usageError(QStringLiteral("unknown 'units' action '%1' (valid: list, convert)").arg(verb));
}

const CommandRegistrar registrar(QStringLiteral("units"),
                                 QStringLiteral("List unit lists and convert values"), run);

} // namespace
} // namespace velor::cli
