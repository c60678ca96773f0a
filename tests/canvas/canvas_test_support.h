#pragma once

#include "chart/canvas/chart_canvas3d.h"
#include "chart/canvas/colour.h"

#include <QImage>

#include <optional>

// A white 32-bit image with a canvas drawing on it.
struct TImageCanvas
{
    explicit TImageCanvas(int width = 40, int height = 30, QImage::Format format = QImage::Format_RGB32)
        : Image(width, height, format)
    {
        Image.fill(Qt::white);
        Canvas.BeginDrawing(&Image);
    }
    ~TImageCanvas() { Canvas.EndDrawing(); }

    TColor At(int x, int y) const { return FromQColor(QColor(Image.pixel(x, y))); }

    QImage Image;
    TChartCanvas3D Canvas;
};

// Bounding box (Right/Bottom exclusive) of the pixels that are not white.
inline std::optional<TRect> InkBounds(const QImage& image)
{
    std::optional<TRect> box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                continue;
            if (!box)
                box = TRect{x, y, x + 1, y + 1};
            box->Left = std::min(box->Left, x);
            box->Top = std::min(box->Top, y);
            box->Right = std::max(box->Right, x + 1);
            box->Bottom = std::max(box->Bottom, y + 1);
        }
    }
    return box;
}

inline int CountColour(const QImage& image, TColor c)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += FromQColor(QColor(image.pixel(x, y))) == c ? 1 : 0;
    return n;
}
