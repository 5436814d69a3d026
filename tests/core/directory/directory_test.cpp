// Customer and person files: byte fixtures, lookups, append numbering, in-place updates.
#include "base/recordfile.h"
#include "directory/directory.h"

#include <gtest/gtest.h>

namespace velor {
namespace {

constexpr CodePage kCp = CodePage::Windows1252;

void putText(Bytes& b, std::size_t at, const std::string& latin1)
{
    b[at] = static_cast<std::uint8_t>(latin1.size());
    for (std::size_t i = 0; i < latin1.size(); ++i)
        b[at + 1 + i] = static_cast<std::uint8_t>(latin1[i]);
}

void putNumber(Bytes& b, std::size_t at, std::int32_t n)
{
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(n) >> (8 * i));
}

/// A customer record laid out by hand: every text field is its name + `tag`.
Bytes customerBytes(std::int32_t number, const std::string& name, const std::string& tag)
{
    Bytes b(1115, 0);
    putNumber(b, 0, number);
    putText(b, 4, name);
    const std::size_t offsets[] = {105, 206, 307, 408, 509, 610, 711, 812, 913, 1014};
    const char* fields[] = {"desc",    "street", "zip", "city", "state",
                            "country", "phone",  "fax", "mail", "home"};
    for (std::size_t i = 0; i < 10; ++i)
        putText(b, offsets[i], fields[i] + tag);
    return b;
}

Bytes personBytes(std::int32_t number, const std::string& first, const std::string& last,
                  const std::string& initial)
{
    Bytes b(610, 0);
    putNumber(b, 0, number);
    putText(b, 4, last);
    putText(b, 105, first);
    putText(b, 206, initial);
    putText(b, 307, "ph" + initial);
    putText(b, 408, "mob" + initial);
    putText(b, 509, "mail" + initial);
    return b;
}

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

TCustomerRec customer(const std::string& name, std::int32_t number)
{
    TCustomerRec rec;
    rec.Number = number;
    rec.CustomerName = name;
    return rec;
}

TPersonRec person(const std::string& last, const std::string& first, const std::string& initial,
                  std::int32_t number)
{
    TPersonRec rec;
    rec.Number = number;
    rec.LastName = last;
    rec.FirstName = first;
    rec.Initial = initial;
    return rec;
}

class DirectoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = std::filesystem::temp_directory_path() /
               ("velor-directory-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        folder = ProgramFolder(root);
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    void writeCustomers(const Bytes& data)
    {
        std::filesystem::create_directories(folder.projects());
        ASSERT_TRUE(replaceFile(customersFile(folder), data));
    }
    void writePersons(const Bytes& data)
    {
        std::filesystem::create_directories(folder.projects());
        ASSERT_TRUE(replaceFile(personsFile(folder), data));
    }
    Bytes customerFileBytes() const { return readWholeFile(customersFile(folder)).value_or(Bytes{}); }

    std::filesystem::path root;
    ProgramFolder folder;
};

TEST_F(DirectoryTest, CustomersDecodeFromHandBuiltRecords)
{
    Bytes data =
        concat({customerBytes(1, "Acme", "1"), customerBytes(2, "ACME", "2"), customerBytes(3, "Acme", "3")});
    data.resize(data.size() + 500, 0xEE); // a torn last record is ignored
    writeCustomers(data);

    EXPECT_EQ(ListCustomers(folder, kCp), (TTableC{"Acme", "ACME", "Acme"}));
    const TCustomerRec acme = ReadCustomer(folder, "Acme", kCp);
    const TCustomerRec expected{1,        "Acme",     "desc1",  "street1", "zip1",  "city1",
                                "state1", "country1", "phone1", "fax1",    "mail1", "home1"};
    EXPECT_EQ(acme, expected);
    // Exact, case-sensitive names; the first of two equal names wins.
    EXPECT_EQ(ReadCustomer(folder, "ACME", kCp).Number, 2);
    EXPECT_EQ(ReadCustomer(folder, "acme", kCp), TCustomerRec{});
    EXPECT_EQ(FindCustomer(folder, customer("ACME", 0), kCp), 2);
    EXPECT_EQ(FindCustomer(folder, customer("Acme ", 0), kCp), 0);

    // Encoding the decoded record gives the same bytes back.
    Bytes again(kCustomerRecordSize);
    encodeCustomer(again.data(), acme, kCp);
    EXPECT_EQ(again, customerBytes(1, "Acme", "1"));
}

TEST_F(DirectoryTest, MissingFilesReadAsEmpty)
{
    EXPECT_TRUE(ListCustomers(folder, kCp).empty());
    EXPECT_EQ(ReadCustomer(folder, "Acme", kCp), TCustomerRec{});
    EXPECT_EQ(FindCustomer(folder, customer("Acme", 0), kCp), 0);
    EXPECT_TRUE(ListPersons(folder, kCp).empty());
    EXPECT_EQ(ReadPerson(folder, "Anna", "Nowak", kCp), TPersonRec{});
}

TEST_F(DirectoryTest, AppendNumbersAndOverwriteInPlace)
{
    writeCustomers(
        concat({customerBytes(1, "A", "1"), customerBytes(2, "B", "2"), customerBytes(3, "C", "3")}));

    TCustomerRec d = customer("D", 99);
    d.City = "Brno";
    auto n = WriteCustomer(folder, d, false, kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 4);
    Bytes data = customerFileBytes();
    ASSERT_EQ(data.size(), 4 * kCustomerRecordSize);
    EXPECT_EQ(decodeCustomer(data.data() + 3 * kCustomerRecordSize, kCp).Number, 4);

    // Overwrite replaces the record with that Number and leaves the others byte for byte.
    TCustomerRec b2 = customer("B", 2);
    b2.City = "Praha";
    n = WriteCustomer(folder, b2, true, kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 2);
    const Bytes after = customerFileBytes();
    ASSERT_EQ(after.size(), data.size());
    EXPECT_EQ(ReadCustomer(folder, "B", kCp), b2);
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + kCustomerRecordSize, data.begin()));
    EXPECT_TRUE(std::equal(after.begin() + 2 * kCustomerRecordSize, after.end(),
                           data.begin() + 2 * kCustomerRecordSize));

    // Overwriting a Number that is not in the file writes nothing.
    n = WriteCustomer(folder, customer("X", 7), true, kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 0);
    EXPECT_EQ(customerFileBytes(), after);
}

