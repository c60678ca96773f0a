#pragma once

#include "app/import/column_override.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>
#include <utility>

// The import options of the command line: --import EXPORT [--import
// EXPORT]... [--column QUANTITY=NAME]... [--sport NAME]... [--years A-B]
// [--list-sports] [--convert-to DIR] (TArguments::Parse fills it).
struct TImportCommand
{
    QStringList files; // read as one: the parts of a split export
    std::vector<TColumnOverride> columns;
    QStringList sports;                       // sports or kinds; none: the most frequent kind
    std::optional<std::pair<int, int>> years; // none: the latest eight years
    bool listSports = false;
    QString convertTo;

    bool Active() const { return !files.isEmpty(); }
};
