#pragma once

#include "app/cli/command_line.h"
#include "app/cli/import_command.h"

#include <QString>

class QCommandLineParser;

// The values of a parse, read into the command line's results. Every value
// of an option given more than once is checked, and the last one counts
// (--import, --column and --sport collect all). Each returns the first
// refusal, empty when all values can be used.
namespace OptionValues {

QString ReadImport(const QCommandLineParser& parser, TImportCommand& import);
QString ReadChart(const QCommandLineParser& parser, TCommandLine& commandLine);

} // namespace OptionValues
