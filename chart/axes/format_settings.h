#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// The separators, default formats and calendar names that number and
// date-time texts are made with. The program shows German texts, so the
// chart formats with German settings whatever the machine's locale is:
// a chart then reads the same on every computer.
struct TFormatSettings
{
    QChar DecimalSeparator;
    QChar ThousandSeparator;
    QChar DateSeparator;
    QChar TimeSeparator;
    QString ShortDateFormat;
    QString LongDateFormat;
    QString ShortTimeFormat;
    QString LongTimeFormat;
    QString TimeAmString;
    QString TimePmString;
    QStringList ShortMonthNames; // 12 entries, January first
    QStringList LongMonthNames;
    QStringList ShortDayNames; // 7 entries, Sunday first
    QStringList LongDayNames;
};

// German: "1.234,5", "31.12.2011", "14:05".
const TFormatSettings& GermanFormatSettings();
// The separators and formats of the C locale: "1,234.5", "12/31/2011".
const TFormatSettings& PlainFormatSettings();
