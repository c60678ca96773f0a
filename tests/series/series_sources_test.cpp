#include "chart/series/chart_series.h"
#include "fake_series_host.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TEST(SeriesSourcesTest, LinkedSeriesFollowAdditionsDeletionsAndClears)
{
    TChartSeries source, copy;
    copy.LinkSource(source);
    ASSERT_EQ(copy.DataSource(), &source);
    ASSERT_EQ(source.DependentSeries(), std::vector<TChartSeries*>{&copy});

    copy.AddPoint(1.5, -1); // a point of its own, so the copy's indexes differ
    source.AddPoint(2, 20, "b", clRed);
    source.AddPoint(1, 10, "a");
    EXPECT_EQ(Ys(copy), (std::vector<double>{10, -1, 20}));
    EXPECT_EQ(copy.PointLabel(0), "a");
    EXPECT_EQ(copy.PointColor(2), clRed);
    EXPECT_EQ(copy.PointLabel(2), "b");

    copy.SetRecalcOptions(rOnClear | rOnInsert);
    source.DeletePoint(0); // not passed on without rOnDelete
    EXPECT_EQ(copy.PointCount(), 3);
    source.ClearPoints();
    EXPECT_EQ(copy.PointCount(), 0);
}

TEST(SeriesSourcesTest, MultiplierChangeRefreshesLinkedSeries)
{
    TChartSeries source, copy;
    source.AddPoint(1, 10);
    copy.LinkSource(source);
    copy.LoadFromSource(source);
    EXPECT_EQ(Ys(copy), std::vector<double>{10});
    source.YValues().SetMultiplier(3);
    EXPECT_EQ(Ys(copy), std::vector<double>{30});
}

TEST(SeriesSourcesTest, DestroyingEitherSideUnlinks)
{
    auto source = std::make_unique<TChartSeries>();
    auto copy = std::make_unique<TChartSeries>();
    copy->LinkSource(*source);
    copy.reset();
    EXPECT_TRUE(source->DependentSeries().empty());
    source->AddPoint(1, 1); // would touch the destroyed copy if still linked

    copy = std::make_unique<TChartSeries>();
    copy->LinkSource(*source);
    source.reset();
    EXPECT_EQ(copy->DataSource(), nullptr);
}

// Doubles every Y of its first source.
class DoubleFunction : public TChartFunction
{
public:
    void CalculateSeries(TChartSeries& target, const std::vector<TChartSeries*>& sources) override
    {
        for (int i = 0; i < sources.front()->PointCount(); ++i)
            target.AddPoint(sources.front()->PointX(i), 2 * sources.front()->PointY(i));
    }
    std::unique_ptr<TChartFunction> Clone() const override { return std::make_unique<DoubleFunction>(); }
};

TEST(SeriesSourcesTest, FunctionComputesPointsOnRefresh)
{
    FakeHost host;
    TChartSeries source, derived;
    derived.SetParentChart(&host);
    derived.LinkSource(source);
    derived.AttachFunction(std::make_unique<DoubleFunction>());
    EXPECT_EQ(derived.Function()->ParentSeries(), &derived);
    EXPECT_EQ(host.sourceRefreshes, 1);
    source.AddPoint(1, 4); // additions are not passed to a series with a function
    EXPECT_EQ(derived.PointCount(), 0);
    source.YValues().SetValueAt(0, 5);
    EXPECT_EQ(Ys(derived), std::vector<double>{10});
    derived.SetParentChart(nullptr);
}

TEST(SeriesSourcesTest, AssignCopiesSettingsAndPoints)
{
    FakeHost host;
    TChartSeries source;
    source.SetTag(7);
    source.SetTitle("2022");
    source.SetSeriesColor(clPurple);
    source.SetHorizAxis(aTopAxis);
    source.SetShowInLegend(false);
    source.SetValueFormat("0.00");
    source.SetIdentifier("ID");
    source.SetEditorFlags(3);
    source.YValues().SetMultiplier(2);
    source.XValues().SetDateTime(true);
    source.Marks().SetVisible(true);
    source.AddPoint(2, 20, "b", clRed);
    source.AddPoint(1, 10, "a");
    source.AddNullPoint(3, 0);

    TChartSeries target;
    target.SetParentChart(&host);
    target.Assign(source);
    EXPECT_EQ(target.Tag(), 7);
    EXPECT_EQ(target.Title(), "2022");
    EXPECT_EQ(target.SeriesColor(), clPurple);
    EXPECT_EQ(target.HorizAxis(), aTopAxis);
    EXPECT_EQ(target.BoundHorizAxis(), host.top.get());
    EXPECT_FALSE(target.ShowInLegend());
    EXPECT_EQ(target.ValueFormat(), "0.00");
    EXPECT_EQ(target.Identifier(), "ID");
    EXPECT_EQ(target.EditorFlags(), 3);
    EXPECT_EQ(target.YValues().Multiplier(), 2);
    EXPECT_TRUE(target.XValues().DateTime());
    EXPECT_TRUE(target.Marks().Visible());
    EXPECT_EQ(target.Name(), "");

    // Points are copied scaled; the copied multiplier then applies again.
    EXPECT_EQ(target.YValues().RawValues(), (std::vector<double>{20, 40, 0}));
    EXPECT_EQ(target.PointLabel(1), "b");
    EXPECT_EQ(target.PointColor(1), clRed);
    EXPECT_TRUE(target.IsNullPoint(2));
    EXPECT_TRUE(target.DataSources().empty());
    target.SetParentChart(nullptr);
}

TEST(SeriesSourcesTest, AssignTakesOverDataSourcesInsteadOfPoints)
{
    TChartSeries origin, source, target;
    origin.AddPoint(1, 1);
    source.LinkSource(origin);
    target.AddPoint(5, 5);
    target.Assign(source);
    EXPECT_EQ(target.DataSource(), &origin);
    EXPECT_EQ(target.PointCount(), 1); // points untouched until the chart refreshes
    EXPECT_EQ(origin.DependentSeries().size(), 2u);
}

} // namespace
