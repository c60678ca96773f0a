#pragma once

#include <QString>

#include <vector>

class TChartSeries;

// One position the axis marks in a paint: a tick, a grid line and, when
// Labelled, a label.
struct TAxisTick
{
    int Pixel = 0;
    double Value = 0;
    QString Text;
    bool Labelled = false;
};

// The positions of one paint, in the order they were produced (value
// labels from the maximum down, logarithmic and text labels upwards).
// Labels, ticks and grid all draw from this one list. It holds at most
// Capacity entries: positions beyond are dropped with their labels, which
// could not be told apart on any screen anyway.
struct TAxisTickList
{
    static constexpr int Capacity = 2000;

    std::vector<TAxisTick> Ticks;

    bool Full() const { return int(Ticks.size()) >= Capacity; }
    // False (and nothing added) when full.
    bool Add(TAxisTick tick)
    {
        if (Full())
            return false;
        Ticks.push_back(std::move(tick));
        return true;
    }
    std::vector<int> Pixels() const
    {
        std::vector<int> out;
        out.reserve(Ticks.size());
        for (const TAxisTick& t : Ticks)
            out.push_back(t.Pixel);
        return out;
    }
};
