#pragma once

#include "app/cli/command_line.h"
#include "app/cli/import_command.h"

class TWindowlessChart;
struct TImportedYears;
class TOutputWriter;

// Runs that write files or text and show no window. Each returns the exit
// code; everything that can refuse the run does so before the first file
// is written.
namespace ExportRun {

// Loads the year files (or the imported years, when not null), evaluates
// and writes the pictures, points, comparison and --convert-to year files.
int Export(TWindowlessChart& chart, const TCommandLine& commandLine, const TImportCommand& import,
           const TImportedYears* imported, TOutputWriter& writer);

// --convert-to without a chart: the year files, and what was left out.
int ConvertOnly(const TImportCommand& import, const TImportedYears& imported, TOutputWriter& writer);

} // namespace ExportRun
