#pragma once

#include <QString>

// What a command line run says on standard error, one "kaldoro: …" line each.
namespace RunMessages {

void Note(const QString& line);

// Says message and returns the exit code of a refused run, 2.
int Fail(const QString& message);

} // namespace RunMessages
