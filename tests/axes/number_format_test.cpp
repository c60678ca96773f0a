#include "chart/axes/number_format.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char* picture;
    double value;
    const char* german;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << '"' << c.picture << "\" " << c.value;
}

class NumberPicture : public testing::TestWithParam<Case>
{
};

TEST_P(NumberPicture, FormatsWithGermanSeparators)
{
    const Case& c = GetParam();
    EXPECT_EQ(FormatNumber(QString::fromUtf8(c.picture), c.value), QString::fromUtf8(c.german))
        << c.picture << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberPicture,
    testing::Values(Case{"#,##0.###", 0, "0"}, Case{"#,##0.###", 1234.5, "1.234,5"},
                    Case{"#,##0.###", 1234567.891, "1.234.567,891"}, Case{"#,##0.###", -1234.5, "-1.234,5"},
                    Case{"#,##0.###", 0.0004, "0"}, Case{"#,##0.###", -0.0004, "0"},
                    Case{"#,##0.###", 0.0005, "0,001"}, Case{"#,##0.###", 999.9996, "1.000"},
                    Case{"#,##0.###", 1e20, "100.000.000.000.000.000.000"},
                    Case{"#,##0.###", 100, "100"}, Case{"#,##0.###", 95, "95"},
                    Case{"0.00", 2.675, "2,68"}, Case{"0.00", 2, "2,00"}, Case{"#.##", 0.5, ",5"},
                    Case{"0000", 12, "0012"}, Case{"#", 0, ""}, Case{"0.0#", 1.25, "1,25"},
                    Case{"0.0#", 1.2, "1,2"}, Case{"0;(0)", -5, "(5)"}, Case{"0;(0);'null'", 0, "null"},
                    Case{"\"EUR \"0", 7, "EUR 7"}, Case{"0 km", 12.4, "12 km"}, Case{"##", 1234, "1234"},
                    Case{"", 0.1, "0,1"}, Case{"", 1.0 / 3, "0,333333333333333"}));

TEST(NumberFormat, PlainSettingsUseThePointAsDecimalSeparator)
{
    EXPECT_EQ(FormatNumber(QStringLiteral("#,##0.###"), 1234.5, PlainFormatSettings()), QStringLiteral("1,234.5"));
}

TEST(NumberFormat, NotANumberAndInfinity)
{
    EXPECT_EQ(FormatNumber(QStringLiteral("0"), std::nan("")), QStringLiteral("NAN"));
    EXPECT_EQ(FormatNumber(QStringLiteral("0"), -HUGE_VAL), QStringLiteral("-INF"));
}

} // namespace