TEST_F(DirectoryTest, AppendAfterATornRecordStaysOnTheRecordGrid)
{
    Bytes data = concat({customerBytes(1, "A", "1"), customerBytes(2, "B", "2")});
    data.resize(data.size() + 40, 0xEE);
    writeCustomers(data);
    const auto n = WriteCustomer(folder, customer("C", 0), false, kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 3);
    EXPECT_EQ(customerFileBytes().size(), 3 * kCustomerRecordSize);
    EXPECT_EQ(ListCustomers(folder, kCp), (TTableC{"A", "B", "C"}));
    EXPECT_EQ(ReadCustomer(folder, "C", kCp).Number, 3);
}

TEST_F(DirectoryTest, FirstWriteCreatesFolderAndFileWhateverTheFlag)
{
    ASSERT_FALSE(std::filesystem::exists(folder.projects()));
    const auto n = WriteCustomer(folder, customer("First", 5), true, kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 1);
    EXPECT_EQ(ReadCustomer(folder, "First", kCp).Number, 1);
    const auto p = WritePerson(folder, person("Nowak", "Anna", "", 5), true, kCp);
    ASSERT_TRUE(p);
    EXPECT_EQ(*p, 1);
}

TEST_F(DirectoryTest, RecordCustomerUpdatesTheFirstOfEqualNamesAndCutsTexts)
{
    writeCustomers(concat({customerBytes(1, "Acme", "1"), customerBytes(2, "Acme", "2")}));
    TCustomerRec fields = customer("Acme", 0);
    fields.Street = "New street";
    auto n = RecordCustomer(folder, fields, kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 1);
    EXPECT_EQ(ReadCustomer(folder, "Acme", kCp).Street, "New street");
    EXPECT_EQ(ListCustomers(folder, kCp).size(), 2u);

    // A long name is stored cut to 100 characters, and recording it again finds it.
    const std::string longName = std::string(99, 'L') + "ÄÖÜ";
    TCustomerRec longOne = customer(longName, 0);
    longOne.Description = "line 1\r\nline 2";
    n = RecordCustomer(folder, longOne, kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 3);
    const std::string cut = std::string(99, 'L') + "Ä";
    EXPECT_EQ(ListCustomers(folder, kCp).back(), cut);
    EXPECT_EQ(ReadCustomer(folder, cut, kCp).Description, "line 1\r\nline 2");
    n = RecordCustomer(folder, longOne, kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 3);

    // A name the code page cannot hold is stored with '?' and still found again next time.
    n = RecordCustomer(folder, customer("Zakład", 0), kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 4);
    n = RecordCustomer(folder, customer("Zakład", 0), kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 4);
    EXPECT_EQ(ListCustomers(folder, kCp).size(), 4u);

    // No name, no record.
    n = RecordCustomer(folder, customer("", 0), kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 0);
    EXPECT_EQ(ListCustomers(folder, kCp).size(), 4u);
}

