#include "app/cli/command_line.h"

#include "app/year/year_evaluation.h"

#include <QRegularExpression>

namespace {

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

} // namespace

QString TCommandLine::Usage()
{
    return QStringLiteral("usage: kaldoro [--metric N] [--mode M] [--export-png FILE [--scale N]] [--export-svg FILE]\n"
                          "               [--export-pdf FILE] [--export-csv FILE] [--compare-at DAY] [--today YYYY-MM-DD]\n"
                          "               [FILE...]\n"
                          "       kaldoro --import FILE [--import FILE]... [--column QUANTITY=NAME]...\n"
                          "               [--sport NAME|KIND]... [--years A-B] [--list-sports | --convert-to DIR]\n"
                          "               [--metric N] [--mode M] [--export-png FILE [--scale N]] [--export-svg FILE]\n"
                          "               [--export-pdf FILE] [--export-csv FILE]");
}

TCommandLine TCommandLine::Parse(const QStringList& arguments)
{
    TCommandLine result;
    bool optionsEnded = false;
    bool scaleGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || !argument.startsWith(QLatin1Char('-'))) {
            result.files.append(argument);
            continue;
        }
        if (argument == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")
            || argument == QStringLiteral("--version")) {
            (argument == QStringLiteral("--version") ? result.version : result.help) = true;
            continue;
        }
        const bool takesValue = argument == QStringLiteral("--mode") || argument == QStringLiteral("--metric")
            || argument == QStringLiteral("--export-png") || argument == QStringLiteral("--export-csv")
            || argument == QStringLiteral("--compare-at") || argument == QStringLiteral("--export-svg")
            || argument == QStringLiteral("--export-pdf") || argument == QStringLiteral("--scale")
            || argument == QStringLiteral("--today");
        if (!takesValue) {
            result.error = QStringLiteral("unknown option '%1'").arg(argument);
            return result;
        }
        // An empty value ("$unset") is as good as none: it would name no file.
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
            result.error = QStringLiteral("option '%1' needs a value").arg(argument);
            return result;
        }
        const QString value = arguments[++i];
        // Pictures are no text to mix into standard output with the points and the comparison.
        if (value == QStringLiteral("-") && argument.startsWith(QStringLiteral("--export-"))
            && argument != QStringLiteral("--export-csv")) {
            result.error = QStringLiteral("%1 writes a file; '-' (standard output) is for --export-csv").arg(argument);
            return result;
        }
        if (argument == QStringLiteral("--export-png")) {
            result.exportPng = value;
        } else if (argument == QStringLiteral("--export-svg")) {
            result.exportSvg = value;
        } else if (argument == QStringLiteral("--export-pdf")) {
            result.exportPdf = value;
        } else if (argument == QStringLiteral("--scale")) {
            const auto scale = Number(value);
            if (!scale || *scale < 1 || *scale > 4) {
                result.error = QStringLiteral("--scale takes a number from 1 to 4, not '%1'").arg(value);
                return result;
            }
            result.scale = *scale;
            scaleGiven = true;
        } else if (argument == QStringLiteral("--export-csv")) {
            result.exportCsv = value;
        } else if (argument == QStringLiteral("--today")) {
            result.today = IsoDate(value);
            if (!result.today.isValid()) {
                result.error = QStringLiteral("--today takes a date YYYY-MM-DD, not '%1'").arg(value);
                return result;
            }
        } else if (argument == QStringLiteral("--compare-at")) {
            const auto day = Number(value);
            if (!day || *day < 1 || *day > 366) {
                result.error = QStringLiteral("--compare-at takes a day from 1 to 366, not '%1'").arg(value);
                return result;
            }
            result.compareAt = day;
        } else {
            const auto number = Number(value);
            const bool isMode = argument == QStringLiteral("--mode");
            if (!number || *number < 0 || (isMode && !IsEvalMode(*number))) {
                result.error = isMode ? QStringLiteral("--mode takes a number from 0 to %1, not '%2'")
                                            .arg(EvalModeCount - 1)
                                            .arg(value)
                                      : QStringLiteral("--metric takes a number from 0 on, not '%1'").arg(value);
                return result;
            }
            (isMode ? result.mode : result.metric) = number;
        }
    }
    // Without a mode nothing is evaluated, and there would be no values to compare.
    if (result.compareAt && !result.mode)
        result.error = QStringLiteral("--compare-at needs --mode");
    // Only the PNG has pixels to multiply; saying so beats ignoring it.
    else if (scaleGiven && result.exportPng.isEmpty())
        result.error = QStringLiteral("--scale needs --export-png");
    return result;
}
