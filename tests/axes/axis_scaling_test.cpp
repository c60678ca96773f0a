#include "fake_axis_host.h"

#include "chart/axes/axis_exception.h"

#include <gtest/gtest.h>

namespace {

class AxisScaling : public testing::Test
{
protected:
    TChartSeries& AddSeries(std::vector<std::pair<double, double>> points, bool active = true)
    {
        auto s = std::make_unique<TChartSeries>();
        s->SetParentChart(&host);
        for (auto [x, y] : points)
            s->AddPoint(x, y);
        s->SetActive(active);
        series.push_back(std::move(s));
        return *series.back();
    }

    FakeAxisHost host;
    TChartAxis& left = host.axes.Left();
    TChartAxis& bottom = host.axes.Bottom();
    std::vector<std::unique_ptr<TChartSeries>> series;
};

TEST_F(AxisScaling, EmptyChartScalesToZeroAndMapsToTheCentre)
{
    AddSeries({});
    host.Layout(left);
    EXPECT_EQ(left.Minimum(), 0);
    EXPECT_EQ(left.Maximum(), 0);
    EXPECT_EQ(left.ValueToPixel(42), left.PixelCentre());
    EXPECT_EQ(left.PixelCentre(), 250);
}

TEST_F(AxisScaling, AutomaticLimitsFollowTheActiveSeries)
{
    AddSeries({{1, 10}, {2, 30}});
    AddSeries({{0, -5}, {9, 100}}, false);
    host.Layout(left);
    host.Layout(bottom);
    EXPECT_EQ(left.Minimum(), 10);
    EXPECT_EQ(left.Maximum(), 30);
    EXPECT_EQ(bottom.RangeMin(), 1);
    EXPECT_EQ(bottom.RangeMax(), 2);
    // With no active series bound, all bound series count.
    series[0]->SetActive(false);
    host.Layout(left);
    EXPECT_EQ(left.Minimum(), -5);
    EXPECT_EQ(left.Maximum(), 100);
}

TEST_F(AxisScaling, SeriesOnTheTopAxisDoNotScaleTheBottomOne)
{
    AddSeries({{1, 10}, {2, 30}});
    TChartSeries& top = AddSeries({{100, 1}, {200, 2}});
    top.SetHorizAxis(aTopAxis);
    host.Layout(bottom);
    host.Layout(host.axes.Top());
    EXPECT_EQ(bottom.Maximum(), 2);
    EXPECT_EQ(host.axes.Top().Maximum(), 200);
}

TEST_F(AxisScaling, FixedLimitsAndTheirChecks)
{
    AddSeries({{1, 10}, {2, 30}});
    host.Layout(left);
    left.SetAutomatic(false);
    EXPECT_FALSE(left.AutomaticMinimum());
    EXPECT_EQ(left.Minimum(), 10); // the last automatic limits stay
    EXPECT_EQ(left.Maximum(), 30);

    left.FixRange(0, 10);
    try {
        left.SetMinimum(20);
        FAIL() << "minimum above maximum accepted";
    } catch (const AxisException& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Der Minimalwert einer Achse muß <= Maximum sein"));
    }
    EXPECT_EQ(left.Minimum(), 0);
    EXPECT_THROW(left.SetMaximum(-1), AxisException);
    EXPECT_EQ(left.Maximum(), 10);
    left.FixRange(30, 20);
    EXPECT_EQ(left.Minimum(), 20);
    EXPECT_EQ(left.Maximum(), 30);
    left.FixRange(5, 5);
    EXPECT_EQ(left.Maximum(), 5 + 1e-10);

    // While the chart is read from its form any order is accepted.
    host.loading = true;
    left.SetMinimum(100);
    EXPECT_EQ(left.Minimum(), 100);
}

TEST_F(AxisScaling, AutomaticFlagsFollowEachOther)
{
    left.SetAutomaticMinimum(false);
    EXPECT_FALSE(left.Automatic());
    left.SetAutomaticMinimum(true);
    EXPECT_TRUE(left.Automatic());
    left.SetAutomatic(false);
    EXPECT_FALSE(left.AutomaticMaximum());
    left.SetAutomatic(true);
    EXPECT_TRUE(left.AutomaticMinimum() && left.AutomaticMaximum());
    host.loading = true;
    left.SetAutomatic(false);
    EXPECT_TRUE(left.AutomaticMinimum() && left.AutomaticMaximum());
}

TEST_F(AxisScaling, OnlyAnAutomaticLimitFollowsTheData)
{
    AddSeries({{1, 10}, {2, 30}});
    left.SetMaximum(500);
    left.SetAutomaticMaximum(false);
    host.Layout(left);
    EXPECT_EQ(left.RangeMin(), 10);
    EXPECT_EQ(left.RangeMax(), 500);
}

TEST_F(AxisScaling, RejectedValuesKeepTheProperty)
{
    const int before = host.invalidates;
    EXPECT_THROW(left.SetIncrement(-1), AxisException);
    EXPECT_THROW(left.SetLogarithmicBase(1), AxisException);
    EXPECT_THROW(left.SetLabelsSeparation(-1), AxisException);
    EXPECT_THROW(left.SetLabelsAngle(360), ChartException);
    EXPECT_THROW(left.Title().SetAngle(-1), ChartException);
    EXPECT_EQ(host.invalidates, before);
    EXPECT_EQ(left.Increment(), 0);
    EXPECT_EQ(left.LogarithmicBase(), 10);
    EXPECT_EQ(left.LabelsSeparation(), 10);
    EXPECT_EQ(left.LabelsAngle(), 0);
    EXPECT_EQ(left.Title().Angle(), 90);
    try {
        left.SetLabelsAngle(-5);
        FAIL() << "a negative label angle was accepted";
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Der Achsenbeschriftung-Winkel muß zwischen 0 und 359 Grad liegen"));
    }
}

TEST_F(AxisScaling, SettersRepaintOnlyOnChange)
{
    const int before = host.invalidates;
    left.SetTickLength(4);
    left.Grid().SetColor(left.Grid().Color());
    EXPECT_EQ(host.invalidates, before);
    left.SetTickLength(5);
    left.Grid().SetVisible(false);
    EXPECT_EQ(host.invalidates, before + 2);
}

TEST_F(AxisScaling, LogarithmicNeedsPositiveNumericLimits)
{
    TChartSeries& s = AddSeries({{1, -10}, {2, 30}});
    try {
        left.SetLogarithmic(true);
        FAIL();
    } catch (const AxisException& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Min.- und Max.-Werte von log. Achsen sollten >= 0 sein"));
    }
    EXPECT_FALSE(left.Logarithmic());
    s.YValues().SetDateTime(true);
    try {
        left.SetLogarithmic(true);
        FAIL();
    } catch (const AxisException& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Eine Datum/Zeit-Achse darf nicht logarithmisch sein"));
    }
    s.YValues().SetDateTime(false);
    s.ClearPoints();
    s.AddPoint(1, 0);
    s.AddPoint(2, 1000);
    left.SetLogarithmic(true);
    EXPECT_TRUE(left.Logarithmic());
    host.Layout(left);
    EXPECT_EQ(left.ValueToPixel(-3), left.PixelEnd());
}

TEST_F(AxisScaling, PagingTakesTheLimitsOfTheCurrentPage)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 25; ++i)
        points.push_back({i * 2.0, 1.0});
    AddSeries(points);
    host.pointsPerPage = 10;
    host.page = 3;
    host.Layout(bottom);
    EXPECT_EQ(bottom.RangeMin(), 40);
    EXPECT_EQ(bottom.RangeMax(), 48);
    host.scaleLastPage = false;
    host.Layout(bottom);
    EXPECT_EQ(bottom.RangeMax(), 40 + (48 - 40) * 10 / 5.0);
    host.page = 1;
    host.Layout(bottom);
    EXPECT_EQ(bottom.RangeMax(), 18);
    host.page = 0; // taken as the first page
    host.Layout(bottom);
    EXPECT_EQ(bottom.RangeMin(), 0);
}

