#include "app/year/evaluation_selection.h"

#include <gtest/gtest.h>

namespace {

const std::array<int, 5> SumColumns = {0, 1, 2, 3, 4};

TEvaluationRequest Resolve(int mode, TListChoice wahl, TListChoice kum = {0, QStringLiteral("Dauer    [Std]")},
                           TEvaluationState previous = {})
{
    return ResolveEvaluation({mode, QString()}, wahl, kum, SumColumns, previous);
}

TEST(EvaluationSelection, MetricFromTheMetricListForModesZeroToThree)
{
    const auto r = Resolve(2, {3, QStringLiteral("HF [1/min]")});
    EXPECT_EQ(r.state.EvalMode, 2);
    EXPECT_EQ(r.state.SelectedColumn, 4);
    EXPECT_FALSE(r.state.DurationMetric);
    EXPECT_EQ(r.state.UnitText, QStringLiteral("[1/min]"));
    EXPECT_EQ(r.chartTitle, QStringLiteral("HF [1/min]"));
    EXPECT_EQ(r.leftAxisTitle, QStringLiteral("HF [1/min]"));
    EXPECT_EQ(r.bringToFront, TMetricList::Wahl);
    EXPECT_EQ(r.bottomAxisTitle, QStringLiteral(" "));
    EXPECT_EQ(r.routine, TEvalMode::RunningMean);
}

TEST(EvaluationSelection, DurationTitlesGetHours)
{
    const auto r = Resolve(1, {0, QStringLiteral("Dauer [h]")});
    EXPECT_EQ(r.chartTitle, QStringLiteral("Dauer [h] [Std]"));
    EXPECT_EQ(r.state.UnitText, QStringLiteral("[h] [Std]"));
    EXPECT_TRUE(r.state.DurationMetric);
    EXPECT_EQ(r.bottomAxisTitle, QStringLiteral("TAGE"));
}

TEST(EvaluationSelection, CumulativeModesUseTheSumColumns)
{
    const std::array<int, 5> sums = {0, 1, 2, 3, 7};
    const auto tss = ResolveEvaluation({4, {}}, {2, "x"}, {4, QStringLiteral("TSS")}, sums, {});
    EXPECT_EQ(tss.state.SelectedColumn, 7);
    EXPECT_EQ(tss.state.UnitText, QStringLiteral(" "));
    EXPECT_EQ(tss.bottomAxisTitle, QStringLiteral("TAGE"));
    EXPECT_EQ(tss.bringToFront, TMetricList::Kum);
    EXPECT_EQ(tss.routine, TEvalMode::Cumulative);
    const auto hours = ResolveEvaluation({5, {}}, {2, "x"}, {0, QStringLiteral("Dauer    [Std]")}, sums, {});
    EXPECT_TRUE(hours.state.DurationMetric);
    EXPECT_EQ(hours.chartTitle, QStringLiteral("Dauer    [Std]")); // no second " [Std]"
    EXPECT_EQ(hours.state.UnitText, QStringLiteral("[Std]"));
    EXPECT_EQ(hours.bottomAxisTitle, QStringLiteral(" "));
}

TEST(EvaluationSelection, TypedTextsKeepTheChart)
{
    TEvaluationState previous;
    previous.SelectedColumn = 5;
    previous.DurationMetric = true;
    for (const auto& r : {Resolve(-1, {1, "a"}, {0, "b"}, previous), Resolve(4, {1, "a"}, {-1, "typed"}, previous),
                          Resolve(1, {-1, "Jahreswerte "}, {0, "b"}, previous)}) { // the initial text is no entry
        EXPECT_EQ(r.state.EvalMode, -1);
        EXPECT_EQ(r.state.SelectedColumn, 5);
        EXPECT_FALSE(r.state.DurationMetric);
        EXPECT_EQ(r.state.UnitText, QStringLiteral(" "));
        EXPECT_FALSE(r.routine.has_value());
        EXPECT_FALSE(r.chartTitle.has_value());
        EXPECT_FALSE(r.leftAxisTitle.has_value());
        EXPECT_EQ(r.bottomAxisTitle, QStringLiteral(" "));
    }
}

TEST(EvaluationSelection, LongTitlesAreKeptWhole)
{
    const QString title = QString(150, QLatin1Char('x')) + QStringLiteral(" [") + QString(40, QLatin1Char('u')) + "]";
    const auto r = Resolve(0, {0, title});
    EXPECT_EQ(r.chartTitle, title);
    EXPECT_EQ(r.state.UnitText.size(), 42);
}

} // namespace
