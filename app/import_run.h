#pragma once

#include "app/import/import_command.h"
#include "app/import/imported_years.h"

#include <optional>

// The command line's import, up to the year texts: reads the export, lists
// its sports, chooses sports and years, writes the year files of
// --convert-to. Messages go to standard error as "kaldoro: …".
namespace ImportRun {

// Returns the exit code when the run ends here (an error, --list-sports,
// or --convert-to without a chart to draw); otherwise fills imported.
std::optional<int> Prepare(const TImportCommand& command, bool drawsChart, TImportedYears& imported);

} // namespace ImportRun