TEST_F(AxisScaling, ExtentFollowsThePlotAndPositions)
{
    host.plot = {10, 20, 210, 420};
    bottom.SetStartPosition(25);
    bottom.SetEndPosition(75);
    bottom.PlaceOnPlot();
    EXPECT_EQ(bottom.PixelStart(), 60);
    EXPECT_EQ(bottom.PixelEnd(), 160);
    left.PlaceOnPlot();
    EXPECT_EQ(left.PixelStart(), 20);
    EXPECT_EQ(left.PixelLength(), 400);
}

TEST_F(AxisScaling, MarginsWidenTheRangeByTheirPixels)
{
    AddSeries({{0, 0}, {1, 100}});
    host.plot = {0, 0, 100, 100};
    host.Layout(left);
    left.WidenRangeForMargins(10, 10);
    EXPECT_DOUBLE_EQ(left.RangeMin(), -12.5);
    EXPECT_DOUBLE_EQ(left.RangeMax(), 112.5);
    EXPECT_EQ(left.ValueToPixel(100), 10);
    EXPECT_EQ(left.ValueToPixel(0), 90);
    // Margins that leave no pixel keep the range.
    host.Layout(left);
    left.WidenRangeForMargins(60, 60);
    EXPECT_EQ(left.RangeMin(), 0);
    EXPECT_EQ(left.RangeMax(), 100);
}

