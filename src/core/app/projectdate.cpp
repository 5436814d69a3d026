// OLE Automation dates of the project file.
#include "app/projectdate.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace velor {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;
// OLE day 0 (30 Dec 1899) counted from 1 Jan 1970.
constexpr std::int64_t kOleEpochFromUnix = -25569;
// 1 Jan 100 and 31 Dec 9999 as OLE days: the range the date type covers.
constexpr double kMinOleDate = -657434.0;
constexpr double kMaxOleDate = 2958465.999999;

// Days since 1 Jan 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

} // namespace

double oleDateFromCivil(const CivilDateTime& t)
{
    const std::int64_t days =
        daysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) -
        kOleEpochFromUnix;
    const std::int64_t ms = ((t.hour * 60LL + t.minute) * 60LL + t.second) * 1000LL + t.millisecond;
    const double fraction = static_cast<double>(ms) / static_cast<double>(kMsPerDay);
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

std::optional<CivilDateTime> civilFromOleDate(double oleDate)
{
    if (!std::isfinite(oleDate) || oleDate < kMinOleDate - 1 || oleDate > kMaxOleDate)
        return std::nullopt;
    double whole = 0;
    const double fraction = std::fabs(std::modf(oleDate, &whole));
    auto days = static_cast<std::int64_t>(whole);
    auto ms = static_cast<std::int64_t>(std::llround(fraction * static_cast<double>(kMsPerDay)));
    if (ms >= kMsPerDay) { // rounding carried the time to the next midnight
        ms -= kMsPerDay;
        days += 1; // the next calendar day, whichever side of day 0 we are on
    }
    CivilDateTime t;
    civilFromDays(days + kOleEpochFromUnix, t.year, t.month, t.day);
    if (t.year < 100 || t.year > 9999)
        return std::nullopt;
    t.millisecond = static_cast<int>(ms % 1000);
    const auto seconds = ms / 1000;
    t.second = static_cast<int>(seconds % 60);
    t.minute = static_cast<int>(seconds / 60 % 60);
    t.hour = static_cast<int>(seconds / 3600);
    return t;
}

std::string formatCivil(const CivilDateTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

} // namespace velor
