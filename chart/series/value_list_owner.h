#pragma once

class TChartValueLists;

// Kinds of change a series passes on to the series that take it as their
// data source.
enum TLinkedChange {
    lcCleared,
    lcAdded,
    lcDeleted,
    lcModified,
    lcRefresh,
};

// What a value list needs from the series that owns it. The series is the
// only implementation in the program; tests use a small fake.
class TValueListOwner
{
public:
    virtual ~TValueListOwner() = default;

    // The owner's list of its value lists; a list registers itself there on
    // construction and leaves it on destruction.
    virtual TChartValueLists& ValuesList() = 0;
    virtual void RequestRepaint() = 0;
    virtual void NotifyLinkedSeries(TLinkedChange kind, int index) = 0;
    // Re-examines the data source with the chart (after ValueSource changed).
    virtual void CheckDataSource() = 0;
    // Exchanges point i and point j in every parallel list of the owner.
    virtual void SwapPoints(int i, int j) = 0;

protected:
    TValueListOwner() = default;
    TValueListOwner(const TValueListOwner&) = default;
    TValueListOwner& operator=(const TValueListOwner&) = default;
};
