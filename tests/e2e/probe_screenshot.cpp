// Reads pixels of a screenshot for the end-to-end scripts: usage
//   kaldoro_probe_screenshot FILE at X Y                       prints RRGGBB
//   kaldoro_probe_screenshot FILE count RRGGBB X0 Y0 X1 Y1     prints the number of such pixels
//   kaldoro_probe_screenshot FILE locate RRGGBB X0 Y0 X1 Y1    prints "X Y", the middle of them
// Rectangles include both corners. Exit code 1 when the file cannot be read
// or locate finds nothing.
#include <QGuiApplication>
#include <QImage>
#include <QRect>

#include <cstdio>
#include <cstdlib>

namespace {

QRect Area(char** argv)
{
    return QRect(QPoint(std::atoi(argv[0]), std::atoi(argv[1])), QPoint(std::atoi(argv[2]), std::atoi(argv[3])));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s FILE at X Y | count|locate RRGGBB X0 Y0 X1 Y1\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString command = QString::fromLatin1(argv[2]);
    if (command == QLatin1String("at")) {
        const QPoint p(std::atoi(argv[3]), std::atoi(argv[4]));
        if (!image.rect().contains(p))
            return 1;
        std::printf("%06x\n", image.pixel(p) & 0xFFFFFF);
        return 0;
    }
    if (argc < 8)
        return 2;
    const QRgb colour = QString::fromLatin1(argv[3]).toUInt(nullptr, 16) & 0xFFFFFF;
    const QRect area = Area(argv + 4) & image.rect();
    long count = 0;
    long sumX = 0;
    long sumY = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == colour) {
                ++count;
                sumX += x;
                sumY += y;
            }
    if (command == QLatin1String("count")) {
        std::printf("%ld\n", count);
        return 0;
    }
    if (count == 0)
        return 1;
    std::printf("%ld %ld\n", sumX / count, sumY / count);
    return 0;
}
