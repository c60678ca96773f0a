#pragma once

#include <QStringList>

// What an import left out, counted by reason, for the file pane.
struct TImportReport
{
    int rowsRead = 0;            // data rows of the export
    int unreadableRows = 0;      // not split into the header's columns
    int recoveredRows = 0;       // stray quotes, read by the lenient split
    int rowsWithoutDate = 0;     // empty or unreadable date
    int plannedRows = 0;         // planned workouts and rest days
    int unreadableValues = 0;    // cells of mapped columns read as 0
    int filteredBySport = 0;     // workouts of sports not chosen
    int filteredByYear = 0;      // workouts of years not chosen
    int yearsBeyondLimit = 0;    // workouts of years the store cannot take
    int shortRows = 0;           // without a cell of a column the mapping uses
    int latin1Fields = 0;        // names and cells that were no UTF-8
    int duplicates = 0;          // workouts found again in a later file

    TImportReport& operator+=(const TImportReport& other);
};

// The counts that are not zero, each as a German phrase.
QStringList ImportReportParts(const TImportReport& report);

// Why an export gave no workout at all, for the pane and standard error.
QString NothingReadReason(const TImportReport& report);

// Plain German lines for the file pane, in the style of the loader's
// findings: one line with every count that is not zero, empty when nothing
// was left out.
QStringList DescribeImportReport(const TImportReport& report);
