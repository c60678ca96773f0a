#pragma once

#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/colour.h"
#include "chart/canvas/rect.h"

#include <cstdint>
#include <optional>
#include <vector>

class TChartSeries;

enum TSeriesMarksStyle : std::uint8_t {
    smsValue,
    smsPercent,
    smsLabel,
    smsLabelPercent,
    smsLabelValue,
    smsLegend,
    smsPercentTotal,
    smsLabelPercentTotal,
    smsXValue,
};

// Where one mark was drawn: arrow from the point to the box, the box's
// left-top corner and size. A custom position replaces the computed one.
struct TSeriesMarkPosition
{
    TPoint ArrowFrom;
    TPoint ArrowTo;
    TPoint LeftTop;
    int Width = 0;
    int Height = 0;
    bool Custom = false;
};

// The value labels a series can draw next to its points, and the position
// of each drawn one (one slot per point index). Hidden by default.
class TSeriesMarks : private TPropertyOwner<TSeriesMarks>
{
public:
    explicit TSeriesMarks(TChartSeries& owner) : owner_(&owner) {}

    TSeriesMarks(const TSeriesMarks&) = delete;
    TSeriesMarks& operator=(const TSeriesMarks&) = delete;

    // Copies the settings, not the positions.
    void Assign(const TSeriesMarks& other);

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    int ArrowLength() const { return arrowLength_; }
    void SetArrowLength(int value);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value);
    bool Clip() const { return clip_; }
    void SetClip(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TSeriesMarksStyle Style() const { return style_; }
    void SetStyle(TSeriesMarksStyle value);

    // Positions by point index; a missing slot is std::nullopt.
    const std::optional<TSeriesMarkPosition>& Position(int index) const;
    void SetPosition(int index, const TSeriesMarkPosition& position);
    int PositionCount() const { return int(positions_.size()); }
    void ClearPositions();
    // Forgets the position of a deleted point; later points move down.
    void DeletePosition(int index);

private:
    void Changed() const;
    friend class TPropertyOwner<TSeriesMarks>;

    TChartSeries* owner_;
    TColor backColor_ = 0x80FFFF;
    int arrowLength_ = 8;
    TSeriesMarksStyle style_ = smsLabel;
    bool visible_ = false;
    bool clip_ = false;
    bool transparent_ = false;
    std::vector<std::optional<TSeriesMarkPosition>> positions_;
};
