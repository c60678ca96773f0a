#include "chart/panel/hover_layout.h"

#include <algorithm>

THoverMetrics MeasureHover(const THoverContent& content, int rowHeight,
                           const std::function<int(const QString&)>& width)
{
    THoverMetrics result;
    result.RowHeight = rowHeight;
    result.HeadingWidth = width(content.Heading);
    for (const THoverRow& row : content.Rows) {
        if (result.ColumnWidths.size() < std::size_t(row.Cells.size()))
            result.ColumnWidths.resize(std::size_t(row.Cells.size()), 0);
        for (qsizetype i = 0; i < row.Cells.size(); ++i) {
            int& column = result.ColumnWidths[std::size_t(i)];
            column = std::max(column, width(row.Cells[i]));
        }
    }
    return result;
}

namespace {

// Fits [start, start + length) into [low, high]; the low end wins when it cannot fit.
int Clamp(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length + 1));
}

QPoint PlaceBox(const THoverContent& content, QSize size, const QRect& bounds)
{
    const int rightOfLine = content.LineX + HoverBoxGap + 1;
    const int leftOfLine = content.LineX - HoverBoxGap - size.width();
    const int centredTop = Clamp(content.Pointer.y() - size.height() / 2, size.height(), bounds.top(), bounds.bottom());
    for (const int left : {rightOfLine, leftOfLine}) {
        const QRect box(QPoint(left, centredTop), size);
        if (bounds.contains(box) && !box.contains(content.Pointer))
            return box.topLeft();
    }
    // Too wide for either side: above the pointer, or below it.
    const int left = Clamp(content.LineX - size.width() / 2, size.width(), bounds.left(), bounds.right());
    const int above = content.Pointer.y() - HoverBoxGap - size.height();
    const int top = above >= bounds.top() ? above : content.Pointer.y() + HoverBoxGap;
    return {left, Clamp(top, size.height(), bounds.top(), bounds.bottom())};
}

} // namespace

THoverLayout CalcHoverLayout(const THoverContent& content, const THoverMetrics& metrics, const QRect& bounds)
{
    THoverLayout layout;
    layout.RowHeight = metrics.RowHeight;
    layout.Line = QRect(content.LineX, content.LineTop, 1, std::max(0, content.LineBottom - content.LineTop + 1));

    const bool swatches = std::any_of(content.Rows.begin(), content.Rows.end(),
                                      [](const THoverRow& row) { return row.Swatch != clNone; });
    int x = HoverPadding;
    layout.SwatchLeft = x;
    if (swatches)
        x += HoverSwatchSize + HoverPadding;
    for (std::size_t i = 0; i < metrics.ColumnWidths.size(); ++i) {
        if (i > 0)
            x += HoverColumnGap;
        layout.ColumnLeft.push_back(x);
        x += metrics.ColumnWidths[i];
        layout.ColumnRight.push_back(x);
    }
    const int width = std::max(x, HoverPadding + metrics.HeadingWidth) + HoverPadding;
    const int height = 2 * HoverPadding + metrics.RowHeight * (1 + int(content.Rows.size()));
    const QPoint topLeft = PlaceBox(content, {width, height}, bounds);
    layout.Box = QRect(topLeft, QSize(width, height));
    // Columns are kept relative to the box until here.
    layout.SwatchLeft += topLeft.x();
    for (int& left : layout.ColumnLeft)
        left += topLeft.x();
    for (int& right : layout.ColumnRight)
        right += topLeft.x();
    return layout;
}
