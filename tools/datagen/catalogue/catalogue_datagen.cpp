// Build-time generator of the delivered catalogue: turns the text sources of data/catalogue into the
// type files, "ParamW.dat", "DiameterP.dat" (in HeatExch) and "he.dat" (in TechData), after checking
// that the sources are complete and consistent.
#include "base/programfolder.h"
#include "base/recordfile.h"
#include "catalogue/catalogue.h"
#include "catalogue/exchangertypes.h"
#include "drawings.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace velor;

namespace {

// Catalogue words are plain ASCII so that comparing them in upper case needs no locale.
constexpr CodePage kCatalogueCodePage = CodePage::Windows1252;
// The technical data carry Polish texts as well.
constexpr CodePage kTechDataCodePage = CodePage::Windows1250;

const std::vector<std::string> kConnectionTypes = {"Gwint zewnetrzny G",
                                                   "Gwint wewnetrzny G",
                                                   "Gwint zewnetrzny NPT",
                                                   "Kolnierz",
                                                   "Do lutowania",
                                                   "Do spawania",
                                                   "Srubunek"};
const std::vector<std::string> kSurfaceTypes = {"Plyta karbowana", "Rura gladka", "Wezownica"};

struct Problems
{
    int count = 0;
    void operator()(const std::string& text)
    {
        if (++count <= 50)
            std::fprintf(stderr, "catalogue data: %s\n", text.c_str());
    }
};

using Row = std::map<std::string, std::string>;

/// Rows of a comma-separated file with a header line; fields hold no commas or quotes. Every
/// column of `required` must be present.
std::optional<std::vector<Row>> readCsv(const fs::path& path, const std::vector<std::string>& required,
                                        Problems& problem)
{
    std::ifstream in(path);
    if (!in) {
        problem("cannot read " + path.string());
        return std::nullopt;
    }
    auto split = [](const std::string& line) {
        std::vector<std::string> cells;
        std::stringstream ss(line);
        std::string cell;
        while (std::getline(ss, cell, ','))
            cells.push_back(cell);
        if (!line.empty() && line.back() == ',')
            cells.emplace_back();
        return cells;
    };
    std::string line;
    auto next = [&]() {
        if (!std::getline(in, line))
            return false;
        if (!line.empty() && line.back() == '\r') // a checkout with Windows line ends
            line.pop_back();
        return true;
    };
    if (!next()) {
        problem(path.string() + " is empty");
        return std::nullopt;
    }
    const auto header = split(line);
    bool complete = true;
    for (const std::string& column : required) {
        if (std::find(header.begin(), header.end(), column) == header.end()) {
            problem(path.filename().string() + " has no column " + column);
            complete = false;
        }
    }
    if (!complete)
        return std::nullopt;
    std::vector<Row> rows;
    int lineNo = 1;
    while (next()) {
        ++lineNo;
        if (line.empty())
            continue;
        const auto cells = split(line);
        if (cells.size() != header.size()) {
            problem(path.filename().string() + " line " + std::to_string(lineNo) + ": " +
                    std::to_string(cells.size()) + " fields, expected " + std::to_string(header.size()));
            continue;
        }
        Row row;
        for (std::size_t i = 0; i < header.size(); ++i)
            row[header[i]] = cells[i];
        rows.push_back(std::move(row));
    }
    return rows;
}

/// A finite number written as text (the sources hold shortest round-trip doubles).
std::optional<long double> parseReal(const std::string& text)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return static_cast<long double>(value);
}

bool isAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string upper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

/// The sizes by type and by name. `sizes` points into `byType`, so a catalogue may be moved (which
/// leaves the records where they are) but not copied.
struct Catalogue
{
    Catalogue() = default;
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;
    Catalogue(Catalogue&&) = default;
    Catalogue& operator=(Catalogue&&) = default;

    std::vector<std::vector<TSizeRecord>> byType; // in the fixed type order
    std::map<std::string, const TSizeRecord*> sizes;
};

