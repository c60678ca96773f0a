#pragma once

#include "app/window/ui_language.h"
#include "app/year/season_start.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of the chart: the year files, the evaluation
// and the files to write (TArguments::Parse fills it).
struct TCommandLine
{
    QStringList files;
    std::optional<int> mode;    // item of the mode list, 0 to 5
    std::optional<int> metric;  // item of the metric list the mode uses
    QString exportPng;
    int scale = 1; // the PNG is this many times the chart's size, 1 to 4
    QString exportSvg;
    QString exportPdf;
    QString exportCsv;
    std::optional<int> compareAt; // day 1 to 366: print the years' values there
    QDate today; // the date taken as today; invalid: the system's
    std::optional<TSeasonStart> seasonStart; // none: the window's, 1 January without a window
    std::optional<double> goal; // the running total's goal for this run
    std::optional<TUiLanguage> language; // --lang: overrides the setting and the system's language
    bool help = false;    // --help: print Help() and exit
    bool version = false; // --version: print Version() and exit

    // True when the run writes files or text and shows no window.
    bool Exports() const
    {
        return !exportPng.isEmpty() || !exportSvg.isEmpty() || !exportPdf.isEmpty() || !exportCsv.isEmpty()
               || compareAt.has_value();
    }

    static QString Usage();
    static QString Help();
    static QString Version();

    // Last: the macro leaves what follows it private.
    Q_DECLARE_TR_FUNCTIONS(TCommandLine)
};
