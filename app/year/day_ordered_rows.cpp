#include "app/year/day_ordered_rows.h"

#include <algorithm>

void TDayOrderedRows::Add(int day, std::string_view row)
{
    rows_.push_back({day, bytes_.size(), row.size()});
    bytes_.append(row);
}

void TDayOrderedRows::ForEachInDayOrder(const std::function<void(int day, std::string& row)>& fold)
{
    std::stable_sort(rows_.begin(), rows_.end(), [](const TRow& a, const TRow& b) { return a.day < b.day; });
    for (const TRow& row : rows_) {
        row_.assign(bytes_, row.offset, row.length);
        fold(row.day, row_);
    }
}
