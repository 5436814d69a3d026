// Build-time generator of the delivered fluid database: reads the CSV sources of data/fluids and
// writes Liquids.dat, PropLiquids.dat, Vapors.dat, PropVapors.dat and SteamF.dat with the core's
// record encoders. Refuses sources that the program would misread or silently drop.
#include "base/codepage.h"
#include "base/numtext.h"
#include "base/recordfile.h"
#include "base/result.h"
#include "fluids/fluidrecords.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace velor;

namespace {

// The delivered names are plain ASCII, so every code page stores the same bytes.
constexpr CodePage kDataCodePage = CodePage::Windows1252;

/// One CSV source: its header and data lines split at commas (names hold no commas).
struct CsvFile
{
    fs::path path;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::size_t> lineNumbers;
};

std::vector<std::string> splitLine(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            return fields;
        start = comma + 1;
    }
}

Error errorAt(const CsvFile& file, std::size_t row, const std::string& what)
{
    return Error{file.path.string() + ":" + std::to_string(file.lineNumbers[row]) + ": " + what};
}

/// Reads a CSV source whose first line must be exactly `header`; every data line must have as
/// many fields as the header.
Result<CsvFile> readCsv(const fs::path& path, const std::vector<std::string>& header)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Error{path.string() + ": cannot be read"};
    CsvFile file{path, {}, {}};
    std::string line;
    std::size_t lineNumber = 0;
    bool headerSeen = false;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        auto fields = splitLine(line);
        if (!headerSeen) {
            if (fields != header)
                return Error{path.string() + ": unexpected header \"" + line + "\""};
            headerSeen = true;
            continue;
        }
        if (fields.size() != header.size())
            return Error{path.string() + ":" + std::to_string(lineNumber) + ": expected " +
                         std::to_string(header.size()) + " fields"};
        file.rows.push_back(std::move(fields));
        file.lineNumbers.push_back(lineNumber);
    }
    if (!headerSeen)
        return Error{path.string() + ": empty file"};
    return file;
}

Result<long double> number(const CsvFile& file, std::size_t row, std::size_t column)
{
    const auto value = parseNumber(file.rows[row][column]);
    if (!value)
        return errorAt(file, row, "\"" + file.rows[row][column] + "\" is not a number");
    return *value;
}

/// A property value: finite and strictly positive, or the program's writers would drop the row.
Result<long double> positive(const CsvFile& file, std::size_t row, std::size_t column)
{
    auto value = number(file, row, column);
    if (value && !(*value > 0))
        return errorAt(file, row, "value " + file.rows[row][column] + " is not positive");
    return value;
}

Result<std::int32_t> key(const CsvFile& file, std::size_t row, std::size_t column)
{
    const auto value = number(file, row, column);
    if (!value)
        return value.error();
    if (*value < 1 || *value > 2147483647.0L || std::floor(*value) != *value)
        return errorAt(file, row, "key " + file.rows[row][column] + " is not a positive integer");
    return static_cast<std::int32_t>(*value);
}

Result<std::string> fluidName(const CsvFile& file, std::size_t row, std::size_t column)
{
    const std::string& name = file.rows[row][column];
    const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    if (name.empty() || name.size() > kFluidNameCapacity || !ascii)
        return errorAt(file, row, "name \"" + name + "\" is empty, too long or not plain ASCII");
    return name;
}

// Column layouts of the sources.
const std::vector<std::string> kLiquidListHeader{"key", "name", "solution", "concentration_pct"};
const std::vector<std::string> kLiquidRowHeader{
    "key", "t_degC", "p_kPa", "density_kg_m3", "cp_kJ_kgK", "conductivity_W_mK", "viscosity_Pa_s"};
const std::vector<std::string> kVaporListHeader{"key",     "condensate_key", "name", "molar_mass_kg_kmol",
                                                "tc_degC", "pc_kPa"};
const std::vector<std::string> kVaporRowHeader{
    "key", "t_degC", "psat_kPa", "latent_heat_kJ_kg", "cp_kJ_kgK", "conductivity_W_mK", "viscosity_Pa_s"};
const std::vector<std::string> kSteamFactorHeader{"row", "t_degC", "f1", "f2", "f3", "f4"};

/// Sources whose names start with `prefix`, in name order.
std::vector<fs::path> sourcesStartingWith(const fs::path& folder, const std::string& prefix)
{
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.starts_with(prefix) && name.ends_with(".csv"))
            paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

/// The records of the five files, in the order they are written.
struct FluidDatabase
{
    std::vector<TLiquidRec> liquids;
    std::vector<TLiquidPropRec> liquidRows;
    std::vector<TVaporRec> vapors;
    std::vector<TVaporPropRec> vaporRows;
    std::vector<TSteamFactorRec> steamFactors;
};

