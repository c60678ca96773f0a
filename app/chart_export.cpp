#include "app/chart_export.h"

#include "app/series_csv.h"
#include "app/whole_file.h"
#include "chart/panel/chart.h"

namespace ChartExport {

QString WriteCsv(const TChart& chart, const QString& path)
{
    std::vector<const TChartSeries*> series;
    for (int i = 0; i < chart.SeriesTotal(); ++i)
        series.push_back(&chart.SeriesAt(i));
    const QByteArray text = SeriesCsv(series);
    return WriteWholeFile(path, [&](QSaveFile& file) { return file.write(text) == text.size(); });
}

} // namespace ChartExport
