#pragma once

#include "chart/canvas/colour.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// What a hover marker shows: a vertical line through the plot at one
// column and, beside it, a box with a heading and rows of text cells, each
// row with an optional colour swatch. The chart draws it; what it says is
// up to the application.
struct THoverRow
{
    TColor Swatch = clNone; // clNone: no swatch
    QStringList Cells;      // the first cell left-aligned, the others right-aligned

    bool operator==(const THoverRow&) const = default;
};

struct THoverContent
{
    int LineX = 0;
    int LineTop = 0;    // rows the line spans, both included
    int LineBottom = 0;
    QPoint Pointer;     // the box keeps clear of it
    QString Heading;
    std::vector<THoverRow> Rows;

    bool operator==(const THoverContent&) const = default;
};

// Text sizes of one content, measured once per text.
struct THoverMetrics
{
    int RowHeight = 0;
    int HeadingWidth = 0;
    std::vector<int> ColumnWidths;
};

// Where everything goes; drawing and the repaint region read this value.
struct THoverLayout
{
    QRect Line;
    QRect Box;
    int RowHeight = 0;
    // Left edge of the swatches, and the left and right edge of each column.
    int SwatchLeft = 0;
    std::vector<int> ColumnLeft;
    std::vector<int> ColumnRight;

    QRegion Region() const { return QRegion(Line) + QRegion(Box); }
};

constexpr int HoverPadding = 4;
constexpr int HoverSwatchSize = 10;
constexpr int HoverColumnGap = 10;
constexpr int HoverBoxGap = 10; // between the line and the box

// width gives a text's width in pixels.
THoverMetrics MeasureHover(const THoverContent& content, int rowHeight,
                           const std::function<int(const QString&)>& width);

// The line at its column; the box beside it, right of the line where it
// fits inside `bounds`, else left of it, vertically centred on the pointer
// and kept inside `bounds`. A box too wide for either side goes above or
// below the pointer.
THoverLayout CalcHoverLayout(const THoverContent& content, const THoverMetrics& metrics, const QRect& bounds);
