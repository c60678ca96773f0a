// The space an axis takes beside the plot, and its drawing.
#include "chart/axes/custom_chart_axis.h"

#include "chart/axes/axis_geometry.h"
#include "chart/axes/axis_paint.h"
#include "chart/axes/text_block.h"
#include "chart/canvas/canvas3d.h"
#include "chart/canvas/pixel_math.h"

#include <algorithm>

namespace {

// +1 where moving away from the plot increases the coordinate (bottom and
// right axes), -1 for the top and left ones.
int Outwards(TAxisSide side) { return side == asBottom || side == asRight ? 1 : -1; }

int& EdgeOf(TRect& r, TAxisSide side)
{
    switch (side) {
    case asTop: return r.Top;
    case asLeft: return r.Left;
    case asRight: return r.Right;
    default: return r.Bottom;
    }
}

bool RightAngleAlong(bool horizontal, int angle)
{
    return horizontal ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

} // namespace

// Draws one axis from the tick list of a paint.
class TAxisPainter
{
public:
    TAxisPainter(const TCustomChartAxis& axis, const TAxisPaint& paint)
        : axis_(axis), canvas_(paint.Canvas), paint_(paint), side_(axis.Side()), out_(Outwards(side_))
    {
    }

    void Title();
    void Labels(const TAxisTickList& ticks);
    void AxisLine();
    // Lines across the axis at each pixel, from offset to offset + length
    // outwards from the axis line (negative values go inwards).
    void Ticks(const std::vector<int>& pixels, const TChartPen& pen, int offset, int length);
    void Grid(const std::vector<int>& pixels, const TChartPen& pen);

private:
    void Text(int x, int y, int angle, const QString& text, const TFont& font);
    void Line(int x0, int y0, int x1, int y1) { canvas_.LineAtZ(x0, y0, x1, y1, 0); }

