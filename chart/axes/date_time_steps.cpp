#include "chart/axes/date_time_steps.h"

#include "chart/axes/date_time_format.h"

#include <cmath>

namespace {

// 1 January 1900 as a day count.
constexpr double kFirstJanuary1900 = 2;

QDate MonthsBack(const QDate& date, int months)
{
    int year = date.year();
    int month = date.month();
    if (months < month) {
        month -= months;
    } else {
        year -= 1;
        month += 12 - months;
    }
    return QDate(year, month, 1);
}

int MonthsOfStep(TDateTimeStep step)
{
    switch (step) {
    case dtOneMonth: return 1;
    case dtTwoMonths: return 2;
    case dtThreeMonths: return 3;
    case dtFourMonths: return 4;
    case dtSixMonths: return 6;
    default: return 0;
    }
}

} // namespace

double NextDateTimeStep(double days)
{
    for (int i = dtNone - 1; i >= 0; --i)
        if (kDateTimeStepDays[i] <= days)
            return kDateTimeStepDays[std::min(i + 1, int(dtOneYear))];
    return kDateTimeStepDays[0];
}

TDateTimeStep FindDateTimeStep(double increment)
{
    for (int i = dtNone - 1; i >= 0; --i)
        if (std::fabs(kDateTimeStepDays[i] - increment) < kOneSecond)
            return TDateTimeStep(i);
    return dtNone;
}

TDateTimeStep ExactDateTimeStep(double desiredIncrement, double computedIncrement)
{
    int step = FindDateTimeStep(desiredIncrement);
    if (step == dtNone)
        return dtNone;
    while (computedIncrement > kDateTimeStepDays[step] && step < dtOneYear)
        ++step;
    return TDateTimeStep(step);
}

double RoundDateTime(double value, TDateTimeStep step)
{
    if (value <= kFirstJanuary1900 || step < dtOneDay || step >= dtNone)
        return value;
    if (step <= dtOneWeek)
        return std::trunc(value);
    const QDate date = DateOfDays(value);
    if (step == dtHalfMonth)
        return DaysOfDate(QDate(date.year(), date.month(), date.day() < 15 ? 1 : 15));
    if (step == dtOneYear)
        return DaysOfDate(QDate(date.year(), 1, 1));
    return DaysOfDate(QDate(date.year(), date.month(), 1));
}

double CalendarStepBack(double value, TDateTimeStep step)
{
    const QDate date = DateOfDays(value);
    if (step == dtHalfMonth) {
        if (date.day() >= 16)
            return DaysOfDate(QDate(date.year(), date.month(), 15));
        if (date.day() >= 2)
            return DaysOfDate(QDate(date.year(), date.month(), 1));
        const QDate previous = MonthsBack(date, 1);
        return DaysOfDate(QDate(previous.year(), previous.month(), 15));
    }
    if (step == dtOneYear) {
        const QDate lastYear(date.year() - 1, date.month(), 1);
        return DaysOfDate(lastYear.addDays(std::min(date.day(), lastYear.daysInMonth()) - 1));
    }
    return DaysOfDate(MonthsBack(date, MonthsOfStep(step)));
}
