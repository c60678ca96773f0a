#include "app/view/drawn_years.h"

#include <algorithm>
#include <numeric>

void TDrawnYears::Reset(const std::vector<int>& years)
{
    rows_.assign(years.size(), TRow{});
    std::vector<int> latestFirst(years.size());
    std::iota(latestFirst.begin(), latestFirst.end(), 0);
    std::stable_sort(latestFirst.begin(), latestFirst.end(), [&](int a, int b) {
        return years[std::size_t(a)] != years[std::size_t(b)] ? years[std::size_t(a)] > years[std::size_t(b)] : a > b;
    });
    latestFirst.resize(std::min<std::size_t>(latestFirst.size(), MaxDrawnYears));
    // Colours in row order, as the legend lists the years.
    std::sort(latestFirst.begin(), latestFirst.end());
    for (std::size_t r = 0; r < years.size(); ++r)
        rows_[r].year = years[r];
    for (std::size_t i = 0; i < latestFirst.size(); ++i)
        rows_[std::size_t(latestFirst[i])].colour = int(i);
}

TColor TDrawnYears::Colour(int row) const
{
    const int colour = rows_[std::size_t(row)].colour;
    return colour >= 0 ? Palette[std::size_t(colour)] : clNone;
}

std::array<int, MaxDrawnYears> TDrawnYears::RowsByColour() const
{
    std::array<int, MaxDrawnYears> rows;
    rows.fill(-1);
    for (int r = 0; r < Count(); ++r)
        if (IsDrawn(r))
            rows[std::size_t(rows_[std::size_t(r)].colour)] = r;
    return rows;
}

TDrawnYears::TToggle TDrawnYears::Toggle(int row)
{
    if (row < 0 || row >= Count())
        return TToggle::NoYear;
    TRow& entry = rows_[std::size_t(row)];
    if (entry.colour >= 0) {
        if (DrawnCount() == 1)
            return TToggle::RefusedLast;
        entry.colour = -1;
        return TToggle::Hidden;
    }
    if (DrawnCount() >= MaxDrawnYears)
        return TToggle::RefusedFull;
    entry.colour = FreeColour();
    return TToggle::Shown;
}

std::vector<int> TDrawnYears::HiddenYears() const
{
    std::vector<int> hidden;
    for (const TRow& row : rows_)
        if (row.colour < 0)
            hidden.push_back(row.year);
    return hidden;
}

void TDrawnYears::HideYears(const std::vector<int>& years)
{
    for (int r = 0; r < Count(); ++r)
        if (IsDrawn(r) && std::find(years.begin(), years.end(), Year(r)) != years.end())
            Toggle(r); // the last drawn year refuses
}

int TDrawnYears::DrawnCount() const
{
    return int(std::count_if(rows_.begin(), rows_.end(), [](const TRow& row) { return row.colour >= 0; }));
}

int TDrawnYears::FreeColour() const
{
    for (int c = 0; c < MaxDrawnYears; ++c)
        if (std::none_of(rows_.begin(), rows_.end(), [c](const TRow& row) { return row.colour == c; }))
            return c;
    return -1;
}
