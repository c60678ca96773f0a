#pragma once

#include "chart/axes/format_settings.h"

#include <QDate>
#include <QString>

// Date-time values are day counts with the time of day as their fraction;
// day 0 is 30 December 1899 (so 1 January 1900 is day 2).
QDate DateOfDays(double value);
double DaysOfDate(const QDate& date);

// Formats a date-time value. Letters are not case sensitive:
//   d dd        day of month, without / with leading zero
//   ddd dddd    short / long day name
//   ddddd dddddd  short / long date format
//   m mm        month (minutes right after an hour or before seconds)
//   mmm mmmm    short / long month name
//   yy yyyy     year in two / four digits
//   h hh        hour (12-hour clock when am/pm follows in the format)
//   n nn        minutes;  s ss  seconds;  z zzz  milliseconds
//   t tt        short / long time format;  c  short date and long time
//   am/pm a/p ampm  the half of the day
//   /  :        the date and time separators
//   "x" 'x'     literal text; any other character is copied.
// An empty format gives "c".
QString FormatDateTime(const QString& format, double value,
                       const TFormatSettings& settings = ShownFormatSettings());
