// The floor under `kaldoro --export-png`: a Qt program that only starts its
// application object offscreen and saves a blank picture of the exported
// chart's size. Timed against the real export by bench/export_png_process.sh.
//
// Usage: bare_png FILE [WIDTH HEIGHT]   (default 929 x 595, the chart's size
// in the window at its designed size)

#include <QApplication>
#include <QImage>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const int width = argc >= 4 ? QByteArray(argv[2]).toInt() : 929;
    const int height = argc >= 4 ? QByteArray(argv[3]).toInt() : 595;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
