#include "chart/axes/text_block.h"

#include "chart/canvas/chart_canvas.h"

#include <algorithm>

QStringList TextLines(const QString& text)
{
    QStringList lines = text.split(LineSeparator);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

TTextBlock TextBlockWidth(const TChartCanvas& canvas, const QString& text)
{
    if (!text.contains(LineSeparator))
        return {canvas.MeasureWidth(text), 1};
    TTextBlock block;
    for (const QString& line : TextLines(text)) {
        block.Width = std::max(block.Width, canvas.MeasureWidth(line));
        ++block.Lines;
    }
    return block;
}

QString SplitInLines(QString text, QChar separator)
{
    if (separator != LineSeparator)
        text.replace(separator, LineSeparator);
    return text;
}

int NumTextLines(const QString& text)
{
    const int separators = int(text.count(LineSeparator));
    return separators + (text.isEmpty() || text.endsWith(LineSeparator) ? 0 : 1);
}

void SelectChartFont(TChartCanvas& canvas, const TFont& font)
{
    TFont selected = font;
    selected.PixelsPerInch = canvas.Font().PixelsPerInch;
    canvas.Font() = selected;
}
