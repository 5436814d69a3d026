// The customer and person files ("Customers.dat", "Persons.dat" in the Projects folder): the
// people an offer is made for and by. Records are appended or updated in place, never deleted.
#pragma once

#include "base/binary.h"
#include "base/codepage.h"
#include "base/programfolder.h"
#include "base/result.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace velor {

inline constexpr std::size_t kCustomerRecordSize = 1115;
inline constexpr std::size_t kPersonRecordSize = 610;
/// Capacity of every text field of both records, in characters.
inline constexpr std::size_t kDirectoryTextCapacity = 100;

/// One customer. `Number` is the record's position in the file, counted from 1 (0 = not stored).
struct TCustomerRec
{
    std::int32_t Number = 0;
    std::string CustomerName; // the key of every lookup
    std::string Description;  // may hold line breaks
    std::string Street;
    std::string Zip;
    std::string City;
    std::string State;
    std::string Country;
    std::string Phone;
    std::string Fax;
    std::string Email;
    std::string HomePage;

    bool operator==(const TCustomerRec&) const = default;
};

/// One person who prepares offers, identified by (FirstName, LastName).
struct TPersonRec
{
    std::int32_t Number = 0;
    std::string LastName;
    std::string FirstName;
    std::string Initial; // short text put into the Project Name field
    std::string Phone;
    std::string Mobile;
    std::string Email;

    bool operator==(const TPersonRec&) const = default;
};

/// Lists of names.
using TTableC = std::vector<std::string>;
using TTableS = std::vector<std::string>;

// Record codecs (strings converted to and from `codePage`, cut to 100 characters).
void encodeCustomer(std::uint8_t* at, const TCustomerRec& rec, CodePage codePage);
TCustomerRec decodeCustomer(const std::uint8_t* at, CodePage codePage);
void encodePerson(std::uint8_t* at, const TPersonRec& rec, CodePage codePage);
TPersonRec decodePerson(const std::uint8_t* at, CodePage codePage);

std::filesystem::path customersFile(const ProgramFolder& folder);
std::filesystem::path personsFile(const ProgramFolder& folder);

/// The `CustomerName` of every record, in file order; empty when the file is missing.
TTableC ListCustomers(const ProgramFolder& folder, CodePage codePage = systemCodePage());

/// The first record whose `CustomerName` equals `name` exactly (case-sensitive); a record with
/// `Number` 0 and empty texts when there is none or the file is missing.
TCustomerRec ReadCustomer(const ProgramFolder& folder, const std::string& name,
                          CodePage codePage = systemCodePage());

/// The `Number` of the first record with the same `CustomerName` as `rec`; 0 when none.
std::int32_t FindCustomer(const ProgramFolder& folder, const TCustomerRec& rec,
                          CodePage codePage = systemCodePage());

/// Stores `rec`. With `overwrite`, the first record whose `Number` equals rec.Number is replaced in
/// place (nothing is written when there is none). Otherwise the record is appended with
/// `Number` = number of whole records + 1. A missing file is created with the record as number 1
/// whatever the flag; a missing Projects folder is created. Gives the `Number` written, or 0 when
/// nothing was written. The file is replaced atomically.
Result<std::int32_t> WriteCustomer(const ProgramFolder& folder, const TCustomerRec& rec, bool overwrite,
                                   CodePage codePage = systemCodePage());

/// Records a customer from its texts (rec.Number is ignored): each text is cut to 100 characters;
/// an existing customer of that name (the first, if several) is overwritten where it lies and
/// keeps its Number, otherwise the customer is appended. A customer without a name is not
/// recorded (gives 0).
Result<std::int32_t> RecordCustomer(const ProgramFolder& folder, const TCustomerRec& rec,
                                    CodePage codePage = systemCodePage());

/// The display name ("FirstName LastName") of every person, in file order; empty when the file is
/// missing.
TTableS ListPersons(const ProgramFolder& folder, CodePage codePage = systemCodePage());

/// The first record with exactly these first and last names; `Number` 0 and empty texts if none.
TPersonRec ReadPerson(const ProgramFolder& folder, const std::string& firstName, const std::string& lastName,
                      CodePage codePage = systemCodePage());

/// The `Number` of the first record with the same first and last names as `rec`; 0 when none.
std::int32_t FindPerson(const ProgramFolder& folder, const TPersonRec& rec,
                        CodePage codePage = systemCodePage());

/// As WriteCustomer, for the person file.
Result<std::int32_t> WritePerson(const ProgramFolder& folder, const TPersonRec& rec, bool overwrite,
                                 CodePage codePage = systemCodePage());

/// Stores a person from its texts (rec.Number is ignored) when both names are filled: each text is
/// cut to 100 characters; an existing person with these names is overwritten where it lies,
/// otherwise the person is appended. Gives the `Number` written, 0 when a name is empty (nothing
/// is written).
Result<std::int32_t> RecordPerson(const ProgramFolder& folder, const TPersonRec& rec,
                                  CodePage codePage = systemCodePage());

/// "FirstName LastName".
std::string DisplayName(const TPersonRec& rec);

/// Splits a display name at its first blank into (first name, last name); a text without a blank
/// is all last name.
std::pair<std::string, std::string> SplitDisplayName(const std::string& displayName);

/// Cuts UTF-8 text to at most `count` characters (never inside a character).
std::string cutToCharacters(const std::string& text, std::size_t count);

} // namespace velor
