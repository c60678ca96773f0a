#include "app/application.h"
#include "app/chart_export.h"
#include "app/chart_picture.h"
#include "app/command_line.h"
#include "app/import_run.h"
#include "app/main_form.h"
#include "app/year_comparison.h"
#include "chart/panel/chart.h"

#include <QFileInfo>

#include <cstdio>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "kaldoro: %s\n", qPrintable(message));
    return 2;
}

// The years' values at a day, as the hover box lists them.
int PrintComparison(const TForm1& form, int day)
{
    const auto comparison = CompareYearsAt(YearSeriesOf(*form.Chart()), form.EvaluationState(), day);
    if (!comparison)
        return Fail(QStringLiteral("--compare-at needs a mode whose x is a day (not mode 1)"));
    for (const QString& line : comparison->Lines())
        std::printf("%s\n", line.toUtf8().constData());
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : Fail(QStringLiteral("cannot write the comparison"));
}

// The pictures the command line asks for; the first error, if any.
QString WritePictures(TChart& chart, const TCommandLine& commandLine)
{
    QString error;
    if (!commandLine.exportPng.isEmpty())
        error = ChartPicture::WritePng(chart, commandLine.exportPng, commandLine.scale);
    if (error.isEmpty() && !commandLine.exportSvg.isEmpty())
        error = ChartPicture::WriteSvg(chart, commandLine.exportSvg);
    if (error.isEmpty() && !commandLine.exportPdf.isEmpty())
        error = ChartPicture::WritePdf(chart, commandLine.exportPdf);
    return error;
}

// Loads, evaluates and writes the requested files without showing a window.
int Export(TForm1& form, const TCommandLine& commandLine, const TImportedYears* imported)
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
        if (const QString error = WritePictures(*form.Chart(), commandLine); !error.isEmpty())
            return Fail(error);
        if (!commandLine.exportCsv.isEmpty())
            if (const QString error = ChartExport::WriteCsv(*form.Chart(), commandLine.exportCsv); !error.isEmpty())
                return Fail(error);
        if (commandLine.compareAt)
            return PrintComparison(form, *commandLine.compareAt);
        return 0;
    } catch (...) {
        return Fail(TApplication::MessageOfCurrentException());
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Arguments are checked before the application object connects to a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TImportCommand import = TImportCommand::Extract(arguments);
    TCommandLine commandLine = TCommandLine::Parse(arguments);
    if (commandLine.error.isEmpty() && (commandLine.help || commandLine.version)) {
        const QString text = commandLine.help ? TCommandLine::Help() : TCommandLine::Version();
        std::printf("%s\n", text.toUtf8().constData());
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    if (commandLine.error.isEmpty() && import.Active() && !commandLine.files.isEmpty())
        commandLine.error = QStringLiteral("--import loads one export; year files cannot be added to it");
    if (const QString error = import.error.isEmpty() ? commandLine.error : import.error; !error.isEmpty()) {
        std::fprintf(stderr, "kaldoro: %s\n%s\n", qPrintable(error), qPrintable(TCommandLine::Usage()));
        return 2;
    }
    TImportedYears imported;
    if (import.Active())
        if (const auto exitCode = ImportRun::Prepare(import, commandLine.Exports(), imported))
            return *exitCode;
    const TImportedYears* importedYears = import.Active() ? &imported : nullptr;
    // Full paths, as the open-file dialog gives them.
    for (QString& file : commandLine.files)
        file = QFileInfo(file).absoluteFilePath();
    // Exports need no display.
    if (commandLine.Exports() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    TApplication app(argc, argv);
    if (commandLine.Exports()) {
        TForm1 form;
        form.SetToday(commandLine.today);
        return Export(form, commandLine, importedYears);
    }
    return app.RunGuarded([&] {
        TForm1 form;
        form.SetToday(commandLine.today);
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
