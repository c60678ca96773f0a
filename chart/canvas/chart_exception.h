#pragma once

#include "chart/canvas/exception.h"

#include <QCoreApplication>

// Raised by the chart and its parts for a value they reject; the value is not
// stored.
class ChartException : public Exception
{
public:
    using Exception::Exception;

    static ChartException CircularDataSource()
    {
        return ChartException(QCoreApplication::translate("ChartException", "Zirkuläre Reihenabhängigkeiten sind nicht zulässig."));
    }
    static ChartException NoParentChartForDataSource()
    {
        return ChartException(QCoreApplication::translate("ChartException", "Kein ParentChart zum Validieren der Datenquelle"));
    }
    static ChartException InvalidDataSource(const QString& name)
    {
        return ChartException(QCoreApplication::translate("ChartException", "Ungültige Datenquelle: %1").arg(name));
    }
    static ChartException SampleCountNotPositive()
    {
        return ChartException(QCoreApplication::translate("ChartException", "FillSampleValues NumValues müssen > 0 sein."));
    }
    static ChartException NegativeMaxPointsPerPage()
    {
        return ChartException(QCoreApplication::translate("ChartException", "MaxPointsPerPage muß >= 0 sein."));
    }
    static ChartException Chart3DPercentOutOfRange(int lowest, int highest)
    {
        return ChartException(QCoreApplication::translate("ChartException", "Der Prozentsatz für 3D-Effekte muß zwischen %1 und %2 liegen")
                                  .arg(lowest)
                                  .arg(highest));
    }
    static ChartException AngleOutOfRange(const QString& description)
    {
        return ChartException(QCoreApplication::translate("ChartException", "Der %1-Winkel muß zwischen 0 und 359 Grad liegen").arg(description));
    }
};
