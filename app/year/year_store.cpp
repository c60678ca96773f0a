#include "app/year/year_store.h"

#include <algorithm>
#include <cstdlib>
#include <new>

void TYearStore::TFreeCells::operator()(Cells* cells) const
{
    std::free(cells);
}

std::unique_ptr<TYearStore::Cells, TYearStore::TFreeCells> TYearStore::ZeroCells()
{
    // calloc hands out a block this large as new zero pages without writing them.
    auto* cells = static_cast<Cells*>(std::calloc(1, sizeof(Cells)));
    if (!cells)
        throw std::bad_alloc();
    return std::unique_ptr<Cells, TFreeCells>(cells);
}

TYearStore::TYearStore()
{
    ClearYearStore();
}

void TYearStore::ClearYearStore()
{
    data_ = ZeroCells();
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
