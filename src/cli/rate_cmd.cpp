// velor-cli rate: rates a duty read from a JSON file the way the Calculate command does.
#include "base/numtext.h"
#include "catalogue/catalogue.h"
#include "catalogue/sizeselection.h"
#include "cli.h"
#include "engine/run.h"
#include "fluids/fluidfiles.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <optional>

namespace velor::cli {
namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// ---- Reading the duty file ----

// Reads the fields of a duty object and remembers the first problem, named by its field path.
class DutyReader
{
public:
    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }

    std::optional<QJsonObject> object(const QJsonObject& parent, const QString& key, const QString& path)
    {
        const QJsonValue v = parent.value(key);
        if (!present(v, path))
            return std::nullopt;
        if (!v.isObject())
            return fail(path, QStringLiteral("must be an object")), std::nullopt;
        return v.toObject();
    }

    long double number(const QJsonObject& parent, const QString& key, const QString& path)
    {
        const QJsonValue v = parent.value(key);
        if (!present(v, path))
            return 0;
        if (!v.isDouble() || !std::isfinite(v.toDouble()))
            return fail(path, QStringLiteral("must be a number")), 0;
        return v.toDouble();
    }

    std::string text(const QJsonObject& parent, const QString& key, const QString& path)
    {
        const QJsonValue v = parent.value(key);
        if (!present(v, path))
            return {};
        if (!v.isString())
            return fail(path, QStringLiteral("must be a string")), std::string();
        return v.toString().toStdString();
    }

    std::vector<std::string> names(const QJsonObject& parent, const QString& key, const QString& path)
    {
        std::vector<std::string> out;
        const QJsonValue v = parent.value(key);
        if (!present(v, path))
            return out;
        if (!v.isArray())
            return fail(path, QStringLiteral("must be an array of size names")), out;
        const QJsonArray array = v.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (!array[i].isString()) {
                fail(QStringLiteral("%1[%2]").arg(path).arg(i), QStringLiteral("must be a string"));
                return out;
            }
            out.push_back(array[i].toString().toStdString());
        }
        return out;
    }

    void fail(const QString& path, const QString& what)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("duty field '%1' %2").arg(path, what);
    }

private:
    bool present(const QJsonValue& v, const QString& path)
    {
        if (!v.isUndefined() && !v.isNull())
            return true;
        fail(path, QStringLiteral("is missing"));
        return false;
    }

    QString m_error;
};

struct DutyFile
{
    Duty duty;
    std::vector<std::string> sizes;
};

