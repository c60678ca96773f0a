// The chart's pictures: PNG (at a scale), SVG and PDF files that load back,
// printing into a PDF printer, and the window's save, copy and print.
#include "app/view/chart_picture.h"
#include "app/window/application.h"
#include "app/cli/arguments.h"
#include "app/window/main_form.h"
#include "chart/panel/chart.h"
#include "support/temp_files.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <vector>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PageCount(const QByteArray& pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

// Width and height of the first page's media box, in points.
QSizeF MediaBox(const QByteArray& pdf)
{
    const auto match = QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"))
                           .match(QString::fromLatin1(pdf));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

int PixelsOf(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    return count;
}

class TAnswerSave : public TSavePictureDialog
{
public:
    explicit TAnswerSave(QString path) : path_(std::move(path)) {}
    std::optional<QString> Execute(QWidget*, const QString&) override
    {
        ++calls;
        return path_;
    }
    int calls = 0;

private:
    QString path_;
};

// Prints what the preview would show straight into a PDF file.
class TPrintToPdf : public TPrintPreview
{
public:
    explicit TPrintToPdf(QString path) : path_(std::move(path)) {}
    void Execute(QWidget*, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override
    {
        landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path_);
        paint(printer);
    }
    bool landscape = false;

private:
    QString path_;
};

class ChartPictures : public ::testing::Test
{
protected:
    ChartPictures()
    {
        QStringList paths;
        for (const char* year : {"2009", "2010", "2011", "2012"})
            paths << QStringLiteral(KALDORO_SOURCE_DIR "/samples/%1.csv").arg(QLatin1String(year));
        form.LoadFiles(paths);
        EXPECT_TRUE(form.SelectEvaluation(3, 1).isEmpty());
    }

    TChart& Chart() { return *form.Chart(); }

    TempFiles files;
    TForm1 form;
};

} // namespace

TEST_F(ChartPictures, FilesLoadBack)
{
    const QString png = files.PathOf(QStringLiteral("chart.png"));
    ASSERT_EQ(ChartPicture::Write(Chart(), png), QString());
    EXPECT_EQ(QImage(png).size(), Chart().size());
    ASSERT_EQ(ChartPicture::Write(Chart(), png, 3), QString());
    const QImage large(png);
    EXPECT_EQ(large.size(), Chart().size() * 3);
    // Year 1 is red: its markers are there, in blocks of the scale.
    EXPECT_GT(PixelsOf(large, qRgb(255, 0, 0)), 0);
    EXPECT_EQ(PixelsOf(large, qRgb(255, 0, 0)) % 9, 0);

    const QString svg = files.PathOf(QStringLiteral("chart.svg"));
    ASSERT_EQ(ChartPicture::Write(Chart(), svg), QString());
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    // Its own units are the chart's pixels (its size in mm is for 96 dpi).
    EXPECT_EQ(renderer.viewBox(), QRect(QPoint(), Chart().size()));
    QImage drawn(Chart().size(), QImage::Format_RGB32);
    drawn.fill(Qt::black);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    EXPECT_GT(PixelsOf(drawn, qRgb(255, 0, 0)), 0) << "no red markers in the SVG";
    EXPECT_GT(PixelsOf(drawn, qRgb(128, 128, 128)), 0) << "no grey panel in the SVG";

    const QString pdf = files.PathOf(QStringLiteral("chart.PDF"));
    ASSERT_EQ(ChartPicture::Write(Chart(), pdf), QString());
    const QByteArray bytes = ReadAll(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(PageCount(bytes), 1);
    // The page is the chart's size, 96 pixels to the inch.
    const QSizeF page = MediaBox(bytes);
    EXPECT_NEAR(page.width(), Chart().width() * 0.75, 1.0);
    EXPECT_NEAR(page.height(), Chart().height() * 0.75, 1.0);
}

TEST_F(ChartPictures, UnwritableFileIsAnErrorAndLeavesNothing)
{
    for (const char* name : {"no/dir/c.png", "no/dir/c.svg", "no/dir/c.pdf"}) {
        const QString path = files.PathOf(QString::fromLatin1(name));
        EXPECT_FALSE(ChartPicture::Write(Chart(), path).isEmpty()) << name;
        EXPECT_FALSE(QFile::exists(path)) << name;
    }
}

TEST_F(ChartPictures, PrintFillsOneLandscapePage)
{
    const QString path = files.PathOf(QStringLiteral("print.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Landscape);
    Chart().Repaint();
    const TRect windowLayout = Chart().ChartRect();
    std::vector<TRect> painted;
    Chart().OnAfterDraw = [&](TCustomChartPanel& chart) { painted.push_back(chart.PaintBounds()); };
    ChartPicture::DrawOnPage(Chart(), printer);
    Chart().OnAfterDraw = nullptr;
    const QByteArray bytes = ReadAll(path);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(PageCount(bytes), 1);
    const QSizeF page = MediaBox(bytes);
    EXPECT_GT(page.width(), page.height());
    // Laid out on the printable part of the page, in the chart's pixels.
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Inch);
    ASSERT_FALSE(painted.empty());
    EXPECT_NEAR(painted.front().Width(), printable.width() * 96, 1.5);
    EXPECT_NEAR(painted.front().Height(), printable.height() * 96, 1.5);
    // Afterwards the chart is laid out for the window again, before any
    // mouse event reads its axes.
    EXPECT_EQ(Chart().ChartRect(), windowLayout);
}

TEST_F(ChartPictures, WindowSavesCopiesAndPrints)
{
    auto save = std::make_unique<TAnswerSave>(files.PathOf(QStringLiteral("saved.svg")));
    TAnswerSave& saveDialog = *save;
    auto print = std::make_unique<TPrintToPdf>(files.PathOf(QStringLiteral("printed.pdf")));
    TPrintToPdf& preview = *print;
    form.SetPictureDialogs(std::move(save), std::move(print));
    form.show();

    form.SaveChartPicture();
    EXPECT_TRUE(QSvgRenderer(files.PathOf(QStringLiteral("saved.svg"))).isValid());

    QGuiApplication::clipboard()->clear();
    form.CopyChartPicture();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), Chart().size() * Chart().devicePixelRatio());
    EXPECT_GT(PixelsOf(copied, qRgb(255, 0, 0)), 0);

    form.PrintChart();
    EXPECT_TRUE(preview.landscape);
    EXPECT_EQ(PageCount(ReadAll(files.PathOf(QStringLiteral("printed.pdf")))), 1);

    // Without a chart there is nothing to save: no dialog.
    form.LoadFiles({});
    form.SaveChartPicture();
    EXPECT_EQ(saveDialog.calls, 1);
}

