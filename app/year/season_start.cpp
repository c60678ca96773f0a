#include "app/year/season_start.h"

#include "app/year/year_evaluation.h"
#include "app/year/year_store.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {

// Days before each month of a common year; a leap year adds one from March on.
constexpr std::array<int, 13> DaysBeforeMonth = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr std::array<int, 13> DaysInMonth = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

int DayOfYear(int year, int month, int day)
{
    const bool leapDayBefore = month > 2 && TYearStore::DaysOfYear(year) == 366;
    return DaysBeforeMonth[std::size_t(month)] + day + (leapDayBefore ? 1 : 0);
}

bool TSeasonStart::IsValid(int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth[std::size_t(month)];
}

std::optional<TSeasonStart> TSeasonStart::Parse(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int month = match.captured(1).toInt();
    const int day = match.captured(2).toInt();
    if (!IsValid(month, day))
        return std::nullopt;
    return TSeasonStart{month, day};
}

QString TSeasonStart::Text() const
{
    return QString::asprintf("%02d-%02d", Month, Day);
}

int TSeasonStart::StartDayIn(int year) const
{
    return DayOfYear(year, Month, Day);
}

QString TSeasonStart::Title(int firstYear) const
{
    if (IsNewYear())
        return QString::number(firstYear);
    return QStringLiteral("%1/%2").arg(firstYear).arg((firstYear + 1) % 100, 2, 10, QLatin1Char('0'));
}

TSeasonCalendar TSeasonCalendar::Of(const TSeasonStart& start, int firstYear)
{
    TSeasonCalendar calendar;
    calendar.FirstYear = firstYear;
    calendar.StartDay = start.StartDayIn(firstYear);
    calendar.FirstPartDays = TYearStore::DaysOfYear(firstYear) - calendar.StartDay + 1;
    if (start.IsNewYear()) {
        // Calendar years keep the month buckets the monthly modes always had.
        calendar.Days = calendar.FirstPartDays;
        calendar.MonthStarts.assign(MonthBucketStart.begin(), MonthBucketStart.end());
        return calendar;
    }
    calendar.Days = calendar.FirstPartDays + start.StartDayIn(firstYear + 1) - 1;
    // The start month (from the start day), the eleven after it, and the
    // start month's days before the start day when it does not begin on the 1st.
    calendar.MonthStarts.push_back(1);
    for (int k = 1; k <= 12; ++k) {
        const int monthIndex = start.Month - 1 + k; // from January of the first year, 0-based
        const int month = monthIndex % 12 + 1;
        const int offset = monthIndex / 12;
        const int day = calendar.SeasonDayOf(offset, DayOfYear(firstYear + offset, month, 1));
        if (day > 1)
            calendar.MonthStarts.push_back(day);
    }
    calendar.MonthStarts.push_back(calendar.Days + 1);
    return calendar;
}

TSeasonCalendar::TSource TSeasonCalendar::SourceOf(int day) const
{
    // A calendar year has all its days, and the store's day 366, in one year.
    if (day <= FirstPartDays || FirstPartDays == Days)
        return {0, StartDay + day - 1};
    return {1, day - FirstPartDays};
}

int TSeasonCalendar::SeasonDayOf(int yearOffset, int dayOfYear) const
{
    const int day = yearOffset == 0 ? dayOfYear - StartDay + 1 : FirstPartDays + dayOfYear;
    return day >= 1 && day <= Days ? day : 0;
}

int TSeasonCalendar::MonthOf(int day) const
{
    const auto next = std::upper_bound(MonthStarts.begin(), MonthStarts.end(), day);
    return int(std::max<std::ptrdiff_t>(0, next - MonthStarts.begin() - 1));
}
