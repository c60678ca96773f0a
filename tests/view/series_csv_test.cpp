#include "app/view/series_csv.h"
#include "chart/series/chart_series.h"

#include <gtest/gtest.h>

namespace {

TEST(SeriesCsv, OneLinePerPointWithShortestNumbers)
{
    TChartSeries labels, year, empty;
    labels.SetTitle(QStringLiteral("ignored"));
    labels.AddPoint(0, 0, QStringLiteral("            Januar"));
    labels.AddPoint(59, 0, QStringLiteral("        März"));
    year.SetTitle(QStringLiteral("2011"));
    year.AddPoint(1, 0.1);
    year.AddPoint(2, double(1.3888888f));
    year.AddPoint(3, -2.5e-7);
    const QByteArray csv = SeriesCsv({&labels, &year, &empty});
    EXPECT_EQ(csv.toStdString(), "0;;0;0;            Januar\n"
                                 "0;;59;0;        M\xC3\xA4rz\n"
                                 "1;2011;1;0.1;\n"
                                 "1;2011;2;1.3888888359069824;\n"
                                 "1;2011;3;-2.5e-07;\n");
}

} // namespace
