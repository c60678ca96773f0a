#include "chart/series/series_marks.h"

#include "chart/canvas/assign_if_changed.h"
#include "chart/series/chart_series.h"

void TSeriesMarks::Changed() const
{
    owner_->RequestRepaint();
}

void TSeriesMarks::Assign(const TSeriesMarks& other)
{
    SetProperty(backColor_, other.backColor_);
    SetProperty(arrowLength_, other.arrowLength_);
    SetProperty(style_, other.style_);
    SetProperty(visible_, other.visible_);
    SetProperty(clip_, other.clip_);
    SetProperty(transparent_, other.transparent_);
}

void TSeriesMarks::SetVisible(bool value) { SetProperty(visible_, value); }
void TSeriesMarks::SetArrowLength(int value) { SetProperty(arrowLength_, value); }
void TSeriesMarks::SetBackColor(TColor value) { SetProperty(backColor_, value); }
void TSeriesMarks::SetClip(bool value) { SetProperty(clip_, value); }
void TSeriesMarks::SetTransparent(bool value) { SetProperty(transparent_, value); }
void TSeriesMarks::SetStyle(TSeriesMarksStyle value) { SetProperty(style_, value); }

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
