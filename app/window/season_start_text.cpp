#include "app/window/season_start_text.h"

#include <QRegularExpression>

#include <array>

namespace SeasonStartText {
namespace {

const std::array<const char*, 12> MonthNames = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                                "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

std::optional<TSeasonStart> Checked(int month, int day)
{
    return TSeasonStart::IsValid(month, day) ? std::optional<TSeasonStart>(TSeasonStart{month, day}) : std::nullopt;
}

} // namespace

QString Of(const TSeasonStart& start)
{
    return QStringLiteral("%1. %2").arg(start.Day).arg(QString::fromUtf8(MonthNames[std::size_t(start.Month - 1)]));
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
        for (std::size_t m = 0; m < MonthNames.size(); ++m)
            if (match.captured(2).compare(QString::fromUtf8(MonthNames[m]), Qt::CaseInsensitive) == 0)
                return Checked(int(m) + 1, match.captured(1).toInt());
    return TSeasonStart::Parse(text);
}

} // namespace SeasonStartText
