#include "app/year/value_readout.h"

#include <QCoreApplication>

#include <cmath>

bool PressInsidePlotHeight(const TAxisReading& left, int y)
{
    return left.PixelStart + left.PixelLength - y >= 0;
}

std::optional<TReadoutValue> ReadoutAt(const TAxisReading& left, const TAxisReading& bottom, int x, int y)
{
    if (!PressInsidePlotHeight(left, y) || bottom.Maximum < 0)
        return std::nullopt;
    // An axis of no length maps every value to one pixel: no value can be read.
    if (left.PixelLength == 0 || bottom.PixelLength == 0)
        return std::nullopt;
    const int dy = left.PixelStart + left.PixelLength - y;
    const int dx = x - bottom.PixelStart;
    const float leftRange = float(left.Maximum - left.Minimum);
    const float bottomRange = float(bottom.Maximum - bottom.Minimum);
    TReadoutValue v;
    v.Y = leftRange / float(left.PixelLength) * float(dy) + float(left.Minimum);
    v.X = bottomRange / float(bottom.PixelLength) * float(dx) + float(bottom.Minimum);
    return v;
}

QString ReadoutValueText(float y, bool durationMetric, const QString& unit)
{
    // QString::asprintf formats numbers in the C locale: a point, whatever the machine's locale.
    const QByteArray u = unit.toUtf8();
    if (durationMetric) {
        const double scaled = double(y) * 60.0;
        // Truncated toward zero; a value beyond the int range shows its limit.
        const int minutes = !std::isfinite(scaled) ? 0
            : scaled >= 2147483647.0                ? 2147483647
            : scaled <= -2147483648.0               ? -2147483647 - 1
                                                    : int(scaled);
        return QString::asprintf("%4i:%02i %s", minutes / 60, minutes % 60, u.constData());
    }
    return QString::asprintf(y < 10 ? "%8.3f %s" : "%8.1f %s", double(y), u.constData());
}

std::optional<QString> ReadoutPanelText(int evalMode, float x, const QString& valueText)
{
    const QByteArray value = valueText.toUtf8();
    const QByteArray day = QCoreApplication::translate("ValueReadout", "Tag").toUtf8();
    switch (evalMode) {
    case 0:
    case 2:
    case 4: return QString::asprintf("%s %4.0f  = %s", day.constData(), double(x), value.constData());
    case 1: return QString::asprintf("%s %4.0f  > %s", day.constData(), double(x), value.constData());
    case 3:
    case 5: return QString::asprintf(" %s", value.constData());
    default: return std::nullopt;
    }
}

int ReadoutPanelLeft(int x, int panelWidth, int chartWidth)
{
    return x + panelWidth < chartWidth - 10 ? x : chartWidth - panelWidth - 10;
}
