#pragma once

// The scene the year-chart benchmarks share: the year view with the bundled
// samples loaded twice (eight years, one per point series) drawing into its
// chart at 831 x 553, without the window. Header only: every bench/*.cpp is
// an executable of its own.

#include "support/year_view_host.h"
#include "chart/canvas/colour.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace YearChartScene {

constexpr int ChartWidth = 831;
constexpr int ChartHeight = 553;
constexpr int YearCount = 8;

// The four bundled samples, twice: eight files fill the eight year slots.
inline QStringList EightYearFiles()
{
    const QDir samples(QStringLiteral(KALDORO_SOURCE_DIR "/samples"));
    const QStringList names = samples.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    QStringList paths;
    for (int i = 0; i < YearCount && !names.isEmpty(); ++i)
        paths << samples.filePath(names[i % names.size()]);
    return paths;
}

// The view with eight years loaded and its chart at the benchmark size.
// Nothing has been evaluated yet. The chart stays hidden: it then paints
// into its buffer, and no window system takes part in the timing.
inline std::unique_ptr<TYearViewHost> LoadedForm()
{
    auto form = std::make_unique<TYearViewHost>();
    form->LoadFiles(EightYearFiles());
    form->Chart()->resize(ChartWidth, ChartHeight);
    return form;
}

// Picks mode and metric as one choice in the lists does: the view
// evaluates and binds the chart. The metric indexes the list the mode uses
// (the sums from mode 4 on).
inline void Select(TYearViewHost& form, int mode, int metric)
{
    form.SelectEvaluation(mode, metric);
}

// One year series as plain data: its colour, its legend name and its
// points in axis units.
struct TYearPoints
{
    QColor colour;
    std::vector<QPointF> points;
    QString name;
};

// What a peer library needs to draw the same picture as our chart.
struct TSceneData
{
    QString title;
    std::vector<TYearPoints> years;
    double xMinimum = 0;
    double xMaximum = 0;
    double yMinimum = 0;
    double yMaximum = 0;
    int PointCount() const
    {
        int count = 0;
        for (const TYearPoints& year : years)
            count += int(year.points.size());
        return count;
    }
};

// The year series' points and the axis ranges of the chart's last paint
// (the year series run along the hidden top axis).
inline TSceneData CaptureScene(const TChart& chart)
{
    TSceneData scene;
    scene.title = chart.Title().Text().join(QLatin1Char(' '));
    for (int i = 1; i <= YearCount; ++i) {
        const TChartSeries& series = chart.SeriesAt(i);
        TYearPoints year{ToQColor(series.SeriesColor()), {}, series.Title()};
        year.points.reserve(std::size_t(series.PointCount()));
        for (int j = 0; j < series.PointCount(); ++j)
            year.points.emplace_back(series.XValues().ValueAt(j), series.YValues().ValueAt(j));
        scene.years.push_back(std::move(year));
    }
    scene.xMinimum = chart.TopAxis()->Minimum();
    scene.xMaximum = chart.TopAxis()->Maximum();
    scene.yMinimum = chart.LeftAxis()->Minimum();
    scene.yMaximum = chart.LeftAxis()->Maximum();
    return scene;
}

// The directory named by KALDORO_BENCH_SAVE, where the benchmarks leave
// one picture of each scene for a look; empty when unset.
inline QString SaveDirectory()
{
    return qEnvironmentVariable("KALDORO_BENCH_SAVE");
}

inline void SavePicture(const QImage& image, const QString& name)
{
    if (const QString dir = SaveDirectory(); !dir.isEmpty())
        image.save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace YearChartScene
