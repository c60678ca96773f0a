#pragma once

#include "chart/canvas/exception.h"

// Raised by the chart and its parts for a value they reject; the value is not
// stored.
class ChartException : public Exception
{
public:
    using Exception::Exception;

    static ChartException CircularDataSource()
    {
        return ChartException(QStringLiteral("Zirkuläre Reihenabhängigkeiten sind nicht zulässig."));
    }
    static ChartException NoParentChartForDataSource()
    {
        return ChartException(QStringLiteral("Kein ParentChart zum Validieren der Datenquelle"));
    }
    static ChartException InvalidDataSource(const QString& name)
    {
        return ChartException(QStringLiteral("Ungültige Datenquelle: %1").arg(name));
    }
    static ChartException SampleCountNotPositive()
    {
        return ChartException(QStringLiteral("FillSampleValues NumValues müssen > 0 sein."));
    }
    static ChartException NegativeMaxPointsPerPage()
    {
        return ChartException(QStringLiteral("MaxPointsPerPage muß >= 0 sein."));
    }
    static ChartException Chart3DPercentOutOfRange(int lowest, int highest)
    {
        return ChartException(QStringLiteral("Der Prozentsatz für 3D-Effekte muß zwischen %1 und %2 liegen")
                                  .arg(lowest)
                                  .arg(highest));
    }
    static ChartException AngleOutOfRange(const QString& description)
    {
        return ChartException(QStringLiteral("Der %1-Winkel muß zwischen 0 und 359 Grad liegen").arg(description));
    }
};
