#include "app/view/chart_picture.h"

#include "app/view/output_writer.h"
#include "chart/panel/chart.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace ChartPicture {

std::optional<TFormat> FormatOfFile(const QString& path)
{
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return TFormat::Png;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return TFormat::Svg;
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return TFormat::Pdf;
    return std::nullopt;
}

QImage Image(TChart& chart, double ratio)
{
    const QSize size = chart.size();
    // Halves to even, as every pixel of the chart is rounded.
    QImage image(int(std::nearbyint(size.width() * ratio)), int(std::nearbyint(size.height() * ratio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    chart.DrawToImage(image);
    return image;
}

namespace {

QByteArray Png(TChart& chart, int scale)
{
    QImage image = Image(chart, scale);
    // A viewer shows the file at its pixel size; the ratio was only for drawing.
    image.setDevicePixelRatio(1.0);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? buffer.data() : QByteArray();
}

QByteArray Svg(TChart& chart)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(chart.size());
    svg.setViewBox(QRect(QPoint(), chart.size()));
    svg.setResolution(int(PixelsPerInch));
    svg.setTitle(QStringLiteral("Kaldoro"));
    chart.DrawOnDevice(&svg, {0, 0, chart.width(), chart.height()}, 1.0);
    return buffer.data();
}

QByteArray Pdf(TChart& chart)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Kaldoro"));
        pdf.setTitle(QStringLiteral("Kaldoro"));
        // Fine coordinates; the page itself is the chart's size.
        pdf.setResolution(1200);
        const QSizeF points = QSizeF(chart.size()) * (72.0 / PixelsPerInch);
        pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF()));
        DrawOnPage(chart, pdf);
    } // the writer ends the document when it goes
    return buffer.data();
}

QByteArray Encode(TChart& chart, TFormat format, int scale)
{
    switch (format) {
    case TFormat::Svg: return Svg(chart);
    case TFormat::Pdf: return Pdf(chart);
    case TFormat::Png: break;
    }
    return Png(chart, scale);
}

} // namespace

QString Stage(TChart& chart, const QString& path, TFormat format, int scale, TOutputWriter& writer)
{
    const QByteArray bytes = Encode(chart, format, scale);
    if (bytes.isEmpty())
        return QStringLiteral("cannot write '%1': drawing failed").arg(path);
    return writer.Stage(path, bytes);
}

QString Write(TChart& chart, const QString& path, int scale)
{
    TOutputWriter writer;
    const QString error = Stage(chart, path, FormatOfFile(path).value_or(TFormat::Png), scale, writer);
    return error.isEmpty() ? writer.Commit() : error;
}

void DrawOnPage(TChart& chart, QPagedPaintDevice& page)
{
    const double scale = page.logicalDpiX() / PixelsPerInch;
    const int width = int(std::floor(page.width() / scale));
    const int height = int(std::floor(page.height() / scale));
    if (width <= 0 || height <= 0)
        return;
    chart.DrawOnDevice(&page, {0, 0, width, height}, scale);
}

} // namespace ChartPicture
