#include "app/year/year_goal.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

double TYearGoal::ValueOn(int day) const
{
    if (LastDay <= 1)
        return Goal;
    return Goal * double(day - 1) / double(LastDay - 1);
}

std::optional<double> TYearPace::ProjectedTotal() const
{
    if (LastRowDay < 1)
        return std::nullopt;
    return Total / double(LastRowDay) * double(DaysOfYear);
}

std::optional<double> TYearPace::NeededPerWeek(double goal) const
{
    const int daysLeft = DaysOfYear - LastRowDay;
    if (daysLeft <= 0)
        return std::nullopt;
    const double missing = goal - Total;
    return missing > 0 ? missing / (double(daysLeft) / 7.0) : 0.0;
}

bool IsUsableGoal(double goal)
{
    return std::isfinite(goal) && goal > 0;
}

QString GoalText(double goal)
{
    const bool whole = goal == std::floor(goal);
    QString text = QLocale().toString(goal, 'f', whole ? 0 : 2);
    if (!whole)
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
    return text;
}

std::optional<double> ParseYearGoal(const QString& text)
{
    QString number = text.trimmed();
    // "5.000" and "1.234,5" are how a German athlete writes thousands,
    // "5,000" and "1,234.5" how an English one does.
    static const QRegularExpression german(QStringLiteral("^[0-9]{1,3}(\\.[0-9]{3})+(,[0-9]*)?$"));
    static const QRegularExpression english(QStringLiteral("^[0-9]{1,3}(,[0-9]{3})+(\\.[0-9]*)?$"));
    const bool englishReader = QLocale().decimalPoint() == QStringLiteral(".");
    if (englishReader && english.match(number).hasMatch())
        number.remove(QLatin1Char(','));
    else if (!englishReader && german.match(number).hasMatch())
        number.remove(QLatin1Char('.'));
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double goal = number.toDouble(&ok);
    if (!ok || !IsUsableGoal(goal))
        return std::nullopt;
    return goal;
}
