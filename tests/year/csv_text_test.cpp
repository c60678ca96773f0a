#include "app/year/csv_text.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(CsvText, LeadingIntegerReadsBlanksSignAndDigits)
{
    EXPECT_EQ(CsvText::LeadingInteger("  42;x"), 42);
    EXPECT_EQ(CsvText::LeadingInteger("-7"), -7);
    EXPECT_EQ(CsvText::LeadingInteger("+3a"), 3);
    EXPECT_EQ(CsvText::LeadingInteger("x1"), 0);
    EXPECT_EQ(CsvText::LeadingInteger(""), 0);
    EXPECT_EQ(CsvText::LeadingInteger("99999999999999999999"), INT_MAX);
    EXPECT_EQ(CsvText::LeadingInteger("8\r\n"), 8);
}

TEST(CsvText, LeadingDecimalStopsAtTheFirstForeignCharacter)
{
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"45.5;", 45.5}, {" -1.25e2x", -125.0}, {"+.5", 0.5}, {"7.", 7.0}, {"1e", 1.0},
        {";", 0.0},      {"\r\n", 0.0},          {"inf", 0.0}, {"nan", 0.0}, {"0x10", 0.0},
        {"-", 0.0},      {".", 0.0},             {"1e-400", 0.0},
    };
    for (const Case& c : cases) {
        double value = -1.0;
        EXPECT_TRUE(CsvText::LeadingDecimal(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    double value = 0.0;
    EXPECT_FALSE(CsvText::LeadingDecimal("1e400", value));
}

TEST(CsvText, ShortDecimalsReadLikeTheGeneralConversion)
{
    // The quick path for short decimals must give the correctly rounded double.
    const char* texts[] = {"0.1", "45.5", "123456789012345", "0.000000000000001", "99999.99999", "1.7976931348623",
                           "3.14159265358979", "1234567890123456", "0.30000000000000004"};
    for (const char* text : texts) {
        double quick = 0.0;
        ASSERT_TRUE(CsvText::LeadingDecimal(text, quick));
        EXPECT_EQ(quick, std::strtod(text, nullptr)) << text;
    }
}

TEST(CsvText, DurationsAreHoursMinutesSeconds)
{
    struct Case { const char* text; double seconds; };
    const Case readable[] = {
        {"01:30:00;", 5400},  {"  15:45:47", 15 * 3600 + 45 * 60 + 47}, {"2:05:00", 2 * 3600 + 5 * 60},
        {"100:00:00", 360000}, {"00:59:59.9;x", 3599},                  {"0:00:00", 0},
    };
    for (const Case& c : readable)
        EXPECT_EQ(CsvText::DurationSeconds(c.text), c.seconds) << c.text;
    const char* unreadable[] = {"", ";01:00:00", "-1:00:00", "1:30", "99:99:99", "01:60:00", "01:00:60", "01:3",
                                "01:30:0", "\t01:00:00", "01.30.00", ":30:00", "1e3:00:00"};
    for (const char* text : unreadable)
        EXPECT_FALSE(CsvText::DurationSeconds(text).has_value()) << text;
}

TEST(CsvText, TrimAndCut)
{
    EXPECT_EQ(CsvText::TrimBlanksAndControls("\t Power \r\n"), "Power");
    EXPECT_EQ(CsvText::TrimBlanksAndControls("  "), "");
    EXPECT_EQ(CsvText::CutAtLineEnd("[W]\r\n"), "[W]");
    EXPECT_EQ(CsvText::CutAtLineEnd("[W]\n"), "[W]");
    EXPECT_EQ(CsvText::CutAtLineEnd("[W]"), "[W]");
}

} // namespace
