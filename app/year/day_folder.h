#pragma once

#include <array>
#include <string>
#include <string_view>

class TYearStore;

// Folds the data rows of one file into the days of one slot of the year
// store, following the kind code of every column: daily totals, means
// weighted by workout duration, daily maxima, or the plain last value.
// Lives for one file: the running means and the current workout's duration
// carry over from row to row, the per-day accumulators restart each day.
class TDayFolder
{
public:
    // Columns a row may fill; later fields are ignored. Two more columns
    // stay free for the derived Power/HR and torque values.
    static constexpr int MaxRowColumns = 28;

    struct TRowFindings
    {
        bool tooManyColumns = false;
        int valuesOutOfRange = 0;
        int unreadableDurations = 0;
    };

    TDayFolder(TYearStore& store, int slot);

    // Folds a data row into day. Rows must come in ascending day order: a
    // row of another day than the one before restarts the day's
    // accumulators. A row without a field from field 2 on folds nothing.
    // The row's bytes may change: the first decimal comma after each
    // numeric field's start becomes a point.
    TRowFindings FoldRow(std::string& row, int day);

private:
    enum Kind { Duration = 2, NotRead = 15 };

    float FoldField(int kind, std::string& row, std::size_t fieldStart, std::size_t fieldEnd, int column,
                    TRowFindings& findings);
    float ReadHours(std::string_view field, TRowFindings& findings);
    float ReadValue(std::string& row, std::size_t fieldStart, std::size_t fieldEnd, TRowFindings& findings);
    void ReplaceFirstComma(std::string& row, std::size_t from);
    void StoreDerivedValues(int day, int columns, TRowFindings& findings);
    void Store(int day, int column, float value, TRowFindings& findings);

    TYearStore& store_;
    int slot_;

    // per file
    float workoutHours_ = 0.0f; // duration of the most recent duration field
    // the last means stored for kinds 4, 5, 6 and 14: Power/HR is
    // mean14 / mean5, the torque mean4 / mean6 scaled to newton metres
    float mean4_ = 0.0f;
    float mean5_ = 0.0f;
    float mean6_ = 0.0f;
    float mean14_ = 0.0f;

    // per day, indexed by kind code; dayHours_ is the day's duration H
    int day_ = 0;
    float dayHours_ = 0.0f;
    std::array<float, 22> accumulator_{};

    // per row: no decimal comma lies in [rowStart, commaFreeUntil_)
    std::size_t commaFreeUntil_ = 0;
    bool noMoreCommas_ = false;
};
