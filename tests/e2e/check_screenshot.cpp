// Checks a screenshot of the chart: usage
//   kaldoro_check_screenshot FILE MIN_LINE [RRGGBB:MIN_PIXELS | gridgap:MIN:MAX]...
// Passes when the picture holds a black horizontal line of at least
// MIN_LINE pixels (the frame of the back wall) and, for each colour, at
// least MIN_PIXELS pixels of exactly that colour (the year markers). With
// gridgap, the vertical dotted grid lines must lie MIN to MAX pixels apart
// (the narrowest gap counts): a zoom spreads them, an undo brings them back.
// With inbox, the colour is counted only inside the pale box of the hover
// comparison (the bounding rectangle of its fill colour), which must exist.
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <vector>

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

// Columns that hold a long dotted black line: many black pixels each with
// a non-black one below and the next dot within a few pixels. Solid lines
// (the frame, the axes) and the series markers do not count.
std::vector<int> DottedColumns(const QImage& image)
{
    constexpr int MinimumDots = 60;
    const auto black = [&](int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0; };
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        int dots = 0;
        for (int y = 0; y + 4 < image.height(); ++y)
            dots += black(x, y) && !black(x, y + 1) && (black(x, y + 2) || black(x, y + 3) || black(x, y + 4)) ? 1 : 0;
        // Neighbouring columns are one line.
        if (dots >= MinimumDots && (columns.empty() || columns.back() != x - 1))
            columns.push_back(x);
    }
    return columns;
}

// The bounding rectangle of the hover box' pale fill; empty when there is
// too little of it to be a box.
QRect HoverBox(const QImage& image)
{
    constexpr QRgb Fill = 0xFFFFE1;
    QRect box;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == Fill) {
                box |= QRect(x, y, 1, 1);
                ++count;
            }
    return count >= 200 ? box : QRect();
}

int CountColourIn(const QImage& image, QRgb colour, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    return count;
}

bool CheckGridGap(const QImage& image, const QString& expectation)
{
    const int minimum = expectation.section(QLatin1Char(':'), 1, 1).toInt();
    const int maximum = expectation.section(QLatin1Char(':'), 2, 2).toInt();
    const std::vector<int> columns = DottedColumns(image);
    std::printf("vertical grid lines at");
    for (int x : columns)
        std::printf(" %d", x);
    if (columns.size() < 2) {
        std::printf(": fewer than two\n");
        return false;
    }
    int gap = image.width();
    for (std::size_t i = 1; i < columns.size(); ++i)
        gap = std::min(gap, columns[i] - columns[i - 1]);
    std::printf("; narrowest gap %d (%d to %d)\n", gap, minimum, maximum);
    return gap >= minimum && gap <= maximum;
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
    const QRect box = HoverBox(image);
    if (!box.isEmpty())
        std::printf("box at %d %d, %d x %d\n", box.x(), box.y(), box.width(), box.height());
    for (int i = 3; i < argc; ++i) {
        const QString expectation = QString::fromLatin1(argv[i]);
        if (expectation.startsWith(QLatin1String("gridgap:"))) {
            ok &= CheckGridGap(image, expectation);
            continue;
        }
        if (expectation.startsWith(QLatin1String("inbox:"))) {
            const QRgb colour = expectation.section(QLatin1Char(':'), 1, 1).toUInt(nullptr, 16);
            const int minimum = expectation.section(QLatin1Char(':'), 2, 2).toInt();
            const int count = box.isEmpty() ? 0 : CountColourIn(image, colour, box);
            std::printf("colour %06x in the box: %d pixels (at least %d)\n", colour & 0xFFFFFF, count, minimum);
            ok &= count >= minimum;
            continue;
        }
        const QRgb colour = expectation.section(QLatin1Char(':'), 0, 0).toUInt(nullptr, 16);
        const int minimum = expectation.section(QLatin1Char(':'), 1, 1).toInt();
        const int count = CountColour(image, colour);
        std::printf("colour %06x: %d pixels (at least %d)\n", colour & 0xFFFFFF, count, minimum);
        ok &= count >= minimum;
    }
    return ok ? 0 : 1;
}