TEST_F(ChartPictures, WindowReportsAFileItCannotWrite)
{
    const QString path = files.PathOf(QStringLiteral("no/dir/c.png"));
    form.SetPictureDialogs(std::make_unique<TAnswerSave>(path), nullptr);
    form.show();
    auto& app = static_cast<TApplication&>(*QCoreApplication::instance());
    QString shown;
    app.OnShowException = [&](const QString& message) { shown = message; };
    // Through the window's key, as the user saves.
    for (QAction* action : form.actions())
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_S))
            action->trigger();
    app.OnShowException = nullptr;
    EXPECT_EQ(shown, QStringLiteral("Das Diagramm konnte nicht als \u201E%1\u201C gespeichert werden.").arg(path));
}

TEST(CommandLine, PictureExports)
{
    const auto parsed = TArguments::Parse({"--export-png", "p.png", "--scale", "4", "--export-svg", "s.svg",
                                           "--export-pdf", "d.pdf", "a.csv"});
    const TCommandLine& all = parsed.commandLine;
    EXPECT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    EXPECT_EQ(all.scale, 4);
    EXPECT_EQ(all.exportSvg, QStringLiteral("s.svg"));
    EXPECT_EQ(all.exportPdf, QStringLiteral("d.pdf"));
    EXPECT_TRUE(TArguments::Parse({"--export-pdf", "d.pdf"}).commandLine.Exports());
    EXPECT_EQ(TArguments::Parse({"--export-png", "p.png"}).commandLine.scale, 1);
    for (const QStringList& bad : {QStringList{"--export-png", "p.png", "--scale", "5"},
                                   QStringList{"--export-png", "p.png", "--scale", "0"},
                                   QStringList{"--export-svg", "s.svg", "--scale", "2"}})
        EXPECT_FALSE(TArguments::Parse(bad).error.isEmpty()) << bad.join(' ').toStdString();
}
