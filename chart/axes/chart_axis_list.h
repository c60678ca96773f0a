#pragma once

#include "chart/axes/chart_axis.h"

#include <memory>
#include <vector>

class TAxisHost;

// The axes of one chart, owned: first the five built-in ones in their fixed
// order (bottom, top, left, right, depth), then any the chart adds. The
// chart lays out and draws them in this order.
class TChartAxisList
{
public:
    explicit TChartAxisList(TAxisHost* host);
    TChartAxisList(const TChartAxisList&) = delete;
    TChartAxisList& operator=(const TChartAxisList&) = delete;

    static constexpr int BuiltInCount = 5;

    TChartAxis& Bottom() const { return *bottom_; }
    TChartAxis& Top() const { return *top_; }
    TChartAxis& Left() const { return *left_; }
    TChartAxis& Right() const { return *right_; }
    TChartDepthAxis& Depth() const { return *depth_; }

    int Count() const { return int(axes_.size()); }
    TCustomChartAxis& At(int index) const { return *axes_.at(size_t(index)); }
    // Takes ownership; returns the added axis.
    TCustomChartAxis& Add(std::unique_ptr<TCustomChartAxis> axis);

    auto begin() const { return axes_.begin(); }
    auto end() const { return axes_.end(); }

private:
    template <typename T, typename... Args>
    T* Create(Args&&... args);

    std::vector<std::unique_ptr<TCustomChartAxis>> axes_;
    TChartAxis* bottom_;
    TChartAxis* top_;
    TChartAxis* left_;
    TChartAxis* right_;
    TChartDepthAxis* depth_;
};
