#include "app/cli/run_messages.h"

#include <cstdio>

namespace RunMessages {

void Note(const QString& line)
{
    std::fprintf(stderr, "kaldoro: %s\n", qPrintable(line));
}

int Fail(const QString& message)
{
    Note(message);
    return 2;
}

} // namespace RunMessages
