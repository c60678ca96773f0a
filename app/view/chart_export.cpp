#include "app/view/chart_export.h"

#include "app/view/series_csv.h"
#include "chart/panel/chart.h"

namespace ChartExport {

QByteArray Csv(const TChart& chart)
{
    std::vector<const TChartSeries*> series;
    for (int i = 0; i < chart.SeriesTotal(); ++i)
        series.push_back(&chart.SeriesAt(i));
    return SeriesCsv(series);
}

} // namespace ChartExport
