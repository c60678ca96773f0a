#include "chart/series/chart_series.h"
#include "chart/series/list_index_exception.h"
#include "fake_series_host.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SeriesPointsTest, AddPointKeepsPointsSortedByX)
{
    TChartSeries s;
    s.SetSeriesColor(clBlack);
    std::vector<int> indexes{s.AddPoint(3, 10, "c", clRed), s.AddPoint(1, 20, "a", clBlue),
                             s.AddPoint(2, 30, "", clGreen)};
    EXPECT_EQ(indexes, (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(Xs(s), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(Ys(s), (std::vector<double>{20, 30, 10}));
    EXPECT_EQ(Labels(s), (std::vector<QString>{"a", "", "c"}));
    EXPECT_EQ(Colours(s), (std::vector<TColor>{clBlue, clGreen, clRed}));
    EXPECT_EQ(s.LabelCount(), 3);
    EXPECT_EQ(s.ColourCount(), 3);
}

TEST(SeriesPointsTest, DefaultColourFollowsSeriesColourAndNoneMakesNullPoint)
{
    TChartSeries s;
    s.SetSeriesColor(clTeal);
    s.AddPoint(1, 1);
    s.AddNullPoint(2, 5);
    EXPECT_EQ(s.PointColor(0), clTeal);
    s.SetSeriesColor(clNavy);
    EXPECT_EQ(s.PointColor(0), clNavy);
    EXPECT_FALSE(s.IsNullPoint(0));
    EXPECT_TRUE(s.IsNullPoint(1));
    EXPECT_EQ(s.PointColor(1), clNone);
}

TEST(SeriesPointsTest, AppendValueNumbersPointsAndAppendNullValueAddsNullPoint)
{
    TChartSeries s;
    EXPECT_EQ(s.AppendValue(7.5, "Jan"), 0);
    EXPECT_EQ(s.AppendValue(2.5), 1);
    EXPECT_EQ(s.AppendNullValue("Mär"), 2);
    EXPECT_EQ(Xs(s), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(Ys(s), (std::vector<double>{7.5, 2.5, 0}));
    EXPECT_TRUE(s.IsNullPoint(2));
    EXPECT_EQ(s.PointLabel(2), "Mär");
}

TEST(SeriesPointsTest, BeforeAddCanCancel)
{
    TChartSeries s;
    int afterAdds = 0;
    std::vector<int> addedAt;
    double pendingX = 0;
    s.OnBeforeAdd = [&](TChartSeries& sender) {
        pendingX = sender.XValues().PendingValue();
        return sender.XValues().PendingValue() < 10;
    };
    s.OnAfterAdd = [&](TChartSeries&, int index) {
        ++afterAdds;
        addedAt.push_back(index);
    };
    EXPECT_EQ(s.AddPoint(5, 1), 0);
    EXPECT_EQ(s.AddPoint(12, 1), -1);
    EXPECT_EQ(pendingX, 12);
    EXPECT_EQ(s.PointCount(), 1);
    EXPECT_EQ(s.ColourCount(), 1);
    EXPECT_EQ(s.LabelCount(), 1);
    EXPECT_EQ(afterAdds, 1);
    EXPECT_EQ(s.AddPoint(2, 1), 0);
    EXPECT_EQ(addedAt, (std::vector<int>{0, 0}));
}

TEST(SeriesPointsTest, ClearPointsFiresEvenWhenEmptyAndReleasesStorage)
{
    FakeHost host;
    TChartSeries s;
    s.SetParentChart(&host);
    int clears = 0;
    s.OnClearValues = [&](TChartSeries&) { ++clears; };
    host.invalidates = 0;
    s.ClearPoints();
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(host.invalidates, 1);

    for (int i = 0; i < 50; ++i)
        s.AddPoint(i, i, "L");
    s.ClearPoints();
    EXPECT_EQ(clears, 2);
    EXPECT_EQ(s.PointCount(), 0);
    EXPECT_EQ(s.LabelCount(), 0);
    EXPECT_EQ(s.ColourCount(), 0);
    EXPECT_EQ(s.XValues().Capacity(), 0u);
    EXPECT_EQ(s.YValues().Capacity(), 0u);

    // No repaint for an inactive series or a chart being torn down.
    s.SetActive(false);
    host.invalidates = 0;
    s.ClearPoints();
    s.SetActive(true);
    host.destroying = true;
    host.invalidates = 0;
    s.ClearPoints();
    EXPECT_EQ(host.invalidates, 0);
    EXPECT_EQ(clears, 4);
    s.SetParentChart(nullptr);
}

TEST(SeriesPointsTest, DeletePointRemovesFromEveryList)
{
    FakeHost host;
    TChartSeries s;
    s.SetParentChart(&host);
    s.AddPoint(1, 10, "a", clRed);
    s.AddPoint(2, 20, "b", clBlue);
    s.AddPoint(3, 30, "c", clGreen);
    host.invalidates = 0;
    s.DeletePoint(1);
    EXPECT_EQ(Xs(s), (std::vector<double>{1, 3}));
    EXPECT_EQ(Ys(s), (std::vector<double>{10, 30}));
    EXPECT_EQ(Labels(s), (std::vector<QString>{"a", "c"}));
    EXPECT_EQ(Colours(s), (std::vector<TColor>{clRed, clGreen}));
    EXPECT_EQ(host.invalidates, 1);
}

TEST(SeriesPointsTest, BadIndexesRaiseWithNothingChanged)
{
    TChartSeries s;
    s.AddPoint(1, 10, "a", clRed);
    s.AddPoint(2, 20, "b", clBlue);
    const struct
    {
        const char* what;
        std::function<void()> call;
    } calls[] = {
        {"PointX", [&] { s.PointX(2); }},
        {"PointY", [&] { s.PointY(-1); }},
        {"DeletePoint", [&] { s.DeletePoint(2); }},
        {"SetPointColor", [&] { s.SetPointColor(5, clLime); }},
        {"SwapPoints", [&] { s.SwapPoints(0, 2); }},
        {"SwapPoints", [&] { s.SwapPoints(-1, 1); }},
    };
    for (const auto& c : calls) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(c.call(), ListIndexException);
        EXPECT_EQ(Xs(s), (std::vector<double>{1, 2}));
        EXPECT_EQ(Ys(s), (std::vector<double>{10, 20}));
        EXPECT_EQ(Labels(s), (std::vector<QString>{"a", "b"}));
        EXPECT_EQ(Colours(s), (std::vector<TColor>{clRed, clBlue}));
    }
    // Reads past the end of the optional lists are harmless.
    EXPECT_EQ(s.PointLabel(7), "");
    EXPECT_EQ(s.PointLabel(-1), "");
    EXPECT_EQ(s.PointColor(-1), s.SeriesColor());
}

TEST(SeriesPointsTest, SortByOrderMovesLabelsAndColoursWithValues)
{
    TChartSeries s;
    s.AddPoint(1, 30, "drei", clRed);
    s.AddPoint(2, 10, "eins", clGreen);
    s.AddPoint(3, 20, "zwei", clBlue);
    s.YValues().SetOrder(loAscending);
    s.YValues().SortByOrder();
    EXPECT_EQ(Ys(s), (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(Xs(s), (std::vector<double>{2, 3, 1}));
    EXPECT_EQ(Labels(s), (std::vector<QString>{"eins", "zwei", "drei"}));
    EXPECT_EQ(Colours(s), (std::vector<TColor>{clGreen, clBlue, clRed}));
    EXPECT_EQ(s.LowestY(), 10);
    EXPECT_EQ(s.HighestX(), 3);
}

TEST(SeriesPointsTest, ColorEachPointCyclesPaletteAndSwitchingOffResetsOwnColours)
{
    TChartSeries s;
    s.SetSeriesColor(clBlack);
    for (int i = 0; i < 18; ++i)
        s.AddPoint(i, i);
    s.SetPointColor(2, clMoneyGreen);
    s.SetPointColor(3, clNone);
    s.SetColorEachPoint(true);
    const std::vector<TColor> palette{clRed,  clGreen,  clYellow, clBlue,   clWhite, clGray,
                                      clFuchsia, clTeal, clNavy, clMaroon, clLime,  clOlive,
                                      clPurple,  clSilver, clAqua, clBlack};
    for (int i = 0; i < 18; ++i) {
        SCOPED_TRACE(i);
        if (i == 2)
            EXPECT_EQ(s.PointColor(i), clMoneyGreen);
        else if (i == 3)
            EXPECT_EQ(s.PointColor(i), clNone);
        else
            EXPECT_EQ(s.PointColor(i), palette[std::size_t(i % 16)]);
    }

    s.SetColorEachPoint(false);
    EXPECT_EQ(s.PointColor(2), clBlack);
    EXPECT_EQ(s.PointColor(0), clBlack);
    EXPECT_TRUE(s.IsNullPoint(3)); // a gap stays a gap
}

TEST(SeriesPointsTest, ResettingColoursAlsoWhenColorEachPointWasAlreadyOff)
{
    TChartSeries s;
    s.AddPoint(1, 1, "", clRed);
    s.SetColorEachPoint(false);
    EXPECT_EQ(s.PointColor(0), clDefault);
}

class ZSeries : public TChartSeries
{
public:
    ZSeries() : zValues_(std::make_unique<TChartValueList>(*this, "Z")) {}
    TChartValueList& ZValues() { return *zValues_; }

private:
    std::unique_ptr<TChartValueList> zValues_;
};

TEST(SeriesPointsTest, FurtherValueListsStayParallel)
{
    ZSeries s;
    ASSERT_EQ(s.ValuesList().Count(), 3);
    EXPECT_EQ(&s.ValueListByName("z"), &s.ZValues());
    EXPECT_EQ(&s.ValueListByName("X"), &s.YValues()); // only lists from 2 on are searched
    s.ZValues().SetPendingValue(5);
    s.AddPoint(2, 0);
    s.ZValues().SetPendingValue(9);
    s.AddPoint(1, 0);
    EXPECT_EQ(s.ZValues().RawValues(), (std::vector<double>{9, 5}));
    s.DeletePoint(0);
    EXPECT_EQ(s.ZValues().RawValues(), std::vector<double>{5});
}

TEST(SeriesPointsTest, PropertySettersRepaintOnlyOnChange)
{
    FakeHost host;
    TChartSeries s;
    s.SetParentChart(&host);
    const struct
    {
        const char* what;
        std::function<void()> set;
    } setters[] = {
        {"Active", [&] { s.SetActive(false); }},
        {"SeriesColor", [&] { s.SetSeriesColor(clRed); }},
        {"Title", [&] { s.SetTitle("2023"); }},
        {"ShowInLegend", [&] { s.SetShowInLegend(false); }},
        {"Cursor", [&] { s.SetCursor(5); }},
        {"ValueFormat", [&] { s.SetValueFormat("0.0"); }},
        {"HorizAxis", [&] { s.SetHorizAxis(aTopAxis); }},
        {"VertAxis", [&] { s.SetVertAxis(aRightAxis); }},
        {"Multiplier", [&] { s.YValues().SetMultiplier(2); }},
        {"DateTime", [&] { s.XValues().SetDateTime(true); }},
        {"Marks", [&] { s.Marks().SetVisible(true); }},
    };
    for (const auto& setter : setters) {
        SCOPED_TRACE(setter.what);
        host.invalidates = 0;
        setter.set();
        EXPECT_EQ(host.invalidates, 1);
        setter.set();
        EXPECT_EQ(host.invalidates, 1);
    }
    s.SetParentChart(nullptr);
    s.SetTitle("no chart"); // ignored without a chart
}

TEST(SeriesPointsTest, SeriesListCountsActiveSeries)
{
    FakeHost host;
    TChartSeries a, b, c;
    for (TChartSeries* s : {&a, &b, &c})
        s->SetParentChart(&host);
    b.SetActive(false);
    EXPECT_EQ(host.list.Count(), 3);
    EXPECT_EQ(host.list.ActiveCount(), 2);
    EXPECT_EQ(&host.list[1], &b);
    EXPECT_THROW(host.list[3], ListIndexException);
}

TEST(SeriesPointsTest, JoiningAndLeavingChart)
{
    FakeHost first, second;
    {
        TChartSeries s;
        s.SetParentChart(&first);
        EXPECT_EQ(first.list.IndexOf(s), 0);
        EXPECT_EQ(s.BoundHorizAxis(), first.bottom.get());
        s.SetParentChart(&second);
        EXPECT_EQ(first.list.Count(), 0);
        EXPECT_EQ(second.list.IndexOf(s), 0);
        EXPECT_EQ(s.BoundVertAxis(), second.left.get());
    }
    EXPECT_EQ(second.list.Count(), 0); // a destroyed series leaves its chart
}

} // namespace
