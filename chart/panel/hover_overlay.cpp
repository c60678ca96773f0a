#include "chart/panel/hover_overlay.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

bool THoverOverlay::SameTexts(const THoverContent& content) const
{
    if (!content_ || content_->Heading != content.Heading || content_->Rows.size() != content.Rows.size())
        return false;
    for (std::size_t i = 0; i < content.Rows.size(); ++i)
        if (content_->Rows[i].Cells != content.Rows[i].Cells)
            return false;
    return true;
}

void THoverOverlay::Show(THoverContent content)
{
    if (content_ && *content_ == content)
        return;
    if (!SameTexts(content))
        metrics_ = MeasureHover(content, QFontMetrics(widget_.font()));
    const QRegion old = content_ ? layout_.Region() : QRegion();
    layout_ = CalcHoverLayout(content, metrics_, widget_.rect());
    content_ = std::move(content);
    widget_.update(old + layout_.Region());
}

void THoverOverlay::Hide()
{
    if (!content_)
        return;
    content_.reset();
    widget_.update(layout_.Region());
}

void THoverOverlay::Paint(QPaintDevice& device) const
{
    if (!content_)
        return;
    QPainter painter(&device);
    painter.fillRect(layout_.Line, ToQColor(LineColour));
    const QRect& box = layout_.Box;
    painter.fillRect(box, ToQColor(BoxColour));
    painter.setPen(ToQColor(TextColour));
    // The outline runs along the box' last column and row, inside it.
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setFont(widget_.font());
    const int h = layout_.RowHeight;
    int top = box.top() + HoverPadding;
    painter.drawText(QRect(box.left() + HoverPadding, top, box.width() - 2 * HoverPadding, h),
                     Qt::AlignLeft | Qt::AlignVCenter, content_->Heading);
    for (const THoverRow& row : content_->Rows) {
        top += h;
        if (row.Swatch != clNone) {
            const QRect swatch(layout_.SwatchLeft, top + (h - HoverSwatchSize) / 2, HoverSwatchSize, HoverSwatchSize);
            painter.fillRect(swatch, ToQColor(ResolveColour(row.Swatch)));
            painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        }
        for (qsizetype i = 0; i < row.Cells.size() && std::size_t(i) < layout_.ColumnLeft.size(); ++i) {
            const QRect cell(QPoint(layout_.ColumnLeft[std::size_t(i)], top),
                             QPoint(layout_.ColumnRight[std::size_t(i)] - 1, top + h - 1));
            painter.drawText(cell, (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, row.Cells[i]);
        }
    }
}
