#pragma once

#include "app/cli/import_command.h"
#include "app/import/imported_years.h"
#include "app/year/season_start.h"

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
// With a season start other than 1 January, --years and the default of the
// latest eight name seasons, and imported holds the calendar years they need.
std::optional<int> Prepare(const TImportCommand& command, const TSeasonStart& seasonStart, TImportedYears& imported,
                           QSettings* remembered);

// The year files into folder, YYYY.csv each; an error text, empty on success.
QString StageYearFiles(const QString& folder, const TImportedYears& imported, TOutputWriter& writer);

} // namespace ImportRun
