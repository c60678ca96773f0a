#pragma once

#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/chart_font.h"
#include "chart/canvas/chart_pen.h"
#include "chart/canvas/colour.h"
#include "chart/canvas/rect.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class TChartCanvas;
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
    explicit TSeriesMarks(TChartSeries& owner);
    ~TSeriesMarks();

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
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& value);
    // The line from the point to its mark.
    TChartArrowPen& Arrow() const { return *arrow_; }
    // The outline of the mark's box.
    TChartPen& Frame() const { return *frame_; }

    // Where the mark of text goes for a point at pixel point: centred
    // above it, the box as wide as the text plus one "W" and as high as its
    // lines, grown by the frame on every side. Measures with the canvas font.
    TSeriesMarkPosition CalcPosition(const TChartCanvas& canvas, const QString& text, TPoint point) const;
    // Draws the mark of point index at position (or at the custom position
    // stored for that point, else storing this one): arrow, box, centred
    // lines. colour is the point's, chartColour the chart's background.
    void DrawMark(TChartCanvas& canvas, int index, const QString& text, TSeriesMarkPosition position,
                  TColor colour, TColor chartColour);

    // The lines of a mark text (split at the chart's line separator); a
    // trailing empty line is dropped.
    static QStringList TextLines(const QString& text);
    // The width of the widest line of text on canvas.
    static int TextWidth(const TChartCanvas& canvas, const QString& text);

    // Positions by point index; a missing slot is std::nullopt.
    const std::optional<TSeriesMarkPosition>& Position(int index) const;
    void SetPosition(int index, const TSeriesMarkPosition& position);
    int PositionCount() const { return int(positions_.size()); }
    void ClearPositions();
    // Forgets the position of a deleted point; later points move down.
    void DeletePosition(int index);

private:
    void Changed() const;
    void DrawArrow(TChartCanvas& canvas, const TSeriesMarkPosition& position, TColor colour,
                   TColor chartColour) const;
    // The box behind the text; returns the top of the first text line.
    int DrawBox(TChartCanvas& canvas, const TSeriesMarkPosition& position) const;
    void DrawLines(TChartCanvas& canvas, const QString& text, const TSeriesMarkPosition& position,
                   int textTop) const;
    friend class TPropertyOwner<TSeriesMarks>;

    TChartSeries* owner_;
    std::unique_ptr<TChartArrowPen> arrow_;
    std::unique_ptr<TChartPen> frame_;
    TFont font_;
    TColor backColor_ = 0x80FFFF;
    int arrowLength_ = 8;
    TSeriesMarksStyle style_ = smsLabel;
    bool visible_ = false;
    bool clip_ = false;
    bool transparent_ = false;
    std::vector<std::optional<TSeriesMarkPosition>> positions_;
};
