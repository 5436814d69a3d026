// The project date as an OLE Automation date: days since 30 December 1899 as a double, the
// fraction being the time of day.
#pragma once

#include <optional>
#include <string>

namespace velor {

/// A calendar date and time of day (proleptic Gregorian calendar).
struct CivilDateTime
{
    int year = 1899;
    int month = 12; // 1..12
    int day = 30;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    bool operator==(const CivilDateTime&) const = default;
};

/// The OLE Automation date of `t`. Before 30 Dec 1899 the whole part counts days backwards and
/// the fraction still adds the time of day ("-1.25" is 29 Dec 1899, 06:00).
double oleDateFromCivil(const CivilDateTime& t);

/// The calendar date and time of an OLE Automation date, rounded to the millisecond. nullopt for
/// values that are not finite or lie outside years 100..9999.
std::optional<CivilDateTime> civilFromOleDate(double oleDate);

/// "YYYY-MM-DD hh:mm:ss" (milliseconds left out).
std::string formatCivil(const CivilDateTime& t);

} // namespace velor
