#include "app/cli/program_run.h"

#include "app/cli/arguments.h"
#include "app/cli/export_run.h"
#include "app/cli/import_run.h"
#include "app/cli/run_messages.h"
#include "app/cli/windowless_chart.h"
#include "app/import/export_detection.h"
#include "app/view/output_writer.h"
#include "app/window/application.h"
#include "app/window/main_form.h"
#include "app/window/ui_language.h"
#include "app/window/user_settings.h"
#include "app/window/window_settings.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace ProgramRun {
namespace {

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int Refuse(const QString& error)
{
    std::fprintf(stderr, "kaldoro: %s\n%s\n", qPrintable(error), qPrintable(TCommandLine::Usage()));
    return 2;
}

// --help or --version on standard output; 1 when it cannot be written.
// The help speaks the language of --lang, else the system's.
int PrintInfo(int argc, char** argv, const TCommandLine& commandLine)
{
    const QCoreApplication app(argc, argv);
    UiLanguage::Install(commandLine.language.value_or(UiLanguage::FromSystem()));
    const QString text = commandLine.help ? TCommandLine::Help() : TCommandLine::Version();
    std::printf("%s\n", text.toUtf8().constData());
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

// Workout exports named without --import are no year files: alone, they are
// imported as --import would import them (a line on stderr says so); beside
// year files they are refused, as --import refuses them.
QString RouteExports(TCommandLine& commandLine, TImportCommand& import)
{
    const ExportDetection::TLoadSplit split = ExportDetection::TLoadSplit::Of(commandLine.files);
    if (split.exports.empty())
        return {};
    if (const ExportDetection::TExport& found = split.exports.front(); !split.yearFiles.isEmpty())
        return QStringLiteral("%1 is a workout export (%2), not a year file; import it alone with --import FILE")
            .arg(found.path, found.service);
    for (const ExportDetection::TExport& found : split.exports) {
        RunMessages::Note(QStringLiteral("%1 is a workout export (%2), not a year file: imported as with --import")
                              .arg(found.path, found.service));
        import.files << found.path;
    }
    commandLine.files.clear();
    return {};
}

// The language of the window and of every message: --lang, else (for the
// window) the language chosen in it, else the system's. Points and
// comparisons are read by scripts: their titles and units, and so the
// whole run, stay German.
TUiLanguage LanguageOf(const TCommandLine& commandLine)
{
    if (commandLine.compareAt || !commandLine.exportCsv.isEmpty())
        return TUiLanguage::German;
    std::optional<TUiLanguage> language = commandLine.language;
    if (!language && !commandLine.Exports())
        language = TWindowSettings::User()->Language();
    return language.value_or(UiLanguage::FromSystem());
}

// The window, with the year files or the imported years loaded.
int ShowWindow(TApplication& app, const TCommandLine& commandLine, const TImportedYears* imported)
{
    return app.RunGuarded([&] {
        TForm1 form;
        form.SetToday(commandLine.today);
        form.SetGoalForRun(commandLine.goal);
        form.UseSettings(TWindowSettings::User());
        if (commandLine.seasonStart)
            form.SetSeasonStartForRun(*commandLine.seasonStart);
        form.show();
        if (imported)
            form.LoadImportedYears(*imported);
        else if (!commandLine.files.isEmpty())
            form.LoadFiles(commandLine.files);
        if (const QString error = form.SelectEvaluation(commandLine.mode, commandLine.metric); !error.isEmpty())
            RunMessages::Note(error);
        return app.exec();
    });
}

// The chart of the year files or of the import: written without a window, or shown.
int RunChart(TApplication& app, const TArguments& arguments, const TImportedYears* imported)
{
    const TCommandLine& commandLine = arguments.commandLine;
    if (!commandLine.Exports())
        return ShowWindow(app, commandLine, imported);
    // Runs that write files leave the window's settings alone.
    TOutputWriter writer(imported ? arguments.import.files : commandLine.files);
    RunMessages::TStderrPane pane;
    TWindowlessChart chart(pane, commandLine.today, commandLine.seasonStart.value_or(TSeasonStart{}), commandLine.goal);
    return ExportRun::Export(chart, commandLine, arguments.import, imported, writer);
}

// The export's years; an exit code when the run ends here (a refusal, or
// the list of sports).
std::optional<int> Import(const TArguments& arguments, TImportedYears& imported)
{
    // The columns chosen in the import dialog for an export's header hold
    // on the command line too (--column overrides them).
    return ImportRun::Prepare(arguments.import, arguments.commandLine.seasonStart.value_or(TSeasonStart{}), imported,
                              UserSettings::Open().get());
}

// An import that only lists sports or writes year files needs no display.
int ImportWithoutChart(int argc, char** argv, const TArguments& arguments)
{
    const QCoreApplication app(argc, argv);
    UiLanguage::Install(arguments.commandLine.language.value_or(UiLanguage::FromSystem()));
    TImportedYears imported;
    if (const auto exitCode = Import(arguments, imported))
        return *exitCode;
    TOutputWriter writer(arguments.import.files);
    return ExportRun::ConvertOnly(arguments.import, imported, writer);
}

} // namespace

int Run(int argc, char** argv)
{
    // Arguments are checked before the application object connects to a display.
    TArguments arguments = TArguments::Parse(ArgumentsOf(argc, argv));
    if (!arguments.error.isEmpty())
        return Refuse(arguments.error);
    if (arguments.commandLine.help || arguments.commandLine.version)
        return PrintInfo(argc, argv, arguments.commandLine);
    if (!arguments.import.Active())
        if (const QString error = RouteExports(arguments.commandLine, arguments.import); !error.isEmpty())
            return Refuse(error);
    const TCommandLine& commandLine = arguments.commandLine;
    const TImportCommand& import = arguments.import;
    if (import.Active() && (import.listSports || (!import.convertTo.isEmpty() && !commandLine.Exports())))
        return ImportWithoutChart(argc, argv, arguments);
    // Exports need no display.
    if (commandLine.Exports() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    // Every text the run makes from here on, the import's and the load's
    // lines included, is made in the chosen language.
    UiLanguage::Install(LanguageOf(commandLine));
    TImportedYears imported;
    if (import.Active())
        if (const auto exitCode = Import(arguments, imported))
            return *exitCode;
    // Full paths, as the open-file dialog gives them.
    for (QString& file : arguments.commandLine.files)
        file = QFileInfo(file).absoluteFilePath();
    return RunChart(app, arguments, import.Active() ? &imported : nullptr);
}

} // namespace ProgramRun