/// Reads the property rows of every source starting with `prefix`: a key of `keys` (the fluids
/// of `listName`), a temperature, then five positive values stored in `fields` in column order.
template<typename Rec>
Status readPropertyRows(const fs::path& folder, const std::string& prefix,
                        const std::vector<std::string>& header, const std::set<std::int32_t>& keys,
                        const std::string& listName, const std::array<long double Rec::*, 5>& fields,
                        std::vector<Rec>& out)
{
    for (const auto& path : sourcesStartingWith(folder, prefix)) {
        auto file = readCsv(path, header);
        if (!file)
            return file.error();
        for (std::size_t r = 0; r < file->rows.size(); ++r) {
            Rec rec;
            auto k = key(*file, r, 0);
            if (!k)
                return k.error();
            if (!keys.contains(*k))
                return errorAt(*file, r, "key not in " + listName);
            auto t = number(*file, r, 1);
            if (!t)
                return t.error();
            for (std::size_t f = 0; f < fields.size(); ++f) {
                auto v = positive(*file, r, f + 2);
                if (!v)
                    return v.error();
                rec.*fields[f] = *v;
            }
            rec.key = *k;
            rec.temperature = *t;
            out.push_back(rec);
        }
    }
    return Status::success();
}

Status readLiquids(const fs::path& folder, FluidDatabase& db)
{
    auto list = readCsv(folder / "liquids.csv", kLiquidListHeader);
    if (!list)
        return list.error();
    std::set<std::int32_t> keys;
    std::set<std::string> names;
    for (std::size_t r = 0; r < list->rows.size(); ++r) {
        TLiquidRec rec;
        auto k = key(*list, r, 0);
        auto name = fluidName(*list, r, 1);
        auto c = number(*list, r, 3);
        if (!k)
            return k.error();
        if (!name)
            return name.error();
        if (!c)
            return c.error();
        const std::string& flag = list->rows[r][2];
        if (flag != "0" && flag != "1")
            return errorAt(*list, r, "solution flag must be 0 or 1");
        rec.key = *k;
        rec.name = *name;
        rec.waterSolution = flag == "1";
        rec.concentration = *c;
        if (rec.waterSolution ? !(rec.concentration > 0 && rec.concentration < 100) : rec.concentration != 0)
            return errorAt(*list, r, "concentration does not fit the solution flag");
        if (!keys.insert(rec.key).second || !names.insert(rec.name).second)
            return errorAt(*list, r, "duplicate key or name");
        db.liquids.push_back(std::move(rec));
    }
    if (!names.contains("Water"))
        return Error{"liquids.csv: the liquid \"Water\" is missing"};

    return readPropertyRows(folder, "liquid_rows_", kLiquidRowHeader, keys, "liquids.csv",
                            {&TLiquidPropRec::pressure, &TLiquidPropRec::density,
                             &TLiquidPropRec::heatCapacity, &TLiquidPropRec::conductivity,
                             &TLiquidPropRec::viscosity},
                            db.liquidRows);
}

Status readVapors(const fs::path& folder, FluidDatabase& db)
{
    auto list = readCsv(folder / "vapors.csv", kVaporListHeader);
    if (!list)
        return list.error();
    std::set<std::int32_t> liquidKeys;
    for (const auto& liquid : db.liquids)
        liquidKeys.insert(liquid.key);
    std::set<std::int32_t> keys;
    std::set<std::string> names;
    for (std::size_t r = 0; r < list->rows.size(); ++r) {
        TVaporRec rec;
        auto k = key(*list, r, 0);
        auto condensate = key(*list, r, 1);
        auto name = fluidName(*list, r, 2);
        auto m = positive(*list, r, 3);
        auto tc = number(*list, r, 4);
        auto pc = positive(*list, r, 5);
        if (!k)
            return k.error();
        if (!condensate)
            return condensate.error();
        if (!name)
            return name.error();
        if (!m)
            return m.error();
        if (!tc)
            return tc.error();
        if (!pc)
            return pc.error();
        if (!liquidKeys.contains(*condensate))
            return errorAt(*list, r, "condensate key not in liquids.csv");
        if (!keys.insert(*k).second || !names.insert(*name).second)
            return errorAt(*list, r, "duplicate key or name");
        rec.key = *k;
        rec.condensateKey = *condensate;
        rec.name = *name;
        rec.molecularWeight = *m;
        rec.criticalTemperature = *tc;
        rec.criticalPressure = *pc;
        db.vapors.push_back(std::move(rec));
    }

    return readPropertyRows(folder, "vapor_rows_", kVaporRowHeader, keys, "vapors.csv",
                            {&TVaporPropRec::pressure, &TVaporPropRec::latentHeat,
                             &TVaporPropRec::heatCapacity, &TVaporPropRec::conductivity,
                             &TVaporPropRec::viscosity},
                            db.vaporRows);
}

