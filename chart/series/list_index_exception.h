#pragma once

#include "chart/canvas/exception.h"

#include <QString>

// The error raised for an index outside a list's bounds (value lists, the
// parallel point lists of a series, the chart's series list). It is raised
// before the list is touched, so a failed call leaves the list unchanged.
class ListIndexException : public Exception
{
public:
    explicit ListIndexException(qsizetype index)
        : Exception(QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(index)),
          index_(index)
    {
    }

    qsizetype Index() const noexcept { return index_; }

private:
    qsizetype index_;
};

// Raises ListIndexException unless 0 <= index < count.
inline void CheckListIndex(qsizetype index, qsizetype count)
{
    if (index < 0 || index >= count)
        throw ListIndexException(index);
}
