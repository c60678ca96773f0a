#include "chart/canvas/chart_canvas3d.h"

#include "chart/canvas/painter_style.h"

#include <QFontMetrics>
#include <QPaintEngine>
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

// The box of `text` whose alignment reference point is (x, y). Its width is
// measured only when needed: for centred or right-aligned text, or withWidth.
TTextBox CalcTextBox(int x, int y, const QString& text, const TPlatformFonts::TEntry& font, int flags,
                     bool withWidth)
{
    const bool measure = withWidth || (flags & TextAlignCenter) != 0;
    const QFontMetrics& fm = font.Metrics;
    int width = 0;
    if (measure) {
        TGlyphTexts* figures = font.FigureTexts(text);
        width = figures ? figures->Width(text) : font.Shaped().Width(text);
    }
    TTextBox box{x, y, width, fm.height(), fm.ascent()};
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
    const TPlatformFonts::TEntry& platform = fonts_.Get(font);
    const TTextBox box = CalcTextBox(x, y, text, platform, GetTextAlign(), paintBackground);
    TPainterSaver saver(*painter_);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (paintBackground)
        painter_->fillRect(box.Left, box.Top, box.Width, box.Height, ToQColor(BackgroundColour()));
    painter_->setFont(platform.Platform);
    painter_->setPen(ToQColor(font.Color));
    painter_->setBackgroundMode(Qt::TransparentMode);
    const QPointF baseline(box.Left, box.Top + box.Ascent);
    if (TGlyphTexts* figures = platform.FigureTexts(text))
        figures->Place(text, baseline).Draw(*painter_);
    else if (painter_->paintEngine()->type() == QPaintEngine::Raster)
        platform.Shaped().Draw(*painter_, text, baseline);
    else // a vector device keeps the text as text
        painter_->drawText(baseline, text);
}

void TChartCanvas3D::TextOut(int x, int y, const QString& text)
{
    if (!painter_ || text.isEmpty())
        return;
    ShiftStrokes({});
    DrawTextLine(x, y, text, Font(), BackgroundMode() == bmOpaque);
    ForgetAppliedState();
}

void TChartCanvas3D::TextAtAngle(int x, int y, const QString& text, int angle)
{
    Brush().Style = bsClear;
    if (!painter_ || text.isEmpty())
        return;
    ShiftStrokes({});
    TPainterSaver saver(*painter_);
    painter_->translate(x, y);
    // Counter-clockwise on the screen, where Y grows downwards.
    painter_->rotate(-ReducedTextAngle(angle));
    DrawTextLine(0, 0, text, TextFont(), false);
    ForgetAppliedState();
}

int TChartCanvas3D::MeasureWidth(const QString& text) const
{
    const TPlatformFonts::TEntry& platform = fonts_.Get(Font());
    if (TGlyphTexts* figures = platform.FigureTexts(text))
        return figures->Width(text);
    return platform.Shaped().Width(text);
}

int TChartCanvas3D::MeasureHeight(const QString& text) const
{
    Q_UNUSED(text);
    return fonts_.Get(Font()).Metrics.height();
}
