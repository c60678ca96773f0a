#include "app/year/year_store.h"

#include <algorithm>

TYearStore::TYearStore()
    : data_(std::make_unique<Cells>())
{
    ClearYearStore();
}

void TYearStore::ClearYearStore()
{
    data_->fill(0.0f);
    columnKind_.fill(0);
    sumColumn_.fill(NoColumn);
    lastRowDay_.fill(0);
}

void TYearStore::ClearSlot(int slot)
{
    const auto first = data_->begin() + static_cast<std::ptrdiff_t>(Index(slot, 0, 0));
    std::fill(first, first + DayCount * ColumnCount, 0.0f);
    SetLastRowDay(slot, 0);
}
