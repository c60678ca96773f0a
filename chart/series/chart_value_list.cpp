#include "chart/series/chart_value_list.h"

#include "chart/canvas/assign_if_changed.h"
#include "chart/series/chart_value_lists.h"
#include "chart/series/list_index_exception.h"

#include <algorithm>
#include <utility>

TChartValueList::TChartValueList(TValueListOwner& owner, QString name)
    : owner_(&owner), name_(std::move(name))
{
    owner_->ValuesList().Add(*this);
}

TChartValueList::~TChartValueList()
{
    owner_->ValuesList().Remove(*this);
}

double TChartValueList::ValueAt(int index) const
{
    CheckListIndex(index, ValueCount());
    return ScaleValue(values_[std::size_t(index)], multiplier_);
}

void TChartValueList::SetValueAt(int index, double value)
{
    CheckListIndex(index, ValueCount());
    values_[std::size_t(index)] = value;
    MarkChanged();
    owner_->NotifyLinkedSeries(lcModified, index);
}

void TChartValueList::RemoveAll()
{
    std::vector<double>().swap(values_);
    MarkChanged();
}

int TChartValueList::InsertOrdered(double value)
{
    const int count = ValueCount();
    int index = count;
    if (order_ != loNone && count > 0) {
        // Scan down from the end: values arriving in order stop at once.
        int i = count - 1;
        if (order_ == loAscending) {
            while (i >= 0 && values_[std::size_t(i)] > value)
                --i;
        } else {
            while (i >= 0 && values_[std::size_t(i)] < value)
                --i;
        }
        index = i + 1;
    }
    values_.insert(values_.begin() + index, value);
    MarkChanged();
    return index;
}

void TChartValueList::InsertAt(int index, double value)
{
    if (index != ValueCount())
        CheckListIndex(index, ValueCount());
    values_.insert(values_.begin() + index, value);
    MarkChanged();
}

int TChartValueList::ValueCount() const
{
    return int(values_.size());
}

void TChartValueList::RemoveAt(int index)
{
    CheckListIndex(index, ValueCount());
    values_.erase(values_.begin() + index);
    MarkChanged();
}

void TChartValueList::RotateLeft()
{
    if (!values_.empty())
        std::rotate(values_.begin(), values_.begin() + 1, values_.end());
}

int TChartValueList::IndexOfValue(double value) const
{
    for (int i = 0, count = ValueCount(); i < count; ++i)
        if (ValueAt(i) == value)
            return i;
    return -1;
}

void TChartValueList::NumberSequentially()
{
    for (int i = 0, count = ValueCount(); i < count; ++i)
        SetValueAt(i, i);
}

void TChartValueList::Exchange(int i, int j)
{
    CheckListIndex(i, ValueCount());
    CheckListIndex(j, ValueCount());
    std::swap(values_[std::size_t(i)], values_[std::size_t(j)]);
    // Same values, but the sums accumulate in index order.
    MarkChanged();
}

void TChartValueList::AssignSettings(const TChartValueList& other)
{
    order_ = other.order_;
    SetDateTime(other.dateTime_);
    SetMultiplier(other.multiplier_);
    SetValueSource(other.valueSource_);
}

const TValueStatistics& TChartValueList::Statistics()
{
    if (statsDirty_)
        RecalcStatistics();
    return statistics_;
}

void TChartValueList::RecalcStatistics()
{
    statistics_ = ComputeStatistics(values_, multiplier_);
    statsDirty_ = false;
}

void TChartValueList::SetDateTime(bool value)
{
    if (AssignIfChanged(dateTime_, value))
        owner_->RequestRepaint();
}

void TChartValueList::SetMultiplier(double value)
{
    if (!AssignIfChanged(multiplier_, value))
        return;
    MarkChanged();
    owner_->NotifyLinkedSeries(lcRefresh, -1);
    owner_->RequestRepaint();
}

void TChartValueList::SetValueSource(const QString& value)
{
    if (AssignIfChanged(valueSource_, value))
        owner_->CheckDataSource();
}

// -1, 0 or +1 comparing the scaled values of points a and b in the
// direction of Order().
int TChartValueList::Compare(int a, int b) const
{
    const double va = ValueAt(a);
    const double vb = ValueAt(b);
    const int result = va < vb ? -1 : (va > vb ? 1 : 0);
    return order_ == loDescending ? -result : result;
}

void TChartValueList::SortByOrder()
{
    if (order_ != loNone && ValueCount() > 1)
        QuickSort(0, ValueCount() - 1);
}

// Hoare-style partition around the middle point. The pivot is tracked by
// index because exchanges go through the owner and move whole points.
void TChartValueList::QuickSort(int l, int r)
{
    while (l < r) {
        int i = l;
        int j = r;
        int pivot = (l + r) / 2;
        while (i < j) {
            while (Compare(i, pivot) < 0)
                ++i;
            while (Compare(pivot, j) < 0)
                --j;
            if (i < j) {
                owner_->SwapPoints(i, j);
                if (i == pivot)
                    pivot = j;
                else if (j == pivot)
                    pivot = i;
            }
            if (i <= j) {
                ++i;
                --j;
            }
        }
        if (l < j)
            QuickSort(l, j);
        l = i; // the right part, as a loop rather than a second call
    }
}
