// The texts of a series' marks: what each mark style shows of a point.

#include "chart/canvas/canvas3d.h"
#include "chart/series/chart_series.h"
#include "chart/series/series_host.h"

#include <algorithm>

namespace {

QString Formatted(const TChartSeries& series, const QString& picture, double value)
{
    if (const TSeriesHost* chart = series.ParentChart())
        return chart->FormatValue(picture, value);
    // Outside a chart there is no number format to follow; plain digits
    // still say which value it is.
    return QString::number(value, 'g', 15);
}

// A point's share of the absolute sum of the main list, in percent. With
// nothing to share every point counts as the whole.
double Percent(const TChartSeries& series, int index)
{
    const double sum = series.MainValueList().AbsoluteSum();
    return sum == 0 ? 100 : series.ValueForMark(index) * 100 / sum;
}

// Two parts of a mark separated by one blank; a missing label leaves no
// stray blank at the edge of the mark.
QString Joined(const QString& first, const QString& second)
{
    if (first.isEmpty())
        return second;
    if (second.isEmpty())
        return first;
    return first + u' ' + second;
}

QString ValueText(const TChartSeries& series, int index)
{
    return Formatted(series, series.ValueFormat(), series.ValueForMark(index));
}

QString PercentText(const TChartSeries& series, int index)
{
    return Formatted(series, series.PercentFormat(), Percent(series, index));
}

QString PercentTotalText(const TChartSeries& series, int index)
{
    const QString total = Formatted(series, series.ValueFormat(), series.MainValueList().AbsoluteSum());
    return QStringLiteral("%1 von %2").arg(PercentText(series, index), total);
}

QString XValueText(const TChartSeries& series, int index)
{
    const double x = series.PointX(index);
    if (const TSeriesAxis* axis = series.BoundHorizAxis())
        return axis->LabelValue(x);
    return Formatted(series, series.ValueFormat(), x);
}

QString LabelOrValue(const TChartSeries& series, int index)
{
    const QString label = series.PointLabel(index);
    return label.isEmpty() ? ValueText(series, index) : label;
}

QString StyledText(const TChartSeries& series, int index, TLegendTextStyle legendStyle)
{
    switch (series.Marks().Style()) {
    case smsValue: return ValueText(series, index);
    case smsPercent: return PercentText(series, index);
    case smsLabel: return LabelOrValue(series, index);
    case smsLabelPercent: return Joined(series.PointLabel(index), PercentText(series, index));
    case smsLabelValue: return Joined(series.PointLabel(index), ValueText(series, index));
    case smsLegend: return series.LegendItemText(index, legendStyle);
    case smsPercentTotal: return PercentTotalText(series, index);
    case smsLabelPercentTotal: return Joined(series.PointLabel(index), PercentTotalText(series, index));
    case smsXValue: return XValueText(series, index);
    }
    return {};
}

} // namespace

QString TChartSeries::MarkText(int index) const
{
    // The point's text as the chart's legend writes it, for the legend style.
    return MarkTextIn(index, parentChart_ ? parentChart_->LegendTextStyle() : ltsLeftValue);
}

QString TChartSeries::MarkTextIn(int index, TLegendTextStyle legendStyle) const
{
    QString text = StyledText(*this, index, legendStyle);
    if (OnGetMarkText)
        OnGetMarkText(*this, index, text);
    return text;
}

int TChartSeries::WidestMark() const
{
    const TCanvas3D* canvas = parentChart_ ? parentChart_->Canvas() : nullptr;
    if (!canvas)
        return 0;
    int widest = 0;
    for (int i = 0; i < PointCount(); ++i)
        widest = std::max(widest, TSeriesMarks::TextWidth(*canvas, MarkText(i)));
    return widest;
}
