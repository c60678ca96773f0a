#include "app/cli/program_run.h"

#include "app/cli/arguments.h"
#include "app/cli/export_run.h"
#include "app/cli/import_run.h"
#include "app/cli/run_messages.h"
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

// The window, with the year files or the imported years loaded.
int ShowWindow(TApplication& app, const TCommandLine& commandLine, const TImportedYears* imported)
{
    return app.RunGuarded([&] {
        // --lang, else the language chosen in the window, else the system's.
        std::optional<TUiLanguage> language = commandLine.language;
        if (!language)
            language = TWindowSettings::User()->Language();
        UiLanguage::Install(language.value_or(UiLanguage::FromSystem()));
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
int RunChart(int argc, char** argv, const TArguments& arguments, const TImportedYears* imported)
{
    const TCommandLine& commandLine = arguments.commandLine;
    TOutputWriter writer(imported ? arguments.import.files : commandLine.files);
    if (imported && !arguments.import.convertTo.isEmpty() && !commandLine.Exports())
        return ExportRun::ConvertOnly(arguments.import, *imported, writer);
    // Exports need no display.
    if (commandLine.Exports() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    if (!commandLine.Exports())
        return ShowWindow(app, commandLine, imported);
    // Runs that write files leave the window's settings alone. Points and
    // comparisons are read by scripts: their titles and units stay German.
    const bool forScripts = commandLine.compareAt || !commandLine.exportCsv.isEmpty();
    UiLanguage::Install(forScripts ? TUiLanguage::German
                                   : commandLine.language.value_or(UiLanguage::FromSystem()));
    TForm1 form;
    form.SetToday(commandLine.today);
    form.SetSeasonStartForRun(commandLine.seasonStart.value_or(TSeasonStart{}));
    form.SetGoalForRun(commandLine.goal);
    return ExportRun::Export(form, commandLine, arguments.import, imported, writer);
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
    // The columns chosen in the import dialog for an export's header hold
    // on the command line too (--column overrides them); the window's own
    // settings are left alone by runs that only write files or text.
    TImportedYears imported;
    if (arguments.import.Active())
        if (const auto exitCode = ImportRun::Prepare(arguments.import, arguments.commandLine.seasonStart.value_or(TSeasonStart{}),
                                                     imported, UserSettings::Open().get()))
            return *exitCode;
    // Full paths, as the open-file dialog gives them.
    for (QString& file : arguments.commandLine.files)
        file = QFileInfo(file).absoluteFilePath();
    return RunChart(argc, argv, arguments, arguments.import.Active() ? &imported : nullptr);
}

} // namespace ProgramRun
