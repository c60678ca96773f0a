#include "app/cli/option_values.h"

#include "app/cli/option_names.h"
#include "app/year/year_evaluation.h"
#include "app/year/year_goal.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QRegularExpression>

#include <climits>
#include <utility>

namespace OptionValues {
namespace {

using namespace OptionNames;

std::optional<int> Number(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Exactly YYYY-MM-DD, and a day the calendar has.
QDate IsoDate(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    return form.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
}

// "2019-2024" or a single year "2021".
std::optional<std::pair<int, int>> YearRange(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() > 2)
        return std::nullopt;
    bool firstOk = false;
    bool lastOk = false;
    const int first = parts.front().toInt(&firstOk);
    const int last = parts.back().toInt(&lastOk);
    if (!firstOk || !lastOk || first < 1 || last > 9999 || first > last)
        return std::nullopt;
    return std::pair(first, last);
}

// Reads every value of the option with read, which returns a refusal or
// stores the value; the first refusal ends the reading.
template <typename Read>
QString ReadEach(const QCommandLineParser& parser, const QString& name, Read read)
{
    for (const QString& value : parser.values(name))
        if (QString error = read(value); !error.isEmpty())
            return error;
    return {};
}

// A whole number from low to high into target; message takes the value as its last argument.
QString ReadNumber(const QCommandLineParser& parser, const QString& name, int low, int high, const QString& message,
                   std::optional<int>& target)
{
    return ReadEach(parser, name, [&](const QString& value) {
        const auto number = Number(value);
        if (!number || *number < low || *number > high)
            return message.arg(value);
        target = number;
        return QString();
    });
}

QString ReadPictures(const QCommandLineParser& parser, TCommandLine& commandLine)
{
    const std::pair<const QString&, QString&> pictures[] = {{ExportPng, commandLine.exportPng},
                                                            {ExportSvg, commandLine.exportSvg},
                                                            {ExportPdf, commandLine.exportPdf}};
    for (const auto& [name, target] : pictures) {
        // Pictures are no text to mix into standard output with the points and the comparison.
        if (parser.values(name).contains(QStringLiteral("-")))
            return QStringLiteral("--%1 writes a file; '-' (standard output) is for --export-csv").arg(name);
        if (parser.isSet(name))
            target = parser.value(name);
    }
    std::optional<int> scale;
    const QString error = ReadNumber(parser, Scale, 1, 4, QStringLiteral("--scale takes a number from 1 to 4, not '%1'"),
                                     scale);
    commandLine.scale = scale.value_or(1);
    return error;
}

QString ReadToday(const QCommandLineParser& parser, TCommandLine& commandLine)
{
    return ReadEach(parser, Today, [&](const QString& value) {
        commandLine.today = IsoDate(value);
        return commandLine.today.isValid() ? QString()
                                           : QStringLiteral("--today takes a date YYYY-MM-DD, not '%1'").arg(value);
    });
}

// 29 February is refused: a season named by a common year would have no start.
QString ReadSeasonStart(const QCommandLineParser& parser, TCommandLine& commandLine)
{
    return ReadEach(parser, SeasonStart, [&](const QString& value) {
        commandLine.seasonStart = TSeasonStart::Parse(value);
        return commandLine.seasonStart
            ? QString()
            : QStringLiteral("--season-start takes a day MM-DD that every year has, such as 10-01, not '%1'").arg(value);
    });
}

// A number in the C locale, as scripts write it, and a goal there is to reach.
QString ReadGoal(const QCommandLineParser& parser, TCommandLine& commandLine)
{
    return ReadEach(parser, Goal, [&](const QString& value) {
        bool ok = false;
        const double goal = QLocale::c().toDouble(value.trimmed(), &ok);
        if (!ok || !IsUsableGoal(goal))
            return QStringLiteral("--goal takes a number above 0, not '%1'").arg(value);
        commandLine.goal = goal;
        return QString();
    });
}

QString ReadLanguage(const QCommandLineParser& parser, TCommandLine& commandLine)
{
    return ReadEach(parser, Lang, [&](const QString& value) {
        commandLine.language = UiLanguage::FromCode(value);
        return commandLine.language ? QString() : QStringLiteral("--lang takes de or en, not '%1'").arg(value);
    });
}

} // namespace

QString ReadImport(const QCommandLineParser& parser, TImportCommand& import)
{
    import.files = parser.values(Import);
    import.sports = parser.values(Sport);
    import.listSports = parser.isSet(ListSports);
    import.convertTo = parser.value(ConvertTo);
    QString error = ReadEach(parser, Column, [&](const QString& value) {
        QString refusal;
        if (const auto column = ColumnOverrides::Parse(value, refusal))
            import.columns.push_back(*column);
        return refusal;
    });
    if (error.isEmpty())
        error = ReadEach(parser, Years, [&](const QString& value) {
            import.years = YearRange(value);
            return import.years ? QString()
                                : QStringLiteral("--years takes a year or a range such as 2019-2024, not '%1'").arg(value);
        });
    return error;
}

QString ReadChart(const QCommandLineParser& parser, TCommandLine& commandLine)
{
    commandLine.files = parser.positionalArguments();
    commandLine.exportCsv = parser.value(ExportCsv);
    commandLine.help = parser.isSet(Help);
    commandLine.version = parser.isSet(Version);
    QString error = ReadNumber(parser, Mode, 0, EvalModeCount - 1,
                               QStringLiteral("--mode takes a number from 0 to %1, not '%2'").arg(EvalModeCount - 1),
                               commandLine.mode);
    if (error.isEmpty())
        error = ReadNumber(parser, Metric, 0, INT_MAX, QStringLiteral("--metric takes a number from 0 on, not '%1'"),
                           commandLine.metric);
    if (error.isEmpty())
        error = ReadPictures(parser, commandLine);
    if (error.isEmpty())
        error = ReadToday(parser, commandLine);
    if (error.isEmpty())
        error = ReadSeasonStart(parser, commandLine);
    if (error.isEmpty())
        error = ReadGoal(parser, commandLine);
    if (error.isEmpty())
        error = ReadLanguage(parser, commandLine);
    if (error.isEmpty())
        error = ReadNumber(parser, CompareAt, 1, 366,
                           QStringLiteral("--compare-at takes a day from 1 to 366, not '%1'"), commandLine.compareAt);
    return error;
}

} // namespace OptionValues