Catalogue readSizes(const fs::path& path, Problems& problem)
{
    Catalogue cat;
    cat.byType.resize(kExchangerTypeCount);
    std::vector<std::string> columns = {"Type", "Id", "Name"};
    for (std::size_t k = 0; k < kSizeValueCount; ++k)
        columns.emplace_back(sizeValueName(k));
    const auto rows = readCsv(path, columns, problem);
    if (!rows)
        return cat;
    std::set<std::string> names;
    for (const Row& row : *rows) {
        const auto typeIndex = exchangerTypeIndex(row.at("Type"));
        const std::string& name = row.at("Name");
        if (!typeIndex) {
            problem("unknown type \"" + row.at("Type") + "\" of size " + name);
            continue;
        }
        TSizeRecord rec;
        rec.Name = name;
        auto& list = cat.byType[static_cast<std::size_t>(*typeIndex)];
        rec.Id = static_cast<std::int32_t>(list.size() + 1);
        if (row.at("Id") != std::to_string(rec.Id))
            problem("size " + name + ": Id " + row.at("Id") + " is not its record number " +
                    std::to_string(rec.Id));
        if (name.empty() || name.size() > kSizeNameCapacity || !isAscii(name))
            problem("size name \"" + name + "\" is empty, too long or not plain ASCII");
        if (!names.insert(name).second)
            problem("size name " + name + " occurs twice (names must be unique across all types)");
        for (std::size_t k = 0; k < kSizeValueCount; ++k) {
            const std::string field(sizeValueName(k));
            const auto value = parseReal(row.at(field));
            if (!value) {
                problem("size " + name + ": value " + field + " is missing or not a finite number");
                continue;
            }
            rec.Values[k] = *value;
        }
        if (!rec.ratingValuesPositive())
            problem("size " + name + " has a value the rating requires to be positive that is not");
        list.push_back(std::move(rec));
    }
    for (int t = 0; t < kExchangerTypeCount; ++t) {
        if (cat.byType[static_cast<std::size_t>(t)].empty())
            problem("type " + std::string(exchangerTypes()[static_cast<std::size_t>(t)].code) +
                    " has no sizes");
        for (const auto& rec : cat.byType[static_cast<std::size_t>(t)])
            cat.sizes[rec.Name] = &rec;
    }
    return cat;
}

/// The size a variant or size-named record belongs to, if any.
const TSizeRecord* ownerOf(const Catalogue& cat, const std::string& recordName)
{
    // A variant name is the size name plus "." and a letter; the size name itself holds dots too.
    if (const auto it = cat.sizes.find(recordName); it != cat.sizes.end())
        return it->second;
    const auto dot = recordName.rfind('.');
    if (dot == std::string::npos)
        return nullptr;
    const auto it = cat.sizes.find(recordName.substr(0, dot));
    return it != cat.sizes.end() && belongsToSize(recordName, it->first) ? it->second : nullptr;
}

TParamRecList readLimits(const fs::path& path, const Catalogue& cat, Problems& problem)
{
    TParamRecList list;
    const auto rows = readCsv(
        path,
        {"Name", "MaxTempHot", "MaxTempCold", "MinTempHot", "MinTempCold", "MaxPressHot", "MaxPressCold"},
        problem);
    if (!rows)
        return list;
    std::set<std::string> covered;
    for (const Row& row : *rows) {
        TParamRec rec;
        rec.Name = row.at("Name");
        long double* fields[] = {&rec.MaxTempHot,  &rec.MaxTempCold, &rec.MinTempHot,
                                 &rec.MinTempCold, &rec.MaxPressHot, &rec.MaxPressCold};
        const char* names[] = {"MaxTempHot",  "MaxTempCold", "MinTempHot",
                               "MinTempCold", "MaxPressHot", "MaxPressCold"};
        for (int i = 0; i < 6; ++i) {
            const auto value = parseReal(row.at(names[i]));
            if (!value)
                problem("limits of " + rec.Name + ": " + names[i] + " is not a number");
            else
                *fields[i] = *value;
        }
        if (rec.MaxTempHot < rec.MinTempHot || rec.MaxTempCold < rec.MinTempCold || rec.MaxPressHot <= 0 ||
            rec.MaxPressCold <= 0)
            problem("limits of " + rec.Name + " admit no duty");
        const TSizeRecord* owner = ownerOf(cat, rec.Name);
        if (!owner)
            problem("working limits " + rec.Name + " belong to no size");
        else
            covered.insert(owner->Name);
        list.push_back(std::move(rec));
    }
    for (const auto& [name, rec] : cat.sizes)
        if (!covered.count(name))
            problem("size " + name + " has no working limits");
    return list;
}

std::vector<TDiamRec> readDiameters(const fs::path& path, Problems& problem)
{
    std::vector<TDiamRec> list;
    const auto rows = readCsv(path, {"Name", "Area"}, problem);
    if (!rows)
        return list;
    for (const Row& row : *rows) {
        TDiamRec rec;
        rec.Id = static_cast<std::int32_t>(list.size() + 1);
        rec.Name = row.at("Name");
        const auto area = parseReal(row.at("Area"));
        if (!area || *area <= 0)
            problem("connection " + rec.Name + " has no positive area");
        else
            rec.Area = *area;
        if (!list.empty() && rec.Area <= list.back().Area)
            problem("connection " + rec.Name + " is not larger than the one before it");
        list.push_back(std::move(rec));
    }
    return list;
}

