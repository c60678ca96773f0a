// Files chosen with the load button or dropped on the window: a workout
// export among them is no year file and goes to the import dialog.
#include "app/window/main_form.h"

#include "app/import/export_detection.h"
#include "chart/panel/chart.h"

#include <QFileInfo>

void TForm1::LoadOrImport(const QStringList& paths, const QStringList& leadingLines)
{
    using ExportDetection::TLoadSplit;
    RememberLoad(TRecentLoad::TKind::Load, paths);
    const TLoadSplit split = TLoadSplit::Of(paths);
    if (split.exports.empty() || !split.yearFiles.isEmpty()) {
        PrepareLoad();
        for (const QString& line : leadingLines)
            AppendMemoLine(line);
        ReadChosenFiles(split.yearFiles);
    } else {
        // Only exports: the loaded years stay until an import is accepted.
        for (const QString& line : leadingLines)
            AppendMemoLine(line);
    }
    if (split.exports.empty())
        return;
    // The exports are imported together, as the import button takes them: the
    // parts of a split export.
    QStringList exports;
    QStringList routeLines;
    for (const ExportDetection::TExport& found : split.exports) {
        exports << found.path;
        routeLines << found.path
                   << tr("    -> Export von %1 erkannt, keine Jahresdatei: zum Import.").arg(found.service);
    }
    for (const QString& line : routeLines)
        AppendMemoLine(line);
    // An accepted import replaces the year files just loaded: the pane names them.
    QStringList names;
    for (const QString& path : split.yearFiles)
        names << QFileInfo(path).fileName();
    if (!names.isEmpty())
        routeLines << tr("    -> Jahresdateien nicht geladen, der Import ersetzt sie: %1.")
                          .arg(names.join(QStringLiteral(", ")));
    ImportExports(exports, routeLines);
}
