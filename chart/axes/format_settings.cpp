#include "chart/axes/format_settings.h"

const TFormatSettings& GermanFormatSettings()
{
    static const TFormatSettings settings{
        QChar(','),
        QChar('.'),
        QChar('.'),
        QChar(':'),
        QStringLiteral("dd.MM.yyyy"),
        QStringLiteral("dddd, d. MMMM yyyy"),
        QStringLiteral("hh:nn"),
        QStringLiteral("hh:nn:ss"),
        QString(),
        QString(),
        {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mrz"), QStringLiteral("Apr"),
         QStringLiteral("Mai"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
         QStringLiteral("Sep"), QStringLiteral("Okt"), QStringLiteral("Nov"), QStringLiteral("Dez")},
        {QStringLiteral("Januar"), QStringLiteral("Februar"), QStringLiteral("März"), QStringLiteral("April"),
         QStringLiteral("Mai"), QStringLiteral("Juni"), QStringLiteral("Juli"), QStringLiteral("August"),
         QStringLiteral("September"), QStringLiteral("Oktober"), QStringLiteral("November"),
         QStringLiteral("Dezember")},
        {QStringLiteral("So"), QStringLiteral("Mo"), QStringLiteral("Di"), QStringLiteral("Mi"),
         QStringLiteral("Do"), QStringLiteral("Fr"), QStringLiteral("Sa")},
        {QStringLiteral("Sonntag"), QStringLiteral("Montag"), QStringLiteral("Dienstag"),
         QStringLiteral("Mittwoch"), QStringLiteral("Donnerstag"), QStringLiteral("Freitag"),
         QStringLiteral("Samstag")},
    };
    return settings;
}

const TFormatSettings& PlainFormatSettings()
{
    static const TFormatSettings settings{
        QChar('.'),
        QChar(','),
        QChar('/'),
        QChar(':'),
        QStringLiteral("MM/dd/yyyy"),
        QStringLiteral("dddd, MMMM d, yyyy"),
        QStringLiteral("hh:nn"),
        QStringLiteral("hh:nn:ss"),
        QStringLiteral("AM"),
        QStringLiteral("PM"),
        {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
         QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
         QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")},
        {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
         QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"), QStringLiteral("July"),
         QStringLiteral("August"), QStringLiteral("September"), QStringLiteral("October"),
         QStringLiteral("November"), QStringLiteral("December")},
        {QStringLiteral("Sun"), QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
         QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat")},
        {QStringLiteral("Sunday"), QStringLiteral("Monday"), QStringLiteral("Tuesday"),
         QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
         QStringLiteral("Saturday")},
    };
    return settings;
}

namespace {

const TFormatSettings* shownSettings = nullptr;

} // namespace

const TFormatSettings& ShownFormatSettings()
{
    return shownSettings ? *shownSettings : GermanFormatSettings();
}

void SetShownFormatSettings(const TFormatSettings& settings)
{
    shownSettings = &settings;
}