std::string text(const QJsonObject& o, const char* key)
{
    return o.value(QLatin1String(key)).toString().toStdString();
}

long double real(const QJsonObject& o, const char* key)
{
    return static_cast<long double>(o.value(QLatin1String(key)).toDouble());
}

THERecList readTechData(const fs::path& path, const Catalogue& cat, const TParamRecList& limits,
                        Problems& problem)
{
    THERecList list;
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        problem("cannot read " + path.string());
        return list;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (!doc.isArray()) {
        problem(path.filename().string() + ": " + error.errorString().toStdString());
        return list;
    }
    std::map<std::string, const TParamRec*> limitByName;
    for (const auto& l : limits)
        limitByName[l.Name] = &l;
    std::map<std::string, int> standards;
    std::set<std::string> connWords, surfaceWords;
    for (const auto& w : kConnectionTypes)
        connWords.insert(upper(w));
    for (const auto& w : kSurfaceTypes)
        surfaceWords.insert(upper(w));

    for (const QJsonValue& v : doc.array()) {
        const QJsonObject o = v.toObject();
        THERec rec;
        rec.CatalogNumber = text(o, "CatalogNumber");
        rec.Name = text(o, "Name");
        rec.SurfaceType = text(o, "SurfaceType");
        rec.Material = text(o, "Material");
        rec.Drawing = text(o, "Drawing");
        rec.MaxTempHot = real(o, "MaxTempHot");
        rec.MaxTempCold = real(o, "MaxTempCold");
        rec.MinTempHot = real(o, "MinTempHot");
        rec.MinTempCold = real(o, "MinTempCold");
        rec.MaxPressHot = real(o, "MaxPressHot");
        rec.MaxPressCold = real(o, "MaxPressCold");
        rec.SurfaceSize = real(o, "SurfaceSize");
        rec.SurfaceArea = real(o, "SurfaceArea");
        rec.Volume1 = real(o, "Volume1");
        rec.Volume2 = real(o, "Volume2");
        rec.Weight = real(o, "Weight");
        rec.Standard = o.value(QLatin1String("Standard")).toBool();
        for (const QJsonValue& c : o.value(QLatin1String("Connections")).toArray()) {
            const QJsonObject co = c.toObject();
            const int g = co.value(QLatin1String("group")).toInt(-1);
            if (g < 0 || g >= kHEConnectionCount) {
                problem(rec.Name + ": connection group out of range");
                continue;
            }
            auto& conn = rec.Connections[static_cast<std::size_t>(g)];
            conn = {text(co, "label"), text(co, "type"), text(co, "material"), text(co, "size")};
            if (!conn.ConnType.empty() && !connWords.count(upper(conn.ConnType)))
                problem(rec.Name + ": connection type \"" + conn.ConnType + "\" is not a listed word");
            for (const std::string* s : {&conn.ConnLabel, &conn.ConnType, &conn.ConnMaterial, &conn.ConnSize})
                if (s->size() > 50)
                    problem(rec.Name + ": connection text longer than 50 characters");
        }
        const QJsonArray media = o.value(QLatin1String("Media")).toArray();
        if (media.size() > kHEMediaRowCount)
            problem(rec.Name + ": more than 10 media rows");
        for (int r = 0; r < std::min<int>(static_cast<int>(media.size()), kHEMediaRowCount); ++r) {
            const QJsonObject mo = media[r].toObject();
            rec.Media[static_cast<std::size_t>(r)] = {text(mo, "text1"), text(mo, "text2"),
                                                      text(mo, "language")};
        }
        const QJsonArray dims = o.value(QLatin1String("Dimensions")).toArray();
        if (dims.size() > kHEDimensionCount)
            problem(rec.Name + ": more than 9 dimensions");
        for (int k = 0; k < std::min<int>(static_cast<int>(dims.size()), kHEDimensionCount); ++k) {
            const QJsonObject d = dims[k].toObject();
            rec.DimName[static_cast<std::size_t>(k)] = text(d, "name");
            rec.DimValue[static_cast<std::size_t>(k)] = d.value(QLatin1String("value")).toInt();
            if (rec.DimValue[static_cast<std::size_t>(k)] <= 0)
                problem(rec.Name + ": dimension " + text(d, "name") + " is not positive");
        }

        if (!(rec.SurfaceArea > 0) || !(rec.Volume1 > 0) || !(rec.Volume2 > 0) || !(rec.Weight > 0))
            problem(rec.Name + ": surface area, volumes and weight must be positive");
        if (!isAscii(rec.Name) || !isAscii(rec.SurfaceType) || !isAscii(rec.Material) ||
            !isAscii(rec.Drawing))
            problem(rec.Name + ": name, surface type, material and drawing must be plain ASCII");
        if (rec.CatalogNumber.empty() || rec.CatalogNumber.size() > 100)
            problem(rec.Name + ": catalogue number empty or too long");
        if (!surfaceWords.count(upper(rec.SurfaceType)))
            problem(rec.Name + ": surface type \"" + rec.SurfaceType + "\" is not a listed word");
        const TSizeRecord* owner = ownerOf(cat, rec.Name);
        if (!owner) {
            problem("technical data " + rec.Name + " belong to no size");
        } else {
            if (std::fabs(rec.SurfaceArea - owner->AreaUnit()) > 1e-9L * owner->AreaUnit())
                problem(rec.Name + ": surface area differs from the size's heat-transfer area");
            standards[owner->Name] += rec.Standard ? 1 : 0;
        }
        const auto lim = limitByName.find(rec.Name);
        if (lim == limitByName.end()) {
            problem("technical data " + rec.Name + " have no working-limit record");
        } else {
            const TParamRec& l = *lim->second;
            if (l.MaxTempHot != rec.MaxTempHot || l.MaxTempCold != rec.MaxTempCold ||
                l.MinTempHot != rec.MinTempHot || l.MinTempCold != rec.MinTempCold ||
                l.MaxPressHot != rec.MaxPressHot || l.MaxPressCold != rec.MaxPressCold)
                problem(rec.Name + ": limits differ from its working-limit record");
        }
        list.push_back(std::move(rec));
    }
    std::set<std::string> numbers;
    for (const auto& rec : list)
        if (!numbers.insert(rec.CatalogNumber).second)
            problem("catalogue number " + rec.CatalogNumber + " occurs twice");
    for (const auto& [name, rec] : cat.sizes)
        if (standards[name] != 1)
            problem("size " + name + " has " + std::to_string(standards[name]) +
                    " standard technical-data variants, expected exactly one");
    return list;
}

