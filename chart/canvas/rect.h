#pragma once

#include <QPoint>
#include <QRect>

// Integer pixel geometry shared by the whole chart. X grows to the right,
// Y downwards. A TRect's Right and Bottom edges are exclusive, as on every
// raster surface the chart draws on: (0, 0, 10, 5) covers columns 0..9 and
// rows 0..4.

struct TPoint
{
    int X = 0;
    int Y = 0;

    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A point with depth, for the 3D operations of the canvas.
struct TPoint3D
{
    int X = 0;
    int Y = 0;
    int Z = 0;

    friend bool operator==(const TPoint3D&, const TPoint3D&) = default;
};

struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint p) const
    {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    // Left <= Right and Top <= Bottom.
    constexpr TRect Normalised() const
    {
        return {Left < Right ? Left : Right, Top < Bottom ? Top : Bottom,
                Left < Right ? Right : Left, Top < Bottom ? Bottom : Top};
    }
    // Grows by dx on the left and right and by dy at top and bottom
    // (negative values shrink).
    constexpr TRect Inflated(int dx, int dy) const
    {
        return {Left - dx, Top - dy, Right + dx, Bottom + dy};
    }
    constexpr TRect Translated(int dx, int dy) const
    {
        return {Left + dx, Top + dy, Right + dx, Bottom + dy};
    }

    friend bool operator==(const TRect&, const TRect&) = default;
};

// The common part of two rectangles; an empty rectangle when they do not
// overlap.
constexpr TRect IntersectRect(const TRect& a, const TRect& b)
{
    const TRect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
                  a.Right < b.Right ? a.Right : b.Right,
                  a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
    return r.IsEmpty() ? TRect{} : r;
}

inline QRect ToQRect(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

inline TRect FromQRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

inline QPoint ToQPoint(TPoint p) { return QPoint(p.X, p.Y); }
