#pragma once

#include "chart/canvas/exception.h"

// Raised by an axis for a property value it rejects; the property keeps its
// previous value.
class AxisException : public Exception
{
public:
    using Exception::Exception;
};

// The axis' German messages.
namespace AxisMessages {
inline const QString LogarithmicDateTime = QStringLiteral("Eine Datum/Zeit-Achse darf nicht logarithmisch sein");
inline const QString LogarithmicNegative = QStringLiteral("Min.- und Max.-Werte von log. Achsen sollten >= 0 sein");
inline const QString NegativeSeparation = QStringLiteral("Titelseparation % muß größer als 0 sein");
inline const QString NegativeIncrement = QStringLiteral("Die Achsensteigung muß >= 0 sein");
inline const QString MinimumAboveMaximum = QStringLiteral("Der Minimalwert einer Achse muß <= Maximum sein");
inline const QString MaximumBelowMinimum = QStringLiteral("Der Maximalwert einer Achse muß >= Minimum sein");
inline const QString LogarithmicBase = QStringLiteral("Die logarithmische Basis der Achse sollte >= 2 sein");
// Description passed to the chart's angle check for label and title angles.
inline const QString LabelAngleDescription = QStringLiteral("Achsenbeschriftung");
} // namespace AxisMessages
