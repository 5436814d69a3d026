// velor-cli catalogue: the exchanger types, the sizes of a type, and everything known about one size.
#include "base/numtext.h"
#include "catalogue/catalogue.h"
#include "catalogue/exchangertypes.h"
#include "cli.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <filesystem>

namespace velor::cli {
namespace {

const QString kHelp = QStringLiteral(
    "Usage: velor-cli catalogue types [--root DIR] [--json]\n"
    "       velor-cli catalogue sizes TYPE [--root DIR] [--json]\n"
    "       velor-cli catalogue show SIZE [--type TYPE] [--root DIR] [--json]\n\n"
    "types  lists the 30 exchanger types in their fixed order with catalogue file, family, tree node,\n"
    "       family flag and the number of sizes in the type file.\n"
    "sizes  lists the size names of one type (TYPE is a type code such as \"RUV D\" or its file "
    "\"RUVD.dat\").\n"
    "show   prints the 87 values of a size by name, its working limits (ParamW.dat) and its\n"
    "       technical-data variants (he.dat). The size is looked up in the types in their fixed\n"
    "       order (the first type holding it), or in --type only.\n");

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
QString num(long double v)
{
    return qs(formatGeneral(v));
}
QJsonValue jnum(long double v)
{
    return QJsonValue(static_cast<double>(v));
}

QString familyName(ExchangerFamily f)
{
    switch (f) {
    case ExchangerFamily::ShellAndTube:
        return QStringLiteral("shell-and-tube");
    case ExchangerFamily::ShellAndCoil:
        return QStringLiteral("shell-and-coil");
    case ExchangerFamily::Plate:
        return QStringLiteral("plate");
    case ExchangerFamily::BrazedPlate:
        return QStringLiteral("brazed plate");
    }
    return {};
}

const ExchangerType* parseType(const QString& text)
{
    const std::string s = text.toStdString();
    if (const ExchangerType* t = findExchangerType(s))
        return t;
    return findExchangerTypeByFile(s);
}

int typesCommand(const ProgramFolder& folder, bool json)
{
    QJsonArray array;
    QString out;
    for (const ExchangerType& t : exchangerTypes()) {
        const bool exists = std::filesystem::exists(typeFilePath(folder, t.file));
        const auto count = exists ? static_cast<qsizetype>(SizeNames(folder, t.file).size()) : -1;
        if (json) {
            QJsonObject o{{QStringLiteral("code"), qs(t.code)},
                          {QStringLiteral("file"), qs(t.file)},
                          {QStringLiteral("family"), familyName(t.family)},
                          {QStringLiteral("inTree"), t.inTree},
                          {QStringLiteral("tubular"), tubularFlag(t)},
                          {QStringLiteral("sizes"), exists ? QJsonValue(count) : QJsonValue()}};
            array.append(o);
        } else {
            out += QStringLiteral("%1 %2 %3 %4 Tubular=%5 %6\n")
                       .arg(qs(t.code).leftJustified(8), qs(t.file).leftJustified(12),
                            familyName(t.family).leftJustified(15),
                            t.inTree ? QStringLiteral("tree   ") : QStringLiteral("no node"))
                       .arg(tubularFlag(t))
                       .arg(exists ? QStringLiteral("%1 sizes").arg(count) : QStringLiteral("file missing"));
        }
    }
    if (json)
        printJson(QJsonDocument(array));
    else
        printOut(out);
    return kExitOk;
}

int sizesCommand(const ProgramFolder& folder, const QStringList& positional, bool json)
{
    if (positional.size() != 1)
        return usageError(QStringLiteral("'catalogue sizes' needs one TYPE"));
    const ExchangerType* type = parseType(positional.front());
    if (!type)
        return usageError(QStringLiteral("unknown exchanger type '%1'").arg(positional.front()));
    const auto path = typeFilePath(folder, type->file);
    if (!std::filesystem::exists(path))
        return failure(QStringLiteral("type file %1 not found").arg(QString::fromStdString(path.string())));
    const std::vector<std::string> names = SizeNames(folder, type->file);
    if (json) {
        QJsonArray array;
        for (const std::string& n : names)
            array.append(qs(n));
        printJson(QJsonDocument(QJsonObject{{QStringLiteral("type"), qs(type->code)},
                                            {QStringLiteral("file"), qs(type->file)},
                                            {QStringLiteral("sizes"), array}}));
    } else {
        QString out;
        for (const std::string& n : names)
            out += qs(n) + QLatin1Char('\n');
        printOut(out);
    }
    return kExitOk;
}

QJsonObject limitsJson(const auto& r)
{
    return QJsonObject{{QStringLiteral("name"), qs(r.Name)},
                       {QStringLiteral("MaxTempHot"), jnum(r.MaxTempHot)},
                       {QStringLiteral("MaxTempCold"), jnum(r.MaxTempCold)},
                       {QStringLiteral("MinTempHot"), jnum(r.MinTempHot)},
                       {QStringLiteral("MinTempCold"), jnum(r.MinTempCold)},
                       {QStringLiteral("MaxPressHot"), jnum(r.MaxPressHot)},
                       {QStringLiteral("MaxPressCold"), jnum(r.MaxPressCold)}};
}

QString limitsText(const auto& r)
{
    return QStringLiteral("hot %1 ... %2 deg.C, cold %3 ... %4 deg.C, max. pressure hot %5 bar, cold %6 bar")
        .arg(num(r.MinTempHot), num(r.MaxTempHot), num(r.MinTempCold), num(r.MaxTempCold), num(r.MaxPressHot),
             num(r.MaxPressCold));
}

int showCommand(const ProgramFolder& folder, const QStringList& positional, const QString& typeOption,
                bool json)
{
    if (positional.size() != 1)
        return usageError(QStringLiteral("'catalogue show' needs one SIZE"));
    const std::string sizeName = positional.front().toStdString();
    const ExchangerType* found = nullptr;
    if (!typeOption.isEmpty()) {
        const ExchangerType* type = parseType(typeOption);
        if (!type)
            return usageError(QStringLiteral("unknown exchanger type '%1'").arg(typeOption));
        const auto names = SizeNames(folder, type->file);
        if (std::find(names.begin(), names.end(), sizeName) == names.end())
            return failure(QStringLiteral("size '%1' is not in %2").arg(positional.front(), qs(type->file)));
        found = type;
    } else {
        found = findSizeType(folder, sizeName);
        if (!found)
            return failure(QStringLiteral("size '%1' is in no type file").arg(positional.front()));
    }
    const TSizeRecord record = ReadSize(folder, found->file, sizeName);

    TParamRecList limits;
    for (TParamRec& r : ReadWorkingLimits(folder))
        if (belongsToSize(r.Name, sizeName))
            limits.push_back(std::move(r));
    const THERecList variants = TechDataVariants(folder, sizeName);

    if (json) {
        QJsonObject values;
        for (std::size_t k = 0; k < kSizeValueCount; ++k)
            values.insert(qs(sizeValueName(k)), jnum(record.Values[k]));
        QJsonArray valueOrder;
        for (std::size_t k = 0; k < kSizeValueCount; ++k)
            valueOrder.append(qs(sizeValueName(k)));
        QJsonArray limitArray;
        for (const TParamRec& r : limits)
            limitArray.append(limitsJson(r));
        QJsonArray variantArray;
        for (const THERec& v : variants) {
            QJsonObject o = limitsJson(v);
            o.insert(QStringLiteral("CatalogNumber"), qs(v.CatalogNumber));
            o.insert(QStringLiteral("Standard"), v.Standard);
            o.insert(QStringLiteral("Material"), qs(v.Material));
            o.insert(QStringLiteral("SurfaceArea"), jnum(v.SurfaceArea));
            o.insert(QStringLiteral("Weight"), jnum(v.Weight));
            variantArray.append(o);
        }
        printJson(QJsonDocument(QJsonObject{{QStringLiteral("name"), qs(record.Name)},
                                            {QStringLiteral("Id"), record.Id},
                                            {QStringLiteral("type"), qs(found->code)},
                                            {QStringLiteral("file"), qs(found->file)},
                                            {QStringLiteral("ratable"), record.ratingValuesPositive()},
                                            {QStringLiteral("values"), values},
                                            {QStringLiteral("valueOrder"), valueOrder},
                                            {QStringLiteral("workingLimits"), limitArray},
                                            {QStringLiteral("techData"), variantArray}}));
        return kExitOk;
    }

    QString out = QStringLiteral("%1 (type %2, %3, Id %4)\n")
                      .arg(qs(record.Name), qs(found->code), qs(found->file))
                      .arg(record.Id);
    for (std::size_t k = 0; k < kSizeValueCount; ++k)
        out += QStringLiteral("  %1 @%2  %3\n")
                   .arg(qs(sizeValueName(k)).leftJustified(14))
                   .arg(sizeValueOffset(k), 3)
                   .arg(num(record.Values[k]));
    out += record.ratingValuesPositive()
               ? QStringLiteral("All values the rating needs are positive.\n")
               : QStringLiteral("Not ratable: a value the rating needs is not positive.\n");
    out += QStringLiteral("Working limits (%1):\n").arg(limits.size());
    for (const TParamRec& r : limits)
        out += QStringLiteral("  %1: %2\n").arg(qs(r.Name), limitsText(r));
    out += QStringLiteral("Technical data variants (%1):\n").arg(variants.size());
    for (const THERec& v : variants)
        out += QStringLiteral("  %1 [%2]%3 %4: %5\n")
                   .arg(qs(v.Name), qs(v.CatalogNumber),
                        v.Standard ? QStringLiteral(" standard,") : QString(), qs(v.Material), limitsText(v));
    printOut(out);
    return kExitOk;
}

int run(const QStringList& args)
{
    QCommandLineParser parser;
    addRootOption(parser);
    parser.addOption({QStringLiteral("json"), QStringLiteral("Print JSON.")});
    parser.addOption({QStringLiteral("type"), QStringLiteral("Look the size up in this type only."),
                      QStringLiteral("TYPE")});
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("types, sizes or show"));
    parser.setApplicationDescription(kHelp);
    int exitCode = kExitOk;
    if (!parseArgs(parser, QStringLiteral("catalogue"), args, exitCode))
        return exitCode;
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(
            QStringLiteral("'catalogue' needs 'types', 'sizes' or 'show'; see 'velor-cli catalogue --help'"));
    const QString action = positional.takeFirst();
    const ProgramFolder folder = rootFolder(parser);
    const bool json = parser.isSet(QStringLiteral("json"));
    if (action != QLatin1String("show") && parser.isSet(QStringLiteral("type")))
        return usageError(QStringLiteral("--type belongs to 'catalogue show'"));
    if (action == QLatin1String("types")) {
        if (!positional.isEmpty())
            return usageError(QStringLiteral("'catalogue types' takes no arguments"));
        return typesCommand(folder, json);
    }
    if (action == QLatin1String("sizes"))
        return sizesCommand(folder, positional, json);
    if (action == QLatin1String("show"))
        return showCommand(folder, positional, parser.value(QStringLiteral("type")), json);
    return usageError(
        QStringLiteral("unknown 'catalogue' action '%1' (valid: types, sizes, show)").arg(action));
}

const CommandRegistrar registrar(QStringLiteral("catalogue"),
                                 QStringLiteral("List exchanger types and sizes, show a size"), run);

} // namespace
} // namespace velor::cli
