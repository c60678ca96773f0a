#include "app/window/season_start_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>

namespace SeasonStartText {
namespace {

const std::array<const char*, 12> MonthNames = {
    QT_TRANSLATE_NOOP("SeasonStartText", "Januar"),    QT_TRANSLATE_NOOP("SeasonStartText", "Februar"),
    QT_TRANSLATE_NOOP("SeasonStartText", "März"),      QT_TRANSLATE_NOOP("SeasonStartText", "April"),
    QT_TRANSLATE_NOOP("SeasonStartText", "Mai"),       QT_TRANSLATE_NOOP("SeasonStartText", "Juni"),
    QT_TRANSLATE_NOOP("SeasonStartText", "Juli"),      QT_TRANSLATE_NOOP("SeasonStartText", "August"),
    QT_TRANSLATE_NOOP("SeasonStartText", "September"), QT_TRANSLATE_NOOP("SeasonStartText", "Oktober"),
    QT_TRANSLATE_NOOP("SeasonStartText", "November"),  QT_TRANSLATE_NOOP("SeasonStartText", "Dezember")};

QString MonthName(std::size_t month) { return QCoreApplication::translate("SeasonStartText", MonthNames[month]); }

// The month named in the window's language or in German; none for another word.
std::optional<int> MonthNamed(const QString& name)
{
    for (std::size_t m = 0; m < MonthNames.size(); ++m)
        if (name.compare(MonthName(m), Qt::CaseInsensitive) == 0
            || name.compare(QString::fromUtf8(MonthNames[m]), Qt::CaseInsensitive) == 0)
            return int(m) + 1;
    return std::nullopt;
}

std::optional<TSeasonStart> Checked(int month, int day)
{
    return TSeasonStart::IsValid(month, day) ? std::optional<TSeasonStart>(TSeasonStart{month, day}) : std::nullopt;
}

} // namespace

QString Of(const TSeasonStart& start)
{
    // "1. Januar", "January 1".
    return QCoreApplication::translate("SeasonStartText", "%1. %2")
        .arg(start.Day)
        .arg(MonthName(std::size_t(start.Month - 1)));
}

QStringList CommonStarts()
{
    return {Of({1, 1}), Of({9, 1}), Of({10, 1}), Of({11, 1})};
}

std::optional<TSeasonStart> Parse(const QString& typed)
{
    const QString text = typed.trimmed();
    static const QRegularExpression numeric(QStringLiteral("^([0-9]{1,2})\\.([0-9]{1,2})\\.?$"));
    if (const QRegularExpressionMatch match = numeric.match(text); match.hasMatch())
        return Checked(match.captured(2).toInt(), match.captured(1).toInt());
    static const QRegularExpression named(QStringLiteral("^([0-9]{1,2})\\.?\\s*(\\S+)$"));
    if (const QRegularExpressionMatch match = named.match(text); match.hasMatch())
        if (const std::optional<int> month = MonthNamed(match.captured(2)))
            return Checked(*month, match.captured(1).toInt());
    static const QRegularExpression monthFirst(QStringLiteral("^(\\S+)\\s+([0-9]{1,2})$"));
    if (const QRegularExpressionMatch match = monthFirst.match(text); match.hasMatch())
        if (const std::optional<int> month = MonthNamed(match.captured(1)))
            return Checked(*month, match.captured(2).toInt());
    return TSeasonStart::Parse(text);
}

} // namespace SeasonStartText
