#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

class TChartCanvas;

// Character 13 separates the lines of one chart text (titles, axis labels,
// legend texts).
inline constexpr QChar LineSeparator = QChar(13);

// The width of a text's widest line on the canvas and its number of lines.
struct TTextBlock
{
    int Width = 0;
    int Lines = 0;
};

// A trailing empty line is not counted; a text without separator is one
// line of its whole width.
TTextBlock TextBlockWidth(const TChartCanvas& canvas, const QString& text);
// The lines of a text; a trailing empty line is dropped.
QStringList TextLines(const QString& text);
// Every occurrence of separator becomes a LineSeparator.
QString SplitInLines(QString text, QChar separator);
// Separators plus 1 when text follows the last one: "a" 1, "a\r" 1,
// "a\rb" 2, "" 0.
int NumTextLines(const QString& text);

struct TFont;

// Makes font the canvas font, at the canvas' pixels per inch.
void SelectChartFont(TChartCanvas& canvas, const TFont& font);
