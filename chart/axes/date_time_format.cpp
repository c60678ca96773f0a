#include "chart/axes/date_time_format.h"

#include <cmath>

namespace {

const QDate kDayZero(1899, 12, 30);
constexpr qint64 kMsPerDay = 86400000;

// The broken-down parts of one value.
struct TDateTimeParts
{
    QDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
};

TDateTimeParts Split(double value)
{
    double day = std::floor(value);
    qint64 ms = std::llround((value - day) * kMsPerDay);
    if (ms >= kMsPerDay) {
        day += 1;
        ms -= kMsPerDay;
    }
    TDateTimeParts p;
    p.date = kDayZero.addDays(qint64(day));
    p.hour = int(ms / 3600000);
    p.minute = int(ms / 60000 % 60);
    p.second = int(ms / 1000 % 60);
    p.msec = int(ms % 1000);
    return p;
}

QString Padded(int v, int width) { return QString::number(v).rightJustified(width, u'0'); }

// Counts how often c repeats at position i (case-insensitive).
int RunLength(const QString& f, qsizetype i, QChar c)
{
    int n = 0;
    while (i + n < f.size() && f[i + n].toLower() == c)
        ++n;
    return n;
}

bool StartsWithAt(const QString& f, qsizetype i, const QString& word)
{
    return f.mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// Whether the format shows the half of the day (then hours run 1..12).
bool UsesTwelveHours(const QString& f)
{
    return f.contains(QStringLiteral("am/pm"), Qt::CaseInsensitive)
           || f.contains(QStringLiteral("a/p"), Qt::CaseInsensitive)
           || f.contains(QStringLiteral("ampm"), Qt::CaseInsensitive);
}

// Whether the next letter token after position i is a seconds field.
bool SecondsFollow(const QString& f, qsizetype i)
{
    for (; i < f.size(); ++i) {
        const QChar c = f[i].toLower();
        if (c.isLetter())
            return c == u's';
    }
    return false;
}

class TDateTimeWriter
{
public:
    TDateTimeWriter(const TFormatSettings& s, const TDateTimeParts& p, bool twelve)
        : s_(s), p_(p), twelve_(twelve)
    {
    }

    QString Write(const QString& f, int depth = 0);

private:
    qsizetype Token(const QString& f, qsizetype i, int depth);
    qsizetype Quoted(const QString& f, qsizetype i);
    int AmPm(const QString& f, qsizetype i);
    int Field(const QString& f, qsizetype i, QChar c, int depth);
    void Nested(const QString& format, int depth);
    int Day(int n, int depth);
    int Hour(int n);
    void DateAndTime(int depth);
    void Month(int n);
    void Minute(int n) { out_ += Padded(p_.minute, n >= 2 ? 2 : 1); }

    const TFormatSettings& s_;
    const TDateTimeParts& p_;
    bool twelve_;
    QString out_;
    bool afterHour_ = false;
};

QString TDateTimeWriter::Write(const QString& f, int depth)
{
    for (qsizetype i = 0; i < f.size();)
        i = Token(f, i, depth);
    return out_;
}

void TDateTimeWriter::Month(int n)
{
    const int m = p_.date.month();
    if (n >= 4)
        out_ += s_.LongMonthNames.value(m - 1);
    else if (n == 3)
        out_ += s_.ShortMonthNames.value(m - 1);
    else
        out_ += Padded(m, n);
}

// Writes the token at i and returns the index after it.
qsizetype TDateTimeWriter::Token(const QString& f, qsizetype i, int depth)
{
    const QChar c = f[i].toLower();
    if (c == u'"' || c == u'\'')
        return Quoted(f, i);
    int n = AmPm(f, i);
    if (n == 0)
        n = Field(f, i, c, depth);
    // A minute field directly after an hour field (separators between).
    if (c == u'h')
        afterHour_ = true;
    else if (c.isLetter())
        afterHour_ = false;
    return i + n;
}

// Text between quotes is copied as it stands; returns the index after it.
qsizetype TDateTimeWriter::Quoted(const QString& f, qsizetype i)
{
    const qsizetype end = f.indexOf(f[i], i + 1);
    const qsizetype stop = end < 0 ? f.size() : end;
    out_ += f.mid(i + 1, stop - i - 1);
    return stop + 1;
}

// The morning/afternoon markers; returns their length, 0 when none starts at i.
int TDateTimeWriter::AmPm(const QString& f, qsizetype i)
{
    const bool morning = p_.hour < 12;
    if (StartsWithAt(f, i, QStringLiteral("am/pm"))) {
        out_ += morning ? QStringLiteral("am") : QStringLiteral("pm");
        return 5;
    }
    if (StartsWithAt(f, i, QStringLiteral("a/p"))) {
        out_ += morning ? QStringLiteral("a") : QStringLiteral("p");
        return 3;
    }
    if (StartsWithAt(f, i, QStringLiteral("ampm"))) {
        out_ += morning ? s_.TimeAmString : s_.TimePmString;
        return 4;
    }
    return 0;
}

// Nested formats (the short date inside "c" ...) go one level deep only.
void TDateTimeWriter::Nested(const QString& format, int depth)
{
    if (depth < 2)
        Write(format, depth + 1);
}

// Writes the field of letter c that starts at i; returns its length.
int TDateTimeWriter::Field(const QString& f, qsizetype i, QChar c, int depth)
{
    switch (c.unicode()) {
    case u'd': return Day(RunLength(f, i, c), depth);
    case u'm': {
        const int n = RunLength(f, i, c);
        if (n <= 2 && (afterHour_ || SecondsFollow(f, i + n)))
            Minute(n);
        else
            Month(n);
        return n;
    }
    case u'y': {
        const int n = RunLength(f, i, c);
        out_ += n <= 2 ? Padded(p_.date.year() % 100, 2) : Padded(p_.date.year(), 4);
        return n;
    }
    case u'h': return Hour(RunLength(f, i, c));
    case u'n': {
        const int n = RunLength(f, i, c);
        Minute(n);
        return n;
    }
    case u's': {
        const int n = RunLength(f, i, c);
        out_ += Padded(p_.second, n >= 2 ? 2 : 1);
        return n;
    }
    case u'z': {
        const int n = RunLength(f, i, c);
        out_ += Padded(p_.msec, n >= 3 ? 3 : 1);
        return n;
    }
    case u't': {
        const int n = RunLength(f, i, c);
        Nested(n >= 2 ? s_.LongTimeFormat : s_.ShortTimeFormat, depth);
        return n;
    }
    case u'c': DateAndTime(depth); return 1;
    case u'/': out_ += s_.DateSeparator; return 1;
    case u':': out_ += s_.TimeSeparator; return 1;
    default: out_ += f[i]; return 1;
    }
}

int TDateTimeWriter::Day(int n, int depth)
{
    if (n >= 6)
        Nested(s_.LongDateFormat, depth);
    else if (n == 5)
        Nested(s_.ShortDateFormat, depth);
    else if (n == 4)
        out_ += s_.LongDayNames.value(p_.date.dayOfWeek() % 7);
    else if (n == 3)
        out_ += s_.ShortDayNames.value(p_.date.dayOfWeek() % 7);
    else
        out_ += Padded(p_.date.day(), n);
    return n;
}

int TDateTimeWriter::Hour(int n)
{
    int h = p_.hour;
    if (twelve_)
        h = h % 12 == 0 ? 12 : h % 12;
    out_ += Padded(h, n >= 2 ? 2 : 1);
    return n;
}

// "c": the short date, then the long time unless the time is midnight.
void TDateTimeWriter::DateAndTime(int depth)
{
    Nested(s_.ShortDateFormat, depth);
    if (p_.hour || p_.minute || p_.second || p_.msec) {
        out_ += u' ';
        Nested(s_.LongTimeFormat, depth);
    }
}

} // namespace

QDate DateOfDays(double value) { return kDayZero.addDays(qint64(std::floor(value))); }

double DaysOfDate(const QDate& date) { return double(kDayZero.daysTo(date)); }

QString FormatDateTime(const QString& format, double value, const TFormatSettings& settings)
{
    if (!std::isfinite(value) || std::fabs(value) > 3e6)
        return QString();
    const QString f = format.isEmpty() ? QStringLiteral("c") : format;
    const TDateTimeParts parts = Split(value);
    return TDateTimeWriter(settings, parts, UsesTwelveHours(f)).Write(f);
}
