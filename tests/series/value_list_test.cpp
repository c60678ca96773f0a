#include "chart/series/chart_value_list.h"
#include "chart/series/chart_value_lists.h"
#include "chart/series/list_index_exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

// Owns a set of value lists plus one parallel tag per point, so tests can
// see whether sorting moves whole points.
class FakeOwner : public TValueListOwner
{
public:
    TChartValueLists& ValuesList() override { return lists_; }
    void RequestRepaint() override { ++repaints; }
    void NotifyLinkedSeries(TLinkedChange kind, int index) override
    {
        notifications.push_back({kind, index});
    }
    void CheckDataSource() override { ++sourceChecks; }
    void SwapPoints(int i, int j) override
    {
        for (TChartValueList* list : lists_)
            list->Exchange(i, j);
        if (!tags.empty())
            std::swap(tags[std::size_t(i)], tags[std::size_t(j)]);
        ++swaps;
    }

    struct Notification
    {
        TLinkedChange kind;
        int index;
    };
    int repaints = 0;
    int sourceChecks = 0;
    int swaps = 0;
    std::vector<Notification> notifications;
    std::vector<int> tags;

private:
    TChartValueLists lists_;
};

std::vector<double> Scaled(const TChartValueList& list)
{
    std::vector<double> out;
    for (int i = 0; i < list.ValueCount(); ++i)
        out.push_back(list.ValueAt(i));
    return out;
}

struct OrderedCase
{
    const char* name;
    TChartListOrder order;
    std::vector<double> added;
    std::vector<int> indexes;
    std::vector<double> stored;
};

class InsertOrderedTest : public ::testing::TestWithParam<OrderedCase>
{
};

