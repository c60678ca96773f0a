#include "chart/series/series_marks.h"

#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/chart_canvas.h"
#include "chart/series/chart_series.h"

#include <QScopeGuard>

#include <algorithm>

namespace {

// The chart's line separator: one mark text may hold several lines.
constexpr QChar kLineSeparator = QChar(13);

} // namespace

TSeriesMarks::TSeriesMarks(TChartSeries& owner)
    : owner_(&owner),
      arrow_(std::make_unique<TChartArrowPen>([this] { Changed(); })),
      frame_(std::make_unique<TChartPen>([this] { Changed(); }))
{
}

TSeriesMarks::~TSeriesMarks() = default;

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
    SetProperty(font_, other.font_);
    arrow_->Assign(*other.arrow_);
    frame_->Assign(*other.frame_);
}

void TSeriesMarks::SetVisible(bool value) { SetProperty(visible_, value); }
void TSeriesMarks::SetArrowLength(int value) { SetProperty(arrowLength_, value); }
void TSeriesMarks::SetBackColor(TColor value) { SetProperty(backColor_, value); }
void TSeriesMarks::SetClip(bool value) { SetProperty(clip_, value); }
void TSeriesMarks::SetTransparent(bool value) { SetProperty(transparent_, value); }
void TSeriesMarks::SetStyle(TSeriesMarksStyle value) { SetProperty(style_, value); }
void TSeriesMarks::SetFont(const TFont& value) { SetProperty(font_, value); }

QStringList TSeriesMarks::TextLines(const QString& text)
{
    QStringList lines = text.split(kLineSeparator);
    if (lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

int TSeriesMarks::TextWidth(const TChartCanvas& canvas, const QString& text)
{
    int widest = 0;
    for (const QString& line : TextLines(text))
        widest = std::max(widest, canvas.MeasureWidth(line));
    return widest;
}

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

TSeriesMarkPosition TSeriesMarks::CalcPosition(const TChartCanvas& canvas, const QString& text, TPoint point) const
{
    int w = TextWidth(canvas, text) + canvas.MeasureWidth(QStringLiteral("W"));
    int h = int(TextLines(text).size()) * canvas.TextLineHeight();
    if (frame_->Visible()) {
        w += 2 * frame_->Width();
        h += 2 * frame_->Width();
    }
    TSeriesMarkPosition position;
    position.ArrowFrom = point;
    position.ArrowTo = point;
    position.LeftTop = {point.X - w / 2, point.Y - h + 1};
    position.Width = w;
    position.Height = h;
    return position;
}

void TSeriesMarks::DrawMark(TChartCanvas& canvas, int index, const QString& text, TSeriesMarkPosition position,
                            TColor colour, TColor chartColour)
{
    // A mark the user placed stays where it was put.
    if (const auto& stored = Position(index); stored && stored->Custom)
        position = *stored;
    else
        SetPosition(index, position);
    if (arrow_->Visible())
        DrawArrow(canvas, position, colour, chartColour);
    int textTop = position.LeftTop.Y;
    if (frame_->Visible() || !transparent_)
        textTop = DrawBox(canvas, position);
    canvas.Brush().Style = bsClear;
    DrawLines(canvas, text, position, textTop);
}

void TSeriesMarks::DrawArrow(TChartCanvas& canvas, const TSeriesMarkPosition& position, TColor colour,
                             TColor chartColour) const
{
    canvas.AssignVisiblePen(*arrow_);
    canvas.Brush().Style = bsClear;
    // An arrow in the colour of its point or of the chart would vanish.
    if (canvas.Pen().Color == colour || canvas.Pen().Color == chartColour)
        canvas.Pen().Color = chartColour == clBlack ? clWhite : clBlack;
    canvas.Line(position.ArrowFrom.X, position.ArrowFrom.Y, position.ArrowTo.X, position.ArrowTo.Y);
}

int TSeriesMarks::DrawBox(TChartCanvas& canvas, const TSeriesMarkPosition& position) const
{
    canvas.Brush().Color = backColor_;
    canvas.Brush().Style = transparent_ ? bsClear : bsSolid;
    canvas.AssignVisiblePen(*frame_);
    const TPoint lt = position.LeftTop;
    canvas.Rectangle(lt.X, lt.Y, lt.X + position.Width, lt.Y + position.Height);
    return frame_->Visible() ? lt.Y + frame_->Width() : lt.Y;
}

void TSeriesMarks::DrawLines(TChartCanvas& canvas, const QString& text, const TSeriesMarkPosition& position,
                             int textTop) const
{
    // Marks are centred on their point; the rest of the chart draws text
    // left-top aligned, whatever happens in between.
    canvas.SetTextAlign(TextAlignCenter | TextAlignTop);
    const auto leftTop = qScopeGuard([&canvas] { canvas.SetTextAlign(TextAlignLeft | TextAlignTop); });
    const int x = position.LeftTop.X + position.Width / 2;
    const int lineHeight = canvas.TextLineHeight();
    int y = textTop;
    for (const QString& line : TextLines(text)) {
        canvas.TextOut(x, y, line);
        y += lineHeight;
    }
}
