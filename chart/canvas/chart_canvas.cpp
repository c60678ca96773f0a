#include "chart/canvas/chart_canvas.h"

#include "chart/canvas/chart_pen.h"

void TChartCanvas::AssignVisiblePen(const TChartPen& pen)
{
    if (!pen.Visible()) {
        pen_.Style = psClear;
        return;
    }
    if (pen.SmallDots() && pen.Width() == 1) {
        pen_ = TCanvasPen{ResolveColour(pen.Color()), 1, psSolid, pen.Mode(), true};
        return;
    }
    pen_ = TCanvasPen{pen.Color(), pen.Width(), pen.Style(), pen.Mode(), false};
}

void TChartCanvas::ResetState()
{
    pen_ = TCanvasPen{};
    brush_.Color = clWhite;
    brush_.Style = bsSolid;
    brush_.Bitmap = QImage();
    font_.Color = clBlack;
    font_.Size = 10;
    backColour_ = clWhite;
    backMode_ = bmTransparent;
}

void TChartCanvas::SetBackColor(TColor c)
{
    backColour_ = ResolveColour(c);
}

void TChartCanvas::SetMonochromeFlag(bool v)
{
    monochrome_ = v;
}

void TChartCanvas::SetBuffered(bool v)
{
    buffered_ = v;
}

void TChartCanvas::BevelFrame(TRect& rect, TColor topLeft, TColor bottomRight, int width)
{
    const TCanvasPen saved = pen_;
    pen_.Width = 1;
    pen_.Alternate = false;
    if (pen_.Style == psClear)
        pen_.Style = psSolid;
    TRect r{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
    for (int i = 0; i < width; ++i) {
        pen_.Color = topLeft;
        MoveTo(r.Left, r.Bottom);
        LineTo(r.Left, r.Top);
        LineTo(r.Right, r.Top);
        pen_.Color = bottomRight;
        LineTo(r.Right, r.Bottom);
        LineTo(r.Left - 1, r.Bottom);
        r = r.Inflated(-1, -1);
    }
    pen_ = saved;
    pen_.Width = 1;
    if (width > 0)
        rect = rect.Inflated(-width, -width);
}

void TChartCanvas::HLine(int x0, int x1, int y)
{
    MoveTo(x0, y);
    LineTo(x1, y);
}

void TChartCanvas::VLine(int x, int y0, int y1)
{
    MoveTo(x, y0);
    LineTo(x, y1);
}

void TChartCanvas::Line(int x0, int y0, int x1, int y1)
{
    MoveTo(x0, y0);
    LineTo(x1, y1);
}

int ReducedTextAngle(int angle)
{
    return angle > 360 ? (angle - 1) % 360 + 1 : angle;
}
