#include "app/cli/arguments.h"

#include "app/cli/option_names.h"
#include "app/cli/option_values.h"

#include <QCommandLineParser>

#include <utility>

namespace {

using namespace OptionNames;

// The options that take a value, each with the name of its value.
const std::pair<QString, QString> ValueOptions[] = {
    {Import, QStringLiteral("FILE")},        {Column, QStringLiteral("QUANTITY=NAME")},
    {Sport, QStringLiteral("NAME|KIND")},    {Years, QStringLiteral("A-B")},
    {ConvertTo, QStringLiteral("DIR")},      {Metric, QStringLiteral("N")},
    {Mode, QStringLiteral("M")},             {ExportPng, QStringLiteral("FILE")},
    {Scale, QStringLiteral("N")},            {ExportSvg, QStringLiteral("FILE")},
    {ExportPdf, QStringLiteral("FILE")},     {ExportCsv, QStringLiteral("FILE")},
    {CompareAt, QStringLiteral("DAY")},      {Today, QStringLiteral("YYYY-MM-DD")},
    {SeasonStart, QStringLiteral("MM-DD")},
    {Goal, QStringLiteral("VALUE")},         {Lang, QStringLiteral("de|en")},
};

// Every option once. Their descriptions are in TCommandLine::Help(), which
// the parser does not print.
void Declare(QCommandLineParser& parser)
{
    for (const auto& [name, valueName] : ValueOptions)
        parser.addOption(QCommandLineOption(name, QString(), valueName));
    parser.addOption(QCommandLineOption(ListSports));
    parser.addOption(QCommandLineOption(QStringList{ShortHelp, Help}));
    parser.addOption(QCommandLineOption(Version));
    // "-mode" is "--mode", and "-hx" one unknown option rather than -h and -x.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

bool TakesValue(const QString& name)
{
    for (const auto& option : ValueOptions)
        if (option.first == name)
            return true;
    return false;
}

// The name the parser sees in an option as typed: "--years=2020" names "years".
QString NameOf(const QString& argument)
{
    return argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
}

// The first option as typed, up to a "--", that satisfies matches; else fallback.
template <typename Matches>
QString Typed(const QStringList& arguments, Matches matches, const QString& fallback)
{
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--"))
            break;
        if (argument.size() > 1 && argument.startsWith(QLatin1Char('-')) && matches(argument))
            return argument;
    }
    return fallback;
}

// Unknown options, a value missing at the end or given to an option that
// takes none, an empty value: in this program's words, not the parser's.
QString SyntaxError(const QCommandLineParser& parser, bool parsed, const QStringList& arguments)
{
    const QString unknown = QStringLiteral("unknown option '%1'");
    if (const QStringList names = parser.unknownOptionNames(); !names.isEmpty())
        return unknown.arg(Typed(arguments, [&](const QString& a) { return NameOf(a) == names.front(); },
                                 QStringLiteral("--") + names.front()));
    if (!parsed) {
        const QString last = arguments.isEmpty() ? QString() : arguments.back();
        if (TakesValue(NameOf(last)) && !last.contains(QLatin1Char('=')))
            return QStringLiteral("option '%1' needs a value").arg(last);
        // A value given to an option that takes none ("--help=1").
        const QString typed = Typed(arguments, [](const QString& a) { return a.contains(QLatin1Char('=')); }, {});
        return typed.isEmpty() ? parser.errorText() : unknown.arg(typed);
    }
    // An empty value ("$unset") is as good as none: it would name no file.
    for (const auto& option : ValueOptions)
        if (parser.values(option.first).contains(QString()))
            return QStringLiteral("option '--%1' needs a value").arg(option.first);
    return {};
}

QString CombinationError(const TArguments& arguments, bool scaleGiven)
{
    const TImportCommand& import = arguments.import;
    const TCommandLine& commandLine = arguments.commandLine;
    if (!import.Active()
        && (!import.sports.isEmpty() || import.years || import.listSports || !import.convertTo.isEmpty()
            || !import.columns.empty()))
        return QStringLiteral("--column, --sport, --years, --list-sports and --convert-to need --import FILE");
    if (import.listSports && !import.convertTo.isEmpty())
        return QStringLiteral("--list-sports only lists; it cannot be combined with --convert-to");
    // Without a mode nothing is evaluated, and there would be no values to compare.
    if (commandLine.compareAt && !commandLine.mode)
        return QStringLiteral("--compare-at needs --mode");
    // Only the PNG has pixels to multiply; saying so beats ignoring it.
    if (scaleGiven && commandLine.exportPng.isEmpty())
        return QStringLiteral("--scale needs --export-png");
    if (import.Active() && !commandLine.files.isEmpty())
        return QStringLiteral("--import loads one export; year files cannot be added to it");
    return {};
}

} // namespace

TArguments TArguments::Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    Declare(parser);
    // The parser skips the first argument, the program's name.
    const bool parsed = parser.parse(QStringList{QStringLiteral("kaldoro")} + arguments);
    TArguments result;
    result.error = SyntaxError(parser, parsed, arguments);
    if (result.error.isEmpty())
        result.error = OptionValues::ReadImport(parser, result.import);
    if (result.error.isEmpty())
        result.error = OptionValues::ReadChart(parser, result.commandLine);
    if (result.error.isEmpty())
        result.error = CombinationError(result, parser.isSet(Scale));
    return result;
}
