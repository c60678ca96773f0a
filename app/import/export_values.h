#pragma once

#include <optional>
#include <string_view>

// Reading the cells of workout exports: numbers in either decimal
// convention, durations and dates in the forms the services write.
namespace ExportValues {

struct TDateTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Which character a cell shows to be its decimal separator: ',' or '.' when
// it tells (as in "3,40" or "1,234.5"), 0 when it does not ("1,214" may be
// either, "255" has none).
char DecimalEvidence(std::string_view cell);

// A number with the given decimal separator; the other of ',' and '.' and
// blanks are thousands separators. Empty cells and "--" are absent, and so is
// anything that is not a finite number.
std::optional<double> Number(std::string_view cell, char decimal);

// Seconds of a duration: "h:mm:ss" or "m:ss" (fractional seconds allowed),
// or a plain number of units of secondsPerUnit seconds. Negative or
// malformed durations are absent.
std::optional<double> DurationSeconds(std::string_view cell, char decimal, double secondsPerUnit);

// Date and optional time: ISO "yyyy-MM-dd[ T]HH:mm[:ss]", "dd.MM.yyyy
// [HH:mm[:ss]]", "MM/dd/yyyy [h:mm[:ss] [AM|PM]]" and the English
// "Jul 14, 2020, 10:36:55 PM". Years 1 to 9999 only.
std::optional<TDateTime> DateTime(std::string_view cell);

// The local time of the machine (the TZ rule of the C library) at a UTC time.
std::optional<TDateTime> UtcToLocal(const TDateTime& utc);

// Cuts blanks, tabs, carriage returns and non-breaking spaces at both ends.
std::string_view Trim(std::string_view cell);

} // namespace ExportValues