int usage()
{
    std::fprintf(stderr, "usage: velor_datagen_catalogue <source folder> <program folder>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return usage();
    const fs::path sources = argv[1];
    const ProgramFolder folder{fs::path(argv[2])};
    Problems problem;

    const Catalogue cat = readSizes(sources / "sizes.csv", problem);
    const TParamRecList limits = readLimits(sources / "limits.csv", cat, problem);
    const std::vector<TDiamRec> diameters = readDiameters(sources / "diameters.csv", problem);
    const THERecList techData = readTechData(sources / "techdata.json", cat, limits, problem);
    if (problem.count > 0) {
        std::fprintf(stderr, "catalogue data: %d problem(s); no files written\n", problem.count);
        return 1;
    }

    std::error_code ec;
    fs::create_directories(folder.heatExch(), ec);
    fs::create_directories(folder.techData(), ec);
    const auto types = exchangerTypes();
    for (std::size_t t = 0; t < types.size(); ++t) {
        const Status s = writeTypeFile(folder, types[t].file, cat.byType[t], kCatalogueCodePage);
        if (!s) {
            std::fprintf(stderr, "%s\n", s.error().message.c_str());
            return 1;
        }
    }
    for (const Status& s : {writeWorkingLimits(folder, limits, kCatalogueCodePage),
                            writeDiameters(folder, diameters, kCatalogueCodePage),
                            writeTechData(folder, techData, kTechDataCodePage)}) {
        if (!s) {
            std::fprintf(stderr, "%s\n", s.error().message.c_str());
            return 1;
        }
    }
    // One drawing per drawing name, drawn in the proportions of the type's middle size.
    std::map<std::string, std::vector<const THERec*>> byDrawing;
    for (const THERec& rec : techData)
        if (!rec.Drawing.empty() && rec.Standard)
            byDrawing[rec.Drawing].push_back(&rec);
    fs::create_directories(folder.drawings(), ec);
    for (const auto& [name, records] : byDrawing) {
        const Bytes wmf = datagen::drawingFor(name, *records[records.size() / 2]);
        if (wmf.empty()) {
            std::fprintf(stderr, "catalogue data: no drawing family for drawing name %s\n", name.c_str());
            return 1;
        }
        const Status s = replaceFile(folder.drawings() / (name + ".wmf"), wmf);
        if (!s) {
            std::fprintf(stderr, "%s\n", s.error().message.c_str());
            return 1;
        }
    }
    std::printf("catalogue data: %zu sizes in %zu type files, %zu working limits, %zu connections, %zu "
                "technical-data variants, %zu drawings\n",
                cat.sizes.size(), types.size(), limits.size(), diameters.size(), techData.size(),
                byDrawing.size());
    return 0;
}
