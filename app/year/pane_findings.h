#pragma once

#include <QString>
#include <QStringList>

#include <span>

// What the file pane says about a file or an export it did not read whole:
// counted findings ("3 Zeilen mit ungültigem Datum übersprungen") joined
// into one line behind the pane's arrow.
struct TCountedFinding
{
    int count;
    const char* singular; // the counted noun, UTF-8
    const char* plural;
    const char* text;     // what happened to them, UTF-8, after the noun
};

// The findings whose count is not 0, each as one phrase.
QStringList CountedFindingParts(std::span<const TCountedFinding> findings);

// "    -> first; second." for the pane; empty without parts.
QString PaneFindingLine(const QStringList& parts);
