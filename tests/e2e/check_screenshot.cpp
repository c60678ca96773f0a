// Checks a screenshot of the chart: usage
//   kaldoro_check_screenshot FILE MIN_LINE RRGGBB:MIN_PIXELS...
// Passes when the picture holds a black horizontal line of at least
// MIN_LINE pixels (the frame of the back wall) and, for each colour, at
// least MIN_PIXELS pixels of exactly that colour (the year markers).
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

int LongestBlackRun(const QImage& image)
{
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = (image.pixel(x, y) & 0xFFFFFF) == 0 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

int CountColour(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    return count;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FILE MIN_LINE RRGGBB:MIN_PIXELS...\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    const int line = LongestBlackRun(image);
    std::printf("%dx%d, longest black line %d\n", image.width(), image.height(), line);
    ok &= line >= std::atoi(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const QString expectation = QString::fromLatin1(argv[i]);
        const QRgb colour = expectation.section(QLatin1Char(':'), 0, 0).toUInt(nullptr, 16);
        const int minimum = expectation.section(QLatin1Char(':'), 1, 1).toInt();
        const int count = CountColour(image, colour);
        std::printf("colour %06x: %d pixels (at least %d)\n", colour & 0xFFFFFF, count, minimum);
        ok &= count >= minimum;
    }
    return ok ? 0 : 1;
}
