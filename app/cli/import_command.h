#pragma once

#include "app/import/column_override.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>
#include <utility>

// The import options of the command line: --import EXPORT [--import
// EXPORT]... [--column QUANTITY=NAME]... [--sport NAME]... [--years A-B]
// [--list-sports] [--convert-to DIR]
struct TImportCommand
{
    QStringList files; // read as one: the parts of a split export
    std::vector<TColumnOverride> columns;
    QStringList sports;                       // sports or kinds; none: the most frequent kind
    std::optional<std::pair<int, int>> years; // none: the latest eight years
    bool listSports = false;
    QString convertTo;
    QString error; // set when the options cannot be used

    bool Active() const { return !files.isEmpty(); }

    // Takes the import options out of arguments (up to a "--") and leaves
    // the others for the ordinary command line.
    static TImportCommand Extract(QStringList& arguments);
};