TEST_P(InsertOrderedTest, ReturnsIndexAndKeepsOrder)
{
    FakeOwner owner;
    TChartValueList list(owner, "X");
    list.SetOrder(GetParam().order);
    std::vector<int> indexes;
    for (double v : GetParam().added)
        indexes.push_back(list.InsertOrdered(v));
    EXPECT_EQ(indexes, GetParam().indexes);
    EXPECT_EQ(list.RawValues(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, InsertOrderedTest,
    ::testing::Values(
        OrderedCase{"AscendingEqualsGoLast", loAscending, {5, 3, 3, 7, 3}, {0, 0, 1, 3, 2}, {3, 3, 3, 5, 7}},
        OrderedCase{"DescendingEqualsGoLast", loDescending, {1, 5, 5}, {0, 0, 1}, {5, 5, 1}},
        OrderedCase{"NoneAppends", loNone, {4, 1, 9, 1}, {0, 1, 2, 3}, {4, 1, 9, 1}},
        OrderedCase{"AscendingAllSmaller", loAscending, {3, 2, 1}, {0, 0, 0}, {1, 2, 3}},
        OrderedCase{"DescendingInOrder", loDescending, {9, 9, 2}, {0, 1, 2}, {9, 9, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValueListTest, EqualInsertionsKeepArrivalOrderAmongEquals)
{
    // Tag each 3 by the moment it arrived: the later one must come later.
    FakeOwner owner;
    TChartValueList x(owner, "X");
    TChartValueList arrival(owner, "A");
    x.SetOrder(loAscending);
    const std::vector<double> added{5, 3, 3, 7, 3};
    for (std::size_t n = 0; n < added.size(); ++n)
        arrival.InsertAt(x.InsertOrdered(added[n]), double(n));
    EXPECT_EQ(arrival.RawValues(), (std::vector<double>{1, 2, 4, 0, 3}));
}

TEST(ValueListTest, ChangingOrderDoesNotResort)
{
    FakeOwner owner;
    TChartValueList list(owner, "Y");
    for (double v : {3.0, 1.0, 2.0})
        list.InsertOrdered(v);
    list.SetOrder(loAscending);
    EXPECT_EQ(list.RawValues(), (std::vector<double>{3, 1, 2}));
    EXPECT_EQ(list.InsertOrdered(2.5), 3); // scan stops at once: last is 2
    EXPECT_EQ(owner.repaints, 0);
}

TEST(ValueListTest, StatisticsOfEmptyListAreZero)
{
    FakeOwner owner;
    TChartValueList list(owner, "Y");
    EXPECT_EQ(list.Statistics(), TValueStatistics{});
    list.InsertAt(0, 5);
    list.RemoveAt(0);
    EXPECT_EQ(list.Highest(), 0);
    EXPECT_EQ(list.Lowest(), 0);
    EXPECT_EQ(list.Sum(), 0);
    EXPECT_EQ(list.AbsoluteSum(), 0);
}

TEST(ValueListTest, StatisticsAreOfScaledValues)
{
    FakeOwner owner;
    TChartValueList list(owner, "Y");
    list.InsertOrdered(2);
    list.InsertOrdered(-3);
    list.SetMultiplier(2);
    EXPECT_EQ(Scaled(list), (std::vector<double>{4, -6}));
    EXPECT_EQ(list.Highest(), 4);
    EXPECT_EQ(list.Lowest(), -6);
    EXPECT_EQ(list.Sum(), -2);
    EXPECT_EQ(list.AbsoluteSum(), 10);

    list.SetMultiplier(-0.5);
    EXPECT_EQ(list.Highest(), 1.5);
    EXPECT_EQ(list.Lowest(), -1);
    EXPECT_EQ(list.Sum(), 0.5);
    EXPECT_EQ(list.AbsoluteSum(), 2.5);
}

TEST(ValueListTest, StatisticsAreRecomputedOnlyAfterChange)
{
    FakeOwner owner;
    TChartValueList list(owner, "Y");
    list.InsertAt(0, 1);
    EXPECT_TRUE(list.StatsDirty());
    EXPECT_EQ(list.Highest(), 1);
    EXPECT_FALSE(list.StatsDirty());
    list.Highest();
    list.Sum();
    EXPECT_FALSE(list.StatsDirty());

    // Each kind of change marks the cache stale and the next read is right.
    list.InsertOrdered(7);
    EXPECT_TRUE(list.StatsDirty());
    EXPECT_EQ(list.Highest(), 7);
    list.SetValueAt(1, 9);
    EXPECT_EQ(list.Highest(), 9);
    list.RemoveAt(1);
    EXPECT_EQ(list.Highest(), 1);
    list.InsertAt(0, -4);
    EXPECT_EQ(list.Lowest(), -4);
    list.RemoveAll();
    EXPECT_EQ(list.Lowest(), 0);
}

TEST(ValueListTest, NegativeMultiplierInsertsByRawButSortsByScaled)
{
    FakeOwner owner;
    TChartValueList list(owner, "X");
    list.SetOrder(loAscending);
    list.SetMultiplier(-1);
    for (double v : {2.0, 1.0, 3.0})
        list.InsertOrdered(v);
    EXPECT_EQ(list.RawValues(), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(Scaled(list), (std::vector<double>{-1, -2, -3}));

    list.SortByOrder();
    EXPECT_EQ(list.RawValues(), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(Scaled(list), (std::vector<double>{-3, -2, -1}));
}

TEST(ValueListTest, MultiplierSetterNotifiesOnlyOnChange)
{
    FakeOwner owner;
    TChartValueList list(owner, "Y");
    list.InsertAt(0, 1);
    list.Highest();
    list.SetMultiplier(1);
    EXPECT_EQ(owner.repaints, 0);
    EXPECT_TRUE(owner.notifications.empty());
    EXPECT_FALSE(list.StatsDirty());

    list.SetMultiplier(4);
    EXPECT_EQ(owner.repaints, 1);
    ASSERT_EQ(owner.notifications.size(), 1u);
    EXPECT_EQ(owner.notifications[0].kind, lcRefresh);
    EXPECT_EQ(list.Highest(), 4);
}

TEST(ValueListTest, ValueSourceChangeRechecksDataSourceAndNameOrderArePlain)
{
    FakeOwner owner;
    TChartValueList list(owner, "X");
    list.SetValueSource("Distanz");
    list.SetValueSource("Distanz");
    EXPECT_EQ(owner.sourceChecks, 1);
    list.SetName("Z");
    list.SetOrder(loDescending);
    EXPECT_EQ(owner.repaints, 0);
}

TEST(ValueListTest, SetValueAtTellsOwnerButDoesNotRepaintOrResort)
{
    FakeOwner owner;
    TChartValueList list(owner, "X");
    list.SetOrder(loAscending);
    list.InsertOrdered(1);
    list.InsertOrdered(2);
    list.SetValueAt(0, 5);
    EXPECT_EQ(list.RawValues(), (std::vector<double>{5, 2}));
    ASSERT_EQ(owner.notifications.size(), 1u);
    EXPECT_EQ(owner.notifications[0].kind, lcModified);
    EXPECT_EQ(owner.notifications[0].index, 0);
    EXPECT_EQ(owner.repaints, 0);
}

TEST(ValueListTest, IndexOfValueComparesScaledValues)
{
    FakeOwner owner;
    TChartValueList list(owner, "Y");
    for (double v : {4.0, 1.5, 1.5})
        list.InsertOrdered(v);
    list.SetMultiplier(2);
    EXPECT_EQ(list.IndexOfValue(1.5), -1);
    EXPECT_EQ(list.IndexOfValue(3.0), 1);
    EXPECT_EQ(list.IndexOfValue(8.0), 0);
}

TEST(ValueListTest, RotateLeft)
{
    FakeOwner owner;
    TChartValueList list(owner, "Y");
    list.RotateLeft();
    EXPECT_EQ(list.ValueCount(), 0);
    list.InsertAt(0, 7);
    list.RotateLeft();
    EXPECT_EQ(list.RawValues(), std::vector<double>{7});
    list.InsertAt(1, 8);
    list.InsertAt(2, 9);
    list.Highest();
    list.RotateLeft();
    EXPECT_EQ(list.RawValues(), (std::vector<double>{8, 9, 7}));
    EXPECT_FALSE(list.StatsDirty());
}

TEST(ValueListTest, NumberSequentiallyAndLastValue)
{
    FakeOwner owner;
    TChartValueList list(owner, "X");
    for (double v : {9.0, 4.0, 6.0})
        list.InsertOrdered(v);
    list.NumberSequentially();
    EXPECT_EQ(list.RawValues(), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(owner.notifications.size(), 3u);
    EXPECT_EQ(list.LastValue(), 2);
}

TEST(ValueListTest, RemoveAllReleasesStorage)
{
    FakeOwner owner;
    TChartValueList list(owner, "X");
    EXPECT_EQ(list.Capacity(), 0u);
    for (int i = 0; i < 100; ++i)
        list.InsertOrdered(i);
    list.RemoveAll();
    EXPECT_EQ(list.ValueCount(), 0);
    EXPECT_EQ(list.Capacity(), 0u);
}

TEST(ValueListTest, AssignSettingsCopiesSettingsNotValuesOrName)
{
    FakeOwner owner;
    TChartValueList source(owner, "Source");
    source.SetOrder(loDescending);
    source.SetDateTime(true);
    source.SetMultiplier(2.5);
    source.SetValueSource("Puls");
    source.InsertAt(0, 1);

    TChartValueList target(owner, "Target");
    target.InsertAt(0, 4);
    target.Highest();
    target.AssignSettings(source);
    EXPECT_EQ(target.Order(), loDescending);
    EXPECT_TRUE(target.DateTime());
    EXPECT_EQ(target.Multiplier(), 2.5);
    EXPECT_EQ(target.ValueSource(), "Puls");
    EXPECT_EQ(target.Name(), "Target");
    EXPECT_EQ(target.RawValues(), std::vector<double>{4});
    EXPECT_EQ(target.Highest(), 10);
}

TEST(ValueListTest, ListsRegisterAndLeaveTheirOwner)
{
    FakeOwner owner;
    TChartValueList x(owner, "X");
    {
        TChartValueList y(owner, "Y");
        auto extra = std::make_unique<TChartValueList>(owner, "Z");
        ASSERT_EQ(owner.ValuesList().Count(), 3);
        EXPECT_EQ(&owner.ValuesList()[1], &y);
        extra.reset();
        EXPECT_EQ(owner.ValuesList().Count(), 2);
    }
    EXPECT_EQ(owner.ValuesList().Count(), 1);
    EXPECT_EQ(&owner.ValuesList()[0], &x);
    EXPECT_THROW(owner.ValuesList()[1], ListIndexException);
}

TEST(ValueListTest, BadIndexesRaiseBeforeAnythingChanges)
{
    FakeOwner owner;
    TChartValueList list(owner, "X");
    list.InsertAt(0, 1);
    list.InsertAt(1, 2);
    list.Highest();

    auto expectUnchanged = [&] {
        EXPECT_EQ(list.RawValues(), (std::vector<double>{1, 2}));
        EXPECT_FALSE(list.StatsDirty());
        EXPECT_TRUE(owner.notifications.empty());
    };
    struct Call
    {
        const char* what;
        int index;
        std::function<void()> call;
    };
    const std::vector<Call> calls{
        {"ValueAt", 2, [&] { list.ValueAt(2); }},
        {"ValueAt", -1, [&] { list.ValueAt(-1); }},
        {"SetValueAt", 2, [&] { list.SetValueAt(2, 0); }},
        {"RemoveAt", 5, [&] { list.RemoveAt(5); }},
        {"InsertAt", 3, [&] { list.InsertAt(3, 0); }},
        {"InsertAt", -1, [&] { list.InsertAt(-1, 0); }},
        {"Exchange", 2, [&] { list.Exchange(0, 2); }},
    };
    for (const Call& c : calls) {
        SCOPED_TRACE(c.what);
        try {
            c.call();
            ADD_FAILURE() << "no exception";
        } catch (const ListIndexException& e) {
            EXPECT_EQ(e.Index(), c.index);
            EXPECT_EQ(e.Message(),
                      QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(c.index));
        }
        expectUnchanged();
    }
}

TEST(ValueListTest, LastValueOfEmptyListRaisesForMinusOne)
{
    FakeOwner owner;
    TChartValueList list(owner, "X");
    try {
        list.LastValue();
        FAIL() << "no exception";
    } catch (const ListIndexException& e) {
        EXPECT_EQ(e.Message(), QString::fromUtf8("Listenindex überschreitet das Maximum (-1)"));
    }
}

TEST(ValueListSortTest, SortMovesWholePointsThroughOwner)
{
    FakeOwner owner;
    TChartValueList x(owner, "X");
    TChartValueList y(owner, "Y");
    for (double v : {30.0, 10.0, 20.0}) {
        x.InsertAt(x.ValueCount(), v);
        y.InsertAt(y.ValueCount(), v / 10);
    }
    owner.tags = {3, 1, 2};
    y.SetOrder(loDescending);
    y.SortByOrder();
    EXPECT_EQ(y.RawValues(), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(x.RawValues(), (std::vector<double>{30, 20, 10}));
    EXPECT_EQ(owner.tags, (std::vector<int>{3, 2, 1}));

    y.SetOrder(loNone);
    const int swaps = owner.swaps;
    y.SetOrder(loAscending);
    y.SetOrder(loNone);
    y.SortByOrder();
    EXPECT_EQ(owner.swaps, swaps);
}

TEST(ValueListSortTest, SortsRandomListsWithDuplicates)
{
    std::mt19937 random(42);
    for (int size : {0, 1, 2, 3, 5, 17, 100, 1000}) {
        for (TChartListOrder order : {loAscending, loDescending}) {
            SCOPED_TRACE(size);
            FakeOwner owner;
            TChartValueList list(owner, "Y");
            TChartValueList partner(owner, "P");
            std::uniform_int_distribution<int> value(0, size / 3 + 1);
            for (int i = 0; i < size; ++i) {
                const double v = value(random);
                list.InsertAt(i, v);
                partner.InsertAt(i, v * 10000 + i); // identifies the point
                owner.tags.push_back(i);
            }
            list.SetOrder(order);
            list.SortByOrder();

            std::vector<double> expected = list.RawValues();
            std::sort(expected.begin(), expected.end());
            if (order == loDescending)
                std::reverse(expected.begin(), expected.end());
            EXPECT_EQ(list.RawValues(), expected);
            for (int i = 0; i < size; ++i) {
                const double id = partner.ValueAt(i);
                ASSERT_EQ(std::floor(id / 10000), list.ValueAt(i));
                ASSERT_EQ(id - list.ValueAt(i) * 10000, owner.tags[std::size_t(i)]);
            }
        }
    }
}

} // namespace
