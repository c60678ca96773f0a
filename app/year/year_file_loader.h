#pragma once

#include "app/year/load_report.h"
#include "app/year/year_store.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

class TDayOrderedRows;
class TStringItems;
class TLineReader;

// Date of a data row: YYYYMMDD in its first eight characters.
struct TRowDate
{
    int year = 0;
    int day = 0;             // day of the year, 1 January = 1
    bool monthKnown = true;  // false: month outside 0..13, the row has no day
    // Starts like a date, yet is none: a letter or separator among the first
    // eight characters ("2011-03-15"), or a day outside the days of its year
    // (1 to 365, or 366 in a year divisible by 4). The
    // comment form with month and day 00 ("20110000;#") is no such row.
    bool malformed = false;
};

// Reads year files into the year store. One load is BeginLoad() followed by
// one ReadYearFile() per chosen file; the first file that opens supplies the
// header: the metric list and the kind of every column.
class TYearFileLoader
{
public:
    static constexpr int TrailerBytes = 220;
    static constexpr int MaxKindColumn = 28;

    TYearFileLoader(TYearStore& store, TStringItems& metricItems);

    // Starts a load: the next file that opens interprets its header and
    // goes to the first slot.
    void BeginLoad();

    // Reads one file into the next free slot.
    TFileLoadReport ReadYearFile(const QString& csvFileName);
    // Reads the bytes of a year file, named as a file would be, into the
    // next free slot, exactly as ReadYearFile reads that file's bytes.
    TFileLoadReport ReadYearText(const QString& name, QByteArrayView text);

    bool FirstFileOfLoad() const { return firstFileOfLoad_; }
    int SlotsFilled() const { return nextSlot_ - 1; }

    static TRowDate DayIndexOfRow(std::string_view row);

    // Raised once a file is open and its size taken, before its first line
    // is read; the file may still change on disk from then on.
    std::function<void(const QString& path)> OnOpened;

private:
    // What a header sets up: the metric list and the column kinds.
    struct THeaderSnapshot
    {
        QStringList metrics;
        std::array<int, TYearStore::KindCount> kinds;
    };

    TFileLoadReport ReadOpened(std::FILE* file, const QString& name);
    THeaderSnapshot SaveHeader() const;
    void RestoreHeader(const THeaderSnapshot& snapshot);
    void ReadHeader(TLineReader& reader, TFileLoadReport& report);
    void InterpretTitleLine(std::string_view line);
    void InterpretUnitLine(std::string_view line);
    void InterpretKindLine(std::string_view line, TFileLoadReport& report);
    void ReadRows(TLineReader& reader, std::int64_t limit, int slot, TFileLoadReport& report);
    void CollectRows(TLineReader& reader, std::int64_t limit, int slot, TDayOrderedRows& rows,
                     TFileLoadReport& report);
    void CollectRow(int slot, TDayOrderedRows& rows, TFileLoadReport& report);

    TYearStore& store_;
    TStringItems& metricItems_;
    bool firstFileOfLoad_ = false;
    int nextSlot_ = 1;
    int titleEntries_ = 0; // entries of the metric list taken from header line 1
    std::string line_;      // the row buffer: keeps its content when nothing is read
};