    const TCustomChartAxis& axis_;
    TCanvas3D& canvas_;
    const TAxisPaint& paint_;
    TAxisSide side_;
    int out_;
};

void TAxisPainter::Text(int x, int y, int angle, const QString& text, const TFont& font)
{
    TFont drawn = font;
    if (paint_.Printing && drawn.Color == clWhite)
        drawn.Color = clBlack;
    SelectChartFont(canvas_, drawn);
    canvas_.Brush().Color = paint_.ChartColour;
    canvas_.Brush().Style = bsClear;
    // The grid leaves the background opaque; an opaque label box would cover
    // the end of its neighbour and paint white bars on the panel.
    canvas_.SetBackgroundMode(bmTransparent);
    const QStringList lines = TextLines(text);
    const TLabelLayout l = CalcLabelLayout(side_, angle, x, y, int(lines.size()), canvas_.TextLineHeight());
    canvas_.SetTextAlign(l.Align);
    int lx = l.StartX;
    int ly = l.StartY;
    for (const QString& line : lines) {
        lx += l.StepX;
        ly += l.StepY;
        if (angle == 0)
            canvas_.TextOutAtZ(lx, ly, line, 0);
        else
            canvas_.TextAtAngleZ(lx, ly, line, angle, 0);
    }
    canvas_.SetTextAlign(TextAlignLeft | TextAlignTop);
}

void TAxisPainter::Title()
{
    const TChartAxisTitle& title = axis_.Title();
    const int band = axis_.titleBandPos_;
    const int centre = axis_.mapping_.PixelCentre();
    if (axis_.Horizontal())
        Text(centre, band, title.Angle(), title.Caption(), title.Font());
    else
        Text(band, centre, title.Angle(), title.Caption(), title.Font());
}

void TAxisPainter::Labels(const TAxisTickList& ticks)
{
    const int band = axis_.labelBandPos_;
    for (const TAxisTick& t : ticks.Ticks) {
        if (!t.Labelled)
            continue;
        if (axis_.Horizontal())
            Text(t.Pixel, band, axis_.LabelsAngle(), t.Text, axis_.LabelsFont());
        else
            Text(band, t.Pixel, axis_.LabelsAngle(), t.Text, axis_.LabelsFont());
    }
}

void TAxisPainter::AxisLine()
{
    if (!axis_.Axis().Visible())
        return;
    canvas_.AssignVisiblePen(axis_.Axis());
    const int pos = axis_.axisLinePos_;
    const int start = axis_.mapping_.PixelStart;
    const int end = axis_.mapping_.PixelEnd;
    switch (side_) {
    case asBottom: {
        const int y = pos + paint_.WallSize(asBottom);
        Line(start - paint_.WallSize(asLeft), y, end, y);
        break;
    }
    case asLeft: {
        const int x = pos - paint_.WallSize(asLeft);
        Line(x, start, x, end + paint_.WallSize(asBottom));
        break;
    }
    case asTop: Line(start, pos, end, pos); break;
    default: Line(pos, start, pos, end); break;
    }
}

void TAxisPainter::Ticks(const std::vector<int>& pixels, const TChartPen& pen, int offset, int length)
{
    if (!pen.Visible() || length == 0 || pixels.empty())
        return;
    canvas_.AssignVisiblePen(pen);
    const int from = axis_.axisLinePos_ + out_ * offset;
    const int to = from + out_ * length;
    for (int p : pixels) {
        if (axis_.Horizontal())
            Line(p, from, p, to);
        else
            Line(from, p, to, p);
    }
}

void TAxisPainter::Grid(const std::vector<int>& pixels, const TChartPen& pen)
{
    if (!pen.Visible() || pixels.empty())
        return;
    canvas_.AssignVisiblePen(pen);
    if (pen.Color() == clDefault)
        canvas_.Pen().Color = 0x808080;
    // The thinnest line a printer draws for a styled grid.
    if (paint_.Printing && pen.Style() != psSolid && pen.Width() == 1)
        canvas_.Pen().Width = 0;
    canvas_.Brush().Style = bsClear;
    canvas_.SetBackgroundMode(bmTransparent);
    const TRect plot = paint_.Plot;
    for (int p : pixels) {
        if (axis_.Horizontal())
            Line(p, plot.Top, p, plot.Bottom);
        else
            Line(plot.Left, p, plot.Right, p);
    }
    canvas_.SetBackgroundMode(bmOpaque);
}

// --- the axis' layout and drawing -------------------------------------------

int TCustomChartAxis::TickSize() const
{
    int size = (axisPen_.Visible() ? axisPen_.Width() : 0) + (ticks_.Visible() ? tickLength_ : 0);
    if (minorTicks_.Visible())
        size = std::max(size, minorTickLength_);
    return size;
}

int TCustomChartAxis::LabelsBandSize() const
{
    if (labelsSize_ != 0)
        return labelsSize_;
    TCanvas3D* canvas = Canvas();
    if (!canvas)
        return 0;
    SelectChartFont(*canvas, labelsFont_);
    return RightAngleAlong(horizontal_, labelsAngle_) ? canvas->TextLineHeight() : WidestLabel();
}

int TCustomChartAxis::TitleBandSize() const
{
    if (titleSize_ != 0)
        return titleSize_;
    TCanvas3D* canvas = Canvas();
    if (!canvas)
        return 0;
    SelectChartFont(*canvas, title_.Font());
    return RightAngleAlong(horizontal_, title_.Angle()) ? canvas->TextLineHeight()
                                                        : TextBlockWidth(*canvas, title_.Caption()).Width;
}

int TCustomChartAxis::MovedByPosition(int edge, const TRect& r) const
{
    const int extent = horizontal_ ? r.Height() : r.Width();
    return edge - Outwards(Side()) * RoundPixel(positionPercent_ * 0.01 * extent);
}

void TCustomChartAxis::ReserveAxisSpace(TRect& r, bool inflate, int wall)
{
    const TAxisSide side = Side();
    if (side == asDepth)
        return;
    const int out = Outwards(side);
    const int tickSize = TickSize();
    const int labelsSize = LabelsBandSize();
    int& edge = EdgeOf(r, side);
    if (!inflate) {
        axisLinePos_ = MovedByPosition(edge, r);
        labelBandPos_ = axisLinePos_ + out * tickSize;
        titleBandPos_ = labelBandPos_ + out * labelsSize;
        return;
    }
    if (!title_.Caption().isEmpty())
        edge -= out * TitleBandSize();
    titleBandPos_ = edge;
    if (labels_)
        edge -= out * labelsSize;
    labelBandPos_ = edge;
    const int rest = tickSize + wall;
    if (rest > 0)
        edge -= out * rest;
    titleBandPos_ = MovedByPosition(titleBandPos_, r);
    labelBandPos_ = MovedByPosition(labelBandPos_, r);
}

TAxisTickList TCustomChartAxis::Draw(const TAxisPaint& paint, bool calcPosAxis)
{
    // The depth axis shows only in a 3D view, which this chart does not draw.
    if (!host_ || depth_)
        return {};
    showsDateTime_ = HasDateTimeValues();
    const TAxisLabelScale scale = LabelScale();
    if (calcPosAxis) {
        TRect plot = paint.Plot;
        axisLinePos_ = MovedByPosition(EdgeOf(plot, Side()), plot);
    }
    TAxisPainter painter(*this, paint);
    if (!title_.Caption().isEmpty())
        painter.Title();
    const TAxisTickList ticks = CalcTicks(scale);
    painter.Labels(ticks);

    const std::vector<int> pixels = ticks.Pixels();
    painter.AxisLine();
    painter.Ticks(pixels, ticks_, 1, tickLength_);
    painter.Grid(GridPixels(pixels, gridCentered_), grid_);
    painter.Ticks(pixels, ticksInner_, -1, -tickInnerLength_);
    if (minorTicks_.Visible() || minorGrid_.Visible()) {
        const std::vector<int> minor = MinorTickPixels(pixels, minorTickCount_, mapping_, logarithmicBase_);
        painter.Ticks(minor, minorTicks_, 1, minorTickLength_);
        painter.Grid(minor, minorGrid_);
    }
    return ticks;
}
