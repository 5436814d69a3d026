// velor-cli fluids: the fluid lists, a fluid's property table, and its properties at one state.
#include "base/numtext.h"
#include "cli.h"
#include "fluids/fluidfiles.h"
#include "fluids/properties.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>

namespace velor::cli {
namespace {

const QString kHelp = QStringLiteral(
    "Usage: velor-cli fluids list [--root DIR] [--json]\n"
    "       velor-cli fluids table NAME [--p P] [--from T] [--to T] [--step S] [--kind K] [--root DIR] "
    "[--json]\n"
    "       velor-cli fluids props NAME --t T [--p P] [--kind K] [--root DIR] [--json]\n\n"
    "list   the liquids and the vapors of the fluid database, sorted as the program shows them.\n"
    "table  a liquid's rows at pressure P (default 101.325 kPa), interpolated between its isobars\n"
    "       where needed, or a vapor's saturation table. Without --step the rows are at the\n"
    "       tabulated temperatures; --from and --to limit them (default: the whole table).\n"
    "props  one state: a liquid at T and P (default 101.325 kPa), or a vapor's saturation data at T\n"
    "       and its density at T and P (default: the saturation pressure at T).\n\n"
    "Values are in base units: deg.C, kPa, kg/m3, kJ/kgK, W/mK, Ns/m2, kJ/kg. A name is looked up\n"
    "in the liquids first, then in the vapors; --kind liquid|vapor picks one list. The fluid is\n"
    "copied into working copies (in a private temporary folder) and evaluated from them, as the\n"
    "program does.\n");

constexpr long double kDefaultLiquidPressure = 101.325L; // kPa

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
QString num(long double v)
{
    return qs(formatGeneral(v, 6));
}

QString jsonString(const QString& s)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : s) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

// Members of a JSON object in the given order, numbers with 17 significant digits.
QString jsonObject(const std::vector<std::pair<QString, QString>>& members, const QString& indent = {})
{
    QStringList parts;
    for (const auto& [name, value] : members)
        parts << QStringLiteral("%1  %2: %3").arg(indent, jsonString(name), value);
    return QStringLiteral("{\n%1\n%2}").arg(parts.join(QStringLiteral(",\n")), indent);
}

// A JSON array of already formatted items, one per line.
QString jsonArray(const QStringList& items)
{
    return items.isEmpty() ? QStringLiteral("[]")
                           : QStringLiteral("[\n%1\n  ]").arg(items.join(QStringLiteral(",\n")));
}

// One line of a text table: the first column 12 characters wide, the middle ones 14, the last
// one as it is.
QString textLine(const QStringList& cells)
{
    QString line;
    for (qsizetype i = 0; i < cells.size(); ++i)
        line += i + 1 < cells.size() ? cells[i].leftJustified(i == 0 ? 12 : 14) : cells[i];
    return line + QLatin1Char('\n');
}

// A column of a property table: its JSON member name, its text heading and the row's value.
template<typename Row>
struct Column
{
    const char* json;
    const char* heading;
    long double Row::*value;
};

const std::vector<Column<TLiquidRow>> kLiquidColumns{
    {"temperature", "t deg.C", &TLiquidRow::temperature},
    {"density", "rho kg/m3", &TLiquidRow::density},
    {"heat_capacity", "cp kJ/kgK", &TLiquidRow::heatCapacity},
    {"conductivity", "lambda W/mK", &TLiquidRow::conductivity},
    {"viscosity", "mu Ns/m2", &TLiquidRow::viscosity},
};

const std::vector<Column<TVaporRow>> kVaporColumns{
    {"temperature", "t deg.C", &TVaporRow::temperature},
    {"pressure", "p kPa", &TVaporRow::pressure},
    {"latent_heat", "r kJ/kg", &TVaporRow::latentHeat},
    {"heat_capacity", "cp kJ/kgK", &TVaporRow::heatCapacity},
    {"conductivity", "lambda W/mK", &TVaporRow::conductivity},
    {"viscosity", "mu Ns/m2", &TVaporRow::viscosity},
};

// Prints a property table: as JSON, the `head` members followed by the rows; as text, the
// `title` line, the headings and one line per row.
template<typename Row>
int printTable(const std::vector<Row>& rows, const std::vector<Column<Row>>& columns, bool json,
               std::vector<std::pair<QString, QString>> head, const QString& title)
{
    if (json) {
        QStringList items;
        for (const auto& r : rows) {
            std::vector<std::pair<QString, QString>> members;
            for (const auto& c : columns)
                members.emplace_back(QString::fromLatin1(c.json), jsonNumber(r.*c.value));
            items << QStringLiteral("    ") + jsonObject(members, QStringLiteral("    "));
        }
        head.emplace_back(QStringLiteral("rows"), jsonArray(items));
        printOut(jsonObject(head) + QLatin1Char('\n'));
        return kExitOk;
    }
    QStringList headings;
    for (const auto& c : columns)
        headings << QString::fromLatin1(c.heading);
    QString out = title + textLine(headings);
    for (const auto& r : rows) {
        QStringList cells;
        for (const auto& c : columns)
            cells << num(r.*c.value);
        out += textLine(cells);
    }
    printOut(out);
    return kExitOk;
}

// Private working copies: the masters are copied into a temporary folder, where the fluid is
// copied into the working files exactly as the program does it, so the user's folder (and the
// working copies of a running program) are never touched and a read-only installation works.
class Workspace
{
public:
    explicit Workspace(const std::filesystem::path& fluidsFolder) : m_files(std::filesystem::path{})
    {
        if (!m_dir.isValid())
            return;
        const std::filesystem::path work = m_dir.path().toStdString();
        for (std::string_view name : {kLiquidsDat, kPropLiquidsDat, kVaporsDat, kPropVaporsDat, kSteamFDat}) {
            std::error_code ec;
            const auto from = fluidsFolder / std::string(name);
            if (std::filesystem::is_regular_file(from, ec))
                std::filesystem::copy_file(from, work / std::string(name), ec);
        }
        m_files = FluidFiles(work);
    }
    bool valid() const { return m_dir.isValid(); }
    FluidFiles& files() { return m_files; }

private:
    QTemporaryDir m_dir;
    FluidFiles m_files;
};

enum class Kind
{
    Liquid,
    Vapor
};

struct Options
{
    QString name;
    std::optional<Kind> kind;
    std::optional<long double> t, p, from, to, step;
    bool json = false;
};

// Finds the fluid and builds its working copy; the key in the working list, or an exit status.
struct Located
{
    Kind kind = Kind::Liquid;
    std::int32_t key = 0;
};

std::optional<Located> locate(Workspace& ws, const Options& o, int& exitCode)
{
    FluidFiles& f = ws.files();
    const std::string name = o.name.toStdString();
    if (o.kind != Kind::Vapor && f.LiquidKey(name, kLiquidsDat) != 0) {
        Status s = f.DeleteFluidFile(kLiquidsTmp);
        if (s)
            s = f.DeleteFluidFile(kPropLiquidsTmp);
        if (s)
            s = f.CopyLiquidToWork(name);
        if (!s) {
            exitCode = failure(qs(s.error().message));
            return std::nullopt;
        }
        return Located{Kind::Liquid, f.LiquidKey(name, kLiquidsTmp)};
    }
    if (o.kind != Kind::Liquid && f.VaporKey(name, kVaporsDat) != 0) {
        Status s = f.DeleteFluidFile(kVaporsTmp);
        if (s)
            s = f.DeleteFluidFile(kPropVaporsTmp);
        if (s)
            s = f.CopyVaporToWork(name);
        if (!s) {
            exitCode = failure(qs(s.error().message));
            return std::nullopt;
        }
        return Located{Kind::Vapor, f.VaporKey(name, kVaporsTmp)};
    }
    exitCode = failure(QStringLiteral("unknown fluid '%1'").arg(o.name));
    return std::nullopt;
}

int noRows(const QString& name)
{
    return failure(QStringLiteral("fluid '%1' has no property rows").arg(name));
}

int listCommand(const ProgramFolder& folder, bool json)
{
    const FluidFiles f(folder.fluids());
    const TTableS liquids = SortNames(f.LiquidNames(kLiquidsDat));
    const TTableS vapors = SortNames(f.VaporNames(kVaporsDat));
    if (json) {
        auto array = [](const TTableS& names) {
            QStringList items;
            for (const auto& n : names)
                items << QStringLiteral("    ") + jsonString(qs(n));
            return jsonArray(items);
        };
        printOut(jsonObject({{QStringLiteral("liquids"), array(liquids)},
                             {QStringLiteral("vapors"), array(vapors)}}) +
                 QLatin1Char('\n'));
        return kExitOk;
    }
    QString out = QStringLiteral("Liquids:\n");
    for (const auto& n : liquids)
        out += QStringLiteral("  %1\n").arg(qs(n));
    out += QStringLiteral("Vapors:\n");
    for (const auto& n : vapors)
        out += QStringLiteral("  %1\n").arg(qs(n));
    printOut(out);
    return kExitOk;
}

bool inRange(long double t, const Options& o)
{
    return (!o.from || t >= *o.from) && (!o.to || t <= *o.to);
}

int liquidTable(FluidFiles& f, std::int32_t key, const Options& o)
{
    const long double p = o.p.value_or(kDefaultLiquidPressure);
    const TTableF tabulated = UniqueValues(SortValues(f.LiquidTemperatures(key, kPropLiquidsTmp)));
    if (tabulated.empty())
        return noRows(o.name);
    TTableAllPropL rows;
    if (o.step) {
        rows = LiquidTable(f, key, kPropLiquidsTmp, o.from.value_or(tabulated.front()),
                           o.to.value_or(tabulated.back()), *o.step, p);
    } else {
        TTableF temperatures;
        std::copy_if(tabulated.begin(), tabulated.end(), std::back_inserter(temperatures),
                     [&](long double t) { return inRange(t, o); });
        rows = LiquidTableAt(f, key, kPropLiquidsTmp, temperatures, p);
    }
    return printTable(rows, kLiquidColumns, o.json,
                      {{QStringLiteral("fluid"), jsonString(o.name)},
                       {QStringLiteral("kind"), jsonString(QStringLiteral("liquid"))},
                       {QStringLiteral("pressure"), jsonNumber(p)}},
                      QStringLiteral("%1 at %2 kPa\n").arg(o.name, num(p)));
}

int vaporTable(FluidFiles& f, std::int32_t key, const Options& o)
{
    const TTableAllPropV stored = SortRowsV(f.VaporRows(key, kPropVaporsTmp));
    if (stored.empty())
        return noRows(o.name);
    TTableAllPropV rows;
    if (o.step) {
        const long double to = o.to.value_or(stored.back().temperature);
        for (long double t = o.from.value_or(stored.front().temperature); t <= to; t += *o.step) {
            rows.push_back(*VaporRow(f, key, kPropVaporsTmp, t));
            if (t + *o.step == t)
                break;
        }
    } else {
        // The saturation line as the program evaluates it at each tabulated temperature.
        TTableF temperatures;
        for (const auto& r : stored)
            temperatures.push_back(r.temperature);
        for (long double t : UniqueValues(temperatures))
            if (inRange(t, o))
                rows.push_back(*VaporRow(f, key, kPropVaporsTmp, t));
    }
    return printTable(rows, kVaporColumns, o.json,
                      {{QStringLiteral("fluid"), jsonString(o.name)},
                       {QStringLiteral("kind"), jsonString(QStringLiteral("vapor"))}},
                      QStringLiteral("%1, saturation line\n").arg(o.name));
}

int liquidProps(FluidFiles& f, std::int32_t key, const Options& o)
{
    const long double t = *o.t;
    const long double p = o.p.value_or(kDefaultLiquidPressure);
    const TTableAllPropL rows = LiquidTable(f, key, kPropLiquidsTmp, t, t, 1, p);
    if (rows.empty())
        return noRows(o.name);
    const TLiquidRow& r = rows.front();
    if (o.json) {
        printOut(jsonObject({{QStringLiteral("fluid"), jsonString(o.name)},
                             {QStringLiteral("kind"), jsonString(QStringLiteral("liquid"))},
                             {QStringLiteral("temperature"), jsonNumber(r.temperature)},
                             {QStringLiteral("pressure"), jsonNumber(p)},
                             {QStringLiteral("density"), jsonNumber(r.density)},
                             {QStringLiteral("heat_capacity"), jsonNumber(r.heatCapacity)},
                             {QStringLiteral("conductivity"), jsonNumber(r.conductivity)},
                             {QStringLiteral("viscosity"), jsonNumber(r.viscosity)}}) +
                 QLatin1Char('\n'));
        return kExitOk;
    }
    printOut(QStringLiteral("%1 (liquid) at %2 deg.C, %3 kPa\n"
                            "  density        %4 kg/m3\n  heat capacity  %5 kJ/kgK\n"
                            "  conductivity   %6 W/mK\n  viscosity      %7 Ns/m2\n")
                 .arg(o.name, num(r.temperature), num(p), num(r.density), num(r.heatCapacity),
                      num(r.conductivity), num(r.viscosity)));
    return kExitOk;
}

int vaporProps(FluidFiles& f, std::int32_t key, const Options& o)
{
    const long double t = *o.t;
    const auto row = VaporRow(f, key, kPropVaporsTmp, t);
    if (!row)
        return noRows(o.name);
    const long double p = o.p.value_or(row->pressure);
    const auto density = VaporDensity(f, key, kVaporsTmp, t, p);
    if (!density)
        return failure(
            QStringLiteral("vapor '%1' has no density at %2 deg.C, %3 kPa (critical data missing or "
                           "out of range)")
                .arg(o.name, num(t), num(p)));
    if (o.json) {
        printOut(jsonObject({{QStringLiteral("fluid"), jsonString(o.name)},
                             {QStringLiteral("kind"), jsonString(QStringLiteral("vapor"))},
                             {QStringLiteral("temperature"), jsonNumber(t)},
                             {QStringLiteral("pressure"), jsonNumber(p)},
                             {QStringLiteral("saturation_pressure"), jsonNumber(row->pressure)},
                             {QStringLiteral("latent_heat"), jsonNumber(row->latentHeat)},
                             {QStringLiteral("heat_capacity"), jsonNumber(row->heatCapacity)},
                             {QStringLiteral("conductivity"), jsonNumber(row->conductivity)},
                             {QStringLiteral("viscosity"), jsonNumber(row->viscosity)},
                             {QStringLiteral("density"), jsonNumber(*density)}}) +
                 QLatin1Char('\n'));
        return kExitOk;
    }
    printOut(QStringLiteral("%1 (vapor) at %2 deg.C, %3 kPa\n"
                            "  saturation pressure  %4 kPa\n  latent heat          %5 kJ/kg\n"
                            "  heat capacity        %6 kJ/kgK\n  conductivity         %7 W/mK\n"
                            "  viscosity            %8 Ns/m2\n  density              %9 kg/m3\n")
                 .arg(o.name, num(t), num(p), num(row->pressure), num(row->latentHeat),
                      num(row->heatCapacity), num(row->conductivity), num(row->viscosity), num(*density)));
    return kExitOk;
}

// Options with numeric values are scanned by hand so that negative values ("--t -10") work.
int run(const QStringList& args)
{
    Options o;
    QStringList positional;
    QString root;
    bool haveRoot = false;
    const std::vector<std::pair<QString, std::optional<long double>*>> numeric{
        {QStringLiteral("--t"), &o.t},
        {QStringLiteral("--p"), &o.p},
        {QStringLiteral("--from"), &o.from},
        {QStringLiteral("--to"), &o.to},
        {QStringLiteral("--step"), &o.step}};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            printOut(kHelp);
            return kExitOk;
        }
        if (a == QLatin1String("--json")) {
            o.json = true;
            continue;
        }
        QString option = a;
        QString value;
        bool inlineValue = false;
        if (const auto eq = a.indexOf(QLatin1Char('=')); a.startsWith(QLatin1String("--")) && eq > 0) {
            option = a.left(eq);
            value = a.mid(eq + 1);
            inlineValue = true;
        }
        const bool takesValue =
            option == QLatin1String("--root") || option == QLatin1String("--kind") ||
            std::any_of(numeric.begin(), numeric.end(), [&](const auto& n) { return n.first == option; });
        if (!takesValue) {
            if (a.startsWith(QLatin1String("--")))
                return usageError(QStringLiteral("unknown option '%1'").arg(a));
            positional << a;
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("%1 needs a value").arg(option));
            value = args[++i];
        }
        if (option == QLatin1String("--root")) {
            root = value;
            haveRoot = true;
        } else if (option == QLatin1String("--kind")) {
            if (value == QLatin1String("liquid"))
                o.kind = Kind::Liquid;
            else if (value == QLatin1String("vapor"))
                o.kind = Kind::Vapor;
            else
                return usageError(QStringLiteral("--kind must be 'liquid' or 'vapor'"));
        } else {
            const auto number = parseNumber(value.toStdString());
            if (!number)
                return usageError(QStringLiteral("%1: '%2' is not a number").arg(option, value));
            for (const auto& [name, slot] : numeric)
                if (name == option)
                    *slot = *number;
        }
    }
    if (positional.isEmpty())
        return usageError(
            QStringLiteral("'fluids' needs 'list', 'table' or 'props'; see 'velor-cli fluids --help'"));
    const ProgramFolder folder = haveRoot ? ProgramFolder(QDir(root).absolutePath().toStdString())
                                          : ProgramFolder(ProgramFolder::executableFolder());
    const QString verb = positional.takeFirst();
    if (verb == QLatin1String("list")) {
        if (!positional.isEmpty() || o.t || o.p || o.from || o.to || o.step || o.kind)
            return usageError(QStringLiteral("'fluids list' takes only --root and --json"));
        return listCommand(folder, o.json);
    }
    if (verb != QLatin1String("table") && verb != QLatin1String("props"))
        return usageError(
            QStringLiteral("unknown 'fluids' action '%1' (valid: list, table, props)").arg(verb));
    if (positional.size() != 1)
        return usageError(QStringLiteral("'fluids %1' needs exactly one fluid NAME").arg(verb));
    o.name = positional.front();
    if (verb == QLatin1String("props") && !o.t)
        return usageError(QStringLiteral("'fluids props' needs --t T"));
    if (verb == QLatin1String("props") && (o.from || o.to || o.step))
        return usageError(QStringLiteral("'fluids props' takes no --from, --to or --step"));
    if (verb == QLatin1String("table") && o.t)
        return usageError(QStringLiteral("'fluids table' takes --from and --to, not --t"));
    if (o.step && !(*o.step > 0))
        return usageError(QStringLiteral("--step must be greater than 0"));

    Workspace ws(folder.fluids());
    if (!ws.valid())
        return failure(QStringLiteral("cannot create a temporary folder for the working copies"));
    int exitCode = kExitOk;
    const auto found = locate(ws, o, exitCode);
    if (!found)
        return exitCode;
    if (found->kind == Kind::Vapor && verb == QLatin1String("table") && o.p)
        return usageError(QStringLiteral("--p applies to liquid tables only"));
    if (verb == QLatin1String("table"))
        return found->kind == Kind::Liquid ? liquidTable(ws.files(), found->key, o)
                                           : vaporTable(ws.files(), found->key, o);
    return found->kind == Kind::Liquid ? liquidProps(ws.files(), found->key, o)
                                       : vaporProps(ws.files(), found->key, o);
}

const CommandRegistrar registrar(QStringLiteral("fluids"),
                                 QStringLiteral("List fluids and evaluate their properties"), run);

} // namespace
} // namespace velor::cli
