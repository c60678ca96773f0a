#include "app/chart_export.h"

#include "app/series_csv.h"
#include "chart/panel/chart.h"

#include <QImage>
#include <QSaveFile>

namespace ChartExport {
namespace {

// Writes through a temporary file that replaces the target only when complete.
template <typename WriteBody>
QString WriteWhole(const QString& path, WriteBody&& body)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write '%1': %2").arg(path, file.errorString());
    if (!body(file)) {
        file.cancelWriting();
        return QStringLiteral("cannot write '%1': %2").arg(path, file.errorString());
    }
    if (!file.commit())
        return QStringLiteral("cannot write '%1': %2").arg(path, file.errorString());
    return {};
}

} // namespace

QString WritePng(TChart& chart, const QString& path)
{
    QImage image(chart.size(), QImage::Format_RGB32);
    chart.DrawToImage(image);
    return WriteWhole(path, [&](QSaveFile& file) { return image.save(&file, "PNG"); });
}

QString WriteCsv(const TChart& chart, const QString& path)
{
    std::vector<const TChartSeries*> series;
    for (int i = 0; i < chart.SeriesTotal(); ++i)
        series.push_back(&chart.SeriesAt(i));
    const QByteArray text = SeriesCsv(series);
    return WriteWhole(path, [&](QSaveFile& file) { return file.write(text) == text.size(); });
}

} // namespace ChartExport
