#pragma once

// What the chart's layout needs of its legend: whether it is drawn, on
// which side, and drawing it (which takes its space from ChartRect).
class TLegendArea
{
public:
    virtual ~TLegendArea() = default;

    virtual bool Visible() const = 0;
    // True for a legend left or right of the plot.
    virtual bool Vertical() const = 0;
    virtual void Draw() = 0;

protected:
    TLegendArea() = default;
    TLegendArea(const TLegendArea&) = default;
    TLegendArea& operator=(const TLegendArea&) = default;
};
