#include "chart/canvas/shaped_texts.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace {

// Qt lays these out specially (tabs, line breaks): drawn as they come.
bool PlainLine(const QString& text)
{
    return std::ranges::none_of(text, [](QChar c) {
        return c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
}

} // namespace

TShapedTexts::TShapedTexts(const QFont& font) : font_(font), metrics_(font) {}

TShapedTexts::TShaped& TShapedTexts::Entry(const QString& text)
{
    if (texts_.size() >= MaxTexts && !texts_.contains(text))
        texts_.clear();
    return texts_[text];
}

int TShapedTexts::Width(const QString& text)
{
    TShaped& shaped = Entry(text);
    if (!shaped.Width)
        shaped.Width = metrics_.horizontalAdvance(text);
    return *shaped.Width;
}

void TShapedTexts::Draw(QPainter& painter, const QString& text, QPointF baseline)
{
    if (!PlainLine(text)) {
        painter.drawText(baseline, text);
        return;
    }
    TShaped& shaped = Entry(text);
    if (!shaped.Runs)
        shaped.Runs = Shape(text);
    for (const QGlyphRun& run : *shaped.Runs)
        painter.drawGlyphRun(baseline, run);
}

QList<QGlyphRun> TShapedTexts::Shape(const QString& text) const
{
    QTextLayout layout(text, font_);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<QGlyphRun> runs = layout.glyphRuns();
    // From the layout's top left to the baseline's left end.
    const QPointF origin(line.x(), line.ascent());
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions)
            p -= origin;
        run.setPositions(positions);
    }
    return runs;
}
