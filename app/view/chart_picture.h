#pragma once

#include <QImage>
#include <QString>

#include <optional>

class QPagedPaintDevice;
class TChart;
class TOutputWriter;

// Pictures of the chart: all of them are drawn by the chart's own paint, as
// on the screen. The file writer returns an error text, empty on success.
namespace ChartPicture {

enum class TFormat { Png, Svg, Pdf };

// The chart's logical pixels per inch: its fonts and lines are sized for a
// screen of 96 dots per inch, and pages are laid out in those pixels.
inline constexpr double PixelsPerInch = 96.0;

// The format a file name asks for by its suffix (any case), if any.
std::optional<TFormat> FormatOfFile(const QString& path);

// The chart at its current layout, `ratio` device pixels per pixel: a
// picture `ratio` times as large, with the same layout, only finer.
QImage Image(TChart& chart, double ratio = 1.0);

// Draws the picture into memory and stages it as path's bytes: a PNG
// `scale` times the chart's size; an SVG of the chart's size, or a PDF of
// one page that size (96 pixels to the inch), with lines and text as vectors.
QString Stage(TChart& chart, const QString& path, TFormat format, int scale, TOutputWriter& writer);
// The picture FormatOfFile tells (PNG when the suffix is none of them),
// encoded first, then written whole or not at all.
QString Write(TChart& chart, const QString& path, int scale = 1);

// Lays the chart out to fill the device's page and draws it there, at the
// device's resolution (printers, PDF).
void DrawOnPage(TChart& chart, QPagedPaintDevice& page);

} // namespace ChartPicture
