#include "app/cli/export_run.h"

#include "app/cli/import_run.h"
#include "app/cli/run_messages.h"
#include "app/cli/windowless_chart.h"
#include "app/view/chart_export.h"
#include "app/view/chart_picture.h"
#include "app/view/handler_guard.h"
#include "app/view/output_writer.h"
#include "app/view/year_comparison.h"
#include "chart/panel/chart.h"

#include <optional>
#include <utility>

namespace ExportRun {
namespace {

using RunMessages::Fail;

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

// Everything the run writes, staged; the first error, if any.
QString StageAll(TWindowlessChart& chart, const TCommandLine& commandLine, const TImportCommand& import,
                 const TImportedYears* imported, TOutputWriter& writer)
{
    std::optional<TYearComparison> comparison;
    if (commandLine.compareAt) {
        comparison = CompareYearsAt(YearSeriesOf(chart.Chart()), chart.EvaluationState(), *commandLine.compareAt);
        if (!comparison)
            return QStringLiteral("--compare-at needs a mode whose x is a day (not mode 1)");
    }
    QString error = imported && !import.convertTo.isEmpty()
        ? ImportRun::StageYearFiles(import.convertTo, *imported, writer) : QString();
    if (error.isEmpty())
        error = StageChartFiles(chart.Chart(), commandLine, writer);
    if (error.isEmpty() && comparison)
        error = writer.Stage(TOutputWriter::StandardOutput, ComparisonText(*comparison));
    return error;
}

} // namespace

int Export(TWindowlessChart& chart, const TCommandLine& commandLine, const TImportCommand& import,
           const TImportedYears* imported, TOutputWriter& writer)
{
    try {
        if (imported)
            chart.LoadImportedYears(*imported);
        else
            chart.LoadFiles(commandLine.files);
        if (const QString error = chart.SelectEvaluation(commandLine.mode, commandLine.metric); !error.isEmpty())
            return Fail(error);
        QString error = StageAll(chart, commandLine, import, imported, writer);
        if (error.isEmpty())
            error = writer.Commit();
        return error.isEmpty() ? 0 : Fail(error);
    } catch (...) {
        return Fail(MessageOfError(std::current_exception()));
    }
}

int ConvertOnly(const TImportCommand& import, const TImportedYears& imported, TOutputWriter& writer)
{
    QString error = ImportRun::StageYearFiles(import.convertTo, imported, writer);
    if (error.isEmpty())
        error = writer.Commit();
    if (!error.isEmpty())
        return Fail(error);
    for (const QString& note : imported.notes)
        RunMessages::Note(note);
    return 0;
}

} // namespace ExportRun
