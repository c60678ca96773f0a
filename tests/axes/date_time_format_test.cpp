#include "chart/axes/date_time_format.h"

#include <gtest/gtest.h>

namespace {

double Day(int y, int m, int d) { return DaysOfDate(QDate(y, m, d)); }

TEST(DateTimeFormat, DayCountsStartOnThe30thOfDecember1899)
{
    EXPECT_EQ(Day(1899, 12, 30), 0);
    EXPECT_EQ(Day(1900, 1, 1), 2);
    EXPECT_EQ(DateOfDays(2.75), QDate(1900, 1, 1));
    EXPECT_EQ(DateOfDays(-0.5), QDate(1899, 12, 29));
}

TEST(DateTimeFormat, Formats)
{
    const double noon = Day(2011, 12, 31) + 0.5;
    const double evening = Day(2011, 3, 4) + (18 * 60 + 5) / 1440.0;
    struct Case
    {
        const char* format;
        double value;
        const char* text;
    } cases[] = {
        {"dd.MM.yyyy", noon, "31.12.2011"},
        {"d.m.yy", Day(2011, 3, 4), "4.3.11"},
        {"hh:mm", evening, "18:05"},
        {"hh:nn:ss", evening, "18:05:00"},
        {"dd.MM.yyyy hh:nn", evening, "04.03.2011 18:05"},
        {"mmmm", noon, "Dezember"},
        {"ddd, d. mmm", noon, "Sa, 31. Dez"},
        {"dddd", Day(2011, 3, 4), "Freitag"},
        {"h:nn am/pm", evening, "6:05 pm"},
        {"dd/mm/yyyy", noon, "31.12.2011"},
        {"'Tag' d", noon, "Tag 31"},
        {"ddddd", noon, "31.12.2011"},
        {"t", evening, "18:05"},
        {"", Day(2011, 3, 4), "04.03.2011"},
        {"", evening, "04.03.2011 18:05:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.format), c.value), QString::fromUtf8(c.text)) << c.format;
}

TEST(DateTimeFormat, TimeRoundingCarriesIntoTheNextDay)
{
    const double almostMidnight = Day(2011, 12, 31) + 0.9999999999;
    EXPECT_EQ(FormatDateTime(QStringLiteral("dd.MM.yyyy hh:nn"), almostMidnight), QStringLiteral("01.01.2012 00:00"));
}

TEST(DateTimeFormat, ValuesBeyondTheCalendarGiveNoText)
{
    EXPECT_EQ(FormatDateTime(QStringLiteral("yyyy"), 1e12), QString());
}

} // namespace
