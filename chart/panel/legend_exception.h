#pragma once

#include "chart/canvas/exception.h"

#include <QCoreApplication>

// Raised by the legend for a property value it rejects; the property keeps
// its previous value.
class LegendException : public Exception
{
public:
    using Exception::Exception;

    static LegendException TopPosOutOfRange()
    {
        return LegendException(QCoreApplication::translate("LegendException", "Position der oberen Legende muß zwischen 0 und 100% liegen."));
    }
    static LegendException NegativeFirstValue()
    {
        return LegendException(QCoreApplication::translate("LegendException", "Erster Wert für Legende muß > 0 sein."));
    }
    static LegendException ColorWidthOutOfRange()
    {
        return LegendException(QCoreApplication::translate("LegendException", "Farbbreite für Legende muß zwischen 0 und 100% liegen."));
    }
};
