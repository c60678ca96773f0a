#pragma once

#include "app/cli/command_line.h"
#include "app/cli/import_command.h"

#include <QString>
#include <QStringList>

// Everything the command line asks for, from one parse of all its options:
// the chart's part, the import's part, or why the arguments cannot be used.
struct TArguments
{
    TCommandLine commandLine;
    TImportCommand import;
    QString error; // set when the arguments cannot be used; the run ends with it and the usage

    // arguments without the program's name. Options may come anywhere
    // before a "--"; everything else names year files ("-" too).
    static TArguments Parse(const QStringList& arguments);
};
