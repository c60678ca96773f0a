#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// kaldoro [--metric N] [--mode M] [--export-png FILE] [--export-csv FILE] [FILE...]
struct TCommandLine
{
    QStringList files;
    std::optional<int> mode;    // item of the mode list, 0 to 5
    std::optional<int> metric;  // item of the metric list the mode uses
    QString exportPng;
    QString exportCsv;
    QString error; // set when the arguments cannot be used

    bool Exports() const { return !exportPng.isEmpty() || !exportCsv.isEmpty(); }

    static TCommandLine Parse(const QStringList& arguments);
    static QString Usage();
};