TEST_F(DirectoryTest, RecordingFindsTheCustomerByPositionNotByARepeatedNumber)
{
    // A damaged file in which the second record carries the first one's Number.
    writeCustomers(concat({customerBytes(1, "A", "1"), customerBytes(1, "B", "2")}));
    TCustomerRec b = customer("B", 0);
    b.City = "Praha";
    const auto n = RecordCustomer(folder, b, kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 1); // B keeps the Number it has
    EXPECT_EQ(ReadCustomer(folder, "A", kCp).City, "city1");
    EXPECT_EQ(ListCustomers(folder, kCp), (TTableC{"A", "B"}));
    const Bytes data = customerFileBytes();
    EXPECT_EQ(decodeCustomer(data.data() + kCustomerRecordSize, kCp).City, "Praha");
}

TEST_F(DirectoryTest, WriteFailureIsReported)
{
    // A file where the Projects folder should be.
    std::filesystem::create_directories(root);
    ASSERT_TRUE(replaceFile(folder.projects(), Bytes{1}));
    EXPECT_FALSE(WriteCustomer(folder, customer("A", 0), false, kCp));
    EXPECT_FALSE(RecordPerson(folder, person("Nowak", "Anna", "", 0), kCp));
}

TEST_F(DirectoryTest, PersonsDecodeLookUpAndRecord)
{
    writePersons(concat({personBytes(1, "Anna", "Nowak", "AN"), personBytes(2, "Jan", "van Dijk", "JvD"),
                         personBytes(3, "anna", "Nowak", "an")}));
    EXPECT_EQ(ListPersons(folder, kCp), (TTableS{"Anna Nowak", "Jan van Dijk", "anna Nowak"}));
    const TPersonRec anna{1, "Nowak", "Anna", "AN", "phAN", "mobAN", "mailAN"};
    EXPECT_EQ(ReadPerson(folder, "Anna", "Nowak", kCp), anna);
    EXPECT_EQ(ReadPerson(folder, "anna", "Nowak", kCp).Initial, "an");
    // A three-word entry: first word is the first name, the rest the last name.
    const auto [first, last] = SplitDisplayName("Jan van Dijk");
    EXPECT_EQ(ReadPerson(folder, first, last, kCp).Initial, "JvD");
    EXPECT_EQ(FindPerson(folder, person("Nowak", "Jan", "", 0), kCp), 0);

    Bytes again(kPersonRecordSize);
    encodePerson(again.data(), anna, kCp);
    EXPECT_EQ(again, personBytes(1, "Anna", "Nowak", "AN"));

    // Saving a person: an existing pair is updated in place, a new one appended, an empty name ignored.
    auto n = RecordPerson(folder, person("Nowak", "Anna", "A.N.", 0), kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 1);
    EXPECT_EQ(ReadPerson(folder, "Anna", "Nowak", kCp).Initial, "A.N.");
    n = RecordPerson(folder, person("Kowal", "Ewa", "EK", 0), kCp);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, 4);
    for (const TPersonRec& incomplete : {person("", "Ewa", "", 0), person("Kowal", "", "", 0)}) {
        n = RecordPerson(folder, incomplete, kCp);
        ASSERT_TRUE(n);
        EXPECT_EQ(*n, 0);
    }
    EXPECT_EQ(ListPersons(folder, kCp).size(), 4u);
}

TEST(DirectoryNames, SplitAndCut)
{
    struct Case
    {
        const char* display;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {"Anna Nowak", "Anna", "Nowak"}, {"Jan van Dijk", "Jan", "van Dijk"},
        {"Nowak", "", "Nowak"},          {"", "", ""},
        {" Nowak", "", "Nowak"},
    };
    for (const Case& c : cases) {
        const auto [first, last] = SplitDisplayName(c.display);
        EXPECT_EQ(first, c.first) << c.display;
        EXPECT_EQ(last, c.last) << c.display;
    }
    EXPECT_EQ(DisplayName(person("Nowak", "Anna", "", 0)), "Anna Nowak");
    EXPECT_EQ(cutToCharacters("abc", 2), "ab");
    EXPECT_EQ(cutToCharacters("żółw", 3), "żół");
    EXPECT_EQ(cutToCharacters("ab", 100), "ab");
}

} // namespace
} // namespace velor