TEST_F(AxisScaling, ScrollWithAndWithoutTheLimitCheck)
{
    AddSeries({{0, 0}, {1, 100}});
    left.FixRange(0, 50);
    left.Scroll(10, true);
    EXPECT_EQ(left.Minimum(), 10);
    EXPECT_EQ(left.Maximum(), 60);
    left.Scroll(-20, true); // the data reach below 10
    EXPECT_EQ(left.Minimum(), -10);
    left.Scroll(-5, true); // nothing below -10
    EXPECT_EQ(left.Minimum(), -10);
    left.Scroll(0, true);
    EXPECT_EQ(left.Minimum(), -10);
    left.SetAutomatic(true);
    left.Scroll(-5, false);
    EXPECT_FALSE(left.Automatic());
    EXPECT_EQ(left.Minimum(), -15);
}

TEST_F(AxisScaling, ClickedCoversTheAxisAndItsLabels)
{
    host.Layout(bottom);
    TRect r = host.plot;
    bottom.ReserveAxisSpace(r, false);
    // Axis line at 450, labels from 450 + 6; the hit box reaches 3 above.
    EXPECT_TRUE(bottom.Clicked(100, 447));
    EXPECT_TRUE(bottom.Clicked(100, 455));
    EXPECT_FALSE(bottom.Clicked(100, 456));
    EXPECT_FALSE(bottom.Clicked(100, 446));
    EXPECT_FALSE(bottom.Clicked(450, 450));
    bottom.SetVisible(false);
    EXPECT_FALSE(bottom.Clicked(100, 450));
}

TEST_F(AxisScaling, AssignCopiesPropertiesAndRoles)
{
    left.SetInverted(true);
    left.FixRange(3, 4);
    left.Title().SetCaption(QStringLiteral("Dauer"));
    left.Grid().SetColor(clBlack);
    TChartAxis copy(&host, true, false);
    copy.Assign(left);
    EXPECT_FALSE(copy.Horizontal());
    EXPECT_TRUE(copy.Inverted());
    EXPECT_EQ(copy.Maximum(), 4);
    EXPECT_FALSE(copy.Automatic());
    EXPECT_EQ(copy.Title().Caption(), QStringLiteral("Dauer"));
    EXPECT_EQ(copy.Title().Angle(), 90);
    EXPECT_EQ(copy.Grid().Color(), clBlack);
}

TEST_F(AxisScaling, BuiltInAxesAndTheirRoles)
{
    const TChartAxisList& axes = host.axes;
    ASSERT_EQ(axes.Count(), 5);
    EXPECT_EQ(&axes.At(0), &axes.Bottom());
    EXPECT_EQ(axes.Bottom().Side(), asBottom);
    EXPECT_EQ(axes.Top().Side(), asTop);
    EXPECT_EQ(axes.Right().Side(), asRight);
    EXPECT_EQ(axes.Right().Title().Angle(), 270);
    EXPECT_EQ(axes.Depth().Side(), asDepth);
    EXPECT_FALSE(axes.Depth().Visible());
    EXPECT_TRUE(axes.Left().Visible());
    EXPECT_EQ(axes.Left().AxisValuesFormat(), QStringLiteral("#,##0.###"));
    EXPECT_EQ(axes.Left().Axis().Width(), 2);
}

} // namespace
