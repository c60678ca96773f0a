#include "app/command_line.h"

TCommandLine TCommandLine::Parse(const QStringList& arguments)
{
    TCommandLine result;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'))) {
            result.error = QStringLiteral("unknown option '%1'").arg(argument);
            return result;
        } else {
            result.files.append(argument);
        }
    }
    return result;
}
