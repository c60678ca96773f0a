#pragma once

#include "app/view/load_pane.h"

#include <QString>

// What a command line run says on standard error, one "kaldoro: …" line each.
namespace RunMessages {

void Note(const QString& line);

// Says message and returns the exit code of a refused run, 2.
int Fail(const QString& message);

// The lines of a load, which no pane shows in a run without a window:
// skipped files and rows would otherwise go unnoticed.
class TStderrPane : public TLoadPane
{
public:
    void Line(const QString& text) override { Note(text); }
};

} // namespace RunMessages
