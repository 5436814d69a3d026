// Catalogue lookups: size names and records, working limits, connection table, technical data.
#include "catalogue/catalogue.h"

#include "base/recordfile.h"

#include <system_error>

namespace velor {
namespace {

template<typename Record, typename Encode>
Status writeRecords(const std::filesystem::path& path, const std::vector<Record>& records, Encode encode)
{
    std::error_code ec;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), ec);
    if (ec)
        return Error{"cannot create folder " + path.parent_path().string() + ": " + ec.message()};
    Bytes data;
    for (const Record& r : records) {
        const Bytes one = encode(r);
        data.insert(data.end(), one.begin(), one.end());
    }
    return replaceFile(path, data);
}

template<typename Limits>
bool admits(const Limits& l, const LimitDuty& d)
{
    // Written as positive comparisons so that a NaN on either side refuses.
    return l.MaxTempHot >= d.tHotIn && l.MinTempHot <= d.tHotOut && l.MinTempCold <= d.tColdIn &&
           l.MaxTempCold >= d.tColdOut && l.MaxPressHot >= d.pHotBar && l.MaxPressCold >= d.pColdBar;
}

template<typename Keep>
THERecList techDataWhere(const ProgramFolder& folder, CodePage codePage, Keep keep)
{
    THERecList kept;
    for (THERec& r : readTechData(folder, codePage))
        if (keep(r))
            kept.push_back(std::move(r));
    return kept;
}

} // namespace

std::filesystem::path typeFilePath(const ProgramFolder& folder, std::string_view typeFile)
{
    return folder.heatExch() / std::string(typeFile);
}

std::filesystem::path workingLimitsPath(const ProgramFolder& folder)
{
    return folder.heatExch() / std::string(kWorkingLimitsFile);
}

std::filesystem::path diametersPath(const ProgramFolder& folder)
{
    return folder.heatExch() / std::string(kDiametersFile);
}

std::filesystem::path techDataPath(const ProgramFolder& folder)
{
    return folder.techData() / std::string(kTechDataFile);
}

bool IsVariantLetter(std::string_view text)
{
    return text.size() == 1 && text[0] >= 'A' && text[0] <= 'Z';
}

bool belongsToSize(std::string_view recordName, std::string_view sizeName)
{
    if (!recordName.starts_with(sizeName))
        return false;
    if (recordName.size() == sizeName.size())
        return true;
    // Only the character after the dot is examined: "N.AB" belongs to "N" too.
    return recordName.size() >= sizeName.size() + 2 && recordName[sizeName.size()] == '.' &&
           IsVariantLetter(recordName.substr(sizeName.size() + 1, 1));
}

std::vector<TSizeRecord> readSizeFile(const std::filesystem::path& path, CodePage codePage)
{
    return readRecords<TSizeRecord>(
        path, kSizeRecordSize, [codePage](const std::uint8_t* at) { return decodeSizeRecord(at, codePage); });
}

std::vector<std::string> SizeNames(const ProgramFolder& folder, std::string_view typeFile, CodePage codePage)
{
    std::vector<std::string> names;
    for (TSizeRecord& r : readSizeFile(typeFilePath(folder, typeFile), codePage))
        names.push_back(std::move(r.Name));
    return names;
}

const ExchangerType* findSizeType(const ProgramFolder& folder, std::string_view sizeName, CodePage codePage)
{
    for (const ExchangerType& type : exchangerTypes())
        for (const std::string& name : SizeNames(folder, type.file, codePage))
            if (name == sizeName)
                return &type;
    return nullptr;
}

TSizeRecord ReadSize(const ProgramFolder& folder, std::string_view typeFile, std::string_view sizeName,
                     CodePage codePage)
{
    const auto data = readWholeFile(typeFilePath(folder, typeFile));
    if (!data)
        return TSizeRecord::notFound();
    const std::size_t count = recordCount(*data, kSizeRecordSize);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* at = data->data() + i * kSizeRecordSize;
        // Compare the name first; decode the 87 reals only for the match.
        if (getShortString(at + 4, kSizeNameCapacity, codePage) == sizeName)
            return decodeSizeRecord(at, codePage);
    }
    return TSizeRecord::notFound();
}

