#pragma once

#include "chart/canvas/exception.h"

#include <QCoreApplication>

// Raised by an axis for a property value it rejects; the property keeps its
// previous value.
class AxisException : public Exception
{
public:
    using Exception::Exception;
    // One of AxisMessages, in the installed language.
    explicit AxisException(const char* message)
        : Exception(QCoreApplication::translate("AxisException", message))
    {
    }
};

// The axis' German messages, translated when thrown.
namespace AxisMessages {
inline constexpr const char* LogarithmicDateTime = QT_TRANSLATE_NOOP("AxisException", "Eine Datum/Zeit-Achse darf nicht logarithmisch sein");
inline constexpr const char* LogarithmicNegative = QT_TRANSLATE_NOOP("AxisException", "Min.- und Max.-Werte von log. Achsen sollten >= 0 sein");
inline constexpr const char* NegativeSeparation = QT_TRANSLATE_NOOP("AxisException", "Titelseparation % muß größer als 0 sein");
inline constexpr const char* NegativeIncrement = QT_TRANSLATE_NOOP("AxisException", "Die Achsensteigung muß >= 0 sein");
inline constexpr const char* MinimumAboveMaximum = QT_TRANSLATE_NOOP("AxisException", "Der Minimalwert einer Achse muß <= Maximum sein");
inline constexpr const char* MaximumBelowMinimum = QT_TRANSLATE_NOOP("AxisException", "Der Maximalwert einer Achse muß >= Minimum sein");
inline constexpr const char* LogarithmicBase = QT_TRANSLATE_NOOP("AxisException", "Die logarithmische Basis der Achse sollte >= 2 sein");
// Description passed to the chart's angle check for label and title angles.
inline constexpr const char* LabelAngleDescription = QT_TRANSLATE_NOOP("AxisException", "Achsenbeschriftung");
} // namespace AxisMessages
