#include "app/chart_picture.h"

#include "app/whole_file.h"
#include "chart/panel/chart.h"

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

QString WritePng(TChart& chart, const QString& path, int scale)
{
    QImage image = Image(chart, scale);
    // A viewer shows the file at its pixel size; the ratio was only for drawing.
    image.setDevicePixelRatio(1.0);
    return WriteWholeFile(path, [&](QSaveFile& file) { return image.save(&file, "PNG"); });
}

QString WriteSvg(TChart& chart, const QString& path)
{
    return WriteWholeFile(path, [&](QSaveFile& file) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(chart.size());
        svg.setViewBox(QRect(QPoint(), chart.size()));
        svg.setResolution(int(PixelsPerInch));
        svg.setTitle(QStringLiteral("Kaldoro"));
        chart.DrawOnDevice(&svg, {0, 0, chart.width(), chart.height()}, 1.0);
        return file.error() == QFileDevice::NoError;
    });
}

QString WritePdf(TChart& chart, const QString& path)
{
    return WriteWholeFile(path, [&](QSaveFile& file) {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Kaldoro"));
        pdf.setTitle(QStringLiteral("Kaldoro"));
        // Fine coordinates; the page itself is the chart's size.
        pdf.setResolution(1200);
        const QSizeF points = QSizeF(chart.size()) * (72.0 / PixelsPerInch);
        pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF()));
        DrawOnPage(chart, pdf);
        return file.error() == QFileDevice::NoError;
    });
}

QString Write(TChart& chart, const QString& path)
{
    switch (FormatOfFile(path).value_or(TFormat::Png)) {
    case TFormat::Svg: return WriteSvg(chart, path);
    case TFormat::Pdf: return WritePdf(chart, path);
    case TFormat::Png: break;
    }
    return WritePng(chart, path);
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