// Parses DUTY.json (base units). `needSizes` is false when --sizes all replaces the list.
std::optional<DutyFile> readDuty(const QString& path, bool needSizes, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read the duty file '%1'").arg(path);
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("the duty file '%1' is not valid JSON: %2 at offset %3")
                    .arg(path, parseError.errorString())
                    .arg(parseError.offset);
        return std::nullopt;
    }
    if (!doc.isObject()) {
        error = QStringLiteral("the duty file '%1' must hold a JSON object").arg(path);
        return std::nullopt;
    }
    const QJsonObject root = doc.object();
    DutyReader r;
    DutyFile out;
    Duty& d = out.duty;
    const auto hot = r.object(root, QStringLiteral("hot"), QStringLiteral("hot"));
    const auto cold = r.object(root, QStringLiteral("cold"), QStringLiteral("cold"));
    if (hot) {
        const std::string kind = r.text(*hot, QStringLiteral("kind"), QStringLiteral("hot.kind"));
        if (kind == "liquid")
            d.hotSide = HotSideKind::Liquid;
        else if (kind == "condensing")
            d.hotSide = HotSideKind::Condensing;
        else if (r.ok())
            r.fail(QStringLiteral("hot.kind"), QStringLiteral("must be \"liquid\" or \"condensing\""));
        const bool condensing = d.hotSide == HotSideKind::Condensing;
        d.hotFluid = r.text(*hot, QStringLiteral("fluid"), QStringLiteral("hot.fluid"));
        d.tHotIn = r.number(*hot, QStringLiteral("t_in"), QStringLiteral("hot.t_in"));
        d.tHotOut = r.number(*hot, QStringLiteral("t_out"), QStringLiteral("hot.t_out"));
        d.pHotIn = r.number(*hot, QStringLiteral("p_in"), QStringLiteral("hot.p_in"));
        d.mHot = r.number(*hot, QStringLiteral("mass_flow"), QStringLiteral("hot.mass_flow"));
        // A condensing hot side has no pressure-drop window; its inlet volume flow picks the
        // vapor connection. The liquid page's volume flows are not used by the rating.
        if (!condensing) {
            d.dpMinHot = r.number(*hot, QStringLiteral("dp_min"), QStringLiteral("hot.dp_min"));
            d.dpMaxHot = r.number(*hot, QStringLiteral("dp_max"), QStringLiteral("hot.dp_max"));
        } else {
            d.volumeFlowHotIn =
                r.number(*hot, QStringLiteral("volume_flow_in"), QStringLiteral("hot.volume_flow_in"));
        }
    }
    if (cold) {
        d.coldFluid = r.text(*cold, QStringLiteral("fluid"), QStringLiteral("cold.fluid"));
        d.tColdIn = r.number(*cold, QStringLiteral("t_in"), QStringLiteral("cold.t_in"));
        d.tColdOut = r.number(*cold, QStringLiteral("t_out"), QStringLiteral("cold.t_out"));
        d.pColdIn = r.number(*cold, QStringLiteral("p_in"), QStringLiteral("cold.p_in"));
        d.mCold = r.number(*cold, QStringLiteral("mass_flow"), QStringLiteral("cold.mass_flow"));
        d.dpMinCold = r.number(*cold, QStringLiteral("dp_min"), QStringLiteral("cold.dp_min"));
        d.dpMaxCold = r.number(*cold, QStringLiteral("dp_max"), QStringLiteral("cold.dp_max"));
    }
    d.q = r.number(root, QStringLiteral("heat_load"), QStringLiteral("heat_load"));
    d.fouling = r.number(root, QStringLiteral("fouling"), QStringLiteral("fouling"));
    d.oversizeMin = r.number(root, QStringLiteral("oversize_min"), QStringLiteral("oversize_min"));
    d.nSeries = r.number(root, QStringLiteral("series"), QStringLiteral("series"));
    d.nParallel = r.number(root, QStringLiteral("parallel"), QStringLiteral("parallel"));
    // Numbers of units divide the flows and multiply the area: none, or a negative count, is no duty.
    if (r.ok() && !(d.nSeries > 0))
        r.fail(QStringLiteral("series"), QStringLiteral("must be a number of units > 0"));
    if (r.ok() && !(d.nParallel > 0))
        r.fail(QStringLiteral("parallel"), QStringLiteral("must be a number of units > 0"));
    const std::string location = r.text(root, QStringLiteral("hot_location"), QStringLiteral("hot_location"));
    if (location == "Tubes")
        d.hotLocation = FlowLocation::Tubes;
    else if (location == "Shell")
        d.hotLocation = FlowLocation::Shell;
    else if (r.ok())
        r.fail(QStringLiteral("hot_location"), QStringLiteral("must be \"Tubes\" or \"Shell\""));
    if (needSizes)
        out.sizes = r.names(root, QStringLiteral("sizes"), QStringLiteral("sizes"));
    if (!r.ok()) {
        error = r.error();
        return std::nullopt;
    }
    return out;
}

// ---- Sizes the type tree would refuse ----

QStringList treeWarnings(const ProgramFolder& folder, const Duty& duty, const std::vector<std::string>& sizes)
{
    QStringList warnings;
    SizeSelection selection(ReadWorkingLimits(folder));
    SelectionDuty sd;
    sd.hotSide = duty.hotSide;
    sd.tHotIn = duty.tHotIn;
    sd.tHotOut = duty.tHotOut;
    sd.tColdIn = duty.tColdIn;
    sd.tColdOut = duty.tColdOut;
    sd.pHotIn = duty.pHotIn;
    sd.pColdIn = duty.pColdIn;
    sd.hotLocation = duty.hotLocation;
    sd.coldLocation = duty.hotLocation == FlowLocation::Tubes ? FlowLocation::Shell : FlowLocation::Tubes;
    selection.setDuty(sd);
    const TypeLists typeNames = ReadTypeNames(folder);
    const auto types = exchangerTypes();
    for (const std::string& name : sizes) {
        std::string_view parent;
        for (std::size_t i = 0; i < types.size() && parent.empty(); ++i)
            if (std::find(typeNames[i].begin(), typeNames[i].end(), name) != typeNames[i].end())
                parent = types[i].code;
        if (parent.empty()) {
            warnings << QStringLiteral("size '%1' is in no type file and is not rated").arg(qs(name));
            continue;
        }
        if (!arrangementAdmits(sd, parent, name))
            warnings << QStringLiteral(
                            "size '%1' (%2): the type tree refuses it for this kind of hot side and "
                            "tube/shell arrangement")
                            .arg(qs(name), qs(parent));
        else if (!selection.SizeWithinLimits(name))
            warnings << QStringLiteral("size '%1' (%2): the duty lies outside its working limits")
                            .arg(qs(name), qs(parent));
    }
    return warnings;
}

