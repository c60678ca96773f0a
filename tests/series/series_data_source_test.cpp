#include "chart/canvas/chart_exception.h"
#include "chart/series/moving_average_function.h"
#include "fake_series_host.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

QString Refusal(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ChartException& e) {
        return e.Message();
    }
    return {};
}

// A series in a chart that loads data sources as the real one does.
struct Fed
{
    Fed() { host.loadsSources = true; target.SetParentChart(&host); }
    ~Fed() { target.SetParentChart(nullptr); }
    FakeHost host;
    TChartSeries target;
};

TEST(SeriesDataSourceTest, SetRefuseClearAndLoseTheSource)
{
    Fed f;
    f.target.SetName("Reihe1");
    auto source = std::make_unique<TChartSeries>();
    source->AddPoint(1, 10, "a");
    f.target.SetDataSource(source.get());
    EXPECT_EQ(f.target.PointLabel(0), "a");
    TChartSeries loose;
    EXPECT_EQ(Refusal([&] { f.target.SetDataSource(&f.target); }), "Ungültige Datenquelle: Reihe1");
    EXPECT_EQ(Refusal([&] { loose.SetDataSource(source.get()); }), "Kein ParentChart zum Validieren der Datenquelle");
    EXPECT_EQ(source->DependentSeries(), std::vector<TChartSeries*>{&f.target});

    f.target.SetDataSource(nullptr);
    EXPECT_EQ(f.target.PointCount(), 0);
    EXPECT_TRUE(source->DependentSeries().empty());
    f.target.SetDataSource(source.get());
    source.reset(); // its points go with it
    EXPECT_EQ(f.target.DataSource(), nullptr);
    EXPECT_EQ(f.target.PointCount(), 0);
}

TEST(SeriesDataSourceTest, MovingAverageFollowsItsSourceAndPeriod)
{
    Fed f;
    TChartSeries source;
    for (double y : {10, 20, 60, 100})
        source.AddPoint(source.PointCount() + 1, y);
    source.SetPointColor(2, clNone);
    f.target.SetDataSource(&source);
    auto function = std::make_unique<TMovingAverageFunction>(2);
    TMovingAverageFunction& average = *function;
    f.target.AttachFunction(std::move(function));
    EXPECT_EQ(Xs(f.target), (std::vector<double>{2, 3, 4}));
    EXPECT_EQ(Ys(f.target), (std::vector<double>{15, 20, 100})); // the null point left out
    average.SetPeriod(3);
    source.YValues().SetValueAt(1, 40);
    EXPECT_EQ(Ys(f.target), (std::vector<double>{25, 70}));
}

TEST(SeriesDataSourceTest, SampleValues)
{
    Fed f;
    TChartSeries other;
    other.SetParentChart(&f.host);
    other.AddPoint(1, 10);
    other.AddPoint(2, 50);
    f.target.AddPoint(1, 1);
    EXPECT_EQ(Refusal([&] { f.target.FillSampleValues(0); }), "FillSampleValues NumValues müssen > 0 sein.");
    EXPECT_EQ(f.target.PointCount(), 1);

    f.host.invalidates = 0;
    f.target.FillSampleValues(30);
    EXPECT_EQ(f.host.invalidates, 1);
    EXPECT_EQ(Xs(f.target).back(), 29);
    EXPECT_GE(f.target.YValues().Lowest(), 10); // among the other series
    EXPECT_LE(f.target.YValues().Highest(), 50);
    f.target.XValues().SetDateTime(true);
    f.target.FillSampleValues(2);
    EXPECT_EQ(f.target.PointX(0), QDate(1899, 12, 30).daysTo(QDate::currentDate()));
    other.SetParentChart(nullptr);
}

} // namespace
