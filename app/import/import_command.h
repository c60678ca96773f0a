#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// The import options of the command line:
// --import EXPORT [--sport NAME]... [--years A-B] [--list-sports] [--convert-to DIR]
struct TImportCommand
{
    QString file;
    QStringList sports;                       // none: the most frequent sport
    std::optional<std::pair<int, int>> years; // none: the latest eight years
    bool listSports = false;
    QString convertTo;
    QString error; // set when the options cannot be used

    bool Active() const { return !file.isEmpty(); }

    // Takes the import options out of arguments (up to a "--") and leaves
    // the others for the ordinary command line.
    static TImportCommand Extract(QStringList& arguments);
};
