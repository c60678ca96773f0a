// The legend of years on the real year chart: drawn pixels, not records.
#include "support/year_view_host.h"
#include "chart/canvas/colour.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <QComboBox>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage Picture(TChart& chart)
{
    QImage image(chart.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    chart.DrawToImage(image);
    return image;
}

bool HasPixel(const QImage& image, const TRect& r, QRgb colour)
{
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}

} // namespace

TEST(YearChartLegend, EachLoadedYearIsNamedInItsColourBelowThePlot)
{
    TYearViewHost host;
    QStringList paths;
    for (const char* year : {"2009", "2010", "2011", "2012"})
        paths << QStringLiteral(KALDORO_SOURCE_DIR "/samples/%1.csv").arg(QLatin1String(year));
    host.LoadFiles(paths);
    ASSERT_TRUE(host.SelectEvaluation(3, 1).isEmpty());
    TChart& chart = *host.Chart();
    const TChartLegend& legend = *chart.Legend();

    const QImage image = Picture(chart);
    // What the picture laid out: the window was never painted.
    const TRect box = chart.PictureFrame().Legend.Box;
    const TRect plot = chart.PictureFrame().Plot;
    EXPECT_GE(box.Top, plot.Bottom);
    EXPECT_TRUE(box.Left >= 0 && box.Right <= image.width() && box.Bottom <= image.height());
    const auto& items = chart.PictureFrame().Legend.Items;
    ASSERT_EQ(items.size(), 4u);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TChartSeries& year = chart.SeriesAt(int(i) + 1);
        EXPECT_EQ(legend.LegendItemCaption(int(i)), year.Title());
        const TRect symbol = items[i].Symbol;
        EXPECT_TRUE(symbol.Left >= box.Left && symbol.Right <= box.Right && symbol.Top >= box.Top
                    && symbol.Bottom <= box.Bottom);
        EXPECT_TRUE(HasPixel(image, symbol, ToQColor(year.SeriesColor()).rgb())) << year.Title().toStdString();
    }
    // The box is filled with the legend's gray, and the plot gave it its room.
    EXPECT_EQ(image.pixel(box.Right - 2, box.Top + 1) & 0xFFFFFF, ToQColor(clGray).rgb() & 0xFFFFFF);
    chart.Legend()->SetVisible(false);
    Picture(chart);
    EXPECT_GE(chart.PictureFrame().Plot.Bottom, plot.Bottom + box.Height());
}
