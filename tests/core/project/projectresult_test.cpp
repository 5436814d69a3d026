// The saved result and the customer of a project record.
#include "app/projectresult.h"

#include <gtest/gtest.h>

namespace velor {
namespace {

TEST(ProjectResult, SavedResultComesBackAsTheResultRecord)
{
    TResultTypeB result;
    result.SizeName = "M 10.1500-2";
    result.TypeFile = "M.dat";
    long double v = 1.25L;
    for (const ResultRealField& f : kResultRealFields) {
        result.*f.member = v;
        v *= -3.0L; // a distinct value per field catches a crossed pair
    }
    result.Tubular = 0;
    result.TechDataName = "ignored";

    TProjectFileRec rec;
    storeResult(rec, result);
    rec.TechDataName = "M10-01";
    // Through the file as well, so the values survive the 10-byte reals.
    const auto back = decodeProjectRecord(encodeProjectRecord(rec, CodePage::Windows1252),
                                          ProjectLayout::Current, CodePage::Windows1252);
    ASSERT_TRUE(back);
    const TResultTypeB restored = restoredResult(*back);

    TResultTypeB expected = result;
    expected.VapVelConHS = 0; // not kept by the file
    expected.TechDataName = "M10-01";
    for (const ResultRealField& f : kResultRealFields)
        EXPECT_EQ(restored.*f.member, expected.*f.member) << f.name;
    EXPECT_EQ(restored.SizeName, expected.SizeName);
    EXPECT_EQ(restored.TypeFile, expected.TypeFile);
    EXPECT_EQ(restored.TechDataName, expected.TechDataName);
    EXPECT_EQ(restored.Tubular, 0);
}

TEST(ProjectResult, CustomerTextsOfTheProject)
{
    TProjectFileRec rec;
    rec.CustomerName = "Acme";
    rec.Description = "d";
    rec.Street = "s";
    rec.Zip = "z";
    rec.City = "c";
    rec.State = "st";
    rec.Country = "co";
    rec.Phone = "p";
    rec.Fax = "f";
    rec.Email = "e";
    rec.HomePage = "h";
    rec.ContactPhone = "not a customer field";
    const TCustomerRec expected{0, "Acme", "d", "s", "z", "c", "st", "co", "p", "f", "e", "h"};
    EXPECT_EQ(customerOf(rec), expected);
}

} // namespace
} // namespace velor
