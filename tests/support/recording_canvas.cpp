#include "support/recording_canvas.h"

#include <QStringList>

namespace {

std::vector<int> RectArgs(const TRect& r, std::initializer_list<int> more = {})
{
    std::vector<int> args{r.Left, r.Top, r.Right, r.Bottom};
    args.insert(args.end(), more);
    return args;
}

} // namespace

TCanvasOp& TRecordingCanvas::Log(const QString& name, std::vector<int> args)
{
    TCanvasOp op;
    op.Name = name;
    op.Args = std::move(args);
    op.Pen = Pen();
    op.Brush = Brush();
    op.Font = Font();
    op.TextAlign = GetTextAlign();
    op.BackgroundMode = BackgroundMode();
    op.BackgroundColour = BackgroundColour();
    ops_.push_back(std::move(op));
    return ops_.back();
}

std::vector<TCanvasOp> TRecordingCanvas::OpsNamed(const QString& name) const
{
    std::vector<TCanvasOp> found;
    for (const TCanvasOp& op : ops_) {
        if (op.Name == name)
            found.push_back(op);
    }
    return found;
}

QStringList TRecordingCanvas::OpNames() const
{
    QStringList names;
    for (const TCanvasOp& op : ops_)
        names << op.Name;
    return names;
}

void TRecordingCanvas::SetPixel(int x, int y, TColor c)
{
    Log(QStringLiteral("SetPixel"), {x, y}).Colours = {c};
}

void TRecordingCanvas::Arc(const TRect& box, TPoint start, TPoint end)
{
    Log(QStringLiteral("Arc"), RectArgs(box, {start.X, start.Y, end.X, end.Y}));
}

void TRecordingCanvas::Draw(int x, int y, const QImage& picture)
{
    if (!picture.isNull())
        Log(QStringLiteral("Draw"), {x, y, picture.width(), picture.height()});
}

void TRecordingCanvas::Ellipse(int left, int top, int right, int bottom)
{
    Log(QStringLiteral("Ellipse"), {left, top, right, bottom});
}

void TRecordingCanvas::FillRect(const TRect& r)
{
    Log(QStringLiteral("FillRect"), RectArgs(r));
}

void TRecordingCanvas::BevelFrame(TRect& rect, TColor topLeft, TColor bottomRight, int width)
{
    Log(QStringLiteral("BevelFrame"), RectArgs(rect, {width})).Colours = {topLeft, bottomRight};
    if (width > 0)
        rect = rect.Inflated(-width, -width);
    Pen().Width = 1;
}

void TRecordingCanvas::LineTo(int x, int y)
{
    const TPoint from = PenPos();
    Log(QStringLiteral("LineTo"), {from.X, from.Y, x, y});
    SetPenPos({x, y});
}

void TRecordingCanvas::Pie(const TRect& box, TPoint start, TPoint end)
{
    Log(QStringLiteral("Pie"), RectArgs(box, {start.X, start.Y, end.X, end.Y}));
}

void TRecordingCanvas::Rectangle(int left, int top, int right, int bottom)
{
    Log(QStringLiteral("Rectangle"), {left, top, right, bottom});
}

void TRecordingCanvas::RoundRect(const TRect& box, int cornerWidth, int cornerHeight)
{
    Log(QStringLiteral("RoundRect"), RectArgs(box, {cornerWidth, cornerHeight}));
}

void TRecordingCanvas::DrawScaled(const TRect& r, const QImage& picture)
{
    if (!picture.isNull())
        Log(QStringLiteral("DrawScaled"), RectArgs(r));
}

void TRecordingCanvas::TextOut(int x, int y, const QString& text)
{
    Log(QStringLiteral("TextOut"), {x, y}).Text = text;
}

int TRecordingCanvas::MeasureWidth(const QString& text) const
{
    return CharWidth * int(text.size());
}

int TRecordingCanvas::MeasureHeight(const QString& /*text*/) const
{
    return LineHeight;
}

void TRecordingCanvas::ClipToRect(const TRect& r)
{
    Log(QStringLiteral("ClipToRect"), RectArgs(r));
}

void TRecordingCanvas::ClipToPolygon(std::span<const TPoint> points)
{
    Log(QStringLiteral("ClipToPolygon"), {}).Points.assign(points.begin(), points.end());
}

void TRecordingCanvas::RemoveClip()
{
    Log(QStringLiteral("RemoveClip"), {});
}

void TRecordingCanvas::FillGradient(const TRect& r, TColor start, TColor end, TGradientDirection direction)
{
    Log(QStringLiteral("FillGradient"), RectArgs(r, {int(direction)})).Colours = {start, end};
}

void TRecordingCanvas::Polygon(std::span<const TPoint> points)
{
    Log(QStringLiteral("Polygon"), {}).Points.assign(points.begin(), points.end());
}

void TRecordingCanvas::TextAtAngle(int x, int y, const QString& text, int angle)
{
    Brush().Style = bsClear;
    TCanvasOp& op = Log(QStringLiteral("TextAtAngle"), {x, y, ReducedTextAngle(angle)});
    op.Text = text;
    op.Font = TextFont();
}

TRect TRecordingCanvas::StartFrame(QPaintDevice* /*target*/, const TView3DOptions* options,
                                   const TRect& destination, bool is3D)
{
    BeginProjection(options, is3D);
    Log(QStringLiteral("StartFrame"), RectArgs(destination));
    return {0, 0, destination.Width(), destination.Height()};
}

void TRecordingCanvas::EndFrame(QPaintDevice* /*destination*/, const TRect& rect)
{
    Log(QStringLiteral("EndFrame"), RectArgs(rect));
    SetDirty(false);
}

bool TRecordingCanvas::RepaintFromBuffer(const QRegion& /*area*/)
{
    return !IsDirty();
}