TParamRecList ReadWorkingLimits(const ProgramFolder& folder, CodePage codePage)
{
    return readRecords<TParamRec>(
        workingLimitsPath(folder), kParamRecSize,
        [codePage](const std::uint8_t* at) { return decodeParamRec(at, codePage); });
}

bool limitsAdmit(const TParamRec& limits, const LimitDuty& duty)
{
    return admits(limits, duty);
}
bool limitsAdmit(const THERec& limits, const LimitDuty& duty)
{
    return admits(limits, duty);
}

TDiamP ReadDiameters(const ProgramFolder& folder, CodePage codePage)
{
    TDiamP table;
    for (TDiamRec& r :
         readRecords<TDiamRec>(diametersPath(folder), kDiamRecSize,
                               [codePage](const std::uint8_t* at) { return decodeDiamRec(at, codePage); }))
        table.emplace_back(std::move(r.Name), r.Area);
    return table;
}

std::string ConnectionForFlow(const ProgramFolder& folder, long double flow, CodePage codePage)
{
    for (const auto& [name, area] : ReadDiameters(folder, codePage)) {
        // flow / area <= 60 m/s, written as a product so that a flow of exactly 60 × area
        // qualifies without a rounding step. A connection without a positive cross-section
        // (a damaged record) carries no flow and is passed over.
        if (area > 0 && flow <= kMaxConnectionVelocity * area)
            return name;
    }
    return {};
}

THERecList readTechData(const ProgramFolder& folder, CodePage codePage)
{
    return readRecords<THERec>(techDataPath(folder), kHERecSize,
                               [codePage](const std::uint8_t* at) { return decodeHERec(at, codePage); });
}

THERecList TechDataForDuty(const ProgramFolder& folder, std::string_view sizeName, long double tHotIn,
                           long double tHotOut, long double tColdIn, long double tColdOut,
                           long double pHotBar, long double pColdBar, CodePage codePage)
{
    const LimitDuty duty{tHotIn, tHotOut, tColdIn, tColdOut, pHotBar, pColdBar};
    return techDataWhere(folder, codePage, [&](const THERec& r) {
        return (sizeName.empty() || belongsToSize(r.Name, sizeName)) && admits(r, duty);
    });
}

THERecList TechDataVariants(const ProgramFolder& folder, std::string_view sizeName, CodePage codePage)
{
    return techDataWhere(folder, codePage, [&](const THERec& r) { return belongsToSize(r.Name, sizeName); });
}

THERecList StandardTechData(const ProgramFolder& folder, std::string_view sizeName, CodePage codePage)
{
    return techDataWhere(folder, codePage,
                         [&](const THERec& r) { return r.Standard && belongsToSize(r.Name, sizeName); });
}

Status writeSizeFile(const std::filesystem::path& path, const std::vector<TSizeRecord>& records,
                     CodePage codePage)
{
    return writeRecords(path, records,
                        [codePage](const TSizeRecord& r) { return encodeSizeRecord(r, codePage); });
}

Status writeTypeFile(const ProgramFolder& folder, std::string_view typeFile,
                     const std::vector<TSizeRecord>& records, CodePage codePage)
{
    return writeSizeFile(typeFilePath(folder, typeFile), records, codePage);
}

Status writeWorkingLimits(const ProgramFolder& folder, const TParamRecList& records, CodePage codePage)
{
    return writeRecords(workingLimitsPath(folder), records,
                        [codePage](const TParamRec& r) { return encodeParamRec(r, codePage); });
}

Status writeDiameters(const ProgramFolder& folder, const std::vector<TDiamRec>& records, CodePage codePage)
{
    return writeRecords(diametersPath(folder), records,
                        [codePage](const TDiamRec& r) { return encodeDiamRec(r, codePage); });
}

Status writeTechData(const ProgramFolder& folder, const THERecList& records, CodePage codePage)
{
    return writeRecords(techDataPath(folder), records,
                        [codePage](const THERec& r) { return encodeHERec(r, codePage); });
}

} // namespace velor