// ---- Output ----

QString jsonString(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

QString resultJson(const TResultTypeB& r)
{
    QStringList fields;
    fields << QStringLiteral("\"SizeName\": %1").arg(jsonString(qs(r.SizeName)));
    fields << QStringLiteral("\"TypeFile\": %1").arg(jsonString(qs(r.TypeFile)));
    for (const ResultRealField& f : kResultRealFields)
        fields << QStringLiteral("\"%1\": %2").arg(qs(f.name), jsonNumber(r.*f.member));
    fields << QStringLiteral("\"Tubular\": %1").arg(r.Tubular);
    fields << QStringLiteral("\"TechDataName\": %1").arg(jsonString(qs(r.TechDataName)));
    return QStringLiteral("    {") + fields.join(QStringLiteral(", ")) + QLatin1Char('}');
}

QString jsonOutput(const std::vector<const TResultTypeB*>& list, const std::string& vaporConnection)
{
    QStringList items;
    for (const TResultTypeB* r : list)
        items << resultJson(*r);
    const QString results =
        items.isEmpty() ? QStringLiteral("[]")
                        : QStringLiteral("[\n") + items.join(QStringLiteral(",\n")) + QStringLiteral("\n  ]");
    return QStringLiteral("{\n  \"results\": %1,\n  \"vapor_connection\": %2\n}\n")
        .arg(results, jsonString(qs(vaporConnection)));
}

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvOutput(const std::vector<const TResultTypeB*>& list)
{
    QStringList header{QStringLiteral("SizeName"), QStringLiteral("TypeFile")};
    for (const ResultRealField& f : kResultRealFields)
        header << qs(f.name);
    header << QStringLiteral("Tubular") << QStringLiteral("TechDataName");
    QString out = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const TResultTypeB* r : list) {
        QStringList row{csvField(qs(r->SizeName)), csvField(qs(r->TypeFile))};
        for (const ResultRealField& f : kResultRealFields)
            row << jsonNumber(r->*f.member);
        row << QString::number(r->Tubular) << csvField(qs(r->TechDataName));
        out += row.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return out;
}

QString tableOutput(const std::vector<const TResultTypeB*>& list, const std::string& vaporConnection)
{
    auto num = [](long double v, int decimals) { return qs(formatFixed(v, decimals)); };
    QString out = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9\n")
                      .arg(QStringLiteral("Size"), -18)
                      .arg(QStringLiteral("Type file"), -12)
                      .arg(QStringLiteral("Area m2"), 9)
                      .arg(QStringLiteral("Oversize %"), 11)
                      .arg(QStringLiteral("U clean"), 9)
                      .arg(QStringLiteral("U fouled"), 9)
                      .arg(QStringLiteral("dp hot kPa"), 11)
                      .arg(QStringLiteral("dp cold kPa"), 12)
                      .arg(QStringLiteral("LMTD K"), 8);
    for (const TResultTypeB* r : list)
        out += QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9\n")
                   .arg(qs(r->SizeName), -18)
                   .arg(qs(r->TypeFile), -12)
                   .arg(num(r->Area, 3), 9)
                   .arg(num(r->Oversize, 1), 11)
                   .arg(num(r->OHTCClean, 0), 9)
                   .arg(num(r->OHTCFouled, 0), 9)
                   .arg(num(r->PressDropHS, 2), 11)
                   .arg(num(r->PressDropCS, 2), 12)
                   .arg(num(r->LMTD, 2), 8);
    out += QStringLiteral("%1 fitting size(s)\n").arg(list.size());
    if (!vaporConnection.empty())
        out += QStringLiteral("Vapor connection: %1\n").arg(qs(vaporConnection));
    return out;
}

QString markName(CheckMark mark)
{
    switch (mark) {
    case CheckMark::ColdOutlet:
        return QStringLiteral("cold_outlet");
    case CheckMark::ColdInlet:
        return QStringLiteral("cold_inlet");
    case CheckMark::HotOutlet:
        return QStringLiteral("hot_outlet");
    case CheckMark::HotInlet:
        return QStringLiteral("hot_inlet");
    case CheckMark::Selection:
        return QStringLiteral("selection");
    case CheckMark::None:
        break;
    }
    return {};
}

QString markText(CheckMark mark)
{
    switch (mark) {
    case CheckMark::ColdOutlet:
        return QStringLiteral("the cold outlet temperature");
    case CheckMark::ColdInlet:
        return QStringLiteral("the cold inlet temperature");
    case CheckMark::HotOutlet:
        return QStringLiteral("the hot outlet temperature");
    case CheckMark::HotInlet:
        return QStringLiteral("the hot inlet temperature");
    case CheckMark::Selection:
        return QStringLiteral("the size selection (no size selected)");
    case CheckMark::None:
        break;
    }
    return {};
}

const QString kHelp = QStringLiteral(
    "Usage: velor-cli rate --duty DUTY.json [--root DIR] [--json | --csv] [--sizes all]\n"
    "                      [--sort oversize|area|clean|fouled [--ascending]]\n\n"
    "Rates the sizes listed in DUTY.json against its duty, as the Calculate command does, and\n"
    "prints the fitting sizes in rating order (a table, or JSON / CSV with every result field).\n"
    "The fluid working copies are rebuilt for the duty's fluids first.\n\n"
    "DUTY.json holds values in base units (deg.C, kPa, kg/s, m3/s, kW, m2K/kW):\n"
    "  {\"hot\": {\"kind\": \"liquid\"|\"condensing\", \"fluid\", \"t_in\", \"t_out\", \"p_in\", "
    "\"mass_flow\",\n"
    "           \"dp_min\", \"dp_max\", \"volume_flow_in\"},\n"
    "   \"cold\": {\"fluid\", \"t_in\", \"t_out\", \"p_in\", \"mass_flow\", \"dp_min\", \"dp_max\"},\n"
    "   \"heat_load\", \"fouling\", \"oversize_min\", \"series\", \"parallel\",\n"
    "   \"hot_location\": \"Tubes\"|\"Shell\", \"sizes\": [size names]}\n"
    "For a condensing hot side \"fluid\" is the vapor, \"dp_min\"/\"dp_max\" are not needed and\n"
    "\"volume_flow_in\" (the vapor's inlet volume flow) designates the vapor connection; a liquid\n"
    "hot side needs no \"volume_flow_in\".\n\n"
    "Options:\n"
    "  --duty FILE        the duty file (required)\n"
    "  --root DIR         program folder holding Fluids, HeatExch, ... (default: beside the program)\n"
    "  --json, --csv      machine-readable output\n"
    "  --sizes all        rate every size of every type instead of the file's \"sizes\"\n"
    "  --sort KEY         order the list by oversize, area, clean or fouled (descending)\n"
    "  --ascending        with --sort: ascending order\n\n"
    "Exit status: 0 rated (possibly with no fitting size), 1 the duty fails the temperature or\n"
    "selection check ({\"error\": \"check_failed\", \"marked\": GROUP} with --json), 2 bad arguments\n"
    "or a malformed duty file.\n");

int run(const QStringList& args)
{
    QCommandLineParser parser;
    addRootOption(parser);
    parser.addOption({QStringLiteral("duty"), QStringLiteral("Duty file (JSON)."), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("json"), QStringLiteral("Print JSON.")});
    parser.addOption({QStringLiteral("csv"), QStringLiteral("Print CSV.")});
    parser.addOption(
        {QStringLiteral("sizes"), QStringLiteral("'all' rates every size."), QStringLiteral("WHICH")});
    parser.addOption(
        {QStringLiteral("sort"), QStringLiteral("oversize, area, clean or fouled."), QStringLiteral("KEY")});
    parser.addOption({QStringLiteral("ascending"), QStringLiteral("Ascending sort.")});
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        printOut(kHelp);
        return kExitOk;
    }
    int exitCode = kExitOk;
    if (!parseArgs(parser, QStringLiteral("rate"), args, exitCode))
        return exitCode;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("'rate' takes no positional arguments (got '%1')")
                              .arg(parser.positionalArguments().front()));
    if (!parser.isSet(QStringLiteral("duty")))
        return usageError(QStringLiteral("'rate' needs --duty DUTY.json; see 'velor-cli rate --help'"));
    const bool json = parser.isSet(QStringLiteral("json"));
    const bool csv = parser.isSet(QStringLiteral("csv"));
    if (json && csv)
        return usageError(QStringLiteral("choose one of --json and --csv"));
    bool allSizes = false;
    if (parser.isSet(QStringLiteral("sizes"))) {
        if (parser.value(QStringLiteral("sizes")) != QLatin1String("all"))
            return usageError(QStringLiteral("--sizes takes only 'all'"));
        allSizes = true;
    }
    std::optional<SortKey> sortKey;
    if (parser.isSet(QStringLiteral("sort"))) {
        const QString key = parser.value(QStringLiteral("sort"));
        if (key == QLatin1String("oversize"))
            sortKey = SortKey::Oversize;
        else if (key == QLatin1String("area"))
            sortKey = SortKey::Area;
        else if (key == QLatin1String("clean"))
            sortKey = SortKey::Clean;
        else if (key == QLatin1String("fouled"))
            sortKey = SortKey::Fouled;
        else
            return usageError(
                QStringLiteral("unknown sort key '%1' (valid: oversize, area, clean, fouled)").arg(key));
    } else if (parser.isSet(QStringLiteral("ascending"))) {
        return usageError(QStringLiteral("--ascending needs --sort"));
    }

    QString error;
    auto dutyFile = readDuty(parser.value(QStringLiteral("duty")), !allSizes, error);
    if (!dutyFile)
        return usageError(error);
    const Duty& duty = dutyFile->duty;
    const ProgramFolder folder = rootFolder(parser);
    if (allSizes) {
        for (const auto& names : ReadTypeNames(folder))
            dutyFile->sizes.insert(dutyFile->sizes.end(), names.begin(), names.end());
    }

    FluidFiles fluids(folder.fluids());
    for (const std::string& problem : PrepareWorkingCopies(fluids, duty))
        printErr(QStringLiteral("velor-cli: warning: %1\n").arg(qs(problem)));

    const CheckMark mark = CheckDuty(duty, dutyFile->sizes.empty());
    if (mark != CheckMark::None) {
        if (json)
            printOut(
                QStringLiteral("{\"error\": \"check_failed\", \"marked\": \"%1\"}\n").arg(markName(mark)));
        else
            printErr(QStringLiteral("velor-cli: the duty fails the pre-calculation check: %1 is wrong\n")
                         .arg(markText(mark)));
        return kExitFailure;
    }
    for (const QString& w : treeWarnings(folder, duty, dutyFile->sizes))
        printErr(QStringLiteral("velor-cli: warning: %1\n").arg(w));

    const CalculationOutcome outcome = Calculate(folder, fluids, duty, dutyFile->sizes);
    if (outcome.noTypes)
        printErr(
            QStringLiteral("velor-cli: warning: no listed size belongs to a type rated for this duty\n"));

    std::vector<const TResultTypeB*> list;
    if (sortKey) {
        for (std::size_t i : SortResults(outcome.results, outcome.results.size(), *sortKey,
                                         parser.isSet(QStringLiteral("ascending"))))
            list.push_back(&outcome.results[i]);
    } else {
        for (const TResultTypeB& r : outcome.results)
            list.push_back(&r);
    }
    if (json)
        printOut(jsonOutput(list, outcome.vaporConnection));
    else if (csv)
        printOut(csvOutput(list));
    else
        printOut(tableOutput(list, outcome.vaporConnection));
    return kExitOk;
}

const CommandRegistrar registrar(QStringLiteral("rate"), QStringLiteral("Rate the sizes of a duty file"),
                                 run);

} // namespace
} // namespace velor::cli
