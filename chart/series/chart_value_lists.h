#pragma once

#include "chart/series/list_index_exception.h"

#include <QString>

#include <algorithm>
#include <vector>

class TChartValueList;

// The series' list of its value lists: X at 0, Y at 1, further coordinates
// from 2 on. It does not own the lists; each list adds itself when it is
// created and removes itself when it is destroyed.
class TChartValueLists
{
public:
    int Count() const { return int(lists_.size()); }
    TChartValueList& ValueList(int index) const
    {
        CheckListIndex(index, Count());
        return *lists_[std::size_t(index)];
    }
    TChartValueList& operator[](int index) const { return ValueList(index); }

    void Add(TChartValueList& list) { lists_.push_back(&list); }
    void Remove(const TChartValueList& list)
    {
        std::erase(lists_, &list);
    }

    auto begin() const { return lists_.begin(); }
    auto end() const { return lists_.end(); }

private:
    std::vector<TChartValueList*> lists_;
};
