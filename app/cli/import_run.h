#pragma once

#include "app/cli/import_command.h"
#include "app/import/imported_years.h"

#include <optional>

class QSettings;
class TOutputWriter;

// The command line's import, up to the year texts: reads the export, lists
// its sports, chooses sports and years, stages the year files of
// --convert-to. Messages go to standard error as "kaldoro: …".
namespace ImportRun {

// Returns the exit code when the run ends here (an error or --list-sports);
// otherwise fills imported. remembered holds the column choices made in the
// window; null reads none (runs that only write files must be repeatable).
std::optional<int> Prepare(const TImportCommand& command, TImportedYears& imported, QSettings* remembered);

// The year files into folder, YYYY.csv each; an error text, empty on success.
QString StageYearFiles(const QString& folder, const TImportedYears& imported, TOutputWriter& writer);

} // namespace ImportRun
