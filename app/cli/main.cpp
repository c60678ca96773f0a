#include "app/view/handler_guard.h"
#include "app/window/application.h"
#include "app/view/chart_export.h"
#include "app/view/chart_picture.h"
#include "app/cli/command_line.h"
#include "app/import/export_detection.h"
#include "app/cli/import_run.h"
#include "app/window/main_form.h"
#include "app/view/output_writer.h"
#include "app/window/user_settings.h"
#include "app/window/window_settings.h"
#include "app/view/year_comparison.h"
#include "chart/panel/chart.h"

#include <QFileInfo>

#include <cstdio>
#include <optional>
#include <utility>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "kaldoro: %s\n", qPrintable(message));
    return 2;
}

// The years' values at a day, as the hover box lists them.
QByteArray ComparisonText(const TYearComparison& comparison)
{
    QByteArray text;
    for (const QString& line : comparison.Lines())
        text += line.toUtf8() + '\n';
    return text;
}

// The pictures and points the command line asks for; the first error, if any.
QString StageChartFiles(TChart& chart, const TCommandLine& commandLine, TOutputWriter& writer)
{
    using ChartPicture::TFormat;
    const std::pair<const QString&, TFormat> pictures[] = {{commandLine.exportPng, TFormat::Png},
                                                           {commandLine.exportSvg, TFormat::Svg},
                                                           {commandLine.exportPdf, TFormat::Pdf}};
    for (const auto& [path, format] : pictures)
        if (!path.isEmpty())
            if (const QString error = ChartPicture::Stage(chart, path, format, commandLine.scale, writer);
                !error.isEmpty())
                return error;
    return commandLine.exportCsv.isEmpty() ? QString() : writer.Stage(commandLine.exportCsv, ChartExport::Csv(chart));
}

// Loads, evaluates and writes the requested files without showing a window.
// Everything that can refuse the run does so before the first file is written.
int Export(TForm1& form, const TCommandLine& commandLine, const TImportCommand& import,
           const TImportedYears* imported, TOutputWriter& writer)
{
    // Skipped files and rows would otherwise go unnoticed: the pane is never shown.
    form.OnFilePaneLine = [](const QString& line) { std::fprintf(stderr, "kaldoro: %s\n", qPrintable(line)); };
    try {
        if (imported)
            form.LoadImportedYears(*imported);
        else
            form.LoadFiles(commandLine.files);
        if (const QString error = form.SelectEvaluation(commandLine.mode, commandLine.metric); !error.isEmpty())
            return Fail(error);
        std::optional<TYearComparison> comparison;
        if (commandLine.compareAt) {
            comparison = CompareYearsAt(YearSeriesOf(*form.Chart()), form.EvaluationState(), *commandLine.compareAt);
            if (!comparison)
                return Fail(QStringLiteral("--compare-at needs a mode whose x is a day (not mode 1)"));
        }
        QString error = imported && !import.convertTo.isEmpty()
            ? ImportRun::StageYearFiles(import.convertTo, *imported, writer) : QString();
        if (error.isEmpty())
            error = StageChartFiles(*form.Chart(), commandLine, writer);
        if (error.isEmpty() && comparison)
            error = writer.Stage(TOutputWriter::StandardOutput, ComparisonText(*comparison));
        if (error.isEmpty())
            error = writer.Commit();
        return error.isEmpty() ? 0 : Fail(error);
    } catch (...) {
        return Fail(MessageOfError(std::current_exception()));
    }
}

// --convert-to without a chart: the year files, and what was left out.
int ConvertOnly(const TImportCommand& import, const TImportedYears& imported, TOutputWriter& writer)
{
    QString error = ImportRun::StageYearFiles(import.convertTo, imported, writer);
    if (error.isEmpty())
        error = writer.Commit();
    if (!error.isEmpty())
        return Fail(error);
    for (const QString& note : imported.notes)
        std::fprintf(stderr, "kaldoro: %s\n", qPrintable(note));
    return 0;
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
        std::fprintf(stderr, "kaldoro: %s is a workout export (%s), not a year file: imported as with --import\n",
                     qPrintable(found.path), qPrintable(found.service));
        import.files << found.path;
    }
    commandLine.files.clear();
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    // Arguments are checked before the application object connects to a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    TImportCommand import = TImportCommand::Extract(arguments);
    TCommandLine commandLine = TCommandLine::Parse(arguments);
    if (commandLine.error.isEmpty() && (commandLine.help || commandLine.version)) {
        const QString text = commandLine.help ? TCommandLine::Help() : TCommandLine::Version();
        std::printf("%s\n", text.toUtf8().constData());
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    if (commandLine.error.isEmpty() && import.error.isEmpty() && !import.Active())
        commandLine.error = RouteExports(commandLine, import);
    if (commandLine.error.isEmpty() && import.Active() && !commandLine.files.isEmpty())
        commandLine.error = QStringLiteral("--import loads one export; year files cannot be added to it");
    if (const QString error = import.error.isEmpty() ? commandLine.error : import.error; !error.isEmpty()) {
        std::fprintf(stderr, "kaldoro: %s\n%s\n", qPrintable(error), qPrintable(TCommandLine::Usage()));
        return 2;
    }
    // The columns chosen in the import dialog for an export's header hold
    // on the command line too (--column overrides them); the window's own
    // settings are left alone by runs that only write files or text.
    TImportedYears imported;
    if (import.Active()) {
        const auto remembered = UserSettings::Open();
        if (const auto exitCode = ImportRun::Prepare(import, imported, remembered.get()))
            return *exitCode;
    }
    const TImportedYears* importedYears = import.Active() ? &imported : nullptr;
    // Full paths, as the open-file dialog gives them.
    for (QString& file : commandLine.files)
        file = QFileInfo(file).absoluteFilePath();
    TOutputWriter writer(import.Active() ? import.files : commandLine.files);
    if (import.Active() && !import.convertTo.isEmpty() && !commandLine.Exports())
        return ConvertOnly(import, imported, writer);
    // Exports need no display.
    if (commandLine.Exports() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    TApplication app(argc, argv);
    if (commandLine.Exports()) {
        TForm1 form;
        form.SetToday(commandLine.today);
        return Export(form, commandLine, import, importedYears, writer);
    }
    return app.RunGuarded([&] {
        TForm1 form;
        form.SetToday(commandLine.today);
        form.UseSettings(TWindowSettings::User());
        form.show();
        if (importedYears)
            form.LoadImportedYears(*importedYears);
        else if (!commandLine.files.isEmpty())
            form.LoadFiles(commandLine.files);
        if (const QString error = form.SelectEvaluation(commandLine.mode, commandLine.metric); !error.isEmpty())
            std::fprintf(stderr, "kaldoro: %s\n", qPrintable(error));
        return app.exec();
    });
}
