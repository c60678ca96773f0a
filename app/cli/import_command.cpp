#include "app/cli/import_command.h"

namespace {

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

QString CheckCombination(const TImportCommand& command)
{
    if (!command.Active() && (!command.sports.isEmpty() || command.years || command.listSports
                              || !command.convertTo.isEmpty() || !command.columns.empty()))
        return QStringLiteral("--column, --sport, --years, --list-sports and --convert-to need --import FILE");
    if (command.listSports && !command.convertTo.isEmpty())
        return QStringLiteral("--list-sports only lists; it cannot be combined with --convert-to");
    return {};
}

} // namespace

TImportCommand TImportCommand::Extract(QStringList& arguments)
{
    TImportCommand command;
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--")) {
            rest << arguments.mid(i);
            break;
        }
        if (argument == QStringLiteral("--list-sports")) {
            command.listSports = true;
            continue;
        }
        const bool ours = argument == QStringLiteral("--import") || argument == QStringLiteral("--sport")
            || argument == QStringLiteral("--years") || argument == QStringLiteral("--convert-to")
            || argument == QStringLiteral("--column");
        if (!ours) {
            rest << argument;
            continue;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
            command.error = QStringLiteral("option '%1' needs a value").arg(argument);
            return command;
        }
        const QString value = arguments[++i];
        if (argument == QStringLiteral("--import")) {
            command.files << value;
        } else if (argument == QStringLiteral("--column")) {
            const auto column = ColumnOverrides::Parse(value, command.error);
            if (!column)
                return command;
            command.columns.push_back(*column);
        } else if (argument == QStringLiteral("--sport")) {
            command.sports << value;
        } else if (argument == QStringLiteral("--years")) {
            command.years = YearRange(value);
            if (!command.years) {
                command.error = QStringLiteral("--years takes a year or a range such as 2019-2024, not '%1'").arg(value);
                return command;
            }
        } else {
            command.convertTo = value;
        }
    }
    arguments = rest;
    command.error = CheckCombination(command);
    return command;
}
