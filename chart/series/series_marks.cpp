#include "chart/series/series_marks.h"

#include "chart/canvas/assign_if_changed.h"
#include "chart/series/chart_series.h"

template <typename T>
void TSeriesMarks::Change(T& field, T value)
{
    if (AssignIfChanged(field, value))
        owner_->RequestRepaint();
}

void TSeriesMarks::Assign(const TSeriesMarks& other)
{
    Change(backColor_, other.backColor_);
    Change(arrowLength_, other.arrowLength_);
    Change(style_, other.style_);
    Change(visible_, other.visible_);
    Change(clip_, other.clip_);
    Change(transparent_, other.transparent_);
}

void TSeriesMarks::SetVisible(bool value) { Change(visible_, value); }
void TSeriesMarks::SetArrowLength(int value) { Change(arrowLength_, value); }
void TSeriesMarks::SetBackColor(TColor value) { Change(backColor_, value); }
void TSeriesMarks::SetClip(bool value) { Change(clip_, value); }
void TSeriesMarks::SetTransparent(bool value) { Change(transparent_, value); }
void TSeriesMarks::SetStyle(TSeriesMarksStyle value) { Change(style_, value); }

const std::optional<TSeriesMarkPosition>& TSeriesMarks::Position(int index) const
{
    static const std::optional<TSeriesMarkPosition> none;
    if (index < 0 || index >= PositionCount())
        return none;
    return positions_[std::size_t(index)];
}

void TSeriesMarks::SetPosition(int index, const TSeriesMarkPosition& position)
{
    if (index < 0)
        return;
    if (index >= PositionCount())
        positions_.resize(std::size_t(index) + 1);
    positions_[std::size_t(index)] = position;
}

void TSeriesMarks::ClearPositions()
{
    std::vector<std::optional<TSeriesMarkPosition>>().swap(positions_);
}

void TSeriesMarks::DeletePosition(int index)
{
    if (index >= 0 && index < PositionCount())
        positions_.erase(positions_.begin() + index);
}
