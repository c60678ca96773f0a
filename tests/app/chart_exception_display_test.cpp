#include "app/application.h"
#include "app/main_form.h"
#include "chart/canvas/exception.h"
#include "chart/panel/chart.h"

#include <QTest>

#include <gtest/gtest.h>

// An error thrown inside the chart's mouse handling reaches the
// application's exception display and goes no further.
TEST(ChartExceptionDisplay, MouseHandlerErrorIsShownByTheApplication)
{
    auto* app = static_cast<TApplication*>(QCoreApplication::instance());
    std::vector<QString> shown;
    app->OnShowException = [&](const QString& message) { shown.push_back(message); };
    TForm1 form;
    TChart& chart = *form.Chart();
    chart.show();
    chart.Repaint();
    chart.OnMouseDown = [](TCustomChartPanel&, TMouseButton, TShiftState, int, int) {
        throw Exception(QStringLiteral("Die Achse ist kaputt"));
    };
    QTest::mousePress(&chart, Qt::LeftButton, {}, {300, 200});
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {300, 200});
    app->OnShowException = nullptr;
    EXPECT_EQ(shown, std::vector<QString>{QStringLiteral("Die Achse ist kaputt")});
}
