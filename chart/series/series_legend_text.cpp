// The legend text of one point, for legends that list the points of a
// series.

#include "chart/series/chart_series.h"
#include "chart/series/series_host.h"

namespace {

// Parts are joined by one blank; an empty part (a point without label)
// adds no blank.
QString Joined(const QString& first, const QString& second)
{
    if (first.isEmpty())
        return second;
    if (second.isEmpty())
        return first;
    return first + QLatin1Char(' ') + second;
}

} // namespace

QString TChartSeries::LegendItemText(int legendIndex, TLegendTextStyle style) const
{
    const QString label = PointLabel(legendIndex);
    if (style == ltsPlain)
        return label;
    const double value = ValueForMark(legendIndex);
    const auto format = [this](const QString& picture, double v) {
        return parentChart_ ? parentChart_->FormatValue(picture, v) : QString::number(v, 'g', 15);
    };
    switch (style) {
    case ltsLeftValue:
        return Joined(format(valueFormat_, value), label);
    case ltsRightValue:
        return Joined(label, format(valueFormat_, value));
    case ltsLeftPercent:
    case ltsRightPercent: {
        const double sum = MainValueList().AbsoluteSum();
        // All values zero: each point is the whole.
        const QString percent = format(percentFormat_, sum == 0 ? 100 : value * 100 / sum);
        return style == ltsLeftPercent ? Joined(percent, label) : Joined(label, percent);
    }
    case ltsXValue:
        if (const TSeriesAxis* axis = BoundHorizAxis())
            return axis->LabelValue(PointX(legendIndex));
        return format(valueFormat_, PointX(legendIndex));
    case ltsPlain:
        break;
    }
    return label;
}
