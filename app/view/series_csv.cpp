#include "app/view/series_csv.h"

#include "chart/series/chart_series.h"

#include <charconv>

namespace {

void AppendNumber(QByteArray& out, double value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, static_cast<qsizetype>(result.ptr - text));
}

} // namespace

QByteArray SeriesCsv(const std::vector<const TChartSeries*>& series)
{
    QByteArray out;
    for (std::size_t index = 0; index < series.size(); ++index) {
        const TChartSeries& s = *series[index];
        const QByteArray title = index == 0 ? QByteArray() : s.Title().toUtf8();
        for (int i = 0; i < s.PointCount(); ++i) {
            out.append(QByteArray::number(qulonglong(index))).append(';').append(title).append(';');
            AppendNumber(out, s.PointX(i));
            out.append(';');
            AppendNumber(out, s.PointY(i));
            out.append(';').append(s.PointLabel(i).toUtf8()).append('\n');
        }
    }
    return out;
}