Status readSteamFactors(const fs::path& folder, FluidDatabase& db)
{
    auto file = readCsv(folder / "steam_factors.csv", kSteamFactorHeader);
    if (!file)
        return file.error();
    for (std::size_t r = 0; r < file->rows.size(); ++r) {
        TSteamFactorRec rec;
        auto index = key(*file, r, 0);
        auto t = number(*file, r, 1);
        if (!index)
            return index.error();
        if (!t)
            return t.error();
        rec.index = *index;
        rec.temperature = *t;
        for (std::size_t f = 0; f < 4; ++f) {
            auto v = number(*file, r, f + 2);
            if (!v)
                return v.error();
            rec.factors[f] = *v;
        }
        if (!db.steamFactors.empty() && !(rec.temperature > db.steamFactors.back().temperature))
            return errorAt(*file, r, "temperatures must increase");
        db.steamFactors.push_back(rec);
    }
    if (db.steamFactors.empty())
        return Error{"steam_factors.csv: no rows"};
    return Status::success();
}

/// Every fluid has rows, and each isobar (each saturation line) has strictly increasing
/// temperatures, so that no table has a repeated point the exact lookups would shadow.
template<typename Row, typename List>
Status checkTables(const std::vector<Row>& rows, const List& list, const char* what, bool byPressure)
{
    std::map<std::pair<std::int32_t, long double>, long double> lastT;
    std::set<std::int32_t> withRows;
    for (const auto& row : rows) {
        const auto table = std::make_pair(row.key, byPressure ? row.pressure : 0.0L);
        const auto last = lastT.find(table);
        if (last != lastT.end() && !(row.temperature > last->second))
            return Error{std::string(what) + ": temperatures of key " + std::to_string(row.key) +
                         " do not increase at " + formatGeneral(row.temperature)};
        lastT[table] = row.temperature;
        withRows.insert(row.key);
    }
    for (const auto& fluid : list)
        if (!withRows.contains(fluid.key))
            return Error{std::string(what) + ": \"" + fluid.name + "\" has no rows"};
    return Status::success();
}

Result<FluidDatabase> readDatabase(const fs::path& folder)
{
    FluidDatabase db;
    for (auto step : {readLiquids, readVapors, readSteamFactors}) {
        if (auto status = step(folder, db); !status)
            return status.error();
    }
    // Lists in key order, property rows grouped by key in key order (stable within a key).
    std::stable_sort(db.liquids.begin(), db.liquids.end(), [](auto& a, auto& b) { return a.key < b.key; });
    std::stable_sort(db.vapors.begin(), db.vapors.end(), [](auto& a, auto& b) { return a.key < b.key; });
    std::stable_sort(db.liquidRows.begin(), db.liquidRows.end(),
                     [](auto& a, auto& b) { return a.key < b.key; });
    std::stable_sort(db.vaporRows.begin(), db.vaporRows.end(),
                     [](auto& a, auto& b) { return a.key < b.key; });
    if (auto status = checkTables(db.liquidRows, db.liquids, "liquid rows", true); !status)
        return status.error();
    if (auto status = checkTables(db.vaporRows, db.vapors, "vapor rows", false); !status)
        return status.error();
    return db;
}

Status writeDatabase(const FluidDatabase& db, const fs::path& out)
{
    std::error_code ec;
    fs::create_directories(out, ec);
    if (ec)
        return Error{out.string() + ": " + ec.message()};
    const std::pair<const char*, Bytes> files[] = {
        {"Liquids.dat", encodeLiquidRecs(db.liquids, kDataCodePage)},
        {"PropLiquids.dat", encodeLiquidPropRecs(db.liquidRows)},
        {"Vapors.dat", encodeVaporRecs(db.vapors, kDataCodePage)},
        {"PropVapors.dat", encodeVaporPropRecs(db.vaporRows)},
        {"SteamF.dat", encodeSteamFactorRecs(db.steamFactors)},
    };
    for (const auto& [name, bytes] : files) {
        if (auto status = replaceFile(out / name, bytes); !status)
            return status;
    }
    return Status::success();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <source folder data/fluids> <output folder Fluids>\n";
        return 2;
    }
    auto db = readDatabase(argv[1]);
    if (!db) {
        std::cerr << "fluid data: " << db.error().message << "\n";
        return 1;
    }
    if (auto status = writeDatabase(*db, argv[2]); !status) {
        std::cerr << "fluid data: " << status.error().message << "\n";
        return 1;
    }
    std::cout << "fluid data: " << db->liquids.size() << " liquids (" << db->liquidRows.size() << " rows), "
              << db->vapors.size() << " vapors (" << db->vaporRows.size() << " rows), "
              << db->steamFactors.size() << " steam-factor rows\n";
    return 0;
}
