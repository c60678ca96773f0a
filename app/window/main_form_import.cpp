// The main window's import of a workout export: the chosen years go through
// the ordinary loader as year files, so every evaluation works on them.
#include "app/window/main_form.h"

#include "app/import/export_set.h"
#include "app/import/import_sources.h"
#include "app/import/imported_years.h"
#include "app/import/mapping_memory.h"
#include "app/view/load_narration.h"
#include "app/window/import_dialog.h"
#include "app/year/load_report.h"
#include "app/window/user_settings.h"
#include "app/year/year_evaluation.h"

#include <QComboBox>
#include <QSettings>
#include <QTextEdit>

namespace {

// The chosen paths that open (exports, archives, folders, summary pages,
// FIT files), each CSV export with the mapping remembered for its header;
// the pane lines of those that do not.
TExportSet OpenExports(const QStringList& paths, QSettings& settings, QStringList& failures)
{
    TExportSet exports;
    const auto recall = [&](const TExportFile& file) { return MappingMemory::Recall(file, settings); };
    for (const TSourceFailure& failure : ImportSources::Open(paths, recall, exports))
        failures << failure.path << QStringLiteral("    -> ") + failure.why + QLatin1Char('.');
    return exports;
}

// An export that a service's rule reads but that gives no workout has
// nothing to choose from: the pane says why instead of an empty dialog.
// Other CSV files open the dialog, where another column may be chosen.
bool NothingReadable(const TExportSet& exports, TImportedYears& imported)
{
    for (int i = 0; i < exports.Count(); ++i)
        if (exports.File(i).IsGeneric())
            return false;
    const TWorkoutList list = exports.Read();
    if (!list.workouts.empty())
        return false;
    imported.source = exports.Source();
    imported.notes << list.sourceLines << QStringLiteral("    -> ") + NothingReadReason(list.report) + QLatin1Char('.');
    return true;
}

} // namespace

// Every chosen file is imported: an export is often split into several.
void TForm1::IMPORT_ExportClick()
{
    openDialog_->SetStartFolder(StartFolder(TDialogFolder::Import));
    openDialog_->SetAcceptsFolders(true);
    const auto chosen = openDialog_->Execute(this, QStringLiteral("*.csv *.zip *.json *.fit *.gz"));
    openDialog_->SetAcceptsFolders(false);
    if (!chosen || chosen->isEmpty())
        return;
    RememberFolder(TDialogFolder::Import, chosen->constFirst());
    RememberLoad(TRecentLoad::TKind::Import, *chosen);
    ImportExports(*chosen, {});
}

void TForm1::ImportExports(const QStringList& paths, const QStringList& routeLines)
{
    const auto settings = UserSettings::Open();
    QStringList failures;
    TExportSet exports = OpenExports(paths, *settings, failures);
    TImportedYears imported;
    if (!exports.Empty() && !NothingReadable(exports, imported)) {
        TImportDialog dialog(exports, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        exports.SetFirstMapping(dialog.Mapping());
        if (exports.Count() > 0)
            MappingMemory::Remember(exports.File(0), dialog.Mapping(), *settings);
        imported = TImportedYears::Build(exports, dialog.ChosenSports(), dialog.ChosenYears());
    }
    imported.notes = failures + imported.notes + routeLines;
    LoadImportedYears(imported);
}

void TForm1::LoadImportedYears(const TImportedYears& imported)
{
    PrepareLoad();
    TLoadNarration narration(*view_, Pane());
    narration.ReadImport(imported.texts, [&](int year) { return imported.YearLine(year); }, imported.source,
                         imported.notes, imported.seasons);
    FinishLoad(narration);
}
