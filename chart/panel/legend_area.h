#pragma once

// What the chart needs of its legend: whether it is drawn, on which side,
// drawing it (which takes its space from ChartRect), and which item lies
// under a pixel of the last paint.
class TLegendArea
{
public:
    virtual ~TLegendArea() = default;

    virtual bool Visible() const = 0;
    // True for a legend left or right of the plot.
    virtual bool Vertical() const = 0;
    virtual void Draw() = 0;
    // The position of the item under (x, y) as laid out by the last paint,
    // or -1.
    virtual int Clicked(int x, int y) const = 0;

protected:
    TLegendArea() = default;
    TLegendArea(const TLegendArea&) = default;
    TLegendArea& operator=(const TLegendArea&) = default;
};
