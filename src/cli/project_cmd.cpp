// velor-cli project: shows every field of a project file and re-rates its saved result.
#include "app/projectdate.h"
#include "app/projectfile.h"
#include "app/projectresult.h"
#include "base/numtext.h"
#include "cli.h"
#include "engine/result.h"
#include "engine/run.h"
#include "fluids/fluidfiles.h"

#include <QJsonArray>
#include <QJsonObject>
#include <filesystem>
#include <random>
#include <system_error>

namespace velor::cli {
namespace {

const QString kHelp = QStringLiteral(
    "Usage: velor-cli project show FILE.dca [--json] [--code-page 1250|1251|1252]\n"
    "       velor-cli project rate FILE.dca [--root DIR] [--json] [--code-page 1250|1251|1252]\n\n"
    "show  prints every field of a project file (current 3472-byte or earlier 3371-byte layout):\n"
    "      the project page, the duty in base units, the unit indexes, the saved result.\n"
    "rate  rates the saved size again for the saved duty with the fluid data and catalogue of the\n"
    "      program folder and says whether the saved result still holds (every value equal at 15\n"
    "      significant digits). Exit status 0 when it holds, 1 when it does not or the size can no\n"
    "      longer be rated, 2 for bad arguments or a file that is not a project file.\n"
    "      The fluid working copies are built in a temporary folder; the program folder is not\n"
    "      changed.\n\n"
    "Texts are read in the code page of the current locale unless --code-page is given.\n");

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

/// One shown field: its name, its text and its JSON value.
struct Shown
{
    QString name;
    QString text;
    QJsonValue json;
};

Shown textField(const char* name, const std::string& value)
{
    return {QString::fromLatin1(name), QLatin1Char('"') + qs(value) + QLatin1Char('"'), qs(value)};
}
Shown realField(const char* name, long double value)
{
    return {QString::fromLatin1(name), qs(formatGeneral(value)), QJsonValue(static_cast<double>(value))};
}
Shown intField(const char* name, std::int32_t value)
{
    return {QString::fromLatin1(name), QString::number(value), QJsonValue(value)};
}

struct ResultName
{
    const char* name;
    long double ProjectResultValues::*member;
};
// The saved result values in file order.
const ResultName kResultNames[] = {
    {"Area", &ProjectResultValues::Area},
    {"LMTD", &ProjectResultValues::LMTD},
    {"OHTCClean", &ProjectResultValues::OHTCClean},
    {"OHTCFouled", &ProjectResultValues::OHTCFouled},
    {"Oversize", &ProjectResultValues::Oversize},
    {"PressDropHS", &ProjectResultValues::PressDropHS},
    {"PressDropCS", &ProjectResultValues::PressDropCS},
    {"AlphaHS", &ProjectResultValues::AlphaHS},
    {"AlphaCS", &ProjectResultValues::AlphaCS},
    {"ReynoldsHS", &ProjectResultValues::ReynoldsHS},
    {"ReynoldsCS", &ProjectResultValues::ReynoldsCS},
    {"PrandtlHS", &ProjectResultValues::PrandtlHS},
    {"PrandtlCS", &ProjectResultValues::PrandtlCS},
    {"NusseltHS", &ProjectResultValues::NusseltHS},
    {"NusseltCS", &ProjectResultValues::NusseltCS},
    {"InVelConHS", &ProjectResultValues::InVelConHS},
    {"OutVelConHS", &ProjectResultValues::OutVelConHS},
    {"VelTubeSpHS", &ProjectResultValues::VelTubeSpHS},
    {"InVelConCS", &ProjectResultValues::InVelConCS},
    {"OutVelConCS", &ProjectResultValues::OutVelConCS},
    {"VelTubeSpCS", &ProjectResultValues::VelTubeSpCS},
    {"NTUHS", &ProjectResultValues::NTUHS},
    {"NTUCS", &ProjectResultValues::NTUCS},
};

std::vector<Shown> projectFields(const TProjectFileRec& r)
{
    const auto date = civilFromOleDate(r.Date);
    std::vector<Shown> f = {
        {QStringLiteral("Date"),
         qs(formatGeneral(r.Date)) + (date ? QStringLiteral(" (%1)").arg(qs(formatCivil(*date))) : QString()),
         QJsonValue(r.Date)},
        textField("ProjectName", r.ProjectName),
        textField("CalcNo", r.CalcNo),
        textField("PreparedBy", r.PreparedBy),
        textField("CustomerName", r.CustomerName),
        textField("Description", r.Description),
        textField("Street", r.Street),
        textField("Zip", r.Zip),
        textField("City", r.City),
        textField("State", r.State),
        textField("Country", r.Country),
        textField("Phone", r.Phone),
        textField("Fax", r.Fax),
        textField("Email", r.Email),
        textField("HomePage", r.HomePage),
        textField("ContactLastName", r.ContactLastName),
        textField("ContactFirstName", r.ContactFirstName),
        textField("ContactPhone", r.ContactPhone),
        textField("ContactMobile", r.ContactMobile),
        textField("ContactEmail", r.ContactEmail),
        textField("FluidHS", r.FluidHS),
        textField("FluidCS", r.FluidCS),
        realField("HeatLoad", r.HeatLoad),
        realField("UnitsInSeries", r.UnitsInSeries),
        realField("UnitsInParallel", r.UnitsInParallel),
        realField("MinOversizing", r.MinOversizing),
        realField("FoulingFactor", r.FoulingFactor),
        realField("ResultFoulingFactor", r.ResultFoulingFactor),
        realField("PressureHS", r.PressureHS),
        realField("TempInHS", r.TempInHS),
        realField("MassFlowHS", r.MassFlowHS),
        realField("VolFlowInHS", r.VolFlowInHS),
        realField("TempOutHS", r.TempOutHS),
        realField("VolFlowOutHS", r.VolFlowOutHS),
        realField("PressDropMinHS", r.PressDropMinHS),
        realField("PressDropMaxHS", r.PressDropMaxHS),
        realField("PressureCS", r.PressureCS),
        realField("TempInCS", r.TempInCS),
        realField("MassFlowCS", r.MassFlowCS),
        realField("VolFlowInCS", r.VolFlowInCS),
        realField("TempOutCS", r.TempOutCS),
        realField("VolFlowOutCS", r.VolFlowOutCS),
        realField("PressDropMinCS", r.PressDropMinCS),
        realField("PressDropMaxCS", r.PressDropMaxCS),
        intField("UnitHeatLoad", r.UnitHeatLoad),
        intField("UnitFoulingInput", r.UnitFoulingInput),
        intField("UnitFoulingResult", r.UnitFoulingResult),
        intField("UnitPressureHS", r.UnitPressureHS),
        intField("UnitTempInHS", r.UnitTempInHS),
        intField("UnitMassFlowHS", r.UnitMassFlowHS),
        intField("UnitVolFlowInHS", r.UnitVolFlowInHS),
        intField("UnitTempOutHS", r.UnitTempOutHS),
        intField("UnitVolFlowOutHS", r.UnitVolFlowOutHS),
        intField("UnitPressDropMinHS", r.UnitPressDropMinHS),
        intField("UnitPressDropMaxHS", r.UnitPressDropMaxHS),
        intField("UnitPressureCS", r.UnitPressureCS),
        intField("UnitTempInCS", r.UnitTempInCS),
        intField("UnitMassFlowCS", r.UnitMassFlowCS),
        intField("UnitVolFlowInCS", r.UnitVolFlowInCS),
        intField("UnitTempOutCS", r.UnitTempOutCS),
        intField("UnitVolFlowOutCS", r.UnitVolFlowOutCS),
        intField("UnitPressDropMinCS", r.UnitPressDropMinCS),
        intField("UnitPressDropMaxCS", r.UnitPressDropMaxCS),
        textField("SizeName", r.SizeName),
        textField("SideHS", r.SideHS),
        textField("SideCS", r.SideCS),
        textField("TypeFile", r.TypeFile),
        textField("TechDataName", r.TechDataName),
    };
    for (const ResultName& n : kResultNames)
        f.push_back(realField(n.name, r.Result.*n.member));
    f.push_back(intField("Tubular", r.Tubular));
    f.push_back(intField("KindHS", r.KindHS));
    f.push_back(intField("KindCS", r.KindCS));
    f.push_back(textField("CondenserNote", r.CondenserNote));
    return f;
}

QString layoutName(ProjectLayout layout)
{
    return layout == ProjectLayout::Current ? QStringLiteral("current (3472 bytes)")
                                            : QStringLiteral("earlier (3371 bytes)");
}

std::optional<CodePage> parseCodePage(const QString& text)
{
    if (text == QLatin1String("1250"))
        return CodePage::Windows1250;
    if (text == QLatin1String("1251"))
        return CodePage::Windows1251;
    if (text == QLatin1String("1252"))
        return CodePage::Windows1252;
    return std::nullopt;
}

int show(const ProjectFileContents& contents, bool json)
{
    const auto fields = projectFields(contents.record);
    if (json) {
        QJsonObject record;
        for (const Shown& f : fields)
            record.insert(f.name, f.json);
        printJson(QJsonDocument(QJsonObject{
            {QStringLiteral("layout"), contents.layout == ProjectLayout::Current ? QStringLiteral("current")
                                                                                 : QStringLiteral("earlier")},
            {QStringLiteral("record"), record}}));
        return kExitOk;
    }
    QString out = QStringLiteral("Layout              %1\n").arg(layoutName(contents.layout));
    for (const Shown& f : fields)
        out += f.name.leftJustified(20) + f.text + QLatin1Char('\n');
    printOut(out);
    return kExitOk;
}

/// The duty of a project as the calculation run reads it. The hot side's place comes from the
/// stored "Tubes"/"Shell" strings; strings it does not know leave the hot side in the tubes.
Duty dutyOf(const TProjectFileRec& r)
{
    Duty d;
    d.hotSide = r.KindHS == kSideVaporCondenser ? HotSideKind::Condensing : HotSideKind::Liquid;
    d.hotFluid = r.FluidHS;
    d.coldFluid = r.FluidCS;
    d.q = r.HeatLoad;
    d.tHotIn = r.TempInHS;
    d.tHotOut = r.TempOutHS;
    d.pHotIn = r.PressureHS;
    d.mHot = r.MassFlowHS;
    if (d.hotSide == HotSideKind::Liquid) {
        d.dpMinHot = r.PressDropMinHS;
        d.dpMaxHot = r.PressDropMaxHS;
    }
    d.volumeFlowHotIn = r.VolFlowInHS;
    d.tColdIn = r.TempInCS;
    d.tColdOut = r.TempOutCS;
    d.pColdIn = r.PressureCS;
    d.mCold = r.MassFlowCS;
    d.dpMinCold = r.PressDropMinCS;
    d.dpMaxCold = r.PressDropMaxCS;
    d.fouling = r.FoulingFactor;
    d.oversizeMin = r.MinOversizing;
    d.nSeries = r.UnitsInSeries;
    d.nParallel = r.UnitsInParallel;
    d.hotLocation =
        hotSideInTubes(r.SideHS, r.SideCS).value_or(true) ? FlowLocation::Tubes : FlowLocation::Shell;
    return d;
}

/// A scratch folder removed when it goes out of scope.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::random_device rd;
        m_path = std::filesystem::temp_directory_path() / ("velor-rate-" + std::to_string(rd()));
        std::error_code ec;
        std::filesystem::create_directories(m_path, ec);
        m_ok = !ec;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    bool ok() const { return m_ok; }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
    bool m_ok = false;
};

/// Builds the fluid working copies of the duty in `scratch` from the program's fluid database,
/// as opening the project in the program does: the hot liquid, or the vapor and its condensate;
/// then the cold liquid. Fluids that are not in the database are simply left out.
Status buildWorkingCopies(const ProgramFolder& folder, const std::filesystem::path& scratch,
                          const TProjectFileRec& rec, CodePage codePage)
{
    for (std::string_view file : {kLiquidsDat, kPropLiquidsDat, kVaporsDat, kPropVaporsDat, kSteamFDat}) {
        const auto source = folder.fluids() / file;
        std::error_code ec;
        if (!std::filesystem::exists(source, ec))
            continue;
        std::filesystem::copy_file(source, scratch / file, ec);
        if (ec)
            return Error{"cannot copy " + source.string() + ": " + ec.message()};
    }
    FluidFiles fluids(scratch, codePage);
    if (rec.KindHS == kSideVaporCondenser) {
        if (Status s = fluids.CopyVaporToWork(rec.FluidHS); !s)
            return s;
        const std::int32_t key = fluids.VaporKey(rec.FluidHS, kVaporsDat);
        const std::int32_t condensate = key > 0 ? fluids.ReadVapor(key, kVaporsDat).condensateKey : 0;
        if (condensate > 0)
            if (Status s = fluids.CopyLiquidToWork(fluids.ReadLiquid(condensate, kLiquidsDat).name); !s)
                return s;
    } else if (Status s = fluids.CopyLiquidToWork(rec.FluidHS); !s) {
        return s;
    }
    return fluids.CopyLiquidToWork(rec.FluidCS);
}

struct Difference
{
    QString name;
    long double saved = 0;
    long double now = 0;
};

int rate(const ProgramFolder& folder, const ProjectFileContents& contents, CodePage codePage, bool json)
{
    const TProjectFileRec& rec = contents.record;
    if (rec.SizeName.empty())
        return failure(
            QStringLiteral("the project holds no saved result (it was saved before a calculation)"));
    if (rec.KindHS != kSideLiquid && rec.KindHS != kSideVaporCondenser)
        return failure(QStringLiteral("unknown hot-side kind %1").arg(rec.KindHS));

    ScratchFolder scratch;
    if (!scratch.ok())
        return failure(QStringLiteral("cannot create a temporary folder"));
    if (Status s = buildWorkingCopies(folder, scratch.path(), rec, codePage); !s)
        return failure(qs(s.error().message));
    const FluidFiles fluids(scratch.path(), codePage);
    const bool condensing = rec.KindHS == kSideVaporCondenser;
    if ((condensing ? fluids.VaporKey(rec.FluidHS, kVaporsTmp)
                    : fluids.LiquidKey(rec.FluidHS, kLiquidsTmp)) <= 0)
        return failure(
            QStringLiteral("the hot-side %1 '%2' is not in the fluid database")
                .arg(condensing ? QStringLiteral("vapor") : QStringLiteral("liquid"), qs(rec.FluidHS)));
    if (fluids.LiquidKey(rec.FluidCS, kLiquidsTmp) <= 0)
        return failure(
            QStringLiteral("the cold-side liquid '%1' is not in the fluid database").arg(qs(rec.FluidCS)));
    const Duty duty = dutyOf(rec);
    const CalculationOutcome outcome = Calculate(folder, fluids, duty, {rec.SizeName});

    const TResultTypeB* now = nullptr;
    for (const TResultTypeB& r : outcome.results)
        if (r.SizeName == rec.SizeName)
            now = &r;

    QString reason;
    std::vector<Difference> differences;
    if (outcome.noTypes)
        reason = QStringLiteral("the size is in no catalogue type rated for this duty");
    else if (!now)
        reason = QStringLiteral("the size no longer qualifies for the duty");
    else {
        // Every value the file keeps; the vapor connection velocity is not saved.
        const TResultTypeB saved = restoredResult(rec);
        for (const ResultRealField& f : kResultRealFields)
            if (f.name != "VapVelConHS" && !equalAsText(saved.*f.member, now->*f.member))
                differences.push_back({qs(f.name), saved.*f.member, now->*f.member});
        if (rec.Tubular != now->Tubular)
            differences.push_back({QStringLiteral("Tubular"), static_cast<long double>(rec.Tubular),
                                   static_cast<long double>(now->Tubular)});
        if (!differences.empty())
            reason = QStringLiteral("%1 value(s) differ").arg(differences.size());
        else if (!rec.TypeFile.empty() && rec.TypeFile != now->TypeFile)
            reason =
                QStringLiteral("the size now belongs to %1, not %2").arg(qs(now->TypeFile), qs(rec.TypeFile));
    }
    const bool holds = reason.isEmpty();

    if (json) {
        QJsonArray diffs;
        for (const Difference& d : differences)
            diffs.append(QJsonObject{{QStringLiteral("field"), d.name},
                                     {QStringLiteral("saved"), static_cast<double>(d.saved)},
                                     {QStringLiteral("now"), static_cast<double>(d.now)}});
        QJsonObject out{{QStringLiteral("size"), qs(rec.SizeName)},
                        {QStringLiteral("holds"), holds},
                        {QStringLiteral("differences"), diffs}};
        if (!holds)
            out.insert(QStringLiteral("reason"), reason);
        if (now) {
            QJsonObject values;
            for (const ResultRealField& f : kResultRealFields)
                values.insert(qs(f.name), static_cast<double>(now->*f.member));
            values.insert(QStringLiteral("Tubular"), now->Tubular);
            values.insert(QStringLiteral("TypeFile"), qs(now->TypeFile));
            out.insert(QStringLiteral("result"), values);
        }
        if (!outcome.vaporConnection.empty())
            out.insert(QStringLiteral("vaporConnection"), qs(outcome.vaporConnection));
        printJson(QJsonDocument(out));
    } else {
        QString out =
            QStringLiteral("Size %1 (%2 duty)\n")
                .arg(qs(rec.SizeName), duty.hotSide == HotSideKind::Liquid ? QStringLiteral("liquid")
                                                                           : QStringLiteral("condensing"));
        if (!outcome.vaporConnection.empty())
            out += QStringLiteral("Vapor connection: %1\n").arg(qs(outcome.vaporConnection));
        for (const Difference& d : differences)
            out += QStringLiteral("  %1 saved %2, now %3\n")
                       .arg(d.name.leftJustified(14), qs(formatGeneral(d.saved)), qs(formatGeneral(d.now)));
        out += holds ? QStringLiteral("The saved result still holds.\n")
                     : QStringLiteral("The saved result no longer holds: %1.\n").arg(reason);
        printOut(out);
    }
    return holds ? kExitOk : kExitFailure;
}

int run(const QStringList& args)
{
    if (args.contains(QLatin1String("-h")) || args.contains(QLatin1String("--help"))) {
        printOut(kHelp);
        return kExitOk;
    }
    QCommandLineParser parser;
    addRootOption(parser);
    parser.addOption({QStringLiteral("json"), QStringLiteral("Print JSON.")});
    parser.addOption({QStringLiteral("code-page"),
                      QStringLiteral("Code page of the texts: 1250, 1251 or 1252."), QStringLiteral("CP")});
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("show or rate"));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("project file"));
    int exitCode = kExitOk;
    if (!parseArgs(parser, QStringLiteral("project"), args, exitCode))
        return exitCode;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return usageError(QStringLiteral("'project' needs an action (show, rate) and a FILE.dca; see "
                                         "'velor-cli project --help'"));
    const QString& action = positional[0];
    if (action != QLatin1String("show") && action != QLatin1String("rate"))
        return usageError(QStringLiteral("unknown 'project' action '%1' (valid: show, rate)").arg(action));
    if (action == QLatin1String("show") && parser.isSet(QStringLiteral("root")))
        return usageError(QStringLiteral("'project show' takes no --root"));

    CodePage codePage = systemCodePage();
    if (parser.isSet(QStringLiteral("code-page"))) {
        const auto cp = parseCodePage(parser.value(QStringLiteral("code-page")));
        if (!cp)
            return usageError(QStringLiteral("--code-page must be 1250, 1251 or 1252"));
        codePage = *cp;
    }
    const std::filesystem::path path = positional[1].toStdString();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return failure(QStringLiteral("cannot open %1").arg(positional[1]));
    const auto contents = loadProjectFile(path, codePage);
    if (!contents)
        return usageError(qs(contents.error().message));

    const bool json = parser.isSet(QStringLiteral("json"));
    if (action == QLatin1String("show"))
        return show(*contents, json);
    return rate(rootFolder(parser), *contents, codePage, json);
}

const CommandRegistrar registrar(QStringLiteral("project"),
                                 QStringLiteral("Show a project file, re-rate its saved result"), run);

} // namespace
} // namespace velor::cli
