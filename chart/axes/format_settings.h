#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// The separators, default formats and calendar names that number and
// date-time texts are made with. The chart formats with the settings of
// the program's language (German unless it chooses another), whatever the
// machine's locale is: a chart then reads the same on every computer.
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

// The settings the chart's labels are made with: German until the program
// chooses others. settings must live as long as the program.
const TFormatSettings& ShownFormatSettings();
void SetShownFormatSettings(const TFormatSettings& settings);
