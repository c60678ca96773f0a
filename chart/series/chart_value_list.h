#pragma once

#include "chart/series/value_list_owner.h"
#include "chart/series/value_statistics.h"

#include <QString>

#include <cstdint>
#include <vector>

enum TChartListOrder : std::uint8_t {
    loNone,
    loAscending,
    loDescending,
};

// One coordinate of every point of a series (the X values, the Y values, or
// a further coordinate). Values are stored raw and scaled by Multiplier() on
// every read. Entry i of every list of a series belongs to point i.
//
// The four statistics are cached and recomputed at most once per change.
// Their getters are deliberately non-const: reading them may refresh the
// cache. Code holding a const list can still compute them with
// ComputeStatistics(RawValues(), Multiplier()).
class TChartValueList
{
public:
    // Registers the new list at the end of owner's value lists.
    TChartValueList(TValueListOwner& owner, QString name);
    virtual ~TChartValueList();

    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    virtual double ValueAt(int index) const;
    // Overwrites a raw value; tells the owner the point was modified but
    // neither repaints nor re-sorts.
    virtual void SetValueAt(int index, double value);
    // Removes every value and gives the storage back.
    virtual void RemoveAll();
    // Inserts keeping Order() (comparing raw values) after any equal values;
    // returns the index the value now stands at.
    virtual int InsertOrdered(double value);
    virtual void InsertAt(int index, double value);
    virtual int ValueCount() const;
    virtual void RemoveAt(int index);
    // Moves the first value to the end. The set of values is unchanged, so
    // the statistics are left as they are.
    virtual void RotateLeft();

    double LastValue() const { return ValueAt(ValueCount() - 1); }
    // First index whose scaled value equals value exactly; -1 if none.
    int IndexOfValue(double value) const;
    // Sets every value to its index, one SetValueAt() per point.
    void NumberSequentially();
    // Sorts the owner's points by this list (scaled values), exchanging
    // whole points through the owner. Not stable. Nothing for loNone.
    void SortByOrder();
    // Copies Order, DateTime, Multiplier and ValueSource; not the values
    // and not the name.
    void AssignSettings(const TChartValueList& other);
    // Exchanges two raw values; used by the owner to swap whole points.
    void Exchange(int i, int j);

    double Highest() { return Statistics().highest; }
    double Lowest() { return Statistics().lowest; }
    double Sum() { return Statistics().sum; }
    double AbsoluteSum() { return Statistics().absoluteSum; }
    const TValueStatistics& Statistics();
    bool StatsDirty() const { return statsDirty_; }
    void RecalcStatistics();

    // Raw storage, before scaling.
    const std::vector<double>& RawValues() const { return values_; }
    std::size_t Capacity() const { return values_.capacity(); }

    bool DateTime() const { return dateTime_; }
    void SetDateTime(bool value);
    double Multiplier() const { return multiplier_; }
    void SetMultiplier(double value);
    const QString& Name() const { return name_; }
    void SetName(const QString& value) { name_ = value; }
    TChartListOrder Order() const { return order_; }
    // A plain store: existing values are not re-sorted.
    void SetOrder(TChartListOrder value) { order_ = value; }
    const QString& ValueSource() const { return valueSource_; }
    void SetValueSource(const QString& value);

    double PendingValue() const { return pendingValue_; }
    void SetPendingValue(double value) { pendingValue_ = value; }

    TValueListOwner& Owner() const { return *owner_; }

protected:
    void MarkChanged() { statsDirty_ = true; }

private:
    int Compare(int a, int b) const;
    void QuickSort(int l, int r);

    TValueListOwner* owner_;

    // Settings.
    QString name_;
    QString valueSource_;
    double multiplier_ = 1.0;
    TChartListOrder order_ = loNone;
    bool dateTime_ = false;

    // Data and what is derived from it.
    std::vector<double> values_;
    double pendingValue_ = 0;
    TValueStatistics statistics_;
    bool statsDirty_ = true;
};
