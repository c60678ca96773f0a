#pragma once

#include "app/year/year_counts.h"

#include <array>
#include <cstddef>
#include <memory>

// The year store: every loaded year folded into one table of 32-bit floats,
// indexed by file slot, day of the year and column, plus the kind code of
// every column and the columns of the five cumulative metrics.
//
// Slot 0 is never filled; the k-th file of a load goes to slot k + 1.
// Cell (s, 0, 0) holds the year of slot s; a slot counts as loaded while
// that cell is greater than 0.
class TYearStore
{
public:
    static constexpr int SlotCount = MaxLoadedYears + 1;
    static constexpr int DayCount = 450;
    static constexpr int ColumnCount = 30;
    static constexpr int FirstYearSlot = 1;
    static constexpr int LastYearSlot = SlotCount - 1;
    static constexpr int MaxDayIndex = 369;
    static constexpr int KindCount = 30;
    static constexpr int SumMetricCount = 5;
    static constexpr int NoColumn = -1; // a cumulative metric no loaded file has

    TYearStore();

    // Days of a year as the files count them: every year divisible by 4 is
    // a leap year, with no century rule.
    static constexpr int DaysOfYear(int year) { return year % 4 == 0 ? 366 : 365; }

    // Every YearData cell and every ColumnKind entry become 0, and every
    // SumColumn entry NoColumn: a load names only the columns its own rows
    // fill, never one left over from an earlier load.
    void ClearYearStore();

    // Every cell of one slot becomes 0.
    void ClearSlot(int slot);

    float Cell(int slot, int day, int column) const { return (*data_)[Index(slot, day, column)]; }
    void SetCell(int slot, int day, int column, float value) { (*data_)[Index(slot, day, column)] = value; }

    float Year(int slot) const { return Cell(slot, 0, 0); }
    void SetYear(int slot, float year) { SetCell(slot, 0, 0, year); }
    bool IsSlotLoaded(int slot) const { return Year(slot) > 0; }

    // The last day of the slot's year that a row of its file is dated, a
    // workout or not; 0 before the first row. A year not over yet ends there.
    int LastRowDay(int slot) const { return lastRowDay_[static_cast<std::size_t>(slot)]; }
    void SetLastRowDay(int slot, int day) { lastRowDay_[static_cast<std::size_t>(slot)] = day; }

    // ColumnKind[c + 1] is the kind code of column c; entry 0 collects the
    // kind-line entries of absent kinds.
    int ColumnKind(int entry) const { return columnKind_[static_cast<std::size_t>(entry)]; }
    void SetColumnKind(int entry, int kind) { columnKind_[static_cast<std::size_t>(entry)] = kind; }
    int KindOfColumn(int column) const { return ColumnKind(column + 1); }

    // Column of the last column read with kind 2, 3, 16, 12 and 10, or
    // NoColumn when no row of the load had one.
    int SumColumn(int metric) const { return sumColumn_[static_cast<std::size_t>(metric)]; }
    void SetSumColumn(int metric, int column) { sumColumn_[static_cast<std::size_t>(metric)] = column; }

    static constexpr std::size_t Index(int slot, int day, int column)
    {
        return (static_cast<std::size_t>(slot) * DayCount + static_cast<std::size_t>(day)) * ColumnCount
            + static_cast<std::size_t>(column);
    }

private:
    using Cells = std::array<float, std::size_t(SlotCount) * DayCount * ColumnCount>;
    struct TFreeCells
    {
        void operator()(Cells* cells) const;
    };
    // All cells 0, in memory fresh from the system: a load touches only the
    // pages of the slots it fills, not the whole megabyte.
    static std::unique_ptr<Cells, TFreeCells> ZeroCells();

    std::unique_ptr<Cells, TFreeCells> data_;
    std::array<int, KindCount> columnKind_{};
    std::array<int, SumMetricCount> sumColumn_{};
    std::array<int, SlotCount> lastRowDay_{};
};
