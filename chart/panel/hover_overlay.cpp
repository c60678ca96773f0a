#include "chart/panel/hover_overlay.h"

#include <QPainter>
#include <QWidget>

THoverOverlay::THoverOverlay(QWidget& widget) : widget_(widget) {}

THoverOverlay::~THoverOverlay() = default;

TGlyphTexts& THoverOverlay::Texts()
{
    if (!texts_ || texts_->Font() != widget_.font())
        texts_ = std::make_unique<TGlyphTexts>(widget_.font());
    return *texts_;
}

void THoverOverlay::Show(THoverContent content)
{
    if (content_ && *content_ == content)
        return;
    TGlyphTexts& texts = Texts();
    const THoverMetrics metrics =
        MeasureHover(content, texts.Height(), [&texts](const QString& text) { return texts.Width(text); });
    const QRegion old = content_ ? layout_.Region() : QRegion();
    layout_ = CalcHoverLayout(content, metrics, widget_.rect());
    content_ = std::move(content);
    placed_ = PlaceTexts(texts);
    widget_.update((old + layout_.Region()).boundingRect());
}

void THoverOverlay::Hide()
{
    if (!content_)
        return;
    content_.reset();
    widget_.update(layout_.Region());
}

// The heading left-aligned in the first row; in the others the first cell
// left-aligned, the rest right-aligned in their columns.
std::vector<TPlacedText> THoverOverlay::PlaceTexts(TGlyphTexts& texts) const
{
    std::vector<TPlacedText> placed;
    const QRect& box = layout_.Box;
    int baseline = box.top() + HoverPadding + texts.Ascent();
    placed.push_back(texts.Place(content_->Heading, QPointF(box.left() + HoverPadding, baseline)));
    for (const THoverRow& row : content_->Rows) {
        baseline += layout_.RowHeight;
        for (qsizetype i = 0; i < row.Cells.size() && std::size_t(i) < layout_.ColumnLeft.size(); ++i) {
            const QString& cell = row.Cells[i];
            const int x = i == 0 ? layout_.ColumnLeft[std::size_t(i)]
                                 : layout_.ColumnRight[std::size_t(i)] - texts.Width(cell);
            placed.push_back(texts.Place(cell, QPointF(x, baseline)));
        }
    }
    return placed;
}

void THoverOverlay::Paint(QPaintDevice& device) const
{
    if (!content_)
        return;
    QPainter painter(&device);
    painter.fillRect(layout_.Line, ToQColor(LineColour));
    const QRect& box = layout_.Box;
    // Outlines are filled rather than stroked: a one-pixel frame inside the
    // box, and inside each swatch, at a fraction of a stroke's cost.
    painter.fillRect(box, ToQColor(TextColour));
    painter.fillRect(box.adjusted(1, 1, -1, -1), ToQColor(BoxColour));
    const int h = layout_.RowHeight;
    int top = box.top() + HoverPadding;
    for (const THoverRow& row : content_->Rows) {
        top += h;
        if (row.Swatch == clNone)
            continue;
        const QRect swatch(layout_.SwatchLeft, top + (h - HoverSwatchSize) / 2, HoverSwatchSize, HoverSwatchSize);
        painter.fillRect(swatch, ToQColor(TextColour));
        painter.fillRect(swatch.adjusted(1, 1, -1, -1), ToQColor(ResolveColour(row.Swatch)));
    }
    painter.setPen(ToQColor(TextColour));
    painter.setFont(widget_.font());
    for (const TPlacedText& text : placed_)
        text.Draw(painter);
}
