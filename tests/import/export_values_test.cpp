// Numbers, durations and dates as the services write them.
#include "app/import/export_values.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

using namespace ExportValues;

TEST(ExportValues, ReadsNumbersInEitherDecimalConvention)
{
    const struct
    {
        const char* cell;
        char decimal;
        std::optional<double> value;
    } cases[] = {
        {"3,40", ',', 3.4},     {"1.963", ',', 1963.0}, {"1,214", '.', 1214.0}, {" 9.62 ", '.', 9.62},
        {"1.234,5", ',', 1234.5}, {"-4", '.', -4.0},    {"--", '.', std::nullopt}, {"", ',', std::nullopt},
        {"abc", '.', std::nullopt}, {"1e999", '.', std::nullopt}, {"12 km", '.', std::nullopt},
        // A separator that groups no thousands is no number rather than another one.
        {"3,5", '.', std::nullopt}, {"9.62", ',', std::nullopt}, {"1,2345", '.', std::nullopt},
        {"12 5", '.', std::nullopt}, {"1.234,5", '.', std::nullopt}, {"-1,234.5", '.', -1234.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Number(c.cell, c.decimal), c.value) << c.cell;
}

TEST(ExportValues, TellsTheDecimalSeparatorOnlyWhenTheCellShowsIt)
{
    EXPECT_EQ(DecimalEvidence("3,40"), ',');
    EXPECT_EQ(DecimalEvidence("0.0"), '.');
    EXPECT_EQ(DecimalEvidence("1,234.5"), '.');
    EXPECT_EQ(DecimalEvidence("1.234.567"), ',');
    EXPECT_EQ(DecimalEvidence("1,214"), 0);
    EXPECT_EQ(DecimalEvidence("255"), 0);
    EXPECT_EQ(DecimalEvidence("00:01:39,6"), ',');
}

TEST(ExportValues, ReadsDurations)
{
    const struct
    {
        const char* cell;
        char decimal;
        double unit;
        std::optional<double> seconds;
    } cases[] = {
        {"00:17:01", '.', 1, 1021},  {"5:07", '.', 1, 307},         {"45:07", '.', 1, 2707},
        {"1:02:03.4", '.', 1, 3723.4}, {"00:01:39,6", ',', 1, 99.6}, {"15:45:47", '.', 1, 56747},
        {"1234.5", '.', 1, 1234.5},  {"1.25", '.', 3600, 4500},     {"1:60", '.', 1, std::nullopt},
        {"-1:00:00", '.', 1, std::nullopt}, {"1:2:3:4", '.', 1, std::nullopt}, {"x", '.', 1, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DurationSeconds(c.cell, c.decimal, c.unit), c.seconds) << c.cell;
}

TEST(ExportValues, ReadsDatesOfEveryService)
{
    const struct
    {
        const char* cell;
        int year, month, day, hour, minute;
    } cases[] = {
        {"Jul 14, 2020, 10:36:55 PM", 2020, 7, 14, 22, 36}, {"Jan 1, 2021, 12:05:00 AM", 2021, 1, 1, 0, 5},
        {"2026-01-04 12:38:59", 2026, 1, 4, 12, 38},        {"2019-08-22", 2019, 8, 22, 0, 0},
        {"2019-08-22T07:08:09Z", 2019, 8, 22, 7, 8},         {"27.08.2019 19:00", 2019, 8, 27, 19, 0},
        {"08/27/2019 7:00 PM", 2019, 8, 27, 19, 0},          {"29.02.2016", 2016, 2, 29, 0, 0},
        {"14 lug 2020, 22:36:55", 2020, 7, 14, 22, 36},      {"3. März 2021, 07:00:00", 2021, 3, 3, 7, 0},
        {"14 juil. 2020, 22:36:55", 2020, 7, 14, 22, 36},    {"2 ene. 2020, 10:36:55 p. m.", 2020, 1, 2, 22, 36},
        {"14 de jul. de 2020, 22:36:55", 2020, 7, 14, 22, 36}, {"5 mrt. 2019 08:00:00", 2019, 3, 5, 8, 0},
        {"Dec 31, 2019, 11:59:00 PM", 2019, 12, 31, 23, 59},
    };
    for (const auto& c : cases) {
        const auto t = DateTime(c.cell);
        ASSERT_TRUE(t) << c.cell;
        EXPECT_EQ((std::array<int, 5>{t->year, t->month, t->day, t->hour, t->minute}),
                  (std::array<int, 5>{c.year, c.month, c.day, c.hour, c.minute}))
            << c.cell;
    }
    for (const char* bad : {"", "30.02.2019", "29.02.2019", "0000-01-01", "2019-13-01", "1.2.19", "yesterday",
                            "2019-01-01 25:00", "Foo 1, 2020", "14 jui 2020", "Jul 2020", "Jul lug 14 2020"})
        EXPECT_FALSE(DateTime(bad)) << bad;
}

TEST(ExportValues, ConvertsUtcToTheZoneTzNames)
{
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "America/Sao_Paulo", 1);
    tzset();
    const auto local = UtcToLocal({2021, 1, 1, 1, 30, 0});
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    const auto berlin = UtcToLocal({2020, 12, 31, 23, 30, 0});
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
    ASSERT_TRUE(local && berlin);
    EXPECT_EQ((std::array<int, 4>{local->year, local->month, local->day, local->hour}),
              (std::array<int, 4>{2020, 12, 31, 22}));
    EXPECT_EQ((std::array<int, 4>{berlin->year, berlin->month, berlin->day, berlin->hour}),
              (std::array<int, 4>{2021, 1, 1, 0}));
}

} // namespace
