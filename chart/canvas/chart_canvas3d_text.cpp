#include "chart/canvas/chart_canvas3d.h"

#include "chart/canvas/painter_style.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

struct TTextBox
{
    int Left;
    int Top;
    int Width;
    int Height;
    int Ascent;
};

// The box of `text` whose alignment reference point is (x, y).
TTextBox CalcTextBox(int x, int y, const QString& text, const QFontMetrics& fm, int flags)
{
    TTextBox box{x, y, fm.horizontalAdvance(text), fm.height(), fm.ascent()};
    switch (flags & TextAlignCenter) {
    case TextAlignCenter: box.Left = x - box.Width / 2; break;
    case TextAlignRight: box.Left = x - box.Width; break;
    default: break;
    }
    switch (flags & TextAlignBaseline) {
    case TextAlignBaseline: box.Top = y - box.Ascent; break;
    case TextAlignBottom: box.Top = y - box.Height; break;
    default: break;
    }
    return box;
}

} // namespace

void TChartCanvas3D::DrawTextLine(int x, int y, const QString& text, const TFont& font, bool paintBackground)
{
    const QFont qfont = font.ToQFont();
    const TTextBox box = CalcTextBox(x, y, text, QFontMetrics(qfont), GetTextAlign());
    TPainterSaver saver(*painter_);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (paintBackground)
        painter_->fillRect(box.Left, box.Top, box.Width, box.Height, ToQColor(BackgroundColour()));
    painter_->setFont(qfont);
    painter_->setPen(ToQColor(font.Color));
    painter_->setBackgroundMode(Qt::TransparentMode);
    painter_->drawText(box.Left, box.Top + box.Ascent, text);
}

void TChartCanvas3D::TextOut(int x, int y, const QString& text)
{
    if (!painter_ || text.isEmpty())
        return;
    DrawTextLine(x, y, text, Font(), BackgroundMode() == bmOpaque);
    ForgetAppliedState();
}

void TChartCanvas3D::TextAtAngle(int x, int y, const QString& text, int angle)
{
    Brush().Style = bsClear;
    if (!painter_ || text.isEmpty())
        return;
    TPainterSaver saver(*painter_);
    painter_->translate(x, y);
    // Counter-clockwise on the screen, where Y grows downwards.
    painter_->rotate(-ReducedTextAngle(angle));
    DrawTextLine(0, 0, text, TextFont(), false);
    ForgetAppliedState();
}

int TChartCanvas3D::MeasureWidth(const QString& text) const
{
    return QFontMetrics(Font().ToQFont()).horizontalAdvance(text);
}

int TChartCanvas3D::MeasureHeight(const QString& text) const
{
    Q_UNUSED(text);
    return QFontMetrics(Font().ToQFont()).height();
}
