#include "app/year/load_report.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadReport, OneLineNamesEveryFindingWithItsCount)
{
    TFileLoadReport report;
    EXPECT_TRUE(DescribeLoadReport(report, 19).isEmpty());
    report.rowsWithBadMonth = 1;
    report.rowsBeforeYearOne = 2;
    report.overlongLines = 3;
    report.valuesOutOfRange = 2;
    EXPECT_EQ(DescribeLoadReport(report, 19),
              QStringLiteral("    -> 1 Zeile mit ungültigem Monat übersprungen; 2 Zeilen mit Jahr vor 1 übersprungen; "
                             "3 Zeilen länger als 1 MiB übersprungen; "
                             "2 Zahlen außerhalb des Wertebereichs als 0 gelesen."));
    TFileLoadReport beyond;
    beyond.outcome = TFileLoadReport::TOutcome::BeyondLimit;
    EXPECT_EQ(DescribeLoadReport(beyond, 19),
              QStringLiteral("    -> nicht gelesen: höchstens 19 Dateien je Ladevorgang."));
}

} // namespace
