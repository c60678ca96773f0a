// Our year chart next to the two chart libraries a user would choose
// instead, drawing the same scene in the same run: eight series with the
// points of our mode-0 chart, 7 x 7 square markers, a legend below the plot
// naming the eight years, no antialiasing, into an 831 x 553 RGB32 image. The peers are built in only when found
// (KALDORO_HAVE_QT_CHARTS, KALDORO_HAVE_QCUSTOMPLOT); the program itself
// never links them.

#include "qt_benchmark_main.h"
#include "bench/year_chart_scene.h"

#include "chart/canvas/chart_canvas3d.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>

#if KALDORO_HAVE_QT_CHARTS
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#endif

#if KALDORO_HAVE_QCUSTOMPLOT
#include <qcustomplot.h>
#endif

namespace {

using namespace YearChartScene;

constexpr int Mode = 0;
constexpr int Metric = 1;
constexpr int MarkerSize = 7;

QImage SceneImage()
{
    QImage image(ChartWidth, ChartHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Our chart, evaluated and painted once so that the axis ranges are known.
std::unique_ptr<TYearViewHost> EvaluatedForm()
{
    auto form = LoadedForm();
    Select(*form, Mode, Metric);
    form->Chart()->Repaint();
    return form;
}

// The scene every peer draws, taken from our chart once per run.
const TSceneData& Scene()
{
    static const TSceneData scene = CaptureScene(*EvaluatedForm()->Chart());
    return scene;
}

void SetSceneCounters(benchmark::State& state)
{
    state.counters["points"] = double(Scene().PointCount());
}

void BM_Kaldoro(benchmark::State& state)
{
    auto form = EvaluatedForm();
    TChart& chart = *form->Chart();
    for (auto _ : state)
        chart.Repaint();
    SetSceneCounters(state);
}
BENCHMARK(BM_Kaldoro)->Unit(benchmark::kMillisecond);

// The same paint without the legend: what the legend costs.
void BM_KaldoroWithoutLegend(benchmark::State& state)
{
    auto form = EvaluatedForm();
    TChart& chart = *form->Chart();
    chart.Legend()->SetVisible(false);
    for (auto _ : state)
        chart.Repaint();
    SetSceneCounters(state);
}
BENCHMARK(BM_KaldoroWithoutLegend)->Unit(benchmark::kMillisecond);

void BM_KaldoroDrawToImage(benchmark::State& state)
{
    auto form = EvaluatedForm();
    TChart& chart = *form->Chart();
    QImage image = SceneImage();
    for (auto _ : state)
        chart.DrawToImage(image);
    SetSceneCounters(state);
    SavePicture(image, QStringLiteral("peer_kaldoro"));
}
BENCHMARK(BM_KaldoroDrawToImage)->Unit(benchmark::kMillisecond);

// Our chart labels the left axis about every 200 units (some thirty
// labels and dotted grid lines); the peers choose five to eight. This
// variant steps the left axis by 1000 for a like-for-like text and grid load.
void BM_KaldoroPeerLabelCount(benchmark::State& state)
{
    auto form = EvaluatedForm();
    TChart& chart = *form->Chart();
    chart.LeftAxis()->SetIncrement(1000);
    for (auto _ : state)
        chart.Repaint();
    SetSceneCounters(state);
    SavePicture(static_cast<TChartCanvas3D*>(chart.Canvas())->Buffer(), QStringLiteral("peer_kaldoro_labels"));
}
BENCHMARK(BM_KaldoroPeerLabelCount)->Unit(benchmark::kMillisecond);

#if KALDORO_HAVE_QT_CHARTS

// The chart of the Qt Charts scene: one QScatterSeries per year on two
// value axes, shown in a QChartView.
QChart* MakeChart()
{
    auto* chart = new QChart; // owned by the view
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setTitle(Scene().title);
    auto* xAxis = new QValueAxis;
    auto* yAxis = new QValueAxis;
    xAxis->setRange(Scene().xMinimum, Scene().xMaximum);
    yAxis->setRange(Scene().yMinimum, Scene().yMaximum);
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    for (const TYearPoints& year : Scene().years) {
        auto* series = new QScatterSeries;
        series->setName(year.name);
        series->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        series->setMarkerSize(MarkerSize);
        series->setColor(year.colour);
        series->setBorderColor(Qt::black);
        series->replace(QList<QPointF>(year.points.begin(), year.points.end()));
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
    return chart;
}

class TQtChartsScene
{
public:
    // The view owns the chart from its construction on (a chart set later
    // would leave the view's own default chart behind).
    TQtChartsScene() : view_(MakeChart())
    {
        view_.setRenderHint(QPainter::Antialiasing, false);
        view_.resize(ChartWidth, ChartHeight);
    }

    // A paint event of the view, redirected to the image (QWidget's render:
    // QGraphicsView's own overload draws the scene without the widget).
    void Render(QImage& image)
    {
        QWidget& widget = view_;
        widget.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }

private:
    QChartView view_;
};

void BM_QtCharts(benchmark::State& state)
{
    TQtChartsScene scene;
    QImage image = SceneImage();
    // The first render lays the hidden view out; the layout of the chart's
    // items then settles through posted events.
    scene.Render(image);
    QCoreApplication::processEvents();
    for (auto _ : state)
        scene.Render(image);
    SetSceneCounters(state);
    SavePicture(image, QStringLiteral("peer_qt_charts"));
}
BENCHMARK(BM_QtCharts)->Unit(benchmark::kMillisecond);

#endif

#if KALDORO_HAVE_QCUSTOMPLOT

// One QCPGraph per year, no lines, square scatter points.
class TQCustomPlotScene
{
public:
    TQCustomPlotScene()
    {
        plot_.resize(ChartWidth, ChartHeight);
        plot_.setNotAntialiasedElements(QCP::aeAll);
        plot_.setPlottingHint(QCP::phFastPolylines, true);
        plot_.plotLayout()->insertRow(0);
        plot_.plotLayout()->addElement(0, 0, new QCPTextElement(&plot_, Scene().title));
        plot_.xAxis->setRange(Scene().xMinimum, Scene().xMaximum);
        plot_.yAxis->setRange(Scene().yMinimum, Scene().yMaximum);
        PlaceLegendBelow();
        for (const TYearPoints& year : Scene().years) {
            QCPGraph* graph = plot_.addGraph();
            graph->setName(year.name);
            graph->setLineStyle(QCPGraph::lsNone);
            graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssSquare, QPen(Qt::black), QBrush(year.colour),
                                                   MarkerSize));
            graph->setAntialiased(false);
            graph->setAntialiasedScatters(false);
            QVector<double> keys;
            QVector<double> values;
            for (const QPointF& point : year.points) {
                keys << point.x();
                values << point.y();
            }
            graph->setData(keys, values, true);
        }
    }

    // A full draw of every layer onto the image (no layer buffers).
    void Render(QImage& image)
    {
        QCPPainter painter(&image);
        plot_.toPainter(&painter, ChartWidth, ChartHeight);
    }

private:
    // The legend in a row of its own below the plot, its items side by side.
    void PlaceLegendBelow()
    {
        plot_.legend->setVisible(true);
        plot_.legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
        auto* row = new QCPLayoutGrid; // owned by the plot layout
        plot_.plotLayout()->addElement(plot_.plotLayout()->rowCount(), 0, row);
        row->addElement(0, 0, plot_.legend);
        plot_.plotLayout()->setRowStretchFactor(plot_.plotLayout()->rowCount() - 1, 0.001);
    }

    QCustomPlot plot_;
};

void BM_QCustomPlot(benchmark::State& state)
{
    TQCustomPlotScene scene;
    QImage image = SceneImage();
    scene.Render(image);
    for (auto _ : state)
        scene.Render(image);
    SetSceneCounters(state);
    SavePicture(image, QStringLiteral("peer_qcustomplot"));
}
BENCHMARK(BM_QCustomPlot)->Unit(benchmark::kMillisecond);

#endif

} // namespace

int main(int argc, char** argv)
{
    // A peer whose packages were missing at configure time is silently not
    // compiled in; say so, or a run looks complete when it is not.
    return RunQtBenchmarks(argc, argv, [] {
        if (!KALDORO_HAVE_QT_CHARTS)
            std::fprintf(stderr, "peer missing: Qt Charts (install qt6-charts-dev and libqt6opengl6-dev)\n");
        if (!KALDORO_HAVE_QCUSTOMPLOT)
            std::fprintf(stderr, "peer missing: QCustomPlot (install libqcustomplot-dev and libqcustomplot2.1-qt6)\n");
        return true;
    });
}
