#include "app/window/application.h"
#include "app/window/main_form.h"
#include "chart/axes/axis_exception.h"
#include "chart/canvas/exception.h"
#include "chart/panel/chart.h"
#include "chart/panel/legend_exception.h"
#include "chart/series/chart_series.h"

#include <QComboBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Collects what the application's exception display would show.
class ShownErrors
{
public:
    ShownErrors() : app_(static_cast<TApplication*>(QCoreApplication::instance()))
    {
        app_->OnShowException = [this](const QString& message) { shown.push_back(message); };
    }
    ~ShownErrors() { app_->OnShowException = nullptr; }
    std::vector<QString> shown;

private:
    TApplication* app_;
};

const QString SampleDir = QStringLiteral(KALDORO_SOURCE_DIR "/samples/");

// The load dialog: throws while `failing`, else answers with two samples.
class FailingDialog : public TOpenFileDialog
{
public:
    explicit FailingDialog(const bool& failing) : failing_(failing) {}
    std::optional<QStringList> Execute(QWidget*, const QString&) override
    {
        if (failing_)
            throw Exception(QStringLiteral("Dateiauswahl nicht möglich"));
        return QStringList{SampleDir + QStringLiteral("2011.csv"), SampleDir + QStringLiteral("2012.csv")};
    }

private:
    const bool& failing_;
};

int YearsDrawn(const TChart& chart)
{
    int years = 0;
    for (int s = 1; s < chart.SeriesTotal(); ++s)
        years += chart.SeriesAt(s).PointCount() > 0 ? 1 : 0;
    return years;
}

} // namespace

// An error thrown inside the chart's mouse handling reaches the
// application's exception display and goes no further.
TEST(ChartExceptionDisplay, MouseHandlerErrorIsShownByTheApplication)
{
    ShownErrors errors;
    TForm1 form;
    TChart& chart = *form.Chart();
    chart.show();
    chart.Repaint();
    chart.OnMouseDown = [](TCustomChartPanel&, TMouseButton, TShiftState, int, int) {
        throw Exception(QStringLiteral("Die Achse ist kaputt"));
    };
    QTest::mousePress(&chart, Qt::LeftButton, {}, {300, 200});
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {300, 200});
    EXPECT_EQ(errors.shown, std::vector<QString>{QStringLiteral("Die Achse ist kaputt")});
}

// Each kind of failure inside a handler of the real window: it is caught
// where the handler starts (the triggers call the handlers the way Qt
// would, but outside Qt's event delivery, so anything that got past the
// boundary would reach the test), shown once, and the window then draws a
// next evaluation as usual.
struct HandlerFailure
{
    const char* name;
    // Makes the window fail in the handler; the flag turns the failure off.
    std::function<void(TForm1& form, bool& failing)> breakWindow;
    // Runs the handler as the user would.
    std::function<void(TForm1& form)> trigger;
    QString expected;
};

class ChartExceptionHandlers : public ::testing::TestWithParam<HandlerFailure>
{
};

TEST_P(ChartExceptionHandlers, FailureIsShownOnceAndTheWindowGoesOn)
{
    const HandlerFailure& failure = GetParam();
    ShownErrors errors;
    bool failing = true;
    TForm1 form(std::make_unique<FailingDialog>(failing));
    form.resize(TForm1::DesignWidth, TForm1::DesignHeight);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.LoadFiles({SampleDir + QStringLiteral("2011.csv"), SampleDir + QStringLiteral("2012.csv")});
    ASSERT_TRUE(form.SelectEvaluation(0, 0).isEmpty());
    form.Chart()->Repaint();
    ASSERT_TRUE(errors.shown.empty());

    failure.breakWindow(form, failing);
    EXPECT_NO_THROW(failure.trigger(form));
    // A failed paint is told once the paint is over.
    QCoreApplication::processEvents();
    EXPECT_EQ(errors.shown, std::vector<QString>{failure.expected});

    failing = false;
    if (!form.CB_Art()->isVisible())
        form.LOAD_JData()->click();
    ASSERT_TRUE(form.SelectEvaluation(3, 1).isEmpty());
    form.Chart()->Repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(errors.shown.size(), 1u);
    EXPECT_TRUE(form.Chart()->isVisible());
    EXPECT_EQ(YearsDrawn(*form.Chart()), 2);
}

INSTANTIATE_TEST_SUITE_P(
    KindsOfFailure, ChartExceptionHandlers,
    ::testing::Values(
        HandlerFailure{"AxisGivenAReversedRangeWhilePainting",
                       [](TForm1& form, bool& failing) {
                           TChart& chart = *form.Chart();
                           chart.OnBeforeDrawAxes = [&chart, &failing](TCustomChartPanel&) {
                               if (failing)
                                   chart.LeftAxis()->SetMinimum(chart.LeftAxis()->Maximum() + 1);
                           };
                       },
                       // A paint event, handed to the chart without Qt's delivery around it.
                       [](TForm1& form) {
                           form.Chart()->Invalidate();
                           QPaintEvent paint(form.Chart()->rect());
                           static_cast<QObject*>(form.Chart())->event(&paint);
                       },
                       AxisMessages::MinimumAboveMaximum},
        HandlerFailure{"AxisGivenAReversedRangeWhileAListChanges",
                       [](TForm1& form, bool& failing) {
                           TChart& chart = *form.Chart();
                           chart.SeriesAt(1).OnClearValues = [&chart, &failing](TChartSeries&) {
                               if (failing)
                                   chart.BottomAxis()->SetMaximum(chart.BottomAxis()->Minimum() - 1);
                           };
                       },
                       [](TForm1& form) { form.CB_Art()->setCurrentIndex(2); }, AxisMessages::MaximumBelowMinimum},
        HandlerFailure{"LegendGivenABadValueOnAPress",
                       [](TForm1& form, bool& failing) {
                           TChart& chart = *form.Chart();
                           chart.OnClickBackground = [&chart, &failing](TCustomChartPanel&, TMouseButton,
                                                                        TShiftState, int, int) {
                               if (failing)
                                   chart.Legend()->SetTopPos(101);
                           };
                       },
                       // A press on no part of the chart is a click on its background.
                       [](TForm1& form) {
                           QTest::mousePress(form.Chart(), Qt::LeftButton, {}, {1, 1});
                           QTest::mouseRelease(form.Chart(), Qt::LeftButton, {}, {1, 1});
                       },
                       LegendException::TopPosOutOfRange().Message()},
        HandlerFailure{"LoadDialogFails", [](TForm1&, bool&) {},
                       [](TForm1& form) { form.LOAD_JData()->click(); },
                       QStringLiteral("Dateiauswahl nicht möglich")}),
    [](const ::testing::TestParamInfo<HandlerFailure>& info) { return std::string(info.param.name); });
