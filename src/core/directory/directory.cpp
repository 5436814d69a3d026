// The customer and person files: record codecs, lookups and in-place updates.
#include "directory/directory.h"

#include "base/recordfile.h"

#include <optional>
#include <system_error>

namespace velor {
namespace {

constexpr std::size_t kText = kDirectoryTextCapacity;
constexpr std::size_t kTextField = kText + 1; // length byte + characters

/// The text fields of a customer record in file order, from offset 4.
constexpr std::string TCustomerRec::*kCustomerTexts[] = {
    &TCustomerRec::CustomerName, &TCustomerRec::Description, &TCustomerRec::Street,   &TCustomerRec::Zip,
    &TCustomerRec::City,         &TCustomerRec::State,       &TCustomerRec::Country,  &TCustomerRec::Phone,
    &TCustomerRec::Fax,          &TCustomerRec::Email,       &TCustomerRec::HomePage,
};
static_assert(4 + std::size(kCustomerTexts) * kTextField == kCustomerRecordSize);

/// The text fields of a person record in file order, from offset 4.
constexpr std::string TPersonRec::*kPersonTexts[] = {
    &TPersonRec::LastName, &TPersonRec::FirstName, &TPersonRec::Initial,
    &TPersonRec::Phone,    &TPersonRec::Mobile,    &TPersonRec::Email,
};
static_assert(4 + std::size(kPersonTexts) * kTextField == kPersonRecordSize);

template<typename Rec, std::size_t N>
void encodeTexts(std::uint8_t* at, const Rec& rec, std::string Rec::*const (&texts)[N], CodePage codePage)
{
    putInt32(at, rec.Number);
    for (std::size_t i = 0; i < N; ++i)
        putShortString(at + 4 + i * kTextField, kText, rec.*texts[i], codePage);
}

template<typename Rec, std::size_t N>
Rec decodeTexts(const std::uint8_t* at, std::string Rec::*const (&texts)[N], CodePage codePage)
{
    Rec rec;
    rec.Number = getInt32(at);
    for (std::size_t i = 0; i < N; ++i)
        rec.*texts[i] = getShortString(at + 4 + i * kTextField, kText, codePage);
    return rec;
}

/// What a text reads back as once stored: cut to 100 characters and passed through the code page
/// (characters it cannot hold become '?'). Records built this way find themselves again.
std::string storedText(const std::string& text, CodePage codePage)
{
    return toUtf8(fromUtf8(cutToCharacters(text, kText), codePage), codePage);
}

/// Description of one of the two record files.
template<typename Rec>
struct RecordFile
{
    std::filesystem::path path;
    std::size_t size;
    void (*encode)(std::uint8_t*, const Rec&, CodePage);
    Rec (*decode)(const std::uint8_t*, CodePage);
};

RecordFile<TCustomerRec> customerFile(const ProgramFolder& folder)
{
    return {customersFile(folder), kCustomerRecordSize, encodeCustomer, decodeCustomer};
}

RecordFile<TPersonRec> personFile(const ProgramFolder& folder)
{
    return {personsFile(folder), kPersonRecordSize, encodePerson, decodePerson};
}

template<typename Rec>
std::vector<Rec> readAll(const RecordFile<Rec>& file, CodePage codePage)
{
    return readRecords<Rec>(file.path, file.size,
                            [&](const std::uint8_t* at) { return file.decode(at, codePage); });
}

/// The first record that `matches`, or an empty record (Number 0).
template<typename Rec, typename Match>
Rec findFirst(const RecordFile<Rec>& file, CodePage codePage, Match matches)
{
    for (Rec& rec : readAll(file, codePage))
        if (matches(rec))
            return std::move(rec);
    return Rec{};
}

/// Stores `rec`. overwrite: over the first record for which `matches`(record bytes) holds,
/// keeping that record's Number; nullopt when none matches (nothing written). Append: behind the
/// last whole record with Number = whole records + 1. A missing file is created with `rec` as
/// number 1 whatever the flag. The file is replaced atomically.
template<typename Rec, typename Match>
Result<std::optional<std::int32_t>> storeRecord(const RecordFile<Rec>& file, Rec rec, bool overwrite,
                                                CodePage codePage, Match matches)
{
    std::error_code ec;
    std::filesystem::create_directories(file.path.parent_path(), ec);
    if (ec)
        return Error{"cannot create the folder " + file.path.parent_path().string() + ": " + ec.message()};

    Bytes data;
    if (std::filesystem::exists(file.path, ec)) {
        auto existing = readWholeFile(file.path);
        if (!existing)
            return Error{"cannot read " + file.path.string()};
        data = std::move(*existing);
    } else {
        overwrite = false; // a new file starts with this record as number 1
    }
    const std::size_t count = recordCount(data, file.size);

    std::size_t position = 0;
    if (overwrite) {
        std::size_t i = 0;
        while (i < count && !matches(data.data() + i * file.size))
            ++i;
        if (i == count)
            return std::optional<std::int32_t>{};
        position = i * file.size;
        rec.Number = getInt32(data.data() + position); // a record keeps its number for ever
    } else {
        // Append behind the last whole record: bytes of a torn earlier write are overwritten
        // instead of shifting this and every later record off the record grid.
        rec.Number = static_cast<std::int32_t>(count + 1);
        position = count * file.size;
        data.resize(position + file.size);
    }
    file.encode(data.data() + position, rec, codePage);
    if (Status s = replaceFile(file.path, data); !s)
        return s.error();
    return std::optional<std::int32_t>{rec.Number};
}

/// WriteCustomer / WritePerson: overwrite finds the record by its Number.
template<typename Rec>
Result<std::int32_t> writeByNumber(const RecordFile<Rec>& file, const Rec& rec, bool overwrite,
                                   CodePage codePage)
{
    auto written = storeRecord(file, rec, overwrite, codePage,
                               [&](const std::uint8_t* at) { return getInt32(at) == rec.Number; });
    if (!written)
        return written.error();
    return written->value_or(0);
}

/// RecordCustomer / RecordPerson: the record found by its key (`sameKey` on the decoded record) is
/// overwritten where it lies, otherwise the record is appended. Locating it by position rather than
/// by its Number means a file with repeated Numbers cannot make one record overwrite another.
template<typename Rec, typename SameKey>
Result<std::int32_t> recordByKey(const RecordFile<Rec>& file, const Rec& rec, CodePage codePage,
                                 SameKey sameKey)
{
    auto written = storeRecord(file, rec, true, codePage,
                               [&](const std::uint8_t* at) { return sameKey(file.decode(at, codePage)); });
    if (!written)
        return written.error();
    if (*written)
        return **written;
    written = storeRecord(file, rec, false, codePage, [](const std::uint8_t*) { return false; });
    if (!written)
        return written.error();
    return written->value_or(0);
}

} // namespace

void encodeCustomer(std::uint8_t* at, const TCustomerRec& rec, CodePage codePage)
{
    encodeTexts(at, rec, kCustomerTexts, codePage);
}

TCustomerRec decodeCustomer(const std::uint8_t* at, CodePage codePage)
{
    return decodeTexts<TCustomerRec>(at, kCustomerTexts, codePage);
}

void encodePerson(std::uint8_t* at, const TPersonRec& rec, CodePage codePage)
{
    encodeTexts(at, rec, kPersonTexts, codePage);
}

TPersonRec decodePerson(const std::uint8_t* at, CodePage codePage)
{
    return decodeTexts<TPersonRec>(at, kPersonTexts, codePage);
}

std::filesystem::path customersFile(const ProgramFolder& folder)
{
    return folder.projects() / "Customers.dat";
}
std::filesystem::path personsFile(const ProgramFolder& folder)
{
    return folder.projects() / "Persons.dat";
}

TTableC ListCustomers(const ProgramFolder& folder, CodePage codePage)
{
    TTableC names;
    for (const TCustomerRec& rec : readAll(customerFile(folder), codePage))
        names.push_back(rec.CustomerName);
    return names;
}

TCustomerRec ReadCustomer(const ProgramFolder& folder, const std::string& name, CodePage codePage)
{
    return findFirst(customerFile(folder), codePage,
                     [&](const TCustomerRec& rec) { return rec.CustomerName == name; });
}

std::int32_t FindCustomer(const ProgramFolder& folder, const TCustomerRec& rec, CodePage codePage)
{
    return ReadCustomer(folder, rec.CustomerName, codePage).Number;
}

Result<std::int32_t> WriteCustomer(const ProgramFolder& folder, const TCustomerRec& rec, bool overwrite,
                                   CodePage codePage)
{
    return writeByNumber(customerFile(folder), rec, overwrite, codePage);
}

Result<std::int32_t> RecordCustomer(const ProgramFolder& folder, const TCustomerRec& rec, CodePage codePage)
{
    TCustomerRec stored;
    for (auto member : kCustomerTexts)
        stored.*member = storedText(rec.*member, codePage);
    if (stored.CustomerName.empty())
        return std::int32_t{0};
    return recordByKey(customerFile(folder), stored, codePage,
                       [&](const TCustomerRec& r) { return r.CustomerName == stored.CustomerName; });
}

TTableS ListPersons(const ProgramFolder& folder, CodePage codePage)
{
    TTableS names;
    for (const TPersonRec& rec : readAll(personFile(folder), codePage))
        names.push_back(DisplayName(rec));
    return names;
}

TPersonRec ReadPerson(const ProgramFolder& folder, const std::string& firstName, const std::string& lastName,
                      CodePage codePage)
{
    return findFirst(personFile(folder), codePage, [&](const TPersonRec& rec) {
        return rec.LastName == lastName && rec.FirstName == firstName;
    });
}

std::int32_t FindPerson(const ProgramFolder& folder, const TPersonRec& rec, CodePage codePage)
{
    return ReadPerson(folder, rec.FirstName, rec.LastName, codePage).Number;
}

Result<std::int32_t> WritePerson(const ProgramFolder& folder, const TPersonRec& rec, bool overwrite,
                                 CodePage codePage)
{
    return writeByNumber(personFile(folder), rec, overwrite, codePage);
}

Result<std::int32_t> RecordPerson(const ProgramFolder& folder, const TPersonRec& rec, CodePage codePage)
{
    if (rec.FirstName.empty() || rec.LastName.empty())
        return std::int32_t{0};
    TPersonRec stored;
    for (auto member : kPersonTexts)
        stored.*member = storedText(rec.*member, codePage);
    return recordByKey(personFile(folder), stored, codePage, [&](const TPersonRec& r) {
        return r.FirstName == stored.FirstName && r.LastName == stored.LastName;
    });
}

std::string DisplayName(const TPersonRec& rec)
{
    return rec.FirstName + " " + rec.LastName;
}

std::pair<std::string, std::string> SplitDisplayName(const std::string& displayName)
{
    const auto blank = displayName.find(' ');
    if (blank == std::string::npos)
        return {std::string(), displayName};
    return {displayName.substr(0, blank), displayName.substr(blank + 1)};
}

std::string cutToCharacters(const std::string& text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t chars = 0; end < text.size() && chars < count; ++chars) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return text.substr(0, end);
}

} // namespace velor
