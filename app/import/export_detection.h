#pragma once

#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

// Tells a workout export from a year file, so that an export chosen with the
// load button, dropped on the window or named on the command line goes to the
// import instead of being read as a year (its dates are no YYYYMMDD and would
// fill a year such as "1336"). Conservative: only an export whose header one
// of the known services' recognisers accepts counts, and never a file whose
// rows after three header lines start like a year file's ("YYYYMMDD;").
namespace ExportDetection {

// Bytes read from the start of a file to decide.
constexpr int HeadBytes = 64 * 1024;

// The service whose export head is (the start of a file), empty for anything
// else: a year file, a CSV of no known service, text that is no CSV.
QString ServiceOf(std::string_view head);

// The same for a file; empty when it cannot be read or is no regular file
// (the loader then says why).
QString ServiceOfFile(const QString& path);

struct TExport
{
    QString path;
    QString service;
};

// The files of one load, taken apart: year files and exports, each in the
// order chosen.
struct TLoadSplit
{
    QStringList yearFiles;
    std::vector<TExport> exports;

    static TLoadSplit Of(const QStringList& paths);
};

} // namespace ExportDetection
