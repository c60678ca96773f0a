#pragma once

#include "app/year/year_counts.h"
#include "chart/canvas/colour.h"

#include <array>
#include <vector>

// Which of the loaded years the chart draws, and in which colour. The chart
// has eight year series, so at most eight years are drawn at once; the
// others stay reachable through the pick list. A year keeps its colour for
// as long as it is drawn. Row r is the pick list's row r, the year of store
// slot r + 1.
class TDrawnYears
{
public:
    // The colours of the year series, handed to years as they become drawn.
    static constexpr std::array<TColor, MaxDrawnYears> Palette = {clRed,   clLime, clBlue,  clMaroon,
                                                             clGreen, clAqua, clBlack, clNavy};

    enum class TToggle { Shown, Hidden, RefusedFull, RefusedLast, NoYear };

    // A new load: the years of the loaded slots, in slot order. The latest
    // MaxDrawnYears of them are drawn (of equal years, the later slot).
    void Reset(const std::vector<int>& years);

    int Count() const { return int(rows_.size()); }
    int Year(int row) const { return rows_[std::size_t(row)].year; }
    bool IsDrawn(int row) const { return rows_[std::size_t(row)].colour >= 0; }
    // The year's colour while it is drawn; clNone while it is hidden.
    TColor Colour(int row) const;
    // Entry i is the row drawn in Palette[i], -1 while that colour is free.
    // Year series i + 1 of the chart draws it: a year keeps its series, and
    // with it its colour and marker, for as long as it is drawn.
    std::array<int, MaxDrawnYears> RowsByColour() const;

    // Shows a hidden year or hides a drawn one. Refused: a ninth year while
    // eight are drawn, and the last drawn year (the legend would be empty,
    // and with it the way back to the pick list).
    TToggle Toggle(int row);

    // The loaded years that are not drawn (for remembering them).
    std::vector<int> HiddenYears() const;
    // Hides the loaded rows of these years, never the last drawn one.
    void HideYears(const std::vector<int>& years);

private:
    struct TRow
    {
        int year = 0;
        int colour = -1; // index into Palette, -1 while hidden
    };

    int DrawnCount() const;
    int FreeColour() const;

    std::vector<TRow> rows_;
};
