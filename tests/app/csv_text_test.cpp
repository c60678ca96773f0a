#include "app/csv_text.h"

#include <gtest/gtest.h>

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
    for (const Case& c : cases)
        EXPECT_EQ(CsvText::LeadingDecimal(c.text), c.value) << c.text;
    EXPECT_FALSE(CsvText::LeadingDecimal("1e400").has_value());
}

TEST(CsvText, DurationReadsFixedPositions)
{
    EXPECT_EQ(CsvText::DurationSeconds("01:30:00;"), 5400);
    EXPECT_EQ(CsvText::DurationSeconds("  15:45:47"), 15 * 3600 + 45 * 60 + 47);
    // Positions past the end read as zero digits; the text is never overrun.
    EXPECT_EQ(CsvText::DurationSeconds("01:3"), 3600 + 1800);
    EXPECT_EQ(CsvText::DurationSeconds(""), 0);
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
